// The drawing helper on memory DCs: each operation draws what a plain Win32
// drawing of its rule draws, leaves the DC as it found it and keeps no GDI
// object.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/CGdi.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0), kGrey = RGB(128, 128, 128), kBack = RGB(255, 255, 192);
const char* const kTexts[] = {"Ab", "\x8C\x88\x8E\x5A"};  // "決算"
const short kWidths[] = {4, 6};

class GdiDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(canvas.Ok() && reference.Ok() && MakeGothic(small, 12) && MakeGothic(large, 20));
        gdi.SetFont(&large);  // the canvas's own font is the small one
        ::SelectObject(canvas.Hdc(), small.m_hObject);
        ::SelectObject(reference.Hdc(), large.m_hObject);
        ave = MetricsOf(canvas.Hdc(), large).tmAveCharWidth;
        ASSERT_NE(ave, MetricsOf(canvas.Hdc(), small).tmAveCharWidth);
    }
    void TearDown() override
    {
        ::SelectObject(canvas.Hdc(), ::GetStockObject(SYSTEM_FONT));
        ::SelectObject(reference.Hdc(), ::GetStockObject(SYSTEM_FONT));
    }
    void Clear(COLORREF colour = kWhite) { canvas.Clear(colour), reference.Clear(colour); }
    int Width(const char* text) { return WidthOf(canvas.Hdc(), large, text); }
    void RefText(int x, int y, const char* text, COLORREF colour, const RECT* clip = nullptr)
    {
        ::SetBkMode(reference.Hdc(), TRANSPARENT);
        ::SetTextColor(reference.Hdc(), colour);
        ::ExtTextOutA(reference.Hdc(), x, y, clip ? ETO_CLIPPED : 0, clip, text, ::lstrlenA(text), nullptr);
    }
    void RefLine(int x1, int y1, int x2, int y2, COLORREF colour)
    {
        HGDIOBJ old = ::SelectObject(reference.Hdc(), ::CreatePen(PS_SOLID, 1, colour));
        ::MoveToEx(reference.Hdc(), x1, y1, nullptr);
        ::LineTo(reference.Hdc(), x2, y2);
        ::DeleteObject(::SelectObject(reference.Hdc(), old));
    }
    // Back fill, 3D frame and the separator after the first column, as a row draws them.
    void RefRow(CRect box, bool frame, int separator)
    {
        HBRUSH brush = ::CreateSolidBrush(kBack);
        ::FillRect(reference.Hdc(), &box, brush);
        ::DeleteObject(brush);
        int left = box.left < 0 ? 0 : box.left;
        if (frame) {
            RefLine(left, box.bottom, left, box.top, kWhite), RefLine(left, box.top, box.right, box.top, kWhite);
            RefLine(box.right, box.top, box.right, box.bottom, kGrey);
            RefLine(box.right, box.bottom, left, box.bottom, kGrey);
        }
        if (separator > 0) {
            RefLine(separator, box.top, separator, box.bottom, kGrey);
            RefLine(separator + 1, box.top, separator + 1, box.bottom, kWhite);
        }
    }

    Canvas canvas{240, 64}, reference{240, 64};
    CFont small, large;
    CGdi gdi;
    int ave = 0;
};

// Every operation, each drawing something.
std::vector<std::function<void(CGdi&, CDC*)>> AllOperations()
{
    static const short alignments[] = {0, 2};
    static const POINT points[] = {{5, 5}, {60, 5}, {60, 40}};
    const CRect row(0, 2, 200, 40), box(2, 2, 80, 30);
    return {
        [](CGdi& g, CDC* dc) { g.DispString(dc, CPoint(4, 4), "Abc", kRed); },
        [](CGdi& g, CDC* dc) { g.DispString3D(dc, CPoint(4, 4), "Abc", kGrey, kRed); },
        [box](CGdi& g, CDC* dc) { g.DispRectString(dc, box, "Abc", 0, kRed); },
        [row](CGdi& g, CDC* dc) {
            g.DispRectFrameString(dc, row, 2, kTexts, kWidths, alignments, 3, kBack, kRed, kGrey, kWhite, kGrey);
        },
        [row](CGdi& g, CDC* dc) { g.DispTitle(dc, row, 2, kTexts, 0, kBack, kRed, kGrey, kWhite, kGrey); },
        [row](CGdi& g, CDC* dc) {
            g.DispListBoxItem(dc, row, 2, kTexts, kWidths, alignments, kBack, kRed, kGrey, kWhite, kGrey);
        },
        [](CGdi& g, CDC* dc) { g.Line(dc, 2, 2, 80, 30, 2, kRed); },
        [box](CGdi& g, CDC* dc) { g.Line(dc, box, 1, kRed); },
        [box](CGdi& g, CDC* dc) { g.Rect(dc, box, 1, kRed); },
        [](CGdi& g, CDC* dc) { g.PolyLine(dc, points, 3, 1, kRed); },
        [box](CGdi& g, CDC* dc) { g.FillRect(dc, box, kRed, kBlue); },
    };
}

