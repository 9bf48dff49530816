// The matrix list's view model under random sequences of keys, clicks,
// double-clicks, drags, the wheel, scroll-bar codes, timer ticks, resizes,
// data-count changes, cursor moves and focus changes. After every event:
// the view stays on the data (0 <= top <= count, bottom = top + visible - 1,
// the cursor on a row of the data), the selection and pending lists hold
// unique rows of the data, and every row index the owner is told about is
// one it has. The owner's selection array is exactly as long as its
// capacity, so any access past it is caught by AddressSanitizer.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "grid/CMtrxModel.h"

namespace {

enum : unsigned { kRow = 1, kEnter, kKey, kSel, kRButton, kCell, kFocus, kAppend, kMore, kShift, kAdded, kEmptied };

class CheckingSink : public CMtrxModelSink {
public:
    const CMtrxModel* model = nullptr;
    std::string input;

    void SendOwner(unsigned m, uintptr_t w, intptr_t l) override { Owner(m, w, l); }
    void PostOwner(unsigned m, uintptr_t w, intptr_t l) override { Owner(m, w, l); }
    void SendCtrlQ() override {}
    void SetScrollRange(long) override {}
    void SetScrollPos(long pos) override { Require(pos >= 0, "scroll position not negative", input); }
    void SetScrollRangeKeepPos(long) override {}
    void ScrollRows(long) override {}
    void InvalidateAll(bool) override {}
    void InvalidateBand(int, int top, int, int bottom) override { Require(top <= bottom, "band ordered", input); }
    // Drawing a row's cursor frame reads that row's colour: it must be a row of the view.
    void DrawCursor(long index) override { Require(model->IsVisible(index), "cursor drawn on a visible row", input); }
    void EraseCursor(long index) override { Require(model->IsVisible(index), "cursor erased on a visible row", input); }
    void InvertRow(long row) override
    {
        Require(row >= 0 && row < model->VisibleRows(), "inverted row inside the window", input);
    }
    void TakeFocus() override {}
    void SetCapture(bool) override {}
    void SetAutoScrollTimer(bool) override {}

private:
    void Owner(unsigned m, uintptr_t w, intptr_t l)
    {
        // Messages that carry a row index: the owner looks the row up.
        if (m == kEnter || m == kCell || m == kSel)
            Require(l >= 0 && l < model->Count(), "owner told of a row it has", input);
        if (m == kKey)
            Require(w <= 0xFF, "key code", input);
    }
};

void CheckInvariants(const CMtrxModel& m, const std::string& input)
{
    long count = m.Count();
    Require(count >= 0 && count <= CMtrxModel::kMaxCount, "count in range", input);
    Require(m.Top() >= 0 && m.Top() <= count, "top on the data", input);
    if (m.VisibleRows() > 0)
        Require(m.Bottom() == m.Top() + m.VisibleRows() - 1, "bottom = top + visible - 1", input);
    if (count > 0)
        Require(m.Current() >= 0 && m.Current() < count, "current within the data", input);
    else
        Require(m.Current() == 0, "current 0 without data", input);
    if (!m.SelectMode())
        return;
    // Each list holds a row once (a row being dragged over may also be in the
    // selection list; the commit skips it).
    auto unique = [&](std::vector<long> rows, const char* what) {
        std::sort(rows.begin(), rows.end());
        Require(std::adjacent_find(rows.begin(), rows.end()) == rows.end(), what, input);
    };
    std::vector<long> selected;
    for (int slot = 0; slot < m.SelectCapacity(); ++slot) {
        long row = m.SelectList()[slot];
        Require(row == -1 || (row >= 0 && row < count), "selected row within the data", input);
        if (row != -1)
            selected.push_back(row);
    }
    std::vector<long> pending;
    for (long row : m.Pending()) {
        Require(row == -1 || (row >= 0 && row < count), "pending row within the data", input);
        if (row != -1)
            pending.push_back(row);
    }
    unique(selected, "selected rows unique");
    unique(pending, "pending rows unique");
    Require(m.Anchor() >= -1 && m.Anchor() < count, "anchor within the data", input);
}

const unsigned kKeys[] = {0x0D, 0x10, 0x11, 0x20, 0x21, 0x22, 0x26, 0x28, 0x41, 0x51, 0x71, 0x09};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    std::string input(reinterpret_cast<const char*>(data), size);
    CheckingSink sink;
    sink.input = input;
    CMtrxModel model(&sink);
    sink.model = &model;

