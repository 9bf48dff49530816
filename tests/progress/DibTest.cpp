// CDIB under Wine: the loader's codes for bad files and the state they
// leave, pixels drawn at their point, and the GDI objects it leaves (seen
// through gdi32 imports).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "BmpBuilder.h"
#include "progress/CDIB.h"
#include "support/GdiObjectCount.h"
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
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PAL), ::GetStockObject(DEFAULT_PALETTE)) << "the previous palette put back";
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

// Each failure after a good load: its code, no image left, nothing drawn;
// a palette that cannot be made keeps the size.
TEST(DibFiles, EachFailureGivesItsCodeAndLeavesNoImage)
{
    std::string cut = MakeBmp(BmpFile(24, 40, 30)), good = MakeBmp(BmpFile());
    cut.resize(cut.size() - 100);
    BmpFile huge(8, 4, 3, 65536);
    huge.coloursUsed = 65536;
    // what, file (empty: none), code, width after
    const std::tuple<const char*, std::string, short, short> cases[] = {
        {"missing", "", -30, 0},
        {"not BM", "MB" + good.substr(2), -31, 0},
        {"pixel rows cut short", cut, -44, 0},
        {"65536 colours", MakeBmp(huge), -42, 4},
    };
    for (const auto& [what, bytes, expected, width] : cases) {
        CDIB dib;
        ASSERT_EQ(Load(dib, good), 0) << what;
        short bitCount = 77;
        short code = Load(dib, bytes, &bitCount);
        EXPECT_EQ(std::make_tuple(code, bitCount, dib.GetDIBWidth()), std::make_tuple(expected, short{77}, width))
            << what;
        EXPECT_EQ(Draw(dib), std::vector<uint32_t>(240, kMarker)) << what << ": drew after a failed load";
    }
}

// Every depth drawn pixel for pixel at its point, its bit count reported,
// one palette made for a colour table (no other GDI object) and none left
// once the image goes. A top-down image keeps its negative height, which
// goes to the system as it is: the system then draws no row.
TEST(DibFiles, DrawsEachDepthAndLeavesNoGdiObjects)
{
    // bits, height, colours used, table entries (= palette entries), gap before the bits
    const int table[][5] = {{1, 6, 0, 2, 0},  {4, 6, 0, 16, 8}, {8, 6, 0, 256, 0}, {8, 6, 20, 20, 0},
                            {24, 6, 0, 0, 12}, {24, 6, 3, 3, 0}, {32, 6, 0, 0, 0}, {8, -6, 20, 20, 0}};
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
        for (int i = 0; i < 66 && e[1] > 0; ++i)
            expected[(i / 11 + 2) * 20 + i % 11 + 3] =
                e[0] <= 8 ? bmp.colours[bmp.pixel(i % 11, i / 11)] : bmp.pixel(i % 11, i / 11);
        {
            CDIB dib;
            short bitCount = 0;
            ASSERT_EQ(Load(dib, MakeBmp(bmp), &bitCount), 0) << e[0];
            auto size = std::make_tuple(bitCount, dib.GetDIBWidth(), dib.GetDIBHeight());
            EXPECT_EQ(size, std::make_tuple(e[0], 11, e[1]));
            EXPECT_EQ(Draw(dib), expected) << e[0] << " bits, height " << e[1];
        }
        EXPECT_EQ(gdi.Created(), e[3] != 0 ? 1u : 0u) << e[0] << " bits: a palette for each colour table";
        EXPECT_EQ(gdi.Outstanding(), 0u) << e[0] << " bits: the palette deleted with the image";
    }
}

} // namespace
