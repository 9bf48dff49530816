// Column layout and text placement of the drawing helper, natively: the
// 16-bit arithmetic, the division toward zero, the clamped free room.
#include <gtest/gtest.h>

#include "grid/GdiLayout.h"

namespace {

using GdiLayout::Row;

struct Extent {
    short left, right;
};

Extent ExtentOf(const Row& row, short column)
{
    Extent e = {-1, -1};
    row.Extent(column, &e.left, &e.right);
    return e;
}

TEST(GdiLayout, SlackIsSharedEvenlyAndColumnsStartAtOne)
{
    const short widths[] = {4, 6};
    Row row(2, widths, 8, 100);  // used 80, gap 10
    EXPECT_EQ(row.Gap(), 10);
    EXPECT_EQ(row.PixelWidth(0), 42);
    EXPECT_EQ(row.PixelWidth(1), 58);
    Extent first = ExtentOf(row, 0), second = ExtentOf(row, 1);
    EXPECT_EQ(first.left, 1);
    EXPECT_EQ(first.right, 43);
    EXPECT_EQ(second.left, 43);
    EXPECT_EQ(second.right, 101);
}

TEST(GdiLayout, GapIsTruncatedTowardZeroAndItsRemainderDropped)
{
    const short widths[] = {4, 6, 1};
    struct Case {
        short total;
        short gap;
    } cases[] = {
        {100, 4},   // (100 - 88) / 3
        {101, 4},   // remainder 1 dropped
        {87, 0},    // -1 / 3 toward zero, not -1
        {85, -1},   // -3 / 3
        {58, -10},  // widths too large: every column narrowed alike
    };
    for (const Case& c : cases) {
        Row row(3, widths, 8, c.total);
        EXPECT_EQ(row.Gap(), c.gap) << "total " << c.total;
        EXPECT_EQ(row.PixelWidth(2), 8 + c.gap) << "total " << c.total;
        EXPECT_EQ(ExtentOf(row, 2).left, 1 + 32 + 48 + 2 * c.gap) << "total " << c.total;
    }
}

TEST(GdiLayout, FreeRoomOfAColumnNeverGoesBelowZero)
{
    const short widths[] = {10, 10};
    Row row(2, widths, 8, 100);  // used 160, gap -30: columns 50 wide
    EXPECT_EQ(row.Gap(), -30);
    EXPECT_EQ(row.FreeSpace(0, 20), 29);  // 80 - 20 - 30 - 1
    EXPECT_EQ(row.FreeSpace(0, 49), 0);
    EXPECT_EQ(row.FreeSpace(0, 50), 0);
    EXPECT_EQ(row.FreeSpace(1, 200), 0);
}

TEST(GdiLayout, EveryStepWrapsInSixteenBits)
{
    const short widths[] = {4000, 1};
    Row row(2, widths, 10, 100);
    // 4000 x 10 wraps to -25536; used -25526; 100 + 25526 = 25626, / 2.
    EXPECT_EQ(row.Gap(), 12813);
    EXPECT_EQ(row.PixelWidth(0), -25536 + 12813);
    EXPECT_EQ(ExtentOf(row, 1).left, 1 - 25536 + 12813);
    EXPECT_EQ(ExtentOf(row, 1).right, 1 - 25536 + 12813 + 10 + 12813);

    const short wide[] = {30000, 30000};
    Row sum(2, wide, 1, 0);  // used wraps to -5536
    EXPECT_EQ(sum.Gap(), 2768);
}

TEST(GdiLayout, ColumnsOutsideTheRowHaveNoExtent)
{
    const short widths[] = {4, 6};
    Row row(2, widths, 8, 100);
    short left = 7, right = 7;
    EXPECT_FALSE(row.Extent(2, &left, &right));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_FALSE(row.Extent(-1, &left, &right));
    EXPECT_EQ(row.PixelWidth(-1), 0);
    EXPECT_TRUE(row.Extent(1, nullptr, &right));  // null outputs are skipped
    EXPECT_EQ(right, 101);

    for (short count : {0, -3}) {
        Row empty(count, widths, 8, 100);
        EXPECT_EQ(empty.Count(), 0);
        EXPECT_EQ(empty.Gap(), 0);
        EXPECT_FALSE(empty.Extent(0, &left, &right));
    }
    Row noWidths(2, nullptr, 8, 100);
    EXPECT_EQ(noWidths.Count(), 0);
}

TEST(GdiLayout, AlignmentCodesPlaceTextInItsFreeRoom)
{
    struct Case {
        short alignment;
        short offset;
    } cases[] = {{0, 4}, {1, 0}, {2, 9}, {3, 0}, {-1, 0}, {16, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(GdiLayout::AlignOffset(c.alignment, 9), c.offset) << "alignment " << c.alignment;
}

TEST(GdiLayout, RectTextIsAlignedAcrossAndCentredDown)
{
    // Inner box from x 11, 50 wide; a 21-pixel text leaves 29.
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 0), 11 + 14);
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 1), 11);
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 2), 11 + 29);
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 7), 11);
    // Wider than the box: every alignment starts at the inner left edge.
    for (short alignment : {0, 1, 2})
        EXPECT_EQ(GdiLayout::RectTextX(11, 50, 80, alignment), 11) << "alignment " << alignment;

    EXPECT_EQ(GdiLayout::RectTextY(5, 20, 13), 5 + 3);  // 7 / 2
    EXPECT_EQ(GdiLayout::RectTextY(5, 14, 13), 5);      // 1 / 2
    EXPECT_EQ(GdiLayout::RectTextY(5, 13, 13), 5);
    EXPECT_EQ(GdiLayout::RectTextY(5, 8, 13), 5);  // lower than the font: at the top
}

} // namespace
