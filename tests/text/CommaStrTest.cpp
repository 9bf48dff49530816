#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CommaStr, IntegersInGroupsOfThree)
{
    const struct { long value; const char* text; } cases[] = {
        {0, "0"},       {999, "999"},         {1000, "1,000"},         {-5, "-5"},
        {1001, "1,001"}, {1000010, "1,000,010"}, {-1234567, "-1,234,567"},
        {INT32_MIN, "-2,147,483,648"},  {INT32_MAX, "2,147,483,647"},
    };
    for (const auto& c : cases)
        ExpectText(c.text, c.value);
    if (sizeof(long) == 8)
        ExpectText("-9,223,372,036,854,775,808", LONG_MIN);
    ExpectText("-32,768", static_cast<short>(-32768));
    ExpectText("-56", static_cast<char>(0xC8));  // sign-extended
    ExpectText("127", static_cast<char>(127));
}

TEST(CommaStr, FourDigitFixedPointRoundedHalfUpAtTheFifth)
{
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
        {static_cast<double>(0.1285f), 3, "0.128"},  // the double form gets no adjustment
    };
    for (const auto& c : cases)
        ExpectText(c.text, c.value, c.decimals);
}

TEST(CommaStr, FloatsAreMovedHalfAThousandthAwayFromZero)
{
    ExpectText("0.129", 0.1285f, static_cast<short>(3));
    ExpectText("-0.129", -0.1285f, static_cast<short>(3));
    ExpectText("0.1240", 0.12345f, static_cast<short>(4));
    ExpectText("0.0000", 0.00005f, static_cast<short>(4));  // too small to be moved
    ExpectText("0.0011", 0.0006f, static_cast<short>(4));   // moved from a ten-thousandth on
    ExpectText("-0.0011", -0.0006f, static_cast<short>(4));
}

TEST(CFixDecimal, HoldsFourDigitsExactlyBelow1e14)
{
    CFixDecimal carried(2.99996);
    EXPECT_EQ(carried.GetScaled(), 30000);
    EXPECT_EQ(carried.GetIntegerPart(), 3u);
    EXPECT_EQ(carried.GetFraction(), 0u);
    EXPECT_TRUE(CFixDecimal(-0.00005) < 0.0);
    EXPECT_EQ((-CFixDecimal(1.23456)).GetScaled(), -12346);
    EXPECT_EQ(CFixDecimal(-1.5).GetScaled(), -15000);
    EXPECT_EQ(CFixDecimal().GetScaled(), 0);
    EXPECT_EQ(CFixDecimal().GetIntegerPart(), 0u);
    for (double outside : {1e14, -1e14, std::nan("")})
        EXPECT_THROW(CFixDecimal{outside}, CFixDecimal::RangeError);
}

TEST(CDlgSub, CommaStrForwardersDropTheFraction)
{
    CDlgSub sub;
    char out[32];
    auto text = [&](auto value, auto... decimals) {
        sub.CommaStr(out, value, decimals...);
        return std::string(out);
    };
    EXPECT_EQ(text(-1234567L), "-1,234,567");
    EXPECT_EQ(text(static_cast<short>(-1000)), "-1,000");
    EXPECT_EQ(text(1234.5, 2), "1,234");
    EXPECT_EQ(text(0.1285f, 3), "0");  // no float adjustment either
    EXPECT_EQ(text(-2.7f, 1), "-2");
}

} // namespace
