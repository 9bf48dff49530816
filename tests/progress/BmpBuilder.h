// Builds BMP files in memory for the image tests, the fuzz seeds, the demo
// and the benchmark: any header values, with pixels from a function.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct BmpFile {
    // tableEntries: a colour table of that many entries that differ from each other.
    BmpFile(uint16_t bits = 24, int32_t w = 4, int32_t h = 3, int tableEntries = 0)
        : width(w), height(h), bitCount(bits)
    {
        for (int i = 0; i < tableEntries; ++i)
            colours.push_back(static_cast<uint32_t>((i * 37 % 256) << 16 | ((255 - i) & 0xFF) << 8 | (i * 11 % 256)));
    }
    // A negative height: rows stored top-down.
    int32_t width, height;
    uint16_t bitCount;
    uint32_t compression = 0, coloursUsed = 0, infoSize = 40;
    // Colour table entries as 0x00RRGGBB; written as RGBQUAD (blue first).
    std::vector<uint32_t> colours;
    // The value of pixel (x, y), y counted from the top: a colour index, or
    // 0x00RRGGBB for 24 and 32 bits (16-bit rows stay 0).
    std::function<uint32_t(int, int)> pixel = [](int, int) { return 0u; };
    // Bytes added to (or, negative, cut from) the end of the file.
    long extraBytes = 0;
    // Bytes between the colour table and the bits; the file header's bits
    // offset when non-zero (the bits stay where they are).
    uint32_t gapBytes = 0, bitsOffset = 0;
    // Overrides the width written in the information header when non-zero
    // (the rows are built for width).
    int32_t headerWidth = 0;
};

inline std::string MakeBmp(const BmpFile& bmp)
{
    int rows = bmp.height < 0 ? -bmp.height : bmp.height;
    auto rowBytes = static_cast<uint32_t>((static_cast<uint64_t>(bmp.width) * bmp.bitCount + 31) / 32 * 4);
    auto tableBytes = static_cast<uint32_t>(4 * bmp.colours.size());
    std::string bits(static_cast<size_t>(rowBytes) * rows, '\0');
    for (int y = 0; y < rows; ++y) {
        auto* row = reinterpret_cast<unsigned char*>(&bits[size_t{rowBytes} * (bmp.height < 0 ? y : rows - 1 - y)]);
        for (int x = 0, bit = 0; x < bmp.width; ++x, bit += bmp.bitCount) {
            uint32_t value = bmp.pixel(x, y) & (bmp.bitCount <= 8 ? (1u << bmp.bitCount) - 1 : 0xFFFFFFu);
            // Indexes are packed from the high bits of each byte.
            if (bmp.bitCount <= 8)
                row[bit / 8] |= static_cast<unsigned char>(value << (8 - bmp.bitCount - bit % 8));
            for (int i = 0; bmp.bitCount >= 24 && i < 3; ++i)
                row[bit / 8 + i] = static_cast<unsigned char>(value >> (8 * i));
        }
    }
    uint32_t natural = 14 + bmp.infoSize + tableBytes + bmp.gapBytes;
    // The file header, then the information header (planes 1 and the bit
    // count share a field; 2835 pixels a metre) cut or padded to its size;
    // then the colour table, 0x00RRGGBB little-endian being blue, green, red, 0.
    std::string out = "BM";
    for (uint32_t field : {14 + bmp.infoSize + tableBytes + static_cast<uint32_t>(bits.size()), 0u,
                           bmp.bitsOffset != 0 ? bmp.bitsOffset : natural, bmp.infoSize,
                           static_cast<uint32_t>(bmp.headerWidth != 0 ? bmp.headerWidth : bmp.width),
                           static_cast<uint32_t>(bmp.height), 1u | bmp.bitCount << 16, bmp.compression,
                           static_cast<uint32_t>(bits.size()), 2835u, 2835u, bmp.coloursUsed, 0u})
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>(field >> (8 * i)));
    out.resize(14 + bmp.infoSize, '\0');
    for (uint32_t colour : bmp.colours)
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>(colour >> (8 * i)));
    out.resize(natural, '\0');
    out += bits;
    out.resize(static_cast<size_t>(static_cast<long>(out.size()) + bmp.extraBytes), '\x5A');
    return out;
}
