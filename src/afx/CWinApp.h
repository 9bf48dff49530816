// CWinApp: the host's application object. One per process; AfxGetApp
// returns it. The window classes that use m_pMainWnd come with CWnd.
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
    // Pumps messages until WM_QUIT; returns ExitInstance's result.
    virtual int Run();

    LPCTSTR m_pszAppName;       // the executable's base name unless given
    LPCTSTR m_pszHelpFilePath;  // the executable's path with the extension .HLP
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd;

private:
    CString m_strAppName;
    CString m_strHelpFilePath;
};

// The application object, or NULL when the host has none.
ZR8AFX_API CWinApp* AfxGetApp();
