// CDC: a device context. A DC made by CreateCompatibleDC, or handed over by
// Attach, is deleted when the object ends; CClientDC, CWindowDC and CPaintDC
// give theirs back to the window instead. FromHandle wraps a DC that no
// object holds in a temporary object (valid until the next idle time).
//
// The Select operations return the object that was selected before, as a
// temporary wrapper when no object holds it: select it back when done.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"
#include "CPoint.h"
#include "CSize.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;

class ZR8AFX_API CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    operator HDC() const;
    HDC GetSafeHdc() const;
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC* pDC);

    CGdiObject* SelectStockObject(int nIndex);
    CFont* SelectObject(CFont* pFont);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CBitmap* SelectObject(CBitmap* pBitmap);
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT nFlags);
    int GetDeviceCaps(int nIndex) const;

    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    LPINT lpDxWidths);
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Fills with the colour through ExtTextOut; the background colour is restored.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // Top and left edges clrTopLeft, bottom and right clrBottomRight, one pixel wide.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF GetPixel(int x, int y) const;

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    int IntersectClipRect(int x1, int y1, int x2, int y2);

    HDC m_hDC;
};
