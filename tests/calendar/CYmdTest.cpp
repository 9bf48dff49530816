#include <gtest/gtest.h>

#include "calendar/CYmd.h"

namespace {

// Opens the protected base operations to the tests.
class OpenYmd : public CYmd {
public:
    using CYmdBase::SeparateSeirekiYMD;
    using CYmdBase::UruuCheck;
};

TEST(CYmd, OneSharedBaseOfEachKind)
{
    CYmd ymd;
    CYmdBase* viaGet = static_cast<CGetYmd*>(&ymd);
    CYmdBase* viaCheck = static_cast<CCheckYmd*>(&ymd);
    CYmdBase* viaConv = static_cast<CConvYmd*>(&ymd);
    EXPECT_EQ(viaGet, viaCheck);
    EXPECT_EQ(viaGet, viaConv);
    EXPECT_EQ(static_cast<CGetYmd*>(&ymd), static_cast<CGetYmd*>(static_cast<CConvYmd*>(&ymd)));
    // Every family answers on the one object.
    EXPECT_EQ(ymd.GetMaxDay(2024, 2), 29);
    EXPECT_EQ(ymd.CheckDate(20240229), 0);
    EXPECT_EQ(ymd.GetWareki(20240229), 0);
}

TEST(CYmd, LeapYearsAndMonthLengths)
{
    OpenYmd ymd;
    EXPECT_EQ(ymd.UruuCheck(1900), 0);
    EXPECT_EQ(ymd.UruuCheck(2000), 1);
    EXPECT_EQ(ymd.UruuCheck(2024), 1);
    EXPECT_EQ(ymd.UruuCheck(2023), 0);
    EXPECT_EQ(ymd.UruuCheck(-4), 1);

    EXPECT_EQ(ymd.GetMaxDay(2), 29);
    EXPECT_EQ(ymd.GetMaxDay(4), 30);
    EXPECT_EQ(ymd.GetMaxDay(12), 31);
    EXPECT_EQ(ymd.GetMaxDay(0), 0);
    EXPECT_EQ(ymd.GetMaxDay(13), 0);
    EXPECT_EQ(ymd.GetMaxDay(2023, 2), 28);
    EXPECT_EQ(ymd.GetMaxDay(2024, 2), 29);
    EXPECT_EQ(ymd.GetMaxDay(1900, 2), 28);
    EXPECT_EQ(ymd.GetMaxDay(2024, -1), 0);

    short year = 0, month = 0, day = 0;
    ymd.SeparateSeirekiYMD(20240315, &year, &month, &day);
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(day, 15);
}

struct TermCase {
    const char* year;
    const char* month;
    const char* day;
    short endYear, endMonth, endDay;
};

TEST(CYmd, OneYearTermEnd)
{
    const TermCase cases[] = {
        {"2023", "1", "1", 2023, 12, 31},  {"2023", "4", "1", 2024, 3, 31},
        {"2023", "3", "1", 2024, 2, 29},   {"2024", "3", "1", 2025, 2, 28},
        {"2023", "5", "15", 2024, 5, 14},  {"1,999", "12", "31", 2000, 12, 30},
        {"2023", "", "2", 2024, 0, 1},  // lenient: an empty month is 0
    };
    CGetYmd ymd;
    for (const TermCase& c : cases) {
        short y = -1, m = -1, d = -1;
        ASSERT_EQ(ymd.GetEndDate(c.year, c.month, c.day, &y, &m, &d), 1) << c.year << c.month << c.day;
        EXPECT_EQ(y, c.endYear);
        EXPECT_EQ(m, c.endMonth);
        EXPECT_EQ(d, c.endDay);
    }

    short y = -1, m = -1, d = -1;
    EXPECT_EQ(ymd.GetEndDate("2023", "X", "1", &y, &m, &d), 0);
    EXPECT_EQ(ymd.GetEndDate("2023", "4", "1x", &y, &m, &d), 0);
    EXPECT_EQ(ymd.GetEndDate("2023", "0", "1", &y, &m, &d), 0);  // no month before it
    EXPECT_EQ(ymd.GetEndDate("2023", "14", "1", &y, &m, &d), 0);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(m, -1);
    EXPECT_EQ(d, -1);
    EXPECT_EQ(ymd.GetEndDate(CString("2023"), CString("4"), CString("1"), &y, &m, &d), 1);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240331);
}

} // namespace
