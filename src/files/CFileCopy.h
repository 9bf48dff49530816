// CFileCopy: copies a file in 32000-byte blocks and tells failures apart.
#pragma once

#include "frame/WinLibApi.h"

class ZR8WLIB_API CFileCopy {
public:
    CFileCopy();
    ~CFileCopy();

    // Copies source to destination (destination first). Results:
    //      0 copied
    //  -1024 the copy buffer could not be allocated
    //  -1230 / -1231 / -1232  source not opened: sharing violation /
    //                         not found / any other reason
    //  -1233 / -1234  destination not created: sharing violation / other
    //  -1050 the disk became full while copying
    //  -1215 any other file error while copying
    // A copy that fails part-way leaves the partly written destination.
    short CopyFileA(char* destination, char* source);
};
