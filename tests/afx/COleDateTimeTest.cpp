#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "afx/COleDateTime.h"

namespace {

// Each date made from its fields has its value (days since 1899-12-30, the
// time of day counting away from it), and the value gives the fields back.
TEST(COleDateTime, FieldsAndValuesOfKnownAndInvalidDates)
{
    // Sunday is day 1.
    struct Row { int fields[6], dayOfWeek, dayOfYear; double value; };
    const Row rows[] = {
        {{2026, 12, 5, 17, 30, 45}, 7, 339, 46361.7296875},
        {{1899, 12, 30, 0, 0, 0}, 7, 364, 0.0}, {{1899, 12, 29, 6, 0, 0}, 6, 363, -1.25},
        {{2024, 2, 29, 23, 59, 59}, 5, 60, 45351 + 86399 / 86400.0},
    };
    for (const Row& r : rows) {
        const int* f = r.fields;
        COleDateTime made(f[0], f[1], f[2], f[3], f[4], f[5]), t(r.value);
        EXPECT_DOUBLE_EQ(made.m_dt, r.value) << f[0];
        const int got[] = {t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond()};
        EXPECT_EQ((std::tuple{made.GetStatus(), std::equal(got, got + 6, f), t.GetDayOfWeek(), t.GetDayOfYear()}),
                  std::tuple(COleDateTime::valid, true, r.dayOfWeek, r.dayOfYear)) << r.value;
    }
    COleDateTime bad(2023, 2, 29, 0, 0, 0);
    EXPECT_EQ((std::tuple{bad.GetStatus(), bad.GetYear(), COleDateTime(2026, 1, 1, 24, 0, 0).GetStatus(),
                          COleDateTime(1e12).GetDay()}),
              std::tuple(COleDateTime::invalid, int(AFX_OLE_DATETIME_ERROR), COleDateTime::invalid, -1));
}

} // namespace
