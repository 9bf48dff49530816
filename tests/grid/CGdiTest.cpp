// The drawing helper on 32-bit memory DCs: each operation draws the pixels
// that a plain Win32 drawing of the same rule draws, and leaves the DC as it
// found it.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/CGdi.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kBack = RGB(255, 255, 192);

class GdiDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(canvas.Ok() && reference.Ok());
        ASSERT_TRUE(MakeGothic(small, 12) && MakeGothic(large, 20));
        gdi.SetFont(&large);
        // The reference draws in the helper's font; the canvas's own is small.
        ::SelectObject(canvas.Hdc(), small.m_hObject);
        ::SelectObject(reference.Hdc(), large.m_hObject);
        tm = MetricsOf(canvas.Hdc(), static_cast<HFONT>(large.m_hObject));
        ASSERT_NE(tm.tmAveCharWidth, MetricsOf(canvas.Hdc(), static_cast<HFONT>(small.m_hObject)).tmAveCharWidth);
    }
    void TearDown() override
    {
        ::SelectObject(canvas.Hdc(), ::GetStockObject(SYSTEM_FONT));
        ::SelectObject(reference.Hdc(), ::GetStockObject(SYSTEM_FONT));
    }
    int Width(const char* text) { return WidthOf(canvas.Hdc(), static_cast<HFONT>(large.m_hObject), text); }
    void RefText(int x, int y, const char* text, COLORREF colour, const RECT* clip = nullptr)
    {
        ::SetBkMode(reference.Hdc(), TRANSPARENT);
        ::SetTextColor(reference.Hdc(), colour);
        ::ExtTextOutA(reference.Hdc(), x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, text, ::lstrlenA(text),
                      nullptr);
    }
    void RefLine(int x1, int y1, int x2, int y2, COLORREF colour)
    {
        HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ old = ::SelectObject(reference.Hdc(), pen);
        ::MoveToEx(reference.Hdc(), x1, y1, nullptr);
        ::LineTo(reference.Hdc(), x2, y2);
        ::SelectObject(reference.Hdc(), old);
        ::DeleteObject(pen);
    }
    void RefFill(RECT box, COLORREF colour)
    {
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(reference.Hdc(), &box, brush);
        ::DeleteObject(brush);
    }

    Canvas canvas{240, 64};
    Canvas reference{240, 64};
    CFont small, large;
    CGdi gdi;
    TEXTMETRICA tm = {};
};

// Every operation, drawing something visible on the canvas.
std::vector<std::pair<const char*, std::function<void(CGdi&, CDC*)>>> AllOperations()
{
    static const char* texts[] = {"AB", "\x8C\x88\x8E\x5A"};  // "決算"
    static const short widths[] = {4, 6};
    static const short alignments[] = {0, 2};
    static const POINT points[] = {{5, 5}, {60, 5}, {60, 40}};
    return {
        {"DispString", [](CGdi& g, CDC* dc) { g.DispString(dc, CPoint(4, 4), "Abc", kRed); }},
        {"DispString3D", [](CGdi& g, CDC* dc) { g.DispString3D(dc, CPoint(4, 4), "Abc", kGrey, kRed); }},
        {"DispRectString", [](CGdi& g, CDC* dc) { g.DispRectString(dc, CRect(2, 2, 120, 40), "Abc", 0, kRed); }},
        {"DispRectFrameString",
         [](CGdi& g, CDC* dc) {
             g.DispRectFrameString(dc, CRect(0, 2, 200, 40), 2, texts, widths, alignments, 3, kBack, kRed, kGrey,
                                   kWhite, kGrey);
         }},
        {"DispTitle",
         [](CGdi& g, CDC* dc) { g.DispTitle(dc, CRect(0, 2, 200, 40), 2, texts, 0, kBack, kRed, kGrey, kWhite, kGrey); }},
        {"DispListBoxItem",
         [](CGdi& g, CDC* dc) {
             g.DispListBoxItem(dc, CRect(0, 2, 200, 40), 2, texts, widths, alignments, kBack, kRed, kGrey, kWhite,
                               kGrey);
         }},
        {"Line", [](CGdi& g, CDC* dc) { g.Line(dc, 2, 2, 80, 30, 2, kRed); }},
        {"LineRect", [](CGdi& g, CDC* dc) { g.Line(dc, CRect(2, 2, 80, 30), 1, kRed); }},
        {"Rect", [](CGdi& g, CDC* dc) { g.Rect(dc, CRect(2, 2, 80, 30), 1, kRed); }},
        {"PolyLine", [](CGdi& g, CDC* dc) { g.PolyLine(dc, points, 3, 1, kRed); }},
        {"FillRect", [](CGdi& g, CDC* dc) { g.FillRect(dc, CRect(2, 2, 80, 30), kRed, kBlue); }},
    };
}

