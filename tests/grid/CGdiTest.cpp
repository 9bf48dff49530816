// The drawing helper on memory DCs: each operation draws what plain Win32
// drawing of its rule draws, leaves the DC as it found it, keeps no GDI object.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/CGdi.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0), kGrey = RGB(128, 128, 128), kBack = RGB(255, 255, 192);
const char* const kTexts[] = {"Ab", "\x8C\x88\x8E\x5A"};  // "決算"
const short kWidths[] = {4, 6}, kAlignments[] = {2, 0};
const CRect kRow(0, 6, 200, 40);
using Draw = std::function<void()>;

class GdiDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeGothic(small, 12) && MakeGothic(large, 20));
        gdi.SetFont(&large);  // the canvas's own font is the small one
        ::SelectObject(canvas.Hdc(), small.m_hObject);
        ::SelectObject(reference.Hdc(), large.m_hObject);
        ::SetBkMode(reference.Hdc(), TRANSPARENT);
        ave = MetricsOf(canvas.Hdc(), large).tmAveCharWidth;
    }
    int Width(const char* text)
    {
        int width = 0;
        MetricsOf(canvas.Hdc(), large, text, &width);
        return width;
    }
    void Text(int x, int y, const char* text, COLORREF colour, const RECT* clip = nullptr)
    {
        ::SetTextColor(reference.Hdc(), colour);
        ::ExtTextOutA(reference.Hdc(), x, y, clip ? ETO_CLIPPED : 0, clip, text, ::lstrlenA(text), nullptr);
    }
    // Back fill and the etched separator after the first column.
    void RefRow(CRect box, int separator)
    {
        reference.Fill(box, kBack);
        if (separator > 0) {
            reference.Fill({separator, box.top, separator + 1, box.bottom}, kGrey);
            reference.Fill({separator + 1, box.top, separator + 2, box.bottom}, kWhite);
        }
    }
    // A row in the test's colours: back, text, embossing, top-left, bottom-right.
    void DrawRow(CDC* d, CRect box, short count, const char* const* texts, const short* widths, const short* alignments,
                 short style)
    {
        gdi.DispRectFrameString(d, box, count, texts, widths, alignments, style, kBack, kRed, kGreen, kWhite, kGrey);
    }
    // Draws on both canvases from white and counts the pixels that differ.
    int Differences(const Draw& draw, const Draw& expected)
    {
        canvas.Clear(kWhite);
        reference.Clear(kWhite);
        draw();
        expected();
        return canvas.Count(0, RECT(), false, &reference);
    }

    CFont small, large;  // outlive the canvases they are selected into
    Canvas canvas{240, 64}, reference{240, 64};
    CGdi gdi;
    CDC* dc = canvas.Dc();
    int ave = 0;
};

TEST_F(GdiDraw, EveryOperationDrawsLeavesTheDcAsFoundAndKeepsNoGdiObject)
{
    const POINT points[] = {{5, 5}, {25, 5}, {25, 15}, {40, 40}};
    const struct {
        std::function<void(CDC*)> draw;
        COLORREF colour;
        int pixels;  // of the colour; -1: anything drawn
    } operations[] = {
        {[&](CDC* d) { gdi.DispString3D(d, CPoint(4, 4), "Abc", kGrey, kRed); }, kWhite, -1},
        {[&](CDC* d) { gdi.DispRectString(d, kRow, "Abc", 0, kRed); }, kWhite, -1},
        {[&](CDC* d) { gdi.DispTitle(d, kRow, 2, kTexts, 0, kBack, kRed, kGrey, kWhite, kGrey); }, kWhite, -1},
        {[&](CDC* d) { gdi.Line(d, CRect(10, 10, 30, 30), 1, kRed); }, kRed, 20},  // the end pixel left out
        {[&](CDC* d) { gdi.Rect(d, CRect(10, 10, 30, 25), 1, kRed); }, kRed, 70},  // closed
        {[&](CDC* d) { gdi.PolyLine(d, points, 3, 1, kRed); }, kRed, 30},
        {[&](CDC* d) { gdi.FillRect(d, CRect(10, 10, 20, 16), kRed, kBlue); }, kBlue, 9 * 5},  // right, bottom in
    };
    HDC hdc = canvas.Hdc();
    HPEN pen = ::CreatePen(PS_DASH, 1, 0);
    HBRUSH brush = ::CreateSolidBrush(0);
    HGDIOBJ oldPen = ::SelectObject(hdc, pen), oldBrush = ::SelectObject(hdc, brush);
    ::SetTextColor(hdc, RGB(7, 8, 9));
    ::SetBkMode(hdc, OPAQUE);
    GdiObjectCount count;
    for (const auto& op : operations) {
        canvas.Clear(kWhite);
        op.draw(dc);
        op.draw(nullptr);  // no DC: nothing drawn, nothing thrown
        int n = canvas.Count(op.colour);
        EXPECT_TRUE(op.pixels < 0 ? n < 240 * 64 : n == op.pixels) << "operation " << &op - operations;
        EXPECT_EQ(::GetCurrentObject(hdc, OBJ_FONT), small.m_hObject) << "operation " << &op - operations;
        EXPECT_EQ(::GetCurrentObject(hdc, OBJ_PEN), pen) << "operation " << &op - operations;
        EXPECT_EQ(::GetCurrentObject(hdc, OBJ_BRUSH), brush) << "operation " << &op - operations;
        EXPECT_EQ(::GetTextColor(hdc) * 10 + ::GetBkMode(hdc), RGB(7, 8, 9) * 10 + OPAQUE) << &op - operations;
    }
    EXPECT_GT(count.Created(), 8u);
    EXPECT_EQ(count.Outstanding(), 0u);
    ::DeleteObject(::SelectObject(hdc, oldPen));
    ::DeleteObject(::SelectObject(hdc, oldBrush));
}

