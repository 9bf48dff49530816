// The matrix list's view model driven by events, with what it asks of its
// window written down: positions after each rule, the owner messages with
// their parameters, scrolling, cursor frames, marks, capture and timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "grid/CMtrxModel.h"

namespace {

using M = CMtrxModel;
enum : unsigned {
    kRowMsg = 0x500, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, kCellMsg, kFocusMsg, kAppendMsg, kMoreMsg,
    kShiftMsg, kAddedMsg, kEmptiedMsg
};
const std::string kNames[] = {"row", "enter", "key", "sel", "rbutton", "cell", "focus", "append", "more", "shift",
                              "added", "emptied"};
const unsigned kUp = 0x1000;  // in a key sequence: the key's release
const int kCharHeight = 14, kRow = kCharHeight + M::kRowPadding;  // rows 20 pixels high
using Log = std::vector<std::string>;
using View = std::vector<long>;  // top, bottom, current

// The model, and the sink that writes down everything the model asks of its
// window as short texts ("send sel 0 5", "scroll 1").
struct Fixture : CMtrxModelSink {
    Log log;
    CMtrxModel model{this};

    std::function<void()> more;  // the owner's answer to the more-data message
    void SendOwner(unsigned m, uintptr_t w, intptr_t l) override
    {
        Add("send " + kNames[m - kRowMsg], w, l);
        if (m == kMoreMsg && more)
            more();
    }
    void PostOwner(unsigned m, uintptr_t w, intptr_t l) override { Add("post " + kNames[m - kRowMsg], w, l); }
    void SendCtrlQ() override { log.push_back("ctrlq"); }
    void SetScrollRange(long maxPos) override { Add("range", maxPos); }
    void SetScrollPos(long pos) override { Add("pos", pos); }
    void SetScrollRangeKeepPos(long maxPos) override { Add("rangekeep", maxPos); }
    void ScrollRows(long rows) override { Add("scroll", rows); }
    void InvalidateAll(bool erase) override { Add("invalidate", erase); }
    void InvalidateBand(int l, int t, int r, int b) override { Add("band", l, t, r, b); }
    void DrawCursor(long index) override { Add("draw", index); }
    void EraseCursor(long index) override { Add("erase", index); }
    void InvertRow(long row) override { Add("invert", row); }
    void TakeFocus() override { log.push_back("focus"); }
    void SetCapture(bool on) override { Add("capture", on); }
    void SetAutoScrollTimer(bool on) override { Add("timer", on); }
    template <typename... T>
    void Add(std::string entry, T... values)
    {
        for (long long value : {static_cast<long long>(values)...})
            entry += " " + std::to_string(value);
        log.push_back(entry);
    }
    // The log since the last call: all of it, or the entries that start with one of the words.
    Log Take(std::initializer_list<const char*> words = {})
    {
        Log kept;
        for (const std::string& e : log)
            if (words.size() == 0 || std::any_of(words.begin(), words.end(), [&](auto w) { return !e.rfind(w, 0); }))
                kept.push_back(e);
        log.clear();
        return kept;
    }
    View Pos() const { return {model.Top(), model.Bottom(), model.Current()}; }
    // Key presses in order; the log of them alone.
    Log Keys(const std::vector<unsigned>& keys)
    {
        log.clear();
        for (unsigned key : keys)
            (key & kUp) != 0 ? model.KeyUp(key & ~kUp) : model.KeyDown(key);
        return Take();
    }
    // One step a row: the box released at a position (if >= 0), the cursor put by SetCurSel(row, notify, to
    // the top, show) if given, keys; the log of cursor and keys and the view after.
    struct Step { long thumb; std::vector<long> cur; std::vector<unsigned> keys; Log log; View view; };
    void Run(const std::vector<Step>& steps)
    {
        for (const Step& s : steps) {
            if (s.thumb >= 0)
                model.VScroll(M::kThumbPosition, static_cast<unsigned long>(s.thumb));
            log.clear();
            if (!s.cur.empty())
                model.SetCurSel(s.cur[0], s.cur[1], static_cast<short>(s.cur[2]), s.cur[3]);
            Log got = log;
            for (const std::string& e : Keys(s.keys))
                got.push_back(e);
            EXPECT_EQ(std::make_pair(got, Pos()), std::make_pair(s.log, s.view)) << "step " << &s - steps.data();
        }
    }

