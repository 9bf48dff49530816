// CDIB under Wine: the loader's own codes (files, failing system calls) and
// the state they leave, pixels drawn at their point, and the palette drawing
// selects, puts back and deletes (seen through gdi32 imports).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "BmpBuilder.h"
#include "afx/CPalette.h"
#include "progress/CDIB.h"
#include "support/GdiObjectCount.h"
#include "support/ImportPatch.h"
#include "support/TempFolder.h"

namespace {

const uint32_t kMarker = 0xEFCDAB;  // 0xRRGGBB

// Draws dib at (3, 2) of a 20 x 12 surface filled with the marker and
// returns its pixels (0xRRGGBB, top row first).
std::vector<uint32_t> Draw(CDIB& dib)
{
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), 20, -12, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    uint32_t* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    ::SelectObject(dc, bitmap);
    std::fill(bits, bits + 240, kMarker);
    dib.DispDIB(dc, 3, 2);
    ::GdiFlush();
    std::vector<uint32_t> pixels;
    for (int i = 0; i < 240; ++i)
        pixels.push_back(bits[i] & 0xFFFFFF);
    // Deleting the DC lets go of the bitmap.
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return pixels;
}

// Loads the bytes as a file; no file when there are none.
short Load(CDIB& dib, const std::string& bytes, short* bitCount = nullptr)
{
    TempFolder folder;
    std::string path = folder.File("image.bmp");
    if (!bytes.empty())
        WriteBytes(path, bytes);
    return dib.LoadDIB(&path[0], bitCount);
}

HPALETTE WINAPI FailCreatePalette(const LOGPALETTE*) { return nullptr; }
LPVOID WINAPI FailMapView(HANDLE, DWORD, DWORD, DWORD, SIZE_T) { return nullptr; }
HGLOBAL WINAPI FailGlobalAlloc(UINT, SIZE_T) { return nullptr; }
// The file seems to end after its header: the block read comes up short.
int g_reads = 0;
BOOL WINAPI ShortReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED overlapped)
{
    *read = 0;
    return ++g_reads > 1 || ::ReadFile(file, buffer, count, read, overlapped);
}

// Each failure after a good load: its code, no image left, nothing drawn.
TEST(DibFiles, EachFailureGivesItsCodeAndLeavesNoImage)
{
    std::string good = MakeBmp(BmpFile(8, 6, 5, 256)), cut = MakeBmp(BmpFile(24, 40, 30));
    cut.resize(cut.size() - 100);
    // Read, not viewed: a short read shows.
    ImportPatch noView(::GetModuleHandleA("zr8wlib.dll"), "kernel32.dll", "MapViewOfFile",
                       reinterpret_cast<void*>(FailMapView));
    // what, file (empty: none), module and function (the call that fails) and its stand-in, code, width kept
    using Case = std::tuple<const char*, std::string, const char*, const char*, void*, short, short>;
    const Case cases[] = {
        {"missing", "", nullptr, nullptr, nullptr, -30, 0},
        {"pixel rows cut short", cut, nullptr, nullptr, nullptr, -44, 0},
        {"no palette", good, "zr8afx.dll", "CreatePalette", reinterpret_cast<void*>(FailCreatePalette), -42, 6},
        {"no memory", good, "zr8wlib.dll", "GlobalAlloc", reinterpret_cast<void*>(FailGlobalAlloc), -1, 0},
        {"short read", good, "zr8afx.dll", "ReadFile", reinterpret_cast<void*>(ShortReadFile), -32, 0}};
    for (const auto& [what, bytes, library, function, replacement, expected, width] : cases) {
        CDIB dib;
        ASSERT_EQ(Load(dib, MakeBmp(BmpFile())), 0) << what;
        std::unique_ptr<ImportPatch> patch;
        const char* dll = function != nullptr && function[0] == 'C' ? "gdi32.dll" : "kernel32.dll";
        if (function != nullptr)
            patch.reset(new ImportPatch(::GetModuleHandleA(library), dll, function, replacement));
        g_reads = 0;
        short bitCount = 77;
        EXPECT_EQ(Load(dib, bytes, &bitCount), expected) << what;
        EXPECT_EQ(bitCount, 77) << what;
        EXPECT_EQ(dib.GetDIBWidth(), width) << what;
        EXPECT_EQ(Draw(dib), std::vector<uint32_t>(240, kMarker)) << what << ": drew after a failed load";
    }
}

