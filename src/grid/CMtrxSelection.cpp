#include "CMtrxSelection.h"

#include <algorithm>

#include "grid/CMtrxModel.h"

void CMtrxSelection::Init(short nCapacity, long* list, int addedMsg, int emptiedMsg)
{
    on_ = true;
    capacity_ = list != nullptr ? std::max<short>(nCapacity, 0) : 0;
    list_ = list;
    std::fill(list, list + capacity_, -1L);
    addedMsg_ = addedMsg;
    emptiedMsg_ = emptiedMsg;
    marks_.assign(capacity_, 0);
    pending_.assign(capacity_, -1L);
    pendingMarks_.assign(capacity_, 0);
    pendingCapacity_ = 0;
    anchor_ = rangeEnd_ = -1;
    marking_ = false;
    ctrl_ = false;
}

void CMtrxSelection::SendIf(int message)
{
    if (message != 0)
        sink_->SendOwner(static_cast<unsigned>(message), 0, 0);
}

int CMtrxSelection::FindSelected(long index) const
{
    for (int slot = 0; slot < capacity_ && list_[slot] != -1; ++slot) {
        if (list_[slot] == index)
            return slot;
    }
    return -1;
}

int CMtrxSelection::FindSelectedAny(long index) const
{
    long* end = list_ + capacity_;
    long* found = std::find(list_, end, index);
    return found != end ? static_cast<int>(found - list_) : -1;
}

int CMtrxSelection::FindPending(long index) const
{
    auto found = std::find(pending_.begin(), pending_.end(), index);
    return found != pending_.end() ? static_cast<int>(found - pending_.begin()) : -1;
}

int CMtrxSelection::FirstEmptySelected() const
{
    return FindSelectedAny(-1);
}

bool CMtrxSelection::IsMarked(long index) const
{
    return on_ && index >= 0 && (FindSelectedAny(index) >= 0 || FindPending(index) >= 0);
}

bool CMtrxSelection::IsShownInverted(long index) const
{
    if (!on_ || index < 0)
        return false;
    int slot = FindSelectedAny(index);
    if (slot >= 0)
        return marks_[slot] != 0;
    slot = FindPending(index);
    return slot >= 0 && pendingMarks_[slot] != 0;
}

void CMtrxSelection::RefreshMark(long index, int state)
{
    if (!on_ || index < 0)
        return;
    int selected = FindSelectedAny(index);
    int pending = FindPending(index);
    if (selected < 0 && pending < 0)
        return;
    unsigned char flag = static_cast<unsigned char>(state != 0);
    if (model_.IsVisible(index)) {
        unsigned char shown = selected >= 0 ? marks_[selected] : pendingMarks_[pending];
        if (shown == flag)
            return;
        sink_->InvertRow(index - model_.Top());
    } else {
        flag = 0;
    }
    if (selected >= 0)
        marks_[selected] = flag;
    if (pending >= 0)
        pendingMarks_[pending] = flag;
}

// Removes one entry of the selection list: later entries move up one place
// with their mark flags, and the last slot becomes empty.
void CMtrxSelection::RemoveSelected(int slot)
{
    RefreshMark(list_[slot], 0);
    for (int next = slot; next + 1 < capacity_; ++next) {
        list_[next] = list_[next + 1];
        marks_[next] = marks_[next + 1];
    }
    list_[capacity_ - 1] = -1;
    marks_[capacity_ - 1] = 0;
    if (list_[0] == -1) {
        marking_ = false;
        SendIf(emptiedMsg_);
    }
}

void CMtrxSelection::ToggleMark()
{
    long current = model_.Current();
    if (model_.Count() == 0)
        return;
    int slot = FindSelected(current);
    if (slot >= 0) {
        RemoveSelected(slot);
        return;
    }
    int empty = FirstEmptySelected();
    if (empty < 0)
        return;
    if (model_.IsVisible(current))
        sink_->EraseCursor(current);
    list_[empty] = current;
    marks_[empty] = 0;
    marking_ = true;
    RefreshMark(current, 1);
    SendIf(addedMsg_);
}

void CMtrxSelection::ClearPending()
{
    std::fill(pending_.begin(), pending_.end(), -1L);
    std::fill(pendingMarks_.begin(), pendingMarks_.end(), 0);
}

void CMtrxSelection::ClearMarks()
{
    for (int slot = 0; slot < capacity_; ++slot) {
        if (list_[slot] != -1)
            RefreshMark(list_[slot], 0);
    }
    for (long row : pending_) {
        if (row != -1)
            RefreshMark(row, 0);
    }
    std::fill(list_, list_ + capacity_, -1L);
    std::fill(marks_.begin(), marks_.end(), 0);
    ClearPending();
    anchor_ = rangeEnd_ = -1;
    marking_ = false;
    SendIf(emptiedMsg_);
}

bool CMtrxSelection::MarkOnClick(int x, long row)
{
    bool inButton = x <= model_.SelectButtonWidth();
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
    if (row == model_.Current())
        sink_->EraseCursor(row);
    pendingCapacity_ = static_cast<short>(std::count(list_, list_ + capacity_, -1L));
    ClearPending();
    marking_ = true;
    anchor_ = rangeEnd_ = row;
    pending_[0] = row;
    RefreshMark(row, 1);
    return true;
}

void CMtrxSelection::ExtendRange(long target)
{
    long count = model_.Count();
    if (!on_ || !marking_ || anchor_ < 0 || count == 0)
        return;
    target = std::clamp(target, 0L, count - 1);
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
    int free = static_cast<int>(std::count(pending_.begin(), pending_.begin() + usable, -1L));
    if (free == 0)
        return;
    rangeEnd_ = target;
    // Rows already in either list, for quick membership tests.
    std::vector<long> listed;
    std::copy_if(list_, list_ + capacity_, std::back_inserter(listed), [](long row) { return row != -1; });
    std::copy_if(pending_.begin(), pending_.end(), std::back_inserter(listed), [](long row) { return row != -1; });
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

void CMtrxSelection::CommitPending()
{
    if (!on_)
        return;
    for (size_t slot = 0; slot < pending_.size(); ++slot) {
        long row = pending_[slot];
        if (row == -1)
            continue;
        int empty = FirstEmptySelected();
        if (empty < 0 || row >= model_.Count() || FindSelectedAny(row) >= 0)
            continue;
        list_[empty] = row;
        marks_[empty] = pendingMarks_[slot];
        SendIf(addedMsg_);
    }
    ClearPending();
    pendingCapacity_ = 0;
    anchor_ = rangeEnd_ = -1;
}