TEST_F(GdiDraw, TextsAreTransparentInTheHelpersFontEmbossedOneDownAndAlignedInTheInnerBox)
{
    const char* wide = "ABCDEFGHIJ";
    const CRect box(10, 4, 110, 44), narrow(20, 10, 20 + Width(wide) / 2, 18);  // inner box of box: 11, 5, 98 x 38
    int free = 98 - Width("Ab"), y = 5 + (38 - MetricsOf(canvas.Hdc(), large).tmHeight) / 2;
    auto draw = [&] {
        gdi.DispString(dc, {5, 3}, kTexts[1], kRed);
        gdi.DispString3D(dc, {90, 20}, "Xy", kGrey, kBlue);
    };
    auto expected = [&] {
        Text(5, 3, kTexts[1], kRed);
        Text(91, 21, "Xy", kGrey);
        Text(90, 20, "Xy", kBlue);
    };
    EXPECT_EQ(Differences(draw, expected), 0);
    const struct {
        short alignment;
        CRect box;
        const char* text;
        int x, y;
    } cases[] = {{0, box, "Ab", 11 + free / 2, y}, {1, box, "Ab", 11, y}, {2, box, "Ab", 11 + free, y},
                 {5, box, "Ab", 11, y}, {0, narrow, wide, 21, 11}, {2, narrow, wide, 21, 11}};  // too big: clipped
    for (const auto& c : cases)
        EXPECT_EQ(Differences([&] { gdi.DispRectString(dc, c.box, c.text, c.alignment, kRed); },
                              [&] { Text(c.x, c.y, c.text, kRed, &c.box); }),
                  0) << "alignment " << c.alignment << " " << c.text;
}

TEST_F(GdiDraw, RowsDrawTextsSeparatorsAndFramePerStyleFromTheDcOrigin)
{
    int gap = (200 - 10 * ave) / 2, pixel0 = 4 * ave + gap;
    int free0 = pixel0 - Width(kTexts[0]) - 1, free1 = 6 * ave + gap - Width(kTexts[1]) - 1;
    auto expected = [&] {
        RefRow(kRow, 1 + pixel0);
        for (int pass = 1; pass >= 0; --pass) {  // the embossing one down first, then the text
            Text(2 + free0 + pass, 7 + pass, kTexts[0], pass ? kGreen : kRed);
            Text(2 + pixel0 + free1 / 2 + pass, 7 + pass, kTexts[1], pass ? kGreen : kRed);
        }
    };
    EXPECT_EQ(Differences([&] { DrawRow(dc, kRow, 2, kTexts, kWidths, kAlignments, 1); }, expected), 0);
    for (const CRect& box : {CRect(30, 6, 230, 40), CRect(-20, 6, 180, 40)}) {  // no texts
        int separator = 1 + 4 * ave + (box.right - std::max(0L, box.left) - 10 * ave) / 2;  // from x >= 0
        EXPECT_EQ(Differences([&] { DrawRow(dc, box, 2, nullptr, kWidths, nullptr, 0); },
                              [&] { RefRow(box, separator); }), 0) << "left " << box.left;
    }

    // Titles: as wide as their texts, centred, embossed, framed.
    const short titleWidths[] = {2, 4}, centred[] = {0, 0};
    EXPECT_EQ(Differences([&] { gdi.DispTitle(dc, kRow, 2, kTexts, 0, kBack, kRed, kGreen, kWhite, kGrey); },
                          [&] { DrawRow(reference.Dc(), kRow, 2, kTexts, titleWidths, centred, 3); }),
              0);
    short left = -1, right = -1;
    gap = (100 - 10 * ave) / 2;
    gdi.GetRowRect(dc, 2, kWidths, 1, 100, &left, &right);
    EXPECT_EQ(left * 1000 + right, (1 + 4 * ave + gap) * 1000 + 1 + 10 * ave + 2 * gap);
}

} // namespace
