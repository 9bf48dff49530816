#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

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

    CString held("ab"), emptied;
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
    emptied.GetBuffer(5);
    emptied.ReleaseBuffer(1000);  // longer than the buffer: clamped, no overrun
    EXPECT_LE(emptied.GetLength(), 5);
}

TEST(CString, ShiftJisTrailBytesAreNeverSeparatorsOrLettersAndTrimmingTakesWholeCharacters)
{
    CString path = CString("C:\\") + kHyo + "\\" + kSo;
    // Not the trail byte at 4; "\x5C\x8E" would straddle two characters.
    EXPECT_EQ((std::vector<int>{path.Find('\\'), path.Find('\\', 3), path.ReverseFind('\\'), CString(kHyoji).Find("\\"),
                                CString(kHyoji).Find("\x5C\x8E")}),
              (std::vector<int>{2, 5, 5, -1, -1}));

    // Trimming removes only whole target characters.
    CString trimmed = CString("x") + kHyo, s(" \t ab c\r\n "), zeros("000120");
    CString withBlank = CString("x") + kWideBlank, mixed = CString("ab") + kA + kXya + "cd";
    CString wide = CString(kWideBlank) + "x" + kWideBlank + " " + kWideBlank;
    trimmed.TrimRight('\\');
    withBlank.TrimRight('@');
    mixed.MakeUpper();
    s.TrimLeft();
    s.TrimRight();
    zeros.TrimLeft('0');
    wide.TrimRight(CString(kWideBlank) + " ");
    const std::string wideRight = Bytes(wide);
    wide.TrimLeft(kWideBlank);
    EXPECT_EQ((std::vector<std::string>{Bytes(trimmed), Bytes(withBlank), Bytes(mixed), Bytes(s), Bytes(zeros),
                                        wideRight, Bytes(wide)}),
              (std::vector<std::string>{std::string("x") + kHyo, std::string("x") + kWideBlank,
                                        std::string("AB") + kA + kXya + "CD", "ab c", "120",
                                        std::string(kWideBlank) + "x", "x"}));
}

TEST(CString, ConstructionCopyConcatenationAndExtractionKeepShiftJisAndClamp)
{
    CString s(kHyoji), copy = s;
    copy += kSo;
    copy = copy + '\\' + CString(kHyo);
    // The source is untouched.
    EXPECT_EQ((std::vector<std::string>{Bytes(copy), Bytes(copy.Left(2)), Bytes(copy.Mid(4, 2)), Bytes(copy.Right(2)),
                                        Bytes(s)}),
              (std::vector<std::string>{std::string(kHyoji) + kSo + "\\" + kHyo, kHyo, kSo, kHyo, kHyoji}));

    // Indexes and counts are clamped.
    CString t("abcdef");
    EXPECT_EQ(
        (std::vector<std::string>{Bytes(t.Mid(-3, 2)), Bytes(t.Mid(4, 100)), Bytes(t.Left(-1)), Bytes(t.Right(-5))}),
        (std::vector<std::string>{"ab", "ef", "", ""}));
    t.SetAt(99, 'z');
    EXPECT_EQ(std::make_tuple(t[-1], Bytes(t)), std::make_tuple('\0', std::string("abcdef")));

    // Construction and moves.
    EXPECT_EQ((std::vector<std::string>{Bytes(CString('-', 3)), Bytes(CString("abcdef", 3)),
                                        Bytes(CString(static_cast<const char*>(nullptr)))}),
              (std::vector<std::string>{"---", "abc", ""}));
    CString moved(CString("xyz")), target;
    target = static_cast<CString&&>(moved);
    EXPECT_TRUE(target == "xyz" && moved.IsEmpty() && sizeof(CString) == sizeof(char*));

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
        for (int op = 0; op < 6; ++op)
            EXPECT_EQ(std::make_tuple(both[op], left[op], right[op]),
                      std::make_tuple(expected[op], expected[op], expected[op])) << a << " " << b << " operator " << op;
    }
    // 0x95 is above every ASCII byte, a half-width katakana byte above 0x81; trail bytes are not folded.
    EXPECT_EQ((std::vector<bool>{CString(kHyo) > "z", CString("\xB1") > CString(kWideBlank),
                                 CString(kSo).Compare(kA) > 0, CString(kA).CompareNoCase("\x83\x61") != 0,
                                 CString("a").CompareNoCase("B") < 0, CString().Compare(nullptr) == 0}),
              std::vector<bool>(6, true));
}

} // namespace
