#include "CToolTipPictureStatic.h"

#include "afx/CBitmap.h"
#include "afx/CDC.h"
#include "afx/CPaintDC.h"

namespace {

bool HasBitmap(const CBitmap* pBitmap)
{
    return pBitmap != nullptr && pBitmap->GetSafeHandle() != nullptr;
}

} // namespace

CToolTipPictureStatic::CToolTipPictureStatic() : m_pMask(nullptr), m_pImage(nullptr) {}

void CToolTipPictureStatic::SetToolTipInfo(CToolTipCtrl* pToolTip, CBitmap* pMask, CBitmap* pImage)
{
    m_pToolTip = pToolTip;
    m_pMask = pMask;
    m_pImage = pImage;
    CWnd* pParent = GetParent();
    if (m_hWnd == nullptr || pParent == nullptr)
        return;
    CRect rect;
    GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    BITMAP mask;
    if (!HasBitmap(m_pMask) || m_pMask->GetBitmap(&mask) == 0) {
        MoveWindow(rect.left, rect.top, 0, 0);
        return;
    }
    int height = rect.Height();
    CRect placed(rect.left, rect.top - (mask.bmHeight / 2 - height / 2), rect.left + mask.bmWidth,
                 rect.bottom + (mask.bmHeight - height));
    MoveWindow(&placed);
    Invalidate();
}

void CToolTipPictureStatic::OnPaint()
{
    BITMAP mask;
    if (!HasBitmap(m_pMask) || m_pMask->GetBitmap(&mask) == 0) {
        CStatic::OnPaint();
        return;
    }
    CPaintDC dc(this);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(&dc))
        return;
    bool image = HasBitmap(m_pImage);
    CBitmap* previous = memDC.SelectObject(m_pMask);
    dc.BitBlt(0, 0, mask.bmWidth, mask.bmHeight, &memDC, 0, 0, image ? SRCAND : SRCCOPY);
    if (image) {
        memDC.SelectObject(m_pImage);
        dc.BitBlt(0, 0, mask.bmWidth, mask.bmHeight, &memDC, 0, 0, SRCPAINT);
    }
    memDC.SelectObject(previous);
}
