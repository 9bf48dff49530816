"""Deliberate faults in the progress dialog and the DIB loader. BMP header
faults rebuild and run the native header test; the others rebuild
zr8wlib.dll (zr8afx.dll for CPalette) and run the progress tests under Wine."""

H = "src/progress/CDibHeader.cpp"
D = "src/progress/CDIB.cpp"
S = "src/progress/CScaleDlg.cpp"
P = "src/afx/CPalette.cpp"

# The tests of a fault, by source: (preset, targets rebuilt, program,
# arguments), one a line.
TESTS = {
    H: [("native", ["zr8_progress_header_tests"], "zr8_progress_header_tests", [])],
    D: [("windows", ["zr8wlib"], "zr8_progress_tests", ["--gtest_filter=DibFiles.*"])],
    S: [("windows", ["zr8wlib"], "zr8_progress_tests", ["--gtest_filter=ScaleDialog.*"])],
    P: [("windows", ["zr8afx"], "zr8_progress_tests", ["--gtest_filter=DibFiles.*"])],
}

# (source, text, faulty text, what a host would see)
FAULTS = [
    (H, "ReadU16(header) != 0x4D42", "ReadU16(header) != 0x424D", "the BM signature read byte-swapped"),
    (H, "    if (rawWidth > maxSide || rawWidth < 1)\n        return errWidth;",
     "    if (rawWidth > maxSide || rawWidth < 1)\n        return errHeight;", "a bad width reported as a bad height"),
    (H, "rawWidth > maxSide ||", "rawWidth > maxSide + 1 ||", "one pixel too wide accepted"),
    (H, "if (size > maxSide || size < 1)", "if (size > maxSide || size < 0)", "a height of 0 accepted"),
    (H, "    if (static_cast<uint64_t>(bitsOffset) > blockSize || pixels > blockSize - static_cast<uint64_t>(bitsOffset))\n"
        "        return errShortBits;\n", "", "the -44 short-data check dropped"),
    (H, "* static_cast<uint64_t>(bits) + 31) / 32 * 4;", "* static_cast<uint64_t>(bits) + 7) / 8;",
     "rows not padded to 4 bytes"),
    (H, "uint32_t colourLimit = bits <= 8 ? 1u << bits : 256u;", "uint32_t colourLimit = bits <= 8 ? 1u << bits : 0u;",
     "a colour table of a 24- or 32-bit image refused"),
    (H, "if (fileLength - fileHeaderSize > kMaxBlock)", "if (static_cast<uint32_t>(fileLength - fileHeaderSize) > kMaxBlock)",
     "the file length truncated to 32 bits"),
    (H, "if (coloursUsed > colourLimit)", "if (coloursUsed > colourLimit + 1)", "one colour too many accepted"),
    (H, "static_cast<uint64_t>(bitsOffset) < tableEnd", "static_cast<uint64_t>(bitsOffset) < infoHeaderSize",
     "pixels overlapping the colour table accepted"),
    (H, "topDown = rawHeight < 0;", "topDown = false;", "a top-down image not recognised"),
    (H, "    case 4:\n        return 16;", "    case 4:\n        return 15;", "a 4-bit image gets 15 colours"),
    (D, "peRed = table[i * 4 + 2];", "peRed = table[i * 4];", "the palette's red and blue swapped"),
    (D, "    if (previous != nullptr)\n        ::SelectPalette(dc, previous, TRUE);\n", "", "the old palette not put back"),
    (D, "    FreeBlock();\n    delete m_pPalette;\n}", "    FreeBlock();\n}", "the palette never deleted"),
    (D, "*bitCount = static_cast<short>(header.bitCount);", "*bitCount = 8;", "the bit count not reported"),
    (D, "        return CDibHeader::errOpen;", "        return CDibHeader::errFileHeader;", "a missing file reported as a bad header"),
    (D, "    if (colourCount == 0) {", "    if (colourCount <= 2) {", "a 1-bit image without its palette"),
    (D, "lock.Data() + m_lBitsOffset,", "lock.Data() + CDibHeader::infoHeaderSize,", "the pixel offset of the file ignored"),
    (P, "::GetObjectA(m_hObject, sizeof count, &count) != 0 ? count : 0", "0", "the palette's entry count lost"),
    (S, "const int kSubScaleStep = 5;", "const int kSubScaleStep = 10;", "the sub bar walks in steps of 10"),
    (S, "const UINT_PTR kSubScaleTimer = 10;", "const UINT_PTR kSubScaleTimer = 11;", "timer id 11 instead of 10"),
    (S, "const UINT kSubScaleInterval = 500;", "const UINT kSubScaleInterval = 250;", "the timer ticks every 250 ms"),
    (S, "        EnableMainWindow(TRUE);\n    StopTimer();", "        EnableMainWindow(TRUE);", "Term leaves the timer running"),
    (S, "    if (m_nType < 2)\n        EnableMainWindow(TRUE);\n", "", "Term leaves the main window disabled"),
    (S, "    if (type < 2)\n        EnableMainWindow(FALSE);", "    if (type < 1)\n        EnableMainWindow(FALSE);",
     "type 1 leaves the main window enabled"),
    (S, "* percent / 100;", "* percent / 100 + 1;", "the bar split one pixel off"),
    (S, "int right = left + 2 * unit;", "int right = left + 3 * unit;", "the walking block three units wide"),
    (S, "if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && !::IsDialogMessageA(m_hWnd, &msg)) {",
     "while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && !::IsDialogMessageA(m_hWnd, &msg)) {",
     "CheckMessage drains the whole queue"),
    (S, "        if (::IsDialogMessageA(m_hWnd, &msg))\n            break;", "        if (::IsDialogMessageA(m_hWnd, &msg))\n            continue;",
     "CheckMessage_W goes on after a dialog message"),
    (S, "    m_bAbort = 1;\n    StopTimer();", "    StopTimer();", "the abort not reported"),
    (S, "    AfxSetResourceHandle(LibraryModule());\n", "", "the template looked up in the host's module"),
    (S, "if (m_nType == 0 || m_nType == 2) {", "if (m_nType == 0) {", "type 2 shows the abort button"),
    (S, "m_bPump = type >= 1 && type <= 3 ? 1 : 0;", "m_bPump = type >= 1 && type <= 2 ? 1 : 0;", "type 3 pumps no messages"),
    (S, "        if (m_nPercent != 100)\n            DispScale(100);\n", "", "Term does not fill the bar"),
    (S, "const COLORREF kBarColour = RGB(0, 0, 255);", "const COLORREF kBarColour = RGB(0, 0, 128);", "the bar drawn dark blue"),
]