    MtrxInitArgs args;
    uint32_t rawCount = in.Take<uint32_t>();
    // Mostly small data sets, sometimes huge ones.
    args.count = (rawCount & 0x80000000u) ? static_cast<long>(rawCount & 0x7FFFFFFF) : static_cast<long>(rawCount % 300);
    uint8_t shape = in.Take<uint8_t>();
    args.lines = static_cast<short>(shape % 6);  // 0 and 5 are bad input
    args.startAtEnd = (shape >> 3) & 1;
    args.thumbTrack = (shape >> 4) & 1;
    args.keyThrough = (shape >> 5) & 1;
    args.focusCursor = (shape >> 6) & 1;
    args.moreData = (shape >> 7) & 1;
    args.rowMsg = kRow;
    args.enterMsg = kEnter;
    args.keyMsg = kKey;
    args.selMsg = kSel;
    args.rButtonMsg = kRButton;
    args.cellMsg = (shape & 0x04) ? kCell : 0;
    args.focusMsg = kFocus;
    args.appendMsg = kAppend;
    args.moreDataMsg = kMore;
    args.shiftUpMsg = kShift;
    args.maxColumns = 4;
    args.charHeight = in.Take<uint8_t>() % 40;
    args.aveCharWidth = 8;
    args.clientWidth = in.Take<uint8_t>() * 4;
    args.clientHeight = in.Take<uint8_t>() * 4;
    model.Init(args);

    short positionCounts[4] = {5, 3, 0, 0};
    short line0[5] = {0, 40, 120, 200, 300};
    short line1[3] = {0, 150, 300};
    short aligns[4] = {0, 1, 2, 17};
    const short* positions[4] = {line0, line1, nullptr, nullptr};
    const short* alignments[4] = {aligns, aligns, nullptr, nullptr};
    short alignCounts[4] = {4, 2, 0, 0};
    model.SetColumnLayout(2, positionCounts, positions, alignCounts, alignments);

    uint8_t capacity = in.Take<uint8_t>() % 12;
    std::unique_ptr<long[]> list;
    if (capacity > 0) {
        list.reset(new long[capacity]);
        model.InitSelect(capacity, list.get(), kAdded, kEmptied);
    }
    if (in.Take<uint8_t>() & 1) {
        model.SetHScroll(1);
        model.SetScrollColumn(2, 3);
    }
    model.Size(300, 200);
    CheckInvariants(model, input);

    for (int events = 0; events < 400; ++events) {
        uint8_t op = in.Take<uint8_t>();
        if (op == 0 && events > 0)
            break;  // input exhausted
        int16_t a = in.Take<int16_t>();
        int16_t b = in.Take<int16_t>();
        switch (op % 20) {
        case 0:
        case 1:
            model.KeyDown(kKeys[static_cast<uint16_t>(a) % (sizeof kKeys / sizeof kKeys[0])]);
            break;
        case 2:
            model.KeyUp(kKeys[static_cast<uint16_t>(a) % (sizeof kKeys / sizeof kKeys[0])]);
            break;
        case 3:
            model.LButtonDown(a % 320, b % 260);
            break;
        case 4:
            model.LButtonDblClk(a % 320, b % 260);
            break;
        case 5:
            model.MouseMove(a % 320, b % 300, (op & 0x80) == 0);
            break;
        case 6:
            model.LButtonUp();
            break;
        case 7:
            model.Wheel(a);
            break;
        case 8:
        case 9:
            model.VScroll(static_cast<uint16_t>(a) % 9, static_cast<uint32_t>(static_cast<uint16_t>(b)) |
                                                           (op & 0x80 ? 0xFFFF0000u : 0u));
            break;
        case 10:
            model.Timer();
            break;
        case 11:
            model.Size(static_cast<uint16_t>(a) % 2000, static_cast<uint16_t>(b) % 2000);
            break;
        case 12:
            model.ExchangeDataCount(op & 0x80 ? static_cast<uint32_t>(a) * 65537u : static_cast<uint16_t>(a) % 400,
                                    b & 1);
            break;
        case 13:
            model.AddData(a);
            break;
        case 14:
            model.DeleteData(a);
            break;
        case 15:
            model.SetCurSel(op & 0x80 ? a : a % 400, b & 1, static_cast<short>((b >> 1) & 3), (b >> 3) & 1);
            break;
        case 16:
            model.UpdateDraw(a);
            break;
        case 17:
            if (a & 1)
                model.SetFocus((a & 2) != 0);
            else
                model.KillFocus();
            break;
        case 18:
            if (a & 1)
                model.PagePrev();
            else
                model.PageNext();
            break;
        case 19: {
            int l, t, r, btm;
            if (model.GetRowLineRect(static_cast<short>(a % 6), static_cast<short>(b % 8), &l, &t, &r, &btm))
                Require(l <= r + 2 && model.IsVisible(model.Current()), "cell rectangle of a visible row", input);
            model.CellHit(a, b);
            break;
        }
        }
        CheckInvariants(model, input);
    }
    return 0;
}
