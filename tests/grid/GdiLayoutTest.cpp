// Column layout of the drawing helper, natively: the 16-bit arithmetic, the
// division toward zero, the clamped free room, centring rounded down; and
// the term bar's hit test.
#include <gtest/gtest.h>

#include <utility>

#include "grid/GdiLayout.h"
#include "grid/TermBarLayout.h"

namespace {

using GdiLayout::Row;

TEST(GdiLayout, SlackIsSharedTruncatedTowardZeroInSixteenBitsAndRoomNeverGoesBelowZero)
{
    const short three[] = {4, 6, 1}, huge[] = {4000, 1}, sum[] = {30000, 30000};
    const struct { short count; const short* widths; short ave, total, gap, left2; } cases[] = {
        {3, three, 8, 101, 4, 89}, {3, three, 8, 85, -1, 79}, {3, three, 8, 58, -10, 61},  // 88 used
        {2, huge, 10, 100, 12813, 101}, {2, sum, 1, 0, 2768, 1}};                        // 40000 and 60000 wrap
    for (const auto& c : cases) {
        Row row(c.count, c.widths, c.ave, c.total);
        EXPECT_EQ(std::make_pair(row.Gap(), row.Left(2)), std::make_pair(c.gap, c.left2)) << "total " << c.total;
    }
    Row narrowed(2, three, 8, 100);  // gap 10: 42 and 58 wide
    EXPECT_EQ(std::make_pair(narrowed.FreeSpace(0, 20), narrowed.FreeSpace(1, 200)),
              (std::make_pair<short, short>(21, 0)));
    EXPECT_FALSE(narrowed.Extent(2, nullptr, nullptr));  // no column past the last
    EXPECT_EQ(GdiLayout::AlignOffset(GdiLayout::alignCentre, 9), 4);
}

// The labels are seen in the term bar's reference image.
TEST(TermBarLayout, ClicksOutsideTheCellsTakeAnEndCell)
{
    // Clicks outside the cells take the first or the closing cell.
    const int width = 26 * 7 + 4;  // unit 7: cells 14 pixels wide
    const int xs[][2] = {{-50, 0}, {15, 0}, {16, 1}, {128, 9}, {169, 11}, {170, 12}, {999, 12}};
    for (const auto& x : xs)
        EXPECT_EQ(TermBarLayout::CellAt(x[0], width, 7), x[1]) << "x " << x[0];
    EXPECT_EQ(std::make_pair(TermBarLayout::ClampCell(-1), TermBarLayout::ClampCell(13)),
              (std::make_pair<short, short>(0, 12)));
}

} // namespace
