// CWnd's thin wrappers of the window functions: relatives, dialog items,
// state, position, painting, text, timers, capture and scroll bars.
#include "CWnd.h"

#include "CDC.h"
#include "CFont.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

// ---------------------------------------------------------------------------
// Relatives

CWnd* CWnd::GetParent() const
{
    return m_hWnd != nullptr ? FromHandle(::GetParent(m_hWnd)) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return m_hWnd != nullptr ? FromHandle(::SetParent(m_hWnd, pWndNewParent != nullptr ? pWndNewParent->m_hWnd : nullptr))
                             : nullptr;
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* pWnd = GetParent(); pWnd != nullptr; pWnd = pWnd->GetParent()) {
        if (pWnd->IsFrameWnd())
            return dynamic_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame = IsFrameWnd() ? dynamic_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    for (CFrameWnd* pParent = pFrame; pParent != nullptr; pParent = pParent->GetParentFrame())
        pFrame = pParent;
    return pFrame;
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (;;) {
        bool child = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
        HWND hWndUp = child ? ::GetParent(hWnd) : ::GetWindow(hWnd, GW_OWNER);
        if (hWndUp == nullptr)
            break;
        hWnd = hWndUp;
    }
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndOwner; (hWndOwner = ::GetWindow(hWnd, GW_OWNER)) != nullptr;)
        hWnd = hWndOwner;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return m_hWnd != nullptr ? FromHandle(::GetWindow(m_hWnd, nCmd)) : nullptr;
}

CWnd* CWnd::GetLastActivePopup() const
{
    return m_hWnd != nullptr ? FromHandle(::GetLastActivePopup(m_hWnd)) : nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return m_hWnd != nullptr && pWnd != nullptr ? ::IsChild(m_hWnd, pWnd->m_hWnd) : FALSE;
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

// ---------------------------------------------------------------------------
// Dialog items

CWnd* CWnd::GetDlgItem(int nID) const
{
    return m_hWnd != nullptr ? FromHandle(::GetDlgItem(m_hWnd, nID)) : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd != nullptr ? ::GetDlgCtrlID(m_hWnd) : 0;
}

int CWnd::SetDlgCtrlID(int nID)
{
    return m_hWnd != nullptr ? static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID)) : 0;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return m_hWnd != nullptr ? FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl != nullptr ? pWndCtl->m_hWnd : nullptr, bPrevious))
                             : nullptr;
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return m_hWnd != nullptr ? FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl != nullptr ? pWndCtl->m_hWnd : nullptr, bPrevious))
                             : nullptr;
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_hWnd != nullptr ? ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam) : 0;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (m_hWnd != nullptr)
        ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    return m_hWnd != nullptr ? static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount)) : 0;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    if (m_hWnd != nullptr)
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return m_hWnd != nullptr ? ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    if (m_hWnd != nullptr)
        ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return m_hWnd != nullptr ? ::IsDlgButtonChecked(m_hWnd, nIDButton) : 0;
}

// ---------------------------------------------------------------------------
// State

DWORD CWnd::GetStyle() const
{
    return m_hWnd != nullptr ? static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) : 0;
}

DWORD CWnd::GetExStyle() const
{
    return m_hWnd != nullptr ? static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)) : 0;
}

namespace {

BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongA(hWnd, nIndex));
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongA(hWnd, nIndex, static_cast<LONG>(newStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return m_hWnd != nullptr ? ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags) : FALSE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return m_hWnd != nullptr ? ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags) : FALSE;
}

