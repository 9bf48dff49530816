#include "TermBarLayout.h"

namespace TermBarLayout {

namespace {

// "決" in Shift-JIS.
const char kClosingLabel[2] = {'\x8C', '\x88'};

} // namespace

short NormalMonth(short firstMonth)
{
    return static_cast<short>(((firstMonth - 1) % 12 + 12) % 12 + 1);
}

void Labels(short firstMonth, char (&labels)[kLabelBytes + 1])
{
    short month = NormalMonth(firstMonth);
    for (int cell = 0; cell < kClosingCell; ++cell) {
        labels[2 * cell] = month < 10 ? ' ' : '1';
        labels[2 * cell + 1] = static_cast<char>('0' + month % 10);
        month = month == 12 ? 1 : static_cast<short>(month + 1);
    }
    labels[2 * kClosingCell] = kClosingLabel[0];
    labels[2 * kClosingCell + 1] = kClosingLabel[1];
    labels[kLabelBytes] = '\0';
}

short CellAt(int x, int width, short unit)
{
    // Wide enough that no width or x overflows.
    long long at = x;
    if (at > static_cast<long long>(width) - 2)
        at = static_cast<long long>(width) - 2;
    if (at < 2)
        at = 2;
    at -= 2;
    for (short cell = 0; cell < kCellCount; ++cell) {
        if (2LL * unit * cell <= at && at < 2LL * unit * (cell + 1))
            return cell;
    }
    return kClosingCell;
}

short ClampCell(int cell)
{
    return static_cast<short>(cell < 0 ? 0 : cell > kClosingCell ? kClosingCell : cell);
}

} // namespace TermBarLayout
