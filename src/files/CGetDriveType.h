// CGetDriveType: the kind of a drive: 1 removable, 2 fixed, 3 network,
// 4 anything else (unknown, no such drive, CD-ROM, RAM disk) or an
// invalid letter.
#pragma once

#include "frame/WinLibApi.h"

class ZR8WLIB_API CGetDriveType {
public:
    CGetDriveType();
    ~CGetDriveType();

    // A drive letter, upper or lower case.
    short GetDriveTypeA(short letter);
    // The drive named by the first byte of path.
    short GetDriveTypeA(char* path);
    short GetDriveTypeA(const char* path);
    // The drive of the current directory.
    short GetCurrentDriveType();
};
