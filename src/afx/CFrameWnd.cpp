#include "CFrameWnd.h"

#include "AfxModule.h"
#include "AfxWndClass.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() : m_nIDLastMessage(0) {}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == nullptr)
            return FALSE;
    }
    bool useDefault = CRect(rect) == rectDefault;
    BOOL created = CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
                            useDefault ? CW_USEDEFAULT : rect.left, useDefault ? CW_USEDEFAULT : rect.top,
                            useDefault ? CW_USEDEFAULT : rect.right - rect.left,
                            useDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                            pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, hMenu);
    // A failed creation may have deleted this object already: touch only locals.
    if (!created && hMenu != nullptr)
        ::DestroyMenu(hMenu);
    return created;
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                                           ::LoadIconA(nullptr, IDI_APPLICATION));
    return cs.lpszClass != nullptr;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETMESSAGESTRING:
        return OnSetMessageString(wParam, lParam);
    case WM_POPMESSAGESTRING:
        return OnPopMessageString(wParam, lParam);
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    if (!rMessage.LoadString(nID) && nID == AFX_IDS_IDLEMESSAGE) {
        // The framework's own prompt, from this DLL's string table.
        HMODULE hModule = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(&AfxRegisterWndClass), &hModule);
        char text[64];
        if (::LoadStringA(hModule, nID, text, sizeof text) > 0)
            rMessage = text;
    }
    int newline = rMessage.Find('\n');
    if (newline >= 0)
        rMessage = rMessage.Left(newline);
}

CWnd* CFrameWnd::GetMessageBar() const
{
    return GetDlgItem(AFX_IDW_STATUS_BAR);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pBar = GetMessageBar();
    if (pBar != nullptr) {
        CString message;
        if (wParam != 0)
            GetMessageString(static_cast<UINT>(wParam), message);
        else if (lParam != 0)
            message = reinterpret_cast<LPCSTR>(lParam);
        pBar->SetWindowText(message);
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam, lParam);
}
