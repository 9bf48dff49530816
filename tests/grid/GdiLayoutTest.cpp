// Column layout of the drawing helper, natively: the 16-bit arithmetic, the
// division toward zero, the clamped free room, centring rounded down.
#include <gtest/gtest.h>

#include "grid/GdiLayout.h"

namespace {

using GdiLayout::Row;

TEST(GdiLayout, SlackIsSharedTruncatedTowardZeroInSixteenBitsAndRoomNeverGoesBelowZero)
{
    const short three[] = {4, 6, 1}, huge[] = {4000, 1}, sum[] = {30000, 30000};
    const struct {
        short count;
        const short* widths;
        short ave, total, gap, left2;
    } cases[] = {{3, three, 8, 101, 4, 89}, {3, three, 8, 85, -1, 79}, {3, three, 8, 58, -10, 61},  // 88 used
                 {2, huge, 10, 100, 12813, 101}, {2, sum, 1, 0, 2768, 1}};  // 40000 and 60000 wrap
    for (const auto& c : cases) {
        Row row(c.count, c.widths, c.ave, c.total);
        EXPECT_EQ(row.Gap() * 100000 + row.Left(2), c.gap * 100000 + c.left2) << "total " << c.total;
    }
    Row narrowed(2, three, 8, 100);  // gap 10: 42 and 58 wide
    EXPECT_EQ(narrowed.FreeSpace(0, 20) * 100 + narrowed.FreeSpace(1, 200), 2100);
    EXPECT_EQ(GdiLayout::AlignOffset(GdiLayout::alignCentre, 9), 4);
    for (Row empty : {Row(0, three, 8, 100), Row(-3, three, 8, 100), Row(2, nullptr, 8, 100)})
        EXPECT_EQ(empty.Count() + empty.Gap() + empty.PixelWidth(0) + empty.Extent(0, nullptr, nullptr), 0);
}

} // namespace
