#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

#include "afx/COleDateTime.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"

TEST(CYmd, OneSharedBaseLeapYearsMonthLengthsAndTheOneYearTermEnd)
{
    // Opens the protected base operations to the test.
    struct OpenYmd : CYmd { using CYmdBase::UruuCheck; };
    OpenYmd ymd;
    CYmdBase* viaGet = static_cast<CGetYmd*>(&ymd);
    EXPECT_TRUE(viaGet == static_cast<CYmdBase*>(static_cast<CCheckYmd*>(&ymd)) &&
                viaGet == static_cast<CYmdBase*>(static_cast<CConvYmd*>(&ymd)) &&
                static_cast<CGetYmd*>(&ymd) == static_cast<CGetYmd*>(static_cast<CConvYmd*>(&ymd)));
    const short leap[][2] = {{1900, 0}, {2000, 1}, {2024, 1}, {2023, 0}, {2100, 0}, {-4, 1}};
    for (const auto& y : leap)
        EXPECT_EQ(std::make_pair(ymd.UruuCheck(y[0]), ymd.GetMaxDay(y[0], 2)),
                  std::make_pair(int(y[1]), short(28 + y[1]))) << y[0];
    // Any year: February may have 29 days.
    const short lengths[][2] = {{1, 31}, {2, 29}, {3, 31}, {4, 30}, {5, 31},  {6, 30}, {7, 31}, {8, 31},
                                {9, 30}, {10, 31}, {11, 30}, {12, 31}, {0, 0}, {13, 0}, {-1, 0}};
    for (const auto& m : lengths)
        EXPECT_EQ(std::make_pair(ymd.GetMaxDay(m[0]), ymd.GetMaxDay(2023, m[0])),
                  std::make_pair(m[1], short(m[0] == 2 ? 28 : m[1]))) << m[0];

    // Year, month and day texts, and the term's end (0: fails, outputs untouched).
    const std::tuple<const char*, const char*, const char*, long> terms[] = {
        {"2023", "1", "1", 20231231}, {"2023", "4", "1", 20240331}, {"2023", "3", "1", 20240229},
        {"2024", "3", "1", 20250228}, {"2023", "5", "15", 20240514}, {"1,999", "12", "31", 20001230},
        {"2023", "X", "1", 0},        {"2023", "4", "1x", 0},        {"2023", "14", "1", 0},
        {"2023", "", "2", 20240001},  // lenient: an empty month is 0
        {"2023", "0", "1", 0}};       // no month before it
    for (const auto& [year, month, day, end] : terms) {
        short y = -1, m = -1, d = -1;
        EXPECT_EQ((std::tuple{ymd.GetEndDate(year, month, day, &y, &m, &d), y * 10000L + m * 100 + d,
                              ymd.GetEndDate(CString(year), CString(month), CString(day), &y, &m, &d)}),
                  std::tuple(end != 0, end != 0 ? end : -10101, end != 0)) << year << "/" << month << "/" << day;
    }
}

// CheckDate: 0 valid; 1 year outside 1868 to 2100 (year 214748 wraps a
// short); 2 month outside 1 to 12; 3 day invalid by the day rule, which
// allows February 29 in any year.
TEST(CCheckYmd, CheckDateCodesTheDayRuleAndTheFieldChecks)
{
    const std::pair<long, short> dates[] = {
        {20240229, 0}, {20230229, 0}, {18680101, 0}, {21001231, 0}, {20230230, 3}, {20240431, 3}, {20240100, 3},
        {18671231, 1}, {21010101, 1}, {-20240101, 1}, {2147483647, 1}, {20241301, 2}, {20240015, 2}};
    CCheckYmd check;
    for (const auto& [date, code] : dates)
        EXPECT_EQ(check.CheckDate(date), code) << date;
    const short rule[][3] = {{2, 29, 1}, {2, 30, 0}, {12, 31, 1}, {4, 31, 0}, {13, 1, 0}, {1, 0, 0}};
    for (short year : {2023, 2024, 1900})  // the year never counts
        for (const auto& r : rule)
            EXPECT_EQ(check.DayCheck(year, r[0], r[1]), r[2]) << year << "/" << r[0] << "/" << r[1];
    // Year, month and day texts, and the day rule's answer.
    const std::tuple<const char*, const char*, const char*, int> texts[] = {
        {"2024", "X", "31", 1},  // an unparsable month counts as January
        {"2024", "2", "X", 0},   // an unparsable day fails
        {"junk", "2", "29", 1},  // the year is not read
        {"2024", "4", "31", 0},  {"2024", "", "15", 0}, {"2024", "4", "", 0}};  // empty texts are 0
    for (const auto& [year, month, day, ok] : texts)
        EXPECT_EQ(std::make_tuple(check.DayCheck(year, month, day),
                                  check.DayCheck(CString(year), CString(month), CString(day)),
                                  check.DayCheck(short(2023), month, day),
                                  check.DayCheck(short(2023), CString(month), CString(day))),
                  std::make_tuple(ok, ok, ok, ok)) << year << "/" << month << "/" << day;
    // The year (1989 to 9999), month and day field checks, as "YMD" flags.
    const std::pair<const char*, const char*> cases[] = {
        {"1989", "100"}, {"9999", "100"}, {"2,024", "100"}, {"1988", "000"}, {"20X4", "000"}, {"", "000"},
        {"12.5", "011"} /* the fraction is cut first */, {"13", "001"}, {"31", "001"}, {"32", "000"}, {"0", "000"}};
    auto flags = [&check](auto text) {
        return std::to_string(check.YearCheck(text)) + std::to_string(check.MonthCheck(text)) +
               std::to_string(check.DayCheck(text));
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::make_tuple(flags(c.first), flags(CString(c.first))), std::make_tuple(c.second, c.second))
            << c.first;
}

