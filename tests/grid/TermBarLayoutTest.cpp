// The term bar's labels and hit test, natively.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "grid/TermBarLayout.h"

namespace {

std::string LabelsFrom(short firstMonth)
{
    char labels[TermBarLayout::kLabelBytes + 1];
    TermBarLayout::Labels(firstMonth, labels);
    return labels;
}

TEST(TermBarLayout, LabelsWrapAfterTwelveAndCloseWithKetsuClicksOutsideTakeAnEndCell)
{
    EXPECT_EQ(LabelsFrom(4), " 4 5 6 7 8 9101112 1 2 3\x8C\x88");  // 決
    for (short outside : {0, 16, -8, 32767})  // modulo 12, never wider than a cell
        EXPECT_EQ(LabelsFrom(outside), LabelsFrom(TermBarLayout::NormalMonth(outside))) << outside;
    EXPECT_EQ(TermBarLayout::NormalMonth(0) * 100 + TermBarLayout::NormalMonth(16), 1204);
    // Clicks outside the cells take the first or the closing cell.
    const int width = 26 * 7 + 4;  // unit 7: cells 14 pixels wide
    const int xs[][2] = {{-50, 0}, {15, 0}, {16, 1}, {128, 9}, {169, 11}, {170, 12}, {999, 12}};
    for (const auto& x : xs)
        EXPECT_EQ(TermBarLayout::CellAt(x[0], width, 7), x[1]) << "x " << x[0];
    EXPECT_EQ(TermBarLayout::CellAt(40, width, 0) + TermBarLayout::CellAt(INT_MAX, INT_MIN, 7), 12);
    EXPECT_EQ(TermBarLayout::ClampCell(-1) * 100 + TermBarLayout::ClampCell(13), 12);
}

} // namespace
