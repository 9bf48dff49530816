#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/CConv.h"
#include "text/CDlgSub.h"

// Shift-JIS bytes used below.
#define SJIS_A "\x82\xA0"      /* あ */
#define SJIS_SO "\x83\x5C"     /* ソ: trail byte 0x5C */
#define SJIS_FU "\x83\x74"     /* フ */
#define SJIS_TO "\x83\x67"     /* ト */
#define SJIS_NI "\x93\xFA"     /* 日 */
#define SJIS_HON "\x96\x7B"    /* 本 */
#define SJIS_GO "\x8C\xEA"     /* 語 */
#define SJIS_BLANK "\x81\x40"  /* full-width blank */

namespace {

// KanjiCopy of count bytes into a buffer of count + 1 bytes plus a guard.
std::string Copied(const std::string& src, short count)
{
    std::vector<unsigned char> dest(count > 0 ? count + 2 : 2, '#');
    std::vector<unsigned char> source(src.begin(), src.end());
    CConv().KanjiCopy(dest.data(), source.data(), count);
    EXPECT_EQ(dest.back(), '#') << "wrote past count + 1";
    return std::string(reinterpret_cast<const char*>(dest.data()));
}

TEST(KanjiCopy, CopiesCountBytesWithoutSplittingALeadByte)
{
    EXPECT_EQ(Copied(SJIS_A "B", 2), SJIS_A);
    EXPECT_EQ(Copied(SJIS_A "B", 1), "");
    EXPECT_EQ(Copied(SJIS_A "B", 3), SJIS_A "B");
    EXPECT_EQ(Copied("AB", 0), "");
    EXPECT_EQ(Copied("AB", -1), "");
    // A trail byte in the lead-byte range is not taken for a lead byte.
    EXPECT_EQ(Copied("\x81\x81\x81\x40", 3), "\x81\x81");
    // src need not be terminated; NUL bytes inside the count are copied.
    unsigned char src[3] = {'A', 0, 'B'};
    unsigned char dest[4] = {'#', '#', '#', '#'};
    CConv().KanjiCopy(reinterpret_cast<char*>(dest), reinterpret_cast<char*>(src), 3);
    EXPECT_EQ(std::memcmp(dest, "A\0B\0", 4), 0);
    CDlgSub().KanjiCopy(dest, reinterpret_cast<unsigned char*>(const_cast<char*>("X" SJIS_NI)), 2);
    EXPECT_STREQ(reinterpret_cast<char*>(dest), "X");
}

std::string After(std::string text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    CConv().DelAfterSpace(buffer.data());
    return buffer.data();
}

std::string Before(std::string text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    CConv().DelBeforeSpace(buffer.data());
    return buffer.data();
}

TEST(BlankTrimming, TrailingAndLeadingBlanks)
{
    EXPECT_EQ(After("AB  " SJIS_BLANK), "AB");
    EXPECT_EQ(After("   "), "");
    EXPECT_EQ(After(" A B"), " A B");
    EXPECT_EQ(After(SJIS_BLANK "A" SJIS_BLANK " "), SJIS_BLANK "A");
    EXPECT_EQ(After(""), "");
    // Bytes are examined one at a time: 0x81 0x40 is a blank wherever it
    // stands, even when the 0x81 is the trail byte of the character before.
    EXPECT_EQ(After("A\x81\x81\x40"), "A\x81");
    // The char* form has no length limit: a blank run may start anywhere.
    EXPECT_EQ(After(std::string(512, 'A') + "  "), std::string(512, 'A'));

    EXPECT_EQ(Before(SJIS_BLANK " AB"), "AB");
    EXPECT_EQ(Before("   "), "   ");
    EXPECT_EQ(Before(" A B "), "A B ");
    EXPECT_EQ(Before(SJIS_NI " "), SJIS_NI " ");

    CConv conv;
    CString text(" " SJIS_BLANK "AB " SJIS_BLANK);
    conv.DelAfterSpace(text);
    EXPECT_EQ(text, " " SJIS_BLANK "AB");
    conv.DelBeforeSpace(text);
    EXPECT_EQ(text, "AB");
    CString longText = CString(' ', 255) + "A";
    conv.DelBeforeSpace(longText);  // 256 bytes: beyond the helpers' limit
    EXPECT_EQ(longText, "");
    longText = CString('A', 254) + " ";
    conv.DelAfterSpace(longText);
    EXPECT_EQ(longText, CString('A', 254));
}

TEST(ConvIkey, FirstWordUpperCasedByteByByte)
{
    CConv conv;
    char out[300];
    conv.ConvIkey(out, "abc def");
    EXPECT_STREQ(out, "ABC");
    conv.ConvIkey(out, "");
    EXPECT_STREQ(out, "");
    conv.ConvIkey(out, " abc");
    EXPECT_STREQ(out, "");
    conv.ConvIkey(out, "\x83\x61" "b");  // the trail byte 0x61 is upper-cased too
    EXPECT_STREQ(out, "\x83\x41" "B");
    std::string longest(255, 'a');
    conv.ConvIkey(out, longest.c_str());
    EXPECT_EQ(std::string(out), std::string(255, 'A'));
    conv.ConvIkey(out, (longest + "a").c_str());
    EXPECT_STREQ(out, "");

    CString key("old");
    conv.ConvIkey(key, CString("x1y z"));
    EXPECT_EQ(key, "X1Y");
    conv.ConvIkey(key, CString('a', 256));
    EXPECT_EQ(key, "");
}

std::string DirName(const char* path, short width)
{
    std::vector<char> out(width > 0 ? width + 4 : 1, '#');
    std::string copy(path);
    CConv().ConvDirName(out.data(), &copy[0], width);
    return out.data();
}

TEST(ConvDirName, HeadDotsAndLastPart)
{
    struct Case {
        const char* path;
        short width;
        const char* text;
    } cases[] = {
        {"C:\\Program Files\\Common\\Data\\Book", 30, "C:\\Program Files\\...\\Book"},
        {"C:\\Program Files\\Common\\Data\\Book", 12, "C:\\Progr..."},
        {"C:\\abc\\def", 11, "C:\\abc\\def"},
        {"C:\\abc\\def", 10, "C:\\abc..."},
        {"C:\\abc\\def", 0, ""},
        {"", 10, ""},
        {"C:\\AB\\CD\\VeryLongLastName", 12, "C:\\AB\\..."},        // last part too long
        {"C:\\AB\\CDEFGHIJ\\Last\\", 16, "C:\\AB\\...\\Last\\"},  // keeps its backslash
        {"\\Data\\Sub\\Deep\\File", 10, "\\...\\File"},
        // A 0x5C trail byte is never a folder separator.
        {"C:\\" SJIS_SO SJIS_FU SJIS_TO "\\Data\\Last", 16, "C:\\" SJIS_SO SJIS_FU SJIS_TO "\\...\\Last"},
        {"C:\\AB\\CDEFGH\\X" SJIS_SO, 14, "C:\\AB\\...\\X" SJIS_SO},
        // A lead byte whose trail byte does not fit is taken back.
        {"C:\\" SJIS_NI SJIS_HON SJIS_GO "\\Folder\\Name", 10, "C:\\" SJIS_NI "..."},
        // Not so in a drive part without a backslash: it is cut where the room ends.
        {"C:" SJIS_NI SJIS_HON "\\Name", 7, "C:\x93..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DirName(c.path, c.width), c.text) << c.path << " width " << c.width;
    EXPECT_EQ(DirName(std::string(256, 'a').c_str(), 300), "");
}

std::string DirName2(const char* path, int width)
{
    std::vector<char> out(width > 0 ? width + 2 : 1, '#');
    std::string copy(path);
    CConv().ConvDirName2(&copy[0], out.data(), width);
    return out.data();
}

std::string DirName3(const char* path, int width)
{
    std::vector<char> out(width >= 0 ? width + 1 : 1, '#');
    std::string copy(path);
    CConv().ConvDirName3(&copy[0], out.data(), width);
    return out.data();
}

TEST(ConvDirName, DirectoryPrefixDotsAndLastName)
{
    const char* path = "C:\\Data\\Folder\\Sub\\Last\\";
    EXPECT_EQ(DirName2(path, 20), "C:\\Data\\Fol...\\Last");
    EXPECT_EQ(DirName3(path, 20), "C:\\Data\\Fol...\\Last\\");
    EXPECT_EQ(DirName2("C:\\Data\\", 20), "C:\\Data\\");
    EXPECT_EQ(DirName3("C:\\Data\\Folder\\Sub\\L", 20), "C:\\Data\\Folder\\Sub\\L");
    // A long last name is cut; ConvDirName2 takes bytes of 0x80 and above in
    // pairs (here single-byte katakana), so it can give width + 1 bytes.
    EXPECT_EQ(DirName2("C:\\Data\\VeryLongFileName.txt", 12), "VeryLongFile");
    EXPECT_EQ(DirName2("C:\\D\\\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8", 5), "\xB1\xB2\xB3\xB4\xB5\xB6");
    EXPECT_EQ(DirName3("C:\\Data\\VeryLongName", 10), "C:\\Dat...\\");
    EXPECT_EQ(DirName3("C:\\Data\\VeryLongName", 4), "C:\\D");
    EXPECT_EQ(DirName3("C:\\Data\\VeryLongName", -65535), "");  // not read as a short 1
    EXPECT_EQ(DirName3("C:\\" SJIS_NI SJIS_HON SJIS_GO "\\LongName", 10), "C:\\" SJIS_NI "...\\");
    // The trail byte 0x5C of a last name is neither dropped nor a separator.
    EXPECT_EQ(DirName2("C:\\Data\\Folder\\" SJIS_SO, 12), "C:\\Da...\\" SJIS_SO);
    EXPECT_EQ(DirName3("C:\\Data\\Folder\\" SJIS_SO, 12), "C:\\Da...\\" SJIS_SO "\\");
    EXPECT_EQ(DirName2(std::string(256, 'a').c_str(), 10), "");
    EXPECT_EQ(DirName3(std::string(256, 'a').c_str(), 10), "");

    // The first width bytes (ConvDirName2) or width + 1 (ConvDirName3) are cleared.
    char out[12];
    std::memset(out, '#', sizeof out);
    CConv().ConvDirName2(const_cast<char*>("C:\\"), out, 10);
    EXPECT_EQ(std::memcmp(out, "C:\\\0\0\0\0\0\0\0##", 12), 0);
    std::memset(out, '#', sizeof out);
    CConv().ConvDirName3(const_cast<char*>("C:\\"), out, 10);
    EXPECT_EQ(std::memcmp(out, "C:\\\0\0\0\0\0\0\0\0#", 12), 0);
}

} // namespace
