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

#include "text/CCheck.h"
#include "text/CConv.h"
#include "text/CDlgSub.h"
#include "text/CFixDecimal.h"

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
    for (bool commas : {true, false}) {
        char out[64];
        std::memset(out, '#', sizeof out);
        CString text("old");
        if (commas) {
            conv.CommaStr(out, value, decimals...);
            conv.CommaStr(text, value, decimals...);
        } else {
            conv.NotCommaStr(out, value, decimals...);
            conv.NotCommaStr(text, value, decimals...);
        }
        EXPECT_EQ(out, commas ? expected : plain) << value;
        EXPECT_EQ(std::string(text), std::string(out).substr(0, sizeof...(decimals) != 0 ? 23 : 64)) << value;
    }
}

TEST(CommaStr, IntegersInGroupsOfThreeAndFourDigitFixedPointRoundedHalfUpAtTheFifth)
{
    const struct { long value; const char* text; } integers[] = {
        {0, "0"},       {999, "999"},         {1000, "1,000"},         {-5, "-5"},
        {1001, "1,001"}, {1000010, "1,000,010"}, {-1234567, "-1,234,567"},
        {INT32_MIN, "-2,147,483,648"},  {INT32_MAX, "2,147,483,647"},
    };
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
        {99999999999999.5, 2, "99,999,999,999,999.50"},
        {1e15, 2, "0"},           {-1e15, 2, "0"},
        {std::numeric_limits<double>::infinity(), 2, "0"}, {std::nan(""), 2, "0"},
        // From 1e14 to 9.99e14 the digits are still printed exactly.
        {1e14, 2, "100,000,000,000,000.00"},  {9.99e14, 1, "999,000,000,000,000.0"},
        {-123456789012345.5, 1, "-123,456,789,012,345.5"},
        {static_cast<double>(0.1285f), 3, "0.128"},
    };
    for (const auto& c : cases)
        ExpectText(c.text, c.value, c.decimals);
    const struct { float value; short decimals; const char* text; } floats[] = {
        {0.1285f, 3, "0.129"},   {-0.1285f, 3, "-0.129"}, {0.12345f, 4, "0.1240"},
        {0.00005f, 4, "0.0000"}, {0.0006f, 4, "0.0011"},  {-0.0006f, 4, "-0.0011"},
    };
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
    EXPECT_EQ(text(-1234567L), "-1,234,567");
    EXPECT_EQ(text(static_cast<short>(-1000)), "-1,000");
    EXPECT_EQ(text(1234.5, 2), "1,234");
    EXPECT_EQ(text(0.1285f, 3), "0");  // no float adjustment either
    EXPECT_EQ(text(-2.7f, 1), "-2");
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
        EXPECT_EQ(result, expected) << (isStrict ? "Convert2 of \"" : "Convert of \"") << text << '"';
        EXPECT_EQ(out, expected != 0 ? value : T(7)) << text << " decimals " << decimals;
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
        {",,,", 0, 0, 0},           {"  -1,234", 1, 1, -1234}, {" 5", 1, 1, 5},
        {"12.9", 1, 1, 12},         {"12.ab", 1, 1, 12},       {"-0", 1, 1, 0},
        {" ,5", 1, 0, 5},  {" ,-5", 1, 0, -5},  {" , 5", 1, 0, 5},  // commas after the leading blanks too
        {std::string(508, ' ') + "123", 1, 1, 123}, {std::string(509, ' ') + "123", 0, 1, 123},
    };
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
        {digits, 0, 1, 1e254},   {digits + "0", 0, 0, 0}, {digits + ".5", 1, 0, 0},
    };
    for (const Case& c : cases)
        Expect(c.text, c.result, c.result, c.value, c.decimals);
    Expect("16,777,217", 1, 1, 16777216.0f);  // the double result rounded to float
    Expect("0.1", 1, 1, 0.1f, 1);
    double value = -1;
    EXPECT_EQ(CConv().Convert(static_cast<const char*>(nullptr), &value, 0), 0);
    EXPECT_EQ(value, -1);

    // Type (L: a long of 32 bits only), text, whether it fits, the value:
    // long saturates like the C library; the most negative one is exact.
    const struct { char type; const char* text; int ok; long value; } limits[] = {
        {'c', "127", 1, 127},       {'c', "-128", 1, -128},     {'c', "128", 0, 0},       {'c', "-129", 0, 0},
        {'c', "1,000", 0, 0},       {'s', "32,767", 1, 32767},  {'s', "-32768", 1, -32768}, {'s', "32768", 0, 0},
        {'s', "-32,769", 0, 0},     {'s', "99999999999999999999", 0, 0},
        {'l', "-2,147,483,648", 1, INT32_MIN}, {'l', "2147483647", 1, INT32_MAX},
        {'l', "99999999999999999999999", 1, LONG_MAX}, {'l', "-99999999999999999999999", 1, LONG_MIN},
        {'L', "2147483648", 1, LONG_MAX},      {'L', "-2147483649", 1, LONG_MIN},
    };
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
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(check.DataCheck(text, low, high), expected) << text;
        EXPECT_EQ(check.DataCheck(CString(text), low, high), expected) << text;
        EXPECT_EQ(sub.ValueCheck(text, low, high), expected) << text;
        EXPECT_EQ(sub.ValueCheck(CString(text), low, high), expected) << text;
    }
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
        {" A", 0},    {"\x81\x41", 0}, {"\t", 0}, {"\x81", 0},
    };
    for (const auto& [text, blank] : blanks)
        EXPECT_EQ(CCheck().CheckSpace(text), blank) << (text != nullptr ? text : "(null)");
}

} // namespace
