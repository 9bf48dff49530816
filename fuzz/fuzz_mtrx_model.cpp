// The matrix list's view model under random sequences of keys, clicks,
// drags, the wheel, scroll-bar codes, timer ticks, resizes, data-count
// changes, cursor moves and focus changes. After every event the view stays
// on the data and the selection holds unique rows of it; every row the owner
// is told about, and every row a cursor is drawn on, is one it has. The
// owner's selection array is exactly as long as its capacity, so
// AddressSanitizer catches any access past it.
#include <algorithm>
#include <cstdint>
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

    void SendOwner(unsigned m, uintptr_t, intptr_t l) override { Owner(m, l); }
    void PostOwner(unsigned m, uintptr_t, intptr_t l) override { Owner(m, l); }
    void SendCtrlQ() override {}
    void SetScrollRange(long) override {}
    void SetScrollPos(long pos) override { Require(pos >= 0, "scroll position not negative", input); }
    void SetScrollRangeKeepPos(long) override {}
    void ScrollRows(long) override {}
    void InvalidateAll(bool) override {}
    void InvalidateBand(int, int, int, int) override {}
    void DrawCursor(long index) override { Require(model->IsVisible(index), "cursor drawn on a visible row", input); }
    void EraseCursor(long index) override { Require(model->IsVisible(index), "cursor erased on a visible row", input); }
    void InvertRow(long row) override { Require(row >= 0 && row < model->VisibleRows(), "row in view", input); }
    void TakeFocus() override {}
    void SetCapture(bool) override {}
    void SetAutoScrollTimer(bool) override {}
    void Owner(unsigned m, intptr_t l)
    {
        Require((m != kEnter && m != kCell && m != kSel) || (l >= 0 && l < model->Count()), "a row it has", input);
    }
};

void CheckInvariants(const CMtrxModel& m)
{
    long count = m.Count();
    Require(m.Top() >= 0 && m.Top() <= count, "top on the data", input);
    Require(m.VisibleRows() <= 0 || m.Bottom() == m.Top() + m.VisibleRows() - 1, "bottom = top + visible - 1", input);
    Require(count > 0 ? m.Current() >= 0 && m.Current() < count : m.Current() == 0, "current on the data", input);
    if (!m.SelectMode())
        return;
    std::vector<long> rows(m.SelectList(), m.SelectList() + m.SelectCapacity());
    rows.erase(std::remove(rows.begin(), rows.end(), -1L), rows.end());
    std::sort(rows.begin(), rows.end());
    Require(rows.empty() || (rows.front() >= 0 && rows.back() < count), "selected rows within the data", input);
    Require(std::adjacent_find(rows.begin(), rows.end()) == rows.end(), "selected rows unique", input);
}

const unsigned kKeys[] = {0x0D, 0x10, 0x11, 0x20, 0x21, 0x22, 0x26, 0x28, 0x41, 0x51, 0x71, 0x09};
unsigned Key(int16_t a)
{
    return kKeys[static_cast<uint16_t>(a) % (sizeof kKeys / sizeof kKeys[0])];
}

// One event per operation code; the top bit of the code picks a variant.
using Event = void (*)(CMtrxModel& m, bool high, int16_t a, int16_t b);
const Event kEvents[] = {
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.KeyDown(Key(a)); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.KeyUp(Key(a)); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDown(a % 320, b % 260); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDblClk(a % 320, b % 260); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) { m.MouseMove(a % 320, b % 300, !high); },
    [](CMtrxModel& m, bool, int16_t, int16_t) { m.LButtonUp(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.Wheel(a); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) {
        m.VScroll(static_cast<uint16_t>(a) % 9, static_cast<uint16_t>(b) | (high ? 0xFFFF0000u : 0u));
    },
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
    [](CMtrxModel& m, bool, int16_t a, int16_t) { (a & 1) != 0 ? m.SetFocus((a & 2) != 0) : m.KillFocus(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { (a & 1) != 0 ? m.PagePrev() : m.PageNext(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.UpdateDraw(a); },
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
    unsigned* messages[] = {&args.rowMsg,  &args.enterMsg, &args.keyMsg,    &args.selMsg,      &args.rButtonMsg,
                            &args.cellMsg, &args.focusMsg, &args.appendMsg, &args.moreDataMsg, &args.shiftUpMsg};
    for (unsigned i = 0; i < 10; ++i)
        *messages[i] = kRow + i;
    args.cellMsg = (shape & 0x04) ? kCell : 0;
    args.maxColumns = 4;
    args.charHeight = in.Take<uint8_t>() % 40;
    args.aveCharWidth = 8;
    args.clientWidth = in.Take<uint8_t>() * 4;
    args.clientHeight = in.Take<uint8_t>() * 4;
    model.Init(args);

    short positionCounts[4] = {5, 3}, alignCounts[4] = {4, 2};
    const short line0[5] = {0, 40, 120, 200, 300}, line1[3] = {0, 150, 300}, aligns[4] = {0, 1, 2, 17};
    const short* positions[4] = {line0, line1};
    const short* alignments[4] = {aligns, aligns};
    model.SetColumnLayout(2, positionCounts, positions, alignCounts, alignments);
    // Exactly as long as the capacity, so that AddressSanitizer sees a read past it.
    std::vector<long> list(in.Take<uint8_t>() % 12);
    if (!list.empty())
        model.InitSelect(static_cast<short>(list.size()), list.data(), kAdded, kEmptied);
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
        kEvents[op % 18](model, (op & 0x80) != 0, a, b);
        CheckInvariants(model);
    }
    return 0;
}
