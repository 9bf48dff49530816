#include "CMtrxLayout.h"

#include <algorithm>
#include <cstring>

#include "afx/ShiftJis.h"

CMtrxLayout::CMtrxLayout()
{
    std::memset(positions_, 0, sizeof positions_);
    std::memset(listPositions_, 0, sizeof listPositions_);
}

void CMtrxLayout::SetLines(short lines, const MTRX_LINE* line)
{
    lines_ = std::clamp<short>(lines, 0, kMaxLines);
    // The description just after the last line is kept: it is laid out and
    // titled like the others when it has columns.
    for (int j = 0; j < kMaxLines; ++j) {
        line_[j] = j <= lines_ ? line[j] : MTRX_LINE{0, nullptr, nullptr};
        if (line_[j].nColumns < 0 || line_[j].pTitles == nullptr)
            line_[j].nColumns = 0;
        std::fill_n(positions_[j], std::min<int>(line_[j].nColumns, kMaxColumns), short(0));
    }
}

void CMtrxLayout::SetMargins(int left, int right, int top, int extraBottom, short footRows)
{
    leftMargin_ = left;
    rightMargin_ = right;
    topOffset_ = top;
    extraBottom_ = extraBottom;
    footRows_ = std::max<short>(footRows, 0);
}

void CMtrxLayout::SetSideMargins(int right, int left)
{
    if (right != 0 || left != 0) {
        rightMargin_ = right;
        leftMargin_ = left;
    }
}

void CMtrxLayout::SetHScroll(short frozen)
{
    hmode_ = true;
    frozen_ = first_ = std::max<short>(frozen, 0);
    visible_ = 1;
}

int CMtrxLayout::TitleLength(int line, int column) const
{
    const char* title = line_[line].pTitles != nullptr ? line_[line].pTitles[column] : nullptr;
    return title != nullptr ? static_cast<int>(std::strlen(title)) : 0;
}

int CMtrxLayout::CellCapacity() const
{
    int capacity = 0;
    for (int j = 0; j < lines_; ++j)
        capacity = std::max<int>(capacity, line_[j].nColumns);
    return capacity;
}

void CMtrxLayout::Compute(const Metrics& m)
{
    aveCharWidth_ = m.aveCharWidth;
    charHeight_ = m.charHeight;
    PlaceBands(m);
    int available = (list_.right - list_.left + 1) - m.cxVScroll - (selectButton_ ? 2 * m.aveCharWidth : 0);
    int clientWidth = list_.right - list_.left - m.cxVScroll;
    std::fill(shown_, shown_ + kMaxLines, 0);
    if (hmode_)
        ChooseScrolledColumns(available);
    else
        ChooseAllColumns();
    layoutLines_ = 0;
    for (int j = 0; j < kMaxLines && shown_[j] > 0; ++j) {
        PlaceColumns(j, available, clientWidth);
        layoutLines_ = static_cast<short>(j + 1);
    }
    for (int j = 0; j < layoutLines_; ++j) {
        for (int i = 0; i <= shown_[j]; ++i) {
            listPositions_[j][i] = positions_[j][i];
            positions_[j][i] = static_cast<short>(positions_[j][i] + leftMargin_);
        }
    }
    if (hmode_)
        PlaceScrollBar(m);
}

// The list between the title band (one band a line) and the footer band,
// less the horizontal scroll bar in scroll mode.
void CMtrxLayout::PlaceBands(const Metrics& m)
{
    int band = m.charHeight + kBandPadding;
    list_.left = leftMargin_;
    list_.top = topOffset_ + lines_ * band;
    list_.right = m.parentWidth - rightMargin_;
    list_.bottom = m.parentHeight - footRows_ * band - (hmode_ ? kBandPadding + m.cyHScroll : 0);
    footer_ = {list_.left, list_.bottom, list_.right, list_.bottom + footRows_ * band};
    title_ = {list_.left, topOffset_, list_.right, list_.top};
}