    // Clicks drag unless told to report cells (no cell message): focus cursor, count, lines, start at end, the
    // messages, key through, columns, more data, thumb tracking, more-data and shift messages, character size.
    static MtrxInitArgs Args(long count, short startAtEnd = 0)
    {
        return {0, count, 1, startAtEnd, kRowMsg, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, 0, kFocusMsg, kAppendMsg,
                0, 3, 0, 0, kMoreMsg, kShiftMsg, kCharHeight, 8};
    }
    // With a count: Init, the first sizing to 300 x 199 (10 visible rows) and
    // one line of three columns.
    explicit Fixture(long count = -1, short startAtEnd = 0, const std::function<void(MtrxInitArgs&)>& change = {})
    {
        if (count < 0)
            return;
        MtrxInitArgs args = Args(count, startAtEnd);
        if (change)
            change(args);
        model.Init(args);
        model.Size(300, 199);
        short counts[4] = {4}, alignCounts[4] = {3}, xs[4] = {0, 100, 200, 299}, aligns[3] = {1, 2, 0};
        const short *positions[4] = {xs}, *alignments[4] = {aligns};
        model.SetColumnLayout(1, counts, positions, alignCounts, alignments);
        log.clear();
    }

    // Select mode: the owner's list, rows marked by Space, drags over rows.
    long list[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    void Select(short capacity, std::initializer_list<long> marked = {})
    {
        model.InitSelect(capacity, list, kAddedMsg, kEmptiedMsg);
        for (long row : marked)
            Space(row);
    }
    std::vector<long> List(int n = 3) const { return std::vector<long>(list, list + n); }
    Log Space(long row, std::initializer_list<const char*> words = {})
    {
        log.clear();
        model.SetCurSel(row, 0, 0, 1);
        model.KeyDown(M::kKeySpace);
        return Take(words);
    }
    // A press on row fromRow, then moves over the rows down to toRow.
    void Drag(int x, long fromRow, long toRow)
    {
        for (long r = fromRow; r <= toRow; ++r)
            r == fromRow ? model.LButtonDown(x, static_cast<int>(r * kRow + 5))
                         : model.MouseMove(x, static_cast<int>(r * kRow + 5), true);
    }
};

TEST(MtrxModelStart, FirstPositionAndScrollBar)
{
    // From the end the last row moves up to the second-to-last visible row;
    // a range of 0 would hide the scroll box: 1 instead. 60 pixels: (60 + 1) / 20 rounded up = 4 rows.
    // An empty list sized from the end has its cursor on row -1.
    const struct { long count; short startAtEnd; int height; View view; long range; } cases[] = {
        {100, 0, 199, {0, 9, 0}, 91}, {25, 1, 60, {22, 25, 24}, 22}, {5, 1, 199, {0, 9, 4}, -4},
        {9, 0, 199, {0, 9, 0}, 1}, {0, 1, 199, {0, 9, -1}, -9}};
    for (const auto& c : cases) {
        Fixture f;
        f.model.Init(f.Args(c.count, c.startAtEnd));
        f.model.Size(300, c.height);
        EXPECT_EQ(f.Pos(), c.view) << c.count;
        EXPECT_EQ(f.log, (Log{"range " + std::to_string(c.range), "pos " + std::to_string(c.view[0])})) << c.count;
    }
}

// Up and Down at the edges of the view and from outside it, pages; Enter,
// Ctrl, Shift, other keys; SetCurSel.
TEST(MtrxModelKeys, MovesAtTheEdgesOfTheViewAndFromOutsideItAndKeysToTheOwner)
{
    Fixture f(100);
    // 7 -> 8: the cursor moves; on the second-to-last visible row one row scrolls; the cursor on the top row:
    // one row scrolls back, on row 0 nothing. A cursor below the view (not shown: nothing scrolls) comes back
    // with the view: 40 > 9, the row above shows in the second-to-last row. Pages keep the cursor's row in the
    // view; from below the view to the last page the cursor lands on the empty row after the data.
    f.Run({{-1, {7, 0, 0, 1}, {M::kKeyDown}, {"erase 0", "draw 7", "erase 7", "draw 8", "send sel 0 7"}, {0, 9, 8}},
           {-1, {}, {M::kKeyDown}, {"scroll 1", "pos 1", "send sel 1 9", "erase 8", "draw 9"}, {1, 10, 9}},
           {-1, {1, 0, 0, 1}, {M::kKeyUp, M::kKeyUp},
            {"erase 9", "draw 1", "scroll -1", "pos 0", "send sel 1 0", "erase 1", "draw 0"}, {0, 9, 0}},
           {-1, {40, 0, 0, 0}, {M::kKeyUp}, {"erase 0", "post sel 0 40", "pos 31", "invalidate 1"}, {31, 40, 39}},
           {0, {3, 0, 0, 1}, {M::kKeyPageDown}, {"draw 3", "scroll 9", "pos 9", "send sel 1 3", "draw 12", "send sel 0 3"},
            {9, 18, 12}},
           {-1, {}, {M::kKeyPageUp}, {"scroll -9", "pos 0", "send sel 1 12", "draw 3", "send sel 0 12"}, {0, 9, 3}},
           {85, {98, 0, 0, 0}, {M::kKeyPageDown},
            {"scroll 6", "pos 91", "send sel 1 98", "erase 98", "draw 100", "send sel 0 98"}, {91, 100, 100}},
           // Enter; Ctrl+A (A to the owner); Ctrl+Q and Ctrl+F2 (the frame message); Q alone;
           // Q after Ctrl's release; Shift's release; Space outside select mode (a key).
           {0, {4, 0, 0, 1}, {M::kKeyEnter, M::kKeyCtrl, 'A', M::kKeyCtrl, M::kKeyQ, M::kKeyCtrl, M::kKeyF2, M::kKeyQ,
                              M::kKeyCtrl, kUp | M::kKeyCtrl, M::kKeyQ, kUp | M::kKeyShift, M::kKeySpace},
            {"draw 4", "send enter 0 4", "send key 65 0", "ctrlq", "ctrlq", "send key 81 0", "send key 81 0",
             "send shift 0 0", "send key 32 0"}, {0, 9, 4}}});

    Fixture e(0);  // Enter activates with no rows too
    EXPECT_EQ(e.Keys({M::kKeyEnter}), (Log{"send enter 0 0"}));
    MtrxInitArgs sized = e.Args(0, 0);  // Init of a sized, empty list: cursor, top and bottom 0
    sized.clientWidth = 300;
    sized.clientHeight = 199;
    e.model.Init(sized);
    e.model.InitSelect(0, nullptr, kAddedMsg, kEmptiedMsg);  // no slots: Space marks nothing
    e.Run({{-1, {}, {M::kKeySpace}, {}, {0, 0, 0}}});

    // The partly visible row: one row scrolls, quietly; to the top, without the message.
    Fixture h(100);
    h.Run({{-1, {9, 1, 0, 1}, {}, {"scroll 1", "pos 1", "draw 9", "send sel 0 0"}, {1, 10, 9}},
           {-1, {5, 0, 1, 1}, {}, {"pos 5", "invalidate 1", "erase 9", "draw 5"}, {5, 14, 5}}});
}

TEST(MtrxModelScrollBar, CodesThumbTrackingWheelAndMoreData)
{
    struct Step { unsigned code; unsigned long pos; View view; };
    auto run = [](short thumbTrack, std::initializer_list<Step> steps) {
        Fixture f(100, 0, [&](MtrxInitArgs& a) { a.thumbTrack = thumbTrack; });
        for (const Step& s : steps) {
            f.model.VScroll(s.code, s.pos);
            EXPECT_EQ(f.Pos(), s.view) << s.code << " " << s.pos;
        }
    };
    // Tracking off: the box moves, the view waits for its release.
    run(0, {{M::kLineDown, 0, {1, 10, 0}},         {M::kLineUp, 0, {0, 9, 0}},
            {M::kPageDown, 0, {9, 18, 0}},         {M::kThumbTrack, 40, {9, 18, 0}},
            {M::kThumbPosition, 40, {40, 49, 0}},  {M::kPageUp, 0, {31, 40, 0}},
            {M::kThumbPosition, 91, {91, 100, 0}}, {M::kLineDown, 0, {91, 100, 0}}});
    run(1, {{M::kThumbTrack, 40, {40, 49, 0}}, {M::kThumbTrack, 95, {40, 49, 0}}});

    // The more-data message when the bottom reaches the data count (the
    // owner is expected to add rows); a released box moves the view as well.
    Fixture f(20, 0, [](MtrxInitArgs& a) { a.moreData = 1; });
    f.model.VScroll(M::kThumbPosition, 11);
    EXPECT_EQ(f.Take(), (Log{"send more 0 0", "scroll 11", "pos 11", "send sel 1 0"}));
    // The wheel: one row per message; the bottom row is the empty one after the data: no further.
    f.model.Wheel(120);
    EXPECT_EQ(f.model.Top(), 10);
    f.model.Wheel(-240);
    EXPECT_EQ(f.model.Top(), 11);
}

// Clicks, double clicks, the append row and cell rectangles; dragging that
// scrolls with the timer.
TEST(MtrxModelMouse, ClicksCellRectanglesAndDraggingWithTheTimer)
{
    Fixture f(100);
    // The partly visible last row: one row scrolls, the clicked row is current.
    f.model.LButtonDown(50, 9 * kRow + 5);
    EXPECT_EQ(f.log, (Log{"focus", "scroll 1", "pos 1", "send sel 1 0", "draw 9", "send sel 0 0", "capture 1"}));

    Fixture cells(5, 0, [](MtrxInitArgs& a) { a.cellMsg = kCellMsg; });  // clicks on cells do not drag
    cells.model.LButtonDown(150, 2 * kRow + 5);                           // row 2, cell 1
    cells.model.LButtonDblClk(250, 3 * kRow + 5);
    cells.model.LButtonDown(10, 5 * kRow + 5);  // the row after the data
    EXPECT_EQ(cells.log, (Log{"focus", "erase 0", "draw 2", "send sel 0 0", "send cell 1 2", "focus", "erase 2",
                              "draw 3", "send sel 0 2", "send cell 2 3", "send enter 1 3", "send append 0 0"}));

    // Cell rectangles of the current row.
    f.model.SetCurSel(3, 0, 0, 1);
    int l, t, r, b;
    ASSERT_TRUE(f.model.GetRowLineRect(0, 2, &l, &t, &r, &b));
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{202, 43, 299, 58}));
    // With columns scrolled: frozen 1, first scrolled 2 shows column 2 at display column 1.
    f.model.SetHScroll(1);
    f.model.SetScrollColumn(2, 3);
    EXPECT_EQ(f.model.GetCurRow(), 2);
    // Column 1, scrolled off, lands on display column 0; column 4 on the last position (3 of 4).
    const struct { short column; bool got; int left; } cases[] = {
        {2, true, 102}, {1, true, 2}, {0, true, 2}, {4, true, 301}, {5, false, 0}};
    for (const auto& c : cases) {
        l = 0;
        EXPECT_EQ(f.model.GetRowLineRect(0, c.column, &l, &t, &r, &b), c.got) << c.column;
        EXPECT_EQ(l, c.left) << c.column;
    }

