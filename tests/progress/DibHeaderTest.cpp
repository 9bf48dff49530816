// The BMP header checks, natively too (ASan + UBSan): every code from a
// file built to give it, in the order the loader reports them.
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "progress/CDibHeader.h"

namespace {

short CheckWhole(const std::string& file, CDibHeader* header)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    long bitsOffset = 0;
    short result = CDibHeader::CheckFileHeader(bytes, file.size() < 14 ? file.size() : 14, file.size(), &bitsOffset);
    if (result != CDibHeader::ok)
        return result;
    return header->CheckBlock(bytes + 14, file.size() - 14, bitsOffset);
}

BmpSpec Indexed(uint16_t bits, int colours)
{
    BmpSpec spec;
    spec.bitCount = bits;
    spec.colours = BmpRamp(colours);
    return spec;
}

struct Case {
    const char* what;
    std::function<void(BmpSpec&)> change;
    short expected;
};

TEST(DibHeader, EachBadFileGivesItsCode)
{
    const Case cases[] = {
        {"good 24-bit", [](BmpSpec&) {}, 0},
        {"header size 12", [](BmpSpec& s) { s.infoSize = 12; }, -43},
        {"header size 124", [](BmpSpec& s) { s.infoSize = 124; }, -43},
        {"RLE8", [](BmpSpec& s) {
             s = Indexed(8, 256);
             s.compression = 1;
         },
         -43},
        {"bitfields", [](BmpSpec& s) { s.bitCount = 32; s.compression = 3; }, -43},
        {"bit count 0", [](BmpSpec& s) { s.bitCount = 0; }, -43},
        {"bit count 2", [](BmpSpec& s) { s.bitCount = 2; }, -43},
        {"bit count 48", [](BmpSpec& s) { s.bitCount = 48; }, -43},
        {"colours used 3 at 1 bit", [](BmpSpec& s) { s = Indexed(1, 3); s.coloursUsed = 3; }, -43},
        {"colours used 257 at 24 bits", [](BmpSpec& s) { s.coloursUsed = 257; }, -43},
        {"width 32001 (short file)", [](BmpSpec& s) { s.width = 32001; s.height = 1; s.extraBytes = -96003; }, -40},
        {"width 0", [](BmpSpec& s) { s.width = 0; }, -40},
        {"width -5", [](BmpSpec& s) { s.headerWidth = -5; }, -40},
        {"height 32001 (short file)", [](BmpSpec& s) { s.width = 1; s.height = 32001; s.extraBytes = -128000; }, -41},
        {"height -32001", [](BmpSpec& s) { s.width = 1; s.height = -32001; s.extraBytes = -128000; }, -41},
        {"height 0", [](BmpSpec& s) { s.height = 0; }, -41},
        {"last row one byte short", [](BmpSpec& s) { s.extraBytes = -1; }, -44},
        {"no pixel rows at all", [](BmpSpec& s) { s.width = 100; s.height = 100; s.extraBytes = -30000; }, -44},
        {"colour table cut", [](BmpSpec& s) { s = Indexed(8, 256); s.width = 1; s.height = 1; s.extraBytes = -600; }, -44},
        {"bits offset inside the table", [](BmpSpec& s) { s = Indexed(4, 16); s.bitsOffset = 14 + 40 + 32; }, -44},
        {"bits offset before the file header's end", [](BmpSpec& s) { s.bitsOffset = 4; }, -44},
        {"bits offset beyond the file", [](BmpSpec& s) { s.bitsOffset = 0xFFFFFFF0u; }, -44},
        {"bits offset past the rows", [](BmpSpec& s) { s.bitsOffset = 14 + 40 + 4; }, -44},
        {"gap before the bits", [](BmpSpec& s) { s.gapBytes = 64; }, 0},
        {"trailing bytes", [](BmpSpec& s) { s.extraBytes = 7; }, 0},
        {"top-down", [](BmpSpec& s) { s.height = -3; }, 0},
        {"16-bit with colours used", [](BmpSpec& s) { s.bitCount = 16; s.colours = BmpRamp(5); s.coloursUsed = 5; }, 0},
    };
    for (const Case& c : cases) {
        BmpSpec spec;
        c.change(spec);
        std::string file = MakeBmp(spec);
        CDibHeader header;
        EXPECT_EQ(CheckWhole(file, &header), c.expected) << c.what;
        if (c.expected != 0) {
            EXPECT_EQ(header.width, 0) << c.what << ": a failed check leaves the object empty";
        }
    }
}

