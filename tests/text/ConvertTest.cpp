#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "text/CConv.h"

namespace {

const long kUntouched = 4242;

struct Parsed {
    int result;
    long value;  // kUntouched when the output was not written
};

Parsed Lenient(const char* text)
{
    CConv conv;
    long value = kUntouched;
    int result = conv.Convert(text, &value);
    return {result, value};
}

Parsed Strict(const char* text)
{
    CConv conv;
    long value = kUntouched;
    int result = conv.Convert2(text, &value);
    return {result, value};
}

void ExpectParsed(Parsed actual, int result, long value, const char* text, const char* family)
{
    EXPECT_EQ(actual.result, result) << family << " of \"" << text << "\"";
    EXPECT_EQ(actual.value, result != 0 ? value : kUntouched) << family << " of \"" << text << "\"";
}

TEST(ConvertRules, LenientAndStrictCommasSideBySide)
{
    struct Case {
        const char* text;
        int lenient;
        int strict;
        long value;
    } cases[] = {
        {"", 1, 0, 0},              // empty: zero for Convert, an error for Convert2
        {"1,2,3", 1, 0, 123},
        {",123", 1, 0, 123},
        {"1,234", 1, 1, 1234},
        {"12,345,678", 1, 1, 12345678},
        {"12,34", 1, 0, 1234},
        {"1234,567", 1, 1, 1234567},  // only the bytes after a comma are counted
        {"1,234,", 1, 0, 1234},
        {",,,", 0, 0, 0},             // nothing but commas
        {"  -1,234", 1, 1, -1234},
        {"12.9", 1, 1, 12},
        {"12.ab", 1, 1, 12},          // the integer forms keep no fraction byte
        {"-0", 1, 1, 0},
    };
    for (const Case& c : cases) {
        ExpectParsed(Lenient(c.text), c.lenient, c.value, c.text, "Convert");
        ExpectParsed(Strict(c.text), c.strict, c.value, c.text, "Convert2");
    }
}

TEST(ConvertRules, SignsBlanksAndStrayBytesFailInBothFamilies)
{
    const char* failing[] = {"- 12", "+5", "5 ", "   ", "-", "12a", "\t5", "\x81\x40" "5", "1 2", "--5", "5-"};
    for (const char* text : failing) {
        ExpectParsed(Lenient(text), 0, 0, text, "Convert");
        ExpectParsed(Strict(text), 0, 0, text, "Convert2");
    }
    ExpectParsed(Lenient(" 5"), 1, 5, " 5", "Convert");
    ExpectParsed(Strict(" 5"), 1, 5, " 5", "Convert2");
}

TEST(ConvertRules, FractionsAreCutNeverRounded)
{
    CConv conv;
    struct Case {
        const char* text;
        short decimals;
        int result;
        double value;
    } cases[] = {
        {"12.345", 2, 1, 12.34},   {"12.345", 0, 1, 12.0},   {"12.345", 5, 1, 12.345},
        {"12.3x", 1, 1, 12.3},     {"12.3x", 2, 0, 0},       {"1.2,3", 3, 0, 0},
        {"1.2,3", 1, 1, 1.2},      {"1.2.3", 3, 0, 0},       {"-0.999", 2, 1, -0.99},
        {"12.9", -1, 1, 12.0},     {".5", 1, 1, 0.5},        {"1,234.5", 1, 1, 1234.5},
        // Beyond the exact path the value is still correctly rounded.
        {"123456789012345678.5", 1, 1, 123456789012345678.5},
        {"0.12345678901234567890123456789", 29, 1, 0.12345678901234567890123456789},
    };
    for (const Case& c : cases) {
        for (int family = 0; family < 2; ++family) {
            double value = -1.0;
            int result = family == 0 ? conv.Convert(c.text, &value, c.decimals)
                                     : conv.Convert2(c.text, &value, c.decimals);
            EXPECT_EQ(result, c.result) << c.text << " decimals " << c.decimals;
            EXPECT_EQ(value, c.result != 0 ? c.value : -1.0) << c.text << " decimals " << c.decimals;
        }
    }
    float single = 0;
    EXPECT_EQ(conv.Convert("16,777,217", &single, 0), 1);
    EXPECT_EQ(single, 16777216.0f);  // the double result rounded to float
    EXPECT_EQ(conv.Convert("0.1", &single, 1), 1);
    EXPECT_EQ(single, 0.1f);
}

TEST(ConvertRules, CharAndShortRangeLimits)
{
    CConv conv;
    struct Case {
        const char* text;
        int result;
        long value;
    } chars[] = {{"127", 1, 127}, {"128", 0, 0}, {"-128", 1, -128}, {"-129", 0, 0}, {"1,000", 0, 0}},
      shorts[] = {{"32,767", 1, 32767}, {"32768", 0, 0}, {"-32768", 1, -32768}, {"-32,769", 0, 0},
                  {"99999999999999999999", 0, 0}};
    for (const Case& c : chars) {
        char value = 7;
        EXPECT_EQ(conv.Convert(c.text, &value), c.result) << c.text;
        EXPECT_EQ(value, c.result != 0 ? c.value : 7) << c.text;
        value = 7;
        EXPECT_EQ(conv.Convert2(CString(c.text), &value), c.result) << c.text;
        EXPECT_EQ(value, c.result != 0 ? c.value : 7) << c.text;
    }
    for (const Case& c : shorts) {
        short value = 7;
        EXPECT_EQ(conv.Convert(CString(c.text), &value), c.result) << c.text;
        EXPECT_EQ(value, c.result != 0 ? c.value : 7) << c.text;
        value = 7;
        EXPECT_EQ(conv.Convert2(c.text, &value), c.result) << c.text;
        EXPECT_EQ(value, c.result != 0 ? c.value : 7) << c.text;
    }
}

TEST(ConvertRules, LongLimitsSaturateLikeTheCLibrary)
{
    EXPECT_EQ(Lenient("-2,147,483,648").value, static_cast<long>(INT32_MIN));
    EXPECT_EQ(Strict("2,147,483,647").value, static_cast<long>(INT32_MAX));
    if (sizeof(long) == 4) {
        EXPECT_EQ(Lenient("2147483648").value, LONG_MAX);
        EXPECT_EQ(Strict("-2147483649").value, LONG_MIN);
    }
    EXPECT_EQ(Lenient("99999999999999999999999").value, LONG_MAX);
    EXPECT_EQ(Strict("-99999999999999999999999").value, LONG_MIN);
}

TEST(ConvertRules, TextsBeyondTheWorkBuffersFail)
{
    // Convert copies the whole text: 511 bytes pass, 512 fail.
    std::string text = std::string(508, ' ') + "123";
    ExpectParsed(Lenient(text.c_str()), 1, 123, "508 blanks and 123", "Convert");
    text.insert(0, " ");
    ExpectParsed(Lenient(text.c_str()), 0, 0, "509 blanks and 123", "Convert");
    // Convert2 has no copy: only the number part counts (at most 255 bytes).
    ExpectParsed(Strict(text.c_str()), 1, 123, "509 blanks and 123", "Convert2");
    CConv conv;
    double value = -1;
    std::string digits = "1" + std::string(254, '0');
    EXPECT_EQ(conv.Convert2(digits.c_str(), &value, 0), 1);
    EXPECT_EQ(value, 1e254);
    EXPECT_EQ(conv.Convert2((digits + "0").c_str(), &value, 0), 0);
    EXPECT_EQ(conv.Convert2((digits + ".5").c_str(), &value, 1), 0);
    EXPECT_EQ(value, 1e254);
    EXPECT_EQ(conv.Convert(static_cast<const char*>(nullptr), &value, 0), 0);
}

} // namespace
