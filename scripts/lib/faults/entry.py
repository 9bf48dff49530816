"""Deliberate faults in keyboard data entry (the item table, the control
subclasses, the IME control): zr8wlib.dll is rebuilt and the entry tests run
under Wine (the test programs are used as built)."""

# The tests of every fault: (preset, targets rebuilt, program, arguments).
TESTS = {"*": [("windows", ["zr8wlib"], "zr8_entry_tests", ["--gtest_filter=*"])]}

# (source, text, faulty text, what a host would see)
FAULTS = [
    ("src/entry/CDlgSb.cpp", "    if (m_bWrapNotice != 0)\n        PostToDialog(nDialogMsg, 0);\n", "",
     "no notice when the table wraps"),
    ("src/entry/CDlgSb.cpp", "        current = Count() - 1;", "        current = 0;",
     "Up at the first item wraps to itself"),
    ("src/entry/CDlgSb.cpp", "::SendMessageA(m_phWnd[current], CB_SHOWDROPDOWN, TRUE, 0);",
     "::SendMessageA(m_phWnd[current], CB_SHOWDROPDOWN, FALSE, 0);", "Enter does not open a combo list"),
    ("src/entry/CDlgSb.cpp", "m_bRadioSkip = IsEnabled(current) ? 0 : 1;", "m_bRadioSkip = 0;",
     "a disabled checked radio button stops the skip"),
    ("src/entry/CDlgSb.cpp", "BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);", "BM_SETSTYLE, BS_PUSHBUTTON, TRUE);",
     "a push button reached by key gets no default look"),
    ("src/entry/CDlgSb.cpp", "    if (m_bSheet != 0)\n        PostToSheet(nSheetMsg);\n", "",
     "no page request to the owning sheet"),
    ("src/entry/CEditSub.cpp", "        return m_bSpaceForward == 1;", "        return false;",
     "Space of a linked command field stays in the edit"),
    ("src/entry/CEditSub.cpp", "(nKey == VK_RETURN || nKey == VK_UP || nKey == VK_DOWN)",
     "(nKey == VK_RETURN || nKey == VK_DOWN)", "Up stays in an edit"),
    ("src/entry/CFep.cpp", "        conversion |= kFullShape;\n", "",
     "the IME is not switched to full width"),
    ("src/entry/CFep.cpp", "    m_nState = 0;\n    ::ImmSetOpenStatus(m_hImc, FALSE);",
     "    m_nState = 0;\n    ::ImmSetOpenStatus(m_hImc, TRUE);", "FepOff leaves the IME open"),
    ("src/entry/CFep.cpp", "        conversion = (conversion & kHighBits) | static_cast<DWORD>(m_nSavedMode);\n", "",
     "the mode before half-width katakana is not restored"),
]