    Fixture d(14);
    d.model.LButtonDown(150, 3 * kRow + 5);
    d.model.MouseMove(150, 9 * kRow + 15, true);  // on the partly visible row: scroll down, timer on
    EXPECT_EQ(d.Pos(), (View{1, 10, 9}));
    EXPECT_EQ(d.Take({"timer", "scroll"}), (Log{"scroll 1", "timer 1"}));
    d.model.MouseMove(150, 199, true);  // still down there: the timer does the rest
    for (int i = 0; i < 8; ++i)
        d.model.Timer();
    EXPECT_EQ(d.Pos(), (View{5, 14, 13}));  // the last view ends with the empty row after the data
    d.model.MouseMove(150, 50, true);       // back inside: timer off, cursor follows
    EXPECT_EQ(d.Pos(), (View{5, 14, 7}));
    d.model.LButtonUp();
    EXPECT_EQ(d.Take({"timer", "capture"}), (Log{"timer 0", "capture 0"}));
    d.model.LButtonDown(150, 65);
    d.model.MouseMove(150, -5, true);  // above the window: scroll up, timer on; losing the focus stops it
    d.model.KillFocus();
    EXPECT_EQ(d.Take({"timer"}), (Log{"timer 1", "timer 0"}));
}

// Add, delete and update repaint from the row on and leave cursor, view and
// selection; the owner answers the more-data message with ten rows more, and
// with no more once it has 30: the bar gets the new range and keeps its
// position, and only the end of the new data asks again.
TEST(MtrxModelData, ChangesRepaintFromTheRowOnAndMoreDataGrowsTheDataUntilNoMore)
{
    Fixture f(100);
    f.Select(3, {12});
    f.model.VScroll(M::kThumbPosition, 10);
    f.log.clear();
    for (long added : {13, 5, 30})  // 30, below the view: no repaint
        f.model.AddData(added);
    f.model.UpdateDraw(12);
    f.model.DeleteData(19);
    f.model.DeleteData(99);
    EXPECT_EQ(f.Take(), (Log{"range 92", "pos 10", "band 0 60 300 200", "range 93", "pos 10", "band 0 0 300 200",
                             "range 94", "pos 10", "pos 10", "band 0 40 300 60", "range 93", "pos 10",
                             "band 0 180 300 200", "range 92", "pos 10"}));
    EXPECT_EQ(std::make_tuple(f.model.Count(), f.Pos(), f.List()),
              std::make_tuple(101L, View{10, 19, 12}, View{12, -1, -1}));

    Fixture m(20, 0, [](MtrxInitArgs& a) { a.moreData = 1; });
    m.more = [&] { m.model.ExchangeDataCount(m.model.Count() + 10, m.model.Count() >= 30); };
    // Page after page: what the owner is asked for and does, and the view after.
    const std::pair<Log, View> pages[] = {
        {{}, {9, 18, 9}}, {{"send more 0 0", "rangekeep 30", "invalidate 1"}, {11, 20, 11}}, {{}, {20, 29, 20}},
        {{"send more 0 0", "rangekeep 40", "invalidate 1"}, {21, 30, 21}}, {{}, {30, 39, 30}}, {{}, {31, 40, 31}}};
    for (const auto& page : pages) {
        m.model.KeyDown(M::kKeyPageDown);
        EXPECT_EQ(std::make_pair(m.Take({"send more", "rangekeep", "invalidate"}), m.Pos()), page) << &page - pages;
    }
    // More data off from the start, its message given: an exchange without
    // no-more leaves it off; a shrink leaves cursor and view where they were.
    Fixture off(40);
    off.model.VScroll(M::kThumbPosition, 31);
    off.model.ExchangeDataCount(25, 0);
    EXPECT_EQ(off.Take({"rangekeep", "invalidate"}), (Log{"rangekeep 25", "invalidate 1"}));
    EXPECT_EQ(off.Pos(), (View{31, 40, 0}));
    off.model.VScroll(M::kThumbPosition, 16);
    EXPECT_EQ(std::make_pair(off.Take({"send more"}), off.Pos()), std::make_pair(Log{}, View{16, 25, 0}));
}

