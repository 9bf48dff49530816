// CCheckYmd: checks of typed year, month and day fields and of whole dates.
//
// The day rule: month 1 to 12, day 1 to 31 and within the month's length,
// February always allowing 29 days (the year never takes part).
#pragma once

#include "afx/CString.h"
#include "calendar/CYmdBase.h"

class ZR8WLIB_API CCheckYmd : public virtual CYmdBase {
public:
    CCheckYmd();
    ~CCheckYmd();

    // Field checks: 1 when the text is a number in range (1989-9999, 1-12,
    // 1-31), commas accepted and the fraction cut off; 0 otherwise.
    int YearCheck(const char* text);
    int MonthCheck(const char* text);
    int DayCheck(const char* text);
    int YearCheck(CString text);
    int MonthCheck(CString text);
    int DayCheck(CString text);

    // The day rule on month and day; 1 valid, 0 not.
    int DayCheck(short year, short month, short day);
    // The same on typed fields: a year text that does not parse is ignored,
    // a month text that does not parse counts as January, a day text that
    // does not parse is invalid.
    int DayCheck(short year, const char* month, const char* day);
    int DayCheck(const char* year, const char* month, const char* day);
    int DayCheck(short year, CString month, CString day);
    int DayCheck(CString year, CString month, CString day);

    // 0 valid; 1 year outside 1868 to 2100; 2 month outside 1 to 12; 3 day
    // invalid by the day rule.
    short CheckDate(long ymd);

private:
    int DayRule(short month, short day);
    int FieldCheck(const char* text, short low, short high);
};
