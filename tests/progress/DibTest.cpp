// CDIB under Wine: every load code from a file made for it, the object's
// state after each, pixels read back after drawing, and the palette that
// drawing selects (seen through the library's gdi32 imports).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpBuilder.h"
#include "support/ImportPatch.h"
#include "progress/CDIB.h"
#include "support/TempFolder.h"

namespace {

const COLORREF kMarker = 0x00ABCDEF;  // RGB(0xEF, 0xCD, 0xAB)

// A 32-bit top-down memory surface filled with the marker colour.
class Surface {
public:
    Surface(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        for (int i = 0; i < width * height; ++i)
            m_bits[i] = 0x00EFCDAB;  // 0xRRGGBB of kMarker
    }
    ~Surface()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    // 0x00RRGGBB
    uint32_t Pixel(int x, int y) const
    {
        ::GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }
    bool AllMarker() const
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i) {
            if ((m_bits[i] & 0xFFFFFF) != 0x00EFCDAB)
                return false;
        }
        return true;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    uint32_t* m_bits = nullptr;
};

class DibFiles : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_folder.File(name);
        WriteBytes(path, bytes);
        return path;
    }
    short Load(CDIB& dib, const std::string& path, short* bitCount = nullptr)
    {
        std::vector<char> name(path.begin(), path.end());
        name.push_back('\0');
        return dib.LoadDIB(name.data(), bitCount);
    }

    TempFolder m_folder;
};

BmpSpec Spec(uint16_t bits, int32_t width, int32_t height)
{
    BmpSpec spec;
    spec.bitCount = bits;
    spec.width = width;
    spec.height = height;
    spec.colours = BmpRamp(bits <= 8 ? 1 << bits : 0);
    return spec;
}

// A file whose bytes follow the good one but for a change.
std::string Changed(std::string bytes, size_t at, const std::string& with)
{
    return bytes.replace(at, with.size(), with);
}

TEST_F(DibFiles, EachBadFileGivesItsCodeAndLeavesNoImage)
{
    std::string good = MakeBmp(Spec(24, 4, 3));
    BmpSpec rle = Spec(8, 4, 3);
    rle.compression = 1;
    BmpSpec core = Spec(24, 4, 3);
    core.infoSize = 12;
    BmpSpec truncated = Spec(24, 40, 30);
    truncated.extraBytes = -100;
    BmpSpec wide = Spec(24, 32001, 1);
    wide.extraBytes = -96000;
    BmpSpec tall = Spec(24, 100, 32001);
    tall.extraBytes = -(300LL * 32001 - 300);
    const struct {
        const char* what;
        std::string bytes;  // empty: no file
        short expected;
    } cases[] = {
        {"missing", "", -30},
        {"14 bytes", good.substr(0, 14), -31},
        {"39 bytes after the file header", good.substr(0, 53), -31},
        {"not BM", Changed(good, 0, "MB"), -31},
        {"pixel rows cut short", MakeBmp(truncated), -44},
        {"RLE8", MakeBmp(rle), -43},
        {"12-byte core header", MakeBmp(core), -43},
        {"bit count 2", Changed(good, 28, std::string("\x02\x00", 2)), -43},
        {"32001 wide", MakeBmp(wide), -40},
        {"100 x 32001", MakeBmp(tall), -41},
    };
    for (const auto& c : cases) {
        CDIB dib;
        // A good image first: a failed load must release it.
        ASSERT_EQ(Load(dib, Write("good.bmp", good)), 0);
        std::string path = c.bytes.empty() ? m_folder.File("missing.bmp") : Write("case.bmp", c.bytes);
        short bitCount = 77;
        EXPECT_EQ(Load(dib, path, &bitCount), c.expected) << c.what;
        EXPECT_EQ(bitCount, 77) << c.what;
        EXPECT_EQ(dib.GetDIBWidth(), 0) << c.what;
        EXPECT_EQ(dib.GetDIBHeight(), 0) << c.what;
        Surface surface(8, 8);
        dib.DispDIB(surface.Dc(), 0, 0);
        EXPECT_TRUE(surface.AllMarker()) << c.what << ": drew after a failed load";
    }
}

