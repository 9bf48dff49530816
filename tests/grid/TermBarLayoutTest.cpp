// The term bar's labels and hit test, natively.
#include <gtest/gtest.h>

#include <string>

#include "grid/TermBarLayout.h"

namespace {

std::string LabelsFrom(short firstMonth)
{
    char labels[TermBarLayout::kLabelBytes + 1];
    TermBarLayout::Labels(firstMonth, labels);
    return std::string(labels);
}

TEST(TermBarLayout, LabelsCountUpFromTheFirstMonthWrapAfterTwelveAndCloseWithKetsu)
{
    const std::string closing = "\x8C\x88";  // 決
    EXPECT_EQ(LabelsFrom(4), " 4 5 6 7 8 9101112 1 2 3" + closing);
    EXPECT_EQ(LabelsFrom(4).substr(2 * 9, 2), " 1");
    EXPECT_EQ(LabelsFrom(1), " 1 2 3 4 5 6 7 8 9101112" + closing);
    EXPECT_EQ(LabelsFrom(12), "12 1 2 3 4 5 6 7 8 91011" + closing);
    // Outside 1 ... 12: modulo 12, never wider than two bytes a cell.
    EXPECT_EQ(LabelsFrom(0), LabelsFrom(12));
    EXPECT_EQ(LabelsFrom(16), LabelsFrom(4));
    EXPECT_EQ(LabelsFrom(-8), LabelsFrom(4));
    EXPECT_EQ(LabelsFrom(32767).size(), 26u);
}

TEST(TermBarLayout, ClicksOutsideTheCellsTakeTheFirstOrTheClosingCell)
{
    const short unit = 7;          // cells 14 pixels wide
    const int width = 26 * 7 + 4;  // as the bar is made
    struct Case {
        int x;
        short cell;
    } cases[] = {{-50, 0}, {0, 0}, {2, 0}, {15, 0}, {16, 1}, {2 + 14 * 9, 9}, {2 + 14 * 12 - 1, 11},
                 {2 + 14 * 12, 12}, {width - 2, 12}, {width + 100, 12}};
    for (const Case& c : cases)
        EXPECT_EQ(TermBarLayout::CellAt(c.x, width, unit), c.cell) << "x " << c.x;
    EXPECT_EQ(TermBarLayout::CellAt(40, width, 0), 12);
    EXPECT_EQ(TermBarLayout::ClampCell(-1), 0);
    EXPECT_EQ(TermBarLayout::ClampCell(13), 12);
}

} // namespace
