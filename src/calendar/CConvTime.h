// CConvTime: the local clock time as fields or text. Each call reads the
// clock once, so the fields of one result belong together.
#pragma once

#include "afx/CString.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CConvTime {
public:
    CConvTime();
    ~CConvTime();

    void GetTime(short* hour, short* minute, short* second);
    // "hh:mm"; out holds at least 6 bytes.
    void GetHHMMTime(char* out);
    void GetHHMMTime(CString& out);
    // "hh:mm:ss"; out holds at least 9 bytes.
    void GetHHMMSSTime(char* out);
    void GetHHMMSSTime(CString& out);
};
