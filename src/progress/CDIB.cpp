#include "CDIB.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "CDibHeader.h"
#include "afx/CException.h"
#include "afx/CFile.h"
#include "afx/CPalette.h"
#include "files/GlobalBlock.h"

namespace {

// Reads until count bytes came or the file ends; CFile's exceptions count
// as the end.
UINT ReadAll(CFile& file, BYTE* buffer, UINT count)
{
    UINT total = 0;
    try {
        while (total < count) {
            UINT got = file.Read(buffer + total, count - total);
            if (got == 0)
                break;
            total += got;
        }
    } catch (CException* error) {
        error->Delete();
    }
    return total;
}

// Copies count bytes from offset of an open file through a read-only view.
// A view of the page cache beats reading into fresh memory by a fifth or so
// (under Wine as well). Only on fixed local disks: a view of a network or
// removable file can fault in the middle of the copy. False when the view
// cannot be made; nothing is copied then.
bool CopyThroughView(HANDLE file, const char* path, ULONGLONG offset, BYTE* target, SIZE_T count)
{
    char full[MAX_PATH];
    DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (length < 3 || length >= MAX_PATH || full[1] != ':' || full[2] != '\\')
        return false;
    char root[4] = {full[0], ':', '\\', '\0'};
    if (::GetDriveTypeA(root) != DRIVE_FIXED)
        return false;
    ULONGLONG end = offset + count;
    HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, static_cast<DWORD>(end >> 32),
                                         static_cast<DWORD>(end), nullptr);
    if (mapping == nullptr)
        return false;
    const BYTE* view = static_cast<const BYTE*>(::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(end)));
    ::CloseHandle(mapping);
    if (view == nullptr)
        return false;
    std::memcpy(target, view + offset, count);
    ::UnmapViewOfFile(view);
    return true;
}

} // namespace

CDIB::CDIB() : m_hDIB(nullptr), m_pPalette(nullptr), m_nWidth(0), m_nHeight(0), m_lBitsOffset(0) {}

CDIB::~CDIB()
{
    FreeBlock();
    delete m_pPalette;
}

void CDIB::FreeBlock()
{
    if (m_hDIB != nullptr)
        ::GlobalFree(m_hDIB);
    m_hDIB = nullptr;
}

short CDIB::LoadDIB(char* path, short* bitCount)
{
    FreeBlock();
    delete m_pPalette;
    m_pPalette = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
    short result = ReadFile(path, bitCount);
    if (result != CDibHeader::ok)
        FreeBlock();
    return result;
}

short CDIB::ReadFile(const char* path, short* bitCount)
{
    CFile file;
    if (path == nullptr || !file.Open(path, CFile::modeRead | CFile::shareDenyRead))
        return CDibHeader::errOpen;
    ULONGLONG length = 0;
    try {
        length = file.GetLength();
    } catch (CException* error) {
        error->Delete();
        return CDibHeader::errFileHeader;
    }
    BYTE fileHeader[CDibHeader::fileHeaderSize] = {};
    UINT headerBytes = length > CDibHeader::fileHeaderSize ? ReadAll(file, fileHeader, sizeof fileHeader) : 0;
    long bitsOffset = 0;
    short result = CDibHeader::CheckFileHeader(fileHeader, headerBytes, length, &bitsOffset);
    if (result != CDibHeader::ok)
        return result;

    SIZE_T blockSize = static_cast<SIZE_T>(length - CDibHeader::fileHeaderSize);
    m_hDIB = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, blockSize);
    if (m_hDIB == nullptr)
        return CDibHeader::errMemory;
    GlobalBlockLock<BYTE> lock(m_hDIB);
    if (lock.Data() == nullptr)
        return CDibHeader::errMemory;
    if (!CopyThroughView(file.m_hFile, path, CDibHeader::fileHeaderSize, lock.Data(), blockSize) &&
        ReadAll(file, lock.Data(), static_cast<UINT>(blockSize)) < blockSize)
        return CDibHeader::errRead;
    file.Abort();

    CDibHeader header;
    result = header.CheckBlock(lock.Data(), blockSize, bitsOffset);
    if (result != CDibHeader::ok)
        return result;
    m_nWidth = static_cast<short>(header.width);
    m_nHeight = static_cast<short>(header.height);
    m_lBitsOffset = bitsOffset;

    result = MakePalette(lock.Data(), header.colourCount);
    if (result != CDibHeader::ok)
        return result;
    if (bitCount != nullptr)
        *bitCount = static_cast<short>(header.bitCount);
    return CDibHeader::ok;
}

short CDIB::MakePalette(const BYTE* block, uint32_t colourCount)
{
    m_pPalette = new (std::nothrow) CPalette;
    if (m_pPalette == nullptr)
        return CDibHeader::errMemory;
    if (colourCount == 0) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return CDibHeader::ok;
    }
    // A logical palette counts its entries in a WORD.
    if (colourCount > 0xFFFF) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return CDibHeader::errPalette;
    }
    size_t bytes = sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(colourCount);
    auto* logical = static_cast<LOGPALETTE*>(std::calloc(1, bytes));
    if (logical == nullptr) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return CDibHeader::errMemory;
    }
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(colourCount);
    const BYTE* table = block + CDibHeader::infoHeaderSize;  // RGBQUAD: blue, green, red, reserved
    for (uint32_t i = 0; i < colourCount; ++i) {
        logical->palPalEntry[i].peRed = table[i * 4 + 2];
        logical->palPalEntry[i].peGreen = table[i * 4 + 1];
        logical->palPalEntry[i].peBlue = table[i * 4];
        logical->palPalEntry[i].peFlags = 0;
    }
    BOOL created = m_pPalette->CreatePalette(logical);
    std::free(logical);
    if (!created) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return CDibHeader::errPalette;
    }
    return CDibHeader::ok;
}

void CDIB::DispDIB(HDC dc, short x, short y)
{
    GlobalBlockLock<BYTE> lock(m_hDIB);
    if (lock.Data() == nullptr || dc == nullptr)
        return;
    HPALETTE previous = nullptr;
    if (m_pPalette != nullptr) {
        previous = ::SelectPalette(dc, *m_pPalette, TRUE);
        ::RealizePalette(dc);
    }
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(m_nWidth), static_cast<DWORD>(m_nHeight), 0, 0, 0,
                        static_cast<UINT>(m_nHeight), lock.Data() + m_lBitsOffset,
                        reinterpret_cast<const BITMAPINFO*>(lock.Data()), DIB_RGB_COLORS);
    if (previous != nullptr)
        ::SelectPalette(dc, previous, TRUE);
}

short CDIB::GetDIBWidth()
{
    return m_nWidth;
}

short CDIB::GetDIBHeight()
{
    return m_nHeight;
}
