#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/SjisPath.h"

namespace {

// 表 and ソ: double-byte characters whose trail byte is 0x5C.
const char kHyou[] = "\x95\x5C";
const char kSo[] = "\x83\x5C";

TEST(SjisPath, TrailByteIsFoundByWalkingFromTheStart)
{
    std::string text = std::string("A") + kHyou + "\\" + kSo;
    EXPECT_FALSE(SjisPath::IsTrailByteAt(text.c_str(), 0));
    EXPECT_FALSE(SjisPath::IsTrailByteAt(text.c_str(), 1));  // lead byte
    EXPECT_TRUE(SjisPath::IsTrailByteAt(text.c_str(), 2));   // 0x5C of 表
    EXPECT_FALSE(SjisPath::IsTrailByteAt(text.c_str(), 3));  // real backslash
    EXPECT_TRUE(SjisPath::IsTrailByteAt(text.c_str(), 5));   // 0x5C of ソ
    // A lead byte followed by a byte that cannot trail stands alone.
    EXPECT_FALSE(SjisPath::IsTrailByteAt("\x95\x0A\\", 2));
    EXPECT_FALSE(SjisPath::IsTrailByteAt("\x95\x0A\\", 1));
}

TEST(SjisPath, LeadAndTrailByteRanges)
{
    for (int byte = 0; byte < 256; ++byte) {
        auto c = static_cast<unsigned char>(byte);
        EXPECT_EQ(SjisPath::IsLeadByte(c), (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) << byte;
        EXPECT_EQ(SjisPath::IsTrailByte(c), (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC)) << byte;
    }
}

TEST(SjisPath, AddBackSlashTellsTrailBytesFromBackslashes)
{
    char buffer[16];
    std::strcpy(buffer, "C:\\");
    std::strcat(buffer, kHyou);
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), std::string("C:\\") + kHyou + "\\");
    // Already ending in a real backslash: unchanged.
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), std::string("C:\\") + kHyou + "\\");

    std::strcpy(buffer, kSo);
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, 4), 1);
    EXPECT_EQ(std::string(buffer), std::string(kSo) + "\\");

    // No room: length size - 1 without a backslash is left alone.
    std::strcpy(buffer, "C:\\AB");
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, 6), 0);
    EXPECT_STREQ(buffer, "C:\\AB");
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, 7), 1);
    EXPECT_STREQ(buffer, "C:\\AB\\");

    buffer[0] = '\0';
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(SjisPath::AddBackSlash(nullptr, 10), 0);
    std::strcpy(buffer, "A");
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, 0), 0);
    EXPECT_EQ(SjisPath::AddBackSlash(buffer, -5), 0);
    EXPECT_STREQ(buffer, "A");
}

TEST(SjisPath, FolderPartDropsTheFileName)
{
    char folder[32];
    ASSERT_TRUE(SjisPath::GetFolderPart("C:\\A\\B", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\A\\");
    ASSERT_TRUE(SjisPath::GetFolderPart("C:\\A\\B\\", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\A\\B\\");
    ASSERT_TRUE(SjisPath::GetFolderPart("C:\\Windows", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\");
    ASSERT_TRUE(SjisPath::GetFolderPart("C:", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\");
    ASSERT_TRUE(SjisPath::GetFolderPart("\\\\server\\share\\f.txt", folder, sizeof folder));
    EXPECT_STREQ(folder, "\\\\server\\share\\");

    // 表 ends the folder name; the file name "x" holds no separator.
    std::string path = std::string("C:\\") + kHyou + "\\x";
    ASSERT_TRUE(SjisPath::GetFolderPart(path.c_str(), folder, sizeof folder));
    EXPECT_EQ(std::string(folder), std::string("C:\\") + kHyou + "\\");
    // A file name ending in ソ is still a file name, not a folder.
    path = std::string("C:\\D\\") + kSo;
    ASSERT_TRUE(SjisPath::GetFolderPart(path.c_str(), folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\D\\");

    EXPECT_FALSE(SjisPath::GetFolderPart("file.txt", folder, sizeof folder));
    EXPECT_FALSE(SjisPath::GetFolderPart("", folder, sizeof folder));
    EXPECT_FALSE(SjisPath::GetFolderPart(nullptr, folder, sizeof folder));
    EXPECT_FALSE(SjisPath::GetFolderPart("C:\\AB\\f", nullptr, sizeof folder));
    // "C:\AB\" needs 7 bytes with its terminator.
    EXPECT_FALSE(SjisPath::GetFolderPart("C:\\AB\\f", folder, 6));
    EXPECT_TRUE(SjisPath::GetFolderPart("C:\\AB\\f", folder, 7));
    EXPECT_FALSE(SjisPath::GetFolderPart("C:\\AB", folder, 3));
    EXPECT_TRUE(SjisPath::GetFolderPart("C:\\AB", folder, 4));
}

TEST(SjisPath, UpperCaseLeavesDoubleByteCharactersAlone)
{
    // The trail bytes of 0x83 0x61 and 0x82 0xE1 must not change.
    char text[] = "c:\\temp\\\x83\x61x\x82\xE1z";
    SjisPath::MakeUpperAscii(text);
    EXPECT_STREQ(text, "C:\\TEMP\\\x83\x61X\x82\xE1Z");
}

TEST(SjisPath, EqualNoCaseFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(SjisPath::EqualNoCase("C:\\Work\\", "c:\\WORK\\", 8));
    EXPECT_TRUE(SjisPath::EqualNoCase("abX", "ABy", 2));
    EXPECT_FALSE(SjisPath::EqualNoCase("abX", "ABy", 3));
    EXPECT_TRUE(SjisPath::EqualNoCase("az", "AZ", 2));  // both ends of the alphabet, either side
    EXPECT_TRUE(SjisPath::EqualNoCase("AZ", "az", 2));
    // 0x83 0x61 and 0x83 0x41 are different characters.
    EXPECT_FALSE(SjisPath::EqualNoCase("\x83\x61", "\x83\x41", 2));
    EXPECT_TRUE(SjisPath::EqualNoCase("\x83\x61", "\x83\x61", 2));
}

} // namespace