// Scroll mode: the frozen columns and as many scrolled ones from the first
// as fit at line 0's widths; every line shows that many of its columns.
void CMtrxLayout::ChooseScrolledColumns(int available)
{
    int a = aveCharWidth_;
    int c0 = line_[0].nColumns;
    frozen_ = std::min<short>(frozen_, static_cast<short>(c0));
    int frozenWidth = 0;
    for (int i = 0; i < frozen_; ++i)
        frozenWidth += TitleLength(0, i) * a;
    int columnWidth = frozen_ < c0 ? TitleLength(0, frozen_) * a : 0;
    // A list narrower than one scrolled column shows none (0 or fewer).
    int visible = columnWidth > 0 ? (available - frozenWidth) / columnWidth : c0 - frozen_;
    int first = first_;
    if (visible + first >= c0) {
        first = c0 - visible;
        if (first < frozen_) {
            first = frozen_;
            visible = c0 - frozen_;
        }
    }
    first_ = static_cast<short>(first);
    visible_ = static_cast<short>(visible);
    for (int j = 0; j < kMaxLines; ++j) {
        if (line_[j].nColumns > 0)
            shown_[j] = static_cast<short>(std::min<int>(frozen_ + visible_, line_[j].nColumns));
    }
    uniform_ = true;
}

// Without scrolling every column shows; the lines are uniform when each has
// line 0's columns with line 0's title lengths.
void CMtrxLayout::ChooseAllColumns()
{
    int c0 = line_[0].nColumns;
    for (int j = 0; j < kMaxLines; ++j)
        shown_[j] = line_[j].nColumns;
    uniform_ = true;
    for (int j = 1; j < kMaxLines && uniform_; ++j) {
        if (line_[j].nColumns != c0) {
            uniform_ = false;
            break;
        }
        for (int i = 0; i < c0; ++i) {
            if (TitleLength(j, i) != TitleLength(0, i)) {
                uniform_ = false;
                break;
            }
        }
    }
}

// One line's column edges from 0 (after the select buttons): scaled to the
// available width when that gives each character at least its average
// width, else fixed columns at their title widths and stretched columns
// sharing the rest; then shifted to the client's right edge (scroll mode) or
// ended at it.
void CMtrxLayout::PlaceColumns(int j, int available, int clientWidth)
{
    int a = aveCharWidth_;
    int n = shown_[j];
    int total = 0;
    for (int i = 0; i < n; ++i)
        total += TitleLength(j, i);
    double scale = total > 0 ? static_cast<double>(available) / total : 0.0;
    short* pos = positions_[j];
    pos[0] = static_cast<short>(selectButton_ ? 2 * a : 0);
    if (total > 0 && scale >= a) {
        double k = uniform_ ? scale : static_cast<double>(static_cast<int>(scale));
        for (int i = 0; i < n; ++i)
            pos[i + 1] = static_cast<short>(pos[i] + static_cast<int>(TitleLength(j, i) * k));
    } else {
        int fixed = 0;
        long long stretchLength = 0;
        for (int i = 0; i < n; ++i) {
            if (Stretched(j, i))
                stretchLength += TitleLength(j, i);
            else
                fixed += TitleLength(j, i) * a;
        }
        long long remaining = available - fixed;
        for (int i = 0; i < n; ++i) {
            long long width = 0;
            if (!Stretched(j, i))
                width = TitleLength(j, i) * a;
            else if (stretchLength > 0)
                width = remaining * TitleLength(j, i) / stretchLength;
            pos[i + 1] = static_cast<short>(pos[i] + width);
        }
    }
    if (hmode_) {
        int shift = clientWidth - pos[n];
        for (int i = 1; i <= n; ++i)
            pos[i] = static_cast<short>(pos[i] + shift);
    } else {
        pos[n] = static_cast<short>(clientWidth);
    }
}

