// CClientDC: the client-area DC of a window, given back when the object ends.
#pragma once

#include "CDC.h"

class CWnd;

class ZR8AFX_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