TEST_F(GdiDraw, EveryOperationLeavesFontColoursModePenAndBrushAsFound)
{
    HPEN pen = ::CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = ::CreateSolidBrush(RGB(4, 5, 6));
    HDC dc = canvas.Hdc();
    for (const auto& op : AllOperations()) {
        canvas.Clear(kWhite);
        HGDIOBJ oldPen = ::SelectObject(dc, pen), oldBrush = ::SelectObject(dc, brush);
        ::SetTextColor(dc, RGB(7, 8, 9));
        ::SetBkMode(dc, OPAQUE);
        op.second(gdi, canvas.Dc());
        EXPECT_GT(canvas.CountOutsideNot(kWhite, RECT()), 0) << op.first << " drew nothing";
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), small.m_hObject) << op.first;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen) << op.first;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush) << op.first;
        EXPECT_EQ(::GetTextColor(dc), RGB(7, 8, 9)) << op.first;
        EXPECT_EQ(::GetBkMode(dc), OPAQUE) << op.first;
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
    }
    ::DeleteObject(pen);
    ::DeleteObject(brush);
}

TEST_F(GdiDraw, NullDcTextsAndArraysDrawNothingAndNeverFault)
{
    CGdi plain;
    short left = 5, right = 5;
    for (const auto& op : AllOperations())
        op.second(gdi, nullptr);
    gdi.DispString(canvas.Dc(), CPoint(1, 1), nullptr, kRed);
    gdi.DispRectString(canvas.Dc(), CRect(0, 0, 50, 20), nullptr, 0, kRed);
    gdi.PolyLine(canvas.Dc(), nullptr, 3, 1, kRed);
    gdi.GetRowRect(nullptr, 2, nullptr, 0, 100, &left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(canvas.CountOutsideNot(kWhite, RECT()), 0);
}

TEST_F(GdiDraw, TextsAreTransparentInTheHelpersFontAndEmbossedOneDown)
{
    canvas.Clear(kBack);
    reference.Clear(kBack);
    gdi.DispString(canvas.Dc(), CPoint(5, 3), "Ab\x8C\x88", kRed);
    gdi.DispString3D(canvas.Dc(), CPoint(90, 20), "Xy", kGrey, kBlue);
    RefText(5, 3, "Ab\x8C\x88", kRed);
    RefText(91, 21, "Xy", kGrey);
    RefText(90, 20, "Xy", kBlue);
    EXPECT_EQ(canvas.Differences(reference), 0);
    EXPECT_GT(canvas.Count(kRed, CRect(5, 3, 5 + Width("Ab\x8C\x88"), 3 + tm.tmHeight)), 0);

    CGdi dcFont;  // no font of its own: the DC's small font
    canvas.Clear(kBack);
    dcFont.DispString(canvas.Dc(), CPoint(5, 3), "Ab\x8C\x88", kRed);
    EXPECT_GT(canvas.Differences(reference), 0);
}

TEST_F(GdiDraw, RectStringAlignsInTheInnerBoxCentresDownAndClipsToTheBox)
{
    const char* text = "Ab";
    const CRect box(10, 4, 110, 44);  // inner 11..108, 5..42
    int free = 98 - Width(text);
    int y = 5 + (38 - tm.tmHeight) / 2;
    struct Case {
        short alignment;
        int x;
    } cases[] = {{0, 11 + free / 2}, {1, 11}, {2, 11 + free}, {5, 11}};
    for (const Case& c : cases) {
        canvas.Clear(kWhite);
        reference.Clear(kWhite);
        gdi.DispRectString(canvas.Dc(), box, text, c.alignment, kRed);
        RefText(c.x, y, text, kRed, &box);
        EXPECT_EQ(canvas.Differences(reference), 0) << "alignment " << c.alignment;
    }

    // Wider than the box, lower than the font: inner top-left, clipped.
    const char* wide = "ABCDEFGHIJ";
    const CRect narrow(20, 10, 20 + Width(wide) / 2, 10 + tm.tmHeight / 2);
    for (short alignment : {0, 1, 2}) {
        canvas.Clear(kWhite);
        reference.Clear(kWhite);
        gdi.DispRectString(canvas.Dc(), narrow, wide, alignment, kRed);
        RefText(21, 11, wide, kRed, &narrow);
        EXPECT_EQ(canvas.Differences(reference), 0) << "alignment " << alignment;
        EXPECT_EQ(canvas.CountOutsideNot(kWhite, narrow), 0);
        EXPECT_GT(canvas.Count(kRed, narrow), 0);
    }
}

TEST_F(GdiDraw, RowOfColumnsMatchesItsRuleForEveryStyle)
{
    const char* texts[] = {"Ab", "\x8C\x88"};
    const short widths[] = {4, 6};
    const short alignments[] = {2, 0};
    const CRect box(0, 6, 200, 40);
    int ave = tm.tmAveCharWidth;
    int gap = (200 - 10 * ave) / 2;
    int pixel0 = 4 * ave + gap, pixel1 = 6 * ave + gap;
    int free0 = pixel0 - Width(texts[0]) - 1, free1 = pixel1 - Width(texts[1]) - 1;
    ASSERT_GT(free0, 0);
    for (short style : {0, 1, 2, 3}) {
        canvas.Clear(kWhite);
        reference.Clear(kWhite);
        gdi.DispRectFrameString(canvas.Dc(), box, 2, texts, widths, alignments, style, kBack, kRed, kGreen,
                                kWhite, kGrey);
        RefFill(box, kBack);
        for (int pass = (style & 1); pass >= 0; --pass) {
            COLORREF colour = pass ? kGreen : kRed;
            RefText(1 + free0 + pass + 1, 7 + pass, texts[0], colour);
            RefText(1 + pixel0 + free1 / 2 + pass + 1, 7 + pass, texts[1], colour);
        }
        if (style & 2) {
            RefLine(0, 40, 0, 6, kWhite);
            RefLine(0, 6, 200, 6, kWhite);
            RefLine(200, 6, 200, 40, kGrey);
            RefLine(200, 40, 0, 40, kGrey);
        }
        RefLine(1 + pixel0, 6, 1 + pixel0, 40, kGrey);
        RefLine(2 + pixel0, 6, 2 + pixel0, 40, kWhite);
        EXPECT_EQ(canvas.Differences(reference), 0) << "style " << style;
    }
    // The separator stops short of the bottom edge; the fill leaves it out.
    EXPECT_EQ(canvas.Pixel(1 + pixel0, 39), kGrey);
    EXPECT_EQ(canvas.Pixel(2 + pixel0, 39), kWhite);
    EXPECT_EQ(canvas.Pixel(100, 39), kBack);
}

TEST_F(GdiDraw, RowEdgeCasesNegativeLeftNoColumnsNoTextsOneColumn)
{
    const char* texts[] = {"Ab", "Cd"};
    const short widths[] = {4, 6};
    const short alignments[] = {1, 1};
    int ave = tm.tmAveCharWidth;

    // Left edge -20: filled from -20, texts and layout from 0.
    canvas.Clear(kWhite);
    reference.Clear(kWhite);
    gdi.DispRectFrameString(canvas.Dc(), CRect(-20, 6, 180, 40), 2, texts, widths, alignments, 0, kBack, kRed,
                            kGreen, kWhite, kGrey);
    int gap = (180 - 10 * ave) / 2;
    RefFill(CRect(-20, 6, 180, 40), kBack);
    RefText(2, 7, texts[0], kRed);
    RefText(2 + 4 * ave + gap, 7, texts[1], kRed);
    RefLine(1 + 4 * ave + gap, 6, 1 + 4 * ave + gap, 40, kGrey);
    RefLine(2 + 4 * ave + gap, 6, 2 + 4 * ave + gap, 40, kWhite);
    EXPECT_EQ(canvas.Differences(reference), 0);

    // No columns with a frame; null texts with separators; one column, no separator.
    struct Case {
        const char* name;
        short count;
        const char* const* texts;
        short style;
    } cases[] = {{"no columns", 0, texts, 2}, {"no texts", 2, nullptr, 0}, {"one column", 1, nullptr, 0}};
    for (const Case& c : cases) {
        canvas.Clear(kWhite);
        reference.Clear(kWhite);
        gdi.DispRectFrameString(canvas.Dc(), CRect(0, 6, 200, 40), c.count, c.texts, widths, alignments, c.style,
                                kBack, kRed, kGreen, kWhite, kGrey);
        RefFill(CRect(0, 6, 200, 40), kBack);
        if (c.style & 2) {
            RefLine(0, 40, 0, 6, kWhite);
            RefLine(0, 6, 200, 6, kWhite);
            RefLine(200, 6, 200, 40, kGrey);
            RefLine(200, 40, 0, 40, kGrey);
        }
        if (c.count == 2) {
            int x = 1 + 4 * ave + (200 - 10 * ave) / 2;
            RefLine(x, 6, x, 40, kGrey);
            RefLine(x + 1, 6, x + 1, 40, kWhite);
        }
        EXPECT_EQ(canvas.Differences(reference), 0) << c.name;
    }
}

TEST_F(GdiDraw, SeparatorsCountFromTheDcOriginNotFromTheBox)
{
    const short widths[] = {4, 6};
    int ave = tm.tmAveCharWidth;
    canvas.Clear(kWhite);
    gdi.DispRectFrameString(canvas.Dc(), CRect(30, 6, 230, 40), 2, nullptr, widths, nullptr, 0, kBack, kRed,
                            kGreen, kWhite, kGrey);
    int x = 1 + 4 * ave + (200 - 10 * ave) / 2;  // as for a box at x = 0
    EXPECT_EQ(canvas.Pixel(x, 20), kGrey);
    EXPECT_EQ(canvas.Pixel(x + 1, 20), kWhite);
    EXPECT_EQ(canvas.Pixel(x + 30, 20), kBack);
}

TEST_F(GdiDraw, TitleAndListRowsAreRowsOfTheirStyle)
{
    const char* titles[] = {"Date", "\x8C\x88\x8E\x5A\x8A\x7A"};  // "決算額"
    const short titleWidths[] = {4, 6};
    const short centred[] = {0, 0};
    const short alignments[] = {2, 1};
    Canvas expected(240, 64);
    ::SelectObject(expected.Hdc(), small.m_hObject);
    gdi.DispTitle(canvas.Dc(), CRect(0, 6, 200, 40), 2, titles, 0, kBack, kRed, kGreen, kWhite, kGrey);
    gdi.DispRectFrameString(expected.Dc(), CRect(0, 6, 200, 40), 2, titles, titleWidths, centred, 3, kBack, kRed,
                            kGreen, kWhite, kGrey);
    EXPECT_EQ(canvas.Differences(expected), 0);

    canvas.Clear(kWhite);
    expected.Clear(kWhite);
    gdi.DispListBoxItem(canvas.Dc(), CRect(0, 6, 200, 40), 2, titles, titleWidths, alignments, kBack, kRed,
                        kGreen, kWhite, kGrey);
    gdi.DispRectFrameString(expected.Dc(), CRect(0, 6, 200, 40), 2, titles, titleWidths, alignments, 0, kBack,
                            kRed, kGreen, kWhite, kGrey);
    EXPECT_EQ(canvas.Differences(expected), 0);
    ::SelectObject(expected.Hdc(), ::GetStockObject(SYSTEM_FONT));
}

TEST_F(GdiDraw, RowRectIsMeasuredInTheHelpersFont)
{
    const short widths[] = {4, 6};
    int ave = tm.tmAveCharWidth, gap = (100 - 10 * ave) / 2;
    short left = -1, right = -1;
    gdi.GetRowRect(canvas.Dc(), 2, widths, 0, 100, &left, &right);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 1 + 4 * ave + gap);
    gdi.GetRowRect(canvas.Dc(), 2, widths, 1, 100, &left, &right);
    EXPECT_EQ(left, 1 + 4 * ave + gap);
    EXPECT_EQ(right, 1 + 10 * ave + 2 * gap);
    gdi.GetRowRect(canvas.Dc(), 2, widths, 2, 100, &left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(::GetCurrentObject(canvas.Hdc(), OBJ_FONT), small.m_hObject);
}

TEST_F(GdiDraw, LinesLeaveOutTheEndPixelAndRectsCloseTheOutline)
{
    gdi.Line(canvas.Dc(), 10, 5, 50, 5, 1, kRed);
    EXPECT_EQ(canvas.Count(kRed, CRect(0, 0, 240, 64)), 40);
    EXPECT_EQ(canvas.Pixel(10, 5), kRed);
    EXPECT_EQ(canvas.Pixel(49, 5), kRed);
    EXPECT_EQ(canvas.Pixel(50, 5), kWhite);

    canvas.Clear(kWhite);
    gdi.Line(canvas.Dc(), 10, 20, 50, 20, 3, kBlue);  // three pixels thick
    EXPECT_EQ(canvas.Pixel(30, 19), kBlue);
    EXPECT_EQ(canvas.Pixel(30, 21), kBlue);
    EXPECT_EQ(canvas.Pixel(30, 23), kWhite);

    canvas.Clear(kWhite);
    gdi.Line(canvas.Dc(), CRect(10, 10, 30, 30), 1, kRed);  // the diagonal
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(20, 20), kRed);
    EXPECT_EQ(canvas.Pixel(29, 29), kRed);
    EXPECT_EQ(canvas.Pixel(30, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(10, 29), kWhite);
    EXPECT_EQ(canvas.Count(kRed, CRect(0, 0, 240, 64)), 20);

    canvas.Clear(kWhite);
    gdi.Rect(canvas.Dc(), CRect(10, 10, 30, 25), 1, kRed);
    for (POINT p : {POINT{10, 10}, POINT{30, 10}, POINT{30, 25}, POINT{10, 25}, POINT{20, 10}, POINT{30, 17},
                    POINT{20, 25}, POINT{10, 17}})
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kRed) << p.x << "," << p.y;
    EXPECT_EQ(canvas.Count(kRed, CRect(0, 0, 240, 64)), 2 * 20 + 2 * 15);
    EXPECT_EQ(canvas.Pixel(20, 17), kWhite);

    canvas.Clear(kWhite);
    const POINT points[] = {{5, 5}, {25, 5}, {25, 15}};
    gdi.PolyLine(canvas.Dc(), points, 3, 1, kGreen);
    EXPECT_EQ(canvas.Count(kGreen, CRect(0, 0, 240, 64)), 30);
    EXPECT_EQ(canvas.Pixel(25, 14), kGreen);
    EXPECT_EQ(canvas.Pixel(25, 15), kWhite);
    gdi.PolyLine(canvas.Dc(), points, 2, 1, kRed);  // only the points counted
    EXPECT_EQ(canvas.Pixel(25, 10), kGreen);
}

TEST_F(GdiDraw, FillRectIncludesTheRightAndBottomEdges)
{
    gdi.FillRect(canvas.Dc(), CRect(10, 10, 20, 16), kRed, kBlue);
    EXPECT_EQ(canvas.Count(kRed, CRect(0, 0, 240, 64)), 2 * 11 + 2 * 5);
    EXPECT_EQ(canvas.Count(kBlue, CRect(11, 11, 20, 16)), 9 * 5);
    EXPECT_EQ(canvas.Pixel(20, 16), kRed);
    EXPECT_EQ(canvas.Pixel(21, 16), kWhite);
    EXPECT_EQ(canvas.Pixel(20, 17), kWhite);
    EXPECT_EQ(canvas.CountOutsideNot(kWhite, CRect(10, 10, 21, 17)), 0);
}

TEST_F(GdiDraw, NoGdiObjectOutlivesTenThousandRoundsOfEveryOperation)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    auto operations = AllOperations();
    for (int i = 0; i < 10000; ++i)
        for (const auto& op : operations)
            op.second(gdi, canvas.Dc());
    EXPECT_GT(count.Created(), 10000u * operations.size());
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
