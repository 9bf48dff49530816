// The drawing helper on a memory DC: every operation against a reference
// image, each leaving the DC as it found it, no GDI object kept.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "afx/CClientDC.h"
#include "afx/CWnd.h"
#include "grid/CGdi.h"
#include "grid/Gothic.h"
#include "support/GdiObjectCount.h"
#include "support/Golden.h"
#include "WindowImage.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0), kGrey = RGB(128, 128, 128), kBack = RGB(255, 255, 192);
const char* const kTexts[] = {"Ab", "\x8C\x88\x8E\x5A"};  // "決算"
const short kWidths[] = {4, 6}, kAlignments[] = {2, 0};

// The helper draws in its own font (20 pixels); the DC holds a smaller one,
// and keeps it, its pen, brush, text colour and background mode throughout.
TEST(GdiDraw, EveryOperationAsTheReferenceLeavingTheDcAsFoundAndNoGdiObject)
{
    CFont small, large;
    ASSERT_TRUE(MakeGothic(small, 12) && MakeGothic(large, 20));
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "gdi", WS_POPUP | WS_VISIBLE, 0, 0, 320, 250, nullptr, nullptr));
    CClientDC client(&window);
    HDC hdc = client.m_hDC;
    ::PatBlt(hdc, 0, 0, 320, 250, WHITENESS);
    CGdi gdi;
    gdi.SetFont(&large);
    const POINT points[] = {{200, 222}, {230, 222}, {230, 238}, {215, 230}};
    // Every operation; with a null DC each draws nothing and keeps no object.
    auto draw = [&](CDC* dc) {
        auto row = [&](CRect box, const char* const* texts, short style, COLORREF topLeft, COLORREF bottomRight) {
            gdi.DispRectFrameString(dc, box, 2, texts, kWidths, kAlignments, style, kBack, kRed, kGreen, topLeft,
                                    bottomRight);
        };
        gdi.DispString(dc, {4, 2}, kTexts[1], kRed);
        gdi.DispString3D(dc, {100, 2}, "Xy", kGrey, kBlue);
        // Aligned centred, right, other (left) in the inner box; too wide and too low: at the inner left, clipped.
        gdi.DispRectString(dc, CRect(0, 26, 60, 60), "Ab", 0, kRed);
        gdi.DispRectString(dc, CRect(120, 26, 180, 60), "Ab", 2, kRed);
        gdi.DispRectString(dc, CRect(180, 26, 240, 60), "Ab", 5, kRed);
        gdi.DispRectString(dc, CRect(240, 26, 290, 40), "ABCDEFGHIJ", 2, kBlue);
        // Rows: embossed; embossed and raised; sunken from a left edge held at 0 without texts;
        // texts from the box's left and separators from x = 0; a title row; a list row.
        row(CRect(0, 64, 300, 88), kTexts, 1, kWhite, kGrey);
        row(CRect(0, 90, 300, 114), kTexts, 3, kWhite, kGrey);
        row(CRect(-20, 116, 280, 140), nullptr, 2, kGrey, kWhite);
        row(CRect(30, 142, 300, 166), kTexts, 0, kWhite, kGrey);
        gdi.DispTitle(dc, CRect(0, 168, 300, 192), 2, kTexts, 0, kBack, kRed, kGreen, kWhite, kGrey);
        gdi.DispListBoxItem(dc, CRect(0, 194, 300, 218), 2, kTexts, kWidths, kAlignments, kBack, kRed, kGreen, kWhite,
                            kGrey);
        // No column, framed; a diagonal; a thick line; an outline; a polyline; a fill with its right and bottom edges.
        gdi.DispRectFrameString(dc, CRect(4, 222, 40, 240), 0, nullptr, nullptr, nullptr, 3, kBack, kRed, kGreen,
                                kWhite, kGrey);
        gdi.Line(dc, CRect(50, 222, 80, 238), 1, kRed);
        gdi.Line(dc, 90, 230, 130, 230, 3, kGreen);
        gdi.Rect(dc, CRect(140, 222, 170, 238), 1, kRed);
        gdi.PolyLine(dc, points, 4, 1, kBlue);
        gdi.FillRect(dc, CRect(250, 222, 280, 238), kRed, kBlue);
    };
    HGDIOBJ oldFont = ::SelectObject(hdc, small.m_hObject);
    auto state = [&] {
        return std::make_tuple(::GetCurrentObject(hdc, OBJ_FONT), ::GetCurrentObject(hdc, OBJ_PEN),
                               ::GetCurrentObject(hdc, OBJ_BRUSH), ::GetTextColor(hdc), ::GetBkMode(hdc));
    };
    auto before = state();
    GdiObjectCount count;
    draw(&client);
    draw(nullptr);
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(MatchesGolden("grid", "gdi-operations", CaptureDcArea(hdc, 0, 0, 320, 250)));
    EXPECT_GT(count.Created(), 20u);
    EXPECT_EQ(count.Outstanding(), 0u);

    // A column's extent, in the helper's font (10 pixels wide): widths {4, 6} over 120 pixels, 10 to spare each.
    // Without a DC: 0 ... 0.
    short left = -1, right = -1, nullLeft = -1, nullRight = -1;
    gdi.GetRowRect(&client, 2, kWidths, 1, 120, &left, &right);
    gdi.GetRowRect(nullptr, 2, kWidths, 1, 120, &nullLeft, &nullRight);
    EXPECT_EQ((std::vector<short>{left, right, nullLeft, nullRight}), (std::vector<short>{51, 121, 0, 0}));
    ::SelectObject(hdc, oldFont);
}

} // namespace
