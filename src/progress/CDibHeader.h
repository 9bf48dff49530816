// CDibHeader: checks the headers of a BMP file before any pixel is touched.
// Plain portable code: bytes in, a verdict and the image's layout out.
//
// Result codes (shared with CDIB::LoadDIB):
//    0  loaded
//   -1  memory could not be obtained (the file is too long to hold)
//  -30  the file could not be opened (CDIB only)
//  -31  the file is 14 bytes or shorter, has fewer than 40 bytes after the
//       file header, or does not start with "BM"
//  -32  fewer bytes than the rest of the file were read (CDIB only)
//  -40  width greater than 32000
//  -41  height greater than 32000; the width is in range
//  -42  the palette could not be created (CDIB only)
//  -43  the information header is not 40 bytes long, or the image is
//       compressed
//  -44  drawing would read outside the file: its colour table runs past
//       its end, or its pixel rows (4-byte multiples, |height| of them) do
//       not lie between the information header's start and the file's end
// Any other width, height, bit count or colours-used value is taken as the
// header gives it: a top-down image keeps its negative height. Sizes are
// computed in 64 bits from values capped above, so no byte count can
// overflow, whatever the header says.
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
        errOutside = -44
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

    long width;             // as in the header, at most 32000
    long height;            // as in the header, at most 32000; negative: top-down
    int bitCount;           // as in the header
    uint32_t colourCount;   // entries of the colour table
    uint64_t rowBytes;      // bytes of one row of pixels, a multiple of 4; 0 for a width below 1
    uint64_t bitsBytes;     // rowBytes × |height|: what a draw reads at the bits offset
};