TEST(DibHeader, FileHeaderCodes)
{
    std::string good = MakeBmp(BmpSpec());
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    long offset = -7;
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, good.size(), &offset), 0);
    EXPECT_EQ(offset, 40);
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14, nullptr), -31) << "14 bytes";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 53, nullptr), -31) << "39 bytes after the file header";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 54, nullptr), 0) << "40 bytes after it";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 13, good.size(), nullptr), -31) << "header not read whole";
    EXPECT_EQ(CDibHeader::CheckFileHeader(nullptr, 0, good.size(), nullptr), -31);
    for (const char* start : {"MB", "BA", "bm", "\0\0"}) {
        std::string bad = good;
        bad.replace(0, 2, start, 2);
        EXPECT_EQ(CDibHeader::CheckFileHeader(reinterpret_cast<const unsigned char*>(bad.data()), 14, bad.size(),
                                              nullptr),
                  -31)
            << start;
    }
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14 + 0x100000000ull, nullptr), -1) << "too long for one read";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14 + 0xFFFFFFFFull, nullptr), 0);
}

TEST(DibHeader, LayoutOfGoodImages)
{
    struct Expect {
        uint16_t bits;
        int32_t width;
        int32_t height;
        uint32_t coloursUsed;
        int colours;
        uint64_t rowBytes;
    };
    const Expect table[] = {
        {1, 33, 2, 0, 2, 8},  {4, 9, 2, 0, 16, 8},     {8, 5, 3, 0, 256, 8},  {8, 5, 3, 20, 20, 8},
        {16, 3, 2, 0, 0, 8},  {24, 5, -4, 0, 0, 16},   {32, 2, 1, 0, 0, 8},   {24, 32000, 1, 0, 0, 96000},
    };
    for (const Expect& e : table) {
        BmpSpec spec;
        spec.bitCount = e.bits;
        spec.width = e.width;
        spec.height = e.height;
        spec.coloursUsed = e.coloursUsed;
        spec.colours = BmpRamp(e.colours);
        CDibHeader header;
        ASSERT_EQ(CheckWhole(MakeBmp(spec), &header), 0) << e.bits << " bits";
        EXPECT_EQ(header.width, e.width);
        EXPECT_EQ(header.height, e.height < 0 ? -e.height : e.height);
        EXPECT_EQ(header.topDown, e.height < 0);
        EXPECT_EQ(header.bitCount, e.bits);
        EXPECT_EQ(header.colourCount, e.colours);
        EXPECT_EQ(header.rowBytes, e.rowBytes);
        EXPECT_EQ(header.bitsBytes, e.rowBytes * static_cast<uint64_t>(header.height));
    }
}

TEST(DibHeader, SidesAtTheLimitDoNotOverflow)
{
    // 32000 × 32000 at 32 bits promises 4 096 000 000 bytes: more than a
    // 32-bit count holds, and far more than the block.
    BmpSpec spec;
    spec.bitCount = 32;
    spec.width = 1;
    spec.height = 1;
    std::string file = MakeBmp(spec);
    file.replace(18, 8, std::string("\x00\x7D\x00\x00\x00\x7D\x00\x00", 8));
    CDibHeader header;
    EXPECT_EQ(CheckWhole(file, &header), -44);
}

} // namespace

namespace {

// Small good files of each indexed depth and 24 bits. They seed the fuzz
// target: with ZR8_DIB_SEED_FOLDER set, the test writes them there.
TEST(DibHeader, SeedFilesAreGood)
{
    std::vector<std::pair<std::string, BmpSpec>> seeds;
    for (uint16_t bits : {1, 4, 8, 24}) {
        BmpSpec spec;
        spec.bitCount = bits;
        spec.width = 7;
        spec.height = 5;
        spec.colours = BmpRamp(bits <= 8 ? 1 << bits : 0);
        spec.pixel = [bits](int x, int y) { return bits == 24 ? 0x102030u * (x + y) : static_cast<uint32_t>(x * 3 + y); };
        seeds.push_back({"seed-" + std::to_string(bits) + "bit.bmp", spec});
    }
    BmpSpec topDown = seeds.back().second;
    topDown.height = -5;
    seeds.push_back({"seed-24bit-top-down.bmp", topDown});
    const char* folder = std::getenv("ZR8_DIB_SEED_FOLDER");
    for (const auto& seed : seeds) {
        std::string file = MakeBmp(seed.second);
        CDibHeader header;
        EXPECT_EQ(CheckWhole(file, &header), 0) << seed.first;
        if (folder != nullptr) {
            FILE* out = std::fopen((std::string(folder) + "/" + seed.first).c_str(), "wb");
            ASSERT_NE(out, nullptr);
            std::fwrite(file.data(), 1, file.size(), out);
            std::fclose(out);
        }
    }
}

} // namespace
