// CStatic: a static control (class "STATIC"); one message per operation.
#pragma once

#include "CWnd.h"

class ZR8AFX_API CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

public:
    CStatic();

    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
};
