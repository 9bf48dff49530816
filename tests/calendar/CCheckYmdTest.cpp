#include <gtest/gtest.h>

#include "calendar/CCheckYmd.h"

namespace {

TEST(CCheckYmd, CheckDateCodes)
{
    CCheckYmd check;
    EXPECT_EQ(check.CheckDate(20240229), 0);
    EXPECT_EQ(check.CheckDate(20230229), 0);  // February 29 in any year
    EXPECT_EQ(check.CheckDate(18680101), 0);
    EXPECT_EQ(check.CheckDate(21001231), 0);
    EXPECT_EQ(check.CheckDate(20230230), 3);
    EXPECT_EQ(check.CheckDate(20240431), 3);
    EXPECT_EQ(check.CheckDate(20240100), 3);
    EXPECT_EQ(check.CheckDate(18671231), 1);
    EXPECT_EQ(check.CheckDate(21010101), 1);
    EXPECT_EQ(check.CheckDate(20241301), 2);
    EXPECT_EQ(check.CheckDate(20240015), 2);
    EXPECT_EQ(check.CheckDate(-20240101), 1);
    EXPECT_EQ(check.CheckDate(2147483647), 1);  // year 214748 wraps a short
}

TEST(CCheckYmd, DayRuleIgnoresTheYear)
{
    CCheckYmd check;
    for (short year : {2023, 2024, 1900}) {
        EXPECT_EQ(check.DayCheck(year, 2, 29), 1);
        EXPECT_EQ(check.DayCheck(year, 2, 30), 0);
    }
    EXPECT_EQ(check.DayCheck(2024, 13, 1), 0);
    EXPECT_EQ(check.DayCheck(2024, 4, 31), 0);
    EXPECT_EQ(check.DayCheck(2024, 1, 0), 0);
    EXPECT_EQ(check.DayCheck(2024, 12, 31), 1);
}

TEST(CCheckYmd, TextFormsOfDayCheckWithUnparsableFields)
{
    CCheckYmd check;
    EXPECT_EQ(check.DayCheck("2024", "X", "15"), 1);   // the month counts as January
    EXPECT_EQ(check.DayCheck("2024", "X", "31"), 1);
    EXPECT_EQ(check.DayCheck("2024", "2", "X"), 0);    // the day must parse
    EXPECT_EQ(check.DayCheck("junk", "2", "29"), 1);   // the year is ignored
    EXPECT_EQ(check.DayCheck("2024", "4", "31"), 0);
    EXPECT_EQ(check.DayCheck("2024", "", "15"), 0);    // an empty month is 0
    EXPECT_EQ(check.DayCheck("2024", "4", ""), 0);     // an empty day is 0
    EXPECT_EQ(check.DayCheck(short(2023), "2", "29"), 1);
    EXPECT_EQ(check.DayCheck(short(2023), CString("X"), CString("15")), 1);
    EXPECT_EQ(check.DayCheck(CString("2023"), CString("6"), CString("31")), 0);
}

TEST(CCheckYmd, FieldChecksUseTheRangeRules)
{
    CCheckYmd check;
    EXPECT_EQ(check.YearCheck("1989"), 1);
    EXPECT_EQ(check.YearCheck("2024"), 1);
    EXPECT_EQ(check.YearCheck("9999"), 1);
    EXPECT_EQ(check.YearCheck("1988"), 0);
    EXPECT_EQ(check.YearCheck(""), 0);
    EXPECT_EQ(check.YearCheck("20X4"), 0);
    EXPECT_EQ(check.YearCheck("2,024"), 1);
    EXPECT_EQ(check.MonthCheck("12.5"), 1);  // the fraction is cut first
    EXPECT_EQ(check.MonthCheck("13"), 0);
    EXPECT_EQ(check.MonthCheck("0"), 0);
    EXPECT_EQ(check.DayCheck("31"), 1);
    EXPECT_EQ(check.DayCheck("32"), 0);
    EXPECT_EQ(check.DayCheck(CString("1")), 1);
    EXPECT_EQ(check.YearCheck(CString("1988")), 0);
}

} // namespace
