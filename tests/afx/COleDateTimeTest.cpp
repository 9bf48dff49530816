#include <gtest/gtest.h>

#include <ctime>

#include "afx/COleDateTime.h"

namespace {

TEST(COleDateTime, FieldsOfKnownDates)
{
    COleDateTime t(2026, 12, 5, 17, 30, 45);
    EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(t.GetYear(), 2026);
    EXPECT_EQ(t.GetMonth(), 12);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 17);
    EXPECT_EQ(t.GetMinute(), 30);
    EXPECT_EQ(t.GetSecond(), 45);
    EXPECT_EQ(t.GetDayOfWeek(), 7);  // a Saturday
    EXPECT_EQ(t.GetDayOfYear(), 339);

    EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
    EXPECT_DOUBLE_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).m_dt, 36526.0);
    EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);

    COleDateTime early(-1.25);
    EXPECT_EQ(early.GetDay(), 29);
    EXPECT_EQ(early.GetHour(), 6);

    COleDateTime leap(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(leap.GetDay(), 29);
    EXPECT_EQ(leap.GetSecond(), 59);
    EXPECT_EQ(leap.GetDayOfYear(), 60);
    EXPECT_EQ(COleDateTime(1912, 7, 30, 0, 0, 0).GetDayOfWeek(), 3);  // a Tuesday
}

TEST(COleDateTime, InvalidValuesReportErrors)
{
    COleDateTime bad(2023, 2, 29, 0, 0, 0);
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(bad.GetYear(), AFX_OLE_DATETIME_ERROR);
    EXPECT_EQ(COleDateTime(2026, 13, 1, 0, 0, 0).GetMonth(), -1);
    EXPECT_EQ(COleDateTime(2026, 1, 1, 24, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(10000, 1, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(1e12).GetDay(), -1);
}

TEST(COleDateTime, CurrentTimeMatchesTheSystemClock)
{
    // Read the clock on both sides; retry if a second boundary fell between.
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::time_t before = std::time(nullptr);
        COleDateTime now = COleDateTime::GetCurrentTime();
        std::time_t after = std::time(nullptr);
        if (before != after)
            continue;
        std::tm local = *std::localtime(&before);
        EXPECT_EQ(now.GetYear(), local.tm_year + 1900);
        EXPECT_EQ(now.GetMonth(), local.tm_mon + 1);
        EXPECT_EQ(now.GetDay(), local.tm_mday);
        EXPECT_EQ(now.GetHour(), local.tm_hour);
        EXPECT_EQ(now.GetMinute(), local.tm_min);
        EXPECT_EQ(now.GetSecond(), local.tm_sec);
        EXPECT_EQ(now.GetDayOfWeek(), local.tm_wday + 1);
        return;
    }
    FAIL() << "the clock never held still for one reading";
}

} // namespace
