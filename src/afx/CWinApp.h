// CWinApp: the host's application object. One per process; AfxGetApp
// returns it. Run pumps the thread's messages: each message is offered to
// PreTranslateMessage (the walk from its window up to its top-level window)
// before it is translated and dispatched, and the temporary handle wrappers
// are freed whenever the queue runs empty (OnIdle).
#pragma once

#include "CString.h"

class CWnd;

class ZR8AFX_API CWinApp {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT; returns ExitInstance's result, or the
    // WM_QUIT code when ExitInstance returns 0.
    virtual int Run();
    // One message: FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called while the queue is empty with 0, 1, 2, ... until it returns
    // FALSE. The default frees the temporary wrappers on the first call.
    virtual BOOL OnIdle(LONG lCount);

    LPCTSTR m_pszAppName;       // the executable's base name unless given
    LPCTSTR m_pszHelpFilePath;  // the executable's path with the extension .HLP
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd;           // destroying it ends Run
    int m_nCmdShow;

private:
    CString m_strAppName;
    CString m_strHelpFilePath;
};

// The application object, or NULL when the host has none.
ZR8AFX_API CWinApp* AfxGetApp();

// The body of a host's WinMain: InitInstance, then Run (or ExitInstance
// when InitInstance fails).
ZR8AFX_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
