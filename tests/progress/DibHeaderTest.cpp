// The BMP header checks natively (ASan + UBSan): each code from a file built
// to give it, and the layout of good files.
#include <cstdlib>
#include <tuple>

#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "progress/CDibHeader.h"

namespace {

short Check(const std::string& file, CDibHeader* header)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    long bitsOffset = 0;
    short result = CDibHeader::CheckFileHeader(bytes, file.size() < 14 ? file.size() : 14, file.size(), &bitsOffset);
    return result != 0 ? result : header->CheckBlock(bytes + 14, file.size() - 14, bitsOffset);
}

TEST(DibHeader, EachBadFileGivesItsCodeAndEachGoodOneItsLayout)
{
    // what, the file (a good 4 x 3 24-bit one unless given), the change to it, code
    const std::tuple<const char*, BmpFile, void (*)(BmpFile&), short> cases[] = {
        {"12-byte header", {}, [](BmpFile& s) { s.infoSize = 12; }, -43},
        {"RLE8", {8, 4, 3, 256}, [](BmpFile& s) { s.compression = 1; }, -43},
        {"bit count 2", {}, [](BmpFile& s) { s.bitCount = 2; }, -43},
        {"3 colours at 1 bit", {1, 4, 3, 3}, [](BmpFile& s) { s.coloursUsed = 3; }, -43},
        {"257 colours", {}, [](BmpFile& s) { s.coloursUsed = 257; }, -43},
        {"width 32001", {24, 32001, 1}, [](BmpFile& s) { s.extraBytes = -96003; }, -40},
        {"width 0", {}, [](BmpFile& s) { s.width = 0; }, -40},
        {"width -5", {}, [](BmpFile& s) { s.headerWidth = -5; }, -40},
        {"height -32001", {24, 1, -32001}, [](BmpFile& s) { s.extraBytes = -128000; }, -41},
        {"height 0", {}, [](BmpFile& s) { s.height = 0; }, -41},
        {"a row short by 1 byte", {}, [](BmpFile& s) { s.extraBytes = -1; }, -44},
        {"colour table cut", {8, 4, 3, 256}, [](BmpFile& s) { s.extraBytes = -600; }, -44},
        {"bits inside the table", {4, 4, 3, 16}, [](BmpFile& s) { s.bitsOffset = 86; }, -44},
        {"bits before the header's end", {}, [](BmpFile& s) { s.bitsOffset = 4; }, -44},
        {"bits beyond the file", {}, [](BmpFile& s) { s.bitsOffset = 0xFFFFFFF0u; }, -44},
        {"32000 x 32000 x 32 bits", {32, 4, 1}, [](BmpFile& s) { s.headerWidth = 32000; }, -44},
    };
    for (const auto& [what, file, change, expected] : cases) {
        BmpFile bmp = file;
        change(bmp);
        CDibHeader header;
        EXPECT_EQ(Check(MakeBmp(bmp), &header), expected) << what;
        EXPECT_EQ(header.width, 0) << what;
    }
    std::string good = MakeBmp(BmpFile());
    CDibHeader none;
    EXPECT_EQ(Check(good.substr(0, 14), &none), -31) << "14 bytes";
    EXPECT_EQ(Check(good.substr(0, 53), &none), -31) << "39 bytes after the file header";
    EXPECT_EQ(Check("MB" + good.substr(2), &none), -31);
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 13, good.size(), nullptr), -31) << "header not read whole";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14 + 0x100000000ull, nullptr), -1) << "beyond one read";

    // Good files and their layout.
    // bits, width, height, colours used, colour table entries, row bytes, gap before and bytes after the bits
    const int table[][8] = {{1, 33, 2, 0, 2, 8, 0, 0},  {4, 9, 2, 0, 16, 8, 0, 0},   {8, 5, 3, 0, 256, 8, 0, 0},
                            {8, 5, 3, 20, 20, 8, 0, 0}, {16, 3, 2, 0, 0, 8, 0, 0},   {24, 5, -4, 0, 0, 16, 64, 0},
                            {32, 2, 1, 5, 5, 8, 0, 7}};
    for (const auto& row : table) {
        BmpFile bmp(static_cast<uint16_t>(row[0]), row[1], row[2], row[4]);
        bmp.coloursUsed = static_cast<uint32_t>(row[3]);
        bmp.gapBytes = static_cast<uint32_t>(row[6]);
        bmp.extraBytes = row[7];
        CDibHeader header;
        ASSERT_EQ(Check(MakeBmp(bmp), &header), 0) << row[0];
        EXPECT_EQ(std::make_tuple(header.width, header.height, header.topDown, header.bitCount, header.colourCount),
                  std::make_tuple(row[1], std::abs(row[2]), row[2] < 0, row[0], row[4])) << row[0];
        EXPECT_EQ(header.rowBytes, static_cast<uint64_t>(row[5]));
        EXPECT_EQ(header.bitsBytes, static_cast<uint64_t>(row[5] * std::abs(row[2])));
    }
}

} // namespace
