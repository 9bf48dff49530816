#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "afx/CString.h"

namespace {

// Shift-JIS samples. 0x5C (backslash) and ASCII letters occur as trail bytes.
const char kHyo[] = "\x95\x5C";        // 表
const char kHyoji[] = "\x95\x5C\x8E\xA6";  // 表示
const char kSo[] = "\x83\x5C";         // ソ
const char kA[] = "\x83\x41";          // ア, trail byte 'A'
const char kXya[] = "\x83\x62";        // ッ, trail byte 'b'
const char kWideBlank[] = "\x81\x40";  // full-width blank, trail byte '@'

std::string Bytes(const CString& s)
{
    return std::string(static_cast<const char*>(s), static_cast<size_t>(s.GetLength()));
}

TEST(CString, FormatOfAnyLengthAndBufferAccess)
{
    std::string longText(100000, 'x');
    CString s;
    s.Format("[%s|%d|%s]", longText.c_str(), -12345, kHyoji);
    EXPECT_EQ(Bytes(s), "[" + longText + "|-12345|" + kHyoji + "]");

    CString held("ab");
    char* buffer = held.GetBuffer(10);
    EXPECT_EQ(std::string(buffer), "ab");
    std::snprintf(buffer, 11, "%s", "0123456789");
    held.ReleaseBuffer();
    EXPECT_EQ(held.GetLength(), 10);
    held.GetBuffer(0);
    held.ReleaseBuffer(4);
    EXPECT_EQ(held, "0123");

    std::memcpy(held.GetBufferSetLength(3), "\x83\x5Cx", 3);
    held.ReleaseBuffer(3);
    EXPECT_EQ(Bytes(held), std::string(kSo) + "x");
    CString emptied;
    emptied.GetBuffer(5);
    emptied.ReleaseBuffer(1000);  // longer than the buffer: clamped, no overrun
    EXPECT_LE(emptied.GetLength(), 5);
}

TEST(CString, ShiftJisTrailBytesAreNeverSeparatorsOrLettersAndTrimmingTakesWholeCharacters)
{
    CString path = CString("C:\\") + kHyo + "\\" + kSo;
    EXPECT_EQ(path.Find('\\'), 2);
    EXPECT_EQ(path.Find('\\', 3), 5);  // not the trail byte at 4
    EXPECT_EQ(path.ReverseFind('\\'), 5);
    EXPECT_EQ(CString(kHyoji).Find("\\"), -1);
    EXPECT_EQ(CString(kHyoji).Find("\x5C\x8E"), -1);  // would straddle two characters

    CString trimmed = CString("x") + kHyo;
    trimmed.TrimRight('\\');
    EXPECT_EQ(Bytes(trimmed), std::string("x") + kHyo);
    CString withBlank = CString("x") + kWideBlank;
    withBlank.TrimRight('@');
    EXPECT_EQ(Bytes(withBlank), std::string("x") + kWideBlank);

    CString mixed = CString("ab") + kA + kXya + "cd";
    mixed.MakeUpper();
    EXPECT_EQ(Bytes(mixed), std::string("AB") + kA + kXya + "CD");

    // Trimming removes only whole target characters.
    CString s(" \t ab c\r\n ");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(s, "ab c");

    CString wide = CString(kWideBlank) + "x" + kWideBlank + " " + kWideBlank;
    wide.TrimRight(CString(kWideBlank) + " ");
    EXPECT_EQ(Bytes(wide), std::string(kWideBlank) + "x");
    wide.TrimLeft(kWideBlank);
    EXPECT_EQ(wide, "x");

    CString zeros("000120");
    zeros.TrimLeft('0');
    EXPECT_EQ(zeros, "120");
}

TEST(CString, ConstructionCopyConcatenationAndExtractionKeepShiftJisAndClamp)
{
    CString s(kHyoji);
    CString copy = s;
    copy += kSo;
    copy = copy + '\\' + CString(kHyo);
    EXPECT_EQ(Bytes(copy), std::string(kHyoji) + kSo + "\\" + kHyo);
    EXPECT_EQ(Bytes(copy.Left(2)), kHyo);
    EXPECT_EQ(Bytes(copy.Mid(4, 2)), kSo);
    EXPECT_EQ(Bytes(copy.Right(2)), kHyo);
    EXPECT_EQ(Bytes(s), kHyoji);  // the source is untouched

    // Indexes and counts are clamped.
    CString t("abcdef");
    EXPECT_EQ(t.Mid(-3, 2), "ab");
    EXPECT_EQ(t.Mid(4, 100), "ef");
    EXPECT_EQ(t.Left(-1), "");
    EXPECT_EQ(t.Right(-5), "");
    EXPECT_EQ(t[-1], '\0');
    t.SetAt(99, 'z');
    EXPECT_EQ(t, "abcdef");

    // Construction and moves.
    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    CString moved(CString("xyz"));
    CString target;
    target = static_cast<CString&&>(moved);
    EXPECT_EQ(target, "xyz");
    EXPECT_TRUE(moved.IsEmpty());
    EXPECT_EQ(sizeof(CString), sizeof(char*));

    // Operations on the string's own text.
    CString self("abc");
    self += self;
    EXPECT_EQ(self, "abcabc");
    self += static_cast<const char*>(self) + 3;
    EXPECT_EQ(self, "abcabcabc");
    self = static_cast<const char*>(self) + 6;
    EXPECT_EQ(self, "abc");
}

TEST(CString, ComparisonsAreBytewiseAndUnsigned)
{
    // Each operator with either side as the plain text, on less, equal and greater.
    for (const auto& [a, b, sign] : {std::make_tuple("abc", "abd", -1), std::make_tuple("abc", "abc", 0),
                                     std::make_tuple("abc", "ab", 1)}) {
        const bool expected[] = {sign == 0, sign != 0, sign < 0, sign > 0, sign <= 0, sign >= 0};
        const CString x(a), y(b);
        const bool both[] = {x == y, x != y, x < y, x > y, x <= y, x >= y};
        const bool left[] = {a == y, a != y, a < y, a > y, a <= y, a >= y};
        const bool right[] = {x == b, x != b, x < b, x > b, x <= b, x >= b};
        for (int op = 0; op < 6; ++op) {
            EXPECT_EQ(both[op], expected[op]) << a << " " << b << " operator " << op;
            EXPECT_EQ(left[op], expected[op]) << a << " " << b << " operator " << op;
            EXPECT_EQ(right[op], expected[op]) << a << " " << b << " operator " << op;
        }
    }
    EXPECT_TRUE(CString(kHyo) > "z");  // 0x95 is above every ASCII byte
    EXPECT_TRUE(CString("\xB1") > CString(kWideBlank));  // half-width katakana byte vs 0x81
    EXPECT_GT(CString(kSo).Compare(kA), 0);
    EXPECT_NE(CString(kA).CompareNoCase("\x83\x61"), 0);  // trail bytes are not folded
    EXPECT_LT(CString("a").CompareNoCase("B"), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
}

} // namespace
