#include "CMtrxModel.h"

#include <algorithm>

#include "grid/MtrxRecords.h"

namespace {

const unsigned kKeySpace = 0x20;
const unsigned kKeyEnter = 0x0D;
const unsigned kKeyShift = 0x10;
const unsigned kKeyCtrl = 0x11;
const unsigned kKeyPageUp = 0x21;
const unsigned kKeyPageDown = 0x22;
const unsigned kKeyUp = 0x26;
const unsigned kKeyDown = 0x28;
const unsigned kKeyQ = 0x51;
const unsigned kKeyF2 = 0x71;

// Row of a y coordinate, rounding toward minus infinity (above the window
// is a negative row, not row 0).
long RowOf(int y, int rowHeight)
{
    return y >= 0 ? y / rowHeight : -((-static_cast<long>(y) + rowHeight - 1) / rowHeight);
}

} // namespace

CMtrxModel::CMtrxModel(CMtrxModelSink* sink) : sink_(sink)
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
    rowHeight_ = static_cast<short>(std::clamp(args.charHeight + 6, 6, 8000) * lines_);
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
    selectMode_ = 0;
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

void CMtrxModel::InitSelect(short nCapacity, long* list, int addedMsg, int emptiedMsg)
{
    selectMode_ = 1;
    selectCapacity_ = list != nullptr ? std::max<short>(nCapacity, 0) : 0;
    selectList_ = list;
    std::fill(list, list + selectCapacity_, -1L);
    addedMsg_ = addedMsg;
    emptiedMsg_ = emptiedMsg;
    selectMarks_.assign(selectCapacity_, 0);
    pending_.assign(selectCapacity_, -1L);
    pendingMarks_.assign(selectCapacity_, 0);
    pendingCapacity_ = 0;
    anchor_ = rangeEnd_ = -1;
    marking_ = false;
    ctrl_ = false;
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
        code = kThumbPosition + 100;  // as a thumb position, but it stops like a track
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
    case kThumbPosition + 100:
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

bool CMtrxModel::RowUp()
{
    if (current_ <= 0)
        return false;
    long previous = current_;
    if (current_ < top_) {
        --current_;
        if (selMsg_ != 0)
            sink_->PostOwner(selMsg_, 0, previous);
        top_ = current_;
        bottom_ = top_ + visibleRows_ - 1;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
    } else if (current_ > bottom_) {
        --current_;
        if (selMsg_ != 0)
            sink_->PostOwner(selMsg_, 0, previous);
        bottom_ = current_ + 1;
        top_ = current_ - visibleRows_ + 2;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
    } else if (current_ == top_) {
        --current_;
        VScroll(kLineUp, 0);
        if (IsVisible(previous))
            sink_->EraseCursor(previous);
        DrawCursorIfShown(current_);
    } else {
        MoveCursor(current_, current_ - 1);
    }
    return true;
}

bool CMtrxModel::RowDown()
{
    if (current_ >= count_ - 1)
        return false;
    long previous = current_;
    if (current_ < top_ - 1) {
        ++current_;
        if (selMsg_ != 0)
            sink_->PostOwner(selMsg_, 0, previous);
        top_ = current_;
        bottom_ = top_ + visibleRows_ - 1;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
    } else if (current_ > bottom_) {
        ++current_;
        if (selMsg_ != 0)
            sink_->PostOwner(selMsg_, 0, previous);
        bottom_ = current_ + 1;
        top_ = current_ - visibleRows_ + 2;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
    } else if (current_ == bottom_ || current_ == bottom_ - 1) {
        ++current_;
        VScroll(kLineDown, 0);
        if (IsVisible(previous))
            sink_->EraseCursor(previous);
        DrawCursorIfShown(current_);
    } else {
        MoveCursor(current_, current_ + 1);
    }
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
    if (show == 0 && !IsVisible(index)) {
        current_ = index;
        MoveCursor(previous, index);
    } else if (index < top_ || (toTop == 1 && index != top_)) {
        current_ = top_ = index;
        bottom_ = top_ + visibleRows_ - 1;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
        MoveCursor(previous, index);
    } else if (index > bottom_) {
        current_ = index;
        top_ = index - visibleRows_ + 2;
        bottom_ = index + 1;
        ApplyScrollPos();
        sink_->InvalidateAll(true);
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

void CMtrxModel::AddData(long index)
{
    if (count_ >= kMaxCount)
        return;
    ++count_;
    SetScrollBar();
    if (index <= bottom_) {
        int from = index < top_ ? 0 : static_cast<int>((index - top_) * rowHeight_);
        sink_->InvalidateBand(0, from, areaRight_, visibleRows_ * rowHeight_);
    }
}

void CMtrxModel::DeleteData(long index)
{
    if (count_ <= 0)
        return;
    --count_;
    SetScrollBar();
    if (index <= bottom_) {
        int from = index < top_ ? 0 : static_cast<int>((index - top_) * rowHeight_);
        sink_->InvalidateBand(0, from, areaRight_, visibleRows_ * rowHeight_);
    }
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
    return line * 100 + column;
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
    if (selectMode_ && key == kKeySpace) {
        ToggleMark();
        return;
    }
    switch (key) {
    case kKeyEnter:
        if (keyThrough_ == 1)
            sink_->SendOwner(keyMsg_, key, 0);
        else
            sink_->SendOwner(enterMsg_, 0, current_);
        return;
    case kKeyCtrl:
        ctrl_ = true;
        return;
    case kKeyPageUp:
    case kKeyUp:
        if (keyThrough_ == 1)
            sink_->SendOwner(keyMsg_, key, 0);
        else if (key == kKeyPageUp)
            PagePrev();
        else
            RowUp();
        return;
    case kKeyPageDown:
    case kKeyDown:
        if (keyThrough_ == 1)
            sink_->SendOwner(keyMsg_, key, 0);
        else if (key == kKeyPageDown)
            PageNext();
        else
            RowDown();
        SendMoreDataIfAtEnd();
        return;
    default:
        break;
    }
    if (ctrl_) {
        ctrl_ = false;
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
        ctrl_ = false;
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
    if (selectMode_ && !MarkOnClick(x, top_ + row))
        return;
    bool wasCurrent = current_ == top_ + row;
    MoveCursorToClicked(row);
    if (selectMode_ && x > selectButtonWidth_ && wasCurrent)
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

void CMtrxModel::MouseMove(int /*x*/, int y, bool leftDown)
{
    if (!dragging_)
        return;
    if (!leftDown) {
        dragging_ = false;
        sink_->SetCapture(false);
        return;
    }
    long row = RowOf(y, rowHeight_);
    if (row < 0) {
        if (autoScroll_ != 1 && top_ != 0) {
            ExtendRange(top_ - 1);
            VScroll(kLineUp, 0);
            MoveCursor(current_, top_);
            RefreshMark(top_, 1);
            autoScroll_ = 1;
            sink_->SetAutoScrollTimer(true);
        }
    } else if (row >= visibleRows_ - 1) {
        if (autoScroll_ != 2 && !(bottom_ - 1 >= count_ - 1)) {
            ExtendRange(bottom_ + 1);
            VScroll(kLineDown, 0);
            MoveCursor(current_, bottom_ - 1);
            RefreshMark(bottom_ - 1, 1);
            autoScroll_ = 2;
            sink_->SetAutoScrollTimer(true);
        }
    } else {
        if (autoScroll_ != 0) {
            sink_->SetAutoScrollTimer(false);
            autoScroll_ = 0;
        }
        if (top_ + row < count_) {
            ExtendRange(top_ + row);
            MoveCursor(current_, top_ + row);
        }
    }
}

void CMtrxModel::Timer()
{
    if (autoScroll_ == 1) {
        if (top_ != 0) {
            ExtendRange(top_ - 1);
            VScroll(kLineUp, 0);
            MoveCursor(current_, top_);
            RefreshMark(top_, 1);
        }
    } else if (autoScroll_ == 2) {
        if (!(bottom_ - 1 >= count_ - 1)) {
            ExtendRange(bottom_ + 1);
            VScroll(kLineDown, 0);
            MoveCursor(current_, bottom_ - 1);
            RefreshMark(bottom_ - 1, 1);
        }
    }
    ApplyScrollPos();
}

void CMtrxModel::LButtonUp()
{
    if (autoScroll_ != 0) {
        sink_->SetAutoScrollTimer(false);
        autoScroll_ = 0;
    }
    CommitPending();
    if (dragging_) {
        dragging_ = false;
        sink_->SetCapture(false);
    }
}

// ---------------------------------------------------------------------------
// Focus

void CMtrxModel::SetFocus(bool notify)
{
    dragging_ = false;
    if (autoScroll_ != 0) {
        sink_->SetAutoScrollTimer(false);
        autoScroll_ = 0;
    }
    if (notify)
        SendIf(focusMsg_, 0, 0);
    if (focusCursor_) {
        hasFocus_ = true;
        DrawCursorIfShown(current_);
    }
}

void CMtrxModel::KillFocus()
{
    if (autoScroll_ != 0) {
        sink_->SetAutoScrollTimer(false);
        autoScroll_ = 0;
    }
    if (focusCursor_) {
        if (IsVisible(current_))
            sink_->EraseCursor(current_);
        hasFocus_ = false;
    }
}

// ---------------------------------------------------------------------------
// Select mode

int CMtrxModel::FindSelected(long index) const
{
    for (int slot = 0; slot < selectCapacity_ && selectList_[slot] != -1; ++slot) {
        if (selectList_[slot] == index)
            return slot;
    }
    return -1;
}

int CMtrxModel::FindSelectedAny(long index) const
{
    for (int slot = 0; slot < selectCapacity_; ++slot) {
        if (selectList_[slot] == index)
            return slot;
    }
    return -1;
}

int CMtrxModel::FindPending(long index) const
{
    for (size_t slot = 0; slot < pending_.size(); ++slot) {
        if (pending_[slot] == index)
            return static_cast<int>(slot);
    }
    return -1;
}

int CMtrxModel::FirstEmptySelected() const
{
    for (int slot = 0; slot < selectCapacity_; ++slot) {
        if (selectList_[slot] == -1)
            return slot;
    }
    return -1;
}

bool CMtrxModel::IsMarked(long index) const
{
    return selectMode_ && index >= 0 && (FindSelectedAny(index) >= 0 || FindPending(index) >= 0);
}

bool CMtrxModel::IsShownInverted(long index) const
{
    if (!selectMode_ || index < 0)
        return false;
    int slot = FindSelectedAny(index);
    if (slot >= 0)
        return selectMarks_[slot] != 0;
    slot = FindPending(index);
    return slot >= 0 && pendingMarks_[slot] != 0;
}

void CMtrxModel::RefreshMark(long index, int state)
{
    if (!selectMode_ || index < 0)
        return;
    int selected = FindSelectedAny(index);
    int pending = FindPending(index);
    if (selected < 0 && pending < 0)
        return;
    unsigned char flag = static_cast<unsigned char>(state != 0);
    if (IsVisible(index)) {
        unsigned char shown = selected >= 0 ? selectMarks_[selected] : pendingMarks_[pending];
        if (shown == flag)
            return;
        sink_->InvertRow(index - top_);
    } else {
        flag = 0;
    }
    if (selected >= 0)
        selectMarks_[selected] = flag;
    if (pending >= 0)
        pendingMarks_[pending] = flag;
}

// Removes one entry of the selection list: later entries move up one place
// with their mark flags, and the last slot becomes empty.
void CMtrxModel::RemoveSelected(int slot)
{
    RefreshMark(selectList_[slot], 0);
    for (int next = slot; next + 1 < selectCapacity_; ++next) {
        selectList_[next] = selectList_[next + 1];
        selectMarks_[next] = selectMarks_[next + 1];
    }
    selectList_[selectCapacity_ - 1] = -1;
    selectMarks_[selectCapacity_ - 1] = 0;
    if (selectList_[0] == -1) {
        marking_ = false;
        SendIf(emptiedMsg_, 0, 0);
    }
}

void CMtrxModel::ToggleMark()
{
    if (count_ == 0)
        return;
    int slot = FindSelected(current_);
    if (slot >= 0) {
        RemoveSelected(slot);
        return;
    }
    int empty = FirstEmptySelected();
    if (empty < 0)
        return;
    if (IsVisible(current_))
        sink_->EraseCursor(current_);
    selectList_[empty] = current_;
    selectMarks_[empty] = 0;
    marking_ = true;
    RefreshMark(current_, 1);
    SendIf(addedMsg_, 0, 0);
}

void CMtrxModel::ClearMarks()
{
    for (int slot = 0; slot < selectCapacity_; ++slot) {
        if (selectList_[slot] != -1)
            RefreshMark(selectList_[slot], 0);
    }
    for (long row : pending_) {
        if (row != -1)
            RefreshMark(row, 0);
    }
    std::fill(selectList_, selectList_ + selectCapacity_, -1L);
    std::fill(selectMarks_.begin(), selectMarks_.end(), 0);
    std::fill(pending_.begin(), pending_.end(), -1L);
    std::fill(pendingMarks_.begin(), pendingMarks_.end(), 0);
    anchor_ = rangeEnd_ = -1;
    marking_ = false;
    SendIf(emptiedMsg_, 0, 0);
}

bool CMtrxModel::MarkOnClick(int x, long row)
{
    bool inButton = x <= selectButtonWidth_;
    if (marking_ && (!inButton || !ctrl_))
        ClearMarks();
    if (!inButton)
        return true;
    int slot = FindSelected(row);
    if (slot >= 0) {
        RemoveSelected(slot);
        return false;
    }
    if (FirstEmptySelected() < 0)
        return false;
    if (row == current_)
        sink_->EraseCursor(row);
    pendingCapacity_ = 0;
    for (int s = 0; s < selectCapacity_; ++s) {
        if (selectList_[s] == -1)
            ++pendingCapacity_;
    }
    std::fill(pending_.begin(), pending_.end(), -1L);
    std::fill(pendingMarks_.begin(), pendingMarks_.end(), 0);
    marking_ = true;
    anchor_ = rangeEnd_ = row;
    pending_[0] = row;
    RefreshMark(row, 1);
    return true;
}

void CMtrxModel::ExtendRange(long target)
{
    if (!selectMode_ || !marking_ || anchor_ < 0 || count_ == 0)
        return;
    target = std::clamp(target, 0L, count_ - 1);
    if (target == rangeEnd_)
        return;
    long anchor = anchor_;
    long end = rangeEnd_;
    bool between = (end > anchor && target >= anchor && target < end) ||
                   (end < anchor && target <= anchor && target > end);
    bool otherSide = (end > anchor && target < anchor) || (end < anchor && target > anchor);
    if (between || otherSide) {
        // Pending rows from the old end back toward the target, never the anchor.
        long low, high;
        if (end > anchor) {
            low = between ? target + 1 : anchor + 1;
            high = end;
        } else {
            low = end;
            high = between ? target - 1 : anchor - 1;
        }
        for (size_t slot = 0; slot < pending_.size(); ++slot) {
            long row = pending_[slot];
            if (row != -1 && row != anchor && row >= low && row <= high) {
                RefreshMark(row, 0);
                pending_[slot] = -1;
                pendingMarks_[slot] = 0;
            }
        }
        if (between) {
            rangeEnd_ = target;
            return;
        }
    }
    int usable = std::min<int>(pendingCapacity_, static_cast<int>(pending_.size()));
    int free = 0;
    for (int slot = 0; slot < usable; ++slot) {
        if (pending_[slot] == -1)
            ++free;
    }
    if (free == 0)
        return;
    rangeEnd_ = target;
    // Rows already in either list, for quick membership tests.
    std::vector<long> listed;
    for (int slot = 0; slot < selectCapacity_; ++slot) {
        if (selectList_[slot] != -1)
            listed.push_back(selectList_[slot]);
    }
    for (long row : pending_) {
        if (row != -1)
            listed.push_back(row);
    }
    std::sort(listed.begin(), listed.end());
    long step = target < anchor ? -1 : 1;
    int slot = 0;
    for (long row = anchor + step; free > 0 && row != target + step; row += step) {
        if (std::binary_search(listed.begin(), listed.end(), row))
            continue;
        while (pending_[slot] != -1)
            ++slot;
        pending_[slot] = row;
        pendingMarks_[slot] = 0;
        --free;
    }
    for (long row : pending_) {
        if (row != -1)
            RefreshMark(row, 1);
    }
}

void CMtrxModel::CommitPending()
{
    if (!selectMode_)
        return;
    for (size_t slot = 0; slot < pending_.size(); ++slot) {
        long row = pending_[slot];
        if (row == -1)
            continue;
        int empty = FirstEmptySelected();
        if (empty < 0 || row >= count_ || FindSelectedAny(row) >= 0)
            continue;
        selectList_[empty] = row;
        selectMarks_[empty] = pendingMarks_[slot];
        SendIf(addedMsg_, 0, 0);
    }
    std::fill(pending_.begin(), pending_.end(), -1L);
    std::fill(pendingMarks_.begin(), pendingMarks_.end(), 0);
    pendingCapacity_ = 0;
    anchor_ = rangeEnd_ = -1;
}