TEST(MtrxModelFocus, FocusCursorMode)
{
    Fixture f(100, 0, [](MtrxInitArgs& a) { a.focusCursor = 1; });
    EXPECT_EQ(f.Keys({M::kKeyDown}), (Log{"erase 0", "send sel 0 0"}));  // no focus: the frame is not drawn
    f.model.SetFocus(false);                                            // NaSetFocus: no focus message
    f.model.KillFocus();
    f.model.SetFocus(true);
    EXPECT_EQ(f.log, (Log{"draw 1", "erase 1", "send focus 0 0", "draw 1"}));
}

// Select mode, capacity 3: rows marked and unmarked by Space, then a click in
// the select-button column and a drag over five rows, with and without Ctrl.
TEST(MtrxModelSelect, SpaceClickAndDragAtCapacityWithAndWithoutCtrl)
{
    Fixture f(100);
    f.Select(3, {2});
    EXPECT_EQ(f.List(), (View{2, -1, -1}));
    EXPECT_EQ(f.Space(5), (Log{"erase 2", "draw 5", "erase 5", "invert 5", "send added 0 0"}));
    f.Space(6);
    // Marked: unmarked, later entries move up.
    EXPECT_EQ(f.Space(2, {"invert", "send"}), (Log{"invert 2"}));
    EXPECT_EQ(f.List(), (View{5, 6, -1}));
    f.Space(5);
    EXPECT_EQ(f.Space(6, {"invert", "send"}), (Log{"invert 6", "send emptied 0 0"}));
    EXPECT_FALSE(f.model.Marking());

    Fixture withCtrl(100);
    withCtrl.Select(3, {7, 8});
    withCtrl.Keys({M::kKeyCtrl});
    withCtrl.Drag(5, 0, 4);
    EXPECT_EQ(withCtrl.Take({"invert", "send emptied"}), (Log{"invert 0"}));  // only the clicked row is marked
    withCtrl.model.LButtonUp();
    EXPECT_EQ(withCtrl.List(), (View{7, 8, 0}));
    EXPECT_EQ(withCtrl.Take({"send added"}), (Log{"send added 0 0"}));
    withCtrl.model.LButtonDown(5, 2 * kRow + 5);  // full: a click in the column marks nothing
    EXPECT_EQ(withCtrl.Take({"invert"}), Log{});

    Fixture without(100);
    without.Select(3, {7, 8});
    without.log.clear();
    without.Drag(5, 0, 4);
    EXPECT_EQ(without.Take({"invert", "send"}),
              (Log{"invert 7", "invert 8", "send emptied 0 0", "invert 0", "send sel 0 8", "invert 1",
                   "send sel 0 0", "invert 2", "send sel 0 1", "send sel 0 2", "send sel 0 3"}));
    without.model.MouseMove(5, kRow + 5, true);  // back up one row: the end row leaves the range
    without.model.LButtonUp();
    EXPECT_EQ(without.List(), (View{0, 1, -1}));
    // A click right of the button column clears the marks and moves on.
    without.log.clear();
    without.model.LButtonDown(100, 3 * kRow + 5);
    EXPECT_EQ(without.Take({"invert", "send"}), (Log{"invert 0", "invert 1", "send emptied 0 0", "send sel 0 1"}));
    EXPECT_EQ(without.list[0], -1);
}

} // namespace
