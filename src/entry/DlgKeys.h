// Internal to the library: keys shared by the dialog item table and its
// control subclasses.
//
// How the keys reach the subclasses inside a dialog. The dialog manager
// (IsDialogMessage, which every modal dialog loop runs) takes Enter, Escape,
// Tab and the arrows for itself unless the focus control asks for them. It
// asks the control with WM_GETDLGCODE, passing the key message in lParam; a
// control that answers DLGC_WANTMESSAGE gets that message dispatched to it
// as typed. So each subclass answers its own dialog code and adds
// DLGC_WANTMESSAGE exactly for the key-downs its routing table hands to the
// item table (RoutesToTable). This works in any loop that uses the dialog
// manager, the host's DoModal included, with no hook; queries without a key
// message get the plain dialog code.
#pragma once

#include "afx/CWnd.h"

namespace zr8entry {

inline bool IsFunctionKey(UINT nKey)
{
    return nKey >= VK_F1 && nKey <= VK_F24;
}

// The key of the WM_GETDLGCODE query being handled when it was made for a
// key-down message, else 0.
inline UINT QueriedKeyDown()
{
    const MSG* current = CWnd::GetCurrentMessage();
    if (current == nullptr || current->message != WM_GETDLGCODE || current->lParam == 0)
        return 0;
    const MSG* query = reinterpret_cast<const MSG*>(current->lParam);
    return query->message == WM_KEYDOWN ? static_cast<UINT>(query->wParam) : 0;
}

// A subclass's dialog code: nCode, with DLGC_WANTMESSAGE added when the
// query is for a key-down that the subclass takes (wants(key) is true).
template <class Wants>
UINT DlgCode(UINT nCode, Wants wants)
{
    UINT key = QueriedKeyDown();
    return key != 0 && wants(key) ? nCode | DLGC_WANTMESSAGE : nCode;
}

} // namespace zr8entry
