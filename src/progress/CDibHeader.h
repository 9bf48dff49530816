// CDibHeader: checks the headers of a BMP file before any pixel is touched.
// Plain portable code: bytes in, a verdict and the image's layout out.
//
// Result codes (shared with CDIB::LoadDIB):
//    0  the headers describe an image that lies wholly inside the block
//   -1  memory could not be obtained (the file is too long to hold)
//  -31  the file is 14 bytes or shorter, has fewer than 40 bytes after the
//       file header, or does not start with "BM"
//  -40  width greater than 32000, or not positive
//  -41  height greater than 32000 or 0 (a negative height, a top-down
//       image, counts by its size); the width is in range
//  -43  the information header is not 40 bytes long, the image is
//       compressed, its bit count is not 1, 4, 8, 16, 24 or 32, or it names
//       more colours than 256 (or than its bit count can index)
//  -44  the file is shorter than its headers promise: the colour table or
//       the pixel rows (rows of 4-byte multiples) run past its end, or the
//       bits offset points before the end of the colour table
// Sizes are computed in 64 bits from values capped above, so no byte count
// can overflow, whatever the header says.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/WinLibApi.h"

class ZR8WLIB_API CDibHeader {
public:
    enum {
        ok = 0,
        errMemory = -1,
        errOpen = -30,
        errFileHeader = -31,
        errRead = -32,
        errWidth = -40,
        errHeight = -41,
        errPalette = -42,
        errFormat = -43,
        errShortBits = -44
    };
    static const size_t fileHeaderSize = 14;
    static const size_t infoHeaderSize = 40;
    static const long maxSide = 32000;

    CDibHeader();

    // The 14-byte file header of a file fileLength bytes long. On success
    // *bitsOffset (may be null) receives the bits offset counted from the
    // end of the file header, which may be negative or beyond the file: the
    // block check judges it.
    static short CheckFileHeader(const unsigned char* header, size_t headerBytes, uint64_t fileLength,
                                 long* bitsOffset);

    // The file's contents after the file header (the DIB block), in the
    // order the loader reports: format (-43), width (-40), height (-41),
    // then the extent (-44). Fills this object on success only.
    short CheckBlock(const unsigned char* block, size_t blockSize, long bitsOffset);

    long width;          // pixels, 1..32000
    long height;         // pixels, 1..32000 (the size of a top-down image too)
    bool topDown;        // the header's height was negative
    int bitCount;        // 1, 4, 8, 16, 24 or 32
    int colourCount;     // entries of the colour table, 0..256
    uint64_t rowBytes;   // bytes of one row of pixels, a multiple of 4
    uint64_t bitsBytes;  // rowBytes × height
};
