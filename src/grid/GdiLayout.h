// Where the drawing helper CGdi puts columns and texts, without a window
// system: the font is given by its average character width and character
// height, texts by their measured widths.
//
// Every value is a 16-bit signed integer and every step wraps as one, so
// very wide rows come out as they do on the device context, not as a wider
// type would compute them.
#pragma once

#include "frame/WinLibApi.h"

namespace GdiLayout {

// Alignment codes of a text in its room.
enum Alignment : short { alignCentre = 0, alignLeft = 1, alignRight = 2 };

// Offset of a text inside free room: half of it centred, all of it right
// aligned, none for left and for any other code. freeSpace is never below 0
// when it comes from the functions below.
ZR8WLIB_API short AlignOffset(short alignment, short freeSpace);

// Text x inside the inner box of a rectangle: the free width (inner width
// less text width, at least 0) placed by the alignment.
ZR8WLIB_API short RectTextX(short innerLeft, short innerWidth, short textWidth, short alignment);

// Text y inside the inner box: centred when the box is higher than the
// character height, else at its top.
ZR8WLIB_API short RectTextY(short innerTop, short innerHeight, short charHeight);

// A row of columns whose widths are counted in average characters, laid out
// over a total width: each column gets its share of the slack (or of the
// shortfall), the remainder of the division is dropped. A count below 1 or
// null widths lay out no column. The widths stay the caller's and must
// outlive the object.
class ZR8WLIB_API Row {
public:
    Row(short count, const short* widths, short aveCharWidth, short totalWidth);

    short Count() const { return m_count; }
    short Gap() const { return m_gap; }
    // widths[column] × average character width + gap; 0 outside the row.
    short PixelWidth(short column) const;
    // 1 + the pixel widths of the columns before column (column 0 gives 1);
    // also the x of the separator after column − 1.
    short Left(short column) const;
    // Room for a text of textWidth in the column: column width in characters
    // less the text, plus the gap, less 1; never below 0.
    short FreeSpace(short column, short textWidth) const;
    // Horizontal extent of one column: false and both 0 outside the row.
    bool Extent(short column, short* left, short* right) const;

private:
    short m_count;
    const short* m_widths;
    short m_aveCharWidth;
    short m_gap;
};

} // namespace GdiLayout
