#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "calendar/CYmd.h"

TEST(CYmd, OneSharedBaseLeapYearsAndMonthLengths)
{
    // Opens the protected base operations to the test.
    class OpenYmd : public CYmd {
    public:
        using CYmdBase::UruuCheck;
    };
    OpenYmd ymd;
    CYmdBase* viaGet = static_cast<CGetYmd*>(&ymd);
    EXPECT_EQ(viaGet, static_cast<CYmdBase*>(static_cast<CCheckYmd*>(&ymd)));
    EXPECT_EQ(viaGet, static_cast<CYmdBase*>(static_cast<CConvYmd*>(&ymd)));
    EXPECT_EQ(static_cast<CGetYmd*>(&ymd), static_cast<CGetYmd*>(static_cast<CConvYmd*>(&ymd)));
    const short leap[][2] = {{1900, 0}, {2000, 1}, {2024, 1}, {2023, 0}, {2100, 0}, {-4, 1}};
    for (const auto& y : leap) {
        EXPECT_EQ(ymd.UruuCheck(y[0]), y[1]) << y[0];
        EXPECT_EQ(ymd.GetMaxDay(y[0], 2), 28 + y[1]) << y[0];
    }
    // Any year: February may have 29 days.
    const short lengths[][2] = {{1, 31}, {2, 29}, {3, 31}, {4, 30}, {5, 31},  {6, 30}, {7, 31}, {8, 31},
                                {9, 30}, {10, 31}, {11, 30}, {12, 31}, {0, 0}, {13, 0}, {-1, 0}};
    for (const auto& m : lengths) {
        EXPECT_EQ(ymd.GetMaxDay(m[0]), m[1]) << m[0];
        EXPECT_EQ(ymd.GetMaxDay(2023, m[0]), m[0] == 2 ? 28 : m[1]) << m[0];
    }
}

TEST(CYmd, OneYearTermEnd)
{
    // Year, month and day texts, and the term's end (0: fails, outputs untouched).
    const std::tuple<const char*, const char*, const char*, long> terms[] = {
        {"2023", "1", "1", 20231231}, {"2023", "4", "1", 20240331}, {"2023", "3", "1", 20240229},
        {"2024", "3", "1", 20250228}, {"2023", "5", "15", 20240514}, {"1,999", "12", "31", 20001230},
        {"2023", "X", "1", 0},        {"2023", "4", "1x", 0},        {"2023", "14", "1", 0},
        {"2023", "", "2", 20240001},  // lenient: an empty month is 0
        {"2023", "0", "1", 0},        // no month before it
    };
    CGetYmd ymd;
    for (const auto& [year, month, day, end] : terms) {
        short y = -1, m = -1, d = -1;
        EXPECT_EQ(ymd.GetEndDate(year, month, day, &y, &m, &d), end != 0 ? 1 : 0) << year << "/" << month << "/" << day;
        EXPECT_EQ(y * 10000L + m * 100 + d, end != 0 ? end : -10101) << year << "/" << month << "/" << day;
        EXPECT_EQ(ymd.GetEndDate(CString(year), CString(month), CString(day), &y, &m, &d), end != 0 ? 1 : 0);
    }
}

// CheckDate: 0 valid; 1 year outside 1868 to 2100 (year 214748 wraps a
// short); 2 month outside 1 to 12; 3 day invalid by the day rule, which
// allows February 29 in any year.
TEST(CCheckYmd, CheckDateCodesTheDayRuleAndTheFieldChecks)
{
    const std::pair<long, short> dates[] = {
        {20240229, 0}, {20230229, 0}, {18680101, 0}, {21001231, 0}, {20230230, 3}, {20240431, 3}, {20240100, 3},
        {18671231, 1}, {21010101, 1}, {-20240101, 1}, {2147483647, 1}, {20241301, 2}, {20240015, 2},
    };
    CCheckYmd check;
    for (const auto& [date, code] : dates)
        EXPECT_EQ(check.CheckDate(date), code) << date;
    const short rule[][3] = {{2, 29, 1}, {2, 30, 0}, {12, 31, 1}, {4, 31, 0}, {13, 1, 0}, {1, 0, 0}};
    for (short year : {2023, 2024, 1900}) {  // the year never counts
        for (const auto& r : rule)
            EXPECT_EQ(check.DayCheck(year, r[0], r[1]), r[2]) << year << "/" << r[0] << "/" << r[1];
    }
    // Year, month and day texts, and the day rule's answer.
    const std::tuple<const char*, const char*, const char*, int> texts[] = {
        {"2024", "X", "31", 1},  // an unparsable month counts as January
        {"2024", "2", "X", 0},   // an unparsable day fails
        {"junk", "2", "29", 1},  // the year is not read
        {"2024", "4", "31", 0},  {"2024", "", "15", 0}, {"2024", "4", "", 0},  // empty texts are 0
    };
    for (const auto& [year, month, day, ok] : texts) {
        EXPECT_EQ(check.DayCheck(year, month, day), ok) << year << "/" << month << "/" << day;
        EXPECT_EQ(check.DayCheck(CString(year), CString(month), CString(day)), ok);
        EXPECT_EQ(check.DayCheck(short(2023), month, day), ok);
        EXPECT_EQ(check.DayCheck(short(2023), CString(month), CString(day)), ok);
    }
    // The year (1989 to 9999), month and day field checks, as "YMD" flags.
    const std::pair<const char*, const char*> cases[] = {
        {"1989", "100"}, {"9999", "100"}, {"2,024", "100"}, {"1988", "000"}, {"20X4", "000"}, {"", "000"},
        {"12.5", "011"} /* the fraction is cut first */, {"13", "001"}, {"31", "001"}, {"32", "000"}, {"0", "000"},
    };
    auto flags = [&check](auto text) {
        return std::to_string(check.YearCheck(text)) + std::to_string(check.MonthCheck(text)) +
               std::to_string(check.DayCheck(text));
    };
    for (const auto& c : cases) {
        EXPECT_EQ(flags(c.first), c.second) << c.first;
        EXPECT_EQ(flags(CString(c.first)), c.second) << c.first;
    }
}
