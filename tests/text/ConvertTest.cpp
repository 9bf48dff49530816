#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <type_traits>

#include "text/CCheck.h"
#include "text/CConv.h"
#include "text/CDlgSub.h"

namespace {

template <typename T, typename Text>
int Parse(bool strict, Text text, T* out, short decimals)
{
    CConv conv;
    if constexpr (std::is_floating_point_v<T>)
        return strict ? conv.Convert2(text, out, decimals) : conv.Convert(text, out, decimals);
    else
        return strict ? conv.Convert2(text, out) : conv.Convert(text, out);
}

// Convert (lenient) and Convert2 (strict), each through const char* and
// CString; the output is written only on success.
template <typename T>
void Expect(const std::string& text, int lenient, int strict, T value, short decimals = 0)
{
    for (int form = 0; form < 4; ++form) {
        bool isStrict = (form & 1) != 0;
        int expected = isStrict ? strict : lenient;
        T out = T(7);
        int result = (form & 2) != 0 ? Parse(isStrict, CString(text.c_str()), &out, decimals)
                                     : Parse(isStrict, text.c_str(), &out, decimals);
        EXPECT_EQ(result, expected) << (isStrict ? "Convert2 of \"" : "Convert of \"") << text << '"';
        EXPECT_EQ(out, expected != 0 ? value : T(7)) << text << " decimals " << decimals;
    }
}

TEST(Convert, LenientAndStrictCommasSideBySide)
{
    struct Case { const char* text; int lenient, strict; long value; } cases[] = {
        {"", 1, 0, 0},  // empty: zero for Convert, an error for Convert2
        {"1,2,3", 1, 0, 123},       {",123", 1, 0, 123},      {"1,234", 1, 1, 1234},
        {"12,345,678", 1, 1, 12345678}, {"12,34", 1, 0, 1234}, {"1,234,", 1, 0, 1234},
        {"1234,567", 1, 1, 1234567},  // only the bytes after a comma are counted
        {",,,", 0, 0, 0},           {"  -1,234", 1, 1, -1234}, {" 5", 1, 1, 5},
        {"12.9", 1, 1, 12},         {"12.ab", 1, 1, 12},       {"-0", 1, 1, 0},
        {" ,5", 1, 0, 5},  {" ,-5", 1, 0, -5},  {" , 5", 1, 0, 5},  // commas after the leading blanks too
    };
    for (const Case& c : cases)
        Expect(c.text, c.lenient, c.strict, c.value);
    Expect("", 1, 0, 0.0, static_cast<short>(2));
    // Signs, blanks and stray bytes fail in both families.
    for (const char* text : {"- 12", "+5", "5 ", "   ", "-", "12a", "\t5", "\x81\x40" "5", "1 2", "--5", "5-"})
        Expect(text, 0, 0, 0L);
}

TEST(Convert, FractionsAreCutNeverRounded)
{
    struct Case { const char* text; short decimals; int result; double value; } cases[] = {
        {"12.345", 2, 1, 12.34}, {"12.345", 0, 1, 12.0}, {"12.345", 5, 1, 12.345}, {"12.9", -1, 1, 12.0},
        {"12.3x", 1, 1, 12.3},   {"12.3x", 2, 0, 0},     {"1.2,3", 3, 0, 0},       {"1.2,3", 1, 1, 1.2},
        {"1.2.3", 3, 0, 0},      {"-0.999", 2, 1, -0.99}, {".5", 1, 1, 0.5},       {"1,234.5", 1, 1, 1234.5},
        // Beyond the exact path the value is still correctly rounded.
        {"123456789012345678.5", 1, 1, 123456789012345678.5},
        {"0.12345678901234567890123456789", 29, 1, 0.12345678901234567890123456789},
    };
    for (const Case& c : cases)
        Expect(c.text, c.result, c.result, c.value, c.decimals);
    Expect("16,777,217", 1, 1, 16777216.0f);  // the double result rounded to float
    Expect("0.1", 1, 1, 0.1f, 1);
}

TEST(Convert, CharShortAndLongLimits)
{
    Expect<char>("127", 1, 1, 127);
    Expect<char>("-128", 1, 1, -128);
    for (const char* text : {"128", "-129", "1,000"})
        Expect<char>(text, 0, 0, 0);
    Expect<short>("32,767", 1, 1, 32767);
    Expect<short>("-32768", 1, 1, -32768);
    for (const char* text : {"32768", "-32,769", "99999999999999999999"})
        Expect<short>(text, 0, 0, 0);
    // long saturates like the C library; the most negative one is exact.
    Expect<long>("-2,147,483,648", 1, 1, INT32_MIN);
    Expect<long>("2147483647", 1, 1, INT32_MAX);
    if (sizeof(long) == 4) {
        Expect<long>("2147483648", 1, 1, LONG_MAX);
        Expect<long>("-2147483649", 1, 1, LONG_MIN);
    }
    Expect<long>("99999999999999999999999", 1, 1, LONG_MAX);
    Expect<long>("-99999999999999999999999", 1, 1, LONG_MIN);
}

TEST(Convert, TextsBeyondTheWorkBuffersFail)
{
    // Convert copies the whole text (511 bytes pass, 512 fail); both keep a
    // number part of at most 255 bytes.
    Expect<long>(std::string(508, ' ') + "123", 1, 1, 123);
    Expect<long>(std::string(509, ' ') + "123", 0, 1, 123);
    std::string digits = "1" + std::string(254, '0');
    Expect(digits, 1, 1, 1e254);
    Expect(digits + "0", 0, 0, 0.0);
    Expect(digits + ".5", 0, 0, 0.0, 1);
    double value = -1;
    EXPECT_EQ(CConv().Convert(static_cast<const char*>(nullptr), &value, 0), 0);
    EXPECT_EQ(value, -1);
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

TEST(RangeCheck, IntegerBoundsCutTheFractionDecimalBoundsAtThreeDigits)
{
    // Empty is never inside, even with 0 in range; commas are lenient.
    ExpectInside(0L, 1000L, {{"", 0}, {"1,0,01", 0}, {"1,000", 1}, {"1000.9", 1}, {"5a", 0}});
    ExpectInside<short>(-5, 5, {{"-5", 1}, {"-6", 0}});
    ExpectInside(-0.001, 1.234, {{"-0.0019", 1}, {"1.2345", 1}, {"1.235", 0}});
    ExpectInside(0.1f, 1.0f, {{"0.1", 0}, {"0.5", 1}});  // the widened bound lies above 0.1
}

TEST(RangeCheck, CheckSpaceAcceptsOnlyBlanks)
{
    for (const char* blank : {static_cast<const char*>(nullptr), "", "   ", "\x81\x40\x81\x40", " \x81\x40 "})
        EXPECT_EQ(CCheck().CheckSpace(blank), 1) << (blank != nullptr ? blank : "(null)");
    for (const char* text : {" A", "\x81\x41", "\t", "\x81"})
        EXPECT_EQ(CCheck().CheckSpace(text), 0) << text;
    // An empty or missing text is never inside a range.
    EXPECT_EQ(CCheck().DataCheck("", -10L, 10L), 0);
    EXPECT_EQ(CCheck().DataCheck(static_cast<const char*>(nullptr), -10L, 10L), 0);
}

} // namespace
