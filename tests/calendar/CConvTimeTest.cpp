#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "afx/COleDateTime.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"

namespace {

// Compares every form of the time and of today's date with an independent
// reading taken around the calls, retrying when a second boundary fell
// between them.
TEST(CConvTime, TheClockAndTodayMatchAReadingTakenAroundTheCalls)
{
    CConvTime clock;
    CYmd ymd;
    for (int attempt = 0; attempt < 10; ++attempt) {
        COleDateTime before = COleDateTime::GetCurrentTime();
        char hhmm[6], hhmmss[9], full[16];
        CString hhmmText, hhmmssText;
        short hour = -1, minute = -1, second = -1, eraYear, month, day, code, y, m, d, c;
        long today = 0;
        clock.GetHHMMTime(hhmm);
        clock.GetHHMMSSTime(hhmmss);
        clock.GetHHMMTime(hhmmText);
        clock.GetHHMMSSTime(hhmmssText);
        clock.GetTime(&hour, &minute, &second);
        ymd.GetNowDate(&today);
        ymd.GetNowDate(&eraYear, &month, &day, &code);
        if (before.m_dt != COleDateTime::GetCurrentTime().m_dt)
            continue;
        std::snprintf(full, sizeof full, "%02d:%02d:%02d", before.GetHour(), before.GetMinute(), before.GetSecond());
        EXPECT_STREQ(hhmmss, full);
        EXPECT_STREQ(hhmmssText, full);
        EXPECT_TRUE(hour == before.GetHour() && minute == before.GetMinute() && second == before.GetSecond());
        EXPECT_EQ(std::string(hhmm), std::string(full, 5));
        EXPECT_EQ(std::string(hhmmText), std::string(full, 5));
        EXPECT_EQ(today, (before.GetYear() * 100L + before.GetMonth()) * 100 + before.GetDay());
        ymd.ConvWareki(today, &y, &m, &d, &c);
        EXPECT_TRUE(eraYear == y && month == m && day == d && code == c);
        return;
    }
    FAIL() << "the clock never held still for one reading";
}

// Runs under a frozen clock (see tests.cmake): ZR8_FROZEN_CLOCK gives the
// time the process sees, e.g. "23:59:59".
TEST(CConvTime, FrozenClockEdges)
{
    const char* frozen = std::getenv("ZR8_FROZEN_CLOCK");
    if (frozen == nullptr)
        GTEST_SKIP() << "runs only under a frozen clock";
    char hhmm[6], hhmmss[9];
    CConvTime().GetHHMMTime(hhmm);
    CConvTime().GetHHMMSSTime(hhmmss);
    EXPECT_EQ(std::string(hhmmss), frozen);
    EXPECT_EQ(std::string(hhmm), std::string(frozen, 5));
}

} // namespace
