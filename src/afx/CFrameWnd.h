// CFrameWnd: a host's main (or other top-level) window. Frame objects are
// made with new and delete themselves when their window is destroyed.
// GetParentFrame finds them.
#pragma once

#include "CWnd.h"

class ZR8AFX_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();

    // Lets the system choose position and size.
    static const CRect rectDefault;

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                        LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0);
    BOOL IsFrameWnd() const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    void PostNcDestroy() override;
};
