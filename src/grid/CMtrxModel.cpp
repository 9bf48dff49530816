#include "CMtrxModel.h"

#include <algorithm>

#include "grid/MtrxRecords.h"

namespace {

// A thumb track taken as a thumb position (thumb tracking on): the view
// moves, but the more-data message stops it as it stops a track.
const unsigned kThumbTrackMoving = CMtrxModel::kThumbPosition + 100;

// Row of a y coordinate, rounding toward minus infinity (above the window
// is a negative row, not row 0).
long RowOf(int y, int rowHeight)
{
    return y >= 0 ? y / rowHeight : -((-static_cast<long>(y) + rowHeight - 1) / rowHeight);
}

} // namespace

CMtrxModel::CMtrxModel(CMtrxModelSink* sink) : sink_(sink), selection_(*this, sink)
{
    for (int line = 0; line < kMaxLines; ++line) {
        positions_[line].assign(kMaxColumns, 0);
        alignments_[line].assign(kMaxColumns, 0);
    }
}

void CMtrxModel::SendIf(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (message != 0)
        sink_->SendOwner(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Set-up

void CMtrxModel::Init(const MtrxInitArgs& args)
{
    focusCursor_ = args.focusCursor;
    count_ = std::clamp<long>(args.count, 0, kMaxCount);
    // Lines outside 1 ... 4 would leave rows without height or texts without room.
    lines_ = std::clamp<short>(args.lines, 1, kMaxLines);
    startAtEnd_ = args.startAtEnd;
    rowMsg_ = args.rowMsg;
    enterMsg_ = args.enterMsg;
    keyMsg_ = args.keyMsg;
    selMsg_ = args.selMsg;
    rButtonMsg_ = args.rButtonMsg;
    cellMsg_ = args.cellMsg;
    focusMsg_ = args.focusMsg;
    appendMsg_ = args.appendMsg;
    keyThrough_ = args.keyThrough;
    cellCapacity_ = std::clamp<int>(args.maxColumns, 0, kMaxColumns);
    noMoreData_ = args.moreData == 0 ? 1 : 0;
    thumbTrack_ = args.thumbTrack;
    moreDataMsg_ = args.moreDataMsg;
    shiftUpMsg_ = args.shiftUpMsg;
    current_ = 0;
    rowHeight_ = static_cast<short>(std::clamp(args.charHeight + kRowPadding, kRowPadding, 8000) * lines_);
    selectButtonWidth_ = static_cast<short>(std::clamp(2 * args.aveCharWidth, 0, 8000));
    if (args.clientWidth > 0 && args.clientHeight > 0) {
        areaRight_ = args.clientWidth;
        visibleRows_ = static_cast<short>((args.clientHeight + 1) / rowHeight_ + 1);
        InitialPosition();
        if (count_ == 0)
            current_ = top_ = bottom_ = 0;
        SetScrollBar();
        sink_->InvalidateAll(false);
    }
    selection_.SetOff();
}

void CMtrxModel::SetLineTextCount(int line, short count)
{
    if (line >= 0 && line < kMaxLines)
        lineTextCounts_[line] = std::clamp<short>(count, 0, kMaxColumns);
}

void CMtrxModel::SetColumnLayout(short nLines, const short* positionCounts, const short* const* positions,
                                 const short* alignmentCounts, const short* const* alignments)
{
    for (int line = 0; line < kMaxLines; ++line) {
        short count = std::clamp<short>(positionCounts[line], 0, kMaxColumns);
        positionCounts_[line] = count;
        if (line >= nLines || count == 0)
            continue;
        if (positions[line] != nullptr)
            std::copy(positions[line], positions[line] + count, positions_[line].begin());
        short aligned = std::clamp<short>(alignmentCounts[line], 0, kMaxColumns);
        if (alignments[line] != nullptr) {
            for (int column = 0; column < aligned; ++column) {
                short code = alignments[line][column];
                alignments_[line][column] = static_cast<short>(code >= MTRX_LINE::kStretchFlag ? code - MTRX_LINE::kStretchFlag : code);
            }
        }
    }
}

void CMtrxModel::SetScrollColumn(short nFirst, short nLast)
{
    firstScrolled_ = nFirst;
    lastScrolled_ = nLast;
}

void CMtrxModel::SetHScroll(short nFrozen)
{
    hscroll_ = 1;
    frozen_ = nFrozen;
    firstScrolled_ = nFrozen;
}

void CMtrxModel::InitialPosition()
{
    if (startAtEnd_ == 0) {
        current_ = 0;
        top_ = 0;
        bottom_ = visibleRows_ - 1;
    } else {
        current_ = count_ - 1;
        top_ = std::max(0L, count_ - visibleRows_);
        bottom_ = top_ + visibleRows_ - 1;
        if (current_ == bottom_) {
            ++top_;
            ++bottom_;
        }
    }
}

void CMtrxModel::SetScrollBar()
{
    long maxPos = count_ - visibleRows_ + 1;
    sink_->SetScrollRange(maxPos == 0 ? 1 : maxPos);
    sink_->SetScrollPos(top_);
}

void CMtrxModel::ApplyScrollPos()
{
    sink_->SetScrollPos(top_);
}

// ---------------------------------------------------------------------------
// Sizing and scrolling

void CMtrxModel::Size(int cx, int cy)
{
    if (cx <= 0 || cy <= 0) {
        sized_ = false;
        return;
    }
    if (rowHeight_ <= 0)
        return;  // not initialised: nothing to lay out yet
    if (!sized_) {
        sized_ = true;
        visibleRows_ = static_cast<short>((cy + 1 + rowHeight_ - 1) / rowHeight_);
        areaRight_ = cx;
        InitialPosition();
    } else {
        visibleRows_ = static_cast<short>((cy + rowHeight_ - 1) / rowHeight_);
        areaRight_ = cx - 1;
        bottom_ = top_ + visibleRows_ - 1;
    }
    SetScrollBar();
}

void CMtrxModel::VScroll(unsigned code, unsigned long pos)
{
    if (focusCursor_) {
        sink_->TakeFocus();
        hasFocus_ = true;
    }
    if (count_ == 0)
        return;
    long oldTop = top_;
    long visible = visibleRows_;
    if (code == kThumbTrack && thumbTrack_)
        code = kThumbTrackMoving;
    switch (code) {
    case kLineUp:
        if (top_ > 0) {
            --top_;
            --bottom_;
        }
        break;
    case kLineDown:
        if (bottom_ < count_) {
            ++top_;
            ++bottom_;
        }
        break;
    case kPageUp:
        if (top_ >= visible - 1) {
            top_ -= visible - 1;
            bottom_ -= visible - 1;
        } else {
            top_ = 0;
            bottom_ = visible - 1;
        }
        break;
    case kPageDown:
        if (bottom_ + visible < count_ + 1) {
            top_ += visible - 1;
            bottom_ = top_ + visible - 1;
        } else {
            bottom_ = count_;
            top_ = count_ - visible + 1;
            if (top_ < 0) {
                top_ = 0;
                bottom_ = visible - 1;
            }
        }
        break;
    case kThumbPosition:
    case kThumbTrackMoving:
        // Compared without wrapping: a huge position is never taken.
        if (static_cast<unsigned long long>(pos) + static_cast<unsigned long long>(visible) - 1 >
            static_cast<unsigned long long>(count_))
            return;
        top_ = static_cast<long>(pos);
        bottom_ = top_ + visible - 1;
        break;
    default:
        break;
    }
    if (noMoreData_ == 0 && moreDataMsg_ != 0 && bottom_ == count_) {
        sink_->SendOwner(moreDataMsg_, 0, 0);
        if (!(code == kThumbPosition && !thumbTrack_))
            return;
    }
    if (top_ != oldTop) {
        sink_->ScrollRows(top_ - oldTop);
        ApplyScrollPos();
        SendIf(selMsg_, 1, current_);
    }
}

void CMtrxModel::Wheel(int delta)
{
    VScroll(delta > 0 ? kLineUp : kLineDown, 0);
}

// ---------------------------------------------------------------------------
// Cursor moves

void CMtrxModel::DrawCursorIfShown(long index)
{
    if (IsVisible(index) && CursorShown())
        sink_->DrawCursor(index);
}

void CMtrxModel::MoveCursor(long oldIndex, long newIndex)
{
    if (oldIndex == newIndex)
        return;
    current_ = newIndex;
    if (IsVisible(oldIndex))
        sink_->EraseCursor(oldIndex);
    DrawCursorIfShown(newIndex);
    if (oldIndex >= 0)
        SendIf(selMsg_, 0, oldIndex);
}

// The view anew from row top, painted whole.
void CMtrxModel::ShowRows(long top)
{
    top_ = top;
    bottom_ = top_ + visibleRows_ - 1;
    ApplyScrollPos();
    sink_->InvalidateAll(true);
}

// Up or Down with the cursor outside the view: the view comes back with the
// new cursor row on its top row (from above) or its second-to-last row.
void CMtrxModel::JumpCursor(long index)
{
    long previous = current_;
    current_ = index;
    if (selMsg_ != 0)
        sink_->PostOwner(selMsg_, 0, previous);
    ShowRows(index < top_ ? index : index - visibleRows_ + 2);
}

// Up on the top row, Down near the bottom: one row scrolls with the cursor.
void CMtrxModel::ScrollCursor(long index, unsigned code)
{
    long previous = current_;
    current_ = index;
    VScroll(code, 0);
    if (IsVisible(previous))
        sink_->EraseCursor(previous);
    DrawCursorIfShown(current_);
}

bool CMtrxModel::RowUp()
{
    if (current_ <= 0)
        return false;
    if (current_ < top_ || current_ > bottom_)
        JumpCursor(current_ - 1);
    else if (current_ == top_)
        ScrollCursor(current_ - 1, kLineUp);
    else
        MoveCursor(current_, current_ - 1);
    return true;
}

bool CMtrxModel::RowDown()
{
    if (current_ >= count_ - 1)
        return false;
    if (current_ < top_ - 1 || current_ > bottom_)
        JumpCursor(current_ + 1);
    else if (current_ == bottom_ || current_ == bottom_ - 1)
        ScrollCursor(current_ + 1, kLineDown);
    else
        MoveCursor(current_, current_ + 1);
    return true;
}

void CMtrxModel::PageMove(bool down)
{
    if (down ? current_ >= count_ - 1 : current_ <= 0)
        return;
    long relative = std::clamp(current_ - top_, 0L, bottom_ - top_);
    VScroll(down ? kPageDown : kPageUp, 0);
    MoveCursor(current_, top_ + relative);
}

void CMtrxModel::PagePrev()
{
    PageMove(false);
}

void CMtrxModel::PageNext()
{
    PageMove(true);
}

void CMtrxModel::SetCurSel(long index, int notify, short toTop, int show)
{
    if (index < 0 || index >= count_)
        return;
    unsigned savedSelMsg = selMsg_;
    if (notify == 0)
        selMsg_ = 0;
    long previous = current_;
    bool onTopRow = index < top_ || (toTop == 1 && index != top_);
    if (show == 0 && !IsVisible(index)) {
        current_ = index;
        MoveCursor(previous, index);
    } else if (onTopRow || index > bottom_) {
        // Shown on the top row, or from below on the second-to-last row.
        current_ = index;
        ShowRows(onTopRow ? index : index - visibleRows_ + 2);
        MoveCursor(previous, index);
    } else if (index == bottom_) {
        unsigned keep = selMsg_;
        selMsg_ = 0;
        VScroll(kLineDown, 0);
        selMsg_ = keep;
        MoveCursor(current_, index);
    } else {
        MoveCursor(current_, index);
    }
    selMsg_ = savedSelMsg;
}

// ---------------------------------------------------------------------------
// Data changes

// Rows from index to the end of the view are painted anew.
void CMtrxModel::RepaintFrom(long index)
{
    if (index > bottom_)
        return;
    int from = index < top_ ? 0 : static_cast<int>((index - top_) * rowHeight_);
    sink_->InvalidateBand(0, from, areaRight_, visibleRows_ * rowHeight_);
}

void CMtrxModel::AddData(long index)
{
    if (count_ >= kMaxCount)
        return;
    ++count_;
    SetScrollBar();
    RepaintFrom(index);
}

void CMtrxModel::DeleteData(long index)
{
    if (count_ <= 0)
        return;
    --count_;
    SetScrollBar();
    RepaintFrom(index);
}

void CMtrxModel::UpdateDraw(long index)
{
    if (!IsVisible(index))
        return;
    ApplyScrollPos();
    int from = static_cast<int>((index - top_) * rowHeight_);
    sink_->InvalidateBand(0, from, areaRight_, from + rowHeight_);
}

void CMtrxModel::ExchangeDataCount(unsigned long count, int noMore)
{
    count_ = static_cast<long>(std::min<unsigned long>(count, static_cast<unsigned long>(kMaxCount)));
    sink_->SetScrollRangeKeepPos(count_);
    if (noMore == 1) {
        noMoreData_ = 1;
        moreDataMsg_ = 0;
    }
    sink_->InvalidateAll(true);
}

bool CMtrxModel::GetRowLineRect(short nLine, short nColumn, int* left, int* top, int* right, int* bottom) const
{
    if (!IsVisible(current_) || nLine < 0 || nLine >= kMaxLines || nColumn < 0)
        return false;
    int column = nColumn;
    if (!hscroll_) {
        if (column + 1 >= positionCounts_[nLine])
            return false;
    } else if (nColumn >= frozen_) {
        column = nColumn - (firstScrolled_ - frozen_);
        if (column >= positionCounts_[0])
            return false;
    }
    // A column scrolled off to the left gets the cell it lands on among the
    // frozen ones; only one whose cell lies outside the positions has none.
    if (column < 0 || column + 1 >= kMaxColumns)
        return false;
    int lineHeight = LineHeight();
    int y0 = static_cast<int>((current_ - top_) * rowHeight_) + nLine * lineHeight;
    *left = positions_[nLine][column] + 2;
    *right = positions_[nLine][column + 1];
    *top = y0 + 3;
    *bottom = y0 + lineHeight - 2;
    return true;
}

int CMtrxModel::CellHit(int x, int y) const
{
    int lineHeight = LineHeight();
    if (rowHeight_ <= 0 || lineHeight <= 0)
        return 0;
    int line = std::min((std::max(y, 0) % rowHeight_) / lineHeight, lines_ - 1);
    int column = 0;
    for (int c = 0; c + 1 < positionCounts_[line]; ++c) {
        if (positions_[line][c] <= x && x < positions_[line][c + 1]) {
            column = c;
            break;
        }
    }
    return line * kCellLineStep + column;
}

// ---------------------------------------------------------------------------
// Keyboard

void CMtrxModel::SendMoreDataIfAtEnd()
{
    if (noMoreData_ == 0 && moreDataMsg_ != 0 && bottom_ == count_)
        sink_->SendOwner(moreDataMsg_, 0, 0);
}

void CMtrxModel::KeyDown(unsigned key)
{
    if (selection_.On() && key == kKeySpace) {
        selection_.ToggleMark();
        return;
    }
    bool down = key == kKeyPageDown || key == kKeyDown;
    if (keyThrough_ == 1 && (down || key == kKeyEnter || key == kKeyPageUp || key == kKeyUp)) {
        sink_->SendOwner(keyMsg_, key, 0);
        if (down)
            SendMoreDataIfAtEnd();
        return;
    }
    switch (key) {
    case kKeyEnter:
        sink_->SendOwner(enterMsg_, 0, current_);
        return;
    case kKeyCtrl:
        selection_.SetCtrl(true);
        return;
    case kKeyPageUp:
        PagePrev();
        return;
    case kKeyUp:
        RowUp();
        return;
    case kKeyPageDown:
        PageNext();
        SendMoreDataIfAtEnd();
        return;
    case kKeyDown:
        RowDown();
        SendMoreDataIfAtEnd();
        return;
    default:
        break;
    }
    if (selection_.Ctrl()) {
        selection_.SetCtrl(false);
        if (key == kKeyQ || key == kKeyF2) {
            sink_->SendCtrlQ();
            return;
        }
    }
    sink_->SendOwner(keyMsg_, key, 0);
}

void CMtrxModel::KeyUp(unsigned key)
{
    if (key == kKeyCtrl)
        selection_.SetCtrl(false);
    else if (key == kKeyShift)
        SendIf(shiftUpMsg_, 0, 0);
}

// ---------------------------------------------------------------------------
// Mouse

// The visible row of data under a click at y, or -1. A click on the append
// row below the data sends the append message and also gives -1.
long CMtrxModel::ClickedRow(int y)
{
    if (rowHeight_ <= 0)
        return -1;
    long row = RowOf(y, rowHeight_);
    if (appendMsg_ != 0 && top_ + row == count_) {
        sink_->SendOwner(appendMsg_, 0, 0);
        return -1;
    }
    if (row < 0 || row >= visibleRows_ || top_ + row >= count_)
        return -1;
    return row;
}

// Takes the focus and puts the cursor on a clicked row; the partly visible
// bottom row is scrolled into view first.
void CMtrxModel::MoveCursorToClicked(long row)
{
    sink_->TakeFocus();
    if (top_ + row == bottom_) {
        VScroll(kLineDown, 0);
        MoveCursor(current_, bottom_ - 1);
    } else {
        MoveCursor(current_, top_ + row);
    }
}

void CMtrxModel::LButtonDown(int x, int y)
{
    long row = ClickedRow(y);
    if (row < 0)
        return;
    if (selection_.On() && !selection_.MarkOnClick(x, top_ + row))
        return;
    bool wasCurrent = current_ == top_ + row;
    MoveCursorToClicked(row);
    if (selection_.On() && x > selectButtonWidth_ && wasCurrent)
        DrawCursorIfShown(current_);
    if (cellMsg_ != 0) {
        sink_->SendOwner(cellMsg_, static_cast<uintptr_t>(CellHit(x, y)), current_);
    } else {
        dragging_ = true;
        sink_->SetCapture(true);
    }
}

void CMtrxModel::LButtonDblClk(int x, int y)
{
    long row = ClickedRow(y);
    if (row < 0)
        return;
    MoveCursorToClicked(row);
    SendIf(cellMsg_, static_cast<uintptr_t>(CellHit(x, y)), current_);
    sink_->SendOwner(enterMsg_, 1, current_);
}

// One step of auto-scrolling: the view moves a row, the cursor goes with
// its edge and a dragged range grows to it. False at the end of the data.
bool CMtrxModel::AutoScrollStep(short direction)
{
    if (direction == kAutoScrollUp) {
        if (top_ == 0)
            return false;
        selection_.ExtendRange(top_ - 1);
        VScroll(kLineUp, 0);
        MoveCursor(current_, top_);
        selection_.RefreshMark(top_, 1);
    } else {
        if (bottom_ - 1 >= count_ - 1)
            return false;
        selection_.ExtendRange(bottom_ + 1);
        VScroll(kLineDown, 0);
        MoveCursor(current_, bottom_ - 1);
        selection_.RefreshMark(bottom_ - 1, 1);
    }
    return true;
}

void CMtrxModel::StopAutoScroll()
{
    if (autoScroll_ != kAutoScrollOff) {
        sink_->SetAutoScrollTimer(false);
        autoScroll_ = kAutoScrollOff;
    }
}

void CMtrxModel::EndDrag()
{
    dragging_ = false;
    sink_->SetCapture(false);
}

void CMtrxModel::MouseMove(int /*x*/, int y, bool leftDown)
{
    if (!dragging_)
        return;
    if (!leftDown) {
        EndDrag();
        return;
    }
    long row = RowOf(y, rowHeight_);
    // Above the window or on the partly visible last row: scroll that way.
    short direction = row < 0 ? kAutoScrollUp : row >= visibleRows_ - 1 ? kAutoScrollDown : kAutoScrollOff;
    if (direction != kAutoScrollOff) {
        if (autoScroll_ != direction && AutoScrollStep(direction)) {
            autoScroll_ = direction;
            sink_->SetAutoScrollTimer(true);
        }
        return;
    }
    StopAutoScroll();
    if (top_ + row < count_) {
        selection_.ExtendRange(top_ + row);
        MoveCursor(current_, top_ + row);
    }
}

void CMtrxModel::Timer()
{
    if (autoScroll_ != kAutoScrollOff)
        AutoScrollStep(autoScroll_);
    ApplyScrollPos();
}

void CMtrxModel::LButtonUp()
{
    StopAutoScroll();
    selection_.CommitPending();
    if (dragging_)
        EndDrag();
}

// ---------------------------------------------------------------------------
// Focus

void CMtrxModel::SetFocus(bool notify)
{
    dragging_ = false;
    StopAutoScroll();
    if (notify)
        SendIf(focusMsg_, 0, 0);
    if (focusCursor_) {
        hasFocus_ = true;
        DrawCursorIfShown(current_);
    }
}

void CMtrxModel::KillFocus()
{
    StopAutoScroll();
    if (focusCursor_) {
        if (IsVisible(current_))
            sink_->EraseCursor(current_);
        hasFocus_ = false;
    }
}

// ---------------------------------------------------------------------------
// Select mode

void CMtrxModel::InitSelect(short nCapacity, long* list, int addedMsg, int emptiedMsg)
{
    selection_.Init(nCapacity, list, addedMsg, emptiedMsg);
}

bool CMtrxModel::IsMarked(long index) const
{
    return selection_.IsMarked(index);
}

bool CMtrxModel::IsShownInverted(long index) const
{
    return selection_.IsShownInverted(index);
}

void CMtrxModel::RefreshMark(long index, int state)
{
    selection_.RefreshMark(index, state);
}

int CMtrxModel::FindSelected(long index) const { return selection_.FindSelected(index); }
int CMtrxModel::FindSelectedAny(long index) const { return selection_.FindSelectedAny(index); }
int CMtrxModel::FindPending(long index) const { return selection_.FindPending(index); }
int CMtrxModel::FirstEmptySelected() const { return selection_.FirstEmptySelected(); }
void CMtrxModel::ToggleMark() { selection_.ToggleMark(); }
void CMtrxModel::RemoveSelected(int slot) { selection_.RemoveSelected(slot); }
bool CMtrxModel::MarkOnClick(int x, long row) { return selection_.MarkOnClick(x, row); }
void CMtrxModel::ClearMarks() { selection_.ClearMarks(); }
void CMtrxModel::ExtendRange(long target) { selection_.ExtendRange(target); }
void CMtrxModel::CommitPending() { selection_.CommitPending(); }
