// Internal to the framework DLL: the window layer's per-thread state.
#pragma once

#include "AfxTypes.h"

class CWnd;

struct AfxWinThreadState {
    MSG lastSent;          // the message AfxWndProc is dispatching (for Default)
    CWnd* pWndInit;        // object waiting for its window in the creation hook
    HHOOK hCbtHook;        // creation hook while Create/CreateEx/CDialog run
    int nCbtUsers;
    HHOOK hMsgFilterHook;  // PreTranslateMessage inside modal dialog loops
    int nMsgFilterUsers;
    bool bInMsgFilter;     // guards the filter against re-entry from IsDialogMessage
};

AfxWinThreadState& AfxGetWinThreadState();

// Brackets a window creation so that pWnd is attached and subclassed when
// its window is made, before WM_NCCREATE. AfxUnhookWindowCreate returns
// whether pWnd got its window.
void AfxHookWindowCreate(CWnd* pWnd);
bool AfxUnhookWindowCreate();

// Registers (once) and returns the class used when CWnd::Create is given no
// class name: CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, arrow cursor, no brush.
LPCTSTR AfxDefaultWndClass();
