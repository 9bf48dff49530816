// CMtrxSelection: the select mode of the matrix list's view model, free of
// any window system.
//
// Rows are marked one by one (Space on the cursor row, a click in the select
// button column) or as a range dragged from an anchor; the dragged rows wait
// in a pending list until the button comes up and then join the owner's
// selection list (-1 = empty slot). Each entry carries a flag for whether
// its row is shown inverted now, so that a mark is inverted only once.
// Reads the view (count, top, bottom, current, select button width) from the
// model and asks the model's sink to invert rows and erase the cursor frame.
#pragma once

#include <vector>

#include "frame/WinLibApi.h"

class CMtrxModel;
class CMtrxModelSink;

class ZR8WLIB_API CMtrxSelection {
public:
    CMtrxSelection(const CMtrxModel& model, CMtrxModelSink* sink) : model_(model), sink_(sink) {}
    CMtrxSelection(const CMtrxSelection&) = delete;
    CMtrxSelection& operator=(const CMtrxSelection&) = delete;

    // See CMtrxModel::InitSelect.
    void Init(short nCapacity, long* list, int addedMsg, int emptiedMsg);
    void SetOff() { on_ = false; }
    void SetCtrl(bool down) { ctrl_ = down; }

    // Space: marks the current row, or unmarks it when it is marked.
    void ToggleMark();
    // A click on row at x: in the button column starts a range there; a
    // click elsewhere, or in the column without Ctrl, clears the marks first.
    // False when the click was used up (a row unmarked, the list full).
    bool MarkOnClick(int x, long row);
    // The dragged range now runs from the anchor to target.
    void ExtendRange(long target);
    // The button is up: the pending rows join the selection list.
    void CommitPending();
    // Mark display of a row: 0 plain, 1 inverted.
    void RefreshMark(long index, int state);

    bool On() const { return on_; }
    bool Marking() const { return marking_; }
    bool Ctrl() const { return ctrl_; }
    short Capacity() const { return capacity_; }
    const long* List() const { return list_; }
    const std::vector<long>& Pending() const { return pending_; }
    short PendingCapacity() const { return pendingCapacity_; }
    long Anchor() const { return anchor_; }
    long RangeEnd() const { return rangeEnd_; }
    bool IsMarked(long index) const;
    bool IsShownInverted(long index) const;

private:
    friend class CMtrxModel;  // its exported forwarders
    int FindSelected(long index) const;     // up to the first empty slot; -1 when absent
    int FindSelectedAny(long index) const;  // every slot
    int FindPending(long index) const;
    int FirstEmptySelected() const;
    void RemoveSelected(int slot);
    void ClearMarks();
    void ClearPending();
    void SendIf(int message);

    const CMtrxModel& model_;
    CMtrxModelSink* sink_;
    bool on_ = false;
    short capacity_ = 0;
    long* list_ = nullptr;
    std::vector<unsigned char> marks_;
    std::vector<long> pending_;
    std::vector<unsigned char> pendingMarks_;
    short pendingCapacity_ = 0;
    int addedMsg_ = 0;
    int emptiedMsg_ = 0;
    bool marking_ = false;
    long anchor_ = -1;
    long rangeEnd_ = -1;
    bool ctrl_ = false;
};
