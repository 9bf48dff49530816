"""Deliberate faults in the framework's windows, dialogs, GDI objects and
files: the framework DLL is rebuilt and the afx test program that covers the
fault runs under Wine (the test programs are used as built)."""

# A fault's tests: (preset, targets rebuilt, program, arguments), one a line.
WINDOW = [("windows", ["zr8afx"], "zr8_afx_window_tests", [])]
FILE = [("windows", ["zr8afx"], "zr8_afx_win_tests", [])]

WND = "src/afx/CWnd.cpp"
WRAP = "src/afx/CWndWrappers.cpp"
DLG = "src/afx/CDialog.cpp"
GDI = "src/afx/CGdiObject.cpp"
DC = "src/afx/CDC.cpp"
FL = "src/afx/CFile.cpp"
FE = "src/afx/CFileException.cpp"

# (source, text, faulty text, what a host would see, tests)
FAULTS = [
    (WND, "if (hWndNew == nullptr || m_hWnd != nullptr ||", "if (hWndNew == nullptr ||",
     "an object attaches a second window", WINDOW),
    (WND, "    if (owned)\n        ::DestroyWindow(hWnd);\n", "", "an owning object leaves its window behind",
     WINDOW),
    (WND, "reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)",
     "reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) != AfxWndProc)",
     "unsubclassing keeps the framework's procedure", WINDOW),
    (WND, "        if (!attached)\n            PostNcDestroy();\n", "",
     "a create that fails before the hook skips PostNcDestroy", WINDOW),
    (WND, "        if (!attached)\n            PostNcDestroy();\n", "        PostNcDestroy();\n",
     "a create that fails in OnCreate calls PostNcDestroy twice", WINDOW),
    (WND, "OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));",
     "OnKeyDown(static_cast<UINT>(wParam), HIWORD(lParam), LOWORD(lParam));", "key repeat and flags swapped",
     WINDOW),
    (WND, "OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));",
     "OnLButtonDown(static_cast<UINT>(wParam), CPoint(LOWORD(lParam), HIWORD(lParam)));",
     "a click left of the window arrives far right", WINDOW),
    (WND, "    case WM_NOTIFY:\n        if (lParam != 0)", "    case WM_NOTIFY:\n        if (lParam == 0)",
     "WM_NOTIFY never reflected to the control", WINDOW),
    (WND, "if (item != nullptr && item->CtlType != ODT_MENU)\n            hWndChild = item->hwndItem;",
     "if (item != nullptr && item->CtlType == ODT_MENU)\n            hWndChild = item->hwndItem;",
     "an owner-drawn control never draws itself", WINDOW),
    (WND, "if (m_nLeadByte == 0 && sjis::IsLeadByte(byte))", "if (m_nLeadByte == 0 && byte == 0)",
     "a typed double-byte character split in two", WINDOW),
    (WRAP, "return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();", "return GetParent();",
     "SetOwner ignored", WINDOW),
    (WRAP, "    if (style == newStyle)\n        return FALSE;\n", "", "ModifyStyle reports a change that was none",
     WINDOW),
    (WRAP, "        if (pWnd->IsFrameWnd())\n            return dynamic_cast<CFrameWnd*>(pWnd);",
     "        return dynamic_cast<CFrameWnd*>(pWnd);", "a control in a dialog finds no frame", WINDOW),
    (WRAP, "::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);", "::GetScrollRange(m_hWnd, nBar, lpMaxPos, lpMinPos);",
     "scroll range read back reversed", WINDOW),
    (DLG, "    if (lpTemplate == nullptr)\n        return -1;", "    if (lpTemplate == nullptr)\n        return 0;",
     "a missing template looks like a cancelled dialog", WINDOW),
    (DLG, "        case IDOK:\n            OnOK();", "        case IDOK:\n            OnCancel();", "Enter cancels",
     WINDOW),
    (DLG, "        if (eaten)\n            return TRUE;\n", "", "a key eaten in the modal loop still typed", WINDOW),
    (DLG, "return input && ::IsDialogMessageA(m_hWnd, pMsg);", "return input && m_bModal;",
     "a modeless dialog gets no Tab", WINDOW),
    (DLG, ": m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)", ": m_nIDHelp(0), m_pParentWnd(pParentWnd)",
     "a dialog's help id is not its template's", WINDOW),
    (GDI, "    if (hObject != m_hObject)\n        DeleteObject();\n", "", "a replaced GDI object leaks", WINDOW),
    (GDI, "    case OBJ_EXTPEN:\n        wrapper = new (std::nothrow) CPen;",
     "    case OBJ_EXTPEN:\n        wrapper = new (std::nothrow) CGdiObject;", "CPen::FromHandle gives no pen",
     WINDOW),
    (GDI, "CGdiObject::~CGdiObject()\n{\n    DeleteObject();\n}", "CGdiObject::~CGdiObject()\n{\n}",
     "every GDI object leaks", WINDOW),
    (DC, "    ::SetBkColor(m_hDC, previous);\n", "", "FillSolidRect changes the background colour", WINDOW),
    (DC, "FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);", "FillSolidRect(x, y + cy - 1, cx, 1, clrTopLeft);",
     "3D frame's bottom edge in the light colour", WINDOW),
    (DC, "CDC::~CDC()\n{\n    DeleteDC();\n}", "CDC::~CDC()\n{\n}", "a memory DC never deleted", WINDOW),
    (DC, "dynamic_cast<T*>(CGdiObject::FromHandle(::SelectObject(hDC, h)))",
     "(::SelectObject(hDC, h), dynamic_cast<T*>(CGdiObject::FromHandle(h)))",
     "selecting an object hands back the new one", WINDOW),
    (FL, "    case shareDenyWrite:\n        share = FILE_SHARE_READ;",
     "    case shareDenyWrite:\n        share = FILE_SHARE_READ | FILE_SHARE_WRITE;", "shareDenyWrite lets writers in",
     FILE),
    (FL, "(nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS", "CREATE_ALWAYS",
     "modeNoTruncate empties the file", FILE),
    (FL, "nFrom == end ? FILE_END :", "nFrom == end ? FILE_BEGIN :", "Seek from the end seeks from the start", FILE),
    (FL, "*pError = CFileException(CFileException::OsErrorToException(osError), osError,\n"
         "                                     lpszFileName);",
     "*pError = CFileException(CFileException::OsErrorToException(osError), osError,\n"
     "                                     nullptr);", "a failed open's error has no file name", FILE),
    (FL, "AfxThrowFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);",
     "AfxThrowFileException(CFileException::genericException, osError, m_strFileName);",
     "a failed write throws no cause", FILE),
    (FE, "    case ERROR_SHARING_VIOLATION:\n        return sharingViolation;\n", "",
     "a sharing violation reported as generic", FILE),
]
