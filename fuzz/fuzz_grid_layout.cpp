// The drawing helper's column layout and the term bar's cells on any
// numbers. Input: count, average width, total width, column, alignment,
// text width (int16 each, little-endian), x and width of a click (int32),
// then the column widths (int16 each, as many as there are).
#include <algorithm>

#include "FuzzInput.h"
#include "grid/GdiLayout.h"
#include "grid/TermBarLayout.h"

void FuzzOne(FuzzInput& input)
{
    short count = input.Take<int16_t>(), ave = input.Take<int16_t>(), total = input.Take<int16_t>();
    short column = input.Take<int16_t>(), alignment = input.Take<int16_t>(), text = input.Take<int16_t>();
    int x = input.Take<int32_t>(), width = input.Take<int32_t>();
    std::string rest = input.Rest();
    std::vector<short> widths(rest.size() / 2);
    for (short& w : widths)
        w = input.Take<int16_t>();
    // The row never reads past the widths it is given.
    count = std::min(count, static_cast<short>(widths.size()));

    GdiLayout::Row row(count, widths.empty() ? nullptr : widths.data(), ave, total);
    short left = -1, right = -1;
    bool inside = row.Extent(column, &left, &right);
    Require(inside == (column >= 0 && column < row.Count()), "extent inside the row only", rest);
    Require(inside ? left == row.Left(column) && right == static_cast<short>(left + row.PixelWidth(column))
                   : left == 0 && right == 0,
            "extent agrees with left and width", rest);
    short free = row.FreeSpace(column, text);
    Require(free >= 0, "negative free room", rest);
    short offset = GdiLayout::AlignOffset(alignment, free);
    Require(offset >= 0 && offset <= free, "offset outside the free room", rest);

    short cell = TermBarLayout::CellAt(x, width, ave);
    Require(cell >= 0 && cell <= TermBarLayout::kClosingCell, "cell outside the bar", rest);
    char labels[TermBarLayout::kLabelBytes + 1];
    TermBarLayout::Labels(count, labels);
    Require(labels[TermBarLayout::kLabelBytes] == '\0' && labels[24] == '\x8C', "labels", rest);
}
