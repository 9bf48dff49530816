#include "CWnd.h"

#include "AfxHandleMap.h"
#include "AfxModule.h"
#include "AfxWinState.h"
#include "CDC.h"
#include "CFont.h"
#include "CFrameWnd.h"
#include "CScrollBar.h"
#include "ShiftJis.h"
#include "CToolTipCtrl.h"
#include "CWinApp.h"

IMPLEMENT_DYNCREATE(CWnd, CObject)

namespace {

// A foreign scroll bar control gets a CScrollBar wrapper, so that the
// scroll handlers receive a usable object; every other window a plain CWnd.
CWnd* MakeTemp(HWND hWnd)
{
    char className[16];
    bool scrollBar = ::GetClassNameA(hWnd, className, sizeof className) > 0 &&
                     ::lstrcmpiA(className, "ScrollBar") == 0;
    return scrollBar ? new (std::nothrow) CScrollBar : new (std::nothrow) CWnd;
}

AfxHandleMap<HWND, CWnd, &CWnd::m_hWnd>& Map()
{
    static AfxHandleMap<HWND, CWnd, &CWnd::m_hWnd> map(MakeTemp);
    return map;
}

// The thread's tooltip control and the tool it shows for a window with
// tooltips enabled.
struct ToolTipThreadState {
    HWND hToolTip;
    HWND hWndHit;     // hwnd of the current tool's record; NULL = no tool
    UINT_PTR nIdHit;  // uId of that record
    INT_PTR nHit;     // OnToolHitTest's answer for it
};

ToolTipThreadState& ToolTipState()
{
    static thread_local ToolTipThreadState state = {nullptr, nullptr, 0, -1};
    return state;
}

void DropToolTipHit(ToolTipThreadState& state)
{
    if (state.hWndHit == nullptr)
        return;
    TOOLINFOA toolInfo = {};
    toolInfo.cbSize = TTTOOLINFOA_V2_SIZE;
    toolInfo.hwnd = state.hWndHit;
    toolInfo.uId = state.nIdHit;
    if (::IsWindow(state.hToolTip))
        ::SendMessageA(state.hToolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&toolInfo));
    state.hWndHit = nullptr;
    state.nIdHit = 0;
    state.nHit = -1;
}

bool IsImeWindow(HWND hWnd)
{
    char className[8];
    return ::GetClassNameA(hWnd, className, sizeof className) == 3 && ::lstrcmpiA(className, "IME") == 0;
}

} // namespace

// ---------------------------------------------------------------------------
// Per-thread state and the creation hook

AfxWinThreadState& AfxGetWinThreadState()
{
    static thread_local AfxWinThreadState state;
    return state;
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    // The thread's IME window can be made while another window is created.
    if (code == HCBT_CREATEWND && state.pWndInit != nullptr && !IsImeWindow(hWnd)) {
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        if (pWnd->Attach(hWnd))
            pWnd->SubclassAttached(hWnd);
    }
    return ::CallNextHookEx(state.hCbtHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    if (state.nCbtUsers++ == 0)
        state.hCbtHook = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
}

bool AfxUnhookWindowCreate()
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    bool attached = state.pWndInit == nullptr;
    state.pWndInit = nullptr;
    if (--state.nCbtUsers == 0 && state.hCbtHook != nullptr) {
        ::UnhookWindowsHookEx(state.hCbtHook);
        state.hCbtHook = nullptr;
    }
    return attached;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    AfxWinThreadState& state = AfxGetWinThreadState();
    MSG saved = state.lastSent;
    state.lastSent = MSG();
    state.lastSent.hwnd = hWnd;
    state.lastSent.message = message;
    state.lastSent.wParam = wParam;
    state.lastSent.lParam = lParam;
    // After WM_NCDESTROY the object may be gone: touch only the thread state.
    LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    state.lastSent = saved;
    return result;
}

// ---------------------------------------------------------------------------
// Handle map

