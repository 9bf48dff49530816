// AfxRegisterWndClass: registers (once per combination) a window class for
// CWnd::Create and returns its name, which stays valid for the process.
// Windows of the class run DefWindowProc until a CWnd attaches them.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

ZR8AFX_API LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                        HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
