// The matrix list's view model under random sequences of keys, clicks,
// double-clicks, drags, the wheel, scroll-bar codes, timer ticks, resizes,
// data-count changes, cursor moves and focus changes. After every event:
// top >= 0 and bottom = top + visible - 1; the cursor is a row index or -1
// (an empty list sized from the end). A shrinking data count leaves cursor,
// view and lists where they were, and a page down may put the cursor on the
// empty row after the data, so the lists hold unique rows, not necessarily
// of the data, and the owner is told of the cursor's row or -1; a clicked
// cell is always one of the data. The owner's selection array is exactly as
// long as its capacity (none at all for a capacity of 0), so any access past
// it is caught by AddressSanitizer, as is a cell rectangle read past the
// column positions.
#include <algorithm>

#include "FuzzInput.h"
#include "grid/CMtrxModel.h"

namespace {

enum : unsigned { kRow = 1, kEnter, kKey, kSel, kRButton, kCell, kFocus, kAppend, kMore, kShift, kAdded, kEmptied };

std::string input;  // the current run's, for the failure report

struct CheckingSink : CMtrxModelSink {
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
    void InvertRow(long row) override { Require(row >= 0 && row < model->VisibleRows(), "row in view", input); }
    void TakeFocus() override {}
    void SetCapture(bool) override {}
    void SetAutoScrollTimer(bool) override {}