TEST_F(GdiDraw, EveryOperationLeavesTheDcAsFoundAndNullArgumentsDrawNothing)
{
    HPEN pen = ::CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    HBRUSH brush = ::CreateSolidBrush(RGB(4, 5, 6));
    HDC dc = canvas.Hdc();
    HGDIOBJ oldPen = ::SelectObject(dc, pen), oldBrush = ::SelectObject(dc, brush);
    ::SetTextColor(dc, RGB(7, 8, 9));
    ::SetBkMode(dc, OPAQUE);
    int n = 0;
    for (const auto& op : AllOperations()) {
        canvas.Clear(kWhite);
        op(gdi, canvas.Dc());
        op(gdi, nullptr);
        EXPECT_GT(canvas.Count(kWhite, RECT(), true), 0) << "operation " << n;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), small.m_hObject) << "operation " << n;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen) << "operation " << n;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush) << "operation " << n;
        EXPECT_EQ(::GetTextColor(dc), RGB(7, 8, 9)) << "operation " << n;
        EXPECT_EQ(::GetBkMode(dc), OPAQUE) << "operation " << n++;
    }
    ::DeleteObject(::SelectObject(dc, oldPen));
    ::DeleteObject(::SelectObject(dc, oldBrush));

    canvas.Clear(kWhite);
    short left = 5, right = 5;
    gdi.DispString(canvas.Dc(), CPoint(1, 1), nullptr, kRed);
    gdi.DispRectString(canvas.Dc(), CRect(0, 0, 50, 20), nullptr, 0, kRed);
    gdi.PolyLine(canvas.Dc(), nullptr, 3, 1, kRed);
    gdi.GetRowRect(nullptr, 2, kWidths, 0, 100, &left, &right);
    EXPECT_EQ(left + right, 0);
    EXPECT_EQ(canvas.Count(kWhite, RECT(), true), 0);
}

TEST_F(GdiDraw, TextsAreTransparentInTheHelpersFontAndEmbossedOneDown)
{
    Clear(kBack);
    gdi.DispString(canvas.Dc(), CPoint(5, 3), kTexts[1], kRed);
    gdi.DispString3D(canvas.Dc(), CPoint(90, 20), "Xy", kGrey, kBlue);
    RefText(5, 3, kTexts[1], kRed);
    RefText(91, 21, "Xy", kGrey);
    RefText(90, 20, "Xy", kBlue);
    EXPECT_EQ(canvas.Differences(reference), 0);
    EXPECT_GT(canvas.Count(kRed, RECT()), 0);

    Clear(kBack);
    CGdi().DispString(canvas.Dc(), CPoint(5, 3), kTexts[1], kRed);  // no font: the DC's small one
    RefText(5, 3, kTexts[1], kRed);
    EXPECT_GT(canvas.Differences(reference), 0);
}

