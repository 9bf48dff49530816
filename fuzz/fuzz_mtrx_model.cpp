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

std::string input;  // the current run's, for the failure report

class CheckingSink : public CMtrxModelSink {
public:
    const CMtrxModel* model = nullptr;

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

// A list's entries other than -1 are rows of the data, each listed once.
void CheckRows(const long* list, size_t size, long count, const char* inside, const char* unique)
{
    std::vector<long> rows;
    for (size_t i = 0; i < size; ++i) {
        Require(list[i] == -1 || (list[i] >= 0 && list[i] < count), inside, input);
        if (list[i] != -1)
            rows.push_back(list[i]);
    }
    std::sort(rows.begin(), rows.end());
    Require(std::adjacent_find(rows.begin(), rows.end()) == rows.end(), unique, input);
}

void CheckInvariants(const CMtrxModel& m)
{
    long count = m.Count();
    bool select = m.SelectMode();
    const struct { bool holds; const char* what; } checks[] = {
        {count >= 0 && count <= CMtrxModel::kMaxCount, "count in range"},
        {m.Top() >= 0 && m.Top() <= count, "top on the data"},
        {m.VisibleRows() <= 0 || m.Bottom() == m.Top() + m.VisibleRows() - 1, "bottom = top + visible - 1"},
        {count > 0 ? m.Current() >= 0 && m.Current() < count : m.Current() == 0, "current on the data"},
        {!select || (m.Anchor() >= -1 && m.Anchor() < count), "anchor within the data"},
    };
    for (const auto& check : checks)
        Require(check.holds, check.what, input);
    if (!select)
        return;
    // Each list holds a row once (a row being dragged over may also be in the
    // selection list; the commit skips it).
    CheckRows(m.SelectList(), m.SelectCapacity(), count, "selected row within the data", "selected rows unique");
    CheckRows(m.Pending().data(), m.Pending().size(), count, "pending row within the data", "pending rows unique");
}

const unsigned kKeys[] = {0x0D, 0x10, 0x11, 0x20, 0x21, 0x22, 0x26, 0x28, 0x41, 0x51, 0x71, 0x09};

unsigned Key(int a)
{
    return kKeys[static_cast<uint16_t>(a) % (sizeof kKeys / sizeof kKeys[0])];
}

// Events of two operation codes each.
void KeyDown(CMtrxModel& m, bool, int16_t a, int16_t)
{
    m.KeyDown(Key(a));
}

void VScroll(CMtrxModel& m, bool high, int16_t a, int16_t b)
{
    m.VScroll(static_cast<uint16_t>(a) % 9, static_cast<uint16_t>(b) | (high ? 0xFFFF0000u : 0u));
}

// One event per operation code; the top bit of the code picks a variant.
using Event = void (*)(CMtrxModel& m, bool high, int16_t a, int16_t b);
const Event kEvents[] = {
    KeyDown,
    KeyDown,
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.KeyUp(Key(a)); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDown(a % 320, b % 260); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDblClk(a % 320, b % 260); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) { m.MouseMove(a % 320, b % 300, !high); },
    [](CMtrxModel& m, bool, int16_t, int16_t) { m.LButtonUp(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.Wheel(a); },
    VScroll,
    VScroll,
    [](CMtrxModel& m, bool, int16_t, int16_t) { m.Timer(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.Size(uint16_t(a) % 2000, uint16_t(b) % 2000); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) {
        m.ExchangeDataCount(high ? static_cast<uint32_t>(a) * 65537u : static_cast<uint16_t>(a) % 400, b & 1);
    },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.AddData(a); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.DeleteData(a); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) {
        m.SetCurSel(high ? a : a % 400, b & 1, static_cast<short>((b >> 1) & 3), (b >> 3) & 1);
    },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.UpdateDraw(a); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) {
        if (a & 1)
            m.SetFocus((a & 2) != 0);
        else
            m.KillFocus();
    },
    [](CMtrxModel& m, bool, int16_t a, int16_t) {
        if (a & 1)
            m.PagePrev();
        else
            m.PageNext();
    },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) {
        int l, t, r, btm;
        if (m.GetRowLineRect(static_cast<short>(a % 6), static_cast<short>(b % 8), &l, &t, &r, &btm))
            Require(l <= r + 2 && m.IsVisible(m.Current()), "cell rectangle of a visible row", input);
        m.CellHit(a, b);
    },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    input.assign(reinterpret_cast<const char*>(data), size);
    CheckingSink sink;
    CMtrxModel model(&sink);
    sink.model = &model;

    MtrxInitArgs args;
    uint32_t rawCount = in.Take<uint32_t>();
    // Mostly small data sets, sometimes huge ones.
    args.count = static_cast<long>((rawCount & 0x80000000u) ? rawCount & 0x7FFFFFFF : rawCount % 300);
    uint8_t shape = in.Take<uint8_t>();
    args.lines = static_cast<short>(shape % 6);  // 0 and 5 are bad input
    args.startAtEnd = (shape >> 3) & 1;
    args.thumbTrack = (shape >> 4) & 1;
    args.keyThrough = (shape >> 5) & 1;
    args.focusCursor = (shape >> 6) & 1;
    args.moreData = (shape >> 7) & 1;
    args.cellMsg = (shape & 0x04) ? kCell : 0;
    args.rowMsg = kRow;
    args.enterMsg = kEnter;
    args.keyMsg = kKey;
    args.selMsg = kSel;
    args.rButtonMsg = kRButton;
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
    short alignCounts[4] = {4, 2, 0, 0};
    const short line0[5] = {0, 40, 120, 200, 300}, line1[3] = {0, 150, 300}, aligns[4] = {0, 1, 2, 17};
    const short* positions[4] = {line0, line1, nullptr, nullptr};
    const short* alignments[4] = {aligns, aligns, nullptr, nullptr};
    model.SetColumnLayout(2, positionCounts, positions, alignCounts, alignments);

    uint8_t capacity = in.Take<uint8_t>() % 12;
    std::unique_ptr<long[]> list(capacity > 0 ? new long[capacity] : nullptr);
    if (capacity > 0)
        model.InitSelect(capacity, list.get(), kAdded, kEmptied);
    if (in.Take<uint8_t>() & 1) {
        model.SetHScroll(1);
        model.SetScrollColumn(2, 3);
    }
    model.Size(300, 200);
    CheckInvariants(model);

    for (int events = 0; events < 400; ++events) {
        uint8_t op = in.Take<uint8_t>();
        if (op == 0 && events > 0)
            break;  // input exhausted
        int16_t a = in.Take<int16_t>();
        int16_t b = in.Take<int16_t>();
        kEvents[op % 20](model, (op & 0x80) != 0, a, b);
        CheckInvariants(model);
    }
    return 0;
}