    // Messages that carry a row index: the owner looks the row up.
    void Owner(unsigned m, uintptr_t w, intptr_t l)
    {
        Require((m != kEnter && m != kSel) || l >= -1, "a row index or -1", input);
        Require(m != kCell || (l >= 0 && l < model->Count()), "a clicked row it has", input);
        Require(m != kKey || w <= 0xFF, "key code", input);
    }
};

// A list's entries other than -1 are rows, each listed once.
void CheckRows(const long* list, size_t size, const char* what)
{
    std::vector<long> rows(list, list + size);
    Require(std::all_of(rows.begin(), rows.end(), [](long row) { return row >= -1; }), what, input);
    rows.erase(std::remove(rows.begin(), rows.end(), -1L), rows.end());
    std::sort(rows.begin(), rows.end());
    Require(std::adjacent_find(rows.begin(), rows.end()) == rows.end(), what, input);
}

void CheckInvariants(const CMtrxModel& m)
{
    bool select = m.SelectMode();
    Require(m.Count() >= 0 && m.Count() <= CMtrxModel::kMaxCount, "count in range", input);
    Require(m.Top() >= 0, "top a row", input);
    Require(m.VisibleRows() <= 0 || m.Bottom() == m.Top() + m.VisibleRows() - 1, "bottom = top + visible - 1", input);
    Require(m.Current() >= -1, "current a row or -1", input);
    Require(!select || m.Anchor() >= -1, "anchor a row or -1", input);
    // Each list holds a row once (a row being dragged over may also be in the
    // selection list; the commit skips it).
    if (select) {
        CheckRows(m.SelectList(), m.SelectCapacity(), "selected rows unique");
        CheckRows(m.Pending().data(), m.Pending().size(), "pending rows unique");
    }
}

using M = CMtrxModel;
// The keys the model acts on, a letter and Tab.
const unsigned kKeys[] = {M::kKeyEnter, M::kKeyShift, M::kKeyCtrl, M::kKeySpace, M::kKeyPageUp, M::kKeyPageDown,
                          M::kKeyUp, M::kKeyDown, 'A', M::kKeyQ, M::kKeyF2, '\t'};
unsigned Key(int a) { return kKeys[static_cast<uint16_t>(a) % (sizeof kKeys / sizeof kKeys[0])]; }

// One event per operation code (key-down and scroll codes twice as likely);
// the top bit of the code picks a variant.
using Event = void (*)(CMtrxModel& m, bool high, int16_t a, int16_t b);
const Event kKeyDown = [](CMtrxModel& m, bool, int16_t a, int16_t) { m.KeyDown(Key(a)); };
const Event kVScroll = [](CMtrxModel& m, bool high, int16_t a, int16_t b) {
    m.VScroll(static_cast<uint16_t>(a) % 9, static_cast<uint16_t>(b) | (high ? 0xFFFF0000u : 0u));
};
const Event kEvents[] = {
    kKeyDown, kKeyDown, [](CMtrxModel& m, bool, int16_t a, int16_t) { m.KeyUp(Key(a)); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDown(a % 320, b % 260); },
    [](CMtrxModel& m, bool, int16_t a, int16_t b) { m.LButtonDblClk(a % 320, b % 260); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) { m.MouseMove(a % 320, b % 300, !high); },
    [](CMtrxModel& m, bool, int16_t, int16_t) { m.LButtonUp(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { m.Wheel(a); },
    kVScroll, kVScroll, [](CMtrxModel& m, bool, int16_t, int16_t) { m.Timer(); },
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
    [](CMtrxModel& m, bool, int16_t a, int16_t) { (a & 1) != 0 ? m.SetFocus((a & 2) != 0) : m.KillFocus(); },
    [](CMtrxModel& m, bool, int16_t a, int16_t) { (a & 1) != 0 ? m.PagePrev() : m.PageNext(); },
    [](CMtrxModel& m, bool high, int16_t a, int16_t b) {
        int l, t, r, btm;
        if (m.GetRowLineRect(static_cast<short>(a % 6), static_cast<short>(high ? b : b % 8), &l, &t, &r, &btm))
            Require(m.IsVisible(m.Current()), "cell rectangle of a visible row", input);
        m.CellHit(a, b);
    },
};

} // namespace

void FuzzOne(FuzzInput& in)
{
    input = in.Rest();
    CheckingSink sink;
    CMtrxModel model(&sink);
    sink.model = &model;

    uint32_t rawCount = in.Take<uint32_t>();  // mostly small data sets, sometimes huge ones
    long count = static_cast<long>((rawCount & 0x80000000u) ? rawCount & 0x7FFFFFFF : rawCount % 300);
    uint8_t shape = in.Take<uint8_t>();
    // Focus cursor, count, lines (0 and 5 are bad input), start at end, the messages (cell clicks reported or
    // not), key through, columns, more data, thumb tracking, the more-data and shift messages, character height
    // and width, client size.
    MtrxInitArgs args{(shape >> 6) & 1, count, static_cast<short>(shape % 6), static_cast<short>((shape >> 3) & 1),
                      kRow, kEnter, kKey, kSel, kRButton, (shape & 0x04) ? kCell : 0u, kFocus, kAppend,
                      (shape >> 5) & 1, 4, static_cast<short>(shape >> 7), static_cast<short>((shape >> 4) & 1),
                      kMore, kShift, in.Take<uint8_t>() % 40, 8, in.Take<uint8_t>() * 4, in.Take<uint8_t>() * 4};
    model.Init(args);

    short positionCounts[4] = {5, 3}, alignCounts[4] = {4, 2};
    const short line0[5] = {0, 40, 120, 200, 300}, line1[3] = {0, 150, 300}, aligns[4] = {0, 1, 2, 17};
    const short *positions[4] = {line0, line1}, *alignments[4] = {aligns, aligns};
    model.SetColumnLayout(2, positionCounts, positions, alignCounts, alignments);

    // Exactly as long as the capacity, so that AddressSanitizer sees a read past it.
    uint8_t select = in.Take<uint8_t>();
    std::vector<long> list(select % 12);
    if (!list.empty() || (select & 0x80) != 0)
        model.InitSelect(static_cast<short>(list.size()), list.empty() ? nullptr : list.data(), kAdded, kEmptied);
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
        int16_t a = in.Take<int16_t>(), b = in.Take<int16_t>();
        kEvents[op % 20](model, (op & 0x80) != 0, a, b);
        CheckInvariants(model);
    }
}