// The horizontal scroll bar under the footer from the first scrolled column;
// title and footer bands start there too.
void CMtrxLayout::PlaceScrollBar(const Metrics& m)
{
    int x = positions_[0][frozen_];
    hbar_ = {x, footer_.bottom - extraBottom_ + kBandPadding, list_.right - m.cxVScroll, 0};
    hbar_.bottom = hbar_.top + m.cyHScroll;
    title_.left = footer_.left = x;
    title_.right = footer_.right = list_.right - m.cxVScroll;
}

bool CMtrxLayout::Stretched(int line, int column) const
{
    return line_[line].pCodes != nullptr && line_[line].pCodes[column] >= MTRX_LINE::kStretchFlag;
}

bool CMtrxLayout::HScrollStep(unsigned code, unsigned pos)
{
    if (!hmode_)
        return false;
    int c0 = line_[0].nColumns;
    int visible = visible_;
    int first = first_;
    switch (code) {
    case kLineLeft:
        if (first != frozen_)
            --first;
        break;
    case kLineRight:
        if (first + visible < c0)
            ++first;
        break;
    case kPageLeft:
        first = first >= frozen_ + visible ? first - visible : frozen_;
        break;
    case kPageRight:
        first = first + 2 * visible < c0 ? first + visible : c0 - visible;
        break;
    case kThumbTrack:
        first = frozen_ + static_cast<int>(std::min<unsigned>(pos, 0x7FFF));
        break;
    default:
        break;
    }
    // A thumb position past the end shows the last page.
    first = std::max<int>(frozen_, std::min(first, std::max<int>(frozen_, c0 - visible)));
    if (first == first_)
        return false;
    first_ = static_cast<short>(first);
    return true;
}

std::string CMtrxLayout::CompactTitle(const char* title, int cellWidth, int aveCharWidth)
{
    std::string text = title != nullptr ? title : "";
    if (aveCharWidth <= 0 || cellWidth >= static_cast<int>(text.size()) * aveCharWidth)
        return text;
    std::string compact;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (sjis::CharLength(&text[i], text.size() - i) == 2) {
            if (!(c == 0x81 && static_cast<unsigned char>(text[i + 1]) == 0x40))
                compact.append(text, i, 2);
            i += 2;
        } else {
            if (c != ' ')
                compact.push_back(static_cast<char>(c));
            ++i;
        }
    }
    int room = cellWidth / aveCharWidth;
    int length = static_cast<int>(compact.size());
    if (length < room) {
        int before = (room - length) / 2;
        compact = std::string(before, ' ') + compact + std::string(room - length - before, ' ');
    }
    return compact;
}

int CMtrxLayout::TitleColumn(int line, int display) const
{
    if (line < 0 || line >= kMaxLines || display < 0 || display >= line_[line].nColumns)
        return -1;
    if (!hmode_ || display < frozen_)
        return display;
    if (display - frozen_ >= visible_)
        return -1;
    int column = first_ + (display - frozen_);
    return column < line_[line].nColumns ? column : -1;
}

bool CMtrxLayout::FooterCellBox(const MTRX_FOOTCELL& cell, MtrxBox* box) const
{
    int line = cell.nLine;
    if (line < 0 || line >= layoutLines_ || cell.nRow < 0 || cell.nRow >= footRows_)
        return false;
    int first = cell.nFirst;
    int last = cell.nLast;
    if (hmode_ && first >= frozen_) {
        if (first < first_ || first >= first_ + visible_)
            return false;
        first = first - first_ + frozen_;
        last = last - first_ + frozen_;
    }
    last = std::min(last, shown_[line] - 1);
    if (first < 0 || first > last)
        return false;
    int band = charHeight_ + kBandPadding;
    box->top = footer_.top + 1 + cell.nRow * band;
    box->bottom = box->top + band;
    box->left = positions_[line][first] - 1;
    box->right = positions_[line][last + 1] - 2;
    return true;
}
