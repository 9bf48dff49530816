#include "CYmdBase.h"

const short CYmdBase::s_monthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

CYmdBase::CYmdBase() = default;

CYmdBase::~CYmdBase() = default;

int CYmdBase::UruuCheck(short year)
{
    int y = year;
    return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 1 : 0;
}

void CYmdBase::SeparateSeirekiYMD(long ymd, short* year, short* month, short* day)
{
    long y = ymd / 10000;
    long rest = ymd - y * 10000;
    *year = static_cast<short>(y);
    *month = static_cast<short>(rest / 100);
    *day = static_cast<short>(rest % 100);
}
