#include "COleDateTime.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 to the given Gregorian date (proleptic).
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

const long long kEpochOffset = -25569;  // 1899-12-30 counted from 1970-01-01
const double kMinDate = -657434.0;      // 0100-01-01
const double kMaxDate = 2958465.99999;  // 9999-12-31 23:59:59

} // namespace

COleDateTime::COleDateTime() : m_dt(0.0), m_status(valid) {}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0.0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(double dtSrc) : m_dt(dtSrc), m_status(valid)
{
    if (!(dtSrc >= kMinDate && dtSrc <= kMaxDate))
        m_status = invalid;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    int year, month, day, hour, minute, second;
#ifdef _WIN32
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
    hour = now.wHour;
    minute = now.wMinute;
    second = now.wSecond;
#else
    std::time_t t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
    hour = local.tm_hour;
    minute = local.tm_min;
    second = local.tm_sec;
#endif
    return COleDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 ||
        nSec < 0 || nSec > 59) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    long long days = DaysFromCivil(nYear, nMonth, nDay) - kEpochOffset;
    double fraction = (nHour * 3600 + nMin * 60 + nSec) / 86400.0;
    // Before the epoch the whole part counts back but the fraction still counts forward.
    m_dt = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

COleDateTime::DateTimeStatus COleDateTime::GetStatus() const
{
    return m_status;
}

bool COleDateTime::Split(Fields& out) const
{
    if (m_status != valid || !(m_dt >= kMinDate && m_dt <= kMaxDate))
        return false;
    double whole = std::trunc(m_dt);
    long long seconds = std::llround(std::fabs(m_dt - whole) * 86400.0);
    long long days = static_cast<long long>(whole);
    if (seconds >= 86400) {  // rounding reached midnight
        seconds -= 86400;
        days += m_dt >= 0 ? 1 : -1;
    }
    long long unixDays = days + kEpochOffset;
    CivilFromDays(unixDays, out.year, out.month, out.day);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    long long weekday = (unixDays + 4) % 7;  // 1970-01-01 was a Thursday
    out.dayOfWeek = static_cast<int>(weekday < 0 ? weekday + 7 : weekday) + 1;
    out.dayOfYear = static_cast<int>(unixDays - DaysFromCivil(out.year, 1, 1)) + 1;
    return true;
}

int COleDateTime::Field(int Fields::*member) const
{
    Fields fields;
    return Split(fields) ? fields.*member : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetYear() const
{
    return Field(&Fields::year);
}

int COleDateTime::GetMonth() const
{
    return Field(&Fields::month);
}

int COleDateTime::GetDay() const
{
    return Field(&Fields::day);
}

int COleDateTime::GetHour() const
{
    return Field(&Fields::hour);
}

int COleDateTime::GetMinute() const
{
    return Field(&Fields::minute);
}

int COleDateTime::GetSecond() const
{
    return Field(&Fields::second);
}

int COleDateTime::GetDayOfWeek() const
{
    return Field(&Fields::dayOfWeek);
}

int COleDateTime::GetDayOfYear() const
{
    return Field(&Fields::dayOfYear);
}
