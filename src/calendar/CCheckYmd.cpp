#include "CCheckYmd.h"

#include <new>

#include "text/CCheck.h"
#include "text/CConv.h"

CCheckYmd::CCheckYmd() = default;

CCheckYmd::~CCheckYmd() = default;

int CCheckYmd::FieldCheck(const char* text, short low, short high)
{
    CCheck* check = new (std::nothrow) CCheck;
    if (check == nullptr)
        return 0;
    int result = text != nullptr ? check->DataCheck(text, low, high) : 0;
    delete check;
    return result;
}

int CCheckYmd::YearCheck(const char* text)
{
    return FieldCheck(text, 1989, 9999);
}

int CCheckYmd::MonthCheck(const char* text)
{
    return FieldCheck(text, 1, 12);
}

int CCheckYmd::DayCheck(const char* text)
{
    return FieldCheck(text, 1, 31);
}

int CCheckYmd::YearCheck(CString text)
{
    return YearCheck(static_cast<const char*>(text));
}

int CCheckYmd::MonthCheck(CString text)
{
    return MonthCheck(static_cast<const char*>(text));
}

int CCheckYmd::DayCheck(CString text)
{
    return DayCheck(static_cast<const char*>(text));
}

int CCheckYmd::DayRule(short month, short day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return day <= s_monthDays[month] + (month == 2 ? 1 : 0) ? 1 : 0;
}

int CCheckYmd::DayCheck(short, short month, short day)
{
    return DayRule(month, day);
}

int CCheckYmd::DayCheck(short, const char* month, const char* day)
{
    return DayCheck(static_cast<const char*>(nullptr), month, day);
}

int CCheckYmd::DayCheck(const char*, const char* month, const char* day)
{
    // The year never takes part in the day rule, so its text is not read.
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return 0;
    short m = 0, d = 0;
    if (month == nullptr || !conv->Convert(month, &m))
        m = 1;
    int dayParsed = day != nullptr && conv->Convert(day, &d);
    delete conv;
    return dayParsed ? DayRule(m, d) : 0;
}

int CCheckYmd::DayCheck(short year, CString month, CString day)
{
    return DayCheck(year, static_cast<const char*>(month), static_cast<const char*>(day));
}

int CCheckYmd::DayCheck(CString year, CString month, CString day)
{
    return DayCheck(static_cast<const char*>(year), static_cast<const char*>(month),
                    static_cast<const char*>(day));
}

short CCheckYmd::CheckDate(long ymd)
{
    short year, month, day;
    SeparateSeirekiYMD(ymd, &year, &month, &day);
    long fullYear = ymd / 10000;  // the short may have wrapped
    if (fullYear < 1868 || fullYear > 2100)
        return 1;
    if (month < 1 || month > 12)
        return 2;
    return DayRule(month, day) ? 0 : 3;
}
