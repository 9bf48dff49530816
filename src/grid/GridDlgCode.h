// The dialog code of the grid windows (library-internal): in a dialog they
// keep the arrows, and Enter when the dialog manager asks about an Enter key,
// since they move and report with them; Tab and Escape stay the dialog's.
#pragma once

#include <windows.h>

inline UINT GridDlgCode(const MSG* pCurrent, UINT nWanted)
{
    const MSG* asked = pCurrent != nullptr ? reinterpret_cast<const MSG*>(pCurrent->lParam) : nullptr;
    bool enter = asked != nullptr && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN;
    return nWanted | (enter ? DLGC_WANTMESSAGE : 0);
}