CWnd* CWnd::SetFocus()
{
    return m_hWnd != nullptr ? FromHandle(::SetFocus(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return m_hWnd != nullptr ? ::EnableWindow(m_hWnd, bEnable) : FALSE;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr ? ::IsWindowEnabled(m_hWnd) : FALSE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return m_hWnd != nullptr ? ::ShowWindow(m_hWnd, nCmdShow) : FALSE;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd != nullptr ? ::IsWindowVisible(m_hWnd) : FALSE;
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd != nullptr ? ::IsIconic(m_hWnd) : FALSE;
}

BOOL CWnd::IsZoomed() const
{
    return m_hWnd != nullptr ? ::IsZoomed(m_hWnd) : FALSE;
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    return m_hWnd != nullptr ? FromHandle(::SetActiveWindow(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetForegroundWindow()
{
    return FromHandle(::GetForegroundWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    return m_hWnd != nullptr ? ::SetForegroundWindow(m_hWnd) : FALSE;
}

void CWnd::BringWindowToTop()
{
    if (m_hWnd != nullptr)
        ::BringWindowToTop(m_hWnd);
}

// ---------------------------------------------------------------------------
// Position

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (m_hWnd != nullptr)
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    if (lpRect != nullptr)
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return m_hWnd != nullptr ? ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr,
                                              x, y, cx, cy, nFlags)
                             : FALSE;
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    if (m_hWnd != nullptr)
        ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (m_hWnd != nullptr)
        ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (m_hWnd != nullptr)
        ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    if (m_hWnd != nullptr)
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (m_hWnd != nullptr)
        ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    if (m_hWnd != nullptr)
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    if (m_hWnd != nullptr)
        ::MapWindowPoints(m_hWnd, pwndTo != nullptr ? pwndTo->m_hWnd : nullptr, lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    MapWindowPoints(pwndTo, reinterpret_cast<LPPOINT>(lpRect), 2);
}

// ---------------------------------------------------------------------------
// Painting

void CWnd::Invalidate(BOOL bErase)
{
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    if (m_hWnd != nullptr)
        ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::UpdateWindow()
{
    if (m_hWnd != nullptr)
        ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return m_hWnd != nullptr ? ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags) : FALSE;
}

CDC* CWnd::GetDC()
{
    return m_hWnd != nullptr ? CDC::FromHandle(::GetDC(m_hWnd)) : nullptr;
}

CDC* CWnd::GetWindowDC()
{
    return m_hWnd != nullptr ? CDC::FromHandle(::GetWindowDC(m_hWnd)) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return m_hWnd != nullptr && pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    if (m_hWnd != nullptr)
        ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

// ---------------------------------------------------------------------------
// Text and font

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    if (m_hWnd != nullptr)
        ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return m_hWnd != nullptr ? ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount) : 0;
}

void CWnd::GetWindowText(CString& rString) const
{
    int length = GetWindowTextLength();
    int copied = GetWindowText(rString.GetBuffer(length), length + 1);
    rString.ReleaseBuffer(copied);
}

int CWnd::GetWindowTextLength() const
{
    return m_hWnd != nullptr ? ::GetWindowTextLengthA(m_hWnd) : 0;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return m_hWnd != nullptr ? CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)))
                             : nullptr;
}

// ---------------------------------------------------------------------------
// Timers, capture, scroll bars

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return m_hWnd != nullptr ? ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return m_hWnd != nullptr ? ::KillTimer(m_hWnd, nIDEvent) : FALSE;
}

CWnd* CWnd::SetCapture()
{
    return m_hWnd != nullptr ? FromHandle(::SetCapture(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return m_hWnd != nullptr ? ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw) : 0;
}

int CWnd::GetScrollPos(int nBar) const
{
    return m_hWnd != nullptr ? ::GetScrollPos(m_hWnd, nBar) : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (m_hWnd != nullptr)
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    if (m_hWnd != nullptr)
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    return m_hWnd != nullptr && lpScrollInfo != nullptr ? (::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw), TRUE)
                                                        : FALSE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    if (m_hWnd == nullptr || lpScrollInfo == nullptr)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    if (m_hWnd != nullptr)
        ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
    return m_hWnd != nullptr ? ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags) : FALSE;
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CWinApp* app = AfxGetApp();
    if (lpszCaption == nullptr && app != nullptr)
        lpszCaption = app->m_pszAppName;
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}
