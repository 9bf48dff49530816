#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "files/SjisPath.h"

namespace {

// 表 (\x95\x5C) and ソ (\x83\x5C): double-byte characters whose trail byte is 0x5C.

TEST(SjisPath, ByteRangesTrailBytesAndCase)
{
    for (int byte = 0; byte < 256; ++byte) {
        auto c = static_cast<unsigned char>(byte);
        EXPECT_EQ(SjisPath::IsLeadByte(c), (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) << byte;
        EXPECT_EQ(SjisPath::IsTrailByte(c), (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC)) << byte;
    }
    // A, 表, a real backslash, ソ.
    const char text[] = "A\x95\x5C\\\x83\x5C";
    const bool trail[] = {false, false, true, false, false, true};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(SjisPath::IsTrailByteAt(text, i), trail[i]) << i;
    // A lead byte followed by a byte that cannot trail stands alone.
    EXPECT_FALSE(SjisPath::IsTrailByteAt("\x95\x0A\\", 1) || SjisPath::IsTrailByteAt("\x95\x0A\\", 2));

    // The trail bytes of 0x83 0x61 and 0x82 0xE1 must not change.
    char upper[] = "c:\\temp\\\x83\x61x\x82\xE1z";
    SjisPath::MakeUpperAscii(upper);
    EXPECT_STREQ(upper, "C:\\TEMP\\\x83\x61X\x82\xE1Z");
    const struct { const char *a, *b; size_t count; bool equal; } rows[] = {
        {"C:\\Work\\", "c:\\WORK\\", 8, true}, {"abX", "ABy", 2, true}, {"abX", "ABy", 3, false},
        {"az", "AZ", 2, true}, {"AZ", "az", 2, true},  // both ends of the alphabet, either side
        {"\x83\x61", "\x83\x41", 2, false}, {"\x83\x61", "\x83\x61", 2, true},  // different characters, the same
    };
    for (const auto& row : rows)
        EXPECT_EQ(SjisPath::EqualNoCase(row.a, row.b, row.count), row.equal) << row.a << " " << row.count;
    // Version stamps compare byte-wise.
    EXPECT_EQ(std::make_tuple(SjisPath::IsNewerStamp("2.00", "10.0"), SjisPath::IsNewerStamp("2.00", "2.00"),
                              SjisPath::IsNewerStamp("2.00", "2.10")), std::make_tuple(true, false, false));
}

TEST(SjisPath, BackSlashesAndFolderPart)
{
    const struct { const char* path; long size; int result; const char* after; } rows[] = {
        {"C:\\\x95\x5C", 16, 1, "C:\\\x95\x5C\\"}, {"C:\\\x95\x5C\\", 16, 1, "C:\\\x95\x5C\\"},
        {"\x83\x5C", 4, 1, "\x83\x5C\\"}, {"C:\\AB", 7, 1, "C:\\AB\\"},
        {"C:\\AB", 6, 0, "C:\\AB"},  // no room for the backslash and the terminator
        {"", 16, 0, ""}, {"A", 0, 0, "A"}, {"A", -5, 0, "A"},
    };
    for (const auto& row : rows) {
        char buffer[16];
        std::strcpy(buffer, row.path);
        // Removing takes a real backslash only.
        EXPECT_EQ((std::tuple{SjisPath::AddBackSlash(buffer, row.size), std::string(buffer),
                              SjisPath::RemoveBackSlash(buffer), std::strlen(buffer) + (row.result == 1 ? 1 : 0)}),
                  std::tuple(row.result, row.after, row.result == 1, std::strlen(row.after))) << row.path;
    }
    EXPECT_FALSE(SjisPath::AddBackSlash(nullptr, 10) != 0 || SjisPath::RemoveBackSlash(nullptr));

    // folder nullptr: no folder part.
    const struct { const char* path; const char* folder; size_t size = 32; } folders[] = {
        {"C:\\A\\B", "C:\\A\\"}, {"C:\\A\\B\\", "C:\\A\\B\\"}, {"C:\\Windows", "C:\\"}, {"C:", "C:\\"},
        {"\\\\server\\share\\f.txt", "\\\\server\\share\\"}, {"file.txt", nullptr}, {"", nullptr},
        {"C:\\\x95\x5C\\x", "C:\\\x95\x5C\\"},  // 表 ends the folder name
        {"C:\\D\\\x83\x5C", "C:\\D\\"},          // a file name ending in ソ
        // "C:\AB\" needs 7 bytes with its terminator.
        {"C:\\AB\\f", nullptr, 6}, {"C:\\AB\\f", "C:\\AB\\", 7}, {"C:\\AB", nullptr, 3}, {"C:\\AB", "C:\\", 4},
    };
    for (const auto& row : folders) {
        char folder[32] = "";
        EXPECT_EQ((std::tuple{SjisPath::GetFolderPart(row.path, folder, row.size), std::string(folder)}),
                  std::tuple(row.folder != nullptr, row.folder != nullptr ? row.folder : "")) << row.path;
    }
    char folder[32];
    EXPECT_FALSE(SjisPath::GetFolderPart(nullptr, folder, sizeof folder) ||
                 SjisPath::GetFolderPart("C:\\AB\\f", nullptr, sizeof folder));
}

} // namespace
