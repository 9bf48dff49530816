// CMtrxLayout: the layout arithmetic of the input matrix, free of any window
// system. From the line descriptions, the margins, the parent's client size
// and two font measurements it places the list, the title band, the footer
// band and the horizontal scroll bar, and lays the columns of each line out
// (stretchable columns share what fixed ones leave; in horizontal mode the
// frozen columns stay and the rest scroll a column at a time).
#pragma once

#include <string>

#include "frame/WinLibApi.h"
#include "grid/MtrxRecords.h"

struct MtrxBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class ZR8WLIB_API CMtrxLayout {
public:
    static constexpr int kMaxLines = 4;
    static constexpr int kMaxColumns = 512;

    // Scroll codes of WM_HSCROLL (the SB_ values).
    enum { kLineLeft = 0, kLineRight = 1, kPageLeft = 2, kPageRight = 3, kThumbTrack = 5 };

    CMtrxLayout();

    // Set-up (from Initial, SetBtn and SetHScroll). SetLines keeps lines
    // 0 ... lines of the four, clears the rest and zeroes the first column
    // count positions of each line.
    void SetLines(short lines, const MTRX_LINE* line);
    void SetMargins(int left, int right, int top, int extraBottom, short footRows);
    void SetSelectButton(bool on) { selectButton_ = on; }
    void SetHScroll(short frozen);
    // Replaces the left and right margins (ReSize with a non-zero argument).
    void SetSideMargins(int right, int left);

    struct Metrics {
        int parentWidth = 0;   // parent client rectangle right
        int parentHeight = 0;  // and bottom
        int aveCharWidth = 0;  // a
        int charHeight = 0;    // h
        int cxVScroll = 0;
        int cyHScroll = 0;
    };
    // The whole layout (ReSize steps 2 to 7 and 9).
    void Compute(const Metrics& metrics);

    // Horizontal scroll step; true when the first scrolled column changed.
    bool HScrollStep(unsigned code, unsigned pos);

    // Title shown in a cell of width `cellWidth` (compacted when narrow).
    static std::string CompactTitle(const char* title, int cellWidth, int aveCharWidth);
    // Footer cell box in parent coordinates; false when the cell is not shown.
    bool FooterCellBox(const MTRX_FOOTCELL& cell, MtrxBox* box) const;
    // Data column of line `line` shown at display column `display` (-1 when
    // the line stops before it).
    int TitleColumn(int line, int display) const;

    // Results
    short Lines() const { return lines_; }
    const MTRX_LINE& Line(int line) const { return line_[line]; }
    int LeftMargin() const { return leftMargin_; }
    int RightMargin() const { return rightMargin_; }
    short FootRows() const { return footRows_; }
    bool SelectButton() const { return selectButton_; }
    int SelectButtonWidth() const { return selectButton_ ? 2 * aveCharWidth_ : 0; }
    const MtrxBox& ListBox() const { return list_; }        // the list's rectangle (bottom before extra space)
    int ListWindowBottom() const { return list_.bottom - extraBottom_; }
    const MtrxBox& TitleBand() const { return title_; }
    const MtrxBox& FooterBand() const { return footer_; }
    const MtrxBox& HScrollBarBox() const { return hbar_; }
    int BandRowHeight() const { return charHeight_ + 2; }
    // Column boundaries: parent coordinates (with the left margin) and list
    // coordinates (as handed to the list).
    const short* Positions(int line) const { return positions_[line]; }
    const short* ListPositions(int line) const { return listPositions_[line]; }
    short Shown(int line) const { return shown_[line]; }
    // Lines up to the last one with shown columns.
    short LayoutLines() const { return layoutLines_; }
    bool HMode() const { return hmode_; }
    short Frozen() const { return frozen_; }
    short FirstScrolled() const { return first_; }
    short VisibleScrolled() const { return visible_; }
    // Scroll bar range 0 ... max and position.
    int HScrollMax() const { return line_[0].nColumns - visible_ - frozen_; }
    int HScrollPos() const { return first_ - frozen_; }
    int CellCapacity() const;
    bool Uniform() const { return uniform_; }

private:
    // Pixels between a band's text height and the band (title, footer rows).
    static constexpr int kBandPadding = 2;

    void PlaceBands(const Metrics& m);
    void ChooseScrolledColumns(int available);
    void ChooseAllColumns();
    void PlaceColumns(int line, int available, int clientWidth);
    void PlaceScrollBar(const Metrics& m);
    // A column whose alignment code carries the stretch flag shares the room
    // left by the fixed ones.
    bool Stretched(int line, int column) const;
    int TitleLength(int line, int column) const;

    short lines_ = 0;
    MTRX_LINE line_[kMaxLines] = {};
    int leftMargin_ = 0, rightMargin_ = 0, topOffset_ = 0, extraBottom_ = 0;
    short footRows_ = 0;
    bool selectButton_ = false;
    bool hmode_ = false;
    short frozen_ = 0, first_ = 0, visible_ = 1;
    int aveCharWidth_ = 0, charHeight_ = 0;
    MtrxBox list_, title_, footer_, hbar_;
    short positions_[kMaxLines][kMaxColumns + 1];
    short listPositions_[kMaxLines][kMaxColumns + 1];
    short shown_[kMaxLines] = {};
    short layoutLines_ = 0;
    bool uniform_ = false;
};