// The palettes the library selects while drawing (handle, background flag),
// and the colours of the first, read through the framework's palette class,
// which the library's palette is.
std::vector<std::pair<HPALETTE, BOOL>> g_selections;
std::vector<uint32_t> g_colours;

HPALETTE WINAPI RecordSelectPalette(HDC dc, HPALETTE palette, BOOL background)
{
    if (g_selections.empty()) {
        const CPalette* read = CPalette::FromHandle(palette);
        std::vector<PALETTEENTRY> entries(static_cast<size_t>(read->GetEntryCount()));
        read->GetPaletteEntries(0, static_cast<UINT>(entries.size()), entries.data());
        for (const PALETTEENTRY& c : entries)
            g_colours.push_back(static_cast<uint32_t>(c.peRed << 16 | c.peGreen << 8 | c.peBlue | c.peFlags << 24));
    }
    g_selections.push_back({palette, background});
    return ::SelectPalette(dc, palette, background);
}

// Every depth drawn pixel for pixel at its point, its bit count reported,
// the colour table's palette selected in the background and put back, and
// no GDI object left once the image goes.
TEST(DibFiles, DrawsEachDepthWithItsPalette)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "gdi32.dll", "SelectPalette",
                      reinterpret_cast<void*>(RecordSelectPalette));
    ASSERT_TRUE(patch.Ok());
    // bits, height, colours used, table entries (= palette entries), gap before the bits
    const int table[][5] = {{1, 6, 0, 2, 0}, {4, -6, 0, 16, 8}, {8, 6, 0, 256, 0}, {8, -6, 20, 20, 0},
                            {24, 6, 0, 0, 12}, {24, -6, 3, 3, 0}, {32, 6, 0, 0, 0}};
    for (const auto& e : table) {
        GdiObjectCount gdi;
        BmpFile bmp(static_cast<uint16_t>(e[0]), 11, e[1], e[3]);
        bmp.coloursUsed = static_cast<uint32_t>(e[2]);
        bmp.gapBytes = static_cast<uint32_t>(e[4]);
        bmp.pixel = [&e](int x, int y) {
            return e[0] <= 8 ? static_cast<uint32_t>(x * 5 + y * 3) % e[3]
                             : static_cast<uint32_t>(x * 20 << 16 | y * 40 << 8 | (x + y) * 7);
        };
        std::vector<uint32_t> expected(240, kMarker);
        for (int i = 0; i < 66; ++i)
            expected[(i / 11 + 2) * 20 + i % 11 + 3] =
                e[0] <= 8 ? bmp.colours[bmp.pixel(i % 11, i / 11)] : bmp.pixel(i % 11, i / 11);
        g_selections.clear();
        g_colours.clear();
        {
            CDIB dib;
            short bitCount = 0;
            ASSERT_EQ(Load(dib, MakeBmp(bmp), &bitCount), 0) << e[0];
            EXPECT_EQ(bitCount * 100 + dib.GetDIBWidth() * 10 + dib.GetDIBHeight(), e[0] * 100 + 116) << e[0];
            EXPECT_EQ(Draw(dib), expected) << e[0] << " bits, height " << e[1];
        }
        EXPECT_EQ(gdi.Outstanding(), 0u) << e[0] << " bits: the palette deleted with the image";
        EXPECT_EQ(g_colours, bmp.colours) << e[0] << " bits, " << e[2] << " used";
        ASSERT_EQ(g_selections.size(), e[3] != 0 ? 2u : 0u) << e[0] << " bits: selected and put back";
        if (e[3] != 0) {
            EXPECT_TRUE(g_selections[0].second && g_selections[1].second);
            EXPECT_NE(g_selections[1].first, g_selections[0].first) << "the previous palette goes back";
        }
    }
}

} // namespace