CWnd::CWnd()
    : m_hWnd(nullptr), m_pfnSuper(nullptr), m_pfnSuperW(nullptr), m_nLeadByte(0), m_hWndOwner(nullptr),
      m_bOwnsWindow(FALSE), m_bToolTips(FALSE)
{
}

CWnd::~CWnd()
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    if (m_hWnd == nullptr)
        return;
    // Give the window back first: the derived parts of this object are gone.
    BOOL owned = m_bOwnsWindow;
    HWND hWnd = Detach();
    if (owned)
        ::DestroyWindow(hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return Map().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? Map().LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    Map().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || !::IsWindow(hWndNew) || !Map().SetPermanent(hWndNew, this))
        return FALSE;
    m_hWnd = hWndNew;
    m_bOwnsWindow = TRUE;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        // Put the original procedure back unless someone subclassed after us.
        if (m_pfnSuper != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Map().RemovePermanent(hWnd, this);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_pfnSuperW = nullptr;
    m_nLeadByte = 0;
    m_bOwnsWindow = FALSE;
    return hWnd;
}

BOOL CWnd::SubclassAttached(HWND hWnd)
{
    PreSubclassWindow();
    WNDPROC unicode = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    // NULL: not ours to change (another process). AfxWndProc: a window left
    // subclassed by an object that is gone; its original procedure is lost.
    if (previous == nullptr || previous == AfxWndProc) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = previous;
    m_pfnSuperW = unicode;
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_bOwnsWindow = FALSE;
    return SubclassAttached(hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = pParent != nullptr ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hWndControl != nullptr ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    return m_pfnSuper != nullptr ? Detach() : nullptr;
}

CWnd::operator HWND() const
{
    return m_hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
    return m_hWnd;
}

// ---------------------------------------------------------------------------
// Creation and destruction

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTA cs = {};
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = nIDorHMenu;
    cs.hwndParent = hWndParent;
    cs.cy = nHeight;
    cs.cx = nWidth;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                  cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    bool attached = AfxUnhookWindowCreate();
    if (hWnd == nullptr) {
        // A window that got as far as the hook has had WM_NCDESTROY, and
        // PostNcDestroy with it; otherwise clean up here.
        if (!attached)
            PostNcDestroy();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    bool subclassed = m_pfnSuper != nullptr;
    BOOL destroyed = ::DestroyWindow(hWnd);
    // A window attached without our procedure never told us; a subclassed
    // one has detached in OnNcDestroy (and the object may be gone).
    if (!subclassed && m_hWnd == hWnd && !::IsWindow(hWnd))
        Detach();
    return destroyed;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass();
    return cs.lpszClass != nullptr;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

// ---------------------------------------------------------------------------
// Messages

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_NCCREATE:
        return OnNcCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        if (ToolTipState().hWndHit == m_hWnd)
            DropToolTipHit(ToolTipState());
        OnNcDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOVE:
        OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
        return 0;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSKEYUP:
        OnSysKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SYSCHAR:
        OnSysChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode();
    case WM_MOUSEACTIVATE:
        return OnMouseActivate(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), CPoint(lParam));
    case WM_CAPTURECHANGED:
        OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_CANCELMODE:
        OnCancelMode();
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam),
                  dynamic_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam),
                  dynamic_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : Default();
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, &result) ? result : Default();
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                    FromHandle(reinterpret_cast<HWND>(lParam)),
                                                    message - WM_CTLCOLORMSGBOX));
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    default:
        return Default();
    }
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hWndChild = nullptr;
    switch (message) {
    case WM_COMMAND:  // lParam is NULL for menus and accelerators
    case WM_HSCROLL:  // and for the window's own scroll bars
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        hWndChild = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        if (lParam != 0)
            hWndChild = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item != nullptr && item->CtlType != ODT_MENU)
            hWndChild = item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item != nullptr && item->CtlType != ODT_MENU)
            hWndChild = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
        break;
    }
    default:
        return FALSE;
    }
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr || pChild == this)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && m_pfnSuperW != nullptr && wParam <= 0xFF)
        return DefCharToUnicode(static_cast<BYTE>(wParam), lParam);
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