TEST_F(GdiDraw, RectStringAlignsInTheInnerBoxCentresDownAndClipsToTheBox)
{
    const CRect box(10, 4, 110, 44);  // inner box x 11..108, y 5..42
    int free = 98 - Width("Ab"), y = 5 + (38 - MetricsOf(canvas.Hdc(), large).tmHeight) / 2;
    const int xs[] = {11 + free / 2, 11, 11 + free, 11};
    for (short alignment : {0, 1, 2, 5}) {
        Clear();
        gdi.DispRectString(canvas.Dc(), box, "Ab", alignment, kRed);
        RefText(xs[alignment == 5 ? 3 : alignment], y, "Ab", kRed, &box);
        EXPECT_EQ(canvas.Differences(reference), 0) << "alignment " << alignment;
    }
    // Wider and lower than the box: inner top-left for every alignment, clipped.
    const char* wide = "ABCDEFGHIJ";
    const CRect narrow(20, 10, 20 + Width(wide) / 2, 18);
    for (short alignment : {0, 1, 2}) {
        Clear();
        gdi.DispRectString(canvas.Dc(), narrow, wide, alignment, kRed);
        RefText(21, 11, wide, kRed, &narrow);
        EXPECT_EQ(canvas.Differences(reference), 0) << "alignment " << alignment;
        EXPECT_EQ(canvas.Count(kRed, RECT()), canvas.Count(kRed, narrow));
        EXPECT_GT(canvas.Count(kRed, narrow), 0);
    }
}

TEST_F(GdiDraw, RowsDrawTextsSeparatorsAndFramePerStyle)
{
    const short alignments[] = {2, 0};
    int gap = (200 - 10 * ave) / 2, pixel0 = 4 * ave + gap;
    int free0 = pixel0 - Width(kTexts[0]) - 1, free1 = 6 * ave + gap - Width(kTexts[1]) - 1;
    for (short style : {0, 1, 2, 3}) {
        Clear();
        gdi.DispRectFrameString(canvas.Dc(), CRect(0, 6, 200, 40), 2, kTexts, kWidths, alignments, style, kBack,
                                kRed, kGreen, kWhite, kGrey);
        RefRow(CRect(0, 6, 200, 40), style & 2, 1 + pixel0);
        for (int pass = style & 1; pass >= 0; --pass) {
            RefText(2 + free0 + pass, 7 + pass, kTexts[0], pass ? kGreen : kRed);
            RefText(2 + pixel0 + free1 / 2 + pass, 7 + pass, kTexts[1], pass ? kGreen : kRed);
        }
        EXPECT_EQ(canvas.Differences(reference), 0) << "style " << style;
    }
    EXPECT_EQ(canvas.Pixel(1 + pixel0, 39), kGrey);  // separators stop short of the bottom edge

    // Left edge -20: filled from -20, texts and layout from 0.
    Clear();
    const short left[] = {1, 1};
    gdi.DispRectFrameString(canvas.Dc(), CRect(-20, 6, 180, 40), 2, kTexts, kWidths, left, 0, kBack, kRed, kGreen,
                            kWhite, kGrey);
    gap = (180 - 10 * ave) / 2;
    RefRow(CRect(-20, 6, 180, 40), false, 1 + 4 * ave + gap);
    RefText(2, 7, kTexts[0], kRed);
    RefText(2 + 4 * ave + gap, 7, kTexts[1], kRed);
    EXPECT_EQ(canvas.Differences(reference), 0);
}

TEST_F(GdiDraw, RowsWithoutColumnsOrTextsAndSeparatorsFromTheDcOrigin)
{
    struct Case {
        CRect box;
        short count;
        const char* const* texts;
        short style;
        int separator;  // x of the dark separator line, 0 = none
    } cases[] = {{{0, 6, 200, 40}, 0, kTexts, 2, 0},
                 {{0, 6, 200, 40}, 2, nullptr, 0, 1 + 4 * ave + (200 - 10 * ave) / 2},
                 {{0, 6, 200, 40}, 1, nullptr, 0, 0},
                 {{30, 6, 230, 40}, 2, nullptr, 0, 1 + 4 * ave + (200 - 10 * ave) / 2}};
    for (const Case& c : cases) {
        Clear();
        gdi.DispRectFrameString(canvas.Dc(), c.box, c.count, c.texts, kWidths, nullptr, c.style, kBack, kRed,
                                kGreen, kWhite, kGrey);
        RefRow(c.box, c.style & 2, c.separator);
        EXPECT_EQ(canvas.Differences(reference), 0) << "count " << c.count << " left " << c.box.left;
    }
}

