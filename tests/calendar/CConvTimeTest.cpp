#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "afx/COleDateTime.h"
#include "calendar/CConvTime.h"

namespace {

std::string Clock(int hour, int minute, int second, bool withSeconds)
{
    char text[40];
    if (withSeconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

// Compares the texts with independent readings taken around the call,
// retrying when a second boundary fell between them.
TEST(CConvTime, TextsMatchAReadingTakenAroundTheCall)
{
    CConvTime clock;
    for (int attempt = 0; attempt < 10; ++attempt) {
        COleDateTime before = COleDateTime::GetCurrentTime();
        char hhmm[6], hhmmss[9];
        CString hhmmText, hhmmssText;
        short hour = -1, minute = -1, second = -1;
        clock.GetHHMMTime(hhmm);
        clock.GetHHMMSSTime(hhmmss);
        clock.GetHHMMTime(hhmmText);
        clock.GetHHMMSSTime(hhmmssText);
        clock.GetTime(&hour, &minute, &second);
        COleDateTime after = COleDateTime::GetCurrentTime();
        if (before.m_dt != after.m_dt)
            continue;
        std::string full = Clock(before.GetHour(), before.GetMinute(), before.GetSecond(), true);
        EXPECT_EQ(hhmmss, full);
        EXPECT_EQ(std::string(hhmmssText), full);
        EXPECT_EQ(hhmm, full.substr(0, 5));
        EXPECT_EQ(std::string(hhmmText), full.substr(0, 5));
        EXPECT_EQ(Clock(hour, minute, second, true), full);
        return;
    }
    FAIL() << "the clock never held still for one reading";
}

// Run with a frozen clock (see tests.cmake): ZR8_FROZEN_CLOCK gives the time
// the process sees, e.g. "23:59:59".
TEST(CConvTime, FrozenClockEdges)
{
    const char* frozen = std::getenv("ZR8_FROZEN_CLOCK");
    if (frozen == nullptr)
        GTEST_SKIP() << "runs only under a frozen clock";
    CConvTime clock;
    char hhmm[6], hhmmss[9];
    clock.GetHHMMTime(hhmm);
    clock.GetHHMMSSTime(hhmmss);
    EXPECT_EQ(std::string(hhmmss), frozen);
    EXPECT_EQ(std::string(hhmm), std::string(frozen).substr(0, 5));
}

} // namespace
