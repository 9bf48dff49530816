// The cells of the term bar CSetTerm, without a window system: twelve
// monthly cells from a first month and the closing cell, each two label
// bytes and two cell units wide.
#pragma once

#include "frame/WinLibApi.h"

namespace TermBarLayout {

const short kCellCount = 13;
const short kClosingCell = 12;
const int kLabelBytes = 2 * kCellCount;

// The 26 label bytes and a terminating zero: the months from firstMonth
// counting up (12 followed by 1), each as "%2d", then "決". A first month
// outside 1 ... 12 is taken modulo 12 (0 is December).
ZR8WLIB_API void Labels(short firstMonth, char (&labels)[kLabelBytes + 1]);

// A first month outside 1 ... 12 taken modulo 12 into that range.
ZR8WLIB_API short NormalMonth(short firstMonth);

// The cell under x in a bar of the given width: x is held to 2 ... width − 2,
// less 2; cell c covers 2 × unit × c up to 2 × unit × (c + 1). 12 when no
// cell matches (also for a unit of 0 or less).
ZR8WLIB_API short CellAt(int x, int width, short unit);

// A cell index held to 0 ... 12.
ZR8WLIB_API short ClampCell(int cell);

} // namespace TermBarLayout
