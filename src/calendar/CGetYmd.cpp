#include "CGetYmd.h"

#include <new>

#include "text/CConv.h"

CGetYmd::CGetYmd() = default;

CGetYmd::~CGetYmd() = default;

short CGetYmd::GetMaxDay(short month)
{
    if (month < 1 || month > 12)
        return 0;
    return static_cast<short>(s_monthDays[month] + (month == 2 ? 1 : 0));
}

short CGetYmd::GetMaxDay(short year, short month)
{
    if (month < 1 || month > 12)
        return 0;
    return static_cast<short>(s_monthDays[month] + (month == 2 && UruuCheck(year) ? 1 : 0));
}

int CGetYmd::GetEndDate(const char* year, const char* month, const char* day, short* endYear,
                        short* endMonth, short* endDay)
{
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return 0;
    short y = 0, m = 0, d = 0;
    int parsed = year != nullptr && month != nullptr && day != nullptr &&
                 conv->Convert(year, &y) && conv->Convert(month, &m) && conv->Convert(day, &d);
    delete conv;
    if (!parsed)
        return 0;

    if (m == 1 && d == 1) {
        *endYear = y;
        *endMonth = 12;
        *endDay = 31;
        return 1;
    }
    short nextYear = static_cast<short>(y + 1);
    if (d != 1) {
        *endYear = nextYear;
        *endMonth = m;
        *endDay = static_cast<short>(d - 1);
        return 1;
    }
    short previousMonth = static_cast<short>(m - 1);
    if (previousMonth < 1 || previousMonth > 12)
        return 0;  // no month before it to end in
    *endYear = nextYear;
    *endMonth = previousMonth;
    *endDay = static_cast<short>(s_monthDays[previousMonth] +
                                 (previousMonth == 2 && UruuCheck(nextYear) ? 1 : 0));
    return 1;
}

int CGetYmd::GetEndDate(CString year, CString month, CString day, short* endYear,
                        short* endMonth, short* endDay)
{
    return GetEndDate(static_cast<const char*>(year), static_cast<const char*>(month),
                      static_cast<const char*>(day), endYear, endMonth, endDay);
}
