// CToolTipPictureStatic: the tooltip subclass of a picture static, drawn
// with the manager's bitmaps: the mask alone, or the image drawn through
// the mask (SRCAND then SRCPAINT). Sized to the mask when it is given,
// shrunk to nothing when there is none.
#pragma once

#include "CToolTipStatic.h"

class CToolTipPictureStatic : public CToolTipStatic {
public:
    CToolTipPictureStatic();

    void SetToolTipInfo(CToolTipCtrl* pToolTip, CBitmap* pMask, CBitmap* pImage) override;

protected:
    void OnPaint() override;

private:
    CBitmap* m_pMask;
    CBitmap* m_pImage;
};
