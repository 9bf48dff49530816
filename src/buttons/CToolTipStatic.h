// CToolTipStatic: the subclass a tooltip manager puts on a static control
// of its table. Statics get no mouse input of their own; with SS_NOTIFY
// added they do, and this object relays it to the tooltip and shows the
// tip again when the static is clicked.
#pragma once

#include "afx/CStatic.h"

class CBitmap;
class CToolTipCtrl;

class CToolTipStatic : public CStatic {
public:
    CToolTipStatic();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Gives the static its tooltip and bitmaps; the base keeps nothing.
    virtual void SetToolTipInfo(CToolTipCtrl* pToolTip, CBitmap* pMask, CBitmap* pImage);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CToolTipCtrl* m_pToolTip;
};
