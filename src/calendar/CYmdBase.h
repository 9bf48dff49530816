// CYmdBase: the shared base of the date classes.
//
// A Gregorian date travels as a long yyyymmdd (year * 10000 + month * 100
// + day); separate year, month and day are shorts.
#pragma once

#include "frame/WinLibApi.h"

class ZR8WLIB_API CYmdBase {
public:
    CYmdBase();
    ~CYmdBase();

protected:
    // 1 for a Gregorian leap year, else 0.
    int UruuCheck(short year);
    // Splits a date as long yyyymmdd; no validation.
    void SeparateSeirekiYMD(long ymd, short* year, short* month, short* day);

    // Days of each month, indexed 1 to 12; February has 28 (callers add
    // the leap day). Index 0 is never read.
    static const short s_monthDays[13];
};
