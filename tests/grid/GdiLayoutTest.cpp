// Column layout and text placement of the drawing helper, natively: the
// 16-bit arithmetic, the division toward zero, the clamped free room.
#include <gtest/gtest.h>

#include "grid/GdiLayout.h"

namespace {

using GdiLayout::Row;

TEST(GdiLayout, SlackIsSharedEvenlyTruncatedTowardZeroAndColumnsStartAtOne)
{
    const short two[] = {4, 6};
    Row row(2, two, 8, 100);  // used 80, gap 10: 1 ... 43, 43 ... 101
    short left = -1, right = -1;
    EXPECT_TRUE(row.Extent(0, &left, &right));
    EXPECT_EQ(left * 1000 + right, 1 * 1000 + 43);
    EXPECT_TRUE(row.Extent(1, &left, &right));
    EXPECT_EQ(left * 1000 + right, 43 * 1000 + 101);

    const short three[] = {4, 6, 1};  // used 88
    const short totals[][2] = {{100, 4}, {101, 4}, {87, 0}, {85, -1}, {58, -10}};  // total, gap
    for (const auto& t : totals) {
        Row r(3, three, 8, t[0]);
        EXPECT_EQ(r.Gap(), t[1]) << "total " << t[0];
        EXPECT_EQ(r.PixelWidth(2), 8 + t[1]) << "total " << t[0];
        EXPECT_EQ(r.Left(2), 1 + 32 + 48 + 2 * t[1]) << "total " << t[0];
    }
}

TEST(GdiLayout, FreeRoomNeverGoesBelowZeroAndEveryStepWrapsInSixteenBits)
{
    const short wide[] = {10, 10};
    Row narrowed(2, wide, 8, 100);  // gap -30: columns 50 wide
    EXPECT_EQ(narrowed.FreeSpace(0, 20), 29);
    EXPECT_EQ(narrowed.FreeSpace(0, 49), 0);
    EXPECT_EQ(narrowed.FreeSpace(1, 200), 0);

    const short huge[] = {4000, 1};
    Row wrapped(2, huge, 10, 100);  // 40000 wraps to -25536; (100 + 25526) / 2
    EXPECT_EQ(wrapped.Gap(), 12813);
    EXPECT_EQ(wrapped.PixelWidth(0), -25536 + 12813);
    EXPECT_EQ(wrapped.Left(1), 1 - 25536 + 12813);
    const short sum[] = {30000, 30000};
    EXPECT_EQ(Row(2, sum, 1, 0).Gap(), 2768);  // used wraps to -5536
}

TEST(GdiLayout, ColumnsOutsideTheRowHaveNoExtent)
{
    const short widths[] = {4, 6};
    short left = 7, right = 7;
    for (short column : {2, -1}) {
        EXPECT_FALSE(Row(2, widths, 8, 100).Extent(column, &left, &right));
        EXPECT_EQ(left + right, 0);
    }
    EXPECT_TRUE(Row(2, widths, 8, 100).Extent(1, nullptr, &right));
    EXPECT_EQ(right, 101);
    for (Row empty : {Row(0, widths, 8, 100), Row(-3, widths, 8, 100), Row(2, nullptr, 8, 100)}) {
        EXPECT_EQ(empty.Count() + empty.Gap() + empty.PixelWidth(0), 0);
        EXPECT_FALSE(empty.Extent(0, &left, &right));
    }
}

TEST(GdiLayout, AlignmentCodesPlaceTextAcrossAndTextIsCentredDown)
{
    const short offsets[][2] = {{0, 4}, {1, 0}, {2, 9}, {3, 0}, {-1, 0}, {16, 0}};  // code, offset of 9
    for (const auto& o : offsets)
        EXPECT_EQ(GdiLayout::AlignOffset(o[0], 9), o[1]) << "alignment " << o[0];
    // Inner box from 11, 50 wide; a 21-pixel text leaves 29; an 80-pixel one none.
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 0), 11 + 14);
    EXPECT_EQ(GdiLayout::RectTextX(11, 50, 21, 2), 11 + 29);
    for (short alignment : {0, 1, 2})
        EXPECT_EQ(GdiLayout::RectTextX(11, 50, 80, alignment), 11) << "alignment " << alignment;
    const short downs[][2] = {{20, 8}, {14, 5}, {13, 5}, {8, 5}};  // inner height, y for a 13-pixel font at 5
    for (const auto& d : downs)
        EXPECT_EQ(GdiLayout::RectTextY(5, d[0], 13), d[1]) << "height " << d[0];
}

} // namespace
