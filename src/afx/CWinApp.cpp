#include "CWinApp.h"

#include "AfxModule.h"
#include "CDC.h"
#include "CGdiObject.h"
#include "CWnd.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszHelpFilePath(nullptr), m_hInstance(AfxGetInstanceHandle()),
      m_pMainWnd(nullptr), m_nCmdShow(SW_SHOWNORMAL)
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
    MSG msg = {};
    for (;;) {
        for (LONG idle = 0; !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);) {
            if (!OnIdle(idle++))
                break;
        }
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    int result = ExitInstance();
    return msg.message == WM_QUIT && result == 0 ? static_cast<int>(msg.wParam) : result;
}

BOOL CWinApp::PumpMessage()
{
    MSG msg;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    }
    return FALSE;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_nCmdShow = nCmdShow;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
