// The date control's era list and year-field texts, without windows.
#include <gtest/gtest.h>

#include <string>

#include "controls/CDateEraList.h"

namespace {

std::string YearText(const CDateEraList& eras, unsigned long type, long ymd)
{
    char text[CDateEraList::kYearTextSize];
    eras.YearText(text, sizeof text, type, ymd / 10000, ymd / 100 % 100, ymd % 100);
    return text;
}

TEST(DateEraList, YearTextAtEraBoundariesInBothDisplays)
{
    CDateEraList eras;
    const struct {
        unsigned long type;
        long ymd;
        const char* text;
    } cases[] = {
        {2, 19930315, "H.05"}, {2, 19890107, "S.64"}, {2, 19890108, "H.01"}, {2, 19261224, "T.15"},
        {2, 19261225, "S.01"}, {2, 18680908, "M.01"}, {2, 18680907, "    "}, {2, 20240315, "H.36"},
        {1, 20240315, "2024"}, {0, 19930315, "1993"}, {3, 9990101, " 999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YearText(eras, c.type, c.ymd), c.text) << c.type << " " << c.ymd;
}

TEST(DateEraList, TypedYearsAndDates)
{
    CDateEraList eras;
    const struct {
        const char* text;
        long year;
    } years[] = {
        {"2009", 2009}, {"H5", 1993}, {"h.05", 1993}, {" S64 ", 1989}, {"\x81\x40M1\x81\x40", 1868},
        {"20091", 2009}, {"19x", 19},  // up to four digits; what follows does not count
        {"5", 0}, {"H", 0}, {"0000", 0}, {"H0", 0}, {"H100", 0}, {"T16", 0}, {"X5", 0}, {"H5x", 0},
        {"H.", 0}, {"", 0}, {"\x82\xA0", 0},
    };
    for (const auto& c : years)
        EXPECT_EQ(eras.ParseYear(c.text), c.year) << c.text;
    EXPECT_EQ(eras.ParseYear(nullptr), 0);

    const struct {
        const char* text;
        long ymd;  // 0: no date
    } dates[] = {
        {"H5.3.15", 19930315}, {"20240315", 20240315}, {"2024/3/5", 20240305}, {"S64/1/7xyz", 19890107},
        {" h5/3/15 ", 19930315}, {"H53/1/5", 20410105}, {"3/15", 0}, {"2024/0/5", 0}, {"2024/3/", 0}, {"0000/1/1", 0}, {"Q5.3.15", 0},
        {"H100.3.15", 0}, {"H.3.15", 0},
    };
    for (const auto& c : dates) {
        long y = -1, m = -1, d = -1;
        int ok = eras.ParseDate(c.text, &y, &m, &d);
        EXPECT_EQ(ok, c.ymd != 0) << c.text;
        EXPECT_EQ(ok ? y * 10000 + m * 100 + d : 0, c.ymd) << c.text;
        if (!ok) {
            EXPECT_TRUE(y == -1 && m == -1 && d == -1) << c.text;
        }
    }
}

// Adding the defaults oldest first rebuilds the default list; the first Add
// drops the defaults; a name is cut at 7 bytes.
TEST(DateEraList, AddReplacesTheDefaults)
{
    CDateEraList defaults, added;
    EXPECT_FALSE(defaults.Replaced());
    for (size_t i = defaults.Count(); i-- > 0;) {
        const DATE_ERA* e = defaults.At(i);
        added.Add(e->firstYear, e->lastEraYear, e->startMonth, e->startDay, e->eraCode, e->letter, e->name);
    }
    ASSERT_EQ(added.Count(), 4u);
    EXPECT_TRUE(added.Replaced());
    for (size_t i = 0; i < 4; ++i) {
        const DATE_ERA* a = added.At(i);
        const DATE_ERA* d = defaults.At(i);
        EXPECT_TRUE(a->firstYear == d->firstYear && a->lastEraYear == d->lastEraYear &&
                    a->startMonth == d->startMonth && a->startDay == d->startDay && a->eraCode == d->eraCode &&
                    a->letter == d->letter && std::string(a->name) == d->name)
            << i;
    }
    EXPECT_EQ(std::string(defaults.At(0)->name), "\x95\xBD\x90\xAC");

    CDateEraList reiwa;
    reiwa.Add(2019, 99, 5, 1, 4, 'R', "\x97\xDF\x98\x61\x97\xDF\x98\x61");
    reiwa.Add(2119, 99, 1, 1, 5, 'N', nullptr);
    ASSERT_EQ(reiwa.Count(), 2u);
    EXPECT_EQ(std::string(reiwa.At(1)->name), "\x97\xDF\x98\x61\x97\xDF\x98");
    EXPECT_EQ(std::string(reiwa.At(0)->name), "");
    EXPECT_EQ(YearText(reiwa, 2, 20240315), "R.06");
    EXPECT_EQ(YearText(reiwa, 2, 20190430), "    ");  // before its first era
    EXPECT_EQ(reiwa.ParseYear("H5"), 0);
    EXPECT_EQ(reiwa.ParseYear("R6"), 2024);
}

} // namespace
