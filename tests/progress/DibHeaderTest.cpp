// The BMP header checks natively (ASan + UBSan): each code from a file built
// to give it, and the layout of good files.
#include <cstdlib>

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

TEST(DibHeader, EachBadFileGivesItsCode)
{
    const struct {
        const char* what;
        void (*change)(BmpFile&);
        short expected;
    } cases[] = {
        {"good", [](BmpFile&) {}, 0},
        {"12-byte header", [](BmpFile& s) { s.infoSize = 12; }, -43},
        {"RLE8", [](BmpFile& s) { s.bitCount = 8; s.colours = BmpRamp(256); s.compression = 1; }, -43},
        {"bit count 2", [](BmpFile& s) { s.bitCount = 2; }, -43},
        {"3 colours at 1 bit", [](BmpFile& s) { s.bitCount = 1; s.colours = BmpRamp(3); s.coloursUsed = 3; }, -43},
        {"257 colours", [](BmpFile& s) { s.coloursUsed = 257; }, -43},
        {"width 32001", [](BmpFile& s) { s.width = 32001; s.height = 1; s.extraBytes = -96003; }, -40},
        {"width 0", [](BmpFile& s) { s.width = 0; }, -40},
        {"width -5", [](BmpFile& s) { s.headerWidth = -5; }, -40},
        {"height -32001", [](BmpFile& s) { s.width = 1; s.height = -32001; s.extraBytes = -128000; }, -41},
        {"height 0", [](BmpFile& s) { s.height = 0; }, -41},
        {"a row short by 1 byte", [](BmpFile& s) { s.extraBytes = -1; }, -44},
        {"colour table cut", [](BmpFile& s) { s.bitCount = 8; s.colours = BmpRamp(256); s.extraBytes = -600; }, -44},
        {"bits inside the table", [](BmpFile& s) { s.bitCount = 4; s.colours = BmpRamp(16); s.bitsOffset = 86; }, -44},
        {"bits before the header's end", [](BmpFile& s) { s.bitsOffset = 4; }, -44},
        {"bits beyond the file", [](BmpFile& s) { s.bitsOffset = 0xFFFFFFF0u; }, -44},
        {"32000 x 32000 x 32 bits", [](BmpFile& s) { s.bitCount = 32; s.headerWidth = 32000; s.height = 1; }, -44},
        {"gap before the bits", [](BmpFile& s) { s.gapBytes = 64; }, 0},
        {"bytes after the bits", [](BmpFile& s) { s.extraBytes = 7; }, 0},
    };
    for (const auto& c : cases) {
        BmpFile bmp;
        c.change(bmp);
        CDibHeader header;
        EXPECT_EQ(Check(MakeBmp(bmp), &header), c.expected) << c.what;
        EXPECT_EQ(header.width, c.expected == 0 ? bmp.width : 0) << c.what;
    }
    std::string good = MakeBmp(BmpFile());
    CDibHeader header;
    EXPECT_EQ(Check(good.substr(0, 14), &header), -31) << "14 bytes";
    EXPECT_EQ(Check(good.substr(0, 53), &header), -31) << "39 bytes after the file header";
    EXPECT_EQ(Check("MB" + good.substr(2), &header), -31);
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 13, good.size(), nullptr), -31) << "header not read whole";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14 + 0x100000000ull, nullptr), -1) << "beyond one read";
}

TEST(DibHeader, LayoutOfGoodFiles)
{
    // bits, width, height, colours used, colour table entries, row bytes
    const int table[][6] = {{1, 33, 2, 0, 2, 8},   {4, 9, 2, 0, 16, 8}, {8, 5, 3, 0, 256, 8}, {8, 5, 3, 20, 20, 8},
                            {16, 3, 2, 0, 0, 8},   {24, 5, -4, 0, 0, 16}, {32, 2, 1, 5, 5, 8}};
    for (const auto& row : table) {
        BmpFile bmp;
        bmp.bitCount = static_cast<uint16_t>(row[0]);
        bmp.width = row[1];
        bmp.height = row[2];
        bmp.coloursUsed = static_cast<uint32_t>(row[3]);
        bmp.colours = BmpRamp(row[4]);
        CDibHeader header;
        ASSERT_EQ(Check(MakeBmp(bmp), &header), 0) << row[0];
        EXPECT_EQ(header.height, std::abs(row[2]));
        EXPECT_EQ(header.topDown, row[2] < 0);
        EXPECT_EQ(header.bitCount, row[0]);
        EXPECT_EQ(header.colourCount, row[4]);
        EXPECT_EQ(header.rowBytes, static_cast<uint64_t>(row[5]));
        EXPECT_EQ(header.bitsBytes, static_cast<uint64_t>(row[5] * std::abs(row[2])));
    }
}

} // namespace