TEST_F(DibFiles, PropertiesAfterAGoodLoad)
{
    CDIB dib;
    EXPECT_EQ(dib.GetDIBWidth(), 0);
    EXPECT_EQ(dib.GetDIBHeight(), 0);
    const struct {
        uint16_t bits;
        int32_t width;
        int32_t height;
    } table[] = {{1, 33, 7}, {4, 9, 2}, {8, 5, 3}, {16, 3, 2}, {24, 32000, 1}, {24, 1, 32000}, {32, 2, -6}};
    for (const auto& e : table) {
        short bitCount = 0;
        ASSERT_EQ(Load(dib, Write("image.bmp", MakeBmp(Spec(e.bits, e.width, e.height))), &bitCount), 0) << e.bits;
        EXPECT_EQ(bitCount, e.bits);
        EXPECT_EQ(dib.GetDIBWidth(), e.width);
        EXPECT_EQ(dib.GetDIBHeight(), e.height < 0 ? -e.height : e.height);
    }
    EXPECT_EQ(Load(dib, Write("image.bmp", MakeBmp(Spec(24, 4, 4))), nullptr), 0) << "a null bit count is allowed";
}

TEST_F(DibFiles, DrawsEveryDepthPixelForPixelAtItsPoint)
{
    const int width = 11;
    const int height = 6;
    for (uint16_t bits : {1, 4, 8, 24}) {
        for (int32_t signedHeight : {height, -height}) {
            BmpSpec spec = Spec(bits, width, signedHeight);
            int colours = static_cast<int>(spec.colours.size());
            spec.pixel = [bits, colours](int x, int y) {
                return bits == 24 ? static_cast<uint32_t>(x * 20 << 16 | y * 40 << 8 | (x + y) * 7)
                                  : static_cast<uint32_t>((x * 5 + y * 3) % colours);
            };
            CDIB dib;
            ASSERT_EQ(Load(dib, Write("draw.bmp", MakeBmp(spec))), 0);
            Surface surface(20, 12);
            dib.DispDIB(surface.Dc(), 3, 2);
            for (int y = 0; y < 12; ++y) {
                for (int x = 0; x < 20; ++x) {
                    bool inside = x >= 3 && x < 3 + width && y >= 2 && y < 2 + height;
                    uint32_t expected = 0x00EFCDAB;
                    if (inside) {
                        uint32_t value = spec.pixel(x - 3, y - 2);
                        expected = bits == 24 ? value : spec.colours[value];
                    }
                    ASSERT_EQ(surface.Pixel(x, y), expected)
                        << bits << " bits, height " << signedHeight << ", at " << x << "," << y;
                }
            }
        }
    }
}

// What the library selects into the device context while drawing.
struct PaletteSelection {
    HPALETTE palette;
    BOOL background;
    int entries;
    std::vector<PALETTEENTRY> colours;
};
std::vector<PaletteSelection> g_selections;

HPALETTE WINAPI RecordSelectPalette(HDC dc, HPALETTE palette, BOOL background)
{
    PaletteSelection selection = {palette, background, 0, {}};
    WORD entries = 0;
    ::GetObjectA(palette, sizeof entries, &entries);
    selection.entries = entries;
    selection.colours.resize(entries);
    if (entries != 0)
        ::GetPaletteEntries(palette, 0, entries, selection.colours.data());
    g_selections.push_back(selection);
    return ::SelectPalette(dc, palette, background);
}

