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

TEST(DateEraList, YearTextsAndTypedYearsAndDates)
{
    CDateEraList eras;
    for (auto [type, ymd, text] : {std::tuple<unsigned long, long, const char*>{2, 19890107, "S.64"},
                                   {2, 19890108, "H.01"}, {2, 19261224, "T.15"}, {2, 19261225, "S.01"},
                                   {2, 18680907, "    "}, {2, 20240315, "H.36"}, {1, 20240315, "2024"},
                                   {3, 9990101, " 999"}})
        EXPECT_EQ(YearText(eras, type, ymd), text) << type << " " << ymd;
    for (auto [text, year] : {std::pair<const char*, long>{"2009", 2009}, {"h.05", 1993}, {" S64 ", 1989},
                              {"\x81\x40M1\x81\x40", 1868}, {"20091", 2009}, {"19x", 19}, {"5", 0}, {"H0", 0},
                              {"T16", 0}, {"X5", 0}, {"H5x", 0}, {"H.", 0}, {"\x82\xA0", 0}, {nullptr, 0}})
        EXPECT_EQ(eras.ParseYear(text), year) << (text != nullptr ? text : "null");
    for (auto [text, ymd] : {std::pair<const char*, long>{"H5.3.15", 19930315}, {"2024/3/5", 20240305},
                             {" S64/1/7xyz ", 19890107}, {"H53/1/5", 20410105}, {"3/15", 0}, {"2024/0/5", 0},
                             {"2024/3/", 0}, {"0000/1/1", 0}, {"Q5.3.15", 0}, {"H100.3.15", 0}}) {
        long y = -1, m = -1, d = -1;  // 0: no date, and nothing stored
        EXPECT_EQ(eras.ParseDate(text, &y, &m, &d), ymd != 0) << text;
        EXPECT_EQ(y * 10000 + m * 100 + d, ymd != 0 ? ymd : -10101) << text;
    }
}

// The first Add drops the default eras; later ones are newer; a name is cut at 7 bytes.
TEST(DateEraList, AddReplacesTheDefaults)
{
    CDateEraList eras;
    eras.Add(2019, 99, 5, 1, 4, 'R', "\x97\xDF\x98\x61\x97\xDF\x98\x61");
    eras.Add(2119, 99, 1, 1, 5, 'N', nullptr);
    ASSERT_EQ(eras.Count(), 2u);
    EXPECT_EQ(std::string(eras.At(1)->name), "\x97\xDF\x98\x61\x97\xDF\x98");
    EXPECT_EQ(std::string(eras.At(0)->name), "");
    EXPECT_EQ(YearText(eras, 2, 20240315), "R.06");
    EXPECT_EQ(YearText(eras, 2, 21190101), "N.01");
    EXPECT_EQ(YearText(eras, 2, 20190430), "    ");  // before its first era
    EXPECT_EQ(eras.ParseYear("H5"), 0);
    EXPECT_EQ(eras.ParseYear("R6"), 2024);
}

} // namespace
