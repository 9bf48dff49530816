#include <gtest/gtest.h>

#include "text/CCheck.h"
#include "text/CDlgSub.h"

namespace {

// Every case runs through CCheck and through CDlgSub, with char* and CString.
template <typename Bound>
void ExpectInside(const char* text, Bound low, Bound high, int expected)
{
    CCheck check;
    CDlgSub sub;
    EXPECT_EQ(check.DataCheck(text, low, high), expected) << text;
    EXPECT_EQ(check.DataCheck(CString(text), low, high), expected) << text;
    EXPECT_EQ(sub.ValueCheck(text, low, high), expected) << text;
    EXPECT_EQ(sub.ValueCheck(CString(text), low, high), expected) << text;
}

TEST(RangeCheck, IntegerBoundsCutTheFractionAndAcceptCommas)
{
    ExpectInside("", 0L, 10L, 0);  // empty is never inside, even with 0 in range
    ExpectInside("1,000", 0L, 1000L, 1);
    ExpectInside("1,0,01", 0L, 1000L, 0);  // lenient commas: 1001
    ExpectInside("12.9", 0L, 12L, 1);
    ExpectInside("-5", static_cast<short>(-5), static_cast<short>(5), 1);
    ExpectInside("-6", static_cast<short>(-5), static_cast<short>(5), 0);
    ExpectInside("5a", 0L, 10L, 0);
    ExpectInside("   ", 0L, 10L, 0);
}

TEST(RangeCheck, DecimalBoundsCutToThreeDigits)
{
    ExpectInside("1.2345", 0.0, 1.234, 1);
    ExpectInside("1.235", 0.0, 1.234, 0);
    ExpectInside("-0.0019", -0.001, 0.0, 1);
    // The bound widened from float lies slightly above 0.1.
    ExpectInside("0.1", 0.1f, 1.0f, 0);
    ExpectInside("0.5", 0.1f, 1.0f, 1);
}

TEST(RangeCheck, CheckSpaceAcceptsOnlyBlanks)
{
    CCheck check;
    EXPECT_EQ(check.CheckSpace(""), 1);
    EXPECT_EQ(check.CheckSpace("   "), 1);
    EXPECT_EQ(check.CheckSpace("\x81\x40\x81\x40"), 1);
    EXPECT_EQ(check.CheckSpace(" \x81\x40 "), 1);
    EXPECT_EQ(check.CheckSpace(" A"), 0);
    EXPECT_EQ(check.CheckSpace("\x81\x41"), 0);
    EXPECT_EQ(check.CheckSpace("\t"), 0);
    EXPECT_EQ(check.CheckSpace("\x81"), 0);
}

} // namespace
