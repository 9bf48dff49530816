#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "text/CCheck.h"
#include "text/CConv.h"
#include "text/CDlgSub.h"
#include "text/CEveryValue.h"
#include "text/CFixDecimal.h"

// Shift-JIS bytes used below.
#define SJIS_SO "\x83\x5C"     /* ソ: trail byte 0x5C */
#define SJIS_FU "\x83\x74"     /* フ */
#define SJIS_NI "\x93\xFA"     /* 日 */
#define SJIS_HON "\x96\x7B"    /* 本 */
#define SJIS_GO "\x8C\xEA"     /* 語 */
#define SJIS_BLANK "\x81\x40"  /* full-width blank */

namespace {

// CommaStr must give expected; NotCommaStr the same text without commas.
// The CString forms agree with the char* forms, keeping at most 23
// characters of a decimal.
template <typename T, typename... Decimals>
void ExpectText(const std::string& expected, T value, Decimals... decimals)
{
    std::string plain = expected;
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    CConv conv;
    std::vector<char> out(64, '#'), plainOut(64, '#');
    CString text("old"), plainText("old");
    conv.CommaStr(out.data(), value, decimals...);
    conv.CommaStr(text, value, decimals...);
    conv.NotCommaStr(plainOut.data(), value, decimals...);
    conv.NotCommaStr(plainText, value, decimals...);
    const size_t kept = sizeof...(decimals) ? 23 : 64;
    EXPECT_EQ((std::vector<std::string>{out.data(), plainOut.data(), std::string(text), std::string(plainText)}),
              (std::vector<std::string>{expected, plain, std::string(out.data()).substr(0, kept),
                                        std::string(plainOut.data()).substr(0, kept)})) << value;
}

TEST(CommaStr, IntegersInGroupsOfThreeAndFourDigitFixedPointRoundedHalfUpAtTheFifth)
{
    const struct { long value; const char* text; } integers[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {-5, "-5"}, {1001, "1,001"}, {1000010, "1,000,010"},
        {-1234567, "-1,234,567"}, {INT32_MIN, "-2,147,483,648"}, {INT32_MAX, "2,147,483,647"}};
    for (const auto& c : integers)
        ExpectText(c.text, c.value);
    if (sizeof(long) == 8)
        ExpectText("-9,223,372,036,854,775,808", LONG_MIN);
    ExpectText("-32,768", static_cast<short>(-32768));
    ExpectText("-56", static_cast<char>(0xC8));  // sign-extended
    ExpectText("127", static_cast<char>(127));

    // Floats are first moved half a thousandth away from zero (from a
    // ten-thousandth on); the double forms get no adjustment.
    const struct { double value; short decimals; std::string text; } cases[] = {
        {1234.5, 0, "1,234"},     {1234.5, 2, "1,234.50"},   {-0.5, 1, "-0.5"},      {-0.5, 0, "-0"},
        {-0.00004, 2, "0.00"},    {-0.00005, 2, "-0.00"},  // a zero magnitude has no sign
        {2.99996, 2, "3.00"},     {0.99995, 4, "1.0000"},  // the carry reaches the units
        {1999.99999, 0, "2,000"}, {0.129, 2, "0.12"},      // cut, not rounded
        {0.00005, 4, "0.0001"},   {0.00004, 4, "0.0000"},    {-1.23456, 4, "-1.2346"},
        {1234567.891, 2, "1,234,567.89"}, {5, 6, "5.000000"}, {2.7, 0, "2"},    {2.7, -3, "2"},
        {1.0, 40, "1." + std::string(40, '0')},  // the CString forms keep 23 characters
        {99999999999999.5, 2, "99,999,999,999,999.50"}, {1e15, 2, "0"}, {-1e15, 2, "0"}, {std::nan(""), 2, "0"},
        {std::numeric_limits<double>::infinity(), 2, "0"}, {static_cast<double>(0.1285f), 3, "0.128"},
        // From 1e14 to 9.99e14 the digits are still printed exactly.
        {1e14, 2, "100,000,000,000,000.00"},  {9.99e14, 1, "999,000,000,000,000.0"},
        {-123456789012345.5, 1, "-123,456,789,012,345.5"}};
    for (const auto& c : cases)
        ExpectText(c.text, c.value, c.decimals);
    const struct { float value; short decimals; const char* text; } floats[] = {
        {0.1285f, 3, "0.129"},   {-0.1285f, 3, "-0.129"}, {0.12345f, 4, "0.1240"},
        {0.00005f, 4, "0.0000"}, {0.0006f, 4, "0.0011"},  {-0.0006f, 4, "-0.0011"}};
    for (const auto& f : floats)
        ExpectText(f.text, f.value, f.decimals);
    // The fixed-point value itself holds four digits exactly below 1e14:
    // scaled, then the magnitude's units and ten-thousandths.
    const std::pair<CFixDecimal, std::tuple<long long, unsigned long long, unsigned>> fixed[] = {
        {CFixDecimal(2.99996), {30000, 3, 0}}, {-CFixDecimal(1.23456), {-12346, 1, 2346}},
        {CFixDecimal(-1.5), {-15000, 1, 5000}}, {CFixDecimal(), {0, 0, 0}}};
    for (const auto& [value, parts] : fixed)
        EXPECT_EQ(std::make_tuple(value.GetScaled(), value.GetIntegerPart(), value.GetFraction()), parts);
    EXPECT_TRUE(CFixDecimal(-0.00005) < 0.0);
    for (double outside : {1e14, -1e14, std::nan("")})
        EXPECT_THROW(CFixDecimal{outside}, CFixDecimal::RangeError);
    // CDlgSub's forwarders drop the fraction.
    auto text = [](auto value, auto... decimals) {
        char out[32];
        CDlgSub().CommaStr(out, value, decimals...);
        return std::string(out);
    };
    // No float adjustment either.
    EXPECT_EQ((std::vector<std::string>{text(-1234567L), text(short(-1000)), text(1234.5, 2), text(0.1285f, 3),
                                        text(-2.7f, 1)}),
              (std::vector<std::string>{"-1,234,567", "-1,000", "1,234", "0", "-2"}));
}

// Convert (lenient) and Convert2 (strict), each through const char* and
// CString; the output is written only on success.
template <typename T>
void Expect(const std::string& text, int lenient, int strict, T value, short decimals = 0)
{
    CConv conv;
    auto parse = [&](bool isStrict, auto source, T* out) {
        if constexpr (std::is_floating_point_v<T>)
            return isStrict ? conv.Convert2(source, out, decimals) : conv.Convert(source, out, decimals);
        else
            return isStrict ? conv.Convert2(source, out) : conv.Convert(source, out);
    };
    for (int form = 0; form < 4; ++form) {
        bool isStrict = (form & 1) != 0;
        int expected = isStrict ? strict : lenient;
        T out = T(7);
        int result = (form & 2) != 0 ? parse(isStrict, CString(text.c_str()), &out)
                                     : parse(isStrict, text.c_str(), &out);
        EXPECT_EQ(std::make_tuple(result, out), std::make_tuple(expected, expected != 0 ? value : T(7)))
            << (isStrict ? "Convert2 of \"" : "Convert of \"") << text << "\" decimals " << decimals;
    }
}

// Convert copies the whole text (511 bytes pass, 512 fail); both keep a
// number part of at most 255 bytes.
TEST(Convert, LenientAndStrictCommasFractionsCutAndTypeLimits)
{
    struct Comma { std::string text; int lenient, strict; long value; } commas[] = {
        {"", 1, 0, 0},  // empty: zero for Convert, an error for Convert2
        {"1,2,3", 1, 0, 123},       {",123", 1, 0, 123},      {"1,234", 1, 1, 1234},
        {"12,345,678", 1, 1, 12345678}, {"12,34", 1, 0, 1234}, {"1,234,", 1, 0, 1234},
        {"1234,567", 1, 1, 1234567},  // only the bytes after a comma are counted
        {",,,", 0, 0, 0}, {"  -1,234", 1, 1, -1234}, {" 5", 1, 1, 5}, {"12.9", 1, 1, 12}, {"12.ab", 1, 1, 12},
        {" ,5", 1, 0, 5},  {" ,-5", 1, 0, -5},  {" , 5", 1, 0, 5},  // commas after the leading blanks too
        {std::string(508, ' ') + "123", 1, 1, 123}, {std::string(509, ' ') + "123", 0, 1, 123}, {"-0", 1, 1, 0}};
    for (const Comma& c : commas)
        Expect(c.text, c.lenient, c.strict, c.value);
    Expect("", 1, 0, 0.0, static_cast<short>(2));
    // Signs, blanks and stray bytes fail in both families.
    for (const char* text : {"- 12", "+5", "5 ", "   ", "-", "12a", "\t5", "\x81\x40" "5", "1 2", "--5", "5-"})
        Expect(text, 0, 0, 0L);

    const std::string digits = "1" + std::string(254, '0');
    struct Case { std::string text; short decimals; int result; double value; } cases[] = {
        {"12.345", 2, 1, 12.34}, {"12.345", 0, 1, 12.0}, {"12.345", 5, 1, 12.345}, {"12.9", -1, 1, 12.0},
        {"12.3x", 1, 1, 12.3},   {"12.3x", 2, 0, 0},     {"1.2,3", 3, 0, 0},       {"1.2,3", 1, 1, 1.2},
        {"1.2.3", 3, 0, 0},      {"-0.999", 2, 1, -0.99}, {".5", 1, 1, 0.5},       {"1,234.5", 1, 1, 1234.5},
        // Beyond the exact path the value is still correctly rounded.
        {"123456789012345678.5", 1, 1, 123456789012345678.5},
        {"0.12345678901234567890123456789", 29, 1, 0.12345678901234567890123456789},
        {digits, 0, 1, 1e254},   {digits + "0", 0, 0, 0}, {digits + ".5", 1, 0, 0}};
    for (const Case& c : cases)
        Expect(c.text, c.result, c.result, c.value, c.decimals);
    Expect("16,777,217", 1, 1, 16777216.0f);  // the double result rounded to float
    Expect("0.1", 1, 1, 0.1f, 1);
    double value = -1;
    EXPECT_EQ((std::tuple{CConv().Convert(static_cast<const char*>(nullptr), &value, 0), value}), std::tuple(0, -1.0));

    // Type (L: a long of 32 bits only), text, whether it fits, the value:
    // long saturates like the C library; the most negative one is exact.
    const struct { char type; const char* text; int ok; long value; } limits[] = {
        {'c', "127", 1, 127},       {'c', "-128", 1, -128},     {'c', "128", 0, 0},       {'c', "-129", 0, 0},
        {'c', "1,000", 0, 0},       {'s', "32,767", 1, 32767},  {'s', "-32768", 1, -32768}, {'s', "32768", 0, 0},
        {'s', "-32,769", 0, 0},     {'s', "99999999999999999999", 0, 0},     {'l', "2147483647", 1, INT32_MAX},
        {'l', "-2,147,483,648", 1, INT32_MIN}, {'L', "2147483648", 1, LONG_MAX}, {'L', "-2147483649", 1, LONG_MIN},
        {'l', "99999999999999999999999", 1, LONG_MAX}, {'l', "-99999999999999999999999", 1, LONG_MIN}};
    for (const auto& l : limits) {
        if (l.type == 'c')
            Expect<char>(l.text, l.ok, l.ok, static_cast<char>(l.value));
        else if (l.type == 's')
            Expect<short>(l.text, l.ok, l.ok, static_cast<short>(l.value));
        else if (l.type == 'l' || sizeof(long) == 4)
            Expect<long>(l.text, l.ok, l.ok, l.value);
    }
}

// Every text runs through CCheck and through CDlgSub, with char* and CString.
template <typename Bound>
void ExpectInside(Bound low, Bound high, std::initializer_list<std::pair<const char*, int>> cases)
{
    CCheck check;
    CDlgSub sub;
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(std::make_tuple(check.DataCheck(text, low, high), check.DataCheck(CString(text), low, high),
                                  sub.ValueCheck(text, low, high), sub.ValueCheck(CString(text), low, high)),
                  std::make_tuple(expected, expected, expected, expected)) << text;
}

TEST(RangeCheck, BoundsCutTheFractionOrAtThreeDigitsAndOnlyBlanksAreSpace)
{
    // Empty is never inside, even with 0 in range; commas are lenient.
    ExpectInside(0L, 1000L, {{"", 0}, {"1,0,01", 0}, {"1,000", 1}, {"1000.9", 1}, {"5a", 0}});
    ExpectInside<short>(-5, 5, {{"-5", 1}, {"-6", 0}});
    ExpectInside(-0.001, 1.234, {{"-0.0019", 1}, {"1.2345", 1}, {"1.235", 0}});
    ExpectInside(0.1f, 1.0f, {{"0.1", 0}, {"0.5", 1}});  // the widened bound lies above 0.1
    EXPECT_EQ(CCheck().DataCheck(static_cast<const char*>(nullptr), -10L, 10L), 0);
    // CheckSpace accepts only blanks (and no text at all).
    const std::pair<const char*, int> blanks[] = {
        {nullptr, 1}, {"", 1}, {"   ", 1}, {"\x81\x40\x81\x40", 1}, {" \x81\x40 ", 1},
        {" A", 0},    {"\x81\x41", 0}, {"\t", 0}, {"\x81", 0}};
    for (const auto& [text, blank] : blanks)
        EXPECT_EQ(CCheck().CheckSpace(text), blank) << (text != nullptr ? text : "(null)");
}

TEST(LeadBytes, KanjiCopyCopiesCountBytesAndDeleteSpaceKeepsTrailBlanks)
{
    const struct { const char* src; short count; const char* copied; } cases[] = {
        {SJIS_NI "B", 2, SJIS_NI}, {SJIS_NI "B", 1, ""}, {SJIS_NI "B", 3, SJIS_NI "B"},
        {"AB", 0, ""}, {"AB", -1, ""}, {"\x81\x81\x81\x40", 3, "\x81\x81"},  // a trail byte in the lead-byte range
    };
    for (const auto& c : cases) {
        // count bytes and the NUL, then a guard that must stay.
        std::vector<char> dest(c.count > 0 ? c.count + 2 : 2, '#');
        std::string src(c.src);
        CConv().KanjiCopy(dest.data(), &src[0], c.count);
        // Nothing is written past count + 1.
        EXPECT_EQ(std::make_tuple(std::string(dest.data()), dest.back()), std::make_tuple(c.copied, '#'))
            << c.src << " count " << c.count;
    }
    // src need not be terminated; NUL bytes inside the count are copied.
    unsigned char src[3] = {'A', 0, 'B'}, dest[4] = {'#', '#', '#', '#'};
    CConv().KanjiCopy(dest, src, 3);
    EXPECT_EQ(std::memcmp(dest, "A\0B\0", 4), 0);
    CDlgSub().KanjiCopy(dest, reinterpret_cast<unsigned char*>(const_cast<char*>("X" SJIS_NI)), 2);
    EXPECT_STREQ(reinterpret_cast<char*>(dest), "X");
    // Lead bytes are 0x81-0x9F and 0xE0-0xFC: KanjiCopy never copies one
    // without its trail byte, and a blank after one is its trail byte, which
    // CEveryValue::DeleteSpace keeps.
    CEveryValue codes(1);
    for (int byte = 1; byte < 256; ++byte) {
        bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        char one[] = {static_cast<char>(byte), 'A', '\0'}, copied[3] = "##";
        unsigned char pair[] = {static_cast<unsigned char>(byte), ' ', '1', '\0'};
        CConv().KanjiCopy(copied, one, 1);
        codes.DeleteSpace(pair);
        EXPECT_EQ(std::make_tuple(copied[0], int(pair[1])),
                  std::make_tuple(lead ? '\0' : one[0], byte == ' ' ? 0 : lead ? ' ' : '1')) << std::hex << byte;
    }
}

// The CString forms give the empty text beyond 255 bytes, and so do both
// forms of ConvIkey.
TEST(BlankTrimming, TrailingAndLeadingBlanksAndTheUpperCasedFirstWord)
{
    const std::string a255(255, 'a'), a256(256, 'a'), A254(254, 'A');
    const struct { std::string text, after, before, key; } cases[] = {
        {"AB  " SJIS_BLANK, "AB", "AB  " SJIS_BLANK, "AB"}, {SJIS_BLANK " AB", SJIS_BLANK " AB", "AB", SJIS_BLANK},
        {"   ", "", "   ", ""},  {" A B ", " A B", "A B ", ""},  {"", "", "", ""},
        {SJIS_BLANK "A" SJIS_BLANK " ", SJIS_BLANK "A", "A" SJIS_BLANK " ", SJIS_BLANK "A" SJIS_BLANK},
        {SJIS_NI " ", SJIS_NI, SJIS_NI " ", SJIS_NI}, {A254 + " ", A254, A254 + " ", A254},
        // 0x81 0x40 is a blank wherever it stands, even when the 0x81 is the
        // trail byte of the character before.
        {"A\x81\x81\x40", "A\x81", "A\x81\x81\x40", "A\x81\x81\x40"},
        {std::string(255, ' ') + "A", std::string(255, ' ') + "A", "A", ""},  // the char* forms have no limit
        {"abc def", "abc def", "abc def", "ABC"}, {" abc", " abc", "abc", ""}, {"x1y z", "x1y z", "x1y z", "X1Y"},
        {"\x83\x61" "b", "\x83\x61" "b", "\x83\x61" "b", "\x83\x41" "B"},  // the trail byte 0x61 is upper-cased too
        {a255, a255, a255, std::string(255, 'A')}, {a256, a256, a256, ""}};
    for (const auto& c : cases) {
        std::string after = c.text, before = c.text;
        CString afterText(c.text.c_str()), beforeText(c.text.c_str()), key("old");
        char out[300];
        CConv().DelAfterSpace(&after[0]);
        CConv().DelBeforeSpace(&before[0]);
        CConv().DelAfterSpace(afterText);
        CConv().DelBeforeSpace(beforeText);
        CConv().ConvIkey(out, c.text.c_str());
        CConv().ConvIkey(key, CString(c.text.c_str()));
        const bool tooLong = c.text.size() > 255;
        EXPECT_EQ((std::vector<std::string>{after.c_str(), before.c_str(), std::string(afterText),
                                            std::string(beforeText), out, std::string(key)}),
                  (std::vector<std::string>{c.after, c.before, tooLong ? "" : c.after, tooLong ? "" : c.before, c.key,
                                            c.key})) << c.text;
    }
}

TEST(ConvDirName, HeadDotsAndLastPart)
{
    const std::string tooLong(256, 'a'), longest = "C:\\" + std::string(252, 'a');
    const char* path = "C:\\Data\\Folder\\Sub\\Last\\";
    const struct { int form; const char* path; int width; const char* text; } cases[] = {
        {1, "C:\\Program Files\\Common\\Data\\Book", 30, "C:\\Program Files\\...\\Book"},
        {1, "C:\\abc\\def", 11, "C:\\abc\\def"}, {1, "C:\\abc\\def", 10, "C:\\abc..."}, {1, "C:\\abc\\def", 0, ""},
        {1, "", 10, ""}, {1, "\\Data\\Sub\\Deep\\File", 10, "\\...\\File"},
        {1, "C:\\AB\\CD\\VeryLongLastName", 12, "C:\\AB\\..."},        // last part too long
        {1, "C:\\AB\\CDEFGHIJ\\Last\\", 16, "C:\\AB\\...\\Last\\"},  // keeps its backslash
        {2, path, 20, "C:\\Data\\Fol...\\Last"},  {3, path, 20, "C:\\Data\\Fol...\\Last\\"},
        {2, "C:\\", 10, "C:\\"}, {3, "C:\\", 10, "C:\\"}, {2, "C:\\Data\\", 20, "C:\\Data\\"},
        {3, "C:\\Data\\Folder\\Sub\\L", 20, "C:\\Data\\Folder\\Sub\\L"},
        // A long last name is cut; ConvDirName2 takes bytes of 0x80 and above
        // in pairs (here single-byte katakana), so it can give width + 1 bytes.
        {2, "C:\\Data\\VeryLongFileName.txt", 12, "VeryLongFile"},
        {2, "C:\\D\\\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8", 5, "\xB1\xB2\xB3\xB4\xB5\xB6"},
        {3, "C:\\Data\\VeryLongName", 10, "C:\\Dat...\\"}, {3, "C:\\Data\\VeryLongName", 4, "C:\\D"},
        {3, "C:\\Data\\VeryLongName", -65535, ""},  // not read as a short 1
        {1, tooLong.c_str(), 300, ""}, {2, tooLong.c_str(), 10, ""}, {3, tooLong.c_str(), 10, ""},
        {1, longest.c_str(), 300, longest.c_str()}, {2, longest.c_str(), 300, longest.c_str()},
        {3, longest.c_str(), 300, longest.c_str()},  // 255 bytes are allowed
        {2, "ABCDEFGHIJKL", 5, "ABCDE"},  // no folder part at all
        {2, nullptr, 0, ""}, {3, nullptr, -1, ""},  // without a path (or room) still the empty text
        {2, "C:\\Data\\Folder\\Name", 10, "Name"}, {2, "C:\\Data\\Folder\\Name", 11, "C:...\\Name"},
        // The limits: a last part of room - 1 bytes, a last name of width - 8, a drive without a folder, 0x80.
        {1, "C:\\AB\\CDEFGHIJ\\Last", 11, "C:\\AB\\...\\Last"}, {1, "C:\\AB\\CDEFGHIJ\\Last", 10, "C:\\AB\\..."},
        {3, "C:\\Data\\Folder\\VeryLongName", 20, "C:\\...\\VeryLongName\\"},
        {3, "C:\\Data\\Folder\\VeryLongName", 19, "C:\\Data\\Folder\\...\\"},
        {2, "C:LongFileName", 5, "LongF"}, {2, "C:\\D\\ABCD\x80" "EFG", 5, "ABCD\x80" "E"},
        // A 0x5C trail byte is never a folder separator, nor dropped.
        {1, "C:\\" SJIS_SO SJIS_FU "\\Data\\Last", 14, "C:\\" SJIS_SO SJIS_FU "\\...\\Last"},
        {1, "C:\\AB\\CDEFGH\\X" SJIS_SO, 14, "C:\\AB\\...\\X" SJIS_SO},
        {2, "C:\\Data\\Folder\\" SJIS_SO, 12, "C:\\Da...\\" SJIS_SO},
        {3, "C:\\Data\\Folder\\" SJIS_SO, 12, "C:\\Da...\\" SJIS_SO "\\"},
        // A lead byte whose trail byte does not fit is taken back...
        {1, "C:\\" SJIS_NI SJIS_HON SJIS_GO "\\Folder\\Name", 10, "C:\\" SJIS_NI "..."},
        {3, "C:\\" SJIS_NI SJIS_HON SJIS_GO "\\LongName", 10, "C:\\" SJIS_NI "...\\"},
        // ...but not in a drive part without a backslash: it is cut where the room ends.
        {1, "C:" SJIS_NI SJIS_HON "\\Name", 7, "C:\x93..."},
        {1, SJIS_NI SJIS_HON "\\Folder\\Name", 5, "..."}, {1, SJIS_NI SJIS_HON "\\Folder\\Name", 6, SJIS_NI "..."}};
    for (const auto& c : cases) {
        // ConvDirName writes up to width + 4 bytes, ConvDirName2 width + 2 and
        // ConvDirName3 width + 1; the byte after must stay.
        std::vector<char> out(std::max(1, c.width + (c.form == 1 ? 4 : c.form == 2 ? 2 : 1)) + 1u, '#');
        std::string copy(c.path != nullptr ? c.path : "");
        char* source = c.path != nullptr ? &copy[0] : nullptr;
        if (c.form == 1)
            CConv().ConvDirName(out.data(), source, static_cast<short>(c.width));
        else if (c.form == 2)
            CConv().ConvDirName2(source, out.data(), c.width);
        else
            CConv().ConvDirName3(source, out.data(), c.width);
        EXPECT_EQ(std::make_tuple(std::string(out.data()), out.back()), std::make_tuple(std::string(c.text), '#'))
            << "form " << c.form << ' ' << c.path << " width " << c.width;
        // ConvDirName2 clears the first width bytes, ConvDirName3 width + 1.
        for (int i = static_cast<int>(std::strlen(out.data())); i < (c.form == 1 ? 0 : c.width + c.form - 2); ++i)
            EXPECT_EQ(out[i], '\0') << c.path << " width " << c.width << " byte " << i;
    }
}

// Reaches the protected default constructor (last code 99999).
struct DefaultCodes : CEveryValue { DefaultCodes() = default; };

std::vector<long> Walk(CEveryValue& codes)
{
    std::vector<long> found;
    for (long code = codes.GetFirstCode(); code != -1; code = codes.GetNextCode(code))
        found.push_back(code);
    return found;
}

template <typename Codes>
short Check(Codes&& codes, std::string list) { return codes.CheckCode(reinterpret_cast<unsigned char*>(&list[0])); }

TEST(CodeSet, ListsGiveTheirCodesInOrderOrAnErrorCode)
{
    const struct { const char* list; std::vector<long> codes; } cases[] = {
        {"1-5,8,10-", {1, 2, 3, 4, 5, 8, 10, 11, 12}},
        {" 1 -\x81\x40" "5 , 8,\x81\x40" "10-", {1, 2, 3, 4, 5, 8, 10, 11, 12}},  // blanks are ignored
        {"-", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, {"-3,7", {0, 1, 2, 3, 7}}, {"", {}},
        {"5,5", {5}}, {"5,5-7", {5, 6, 7}}};  // an item may start at the code before it
    CEveryValue twelve(12);
    for (const auto& c : cases)
        EXPECT_EQ((std::tuple{Check(twelve, c.list), Walk(twelve)}), std::tuple(short(0), c.codes)) << c.list;
    // A new set is empty; a range across whole bytes.
    std::vector<long> expected = {1, 63, 64, 127, 128};
    for (long code = 203; code <= 230; ++code)
        expected.push_back(code);
    expected.insert(expected.end(), {99998, 99999});
    DefaultCodes all;
    EXPECT_EQ((std::tuple{all.GetFirstCode(), Check(all, "0000000001,63-64,127,128,203-230,99998-"), Walk(all)}),
              std::tuple(-1L, short(0), expected));
    EXPECT_EQ((std::tuple{Check(all, "-"), Walk(all).size()}), std::tuple(short(0), size_t(100000)));
    // The walk stops only at the last code itself.
    CEveryValue five(5);
    EXPECT_EQ(Check(five, "3,8,9"), 0);
    const long steps[][2] = {{3, 8}, {5, -1}, {8, 9}, {9, -1}, {-1, 3}, {100007, -1}, {100008, -1}};
    for (const auto& step : steps)
        EXPECT_EQ(five.GetNextCode(step[0]), step[1]) << "after " << step[0];

    // Every error code.
    const struct { const char* list; short code; } errors[] = {
        {",1", 1},    {"1a", 2},    {"1\x81\x81@", 2},  // a double-byte character stays whole
        {"1-2-3", 3}, {"1-,2", 4},  {"1--2", 5},   {"5,3", 6}, {"5-3", 6}, {"5,3-7", 6},
        {"3,-7", 7},  {"1,", 8},    {"1,,2", 9},   {"100000", 10}, {"99999", 0}, {"12345678901", 10},
        {"4294967296", 10},  // would wrap to 0 in a 32-bit long
        {"4294967296-", 10}, {"1-4294967297", 10}, {"100000-", 10}, {"0000000001-3", 0}, {"99999-99999", 0}};
    for (const auto& c : errors)
        EXPECT_EQ(Check(DefaultCodes(), c.list), c.code) << c.list;
    CEveryValue wide(100000);
    // An open range needs a last code up to 99999.
    EXPECT_EQ((std::tuple{Check(wide, "5-"), Check(wide, "5-7")}), std::tuple(short(10), short(0)));

    // Codes added before an error stay; errors 1 and 2 come before the set is cleared.
    CEveryValue codes(99999);
    EXPECT_EQ((std::tuple{Check(codes, "1,2,5-3"), Check(codes, ",9"), Check(codes, "9x"), Walk(codes)}),
              std::tuple(short(6), short(1), short(2), std::vector<long>{1, 2}));

    // 0x81 0x40 after a lead byte is a character's trail byte and '@'.
    // The last character's trail byte is kept too.
    unsigned char text[] = " 1\x81\x40," "\x81\x81\x40" " 2", last[] = "1\x93 ";
    codes.DeleteSpace(text);
    codes.DeleteSpace(last);
    EXPECT_EQ(std::make_tuple(std::string(reinterpret_cast<char*>(text)), std::string(reinterpret_cast<char*>(last))),
              std::make_tuple("1," "\x81\x81\x40" "2", "1\x93 "));
}

} // namespace
