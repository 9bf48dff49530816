#include "CWinApp.h"

#include "AfxModule.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszHelpFilePath(nullptr), m_hInstance(AfxGetInstanceHandle()),
      m_pMainWnd(nullptr)
{
    CString path;
    DWORD length = ::GetModuleFileNameA(m_hInstance, path.GetBuffer(MAX_PATH), MAX_PATH + 1);
    path.ReleaseBuffer(length <= MAX_PATH ? static_cast<int>(length) : 0);
    int dot = path.ReverseFind('.');
    int slash = path.ReverseFind('\\');
    CString stem = dot > slash ? path.Left(dot) : path;
    m_strHelpFilePath = stem + ".HLP";
    m_strAppName = lpszAppName != nullptr ? CString(lpszAppName) : stem.Mid(slash + 1);
    m_pszAppName = m_strAppName;
    m_pszHelpFilePath = m_strHelpFilePath;
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    int result = ExitInstance();
    return msg.message == WM_QUIT && result == 0 ? static_cast<int>(msg.wParam) : result;
}

CWinApp* AfxGetApp()
{
    return g_application;
}
