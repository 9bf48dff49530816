// CFrameWnd: a host's main (or other top-level) window. Frame objects are
// made with new and delete themselves when their window is destroyed.
// GetParentFrame finds them.
#pragma once

#include "CString.h"
#include "CWnd.h"

// The status-bar prompt: wParam a string ID (its text up to the first '\n'),
// or 0 with lParam the text itself.
#define WM_SETMESSAGESTRING 0x0362
// Sent to a pop-up: show the prompt in its frame, unless it is a frame itself.
#define WM_POPMESSAGESTRING 0x036A
#define AFX_IDS_IDLEMESSAGE 0xE001  // the idle prompt
#define AFX_IDW_STATUS_BAR 0xE801   // the status bar's child-window ID

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
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The prompt text of a command or string ID (up to the first '\n');
    // the framework's own idle prompt when the host has none.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // The frame's status bar (child AFX_IDW_STATUS_BAR), or NULL.
    CWnd* GetMessageBar() const;

    UINT m_nIDLastMessage;  // the last prompt ID shown; 0 after a text

protected:
    void PostNcDestroy() override;
    virtual LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
};
