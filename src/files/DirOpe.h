// DirOpe: changes the current drive and directory, and puts back the ones
// that were current when the object was made when it is destroyed.
#pragma once

#include "afx/CString.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API DirOpe {
public:
    DirOpe();
    DirOpe(const DirOpe&) = delete;
    DirOpe& operator=(const DirOpe&) = delete;
    ~DirOpe();

    // Makes directory (which may start with a drive, "c:\temp\" or "d:")
    // the current drive and directory. The path is upper-cased on a copy;
    // a trailing backslash is dropped except from a drive root. 1 on
    // success, 0 when the directory cannot be changed to; a bare drive
    // ("d:") only switches the drive and gives 1.
    int change(CString& directory);
    // The current directory, always ending in a backslash.
    CString get();
    // -1 when path starts with neither a drive letter nor a backslash; 0 for
    // a removable drive whose disk cannot be read; 1 otherwise.
    short CheckDrive(CString& path);

private:
    // The folder to put back is read into a fixed 257-byte buffer: a current
    // folder longer than 256 bytes is not recorded (the read fails), and
    // then nothing is put back on destruction. The size is the record's and
    // stays.
    int m_savedDrive;           // 1 = A, 2 = B, ...
    char m_savedDirectory[257];
    int m_changedDrive;         // drive named by the last change, else 0
    char m_currentDirectory[257];
};
