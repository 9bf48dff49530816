#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "text/CConv.h"
#include "text/CDlgSub.h"
#include "text/CFixDecimal.h"

namespace {

std::string Comma(long value)
{
    char out[32];
    CConv().CommaStr(out, value);
    return out;
}

std::string Plain(long value)
{
    char out[32];
    CConv().NotCommaStr(out, value);
    return out;
}

std::string Comma(double value, short decimals)
{
    char out[64];
    std::memset(out, '#', sizeof out);
    CConv().CommaStr(out, value, decimals);
    return out;
}

TEST(CommaStrInteger, GroupsOfThreeWithAndWithoutCommas)
{
    struct Case {
        long value;
        const char* comma;
        const char* plain;
    } cases[] = {
        {0, "0", "0"},           {5, "5", "5"},
        {999, "999", "999"},     {1000, "1,000", "1000"},
        {-5, "-5", "-5"},        {1001, "1,001", "1001"},
        {1000000, "1,000,000", "1000000"},
        {-1234567, "-1,234,567", "-1234567"},
        {1000010, "1,000,010", "1000010"},
        {static_cast<long>(INT32_MIN), "-2,147,483,648", "-2147483648"},
        {static_cast<long>(INT32_MAX), "2,147,483,647", "2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Comma(c.value), c.comma);
        EXPECT_EQ(Plain(c.value), c.plain);
    }
    if (sizeof(long) == 8) {
        EXPECT_EQ(Comma(LONG_MIN), "-9,223,372,036,854,775,808");
    }

    CConv conv;
    char out[16];
    conv.CommaStr(out, static_cast<short>(-32768));
    EXPECT_STREQ(out, "-32,768");
    conv.CommaStr(out, static_cast<char>(0xC8));  // sign-extended: -56
    EXPECT_STREQ(out, "-56");
    conv.NotCommaStr(out, static_cast<char>(127));
    EXPECT_STREQ(out, "127");
    CString text("old");
    conv.CommaStr(text, static_cast<long>(INT32_MIN));
    EXPECT_EQ(text, "-2,147,483,648");
    conv.NotCommaStr(text, static_cast<short>(-1234));
    EXPECT_EQ(text, "-1234");
}

TEST(CommaStrDecimal, FourDigitFixedPointRoundedHalfUpAtTheFifth)
{
    struct Case {
        double value;
        short decimals;
        const char* text;
    } cases[] = {
        {1234.5, 0, "1,234"},        {1234.5, 2, "1,234.50"},
        {-0.5, 1, "-0.5"},           {-0.5, 0, "-0"},
        {-0.00004, 2, "0.00"},       {-0.00005, 2, "-0.00"},  // a zero magnitude has no sign
        {2.99996, 2, "3.00"},        {0.99995, 4, "1.0000"},   // the carry reaches the units
        {1999.99999, 0, "2,000"},     {0.129, 2, "0.12"},       // cut, not rounded
        {1234567.891, 2, "1,234,567.89"},
        {5, 6, "5.000000"},          {2.7, 0, "2"},            {2.7, -3, "2"},
        {0.00005, 4, "0.0001"},      {0.00004, 4, "0.0000"},
        {99999999999999.5, 2, "99,999,999,999,999.50"},
        {1e15, 2, "0"},              {-1e15, 2, "0"},
        {std::numeric_limits<double>::infinity(), 2, "0"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0"},
        // From 1e14 to 9.99e14 the digits are still printed exactly.
        {1e14, 2, "100,000,000,000,000.00"},
        {9.99e14, 1, "999,000,000,000,000.0"},
        {-123456789012345.5, 1, "-123,456,789,012,345.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Comma(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;

    char out[32];
    CConv().NotCommaStr(out, 1234567.891, 2);
    EXPECT_STREQ(out, "1234567.89");
    CConv().NotCommaStr(out, -123456789012345.5, 0);
    EXPECT_STREQ(out, "-123456789012345");
}

TEST(CommaStrDecimal, FloatsAreMovedHalfAThousandthAwayFromZero)
{
    CConv conv;
    char out[32];
    conv.CommaStr(out, 0.1285f, 3);
    EXPECT_STREQ(out, "0.129");
    conv.CommaStr(out, -0.1285f, 3);
    EXPECT_STREQ(out, "-0.129");
    conv.NotCommaStr(out, 0.12345f, 4);
    EXPECT_STREQ(out, "0.1240");
    conv.CommaStr(out, 0.00005f, 4);  // too small to be moved
    EXPECT_STREQ(out, "0.0000");
    CString text;
    conv.CommaStr(text, 0.1285f, 3);
    EXPECT_EQ(text, "0.129");
    // The double form gets no adjustment.
    conv.CommaStr(out, static_cast<double>(0.1285f), 3);
    EXPECT_STREQ(out, "0.128");
}

TEST(CommaStrDecimal, CStringFormsKeepAtMost23Characters)
{
    CConv conv;
    CString text;
    conv.CommaStr(text, 1234.5, 2);
    EXPECT_EQ(text, "1,234.50");
    conv.CommaStr(text, -99999999999999.0, 6);
    EXPECT_EQ(text, "-99,999,999,999,999.000");
    conv.NotCommaStr(text, 1.0, 40);
    EXPECT_EQ(text, CString("1.") + CString('0', 21));
}

TEST(CFixDecimal, HoldsFourDigitsExactlyBelow1e14)
{
    CFixDecimal carried(2.99996);
    EXPECT_EQ(carried.GetScaled(), 30000);
    EXPECT_EQ(carried.GetIntegerPart(), 3u);
    EXPECT_EQ(carried.GetFraction(), 0u);
    EXPECT_FALSE(CFixDecimal(-0.00004) < 0.0);
    EXPECT_TRUE(CFixDecimal(-0.00005) < 0.0);
    EXPECT_EQ((-CFixDecimal(1.23456)).GetScaled(), -12346);
    EXPECT_EQ(CFixDecimal(99999999999999.0).GetIntegerPart(), 99999999999999u);
    EXPECT_THROW(CFixDecimal(1e14), CFixDecimal::RangeError);
    EXPECT_THROW(CFixDecimal(-1e14), CFixDecimal::RangeError);
    EXPECT_THROW(CFixDecimal(std::nan("")), CFixDecimal::RangeError);
}

TEST(CDlgSub, CommaStrForwardersDropTheFraction)
{
    CDlgSub sub;
    char out[32];
    sub.CommaStr(out, -1234567L);
    EXPECT_STREQ(out, "-1,234,567");
    sub.CommaStr(out, static_cast<short>(-1000));
    EXPECT_STREQ(out, "-1,000");
    sub.CommaStr(out, 1234.5, 2);
    EXPECT_STREQ(out, "1,234");
    sub.CommaStr(out, 0.1285f, 3);  // no float adjustment either
    EXPECT_STREQ(out, "0");
    sub.CommaStr(out, -2.7f, 1);
    EXPECT_STREQ(out, "-2");
}

} // namespace
