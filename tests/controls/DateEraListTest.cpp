// The date control's era list and year-field texts, without windows.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "controls/CDateEraList.h"

namespace {

// The default eras' texts, typed years and dates; the first Add drops the
// defaults, later ones are newer, and a name is cut at 7 bytes.
TEST(DateEraList, YearTextsTypedYearsAndDatesAndAddedEras)
{
    CDateEraList eras, added;
    added.Add(2019, 99, 5, 1, 4, 'R', "\x97\xDF\x98\x61\x97\xDF\x98\x61");
    added.Add(2119, 99, 1, 1, 5, 'N', nullptr);
    for (auto [list, type, ymd, text] : {std::tuple<CDateEraList*, unsigned long, long, const char*>{
             &eras, 2, 19890107, "S.64"}, {&eras, 2, 19890108, "H.01"}, {&eras, 2, 19261224, "T.15"},
             {&eras, 2, 19261225, "S.01"}, {&eras, 2, 18680907, "    "}, {&eras, 2, 20240315, "H.36"},
             {&eras, 1, 20240315, "2024"}, {&eras, 3, 9990101, " 999"}, {&added, 2, 20240315, "R.06"},
             {&added, 2, 21190101, "N.01"}, {&added, 2, 20190430, "    "}}) {  // (the last before every era)
        char shown[CDateEraList::kYearTextSize];
        list->YearText(shown, sizeof shown, type, ymd / 10000, ymd / 100 % 100, ymd % 100);
        EXPECT_EQ(std::string(shown), text) << type << " " << ymd;
    }
    for (auto [text, year] : {std::pair<const char*, long>{"2009", 2009}, {"h.05", 1993}, {" S64 ", 1989},
                              {"\x81\x40M1\x81\x40", 1868}, {"20091", 2009}, {"19x", 19}, {"5", 0}, {"H0", 0},
                              {"T16", 0}, {"X5", 0}, {"H5x", 0}, {"H.", 0}, {"\x82\xA0", 0}, {nullptr, 0}})
        EXPECT_EQ(eras.ParseYear(text), year) << (text != nullptr ? text : "null");
    for (auto [text, y, m, d] : {std::tuple<const char*, long, long, long>{"H5.3.15", 1993, 3, 15},
                                 {"2024/3/5", 2024, 3, 5}, {" S64/1/7xyz ", 1989, 1, 7}, {"H53/1/5", 2041, 1, 5},
                                 {"3/15", -1, -1, -1}, {"2024/0/5", -1, -1, -1}, {"2024/3/", -1, -1, -1},
                                 {"2024/3/0", -1, -1, -1}, {"0000/1/1", -1, -1, -1}, {"Q5.3.15", -1, -1, -1},
                                 {"H100.3.15", -1, -1, -1}}) {
        long parsed[3] = {-1, -1, -1};  // no date: nothing stored
        EXPECT_EQ(eras.ParseDate(text, &parsed[0], &parsed[1], &parsed[2]), y != -1) << text;
        EXPECT_EQ(std::tuple(parsed[0], parsed[1], parsed[2]), std::tuple(y, m, d)) << text;
    }
    ASSERT_EQ(added.Count(), 2u);
    EXPECT_EQ(std::string(added.At(1)->name), "\x97\xDF\x98\x61\x97\xDF\x98");
    EXPECT_EQ(std::string(added.At(0)->name), "");
    EXPECT_EQ(added.ParseYear("H5"), 0);
    EXPECT_EQ(added.ParseYear("R6"), 2024);
}

} // namespace
