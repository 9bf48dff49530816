// CPaintDC: BeginPaint on construction and EndPaint when the object ends;
// for WM_PAINT handlers only.
#pragma once

#include "CDC.h"

class CWnd;

class ZR8AFX_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
