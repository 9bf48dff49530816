// CDIB: a BMP file held in memory as a device-independent bitmap, with a
// logical palette built from its colour table, drawn unscaled at a point.
//
// LoadDIB's result codes are listed in CDibHeader.h. Besides the format
// checks, a file is refused when its colour table or pixel rows lie outside
// it (-44), so drawing never reads outside the loaded block. Width and
// height are kept as the header gives them (a top-down image has a
// negative height) and passed on to the system as they are when drawing.
#pragma once

#include <cstdint>

#include "afx/AfxTypes.h"
#include "frame/WinLibApi.h"

class CPalette;

class ZR8WLIB_API CDIB {
public:
    CDIB();
    ~CDIB();
    CDIB(const CDIB&) = delete;
    CDIB& operator=(const CDIB&) = delete;

    // 0 when loaded; a negative code otherwise, and the object holds no
    // image. *bitCount (may be null) receives the bits per pixel on success.
    short LoadDIB(char* path, short* bitCount);
    // Draws the image with its top-left corner at (x, y); nothing when no
    // image is loaded.
    void DispDIB(HDC dc, short x, short y);
    short GetDIBWidth();
    short GetDIBHeight();

private:
    void FreeBlock();
    short ReadFile(const char* path, short* bitCount);
    short MakePalette(const BYTE* block, uint32_t colourCount);

    HGLOBAL m_hDIB;        // the file after its 14-byte header
    CPalette* m_pPalette;  // null when the image has no colour table
    short m_nWidth;
    short m_nHeight;
    long m_lBitsOffset;    // where the pixel bits start inside m_hDIB
};
