// CDIB under Wine: the loader's codes and the state they leave, every depth
// drawn on one sheet against a reference image, the palette selected while
// drawing (read back through the gdi32 imports) and the GDI objects left.
#include <windows.h>

#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "progress/CDIB.h"
#include "support/GdiObjectCount.h"
#include "support/Golden.h"
#include "support/TempFolder.h"
#include "WindowImage.h"

namespace {

// Per SelectPalette call: the background flag, then the entries of the
// palette selected (none for the stock one) as 0xRRGGBB, flags above.
std::vector<uint32_t> g_selected;

HPALETTE WINAPI RecordSelectPalette(HDC dc, HPALETTE palette, BOOL background)
{
    PALETTEENTRY entries[256];
    UINT count = palette != ::GetStockObject(DEFAULT_PALETTE) ? ::GetPaletteEntries(palette, 0, 256, entries) : 0;
    g_selected.push_back(static_cast<uint32_t>(background));
    for (const PALETTEENTRY* e = entries; e < entries + count; ++e)
        g_selected.push_back(static_cast<uint32_t>(e->peFlags << 24 | e->peRed << 16 | e->peGreen << 8 | e->peBlue));
    return ::SelectPalette(dc, palette, background);
}

// Each file loaded over a good one and drawn at its slot of a sheet: its
// code, bit count and size, the palette selected as background while it is
// drawn and put back, one palette object made for a colour table and none
// left. A failed load leaves nothing to draw; -42 keeps the size. A
// top-down image keeps its negative height, which goes to the system as it
// is: the system then draws no row.
TEST(DibFiles, EachFileDrawnAtItsSlotOfOneSheet)
{
    TempFolder folder;
    std::string good = MakeBmp(BmpFile()), goodPath = folder.File("good.bmp");
    WriteBytes(goodPath, good);
    BmpFile huge(8, 4, 3, 65536);
    huge.coloursUsed = 65536;
    // file (empty: none), colour table, code, bit count, width, height: missing, not "BM", a pixel row cut short,
    // 65536 colours; then the depths below
    std::vector<std::tuple<std::string, std::vector<uint32_t>, short, short, short, short>> rows = {
        {"", {}, -30, 77, 0, 0}, {"MB" + good.substr(2), {}, -31, 77, 0, 0},
        {good.substr(0, good.size() - 1), {}, -44, 77, 0, 0}, {MakeBmp(huge), {}, -42, 77, 4, 3}};
    // bits, height, colours used, table entries, gap before the bits
    for (auto [bits, height, used, entries, gap] : {std::array{1, 8, 0, 2, 0}, {4, 8, 0, 16, 8}, {8, 8, 0, 256, 0},
                                                     {8, 8, 20, 20, 0}, {8, -8, 20, 20, 0}, {24, 8, 0, 0, 12},
                                                     {24, 8, 3, 3, 0}, {32, 8, 0, 0, 0}}) {
        BmpFile bmp(static_cast<uint16_t>(bits), 12, height, entries);
        bmp.coloursUsed = static_cast<uint32_t>(used);
        bmp.gapBytes = static_cast<uint32_t>(gap);
        bmp.pixel = [=](int x, int y) {
            return static_cast<uint32_t>(bits <= 8 ? (x * 5 + y * 3) % entries
                                                   : x * 20 << 16 | y * 30 << 8 | (x + y) * 9);
        };
        rows.emplace_back(MakeBmp(bmp), bmp.colours, 0, bits, 12, height);
    }
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), 170, -10, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    uint32_t* pixels = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP sheet = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
    ::SelectObject(dc, sheet);
    std::fill(pixels, pixels + 1700, 0xEFCDAB);
    ImportPatch palettes(::GetModuleHandleA("zr8wlib.dll"), "gdi32.dll", "SelectPalette",
                         reinterpret_cast<void*>(RecordSelectPalette));
    for (short slot = 0; slot < static_cast<short>(rows.size()); ++slot) {
        SCOPED_TRACE(slot);
        const auto& [file, colours, code, bitCount, width, height] = rows[slot];
        std::string path = folder.File(std::to_string(slot) + ".bmp");
        if (!file.empty())
            WriteBytes(path, file);
        GdiObjectCount gdi;
        g_selected.clear();
        {
            CDIB dib;
            ASSERT_EQ(dib.LoadDIB(&goodPath[0], nullptr), 0);
            short count = 77, loaded = dib.LoadDIB(&path[0], &count);
            EXPECT_EQ(std::make_tuple(loaded, count, dib.GetDIBWidth(), dib.GetDIBHeight()),
                      std::make_tuple(code, bitCount, width, height));
            dib.DispDIB(dc, static_cast<short>(1 + slot * 14), 1);
        }
        std::vector<uint32_t> selected(colours.size() + 2, 1);
        std::copy(colours.begin(), colours.end(), selected.begin() + 1);
        EXPECT_EQ(g_selected, colours.empty() ? std::vector<uint32_t>() : selected);
        EXPECT_EQ(std::make_pair(gdi.Created(), gdi.Outstanding()), (std::pair<size_t, size_t>(!colours.empty(), 0)));
    }
    EXPECT_EQ(::GetStretchBltMode(dc), COLORONCOLOR);
    EXPECT_TRUE(MatchesGolden("progress", "dib-sheet", CaptureDcArea(dc, 0, 0, 170, 10)));
    ::DeleteDC(dc);
    ::DeleteObject(sheet);
}

} // namespace