TEST_F(DibFiles, PaletteFromTheColourTableSelectedAsBackgroundAndPutBack)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "gdi32.dll", "SelectPalette",
                      reinterpret_cast<void*>(RecordSelectPalette));
    ASSERT_TRUE(patch.Ok());
    const struct {
        uint16_t bits;
        uint32_t coloursUsed;
        int tableEntries;
        int paletteEntries;  // 0: none selected
    } table[] = {{1, 0, 2, 2}, {4, 0, 16, 16}, {8, 0, 256, 256}, {8, 20, 20, 20}, {24, 0, 0, 0}, {24, 3, 3, 3}};
    for (const auto& e : table) {
        BmpSpec spec = Spec(e.bits, 4, 2);
        spec.colours = BmpRamp(e.tableEntries);
        spec.coloursUsed = e.coloursUsed;
        CDIB dib;
        ASSERT_EQ(Load(dib, Write("palette.bmp", MakeBmp(spec))), 0);
        Surface surface(4, 2);
        HPALETTE original = static_cast<HPALETTE>(::GetCurrentObject(surface.Dc(), OBJ_PAL));
        g_selections.clear();
        dib.DispDIB(surface.Dc(), 0, 0);
        if (e.paletteEntries == 0) {
            EXPECT_TRUE(g_selections.empty()) << e.bits << " bits: a palette-less image selects none";
            EXPECT_FALSE(surface.AllMarker()) << "and is drawn all the same";
            continue;
        }
        ASSERT_EQ(g_selections.size(), 2u) << e.bits << " bits, " << e.coloursUsed << " used";
        EXPECT_EQ(g_selections[0].entries, e.paletteEntries);
        EXPECT_TRUE(g_selections[0].background);
        for (int i = 0; i < e.paletteEntries; ++i) {
            const PALETTEENTRY& entry = g_selections[0].colours[i];
            uint32_t rgb = static_cast<uint32_t>(entry.peRed) << 16 | entry.peGreen << 8 | entry.peBlue;
            ASSERT_EQ(rgb, spec.colours[i]) << "entry " << i;
            ASSERT_EQ(entry.peFlags, 0);
        }
        EXPECT_EQ(g_selections[1].palette, original) << "the previous palette goes back";
        EXPECT_TRUE(g_selections[1].background);
        EXPECT_EQ(::GetCurrentObject(surface.Dc(), OBJ_PAL), original);
    }
}

HPALETTE WINAPI FailCreatePalette(const LOGPALETTE*)
{
    return nullptr;
}

HGLOBAL WINAPI FailGlobalAlloc(UINT, SIZE_T)
{
    return nullptr;
}

// The file seems to end after its header: the block read comes up short.
int g_reads = 0;
BOOL WINAPI ShortReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED overlapped)
{
    if (++g_reads > 1) {
        *read = 0;
        return TRUE;
    }
    return ::ReadFile(file, buffer, count, read, overlapped);
}

TEST_F(DibFiles, FailuresOfTheSystemGiveTheirCodes)
{
    std::string path = Write("palette.bmp", MakeBmp(Spec(8, 6, 5)));
    {
        ImportPatch patch(::GetModuleHandleA("zr8afx.dll"), "gdi32.dll", "CreatePalette",
                          reinterpret_cast<void*>(FailCreatePalette));
        ASSERT_TRUE(patch.Ok());
        CDIB dib;
        EXPECT_EQ(Load(dib, path), -42);
        EXPECT_EQ(dib.GetDIBWidth(), 6) << "the size stays when the palette fails";
        EXPECT_EQ(dib.GetDIBHeight(), 5);
        Surface surface(8, 8);
        dib.DispDIB(surface.Dc(), 0, 0);
        EXPECT_TRUE(surface.AllMarker()) << "but nothing is drawn";
    }
    {
        ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "kernel32.dll", "GlobalAlloc",
                          reinterpret_cast<void*>(FailGlobalAlloc));
        ASSERT_TRUE(patch.Ok());
        CDIB dib;
        EXPECT_EQ(Load(dib, path), -1);
        EXPECT_EQ(dib.GetDIBWidth(), 0);
    }
    {
        ImportPatch patch(::GetModuleHandleA("zr8afx.dll"), "kernel32.dll", "ReadFile",
                          reinterpret_cast<void*>(ShortReadFile));
        ASSERT_TRUE(patch.Ok());
        g_reads = 0;
        CDIB dib;
        EXPECT_EQ(Load(dib, path), -32);
        EXPECT_EQ(dib.GetDIBWidth(), 0);
    }
    {
        // Another reader holds the file without sharing: it cannot be opened.
        HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        CDIB dib;
        EXPECT_EQ(Load(dib, path), -30);
        ::CloseHandle(held);
        EXPECT_EQ(Load(dib, path), 0) << "and can once it is free";
    }
    CDIB dib;
    EXPECT_EQ(dib.LoadDIB(nullptr, nullptr), -30);
}

} // namespace
