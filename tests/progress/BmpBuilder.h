// Builds BMP files in memory for the image tests, the fuzz seeds, the demo
// and the benchmark: any header values, with pixels from a function.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct BmpFile {
    int32_t width = 4;
    int32_t height = 3;  // negative: rows stored top-down
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t infoSize = 40;
    // Colour table entries as 0x00RRGGBB; written as RGBQUAD (blue first).
    std::vector<uint32_t> colours;
    // The value of pixel (x, y), y counted from the top: a colour index, or
    // 0x00RRGGBB for 24 and 32 bits (16-bit rows stay 0).
    std::function<uint32_t(int, int)> pixel = [](int, int) { return 0u; };
    // Bytes added to (or, negative, cut from) the end of the file.
    long extraBytes = 0;
    // Bytes between the colour table and the bits.
    uint32_t gapBytes = 0;
    // Overrides the file header's bits offset when non-zero (the bits stay
    // where they are).
    uint32_t bitsOffset = 0;
    // Overrides the width written in the information header when non-zero
    // (the rows are built for width).
    int32_t headerWidth = 0;
};

inline void PutLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string MakeBmp(const BmpFile& bmp)
{
    int rows = bmp.height < 0 ? -bmp.height : bmp.height;
    auto rowBytes = static_cast<uint32_t>((static_cast<uint64_t>(bmp.width) * bmp.bitCount + 31) / 32 * 4);
    uint32_t tableBytes = 4 * static_cast<uint32_t>(bmp.colours.size());
    uint32_t natural = 14 + bmp.infoSize + tableBytes + bmp.gapBytes;
    std::string bits(static_cast<size_t>(rowBytes) * rows, '\0');
    for (int y = 0; y < rows; ++y) {
        int stored = bmp.height < 0 ? y : rows - 1 - y;
        auto* row = reinterpret_cast<unsigned char*>(&bits[static_cast<size_t>(stored) * rowBytes]);
        for (int x = 0; x < bmp.width; ++x) {
            uint32_t value = bmp.pixel(x, y);
            int bit = x * bmp.bitCount;
            if (bmp.bitCount <= 8) {
                // Packed from the high bits of each byte.
                uint32_t mask = (1u << bmp.bitCount) - 1;
                row[bit / 8] |= static_cast<unsigned char>((value & mask) << (8 - bmp.bitCount - bit % 8));
            } else if (bmp.bitCount >= 24) {
                for (int i = 0; i < 3; ++i)
                    row[bit / 8 + i] = static_cast<unsigned char>(value >> (8 * i));
            }
        }
    }
    std::string out = "BM";
    PutLe(out, 14 + bmp.infoSize + tableBytes + static_cast<uint32_t>(bits.size()), 4);
    PutLe(out, 0, 4);
    PutLe(out, bmp.bitsOffset != 0 ? bmp.bitsOffset : natural, 4);
    // The information header: planes 1 and the bit count share a field; 2835 pixels a metre.
    std::string info;
    for (uint32_t field : {bmp.infoSize, static_cast<uint32_t>(bmp.headerWidth != 0 ? bmp.headerWidth : bmp.width),
                           static_cast<uint32_t>(bmp.height), 1u | bmp.bitCount << 16, bmp.compression,
                           static_cast<uint32_t>(bits.size()), 2835u, 2835u, bmp.coloursUsed, 0u})
        PutLe(info, field, 4);
    info.resize(bmp.infoSize, '\0');
    out += info;
    for (uint32_t colour : bmp.colours)
        PutLe(out, colour, 4);  // 0x00RRGGBB little-endian is blue, green, red, 0
    out.resize(natural, '\0');
    out += bits;
    if (bmp.extraBytes >= 0)
        out.append(static_cast<size_t>(bmp.extraBytes), '\x5A');
    else
        out.resize(out.size() - static_cast<size_t>(-bmp.extraBytes));
    return out;
}

// A colour table of count entries that differ from each other.
inline std::vector<uint32_t> BmpRamp(int count)
{
    std::vector<uint32_t> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back(static_cast<uint32_t>((i * 37 % 256) << 16 | (255 - i) << 8 | (i * 11 % 256)));
    return colours;
}
