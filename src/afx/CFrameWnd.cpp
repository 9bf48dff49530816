#include "CFrameWnd.h"

#include "AfxModule.h"
#include "AfxWndClass.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() {}

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
