// CLocalFile: whole-file reads and writes in one call.
#pragma once

#include "afx/CFileException.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CLocalFile {
public:
    CLocalFile();
    ~CLocalFile();

    // 1 when a directory search for path finds an entry (wildcards match).
    int CheckFileExist(const char* path);
    // Reads at most size bytes from the start of path (opened exclusively)
    // into buffer and stores the count in *read. 0 when the file cannot be
    // opened or reading fails (*read is then unchanged).
    int ReadFile(const char* path, long size, unsigned char* buffer, long* read);
    // Creates or truncates path (opened exclusively) and writes size bytes.
    // 0 when the file cannot be opened. A failure while writing is thrown
    // to the caller as the framework's CFileException*.
    int WriteFile(const char* path, long size, unsigned char* data);
};
