// The input matrix's layout arithmetic: band rectangles, column widths for
// wide and narrow lists, stretchable columns, uniform lines, horizontal
// scrolling with frozen columns, title compaction and footer cells.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "grid/CMtrxLayout.h"

namespace {

// Holds the arrays a layout points to; the codes are the first line's.
struct Layout {
    std::vector<std::vector<const char*>> titles;
    std::vector<std::vector<short>> codes;
    MTRX_LINE lines[4] = {};
    CMtrxLayout layout;

    Layout(std::initializer_list<std::vector<const char*>> described, std::vector<short> firstCodes = {})
        : titles(described), codes(described.size())
    {
        codes[0] = std::move(firstCodes);
        for (size_t j = 0; j < titles.size(); ++j) {
            codes[j].resize(titles[j].size(), 0);
            lines[j] = {static_cast<short>(titles[j].size()), codes[j].data(), const_cast<char**>(titles[j].data())};
        }
        layout.SetLines(static_cast<short>(titles.size()), lines);
    }

    // W = parentWidth + 1 - 16 with margins 0 and no select button.
    std::vector<short> Positions(int parentWidth, int line = 0)
    {
        layout.Compute({parentWidth, 400, 8, 16, 16, 16});
        const short* p = layout.Positions(line);
        return std::vector<short>(p, p + layout.Shown(line) + 1);
    }
};

// Column widths from the title lengths; uniform lines keep the fraction of
// the scale. Setting lines keeps the line after the last, clears the rest and
// zeroes the positions.
TEST(MtrxLayout, ColumnWidthsUniformLinesSettingLinesAndTitlesCompactedInNarrowCells)
{
    struct Case { const char* what; int parentWidth; std::vector<short> codes, positions; } cases[] = {
        // W = 650: scale 108.33, truncated to 108 (one line is never uniform);
        // the last column takes the rest up to the client width 649.
        // W = 40: scale 6.67 < 8: fixed columns 8 and 24, the stretchable one the 8 left.
        {"wide", 665, {0, 0, 0}, {0, 108, 324, 649}}, {"narrow, stretch", 55, {0, 16, 0}, {0, 8, 16, 39}},
        {"two stretch", 55, {16, 16, 1}, {0, 5, 15, 39}}, {"narrow, no stretch", 55, {0, 1, 2}, {0, 8, 24, 39}}};
    for (const Case& c : cases) {
        Layout l({{"A", "BB", "CCC"}}, c.codes);
        EXPECT_EQ(l.Positions(c.parentWidth), c.positions) << c.what;
    }
    const std::vector<const char*> line = {"ab", "abc", "a"};
    Layout four({line, line, line, line});  // W = 653, scale 108.83
    EXPECT_EQ(four.Positions(668), (std::vector<short>{0, 217, 543, 652}));
    Layout differ({line, line, line, {"ab", "abcd", "a"}});
    EXPECT_EQ(differ.Positions(668), (std::vector<short>{0, 216, 540, 652}));
    EXPECT_EQ(differ.Positions(668, 3), (std::vector<short>{0, 186, 558, 652}));

    Layout l({{"AB", "CD"}, {"EF", "GH"}, {"IJ"}});
    EXPECT_NE(l.Positions(300)[1], 0);
    l.layout.SetLines(1, l.lines);
    EXPECT_EQ(std::make_tuple(l.layout.Line(1).nColumns, l.layout.Line(2).nColumns, l.layout.Positions(0)[1]),
              std::make_tuple(short{2}, short{0}, short{0}));

    EXPECT_EQ(CMtrxLayout::CompactTitle("A B", 24, 8), "A B");
    EXPECT_EQ(CMtrxLayout::CompactTitle("A B", 23, 8), "AB");
    // 日　付 -> 日付, padded to 5; 0x81 0x40 inside "\x82\x81" + "@" is no full-width space.
    EXPECT_EQ(CMtrxLayout::CompactTitle("\x93\xFA\x81\x40\x95\x74", 40, 8), "\x93\xFA\x95\x74 ");
    EXPECT_EQ(CMtrxLayout::CompactTitle("\x82\x81\x40 ", 16, 8), "\x82\x81\x40");
}

TEST(MtrxLayout, BandsMarginsSelectButtonAndHorizontalScrollWithFrozenColumns)
{
    Layout l({{"A", "BB", "CCC"}, {"D", "EE"}});
    l.layout.SetMargins(10, 20, 5, 4, 2);
    l.layout.SetSelectButton(true);
    l.layout.Compute({500, 400, 8, 16, 16, 16});
    // List box, then the title and footer bands' tops and bottoms.
    const MtrxBox &list = l.layout.ListBox(), &title = l.layout.TitleBand(), &footer = l.layout.FooterBand();
    EXPECT_EQ((std::vector<int>{list.left, list.top, list.right, list.bottom, title.top, title.bottom, footer.top,
                                footer.bottom}),
              (std::vector<int>{10, 5 + 2 * 18, 480, 400 - 2 * 18, 5, 41, 364, 400}));
    // W = 471 - 16 - 16 = 439, scale 73.2: k = 73; the select button leads.
    // Parent coordinates carry the left margin.
    const short* p = l.layout.ListPositions(0);
    EXPECT_EQ(std::make_pair(std::vector<short>(p, p + 4), l.layout.Positions(0)[1]),
              std::make_pair(std::vector<short>{16, 89, 235, 454}, short{99}));

    MTRX_FOOTCELL cell = {1, 0, 1, 2, 2, const_cast<char*>("1,234")};
    MtrxBox box;
    ASSERT_TRUE(l.layout.FooterCellBox(cell, &box));
    EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}),
              (std::vector<int>{99 - 1, 364 + 1 + 18, 464 - 2, 364 + 1 + 36}));

    // Horizontal scrolling with frozen columns.
    Layout h({{"No..", "Date......", "Amount....", "Tax.......", "Note......", "Code......"}});
    h.layout.SetMargins(0, 0, 0, 0, 1);
    h.layout.SetHScroll(1);
    // W = 300: frozen 32 pixels, columns of 80: three scrolled columns.
    EXPECT_EQ(h.Positions(315), (std::vector<short>{0, 35, 123, 211, 299}));
    EXPECT_EQ(std::make_tuple(h.layout.VisibleScrolled(), h.layout.HScrollMax(), h.layout.ListBox().bottom),
              std::make_tuple(3, 2, 400 - 18 - 18));
    struct Step { unsigned code, pos; bool moved; short first; } steps[] = {
        {CMtrxLayout::kLineRight, 0, true, 2},  {CMtrxLayout::kLineRight, 0, true, 3},
        {CMtrxLayout::kLineRight, 0, false, 3}, {CMtrxLayout::kPageLeft, 0, true, 1},
        {CMtrxLayout::kPageRight, 0, true, 3},  {CMtrxLayout::kThumbTrack, 1, true, 2},
        {CMtrxLayout::kThumbTrack, 90, true, 3}, {CMtrxLayout::kPageLeft, 0, true, 1},
    };
    for (const Step& s : steps) {
        bool moved = h.layout.HScrollStep(s.code, s.pos);
        EXPECT_EQ(std::make_pair(moved, h.layout.FirstScrolled()), std::make_pair(s.moved, s.first)) << s.code;
    }
    // Titles and footer cells of scrolled columns follow the scroll.
    h.layout.HScrollStep(CMtrxLayout::kLineRight, 0);
    MTRX_FOOTCELL total = {0, 0, 3, 3, 2, const_cast<char*>("9")}, off = {0, 0, 1, 1, 2, total.pText};
    MtrxBox none;  // column 1 scrolled off to the left
    ASSERT_TRUE(h.layout.FooterCellBox(total, &box));
    EXPECT_EQ(std::make_tuple(h.layout.TitleColumn(0, 1), box.left, h.layout.FooterCellBox(off, &none)),
              std::make_tuple(2, 123 - 1, false));
    h.Positions(715);  // wide enough for every column: the first scrolled one comes back, frozen ones stay
    EXPECT_EQ(h.layout.FirstScrolled(), 1);
    // W = 85: no room for a scrolled column, only the frozen one is shown.
    EXPECT_EQ(h.Positions(100), (std::vector<short>{0, 84}));
    EXPECT_EQ(h.layout.VisibleScrolled(), 0);
}

} // namespace
