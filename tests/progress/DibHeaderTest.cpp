// The BMP header checks natively (ASan + UBSan): each code from a file built
// to give it, and the layout of good files.
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

using Layout = std::tuple<short, long, long, int, uint32_t, uint64_t, uint64_t>;

TEST(DibHeader, EachFileGivesItsCodeAndLayout)
{
    // what, the file (a good 4 x 3 24-bit one unless given), the change to it,
    // code, width, height, bit count, colour table entries, row bytes, pixel bytes
    const std::tuple<const char*, BmpFile, void (*)(BmpFile&), Layout> cases[] = {
        {"12-byte header", {}, [](BmpFile& s) { s.infoSize = 12; }, {-43, 0, 0, 0, 0, 0, 0}},
        {"RLE8", {8, 4, 3, 256}, [](BmpFile& s) { s.compression = 1; }, {-43, 0, 0, 0, 0, 0, 0}},
        {"32001 x 32001", {24, 1, 32001}, [](BmpFile& s) { s.headerWidth = 32001; }, {-40, 0, 0, 0, 0, 0, 0}},
        {"100 x 32001", {24, 1, 32001}, [](BmpFile& s) { s.headerWidth = 100; }, {-41, 0, 0, 0, 0, 0, 0}},
        {"top-down 1 x 32001, cut", {24, 1, -32001}, [](BmpFile& s) { s.extraBytes = -4; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"a row short by 1 byte", {}, [](BmpFile& s) { s.extraBytes = -1; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"colour table cut", {8, 4, 3, 256}, [](BmpFile& s) { s.extraBytes = -600; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"10 colours, a table past the end", {}, [](BmpFile& s) { s.coloursUsed = 10; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"bits before the header", {}, [](BmpFile& s) { s.bitsOffset = 4; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"bits beyond the file", {}, [](BmpFile& s) { s.bitsOffset = 0xFFFFFFF0u; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"32000 x 32000, cut", {24, 1, 32000}, [](BmpFile& s) { s.headerWidth = 32000; }, {-44, 0, 0, 0, 0, 0, 0}},
        {"1 bit", {1, 33, 2, 2}, [](BmpFile&) {}, {0, 33, 2, 1, 2, 8, 16}},
        {"4 bits", {4, 9, 2, 16}, [](BmpFile&) {}, {0, 9, 2, 4, 16, 8, 16}},
        {"8 bits", {8, 5, 3, 256}, [](BmpFile&) {}, {0, 5, 3, 8, 256, 8, 24}},
        {"8 bits, 20 colours", {8, 5, 3, 20}, [](BmpFile& s) { s.coloursUsed = 20; }, {0, 5, 3, 8, 20, 8, 24}},
        {"8 bits, 300 colours", {8, 5, 3, 300}, [](BmpFile& s) { s.coloursUsed = 300; }, {0, 5, 3, 8, 300, 8, 24}},
        {"1 bit, 3 colours", {1, 4, 3, 3}, [](BmpFile& s) { s.coloursUsed = 3; }, {0, 4, 3, 1, 3, 4, 12}},
        {"16 bits", {16, 3, 2}, [](BmpFile&) {}, {0, 3, 2, 16, 0, 8, 16}},
        {"24 bits top-down, a gap", {24, 5, -4}, [](BmpFile& s) { s.gapBytes = 64; }, {0, 5, -4, 24, 0, 16, 64}},
        {"32 bits, 5 colours", {32, 2, 1, 5}, [](BmpFile& s) { s.coloursUsed = 5; }, {0, 2, 1, 32, 5, 8, 8}},
        {"7 bytes after the bits", {}, [](BmpFile& s) { s.extraBytes = 7; }, {0, 4, 3, 24, 0, 12, 36}},
        {"bit count 2", {2, 4, 3}, [](BmpFile&) {}, {0, 4, 3, 2, 0, 4, 12}},
        {"bit count 64", {64, 4, 3}, [](BmpFile&) {}, {0, 4, 3, 64, 0, 32, 96}},
        {"width 0", {}, [](BmpFile& s) { s.width = 0; }, {0, 0, 3, 24, 0, 0, 0}},
        {"width -5", {}, [](BmpFile& s) { s.headerWidth = -5; }, {0, -5, 3, 24, 0, 0, 0}},
        {"height 0", {}, [](BmpFile& s) { s.height = 0; }, {0, 4, 0, 24, 0, 12, 0}},
        {"bits inside the table", {4, 4, 3, 16}, [](BmpFile& s) { s.bitsOffset = 86; }, {0, 4, 3, 4, 16, 4, 12}}};
    for (const auto& [what, file, change, expected] : cases) {
        BmpFile bmp = file;
        change(bmp);
        CDibHeader header;
        short code = Check(MakeBmp(bmp), &header);
        EXPECT_EQ(Layout(code, header.width, header.height, header.bitCount, header.colourCount, header.rowBytes,
                         header.bitsBytes), expected) << what;
    }
    std::string good = MakeBmp(BmpFile());
    CDibHeader none;
    // 14 bytes, 39 bytes after the file header, "MB"
    for (const std::string& bad : {good.substr(0, 14), good.substr(0, 53), "MB" + good.substr(2)})
        EXPECT_EQ(Check(bad, &none), -31) << bad.size() << bad[0];
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 13, good.size(), nullptr), -31) << "header not read whole";
    EXPECT_EQ(CDibHeader::CheckFileHeader(bytes, 14, 14 + 0x100000000ull, nullptr), -1) << "beyond one read";
}

} // namespace
