// Messages and helpers shared by the input controls. The message numbers a
// host gives the controls are short values, widened with their sign.
#pragma once

#include "afx/CFrameWnd.h"
#include "afx/CWnd.h"

// Ctrl+Q (or Ctrl+F2) in an edit or the return combo: sent to the parent's
// frame window, wParam 0, lParam the parent's window object.
#define WM_ZR8_CTRLQ (WM_USER + 420)
// A key the date control hands to its parent: wParam the key, lParam its key data.
#define WM_ZR8_DATEKEY (WM_USER + 23000)

namespace zr8controls {

inline UINT Widen(short nMsg)
{
    return static_cast<UINT>(static_cast<int>(nMsg));
}

// A message to pWnd unless the number is 0 or there is no window.
inline void Report(CWnd* pWnd, short nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != 0 && pWnd != nullptr)
        pWnd->SendMessage(Widen(nMsg), wParam, lParam);
}

inline bool IsListed(const short* pKeys, short nKeys, UINT nKey)
{
    for (short i = 0; pKeys != nullptr && i < nKeys; ++i) {
        if (static_cast<UINT>(pKeys[i]) == nKey)
            return true;
    }
    return false;
}

// What a numeric field types: digits, '.', '-', ',' and backspace.
inline bool IsNumberChar(UINT nChar)
{
    return (nChar >= '0' && nChar <= '9') || nChar == '.' || nChar == '-' || nChar == ',' || nChar == VK_BACK;
}

inline bool IsCtrlQ(UINT nKey)
{
    return nKey == 'Q' || nKey == VK_F2;
}

// Follows a control's Ctrl flag: Ctrl sets it and the next key clears it;
// true when that next key is Q.
inline bool CtrlQTyped(int* pCtrlDown, UINT nKey)
{
    if (nKey == VK_CONTROL) {
        *pCtrlDown = 1;
        return false;
    }
    if (*pCtrlDown != 1)
        return false;
    *pCtrlDown = 0;
    return IsCtrlQ(nKey);
}

// The Ctrl+Q request to pParent's frame window; false when it has none.
inline bool SendCtrlQ(CWnd* pParent)
{
    CFrameWnd* pFrame = pParent != nullptr ? pParent->GetParentFrame() : nullptr;
    if (pFrame == nullptr)
        return false;
    pFrame->SendMessage(WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(pParent));
    return true;
}

// The right-click report: the point in pParent's client coordinates.
inline void ReportRightClick(HWND hWndCtl, CWnd* pParent, short nMsg, UINT nFlags, CPoint point)
{
    if ((nFlags & MK_RBUTTON) == 0 || nMsg == 0 || pParent == nullptr)
        return;
    POINT control = {0, 0};
    POINT parent = {0, 0};
    ::ClientToScreen(hWndCtl, &control);
    ::ClientToScreen(pParent->m_hWnd, &parent);
    POINT converted = {point.x + control.x - parent.x, point.y + control.y - parent.y};
    pParent->SendMessage(Widen(nMsg), 0, reinterpret_cast<LPARAM>(&converted));
}

// The wheel goes on to the window the control lives in.
// The control then lets the default handling run, and DefWindowProc hands an
// unhandled wheel of a child to its parent again: the parent sees each turn
// twice, once posted and once sent. That is the controls' documented
// behaviour, and hosts scroll by it.
inline void ForwardWheel(HWND hWndCtl, UINT nFlags, short zDelta, CPoint pt)
{
    HWND hWndParent = ::GetParent(hWndCtl);
    if (hWndParent != nullptr)
        ::PostMessageA(hWndParent, WM_MOUSEWHEEL, MAKEWPARAM(nFlags & 0xFFFF, zDelta),
                       MAKELPARAM(pt.x & 0xFFFF, pt.y & 0xFFFF));
}

} // namespace zr8controls
