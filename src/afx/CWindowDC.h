// CWindowDC: the whole-window DC (frame included), given back when the object ends.
#pragma once

#include "CDC.h"

class CWnd;

class ZR8AFX_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
