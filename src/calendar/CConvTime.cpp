#include "CConvTime.h"

#include <cstdio>
#include <cstring>

#include "afx/COleDateTime.h"

namespace {
const size_t kWorkBufferSize = 24;
}

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
    short hour, minute, second;
    GetTime(&hour, &minute, &second);
    char text[kWorkBufferSize];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    std::memcpy(out, text, 6);
    out[5] = '\0';
}

void CConvTime::GetHHMMTime(CString& out)
{
    char text[kWorkBufferSize];
    GetHHMMTime(text);
    out = text;
}

void CConvTime::GetHHMMSSTime(char* out)
{
    short hour, minute, second;
    GetTime(&hour, &minute, &second);
    char text[kWorkBufferSize];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    std::memcpy(out, text, 9);
    out[8] = '\0';
}

void CConvTime::GetHHMMSSTime(CString& out)
{
    char text[kWorkBufferSize];
    GetHHMMSSTime(text);
    out = text;
}
