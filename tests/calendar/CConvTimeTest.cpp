#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "afx/COleDateTime.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"

// Compares every form of the time and of today's date with an independent
// reading taken around the calls, retrying when a second boundary fell
// between them. Under a frozen clock (see tests.cmake) ZR8_FROZEN_CLOCK
// gives the time the process sees, e.g. "23:59:59".
TEST(CConvTime, TheClockAndTodayMatchAReadingTakenAroundTheCalls)
{
    CConvTime clock;
    CYmd ymd;
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::time_t seconds = std::time(nullptr);
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
        if (before.m_dt != COleDateTime::GetCurrentTime().m_dt || seconds != std::time(nullptr))
            continue;
        // COleDateTime's own clock is the system's local time.
        std::tm local = *std::localtime(&seconds);
        EXPECT_EQ(today, (local.tm_year + 1900) * 10000L + (local.tm_mon + 1) * 100 + local.tm_mday);
        EXPECT_EQ(hour * 3600 + minute * 60 + second, local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
        EXPECT_EQ(before.GetDayOfWeek(), local.tm_wday + 1);
        std::snprintf(full, sizeof full, "%02d:%02d:%02d", before.GetHour(), before.GetMinute(), before.GetSecond());
        const char* frozen = std::getenv("ZR8_FROZEN_CLOCK");
        EXPECT_STREQ(hhmmss, frozen != nullptr ? frozen : full);
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
