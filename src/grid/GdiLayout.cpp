#include "GdiLayout.h"

namespace GdiLayout {

namespace {

// The 16-bit wrap of every step.
short S16(int value)
{
    return static_cast<short>(value);
}

} // namespace

short AlignOffset(short alignment, short freeSpace)
{
    switch (alignment) {
    case alignCentre:
        return S16(freeSpace / 2);
    case alignRight:
        return freeSpace;
    default:
        return 0;
    }
}

short RectTextX(short innerLeft, short innerWidth, short textWidth, short alignment)
{
    short freeSpace = S16(innerWidth - textWidth);
    if (freeSpace < 0)
        freeSpace = 0;
    return S16(innerLeft + AlignOffset(alignment, freeSpace));
}

short RectTextY(short innerTop, short innerHeight, short charHeight)
{
    short spare = S16(innerHeight - charHeight);
    return spare > 0 ? S16(innerTop + spare / 2) : innerTop;
}

Row::Row(short count, const short* widths, short aveCharWidth, short totalWidth)
    : m_count(count > 0 && widths != nullptr ? count : 0), m_widths(widths), m_aveCharWidth(aveCharWidth),
      m_gap(0)
{
    short used = 0;
    for (short i = 0; i < m_count; ++i)
        used = S16(used + S16(m_widths[i] * m_aveCharWidth));
    if (m_count > 0)
        m_gap = S16(S16(totalWidth - used) / m_count);
}

short Row::PixelWidth(short column) const
{
    if (column < 0 || column >= m_count)
        return 0;
    return S16(S16(m_widths[column] * m_aveCharWidth) + m_gap);
}

short Row::Left(short column) const
{
    short left = 1;
    for (short i = 0; i < column && i < m_count; ++i)
        left = S16(left + PixelWidth(i));
    return left;
}

short Row::FreeSpace(short column, short textWidth) const
{
    short freeSpace = S16(PixelWidth(column) - textWidth - 1);
    return freeSpace > 0 ? freeSpace : 0;
}

bool Row::Extent(short column, short* left, short* right) const
{
    short l = 0, r = 0;
    bool inside = column >= 0 && column < m_count;
    if (inside) {
        l = Left(column);
        r = S16(l + PixelWidth(column));
    }
    if (left != nullptr)
        *left = l;
    if (right != nullptr)
        *right = r;
    return inside;
}

} // namespace GdiLayout