// Our procedure is an ANSI one, so a double-byte character comes as two
// WM_CHAR messages, lead byte first. Passed on one by one through
// CallWindowProcA, each byte may be converted alone: Wine's edit, combo and
// list controls do so (and say IsWindowUnicode FALSE). So the lead byte
// waits for its trail byte and the pair goes on as one character through
// the original procedure's Unicode entry, which the system converts back
// for a procedure that is really ANSI.
LRESULT CWnd::DefCharToUnicode(BYTE byte, LPARAM lParam)
{
    char bytes[2] = {static_cast<char>(m_nLeadByte), static_cast<char>(byte)};
    if (m_nLeadByte == 0 && sjis::IsLeadByte(byte)) {
        m_nLeadByte = byte;
        return 0;
    }
    bool pair = m_nLeadByte != 0;
    m_nLeadByte = 0;
    WCHAR character;
    if (::MultiByteToWideChar(CP_ACP, 0, pair ? bytes : bytes + 1, pair ? 2 : 1, &character, 1) != 1)
        return 0;
    return ::CallWindowProcW(m_pfnSuperW, m_hWnd, WM_CHAR, character, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = AfxGetWinThreadState().lastSent;
    if (m_hWnd == nullptr || current.hwnd != m_hWnd)
        return 0;  // not inside a message of this window
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &AfxGetWinThreadState().lastSent;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    FilterToolTipMessage(pMsg);
    return FALSE;
}

// ---------------------------------------------------------------------------
// Tooltips

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    ToolTipThreadState& state = ToolTipState();
    if (!bEnable) {
        if (m_bToolTips && state.hWndHit != nullptr &&
            (state.hWndHit == m_hWnd || ::IsChild(m_hWnd, state.hWndHit)))
            DropToolTipHit(state);
        m_bToolTips = FALSE;
        return TRUE;
    }
    if (!::IsWindow(state.hToolTip)) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&controls);
        // Ownerless, so that it lives as long as the thread, not a window.
        state.hToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                           nullptr, nullptr, nullptr);
        state.hWndHit = nullptr;
        state.nHit = -1;
        if (state.hToolTip == nullptr)
            return FALSE;
    }
    m_bToolTips = TRUE;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if (m_hWnd == nullptr || pTI == nullptr || pTI->cbSize < TTTOOLINFOA_V2_SIZE)
        return -1;
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    pTI->hwnd = m_hWnd;
    pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
    pTI->uFlags |= TTF_IDISHWND | TTF_NOTBUTTON | TTF_CENTERTIP;
    pTI->lpszText = LPSTR_TEXTCALLBACKA;
    return ::GetDlgCtrlID(hWndChild);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!m_bToolTips || pMsg == nullptr || pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST)
        return;
    ToolTipThreadState& state = ToolTipState();
    if (!::IsWindow(state.hToolTip) || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return;
    CPoint point(pMsg->pt);
    ScreenToClient(&point);
    TOOLINFOA toolInfo = {};
    toolInfo.cbSize = TTTOOLINFOA_V2_SIZE;
    INT_PTR hit = OnToolHitTest(point, &toolInfo);
    bool same = hit != -1 && hit == state.nHit && toolInfo.hwnd == state.hWndHit && toolInfo.uId == state.nIdHit;
    if (!same) {
        DropToolTipHit(state);
        if (hit != -1) {
            toolInfo.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
            if (::SendMessageA(state.hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&toolInfo))) {
                state.hWndHit = toolInfo.hwnd;
                state.nIdHit = toolInfo.uId;
                state.nHit = hit;
            }
        }
        ::SendMessageA(state.hToolTip, TTM_ACTIVATE, TRUE, 0);
    }
    ::SendMessageA(state.hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (pMsg == nullptr)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // A destroyed window has no style, which ends the walk too.
        if (hWnd == hWndStop || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_hWnd != nullptr ? ::SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_hWnd != nullptr ? ::PostMessageA(m_hWnd, message, wParam, lParam) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}
