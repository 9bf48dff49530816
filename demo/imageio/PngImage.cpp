#include "PngImage.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <zlib.h>

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Far larger than any window a test paints; keeps a damaged header from
// asking for gigabytes.
const uint32_t kMaxSide = 16384;

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t GetBigEndian(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, static_cast<uint32_t>(crc32(0, &out[typeAt], static_cast<uInt>(data.size() + 4))));
}

std::vector<uint8_t> ReadFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

uint32_t RgbImage::Pixel(int x, int y) const
{
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

bool RgbImage::operator==(const RgbImage& other) const
{
    return width == other.width && height == other.height && rgb == other.rgb;
}

bool WritePng(const std::string& fileName, const RgbImage& image)
{
    const size_t stride = static_cast<size_t>(image.width) * 3;
    if (image.width <= 0 || image.height <= 0 || image.rgb.size() != stride * image.height)
        return false;
    std::vector<uint8_t> raw;  // each row: filter type 0, then its pixels
    raw.reserve((stride + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), image.rgb.begin() + y * stride, image.rgb.begin() + (y + 1) * stride);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no interlace
    std::vector<uint8_t> file(kSignature, kSignature + 8);
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});

    FILE* out = std::fopen(fileName.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

bool ReadPng(const std::string& fileName, RgbImage* image)
{
    std::vector<uint8_t> file = ReadFile(fileName);
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0)
        return false;
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> packed;
    for (size_t at = 8; at + 12 <= file.size();) {
        uint32_t length = GetBigEndian(&file[at]);
        if (length > file.size() - at - 12)
            return false;
        const uint8_t* type = &file[at + 4];
        const uint8_t* data = type + 4;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] != 0 || data[11] != 0 || data[12] != 0)
                return false;
            width = GetBigEndian(data);
            height = GetBigEndian(data + 4);
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            packed.insert(packed.end(), data, data + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        }
        at += 12 + length;
    }
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return false;
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> raw((stride + 1) * height);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) != Z_OK ||
        rawSize != raw.size())
        return false;

    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->rgb.clear();
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = &raw[y * (stride + 1)];
        if (row[0] != 0)  // WritePng filters no row
            return false;
        image->rgb.insert(image->rgb.end(), row + 1, row + 1 + stride);
    }
    return true;
}
