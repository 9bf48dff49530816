// CDIB under Wine: each load code from a file made for it (or a failing
// system call), the object's state after it, pixels read back after
// drawing, and the palette drawing selects (seen through gdi32 imports).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "BmpBuilder.h"
#include "progress/CDIB.h"
#include "support/ImportPatch.h"
#include "support/TempFolder.h"

namespace {

const uint32_t kMarker = 0xEFCDAB;  // 0xRRGGBB

// A 32-bit top-down memory surface filled with the marker colour.
struct Surface {
    Surface(int width, int height) : width(width)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc = ::CreateCompatibleDC(nullptr);
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = ::SelectObject(dc, bitmap);
        std::fill(bits, bits + width * height, kMarker);
        count = width * height;
    }
    ~Surface()
    {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    uint32_t At(int x, int y) const
    {
        ::GdiFlush();
        return bits[y * width + x] & 0xFFFFFF;
    }
    bool Untouched() const
    {
        ::GdiFlush();
        return std::all_of(bits, bits + count, [](uint32_t pixel) { return pixel == kMarker; });
    }

    int width;
    int count;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    uint32_t* bits = nullptr;
};

BmpSpec Spec(uint16_t bits, int32_t width, int32_t height, long extra = 0)
{
    BmpSpec spec;
    spec.bitCount = bits;
    spec.width = width;
    spec.height = height;
    spec.colours = BmpRamp(bits <= 8 ? 1 << bits : 0);
    spec.extraBytes = extra;
    return spec;
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

TEST_F(DibFiles, EachBadFileGivesItsCodeAndLeavesNoImage)
{
    std::string good = MakeBmp(Spec(24, 4, 3));
    BmpSpec rle = Spec(8, 4, 3);
    rle.compression = 1;
    const struct {
        const char* what;
        std::string bytes;  // empty: no file
        short expected;
    } cases[] = {
        {"missing", "", -30},
        {"14 bytes", good.substr(0, 14), -31},
        {"not BM", "MB" + good.substr(2), -31},
        {"pixel rows cut short", MakeBmp(Spec(24, 40, 30, -100)), -44},
        {"RLE8", MakeBmp(rle), -43},
        {"bit count 2", good.substr(0, 28) + std::string("\x02\x00", 2) + good.substr(30), -43},
        {"32001 wide", MakeBmp(Spec(24, 32001, 1, -96000)), -40},
        {"100 x 32001", MakeBmp(Spec(24, 100, 32001, -(300L * 32001 - 300))), -41},
    };
    for (const auto& c : cases) {
        CDIB dib;
        ASSERT_EQ(Load(dib, good), 0) << "a good image first: the failed load must release it";
        short bitCount = 77;
        std::string missing = m_folder.File("missing.bmp");
        EXPECT_EQ(c.bytes.empty() ? dib.LoadDIB(&missing[0], &bitCount) : Load(dib, c.bytes, &bitCount), c.expected)
            << c.what;
        EXPECT_EQ(bitCount, 77) << c.what;
        EXPECT_EQ(dib.GetDIBWidth() | dib.GetDIBHeight(), 0) << c.what;
        Surface surface(8, 8);
        dib.DispDIB(surface.dc, 0, 0);
        EXPECT_TRUE(surface.Untouched()) << c.what << ": drew after a failed load";
    }
    EXPECT_EQ(CDIB().LoadDIB(nullptr, nullptr), -30);
}

TEST_F(DibFiles, PropertiesAfterAGoodLoad)
{
    CDIB dib;
    EXPECT_EQ(dib.GetDIBWidth() | dib.GetDIBHeight(), 0);
    const int table[][3] = {{1, 33, 7}, {4, 9, 2}, {8, 5, 3}, {16, 3, 2}, {24, 32000, 1}, {24, 1, 32000}, {32, 2, -6}};
    for (const auto& e : table) {
        short bitCount = 0;
        ASSERT_EQ(Load(dib, MakeBmp(Spec(static_cast<uint16_t>(e[0]), e[1], e[2])), &bitCount), 0) << e[0];
        EXPECT_EQ(bitCount, e[0]);
        EXPECT_EQ(dib.GetDIBWidth(), e[1]);
        EXPECT_EQ(dib.GetDIBHeight(), std::abs(e[2]));
    }
}

TEST_F(DibFiles, DrawsEveryDepthPixelForPixelAtItsPoint)
{
    for (uint16_t bits : {1, 4, 8, 24}) {
        for (int32_t height : {6, -6}) {
            BmpSpec spec = Spec(bits, 11, height);
            uint32_t colours = static_cast<uint32_t>(spec.colours.size());
            spec.pixel = [bits, colours](int x, int y) {
                uint32_t mixed = static_cast<uint32_t>(x * 20 << 16 | y * 40 << 8 | (x + y) * 7);
                return bits == 24 ? mixed : static_cast<uint32_t>(x * 5 + y * 3) % colours;
            };
            CDIB dib;
            ASSERT_EQ(Load(dib, MakeBmp(spec)), 0);
            Surface surface(20, 12);
            dib.DispDIB(surface.dc, 3, 2);
            for (int y = 0; y < 12; ++y) {
                for (int x = 0; x < 20; ++x) {
                    uint32_t expected = kMarker;
                    if (x >= 3 && x < 14 && y >= 2 && y < 8) {
                        uint32_t value = spec.pixel(x - 3, y - 2);
                        expected = bits == 24 ? value : spec.colours[value];
                    }
                    ASSERT_EQ(surface.At(x, y), expected) << bits << " bits, height " << height << ", at " << x << "," << y;
                }
            }
        }
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
    WORD entries = 0;
    ::GetObjectA(palette, sizeof entries, &entries);
    g_selections.push_back({palette, background, std::vector<PALETTEENTRY>(entries)});
    ::GetPaletteEntries(palette, 0, entries, g_selections.back().colours.data());
    return ::SelectPalette(dc, palette, background);
}

TEST_F(DibFiles, PaletteFromTheColourTableSelectedAsBackgroundAndPutBack)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "gdi32.dll", "SelectPalette",
                      reinterpret_cast<void*>(RecordSelectPalette));
    ASSERT_TRUE(patch.Ok());
    // bits, colours used, table entries (= palette entries)
    const int table[][3] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {8, 20, 20}, {24, 0, 0}, {24, 3, 3}};
    for (const auto& e : table) {
        BmpSpec spec = Spec(static_cast<uint16_t>(e[0]), 4, 2);
        spec.coloursUsed = static_cast<uint32_t>(e[1]);
        spec.colours = BmpRamp(e[2]);
        CDIB dib;
        ASSERT_EQ(Load(dib, MakeBmp(spec)), 0);
        Surface surface(4, 2);
        HGDIOBJ original = ::GetCurrentObject(surface.dc, OBJ_PAL);
        g_selections.clear();
        dib.DispDIB(surface.dc, 0, 0);
        EXPECT_FALSE(surface.Untouched()) << e[0] << " bits drawn";
        if (e[2] == 0) {
            EXPECT_TRUE(g_selections.empty()) << "a palette-less image selects none";
            continue;
        }
        ASSERT_EQ(g_selections.size(), 2u) << e[0] << " bits, " << e[1] << " used";
        ASSERT_EQ(g_selections[0].colours.size(), static_cast<size_t>(e[2]));
        for (int i = 0; i < e[2]; ++i) {
            const PALETTEENTRY& c = g_selections[0].colours[i];
            ASSERT_EQ(static_cast<uint32_t>(c.peRed << 16 | c.peGreen << 8 | c.peBlue | c.peFlags << 24),
                      spec.colours[i]) << "entry " << i;
        }
        EXPECT_TRUE(g_selections[0].background && g_selections[1].background);
        EXPECT_EQ(g_selections[1].palette, original) << "the previous palette goes back";
    }
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

TEST_F(DibFiles, FailuresOfTheSystemGiveTheirCodes)
{
    std::string file = MakeBmp(Spec(8, 6, 5));
    const struct {
        const char* module;
        const char* function;
        void* replacement;
        short expected;
        short width;  // kept after the failure
    } cases[] = {{"zr8afx.dll", "CreatePalette", reinterpret_cast<void*>(FailCreatePalette), -42, 6},
                 {"zr8wlib.dll", "GlobalAlloc", reinterpret_cast<void*>(FailGlobalAlloc), -1, 0},
                 {"zr8afx.dll", "ReadFile", reinterpret_cast<void*>(ShortReadFile), -32, 0}};
    // Without a view of the file the block is read: then a short read shows.
    ImportPatch noView(::GetModuleHandleA("zr8wlib.dll"), "kernel32.dll", "MapViewOfFile",
                       reinterpret_cast<void*>(FailMapView));
    ASSERT_TRUE(noView.Ok());
    CDIB read;
    EXPECT_EQ(Load(read, file), 0) << "read, not viewed";
    for (const auto& c : cases) {
        ImportPatch patch(::GetModuleHandleA(c.module), c.function[0] == 'C' ? "gdi32.dll" : "kernel32.dll",
                          c.function, c.replacement);
        ASSERT_TRUE(patch.Ok()) << c.function;
        g_reads = 0;
        CDIB dib;
        EXPECT_EQ(Load(dib, file), c.expected) << c.function;
        EXPECT_EQ(dib.GetDIBWidth(), c.width) << c.function;
        Surface surface(8, 8);
        dib.DispDIB(surface.dc, 0, 0);
        EXPECT_TRUE(surface.Untouched()) << c.function << ": nothing drawn";
    }
    // Another reader holds the file without sharing: it cannot be opened.
    std::string path = m_folder.File("image.bmp");
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CDIB dib;
    EXPECT_EQ(dib.LoadDIB(&path[0], nullptr), -30);
    ::CloseHandle(held);
    EXPECT_EQ(dib.LoadDIB(&path[0], nullptr), 0);
}

} // namespace
