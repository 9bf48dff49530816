#include "CToolTipTextStatic.h"

void CToolTipTextStatic::SetToolTipInfo(CToolTipCtrl* pToolTip, CBitmap*, CBitmap*)
{
    m_pToolTip = pToolTip;
}
