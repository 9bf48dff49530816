// CDIB under Wine: the loader's own codes (files, failing system calls) and
// the state they leave, pixels drawn at their point, and the palette drawing
// selects, puts back and deletes (seen through gdi32 imports).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
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
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -12, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    std::fill(bits, bits + 240, kMarker);
    dib.DispDIB(dc, 3, 2);
    ::GdiFlush();
    std::vector<uint32_t> pixels(bits, bits + 240);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return pixels;
}

BmpFile BmpOf(uint16_t bits, int32_t width, int32_t height, long extra = 0)
{
    BmpFile bmp;
    bmp.bitCount = bits;
    bmp.width = width;
    bmp.height = height;
    bmp.colours = BmpRamp(bits <= 8 ? 1 << bits : 0);
    bmp.extraBytes = extra;
    bmp.pixel = [bits](int x, int y) {
        return bits > 8 ? static_cast<uint32_t>(x * 20 << 16 | y * 40 << 8 | (x + y) * 7)
                        : static_cast<uint32_t>(x * 5 + y * 3) % (1u << bits);
    };
    return bmp;
}

class DibFiles : public ::testing::Test {
protected:
    short Load(CDIB& dib, const std::string& bytes, short* bitCount = nullptr)
    {
        std::string path = m_folder.File("image.bmp");
        WriteBytes(path, bytes);
        return dib.LoadDIB(&path[0], bitCount);
    }
    TempFolder m_folder;
};

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
TEST_F(DibFiles, EachFailureGivesItsCodeAndLeavesNoImage)
{
    std::string good = MakeBmp(BmpOf(8, 6, 5));
    ImportPatch noView(::GetModuleHandleA("zr8wlib.dll"), "kernel32.dll", "MapViewOfFile",
                       reinterpret_cast<void*>(FailMapView));  // read, not viewed: a short read shows
    const struct {
        const char* what;
        std::string bytes;     // empty: no file
        const char* module;    // with function: the call that fails
        const char* function;
        void* replacement;
        short expected;
        short width;           // kept after the failure
    } cases[] = {{"missing", "", nullptr, nullptr, nullptr, -30, 0},
                 {"pixel rows cut short", MakeBmp(BmpOf(24, 40, 30, -100)), nullptr, nullptr, nullptr, -44, 0},
                 {"no palette", good, "zr8afx.dll", "CreatePalette", reinterpret_cast<void*>(FailCreatePalette), -42, 6},
                 {"no memory", good, "zr8wlib.dll", "GlobalAlloc", reinterpret_cast<void*>(FailGlobalAlloc), -1, 0},
                 {"short read", good, "zr8afx.dll", "ReadFile", reinterpret_cast<void*>(ShortReadFile), -32, 0}};
    for (const auto& c : cases) {
        CDIB dib;
        ASSERT_EQ(Load(dib, MakeBmp(BmpOf(24, 4, 3))), 0) << c.what;
        std::unique_ptr<ImportPatch> patch;
        if (c.function != nullptr)
            patch.reset(new ImportPatch(::GetModuleHandleA(c.module), c.function[0] == 'C' ? "gdi32.dll" : "kernel32.dll",
                                        c.function, c.replacement));
        g_reads = 0;
        short bitCount = 77;
        std::string missing = m_folder.File("missing.bmp");
        EXPECT_EQ(c.bytes.empty() ? dib.LoadDIB(&missing[0], &bitCount) : Load(dib, c.bytes, &bitCount), c.expected)
            << c.what;
        EXPECT_EQ(bitCount, 77) << c.what;
        EXPECT_EQ(dib.GetDIBWidth(), c.width) << c.what;
        std::vector<uint32_t> pixels = Draw(dib);
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kMarker), 240) << c.what << ": drew after a failed load";
    }
}

// The palettes the library selects while drawing: handle, background flag
// and colours.
struct Selection {
    HPALETTE palette;
    BOOL background;
    std::vector<PALETTEENTRY> colours;
};
std::vector<Selection> g_selections;

HPALETTE WINAPI RecordSelectPalette(HDC dc, HPALETTE palette, BOOL background)
{
    // Read through the framework's palette class, which the library's palette is.
    const CPalette* read = CPalette::FromHandle(palette);
    int entries = read->GetEntryCount();
    g_selections.push_back({palette, background, std::vector<PALETTEENTRY>(entries)});
    read->GetPaletteEntries(0, static_cast<UINT>(entries), g_selections.back().colours.data());
    return ::SelectPalette(dc, palette, background);
}

// Every depth drawn pixel for pixel at its point, its bit count reported,
// the colour table's palette selected in the background and put back, and
// no GDI object left once the image goes.
TEST_F(DibFiles, DrawsEachDepthWithItsPalette)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "gdi32.dll", "SelectPalette",
                      reinterpret_cast<void*>(RecordSelectPalette));
    ASSERT_TRUE(patch.Ok());
    // bits, height, colours used, table entries (= palette entries), gap before the bits
    const int table[][5] = {{1, 6, 0, 2, 0}, {4, -6, 0, 16, 8}, {8, 6, 0, 256, 0}, {8, -6, 20, 20, 0},
                            {24, 6, 0, 0, 12}, {24, -6, 3, 3, 0}, {32, 6, 0, 0, 0}};
    for (const auto& e : table) {
        GdiObjectCount gdi;
        BmpFile bmp = BmpOf(static_cast<uint16_t>(e[0]), 11, e[1]);
        bmp.coloursUsed = static_cast<uint32_t>(e[2]);
        bmp.colours = BmpRamp(e[3]);
        bmp.gapBytes = static_cast<uint32_t>(e[4]);
        if (e[0] == 8)
            bmp.pixel = [&e](int x, int y) { return static_cast<uint32_t>(x * 5 + y * 3) % e[3]; };
        g_selections.clear();
        {
            CDIB dib;
            short bitCount = 0;
            ASSERT_EQ(Load(dib, MakeBmp(bmp), &bitCount), 0) << e[0];
            EXPECT_EQ(bitCount * 100 + dib.GetDIBWidth() * 10 + dib.GetDIBHeight(), e[0] * 100 + 116) << e[0];
            std::vector<uint32_t> pixels = Draw(dib);
            for (int i = 0; i < 240; ++i) {
                int x = i % 20 - 3, y = i / 20 - 2;
                uint32_t value = x >= 0 && x < 11 && y >= 0 && y < 6 ? bmp.pixel(x, y) : kMarker;
                ASSERT_EQ(pixels[i], value == kMarker || e[0] > 8 ? value : bmp.colours[value])
                    << e[0] << " bits, height " << e[1] << ", at " << x << "," << y;
            }
        }
        EXPECT_EQ(gdi.Outstanding(), 0u) << e[0] << " bits: the palette deleted with the image";
        if (e[3] == 0) {
            EXPECT_TRUE(g_selections.empty()) << "a palette-less image selects none";
            continue;
        }
        ASSERT_EQ(g_selections.size(), 2u) << e[0] << " bits, " << e[2] << " used";
        ASSERT_EQ(g_selections[0].colours.size(), static_cast<size_t>(e[3]));
        for (int i = 0; i < e[3]; ++i) {
            const PALETTEENTRY& c = g_selections[0].colours[i];
            ASSERT_EQ(static_cast<uint32_t>(c.peRed << 16 | c.peGreen << 8 | c.peBlue | c.peFlags << 24),
                      bmp.colours[i]) << "entry " << i;
        }
        EXPECT_TRUE(g_selections[0].background && g_selections[1].background);
        EXPECT_NE(g_selections[1].palette, g_selections[0].palette) << "the previous palette goes back";
    }
}

} // namespace
