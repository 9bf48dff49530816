#include "COwnerBtn.h"

#include <new>

#include "afx/AfxModule.h"
#include "afx/CBitmap.h"
#include "afx/CDC.h"
#include "frame/WinLibModule.h"

namespace {

// Loads a bitmap with the search starting in this library's module and
// going on along the framework's resource chain.
BOOL LoadFromLibrary(CBitmap& bitmap, LPCSTR pName)
{
    if (pName == nullptr)
        return FALSE;
    HINSTANCE previous = AfxGetResourceHandle();
    HINSTANCE library = WinLibModule().hResource;
    if (library != nullptr)
        AfxSetResourceHandle(library);
    BOOL loaded = bitmap.LoadBitmap(pName);
    AfxSetResourceHandle(previous);
    return loaded;
}

CSize SizeOf(const CBitmap& bitmap)
{
    BITMAP info;
    if (bitmap.GetSafeHandle() == nullptr || bitmap.GetBitmap(&info) == 0)
        return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight);
}

LPCSTR IdName(short nID)
{
    return MAKEINTRESOURCEA(static_cast<WORD>(nID));
}

} // namespace

IMPLEMENT_DYNCREATE(COwnerBtn, CButton)

COwnerBtn::COwnerBtn() : m_nKind(FourByName), m_nStretch(0), m_lWidth(0), m_lHeight(0), m_pImages{}
{
}

COwnerBtn::~COwnerBtn()
{
    DeleteImages();
}

void COwnerBtn::DeleteImages()
{
    for (CBitmap*& image : m_pImages) {
        delete image;  // the bitmap object deletes its bitmap
        image = nullptr;
    }
}

int COwnerBtn::CreateFace(long lStyle, const RECT& rect, CWnd* pParent, short nID, short nKind, BOOL bStretch,
                          const char* const* ppNames)
{
    if (m_hWnd != nullptr)
        return 0;
    CSize size(rect.right - rect.left, rect.bottom - rect.top);
    if (!bStretch) {
        for (int i = 0; i < ImageCount; ++i) {
            if (ppNames[i] != nullptr && GetBitmapSize(ppNames[i]) != size)
                return 0;
        }
    }
    if (!CButton::Create("", static_cast<DWORD>(lStyle) | BS_OWNERDRAW, rect, pParent, static_cast<UINT>(nID)))
        return 0;
    DeleteImages();
    m_nKind = nKind;
    m_nStretch = bStretch ? 1 : 0;
    m_lWidth = bStretch ? size.cx : 0;
    m_lHeight = bStretch ? size.cy : 0;
    for (int i = 0; i < ImageCount; ++i) {
        if (ppNames[i] == nullptr)
            continue;
        m_pImages[i] = new (std::nothrow) CBitmap;
        if (m_pImages[i] == nullptr)
            return 0;
        LoadFromLibrary(*m_pImages[i], ppNames[i]);
    }
    return -1;
}

int COwnerBtn::Create(long lStyle, CRect rect, CWnd* pParent, short nID, const char* pPressed, const char* pNormal,
                      const char* pFocus, const char* pDisabled)
{
    const char* names[ImageCount] = {pPressed, pNormal, pFocus, pDisabled};
    return CreateFace(lStyle, rect, pParent, nID, FourByName, FALSE, names);
}

int COwnerBtn::Create(long lStyle, CRect rect, CWnd* pParent, short nID, const char* pPressed, const char* pNormal,
                      const char* pDisabled)
{
    const char* names[ImageCount] = {pPressed, pNormal, nullptr, pDisabled};
    return CreateFace(lStyle, rect, pParent, nID, ThreeByName, FALSE, names);
}

int COwnerBtn::Create(long lStyle, CRect rect, CWnd* pParent, short nID, short nPressed, short nNormal,
                      short nFocus, short nDisabled)
{
    const char* names[ImageCount] = {IdName(nPressed), IdName(nNormal), IdName(nFocus), IdName(nDisabled)};
    return CreateFace(lStyle, rect, pParent, nID, FourById, FALSE, names);
}

