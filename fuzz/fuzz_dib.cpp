// Feeds arbitrary bytes to the BMP header checks as a whole file. When the
// checks accept it, every byte a draw would read (colour table and pixel
// rows) is read from a copy of exactly the block's size, so the sanitizers
// catch any promise the checks failed to keep.
#include "FuzzInput.h"
#include "progress/CDibHeader.h"

void FuzzOne(FuzzInput& input)
{
    const std::string whole = input.Rest();
    long bitsOffset = 0;
    size_t headerBytes = input.Size() < CDibHeader::fileHeaderSize ? input.Size() : CDibHeader::fileHeaderSize;
    if (CDibHeader::CheckFileHeader(input.Data(), headerBytes, input.Size(), &bitsOffset) != CDibHeader::ok)
        return;
    std::vector<unsigned char> block(input.Data() + CDibHeader::fileHeaderSize, input.Data() + input.Size());
    CDibHeader header;
    short result = header.CheckBlock(block.data(), block.size(), bitsOffset);
    if (result == CDibHeader::ok) {
        Require(header.width <= 32000 && header.height <= 32000 && header.rowBytes % 4 == 0 &&
                    (header.width <= 0 || header.rowBytes * 8 >= static_cast<uint64_t>(header.width) * header.bitCount),
                "a layout out of bounds", whole);
        unsigned sum = 0;
        for (size_t i = 0; i < 4u * static_cast<size_t>(header.colourCount); ++i)
            sum += block[CDibHeader::infoHeaderSize + i];
        for (uint64_t i = 0; i < header.bitsBytes; ++i)
            sum += block[static_cast<size_t>(bitsOffset) + i];
        Require(sum != 0xFFFFFFFFu, "the sum that keeps the reads", whole);
    } else {
        Require((result == CDibHeader::errFormat || result == CDibHeader::errWidth || result == CDibHeader::errHeight ||
                 result == CDibHeader::errOutside) && header.width == 0, "an unknown code, or a width kept", whole);
    }
}
