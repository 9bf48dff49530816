#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text/CConv.h"
#include "text/CDlgSub.h"

// Shift-JIS bytes used below.
#define SJIS_SO "\x83\x5C"     /* ソ: trail byte 0x5C */
#define SJIS_FU "\x83\x74"     /* フ */
#define SJIS_NI "\x93\xFA"     /* 日 */
#define SJIS_HON "\x96\x7B"    /* 本 */
#define SJIS_GO "\x8C\xEA"     /* 語 */
#define SJIS_BLANK "\x81\x40"  /* full-width blank */

TEST(KanjiCopy, CopiesCountBytesWithoutSplittingALeadByte)
{
    const struct { const char* src; short count; const char* copied; } cases[] = {
        {SJIS_NI "B", 2, SJIS_NI}, {SJIS_NI "B", 1, ""}, {SJIS_NI "B", 3, SJIS_NI "B"},
        {"AB", 0, ""},             {"AB", -1, ""},
        {"\x81\x81\x81\x40", 3, "\x81\x81"},  // a trail byte in the lead-byte range
    };
    for (const auto& c : cases) {
        // count bytes and the NUL, then a guard that must stay.
        std::vector<char> dest(c.count > 0 ? c.count + 2 : 2, '#');
        std::string src(c.src);
        CConv().KanjiCopy(dest.data(), &src[0], c.count);
        EXPECT_STREQ(dest.data(), c.copied) << c.src << " count " << c.count;
        EXPECT_EQ(dest.back(), '#') << "wrote past count + 1";
    }
    // src need not be terminated; NUL bytes inside the count are copied.
    unsigned char src[3] = {'A', 0, 'B'};
    unsigned char dest[4] = {'#', '#', '#', '#'};
    CConv().KanjiCopy(dest, src, 3);
    EXPECT_EQ(std::memcmp(dest, "A\0B\0", 4), 0);
    CDlgSub().KanjiCopy(dest, reinterpret_cast<unsigned char*>(const_cast<char*>("X" SJIS_NI)), 2);
    EXPECT_STREQ(reinterpret_cast<char*>(dest), "X");
    // Lead bytes are 0x81-0x9F and 0xE0-0xFC: such a byte is never copied
    // without its trail byte.
    for (int byte = 1; byte < 256; ++byte) {
        bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        char one[] = {static_cast<char>(byte), 'A', '\0'}, copied[3] = "##";
        CConv().KanjiCopy(copied, one, 1);
        EXPECT_EQ(copied[0], lead ? '\0' : one[0]) << std::hex << byte;
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
        {SJIS_NI " ", SJIS_NI, SJIS_NI " ", SJIS_NI},
        // 0x81 0x40 is a blank wherever it stands, even when the 0x81 is the
        // trail byte of the character before.
        {"A\x81\x81\x40", "A\x81", "A\x81\x81\x40", "A\x81\x81\x40"},
        {A254 + " ", A254, A254 + " ", A254},
        {std::string(255, ' ') + "A", std::string(255, ' ') + "A", "A", ""},  // the char* forms have no limit
        {"abc def", "abc def", "abc def", "ABC"}, {" abc", " abc", "abc", ""}, {"x1y z", "x1y z", "x1y z", "X1Y"},
        {"\x83\x61" "b", "\x83\x61" "b", "\x83\x61" "b", "\x83\x41" "B"},  // the trail byte 0x61 is upper-cased too
        {a255, a255, a255, std::string(255, 'A')}, {a256, a256, a256, ""},
    };
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
        EXPECT_STREQ(after.c_str(), c.after.c_str()) << c.text;
        EXPECT_STREQ(before.c_str(), c.before.c_str()) << c.text;
        EXPECT_EQ(std::string(afterText), c.text.size() > 255 ? "" : c.after.c_str()) << c.text;
        EXPECT_EQ(std::string(beforeText), c.text.size() > 255 ? "" : c.before.c_str()) << c.text;
        EXPECT_EQ(std::string(out), c.key) << c.text;
        EXPECT_EQ(std::string(key), c.key) << c.text;
    }
}

TEST(ConvDirName, HeadDotsAndLastPart)
{
    const std::string tooLong(256, 'a'), longest = "C:\\" + std::string(252, 'a');
    const char* path = "C:\\Data\\Folder\\Sub\\Last\\";
    const struct { int form; const char* path; int width; const char* text; } cases[] = {
        {1, "C:\\Program Files\\Common\\Data\\Book", 30, "C:\\Program Files\\...\\Book"},
        {1, "C:\\abc\\def", 11, "C:\\abc\\def"},  {1, "C:\\abc\\def", 10, "C:\\abc..."},
        {1, "C:\\abc\\def", 0, ""},               {1, "", 10, ""},
        {1, "C:\\AB\\CD\\VeryLongLastName", 12, "C:\\AB\\..."},        // last part too long
        {1, "C:\\AB\\CDEFGHIJ\\Last\\", 16, "C:\\AB\\...\\Last\\"},  // keeps its backslash
        {1, "\\Data\\Sub\\Deep\\File", 10, "\\...\\File"},
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
        {1, SJIS_NI SJIS_HON "\\Folder\\Name", 5, "..."}, {1, SJIS_NI SJIS_HON "\\Folder\\Name", 6, SJIS_NI "..."},
    };
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
        EXPECT_EQ(out.data(), std::string(c.text)) << "form " << c.form << ' ' << c.path << " width " << c.width;
        EXPECT_EQ(out.back(), '#') << c.path << " width " << c.width;
        // ConvDirName2 clears the first width bytes, ConvDirName3 width + 1.
        for (int i = static_cast<int>(std::strlen(out.data())); i < (c.form == 1 ? 0 : c.width + c.form - 2); ++i)
            EXPECT_EQ(out[i], '\0') << c.path << " width " << c.width << " byte " << i;
    }
}
