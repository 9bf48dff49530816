// CGetYmd: month lengths and the end of a one-year term.
#pragma once

#include "afx/CString.h"
#include "calendar/CYmdBase.h"

class ZR8WLIB_API CGetYmd : public virtual CYmdBase {
public:
    CGetYmd();
    ~CGetYmd();

    // The greatest day the month can have in any year (February: 29);
    // 0 for a month outside 1 to 12.
    short GetMaxDay(short month);
    // The days of the month in that year; 0 for a month outside 1 to 12.
    short GetMaxDay(short year, short month);

    // The last day of the one-year term starting on the typed date (the day
    // before the same date a year later; 1 January gives 31 December). The
    // texts are parsed leniently (an empty text is 0); the date itself is not
    // checked. 0 when a text does not parse, or for day 1 of a month that has
    // no month 1 to 12 before it; the outputs are then untouched.
    int GetEndDate(const char* year, const char* month, const char* day, short* endYear,
                   short* endMonth, short* endDay);
    int GetEndDate(CString year, CString month, CString day, short* endYear, short* endMonth,
                   short* endDay);
};
