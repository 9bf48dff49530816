// CMtrxModel: the view model of the matrix list, free of any window system.
//
// The list's rows live in the owner; the model knows only the data count,
// the top, bottom and current indices, the visible rows and the column
// positions, and turns keys, clicks, the wheel, the scroll bar and dragging
// into cursor moves, scrolling and owner messages. Everything it wants done
// to a window (send a message, scroll, invalidate, draw or erase the cursor
// frame, invert a marked row, capture, timer, focus) goes through the sink,
// which the window implements and tests record.
//
// The view state is (top, bottom, current) with bottom = top + visible rows
// - 1 after every operation (an Init that finds no data sets all three to
// 0). The current index may lie outside top ... bottom after scroll-bar use,
// and outside the data: -1 for an empty list sized from the end, the empty
// row after the data after a page down, and wherever it was when the owner
// shrinks the data (the list leaves cursor, view and selection to the owner).
#pragma once

#include <cstdint>
#include <vector>

#include "frame/WinLibApi.h"
#include "grid/CMtrxSelection.h"

// What the model asks of its window.
class ZR8WLIB_API CMtrxModelSink {
public:
    virtual ~CMtrxModelSink() = default;
    // Owner messages: sent (waiting for the owner) or posted.
    virtual void SendOwner(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void PostOwner(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // Ctrl+Q (or Ctrl+F2): the frame message to the owner's frame window.
    virtual void SendCtrlQ() = 0;
    // The vertical scroll bar.
    virtual void SetScrollRange(long maxPos) = 0;  // range 0 ... maxPos, not redrawn
    virtual void SetScrollPos(long pos) = 0;       // redrawn
    // ExchangeDataCount: range 0 ... maxPos, the bar's old position kept.
    virtual void SetScrollRangeKeepPos(long maxPos) = 0;
    // The window contents move up by rows x row height pixels (down when negative).
    virtual void ScrollRows(long rows) = 0;
    virtual void InvalidateAll(bool erase) = 0;
    // The band left ... right, top ... bottom (pixels), without erasing.
    virtual void InvalidateBand(int left, int top, int right, int bottom) = 0;
    virtual void DrawCursor(long index) = 0;
    virtual void EraseCursor(long index) = 0;
    // Inverts the band of visible row `row` (a mark shown or taken away).
    virtual void InvertRow(long row) = 0;
    virtual void TakeFocus() = 0;
    virtual void SetCapture(bool capture) = 0;
    // Timer 1, 100 ms, for auto-scrolling while dragging.
    virtual void SetAutoScrollTimer(bool run) = 0;
};

struct MtrxInitArgs {
    int focusCursor = 0;
    long count = 0;
    short lines = 1;
    short startAtEnd = 0;
    unsigned rowMsg = 0, enterMsg = 0, keyMsg = 0, selMsg = 0, rButtonMsg = 0, cellMsg = 0, focusMsg = 0,
             appendMsg = 0;
    int keyThrough = 0;
    short maxColumns = 0;
    short moreData = 0;
    short thumbTrack = 0;
    unsigned moreDataMsg = 0;
    unsigned shiftUpMsg = 0;
    // Measured by the window: font character height and average width.
    int charHeight = 0;
    int aveCharWidth = 0;
    // Client size at Init (0 when the window has none yet).
    int clientWidth = 0;
    int clientHeight = 0;
};

class ZR8WLIB_API CMtrxModel {
public:
    static constexpr int kMaxLines = 4;
    static constexpr int kMaxColumns = 512;
    // Data counts are kept below this so that index arithmetic never
    // overflows a 32-bit long.
    static constexpr long kMaxCount = 0x7FFF0000L;

    // Pixels each line of a row adds to the font's character height.
    static constexpr int kRowPadding = 6;
    // CellHit: line x kCellLineStep + column.
    static constexpr int kCellLineStep = 100;

    // Scroll codes (the SB_ values) and key codes (the VK_ values) the model acts on.
    enum ScrollCode { kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kThumbTrack = 5 };
    enum KeyCode : unsigned {
        kKeyEnter = 0x0D, kKeyShift = 0x10, kKeyCtrl = 0x11, kKeySpace = 0x20, kKeyPageUp = 0x21, kKeyPageDown = 0x22,
        kKeyUp = 0x26, kKeyDown = 0x28, kKeyQ = 0x51, kKeyF2 = 0x71
    };
    // AutoScroll(): the direction of auto-scrolling while dragging.
    enum AutoScrollState : short { kAutoScrollOff = 0, kAutoScrollUp = 1, kAutoScrollDown = 2 };

    explicit CMtrxModel(CMtrxModelSink* sink);
    CMtrxModel(const CMtrxModel&) = delete;
    CMtrxModel& operator=(const CMtrxModel&) = delete;

    // Set-up
    void Init(const MtrxInitArgs& args);
    void SetColumnLayout(short nLines, const short* positionCounts, const short* const* positions,
                         const short* alignmentCounts, const short* const* alignments);
    void SetScrollColumn(short nFirst, short nLast);
    void SetHScroll(short nFrozen);
    // Select mode with the owner's list of nCapacity entries (filled with -1).
    // A capacity of 0 or less gives a list with no slot: the select buttons
    // show, but no row is ever marked. So does a null list, which is never
    // written or read.
    void InitSelect(short nCapacity, long* list, int addedMsg, int emptiedMsg);
    void ExchangeScrollMode(short thumbTrack) { thumbTrack_ = thumbTrack; }
    void SetLineTextCount(int line, short count);

    // Events
    void Size(int cx, int cy);
    void VScroll(unsigned code, unsigned long pos);
    void Wheel(int delta);
    void KeyDown(unsigned key);
    void KeyUp(unsigned key);
    void LButtonDown(int x, int y);
    void LButtonDblClk(int x, int y);
    void MouseMove(int x, int y, bool leftDown);
    void LButtonUp();
    void Timer();
    void SetFocus(bool notify);  // notify: send the focus message (a real focus change)
    void KillFocus();

    // Operations
    void SetCurSel(long index, int notify, short toTop, int show);
    void PagePrev();
    void PageNext();
    bool RowUp();
    bool RowDown();
    void AddData(long index);
    void DeleteData(long index);
    void UpdateDraw(long index);
    void ExchangeDataCount(unsigned long count, int noMore);
    // Inner rectangle of a cell of the current row; false when not available,
    // and also when the column would lie outside the 512 column positions.
    bool GetRowLineRect(short nLine, short nColumn, int* left, int* top, int* right, int* bottom) const;
    // line x kCellLineStep + column of the cell under (x, y).
    int CellHit(int x, int y) const;

    // State for painting and for tests
    long Count() const { return count_; }
    long Top() const { return top_; }
    long Bottom() const { return bottom_; }
    long Current() const { return current_; }
    short VisibleRows() const { return visibleRows_; }
    short RowHeight() const { return rowHeight_; }
    short Lines() const { return lines_; }
    int LineHeight() const { return lines_ > 0 ? rowHeight_ / lines_ : rowHeight_; }
    int AreaRight() const { return areaRight_; }
    short SelectButtonWidth() const { return selectButtonWidth_; }
    bool SelectMode() const { return selection_.On(); }
    bool Marking() const { return selection_.Marking(); }
    bool CtrlFlag() const { return selection_.Ctrl(); }
    bool Dragging() const { return dragging_; }
    short AutoScroll() const { return autoScroll_; }
    bool HScrollOn() const { return hscroll_ != 0; }
    short Frozen() const { return frozen_; }
    short FirstScrolled() const { return firstScrolled_; }
    short LastScrolled() const { return lastScrolled_; }
    short GetCurRow() const { return hscroll_ ? firstScrolled_ : static_cast<short>(-1); }
    bool FocusCursor() const { return focusCursor_ != 0; }
    bool HasFocus() const { return hasFocus_; }
    short NoMoreData() const { return noMoreData_; }
    short ThumbTrack() const { return thumbTrack_; }
    unsigned RowMsg() const { return rowMsg_; }
    unsigned RButtonMsg() const { return rButtonMsg_; }
    int CellCapacity() const { return cellCapacity_; }
    short LineTextCount(int line) const { return line >= 0 && line < kMaxLines ? lineTextCounts_[line] : 0; }
    short PositionCount(int line) const { return line >= 0 && line < kMaxLines ? positionCounts_[line] : 0; }
    const short* Positions(int line) const { return positions_[line].data(); }
    const short* Alignments(int line) const { return alignments_[line].data(); }
    short SelectCapacity() const { return selection_.Capacity(); }
    const long* SelectList() const { return selection_.List(); }
    const std::vector<long>& Pending() const { return selection_.Pending(); }
    short PendingCapacity() const { return selection_.PendingCapacity(); }
    long Anchor() const { return selection_.Anchor(); }
    long RangeEnd() const { return selection_.RangeEnd(); }
    bool IsVisible(long index) const { return index >= top_ && index <= bottom_; }
    // In the selection list or the pending list (select mode only).
    bool IsMarked(long index) const;
    // Whether the row is shown inverted now.
    bool IsShownInverted(long index) const;
    // Whether the cursor frame belongs on screen now (focus-cursor rule).
    bool CursorShown() const { return !focusCursor_ || hasFocus_; }
    // Mark display of a row: 0 plain, 1 inverted (painting restores it).
    void RefreshMark(long index, int state);

private:
    void SendIf(unsigned message, uintptr_t wParam, intptr_t lParam);
    void InitialPosition();
    void SetScrollBar();
    void ApplyScrollPos();
    void MoveCursor(long oldIndex, long newIndex);
    long ClickedRow(int y);
    void MoveCursorToClicked(long row);
    void DrawCursorIfShown(long index);
    void PageMove(bool down);
    void SendMoreDataIfAtEnd();
    void ShowRows(long top);
    void JumpCursor(long index);
    void ScrollCursor(long index, unsigned code);
    void RepaintFrom(long index);
    bool AutoScrollStep(short direction);
    void StopAutoScroll();
    void EndDrag();
    // Select mode lives in CMtrxSelection; these forward to it so that the
    // DLL keeps exporting the names it exported before.
    int FindSelected(long index) const;
    int FindSelectedAny(long index) const;
    int FindPending(long index) const;
    int FirstEmptySelected() const;
    void ToggleMark();
    void RemoveSelected(int slot);
    bool MarkOnClick(int x, long row);
    void ClearMarks();
    void ExtendRange(long target);
    void CommitPending();

    CMtrxModelSink* sink_;

    short lineTextCounts_[kMaxLines] = {};
    int cellCapacity_ = 0;
    int keyThrough_ = 0;
    unsigned appendMsg_ = 0;
    short lines_ = 1;
    short startAtEnd_ = 0;
    long count_ = 0;
    short visibleRows_ = 0;
    int areaRight_ = 0;
    long top_ = 0;
    long bottom_ = -1;
    long current_ = 0;
    short rowHeight_ = 0;
    unsigned rowMsg_ = 0, enterMsg_ = 0, keyMsg_ = 0, selMsg_ = 0, rButtonMsg_ = 0, cellMsg_ = 0, focusMsg_ = 0,
             shiftUpMsg_ = 0;
    short positionCounts_[kMaxLines] = {};
    std::vector<short> positions_[kMaxLines];
    std::vector<short> alignments_[kMaxLines];
    bool sized_ = false;
    bool dragging_ = false;
    short autoScroll_ = kAutoScrollOff;
    CMtrxSelection selection_;
    short selectButtonWidth_ = 0;
    int hscroll_ = 0;
    short frozen_ = 0;
    short firstScrolled_ = 0;
    short lastScrolled_ = 0;
    bool hasFocus_ = false;
    int focusCursor_ = 0;
    short noMoreData_ = 1;
    short thumbTrack_ = 0;
    unsigned moreDataMsg_ = 0;
};
