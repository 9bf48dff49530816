#include "CDC.h"

#include <new>

#include "AfxHandleMap.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"

namespace {

AfxHandleMap<HDC, CDC, &CDC::m_hDC>& Map()
{
    static AfxHandleMap<HDC, CDC, &CDC::m_hDC> map;
    return map;
}

HGDIOBJ Handle(const CGdiObject* pObject)
{
    return pObject != nullptr ? pObject->m_hObject : nullptr;
}

// Selects pObject into hDC; the object it replaced, NULL without a DC or
// an object.
template <class T>
T* Select(HDC hDC, T* pObject)
{
    HGDIOBJ h = Handle(pObject);
    return hDC != nullptr && h != nullptr ? dynamic_cast<T*>(CGdiObject::FromHandle(::SelectObject(hDC, h))) : nullptr;
}

} // namespace

CDC::CDC() : m_hDC(nullptr) {}

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return Map().FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    Map().DeleteTemp();
}

CDC::operator HDC() const
{
    return m_hDC;
}

HDC CDC::GetSafeHdc() const
{
    return m_hDC;
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    if (hDC != m_hDC)
        DeleteDC();
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    return m_hDC != nullptr ? ::DeleteDC(Detach()) : FALSE;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return m_hDC != nullptr ? CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex))) : nullptr;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return Select(m_hDC, pFont);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return Select(m_hDC, pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return Select(m_hDC, pBrush);
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return Select(m_hDC, pBitmap);
}

int CDC::SaveDC()
{
    return m_hDC != nullptr ? ::SaveDC(m_hDC) : 0;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return m_hDC != nullptr ? ::RestoreDC(m_hDC, nSavedDC) : FALSE;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return m_hDC != nullptr ? ::SetTextColor(m_hDC, crColor) : CLR_INVALID;
}

COLORREF CDC::GetTextColor() const
{
    return m_hDC != nullptr ? ::GetTextColor(m_hDC) : CLR_INVALID;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return m_hDC != nullptr ? ::SetBkColor(m_hDC, crColor) : CLR_INVALID;
}

COLORREF CDC::GetBkColor() const
{
    return m_hDC != nullptr ? ::GetBkColor(m_hDC) : CLR_INVALID;
}

int CDC::SetBkMode(int nBkMode)
{
    return m_hDC != nullptr ? ::SetBkMode(m_hDC, nBkMode) : 0;
}

int CDC::GetBkMode() const
{
    return m_hDC != nullptr ? ::GetBkMode(m_hDC) : 0;
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return m_hDC != nullptr ? ::SetTextAlign(m_hDC, nFlags) : GDI_ERROR;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return m_hDC != nullptr ? ::GetDeviceCaps(m_hDC, nIndex) : 0;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return m_hDC != nullptr && lpszString != nullptr ? ::TextOutA(m_hDC, x, y, lpszString, nCount) : FALSE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return m_hDC != nullptr ? ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths) : FALSE;
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return m_hDC != nullptr && lpszString != nullptr ? ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat) : 0;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    if (m_hDC != nullptr && lpszString != nullptr)
        ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return m_hDC != nullptr ? ::GetTextMetricsA(m_hDC, lpMetrics) : FALSE;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous = {0, 0};
    if (m_hDC != nullptr)
        ::MoveToEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    return m_hDC != nullptr ? ::LineTo(m_hDC, x, y) : FALSE;
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return m_hDC != nullptr ? ::Polyline(m_hDC, lpPoints, nCount) : FALSE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return m_hDC != nullptr ? ::Rectangle(m_hDC, x1, y1, x2, y2) : FALSE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect != nullptr ? Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    HGDIOBJ h = Handle(pBrush);
    if (m_hDC != nullptr && h != nullptr)
        ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(h));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (m_hDC == nullptr || lpRect == nullptr)
        return;
    COLORREF previous = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect == nullptr)
        return;
    int x = lpRect->left;
    int y = lpRect->top;
    int cx = lpRect->right - lpRect->left;
    int cy = lpRect->bottom - lpRect->top;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (m_hDC != nullptr)
        ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return m_hDC != nullptr ? ::DrawEdge(m_hDC, lpRect, nEdge, nFlags) : FALSE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return m_hDC != nullptr ? ::SetPixel(m_hDC, x, y, crColor) : CLR_INVALID;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return m_hDC != nullptr ? ::GetPixel(m_hDC, x, y) : CLR_INVALID;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return m_hDC != nullptr ? ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                                       xSrc, ySrc, dwRop)
                            : FALSE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return m_hDC != nullptr ? ::StretchBlt(m_hDC, x, y, nWidth, nHeight,
                                           pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                                           nSrcWidth, nSrcHeight, dwRop)
                            : FALSE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return m_hDC != nullptr ? ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop) : FALSE;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return m_hDC != nullptr ? ::IntersectClipRect(m_hDC, x1, y1, x2, y2) : ERROR;
}
