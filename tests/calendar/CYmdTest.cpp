#include <gtest/gtest.h>

#include <tuple>

#include "calendar/CYmd.h"

namespace {

// Opens the protected base operations to the tests.
class OpenYmd : public CYmd {
public:
    using CYmdBase::UruuCheck;
};

TEST(CYmd, OneSharedBaseOfEachKind)
{
    CYmd ymd;
    CYmdBase* viaGet = static_cast<CGetYmd*>(&ymd);
    EXPECT_EQ(viaGet, static_cast<CYmdBase*>(static_cast<CCheckYmd*>(&ymd)));
    EXPECT_EQ(viaGet, static_cast<CYmdBase*>(static_cast<CConvYmd*>(&ymd)));
    EXPECT_EQ(static_cast<CGetYmd*>(&ymd), static_cast<CGetYmd*>(static_cast<CConvYmd*>(&ymd)));
}

TEST(CYmd, LeapYearsAndMonthLengths)
{
    OpenYmd ymd;
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
        {"2023", "", "2", 20240001},  // lenient: an empty month is 0
        {"2023", "X", "1", 0},        {"2023", "4", "1x", 0},
        {"2023", "0", "1", 0},  // no month before it
        {"2023", "14", "1", 0},
    };
    CGetYmd ymd;
    for (const auto& [year, month, day, end] : terms) {
        short y = -1, m = -1, d = -1;
        EXPECT_EQ(ymd.GetEndDate(year, month, day, &y, &m, &d), end != 0 ? 1 : 0) << year << "/" << month << "/" << day;
        EXPECT_EQ(y * 10000L + m * 100 + d, end != 0 ? end : -10101) << year << "/" << month << "/" << day;
        EXPECT_EQ(ymd.GetEndDate(CString(year), CString(month), CString(day), &y, &m, &d), end != 0 ? 1 : 0);
    }
}

} // namespace
