// CToolTipTextStatic: the tooltip subclass of a text static.
#pragma once

#include "CToolTipStatic.h"

class CToolTipTextStatic : public CToolTipStatic {
public:
    void SetToolTipInfo(CToolTipCtrl* pToolTip, CBitmap* pMask, CBitmap* pImage) override;
};
