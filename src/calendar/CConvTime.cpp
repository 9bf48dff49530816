#include "CConvTime.h"

#include <cstdio>
#include <cstring>

#include "afx/COleDateTime.h"

namespace {

const size_t kWorkBufferSize = 24;
const size_t kHourMinute = 5;        // "hh:mm"
const size_t kHourMinuteSecond = 8;  // "hh:mm:ss"

// One reading as "hh:mm:ss", of which the first length bytes go to out
// ("hh:mm" is its first five).
void WriteClock(CConvTime& clock, char* out, size_t length)
{
    short hour, minute, second;
    clock.GetTime(&hour, &minute, &second);
    char text[kWorkBufferSize];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    std::memcpy(out, text, length);
    out[length] = '\0';
}

void WriteClock(CConvTime& clock, CString& out, size_t length)
{
    char text[kWorkBufferSize];
    WriteClock(clock, text, length);
    out = text;
}

} // namespace

CConvTime::CConvTime() = default;

CConvTime::~CConvTime() = default;

void CConvTime::GetTime(short* hour, short* minute, short* second)
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    *hour = static_cast<short>(now.GetHour());
    *minute = static_cast<short>(now.GetMinute());
    *second = static_cast<short>(now.GetSecond());
}

void CConvTime::GetHHMMTime(char* out)
{
    WriteClock(*this, out, kHourMinute);
}

void CConvTime::GetHHMMTime(CString& out)
{
    WriteClock(*this, out, kHourMinute);
}

void CConvTime::GetHHMMSSTime(char* out)
{
    WriteClock(*this, out, kHourMinuteSecond);
}

void CConvTime::GetHHMMSSTime(CString& out)
{
    WriteClock(*this, out, kHourMinuteSecond);
}
