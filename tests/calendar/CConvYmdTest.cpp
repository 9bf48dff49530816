#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "afx/COleDateTime.h"
#include "calendar/CYmd.h"

namespace {

// Shift-JIS texts of the era style 3 and the Gregorian style 3.
const std::string kHeisei = "\x95\xBD\x90\xAC";
const std::string kShowa = "\x8F\xBA\x98\x61";
const std::string kTaisho = "\x91\xE5\x90\xB3";
const std::string kMeiji = "\x96\xBE\x8E\xA1";
const std::string kNen = "\x94\x4E", kGatsu = "\x8C\x8E", kNichi = "\x93\xFA";

struct EraCase {
    long ymd;
    short index;
    const char* style0;
};

TEST(CConvYmd, EraBoundariesOnBothSidesOfEachChange)
{
    const EraCase cases[] = {
        {19890107, 1, "S.64/01/07"}, {19890108, 0, "H.01/01/08"},
        {19261224, 2, "T.15/12/24"}, {19261225, 1, "S.01/12/25"},
        {19120729, 3, "M.45/07/29"}, {19120730, 2, "T.01/07/30"},
        {18680101, 3, "M.01/01/01"}, {20200501, 0, "H.32/05/01"},
        {21001231, 0, "H.112/12/31"},
    };
    CYmd ymd;
    for (const EraCase& c : cases) {
        EXPECT_EQ(ymd.GetWareki(c.ymd), c.index) << c.ymd;
        char out[32] = "junk";
        EXPECT_EQ(ymd.ConvWareki(out, c.ymd, 0), 1);
        EXPECT_STREQ(out, c.style0);
    }
    EXPECT_EQ(ymd.GetWareki(18671231), -1);
    EXPECT_EQ(ymd.GetWareki(0), -1);

    short eraYear = -1, month = -1, day = -1, code = -1;
    EXPECT_EQ(ymd.ConvWareki(19890107, &eraYear, &month, &day, &code), 1);
    EXPECT_EQ(eraYear * 10000 + month * 100 + day, 640107);
    EXPECT_EQ(code, 2);  // codes count from the oldest era
    char letter = 'x';
    ymd.ConvWareki2(19120730, &eraYear, &month, &day, &letter);
    EXPECT_EQ(letter, 'T');
    EXPECT_EQ(eraYear, 1);
    ymd.ConvWareki2(18001231, &eraYear, &month, &day, &letter);
    EXPECT_EQ(letter, '\0');
    EXPECT_EQ(eraYear + month + day, 0);
}

TEST(CConvYmd, FourStylesOfEachKindByteForByte)
{
    CYmd ymd;
    const std::string era[4] = {"H.05/03/15", "05/03/15", "03/15",
                                kHeisei + " 5" + kNen + " 3" + kGatsu + "15" + kNichi};
    const std::string gregorian[4] = {"2024/03/15", "24/03/15", "03/15",
                                      "2024" + kNen + " 3" + kGatsu + "15" + kNichi};
    for (short type = 0; type < 4; ++type) {
        char out[32];
        EXPECT_EQ(ymd.ConvWareki(out, 19930315, type), 1);
        EXPECT_EQ(out, era[type]);
        EXPECT_EQ(ymd.ConvSeireki(out, 20240315, type), 1);
        EXPECT_EQ(out, gregorian[type]);
        CString text;
        EXPECT_EQ(ymd.ConvWareki(text, 19930315, type), 1);
        EXPECT_EQ(std::string(text), era[type]);
    }
    char out[32];
    ymd.ConvWareki(out, 19261225, 3);
    EXPECT_EQ(out, kShowa + " 1" + kNen + "12" + kGatsu + "25" + kNichi);
    ymd.ConvWareki(out, 19120730, 3);
    EXPECT_EQ(out, kTaisho + " 1" + kNen + " 7" + kGatsu + "30" + kNichi);
    ymd.ConvWareki(out, 19111103, 3);
    EXPECT_EQ(out, kMeiji + "44" + kNen + "11" + kGatsu + " 3" + kNichi);
    ymd.ConvWareki(out, 21001231, 3);  // the longest text: 17 bytes
    EXPECT_EQ(out, kHeisei + "112" + kNen + "12" + kGatsu + "31" + kNichi);
    EXPECT_EQ(std::strlen(out), 17u);
    ymd.ConvSeireki(out, 20050101, 1);
    EXPECT_STREQ(out, "05/01/01");
}

TEST(CConvYmd, FailuresEmptyCharOutputsAndKeepCStrings)
{
    CYmd ymd;
    char out[32] = "junk";
    EXPECT_EQ(ymd.ConvWareki(out, 18670101, 0), 0);
    EXPECT_STREQ(out, "");
    std::strcpy(out, "junk");
    EXPECT_EQ(ymd.ConvSeireki(out, 21010101, 0), 0);
    EXPECT_STREQ(out, "");
    std::strcpy(out, "junk");
    EXPECT_EQ(ymd.ConvSeireki(out, 20240315, 4), 0);
    EXPECT_STREQ(out, "");
    std::strcpy(out, "junk");
    EXPECT_EQ(ymd.ConvWareki(out, "15", 0), 0);
    EXPECT_STREQ(out, "");

    CString kept("kept");
    EXPECT_EQ(ymd.ConvWareki(kept, 18670101, 0), 0);
    EXPECT_EQ(ymd.ConvSeireki(kept, "2024/13/1", 0), 0);
    EXPECT_EQ(ymd.ConvSeireki(kept, CString("S65/1/1"), 1), 0);
    EXPECT_EQ(ymd.ConvSpDate(kept, -1L, 0, 1), 0);
    EXPECT_EQ(kept, "kept");

    long value = 12345;
    EXPECT_EQ(ymd.ConvSeireki(&value, "15"), 0);
    EXPECT_EQ(value, 0);  // a failed parse stores 0
    value = 12345;
    EXPECT_EQ(ymd.ConvSeireki(&value, "2024/03/15      x"), 0);
    EXPECT_EQ(value, 12345);  // over 16 bytes: untouched
    short eraYear = -1, month = -1, day = -1, code = -1;
    EXPECT_EQ(ymd.ConvWareki(&eraYear, &month, &day, &code, "H3/15"), 0);
    EXPECT_EQ(eraYear, -1);
    EXPECT_EQ(ymd.ConvWareki(&eraYear, &month, &day, &code, CString("h.5.3.15")), 1);
    EXPECT_EQ(eraYear * 10000 + month * 100 + day, 50315);
    EXPECT_EQ(code, 3);
}

struct ParseCase {
    const char* text;
    long expected;  // 0: rejected
};

TEST(CConvYmd, TypedDateGrammar)
{
    CYmd ymd;
    long thisYear = COleDateTime::GetCurrentTime().GetYear();
    const ParseCase cases[] = {
        {"H5/3/15", 19930315},      {"h.5.3.15", 19930315},    {"S 64/1/7", 19890107},
        {"s64/1/7", 19890107},      {"5/3/15", 19930315},       {"64/1/7", 20520107},
        {"65/1/7", 19650107},       {"70/3/15", 19700315},      {"99/12/31", 19991231},
        {"2024/3/15", 20240315},    {"2024/ 3/ 15", 20240315},  {"  2024.03.15", 20240315},
        {"T15/12/24", 19261224},    {"M45/7/29", 19120729},     {"H.2/2/29", 19900229},
        {"2023/2/29", 20230229},    {"H99/1/1", 20870101},      {"2100/12/31", 21001231},
        {"15", 0},                  {"5 /3/15", 0},             {"H3/15", 0},
        {"S65/1/1", 0},             {"T16/1/1", 0},             {"M46/1/1", 0},
        {"2024/3/15/1", 0},         {"100/1/1", 0},             {"1867/12/31", 0},
        {"2101/1/1", 0},            {"2024/0/15", 0},           {"2024/3/0", 0},
        {"2024/3/100", 0},          {"2024//15", 0},            {"2024/3/15 ", 0},
        {"X2024/3/15", 0},          {"H", 0},                   {"", 0},
        {"/3/15", 0},               {"2024-03-15", 0},          {"99999999999/1/1", 0},
        {"2024/4/31", 0},           {"12345678901234/1", 0},
        // Digits without separators are one part that holds the whole date.
        {"20240315", 20240315},     {"240315", 20120315},       {"S640107", 19890107},
        {"050315", 19930315},       {"21010101", 0},            {"123456789", 0},
        {"1234567890123456", 0},    {"9999999/99/99", 0},
    };
    for (const ParseCase& c : cases) {
        long value = -1;
        int ok = ymd.ConvSeireki(&value, c.text);
        if (c.expected != 0) {
            EXPECT_EQ(ok, 1) << c.text;
            EXPECT_EQ(value, c.expected) << c.text;
        } else {
            EXPECT_EQ(ok, 0) << c.text;
            EXPECT_EQ(value, 0) << c.text;
        }
    }

    long value = 0;
    EXPECT_EQ(ymd.ConvSeireki(&value, "3/15"), 1);
    EXPECT_EQ(value, thisYear * 10000 + 315);
    EXPECT_EQ(ymd.ConvSeireki(&value, "3/15/"), 1);  // a trailing separator ends the parts
    EXPECT_EQ(value, thisYear * 10000 + 315);
    char out[32];
    EXPECT_EQ(ymd.ConvSpDate(out, "H5/3/15", 0, 1), 1);
    EXPECT_STREQ(out, "1993/03/15");
    EXPECT_EQ(ymd.ConvSpDate(out, "1993/3/15", 0, 0), 1);
    EXPECT_STREQ(out, "H.05/03/15");
    EXPECT_EQ(ymd.ConvSpDate(out, 20240315L, 2, 0), 1);
    EXPECT_STREQ(out, "03/15");
}

TEST(CConvYmd, DatesFromEraParts)
{
    CYmd ymd;
    long value = -1;
    EXPECT_EQ(ymd.ConvWareki(31, 4, 30, 3, &value), 1);
    EXPECT_EQ(value, 20190430);
    EXPECT_EQ(ymd.ConvWareki(1, 1, 1, 3, &value), 1);  // the era's range is not checked
    EXPECT_EQ(value, 19890101);
    EXPECT_EQ(ymd.ConvWareki(4, 2, 29, 3, &value), 1);  // 1992 is a leap year
    EXPECT_EQ(value, 19920229);
    value = -1;
    EXPECT_EQ(ymd.ConvWareki(1, 2, 29, 3, &value), 0);  // 1989 is not
    EXPECT_EQ(ymd.ConvWareki(65, 1, 1, 2, &value), 0);
    EXPECT_EQ(ymd.ConvWareki(0, 1, 1, 3, &value), 0);
    EXPECT_EQ(ymd.ConvWareki(1, 13, 1, 3, &value), 0);
    EXPECT_EQ(ymd.ConvWareki(1, 1, 0, 3, &value), 0);
    EXPECT_EQ(ymd.ConvWareki(1, 1, 1, 4, &value), 0);
    EXPECT_EQ(value, -1);
}

TEST(CConvYmd, TodayAgreesWithTheClock)
{
    CYmd ymd;
    for (int attempt = 0; attempt < 5; ++attempt) {
        COleDateTime before = COleDateTime::GetCurrentTime();
        long today = 0;
        ymd.GetNowDate(&today);
        short eraYear, month, day, code;
        ymd.GetNowDate(&eraYear, &month, &day, &code);
        COleDateTime after = COleDateTime::GetCurrentTime();
        if (before.GetDay() != after.GetDay())
            continue;  // midnight passed during the calls
        EXPECT_EQ(today, (before.GetYear() * 100L + before.GetMonth()) * 100 + before.GetDay());
        short expectedYear, expectedMonth, expectedDay, expectedCode;
        ymd.ConvWareki(today, &expectedYear, &expectedMonth, &expectedDay, &expectedCode);
        EXPECT_EQ(eraYear, expectedYear);
        EXPECT_EQ(code, 3);
        return;
    }
    FAIL() << "the date kept changing";
}

} // namespace