TEST_F(GdiDraw, TitleAndListRowsAreRowsOfTheirStyleAndRowRectUsesTheHelpersFont)
{
    const short titleWidths[] = {2, 4}, centred[] = {0, 0}, alignments[] = {2, 1};
    ::SelectObject(reference.Hdc(), small.m_hObject);
    gdi.DispTitle(canvas.Dc(), CRect(0, 6, 200, 40), 2, kTexts, 0, kBack, kRed, kGreen, kWhite, kGrey);
    gdi.DispRectFrameString(reference.Dc(), CRect(0, 6, 200, 40), 2, kTexts, titleWidths, centred, 3, kBack, kRed,
                            kGreen, kWhite, kGrey);
    EXPECT_EQ(canvas.Differences(reference), 0);
    Clear();
    gdi.DispListBoxItem(canvas.Dc(), CRect(0, 6, 200, 40), 2, kTexts, kWidths, alignments, kBack, kRed, kGreen,
                        kWhite, kGrey);
    gdi.DispRectFrameString(reference.Dc(), CRect(0, 6, 200, 40), 2, kTexts, kWidths, alignments, 0, kBack, kRed,
                            kGreen, kWhite, kGrey);
    EXPECT_EQ(canvas.Differences(reference), 0);

    int gap = (100 - 10 * ave) / 2;
    short left = -1, right = -1;
    gdi.GetRowRect(canvas.Dc(), 2, kWidths, 1, 100, &left, &right);
    EXPECT_EQ(left, 1 + 4 * ave + gap);
    EXPECT_EQ(right, 1 + 10 * ave + 2 * gap);
    gdi.GetRowRect(canvas.Dc(), 2, kWidths, 2, 100, &left, &right);
    EXPECT_EQ(left + right, 0);
    EXPECT_EQ(::GetCurrentObject(canvas.Hdc(), OBJ_FONT), small.m_hObject);
}

TEST_F(GdiDraw, LinesLeaveOutTheEndPixelRectsCloseAndFillRectIncludesRightAndBottom)
{
    struct Case {
        std::function<void()> draw;
        COLORREF colour;
        int pixels;
        std::vector<POINT> on, off;
    } cases[] = {
        {[&] { gdi.Line(canvas.Dc(), 10, 5, 50, 5, 1, kRed); }, kRed, 40, {{10, 5}, {49, 5}}, {{50, 5}}},
        {[&] { gdi.Line(canvas.Dc(), 10, 20, 50, 20, 3, kRed); }, kRed, -1, {{30, 19}, {30, 21}}, {{30, 23}}},
        {[&] { gdi.Line(canvas.Dc(), CRect(10, 10, 30, 30), 1, kRed); }, kRed, 20, {{10, 10}, {29, 29}},
         {{30, 10}, {10, 29}}},
        {[&] { gdi.Rect(canvas.Dc(), CRect(10, 10, 30, 25), 1, kRed); }, kRed, 70, {{30, 10}, {30, 25}, {10, 25}},
         {{20, 17}}},
        {[&] {
             const POINT points[] = {{5, 5}, {25, 5}, {25, 15}, {40, 40}};
             gdi.PolyLine(canvas.Dc(), points, 3, 1, kRed);
         },
         kRed, 30, {{25, 14}}, {{25, 15}}},
        {[&] { gdi.FillRect(canvas.Dc(), CRect(10, 10, 20, 16), kRed, kBlue); }, kBlue, 9 * 5, {{20, 16}, {10, 10}},
         {{21, 16}, {20, 17}}},
    };
    int n = 0;
    for (const Case& c : cases) {
        canvas.Clear(kWhite);
        c.draw();
        if (c.pixels >= 0)
            EXPECT_EQ(canvas.Count(c.colour, RECT()), c.pixels) << "case " << n;
        for (POINT p : c.on)
            EXPECT_NE(canvas.Pixel(p.x, p.y), kWhite) << "case " << n << " at " << p.x << "," << p.y;
        for (POINT p : c.off)
            EXPECT_EQ(canvas.Pixel(p.x, p.y), kWhite) << "case " << n << " at " << p.x << "," << p.y;
        ++n;
    }
    EXPECT_EQ(canvas.Count(kRed, RECT()), 2 * 11 + 2 * 5);  // the FillRect outline
}

TEST_F(GdiDraw, NoGdiObjectOutlivesTenThousandRoundsOfEveryOperation)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    auto operations = AllOperations();
    for (int i = 0; i < 10000; ++i)
        for (const auto& op : operations)
            op(gdi, canvas.Dc());
    EXPECT_GT(count.Created(), 10000u * operations.size());
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