int COwnerBtn::Create(long lStyle, CRect rect, CWnd* pParent, short nID, short nPressed, short nNormal,
                      short nDisabled)
{
    const char* names[ImageCount] = {IdName(nPressed), IdName(nNormal), nullptr, IdName(nDisabled)};
    return CreateFace(lStyle, rect, pParent, nID, ThreeById, FALSE, names);
}

int COwnerBtn::CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, const char* pPressed,
                                    const char* pNormal, const char* pFocus, const char* pDisabled)
{
    const char* names[ImageCount] = {pPressed, pNormal, pFocus, pDisabled};
    return CreateFace(lStyle, rect, pParent, nID, FourByName, TRUE, names);
}

int COwnerBtn::CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, const char* pPressed,
                                    const char* pNormal, const char* pDisabled)
{
    const char* names[ImageCount] = {pPressed, pNormal, nullptr, pDisabled};
    return CreateFace(lStyle, rect, pParent, nID, ThreeByName, TRUE, names);
}

int COwnerBtn::CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, short nPressed,
                                    short nNormal, short nFocus, short nDisabled)
{
    const char* names[ImageCount] = {IdName(nPressed), IdName(nNormal), IdName(nFocus), IdName(nDisabled)};
    return CreateFace(lStyle, rect, pParent, nID, FourById, TRUE, names);
}

int COwnerBtn::CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, short nPressed,
                                    short nNormal, short nDisabled)
{
    const char* names[ImageCount] = {IdName(nPressed), IdName(nNormal), nullptr, IdName(nDisabled)};
    return CreateFace(lStyle, rect, pParent, nID, ThreeById, TRUE, names);
}

CSize COwnerBtn::GetBitmapSize(const char* pName)
{
    CBitmap bitmap;
    if (!LoadFromLibrary(bitmap, pName))
        return CSize(0, 0);
    return SizeOf(bitmap);
}

CSize COwnerBtn::GetBitmapSize(short nID)
{
    return GetBitmapSize(IdName(nID));
}

CBitmap* COwnerBtn::GetImage(int nIndex) const
{
    return nIndex >= 0 && nIndex < ImageCount ? m_pImages[nIndex] : nullptr;
}

int COwnerBtn::GetImageSetKind() const
{
    return m_nKind;
}

void COwnerBtn::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_BUTTON)
        return;
    UINT action = lpDrawItemStruct->itemAction;
    UINT state = lpDrawItemStruct->itemState;
    bool gainedFocus = (action & ODA_FOCUS) != 0 && (state & ODS_FOCUS) != 0;
    CBitmap* image;
    if (gainedFocus)
        image = m_pImages[m_nKind == ThreeByName || m_nKind == ThreeById ? ImageNormal : ImageFocus];
    else if (state & ODS_SELECTED)
        image = m_pImages[ImagePressed];
    else if (state & ODS_DISABLED)
        image = m_pImages[ImageDisabled];
    else
        image = m_pImages[ImageNormal];
    if ((action & (ODA_DRAWENTIRE | ODA_SELECT)) == 0 && !gainedFocus)
        return;
    if (image == nullptr || image->GetSafeHandle() == nullptr || m_pImages[ImagePressed] == nullptr)
        return;
    CSize source = SizeOf(*m_pImages[ImagePressed]);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* previous = memDC.SelectObject(image);
    if (m_nStretch == 0)
        pDC->BitBlt(0, 0, source.cx, source.cy, &memDC, 0, 0, SRCCOPY);
    else
        pDC->StretchBlt(0, 0, m_lWidth, m_lHeight, &memDC, 0, 0, source.cx, source.cy, SRCCOPY);
    memDC.SelectObject(previous);
}

BOOL COwnerBtn::OnEraseBkgnd(CDC*)
{
    return FALSE;  // the image covers the whole face
}