// Compares every form of the time and of today's date with an independent
// reading taken around the calls, retrying when a second boundary fell
// between them. Under a frozen clock (see tests.cmake) ZR8_FROZEN_CLOCK
// gives the time the process sees, e.g. "23:59:59".
TEST(CConvTime, TheClockAndTodayMatchAReadingTakenAroundTheCalls)
{
    CConvTime clock;
    CYmd ymd;
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::time_t seconds = std::time(nullptr);
        COleDateTime before = COleDateTime::GetCurrentTime();
        char hhmm[6], hhmmss[9], full[16];
        CString hhmmText, hhmmssText;
        short hour = -1, minute = -1, second = -1, eraYear, month, day, code, y, m, d, c;
        long today = 0;
        clock.GetHHMMTime(hhmm);
        clock.GetHHMMSSTime(hhmmss);
        clock.GetHHMMTime(hhmmText);
        clock.GetHHMMSSTime(hhmmssText);
        clock.GetTime(&hour, &minute, &second);
        ymd.GetNowDate(&today);
        ymd.GetNowDate(&eraYear, &month, &day, &code);
        if (before.m_dt != COleDateTime::GetCurrentTime().m_dt || seconds != std::time(nullptr))
            continue;
        // COleDateTime's own clock is the system's local time.
        std::tm local = *std::localtime(&seconds);
        std::snprintf(full, sizeof full, "%02d:%02d:%02d", before.GetHour(), before.GetMinute(), before.GetSecond());
        const char* frozen = std::getenv("ZR8_FROZEN_CLOCK");
        ymd.ConvWareki(today, &y, &m, &d, &c);
        EXPECT_EQ((std::tuple{today, today, hour * 3600 + minute * 60 + second, std::tuple{hour, minute, second},
                              before.GetDayOfWeek(), std::string(hhmmss), std::string(hhmmssText), std::string(hhmm),
                              std::string(hhmmText), std::tuple{eraYear, month, day, code}}),
                  std::tuple((local.tm_year + 1900) * 10000L + (local.tm_mon + 1) * 100 + local.tm_mday,
                             (before.GetYear() * 100L + before.GetMonth()) * 100 + before.GetDay(),
                             local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec,
                             std::tuple{before.GetHour(), before.GetMinute(), before.GetSecond()}, local.tm_wday + 1,
                             std::string(frozen != nullptr ? frozen : full), std::string(full), std::string(full, 5),
                             std::string(full, 5), std::tuple{y, m, d, c}));
        return;
    }
    FAIL() << "the clock never held still for one reading";
}

