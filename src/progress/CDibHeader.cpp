#include "CDibHeader.h"

namespace {

uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t ReadU16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// Offsets inside BITMAPINFOHEADER.
const size_t kSizeField = 0;
const size_t kWidthField = 4;
const size_t kHeightField = 8;
const size_t kBitCountField = 14;
const size_t kCompressionField = 16;
const size_t kColoursUsedField = 32;

// A block the loader could not read in one go (CFile reads take a UINT).
const uint64_t kMaxBlock = 0xFFFFFFFFu;

int DefaultColours(int bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

CDibHeader::CDibHeader() : width(0), height(0), bitCount(0), colourCount(0), rowBytes(0), bitsBytes(0) {}

short CDibHeader::CheckFileHeader(const unsigned char* header, size_t headerBytes, uint64_t fileLength,
                                  long* bitsOffset)
{
    if (fileLength <= fileHeaderSize || fileLength - fileHeaderSize < infoHeaderSize)
        return errFileHeader;
    if (header == nullptr || headerBytes < fileHeaderSize || ReadU16(header) != 0x4D42)
        return errFileHeader;
    if (fileLength - fileHeaderSize > kMaxBlock)
        return errMemory;
    if (bitsOffset != nullptr)
        *bitsOffset = static_cast<long>(static_cast<int64_t>(ReadU32(header + 10)) - static_cast<int64_t>(fileHeaderSize));
    return ok;
}

short CDibHeader::CheckBlock(const unsigned char* block, size_t blockSize, long bitsOffset)
{
    if (block == nullptr || blockSize < infoHeaderSize)
        return errFormat;
    if (ReadU32(block + kSizeField) != infoHeaderSize || ReadU32(block + kCompressionField) != 0)
        return errFormat;
    int32_t rawWidth = static_cast<int32_t>(ReadU32(block + kWidthField));
    int32_t rawHeight = static_cast<int32_t>(ReadU32(block + kHeightField));
    if (rawWidth > maxSide)
        return errWidth;
    if (rawHeight > maxSide)
        return errHeight;

    int bits = ReadU16(block + kBitCountField);
    uint32_t coloursUsed = ReadU32(block + kColoursUsedField);
    uint32_t colours = coloursUsed != 0 ? coloursUsed : static_cast<uint32_t>(DefaultColours(bits));
    if (infoHeaderSize + 4u * static_cast<uint64_t>(colours) > blockSize)
        return errOutside;
    // The system draws no row of an image less than 1 pixel wide.
    uint64_t row = rawWidth < 1 ? 0 : (static_cast<uint64_t>(rawWidth) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
    auto rows = static_cast<uint64_t>(rawHeight < 0 ? -static_cast<int64_t>(rawHeight) : rawHeight);
    uint64_t pixels = row * rows;
    if (pixels != 0 && (bitsOffset < 0 || static_cast<uint64_t>(bitsOffset) > blockSize ||
                        pixels > blockSize - static_cast<uint64_t>(bitsOffset)))
        return errOutside;

    width = rawWidth;
    height = rawHeight;
    bitCount = bits;
    colourCount = colours;
    rowBytes = row;
    bitsBytes = pixels;
    return ok;
}
