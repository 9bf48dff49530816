"""Deliberate faults in the folder and file code: zr8wlib.dll is rebuilt and
the file tests that use the fault's source run under Wine (the test programs
are used as built), with the test drives mounted (needs root)."""

F = "src/files/"

# The tests of a fault, by source: (preset, targets rebuilt, program,
# arguments), one a line.
TESTS = {
    F + "CGetDriveType.cpp": [("windows", ["zr8wlib"], "zr8_files_tests", ["--gtest_filter=CGetDriveType.*"])],
    F + "DirOpe.cpp": [("windows", ["zr8wlib"], "zr8_files_tests", ["--gtest_filter=CGetDriveType.*"])],
    F + "CFileCopy.cpp": [("windows", ["zr8wlib"], "zr8_files_tests", ["--gtest_filter=CFileCopy.*"])],
    F + "CLocalFile.cpp": [("windows", ["zr8wlib"], "zr8_files_tests", ["--gtest_filter=CLocalFile.*"])],
    F + "CSemaFile.cpp": [("windows", ["zr8wlib"], "zr8_files_tests", ["--gtest_filter=CSemaFileTest.*"])],
    F + "CValueMgr.cpp": [("windows", ["zr8wlib"], "zr8_files_tests",
                           ["--gtest_filter=CValueMgrTest.*:FolderTest.*:StartupFilesTest.*"])],
    F + "CUtyFile.cpp": [("windows", ["zr8wlib"], "zr8_files_tests",
                          ["--gtest_filter=FolderTest.*:StartupFilesTest.*:TaiouTest.*:CValueMgrTest.*"])],
}

# The test drives (tests/support/drives.sh): set-up and clean-up command,
# run from the root around the faults.
FIXTURE = (["bash", "tests/support/drives.sh", "mount", "build/windows/test-drives"],
           ["bash", "tests/support/drives.sh", "unmount", "build/windows/test-drives"])

# (source, text, faulty text, what a host would see)
FAULTS = [
    ("src/files/CGetDriveType.cpp", "    case DRIVE_REMOVABLE:\n        return 1;",
     "    case DRIVE_REMOVABLE:\n        return 2;", "a floppy reported as a fixed disk"),
    ("src/files/CGetDriveType.cpp", "    case DRIVE_REMOTE:\n        return 3;", "",
     "a network drive reported as unknown"),
    ("src/files/CGetDriveType.cpp", "letter >= 'A' && letter <= 'Z'", "letter >= 'A' && letter < 'Z'",
     "drive Z: unknown"),
    ("src/files/DirOpe.cpp", "&freeClusters, &clusters) ? 1 : 0;", "&freeClusters, &clusters) ? 1 : 1;",
     "a floppy without a medium passes the drive check"),
    ("src/files/DirOpe.cpp", "if (::GetDriveTypeA(root) != DRIVE_REMOVABLE)",
     "if (::GetDriveTypeA(root) == DRIVE_FIXED)", "a CD-ROM is asked for a medium like a floppy"),
    ("src/files/DirOpe.cpp", "bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');",
     "bool letter = c >= 'A' && c <= 'Z';", "a lower-case drive letter names no drive"),
    ("src/files/DirOpe.cpp", "bool driveRoot = length == 3 && copy[1] == ':';",
     "bool driveRoot = length == 2 && copy[1] == ':';", "the backslash of a drive root dropped"),
    ("src/files/DirOpe.cpp", "    _chdir(m_savedDirectory);\n", "",
     "the folder is not restored on destruction"),
    ("src/files/DirOpe.cpp", "!SjisPath::EndsWithBackslash(current)", "SjisPath::EndsWithBackslash(current)",
     "get() without the trailing backslash"),
    ("src/files/DirOpe.cpp", "    if (length == 2)\n        return 1;", "",
     "a bare drive change reported as failed"),
    ("src/files/CFileCopy.cpp", "return -1231;", "return -1232;",
     "a missing source reported as a read error"),
    ("src/files/CFileCopy.cpp", "return diskFull ? -1050 : -1215;", "return -1215;",
     "a full disk not told apart"),
    ("src/files/CFileCopy.cpp", "const UINT kBlockSize = 32000;", "const UINT kBlockSize = 32;",
     "copies in blocks far too small"),
    ("src/files/CLocalFile.cpp", "*read = static_cast<long>(count);", "*read = size;",
     "the read count is the requested size"),
    ("src/files/CLocalFile.cpp", "CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive",
     "CFile::modeWrite | CFile::shareExclusive", "a new file cannot be written"),
    ("src/files/CLocalFile.cpp", "    if (search == INVALID_HANDLE_VALUE)\n        return 0;",
     "    if (search == INVALID_HANDLE_VALUE)\n        return 1;", "a missing file reported as present"),
    ("src/files/CSemaFile.cpp",
     "std::strcmp(record.computer, m_computer) != 0 || std::strcmp(record.user, m_user) != 0",
     "std::strcmp(record.computer, m_computer) != 0 && std::strcmp(record.user, m_user) != 0",
     "another user on the same computer is not seen"),
    ("src/files/CSemaFile.cpp", "        return heldByOther;", "        return shortRead;",
     "a foreign lock reported as a read error"),
    ("src/files/CSemaFile.cpp", "    if (result == 0)\n        m_lockedPath.Empty();", "",
     "an unlocked file stays recorded as locked"),
    ("src/files/CSemaFile.cpp", "    UnlockFile();\n    int result = WriteRecord(path, true);",
     "    int result = WriteRecord(path, true);", "a second lock leaves the first locked"),
    ("src/files/CValueMgr.cpp", "return version.dwMajorVersion < 6 ? osNTBeforeVista : osVistaOrLater;",
     "return version.dwMajorVersion <= 6 ? osNTBeforeVista : osVistaOrLater;", "Windows 7 laid out as Windows XP"),
    ("src/files/CValueMgr.cpp", "    case 8: return GetSZeiFolder(buffer, perUser);",
     "    case 8: return GetSanBaseFolder(buffer, perUser);", "folder kind 8 gives kind 9's folder"),
    ("src/files/CUtyFile.cpp", "return SystemVersion().dwMajorVersion >= 5;",
     "return SystemVersion().dwMajorVersion > 5;", "Windows XP laid out as Windows 98"),
    ("src/files/CUtyFile.cpp", "        buffer[length - 2] = '7';", "        buffer[length - 1] = '7';",
     "the QV7 folder name changed in the wrong place"),
    ("src/files/CUtyFile.cpp", "            std::strcpy(deepest, prefix);\n            continue;",
     "            continue;", "the deepest existing folder is not reported"),
    ("src/files/CUtyFile.cpp",
     "        if (SjisPath::IsLeadByte(c) && SjisPath::IsTrailByte(static_cast<unsigned char>(afterRoot[i + 1]))) {\n"
     "            ++i;\n            continue;\n        }\n", "",
     "a 0x5C trail byte splits a folder name"),
]