namespace {

// Shift-JIS era names and 年 月 日.
const std::string kReiwa = "\x97\xDF\x98\x61", kHeisei = "\x95\xBD\x90\xAC", kShowa = "\x8F\xBA\x98\x61",
                  kTaisho = "\x91\xE5\x90\xB3", kMeiji = "\x96\xBE\x8E\xA1", kNen = "\x94\x4E", kGatsu = "\x8C\x8E",
                  kNichi = "\x93\xFA";

void AddDefaultEras()
{
    CConvYmd::AddEra(1868, 45, 12, 31, 0, 'M', kMeiji.c_str());
    CConvYmd::AddEra(1912, 15, 7, 29, 1, 'T', kTaisho.c_str());
    CConvYmd::AddEra(1926, 64, 12, 24, 2, 'S', kShowa.c_str());
    CConvYmd::AddEra(1989, 99, 1, 7, 3, 'H', kHeisei.c_str());
}

// Each case runs with the default table and with the four defaults added
// again, which must change nothing.
struct DefaultEras : ::testing::TestWithParam<bool> {
    void SetUp() override
    {
        if (GetParam())
            AddDefaultEras();
    }
    void TearDown() override { CConvYmd::ResetEras(); }
};

INSTANTIATE_TEST_SUITE_P(CConvYmd, DefaultEras, ::testing::Values(false, true));

// Date, era index (newest first; -1 for none), era code (oldest first), era
// year and date, style 0 ("" for a date without an era).
void ExpectEras(std::initializer_list<std::tuple<long, short, short, long, const char*>> rows)
{
    CYmd ymd;
    for (const auto& [date, index, eraCode, eraYmd, style0] : rows) {
        short eraYear = -1, month = -1, day = -1, code = -1;
        char out[32] = "junk", letter = 'x';
        // The style 0 text is emptied on failure.
        EXPECT_EQ((std::tuple{ymd.GetWareki(date), ymd.ConvWareki(out, date, 0), std::string(out),
                              ymd.ConvWareki(date, &eraYear, &month, &day, &code), eraYear * 10000L + month * 100 + day,
                              code}), std::tuple(index, index >= 0, style0, 1, eraYmd, eraCode)) << date;
        ymd.ConvWareki2(date, &eraYear, &month, &day, &letter);
        EXPECT_EQ(letter, style0[0]);
    }
}

// Accepted texts give the date; rejected ones store 0, empty a char* output
// and keep a CString.
void ExpectTyped(std::initializer_list<std::pair<const char*, long>> cases)
{
    CYmd ymd;
    for (const auto& c : cases) {
        long value = -1;
        char out[32] = "junk", expected[32] = "";
        CString kept("kept");
        int ok = c.second != 0 ? 1 : 0;
        if (ok)
            std::snprintf(expected, sizeof expected, "%04ld/%02ld/%02ld", c.second / 10000, c.second / 100 % 100,
                          c.second % 100);
        EXPECT_EQ((std::tuple{ymd.ConvSeireki(&value, c.first), value, ymd.ConvSpDate(out, c.first, 0, 1),
                              std::string(out), ymd.ConvWareki(kept, CString(c.first), 1), ok || kept == "kept"}),
                  std::tuple(ok, c.second, ok, std::string(expected), ok, true)) << c.first;
        short parts[4] = {-1, -1, -1, -1}, expectedParts[4] = {-1, -1, -1, -1};
        if (ok)
            ymd.ConvWareki(c.second, &expectedParts[0], &expectedParts[1], &expectedParts[2], &expectedParts[3]);
        // The parts are untouched on failure.
        EXPECT_EQ((std::tuple{ymd.ConvWareki(&parts[0], &parts[1], &parts[2], &parts[3], CString(c.first)),
                              std::equal(parts, parts + 4, expectedParts)}), std::tuple(ok, true)) << c.first;
    }
}

// Both sides of each era change, the first day of the oldest era, dates
// after the last era (which stay in it) and dates before the first.
TEST_P(DefaultEras, EraBoundariesEraPartsTheFourStylesAndTheTypedGrammar)
{
    ExpectEras({
        {19890107, 1, 2, 640107, "S.64/01/07"}, {19890108, 0, 3, 10108, "H.01/01/08"},
        {19261224, 2, 1, 151224, "T.15/12/24"}, {19261225, 1, 2, 11225, "S.01/12/25"},
        {19120729, 3, 0, 450729, "M.45/07/29"}, {19120730, 2, 1, 10730, "T.01/07/30"},
        {18680101, 3, 0, 10101, "M.01/01/01"},  {20200501, 0, 3, 320501, "H.32/05/01"},
        {21001231, 0, 3, 1121231, "H.112/12/31"}, {18671231, -1, 0, 0, ""}, {0, -1, 0, 0, ""}});
    CYmd ymd;
    // Era year, month, day, era code: the date, or 0 when refused (the
    // era's own range is not checked, only its last year).
    const long parts[][5] = {{31, 4, 30, 3, 20190430}, {1, 1, 1, 3, 19890101}, {4, 2, 29, 3, 19920229},
                             {1, 2, 29, 3, 0},         {65, 1, 1, 2, 0},       {0, 1, 1, 3, 0},
                             {1, 13, 1, 3, 0},         {1, 1, 0, 3, 0},        {1, 1, 1, 4, 0}};
    for (const auto& p : parts) {
        long value = -1;
        EXPECT_EQ((std::tuple{ymd.ConvWareki(short(p[0]), short(p[1]), short(p[2]), short(p[3]), &value), value}),
                  std::tuple(p[4] != 0, p[4] != 0 ? p[4] : -1)) << p[0] << "/" << p[1] << "/" << p[2] << " " << p[3];
    }

    // The four styles of each kind, byte for byte.
    // Date, type, seireki, the text ("" for a failure: a char* output is
    // emptied, a CString kept).
    const std::tuple<long, short, short, std::string> styles[] = {
        {19930315, 0, 0, "H.05/03/15"}, {19930315, 1, 0, "05/03/15"}, {19930315, 2, 0, "03/15"},
        {19930315, 3, 0, kHeisei + " 5" + kNen + " 3" + kGatsu + "15" + kNichi},
        {20240315, 0, 1, "2024/03/15"}, {20240315, 1, 1, "24/03/15"}, {20240315, 2, 1, "03/15"},
        {20240315, 3, 1, "2024" + kNen + " 3" + kGatsu + "15" + kNichi},  {19050101, 1, 1, "05/01/01"},
        {19261225, 3, 0, kShowa + " 1" + kNen + "12" + kGatsu + "25" + kNichi},
        {19120730, 3, 0, kTaisho + " 1" + kNen + " 7" + kGatsu + "30" + kNichi},
        {19111103, 3, 0, kMeiji + "44" + kNen + "11" + kGatsu + " 3" + kNichi},
        {21001231, 3, 0, kHeisei + "112" + kNen + "12" + kGatsu + "31" + kNichi},  // the longest: 17 bytes
        {21010101, 0, 1, ""}, {18670101, 0, 0, ""}, {20240315, 4, 1, ""}, {20240315, -1, 0, ""}};
    for (const auto& [date, type, seireki, expected] : styles) {
        char out[32] = "junk";
        CString text("kept");
        EXPECT_EQ((std::tuple{ymd.ConvSpDate(out, date, type, seireki), std::string(out),
                              ymd.ConvSpDate(text, date, type, seireki), std::string(text)}),
                  std::tuple(!expected.empty(), expected, !expected.empty(), expected.empty() ? "kept" : expected))
            << date << " style " << type;
    }

    // Month and day alone are this year; a trailing separator ends the parts.
    const long thisYear = COleDateTime::GetCurrentTime().GetYear() * 10000L;
    ExpectTyped({
        {"3/15", thisYear + 315}, {"3/15/", thisYear + 315}, {"H5/3/15", 19930315}, {"h.5.3.15", 19930315},
        {"S 64/1/7", 19890107}, {"s64/1/7", 19890107}, {"5/3/15", 19930315}, {"64/1/7", 20520107}, {"65/1/7", 19650107},
        {"70/3/15", 19700315}, {"99/12/31", 19991231}, {"2024/3/15", 20240315}, {"2024/ 3/ 15", 20240315},
        {"  2024.03.15", 20240315}, {"T15/12/24", 19261224}, {"M45/7/29", 19120729}, {"H.2/2/29", 19900229},
        {"2023/2/29", 20230229}, {"H99/1/1", 20870101}, {"2100/12/31", 21001231}, {"15", 0}, {"5 /3/15", 0},
        {"H3/15", 0}, {"S65/1/1", 0}, {"T16/1/1", 0}, {"M46/1/1", 0}, {"2024/3/15/1", 0}, {"100/1/1", 0},
        {"1867/12/31", 0}, {"2101/1/1", 0}, {"2024/0/15", 0}, {"2024/3/0", 0}, {"2024/3/100", 0}, {"2024//15", 0},
        {"2024/3/15 ", 0}, {"X2024/3/15", 0}, {"H", 0}, {"", 0}, {"/3/15", 0}, {"2024-03-15", 0},
        {"99999999999/1/1", 0}, {"2024/4/31", 0}, {"12345678901234/1", 0},
        // Digits without separators are one part that holds the whole date.
        {"20240315", 20240315}, {"240315", 20120315}, {"S640107", 19890107}, {"050315", 19930315}, {"21010101", 0},
        {"123456789", 0}, {"1234567890123456", 0}, {"9999999/99/99", 0}});
    long value = 20240315;
    char out[32];
    // Over 16 bytes: untouched.
    EXPECT_EQ((std::tuple{ymd.ConvSeireki(&value, CString("2024/03/15      x")), value,
                          ymd.ConvWareki(out, "1993/3/15", 0), std::string(out)}),
              std::tuple(0, 20240315L, 1, "H.05/03/15"));
}

TEST_P(DefaultEras, TodaysEraAfterTheFourDefaultsAndBadErasIgnored)
{
    AddDefaultEras();
    CConvYmd::AddEra(2019, 99, 4, 30, 4, 'r', kReiwa.c_str());
    ExpectEras({{20190430, 1, 3, 310430, "H.31/04/30"}, {20190501, 0, 4, 10501, "R.01/05/01"},
                {18680101, 4, 0, 10101, "M.01/01/01"}, {20261206, 0, 4, 81206, "R.08/12/06"}});
    CYmd ymd;
    char out[32];
    EXPECT_EQ((std::tuple{ymd.ConvWareki(out, 20261206L, 3), std::string(out)}),
              std::tuple(1, kReiwa + " 8" + kNen + "12" + kGatsu + " 6" + kNichi));
    // The era's range itself is not checked, only its last year; a year
    // without a letter stays H.
    ExpectTyped({{"R1/5/1", 20190501}, {"r01.05.01", 20190501}, {"r.1.5.1", 20190501}, {"R1/4/30", 20190430},
                 {"5/3/15", 19930315}, {"R82/1/1", 21000101}, {"R83/1/1", 0}, {"2026/12/6", 20261206}});
    long value = 0;
    // Year 100 is past the last era year.
    EXPECT_EQ((std::tuple{ymd.ConvWareki(short(8), short(12), short(6), short(4), &value), value,
                          ymd.ConvWareki(short(100), short(1), short(1), short(4), &value)}),
              std::tuple(1, 20261206L, 0));
    CConvYmd::ResetEras();
    ExpectEras({{20261206, 0, 3, 381206, "H.38/12/06"}});
    ExpectTyped({{"R1/5/1", 0}});

    // A call with bad input changes nothing; the table from here on keeps
    // only the eras from H on, so earlier dates have no era.
    CConvYmd::AddEra(1989, 0, 1, 7, 3, 'H', kHeisei.c_str());  // refused: no default is replaced yet
    EXPECT_EQ(ymd.GetWareki(19261225), 1);
    CConvYmd::AddEra(1989, 99, 1, 7, 3, 'H', kHeisei.c_str());
    // First year, last era year, change month and day, era code, letter, name.
    const std::tuple<short, short, short, short, short, char, const char*> refused[] = {
        {2019, 99, 4, 30, 4, 'R', nullptr},   {2019, 99, 4, 30, 4, 'R', "123456789"}, {2019, 99, 4, 30, 4, '1', "R"},
        {1989, 99, 4, 30, 4, 'R', "R"},       {1988, 99, 4, 30, 4, 'R', "R"},         {2101, 99, 4, 30, 4, 'R', "R"},
        {2019, 0, 4, 30, 4, 'R', "R"},        {2019, 1000, 4, 30, 4, 'R', "R"},       {2019, 99, 0, 30, 4, 'R', "R"},
        {2019, 99, 13, 30, 4, 'R', "R"},      {2019, 99, 4, 0, 4, 'R', "R"},          {2019, 99, 4, 31, 4, 'R', "R"},
        {2019, 99, 2, 29, 4, 'R', "R"},       {2019, 99, 4, 30, -1, 'R', "R"},        {2019, 99, 4, 30, 3, 'R', "R"},
        {2019, 99, 4, 30, 4, 'h', "R"}};
    for (const auto& era : refused) {
        std::apply(CConvYmd::AddEra, era);
        EXPECT_EQ((std::tuple{ymd.ConvWareki(out, 20261206L, 0), std::string(out)}), std::tuple(1, "H.38/12/06"))
            << std::get<0>(era) << " " << std::get<2>(era) << "/" << std::get<3>(era);
    }
    // The oldest era holds its whole first year; a letter that left the
    // table is refused, a year without one is still H.
    ExpectEras({{19890101, 0, 3, 10101, "H.01/01/01"}, {19881231, -1, 0, 0, ""}});
    EXPECT_EQ((std::tuple{ymd.ConvWareki(out, 19881231L, 3), std::string(out)}), std::tuple(0, ""));
    ExpectTyped({{"S64/1/7", 0}, {"5/3/15", 19930315}});
    // Sixteen eras at most: 2019 to 2033 fill the table, 2034 is refused.
    const char letters[] = "ABCDEFGIJKLMNOPQ";
    for (short year = 2019; year <= 2034; ++year)
        CConvYmd::AddEra(year, 99, 1, 1, year, letters[year - 2019], "X");
    ExpectEras({{20400101, 0, 2033, 80101, "P.08/01/01"}});
}

} // namespace
