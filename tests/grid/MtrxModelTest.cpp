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

// An event: 'k' key a down (with kUp: its release); at (a, b) 'd' a press, 'c' a double click, 'm' a move with
// the button down; 'u' the button's release; 't' a timer tick; 'w' the wheel by a; 's' scroll code a at position
// b; 'r' SetCurSel(a, notify b, to the top c, show d); 'f' the focus gained (a: notify); 'l' the focus lost;
// row a 'a' added, 'x' deleted, 'p' updated; 'e' the data count exchanged for a (no more data: b).
struct Ev { char kind; long a = 0, b = 0, c = 0, d = 0; };

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
    Log Take(const std::vector<const char*>& words = {})
    {
        Log kept;
        for (const std::string& e : log)
            if (words.empty() || std::any_of(words.begin(), words.end(), [&](auto w) { return !e.rfind(w, 0); }))
                kept.push_back(e);
        log.clear();
        return kept;
    }
    View Pos() const { return {model.Top(), model.Bottom(), model.Current()}; }
    void Do(const Ev& e)
    {
        int x = static_cast<int>(e.a), y = static_cast<int>(e.b);
        unsigned key = static_cast<unsigned>(e.a);
        switch (e.kind) {
        case 'k': (key & kUp) != 0 ? model.KeyUp(key & ~kUp) : model.KeyDown(key); break;
        case 'd': model.LButtonDown(x, y); break;
        case 'c': model.LButtonDblClk(x, y); break;
        case 'm': model.MouseMove(x, y, true); break;
        case 'u': model.LButtonUp(); break;
        case 't': model.Timer(); break;
        case 'w': model.Wheel(x); break;
        case 's': model.VScroll(key, static_cast<unsigned long>(e.b)); break;
        case 'r': model.SetCurSel(e.a, y, static_cast<short>(e.c), static_cast<int>(e.d)); break;
        case 'f': model.SetFocus(e.a != 0); break;
        case 'a': model.AddData(e.a); break;
        case 'x': model.DeleteData(e.a); break;
        case 'p': model.UpdateDraw(e.a); break;
        case 'e': model.ExchangeDataCount(e.a, y); break;
        default: model.KillFocus(); break;
        }
    }
    // One step a row: its events; the log they leave (only the entries that start with one of the words, if
    // any) and the view after (unless none is given).
    struct Step { std::vector<Ev> events; Log log; View view = {}; std::vector<const char*> words = {}; };
    void Run(const std::vector<Step>& steps)
    {
        for (const Step& s : steps) {
            log.clear();
            for (const Ev& e : s.events)
                Do(e);
            EXPECT_EQ(Take(s.words), s.log) << "step " << &s - steps.data();
            if (!s.view.empty()) {
                EXPECT_EQ(lists ? List() : Pos(), s.view) << "step " << &s - steps.data();
            }
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

    // Select mode: the owner's list (which Run then compares instead of the view), rows marked by Space.
    long list[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    bool lists = false;
    void Select(short capacity, std::initializer_list<long> marked = {})
    {
        model.InitSelect(capacity, list, kAddedMsg, kEmptiedMsg);
        lists = true;
        for (long row : marked) {
            Do({'r', row, 0, 0, 1});
            Do({'k', M::kKeySpace});
        }
    }
    View List(int n = 3) const { return View(list, list + n); }
};

// Up and Down at the edges of the view and from outside it, pages; Enter,
// Ctrl, Shift, other keys; SetCurSel; the focus cursor mode.
TEST(MtrxModelKeys, MovesAtTheEdgesOfTheViewAndFromOutsideItKeysToTheOwnerAndTheFocusCursor)
{
    Fixture f(100);
    const Ev down{'k', M::kKeyDown}, up{'k', M::kKeyUp}, pageDown{'k', M::kKeyPageDown}, ctrl{'k', M::kKeyCtrl},
        q{'k', M::kKeyQ};
    // 7 -> 8: the cursor moves; on the second-to-last visible row one row scrolls; the cursor on the top row:
    // one row scrolls back, on row 0 nothing. A cursor below the view (not shown: nothing scrolls) comes back
    // with the view: 40 > 9, the row above shows in the second-to-last row. Pages keep the cursor's row in the
    // view; from below the view to the last page the cursor lands on the empty row after the data.
    // Enter; Ctrl+A (A to the owner); Ctrl+Q and Ctrl+F2 (the frame message); Q alone; Q after Ctrl's release;
    // Shift's release; Space outside select mode (a key). SetCurSel on the partly visible row: one row
    // scrolls, quietly; to the top, without the message.
    f.Run({{{{'r', 7, 0, 0, 1}, down}, {"erase 0", "draw 7", "erase 7", "draw 8", "send sel 0 7"}, {0, 9, 8}},
           {{down}, {"scroll 1", "pos 1", "send sel 1 9", "erase 8", "draw 9"}, {1, 10, 9}},
           {{{'r', 1, 0, 0, 1}, up, up},
            {"erase 9", "draw 1", "scroll -1", "pos 0", "send sel 1 0", "erase 1", "draw 0"}, {0, 9, 0}},
           {{{'r', 40, 0, 0, 0}, up}, {"erase 0", "post sel 0 40", "pos 31", "invalidate 1"}, {31, 40, 39}},
           {{{'s', M::kThumbPosition, 0}, {'r', 3, 0, 0, 1}, pageDown},
            {"scroll -31", "pos 0", "send sel 1 39", "draw 3", "scroll 9", "pos 9", "send sel 1 3", "draw 12",
             "send sel 0 3"}, {9, 18, 12}},
           {{{'k', M::kKeyPageUp}}, {"scroll -9", "pos 0", "send sel 1 12", "draw 3", "send sel 0 12"}, {0, 9, 3}},
           {{{'s', M::kThumbPosition, 85}, {'r', 98, 0, 0, 0}, pageDown},
            {"scroll 85", "pos 85", "send sel 1 3", "scroll 6", "pos 91", "send sel 1 98", "erase 98", "draw 100",
             "send sel 0 98"}, {91, 100, 100}},
           {{{'s', M::kThumbPosition, 0}, {'r', 4, 0, 0, 1}, {'k', M::kKeyEnter}, ctrl, {'k', 'A'}, ctrl, q, ctrl,
             {'k', M::kKeyF2}, q, ctrl, {'k', kUp | M::kKeyCtrl}, q, {'k', kUp | M::kKeyShift}, {'k', M::kKeySpace}},
            {"scroll -91", "pos 0", "send sel 1 100", "draw 4", "send enter 0 4", "send key 65 0", "ctrlq", "ctrlq",
             "send key 81 0", "send key 81 0", "send shift 0 0", "send key 32 0"}, {0, 9, 4}},
           {{{'r', 9, 1, 0, 1}}, {"scroll 1", "pos 1", "erase 4", "draw 9", "send sel 0 4"}, {1, 10, 9}},
           {{{'r', 5, 0, 1, 1}}, {"pos 5", "invalidate 1", "erase 9", "draw 5"}, {5, 14, 5}}});

    Fixture e(0);  // Enter activates with no rows too; Init of a sized, empty list: cursor, top and bottom 0
    e.Run({{{{'k', M::kKeyEnter}}, {"send enter 0 0"}}});
    MtrxInitArgs sized = e.Args(0, 0);
    sized.clientWidth = 300;
    sized.clientHeight = 199;
    e.model.Init(sized);
    e.model.InitSelect(0, nullptr, kAddedMsg, kEmptiedMsg);  // no slots: Space marks nothing
    e.Run({{{{'k', M::kKeySpace}}, {}, {0, 0, 0}}});

    // Focus cursor mode: without the focus the frame is not drawn; NaSetFocus: no focus message.
    Fixture c(100, 0, [](MtrxInitArgs& a) { a.focusCursor = 1; });
    c.Run({{{{'k', M::kKeyDown}}, {"erase 0", "send sel 0 0"}},
           {{{'f', 0}, {'l'}, {'f', 1}}, {"draw 1", "erase 1", "send focus 0 0", "draw 1"}}});
}

// The first position and the scroll range; then tracking off: the box moves,
// the view waits for its release. The more-data message when the bottom
// reaches the data count (the owner is expected to add rows); a released box
// moves the view as well. The wheel: one row per message; the bottom row is
// the empty one after the data: no further.
TEST(MtrxModelScrollBar, FirstPositionCodesThumbTrackingWheelAndMoreData)
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
    Fixture off(100), on(100, 0, [](MtrxInitArgs& a) { a.thumbTrack = 1; });
    off.Run({{{{'s', M::kLineDown}}, {"scroll 1", "pos 1", "send sel 1 0"}, {1, 10, 0}},
             {{{'s', M::kLineUp}}, {"scroll -1", "pos 0", "send sel 1 0"}, {0, 9, 0}},
             {{{'s', M::kPageDown}}, {"scroll 9", "pos 9", "send sel 1 0"}, {9, 18, 0}},
             {{{'s', M::kThumbTrack, 40}}, {}, {9, 18, 0}},
             {{{'s', M::kThumbPosition, 40}}, {"scroll 31", "pos 40", "send sel 1 0"}, {40, 49, 0}},
             {{{'s', M::kPageUp}}, {"scroll -9", "pos 31", "send sel 1 0"}, {31, 40, 0}},
             {{{'s', M::kThumbPosition, 91}}, {"scroll 60", "pos 91", "send sel 1 0"}, {91, 100, 0}},
             {{{'s', M::kLineDown}}, {}, {91, 100, 0}}});
    on.Run({{{{'s', M::kThumbTrack, 40}}, {"scroll 40", "pos 40", "send sel 1 0"}, {40, 49, 0}},
            {{{'s', M::kThumbTrack, 95}}, {}, {40, 49, 0}}});
    Fixture f(20, 0, [](MtrxInitArgs& a) { a.moreData = 1; });
    f.Run({{{{'s', M::kThumbPosition, 11}}, {"send more 0 0", "scroll 11", "pos 11", "send sel 1 0"}, {11, 20, 0}},
           {{{'w', 120}}, {"scroll -1", "pos 10", "send sel 1 0"}, {10, 19, 0}},
           {{{'w', -240}}, {"send more 0 0"}, {11, 20, 0}}});
}

// Clicks, double clicks, the append row and cell rectangles; dragging that
// scrolls with the timer.
TEST(MtrxModelMouse, ClicksCellRectanglesAndDraggingWithTheTimer)
{
    Fixture f(100);
    // The partly visible last row: one row scrolls, the clicked row is current.
    f.Run({{{{'d', 50, 9 * kRow + 5}}, {"focus", "scroll 1", "pos 1", "send sel 1 0", "draw 9", "send sel 0 0",
                                      "capture 1"}, {1, 10, 9}}});

    Fixture cells(5, 0, [](MtrxInitArgs& a) { a.cellMsg = kCellMsg; });  // clicks on cells do not drag
    // Row 2, cell 1; a double click; the row after the data.
    cells.Run({{{{'d', 150, 2 * kRow + 5}, {'c', 250, 3 * kRow + 5}, {'d', 10, 5 * kRow + 5}},
                {"focus", "erase 0", "draw 2", "send sel 0 0", "send cell 1 2", "focus", "erase 2", "draw 3",
                 "send sel 0 2", "send cell 2 3", "send enter 1 3", "send append 0 0"}}});

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

    // On the partly visible row: scroll down, timer on; still down there: the timer does the rest (the last
    // view ends with the empty row after the data); back inside: timer off, cursor follows. Above the window:
    // scroll up, timer on; losing the focus stops it.
    Fixture d(14);
    const Ev tick{'t'};
    d.Run({{{{'d', 150, 3 * kRow + 5}, {'m', 150, 9 * kRow + 15}}, {"scroll 1", "timer 1"}, {1, 10, 9},
            {"timer", "scroll"}},
           {{{'m', 150, 199}, tick, tick, tick, tick, tick, tick, tick, tick},
            {"scroll 1", "scroll 1", "scroll 1", "scroll 1"}, {5, 14, 13}, {"timer", "scroll"}},
           {{{'m', 150, 50}, {'u'}}, {"timer 0", "capture 0"}, {5, 14, 7}, {"timer", "capture"}},
           {{{'d', 150, 65}, {'m', 150, -5}, {'l'}}, {"timer 1", "timer 0"}, {}, {"timer"}}});
}

TEST(MtrxModelData, ChangesRepaintFromTheRowOnAndMoreDataGrowsTheDataUntilNoMore)
{
    Fixture f(100);
    f.Select(3, {12});
    f.model.VScroll(M::kThumbPosition, 10);
    f.Run({{{{'a', 13}, {'a', 5}, {'a', 30}, {'p', 12}, {'x', 19}, {'x', 99}},  // 30, below the view: no repaint
            {"range 92", "pos 10", "band 0 60 300 200", "range 93", "pos 10", "band 0 0 300 200", "range 94", "pos 10",
             "pos 10", "band 0 40 300 60", "range 93", "pos 10", "band 0 180 300 200", "range 92", "pos 10"},
            {12, -1, -1}}});
    EXPECT_EQ(std::make_pair(f.model.Count(), f.Pos()), std::make_pair(101L, View{10, 19, 12}));

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
    off.Run({{{{'s', M::kThumbPosition, 31}, {'e', 25, 0}}, {"rangekeep 25", "invalidate 1"}, {31, 40, 0},
              {"rangekeep", "invalidate"}},
             {{{'s', M::kThumbPosition, 16}}, {}, {16, 25, 0}, {"send more"}}});
}

// Select mode, capacity 3: rows marked and unmarked by Space (a marked row
// unmarked, later entries move up), then a click in the select-button column
// and a drag over five rows, with and without Ctrl.
TEST(MtrxModelSelect, SpaceClickAndDragAtCapacityWithAndWithoutCtrl)
{
    const Ev space{'k', M::kKeySpace};
    const std::vector<Ev> drag = {{'d', 5, 5}, {'m', 5, 25}, {'m', 5, 45}, {'m', 5, 65}, {'m', 5, 85}};
    Fixture f(100);
    f.Select(3, {2});
    f.Run({{{}, {}, {2, -1, -1}},
           {{{'r', 5, 0, 0, 1}, space}, {"erase 2", "draw 5", "erase 5", "invert 5", "send added 0 0"}, {2, 5, -1}},
           {{{'r', 6, 0, 0, 1}, space, {'r', 2, 0, 0, 1}, space}, {"invert 6", "send added 0 0", "invert 2"},
            {5, 6, -1}, {"invert", "send"}},
           {{{'r', 5, 0, 0, 1}, space, {'r', 6, 0, 0, 1}, space}, {"invert 5", "invert 6", "send emptied 0 0"},
            {-1, -1, -1}, {"invert", "send"}}});
    EXPECT_FALSE(f.model.Marking());

    // With Ctrl only the clicked row is marked; full, a click in the column marks nothing.
    Fixture withCtrl(100);
    withCtrl.Select(3, {7, 8});
    std::vector<Ev> ctrlDrag = drag;
    ctrlDrag.insert(ctrlDrag.begin(), {'k', M::kKeyCtrl});
    withCtrl.Run({{ctrlDrag, {"invert 0"}, {7, 8, -1}, {"invert", "send emptied"}},
                  {{{'u'}}, {"send added 0 0"}, {7, 8, 0}, {"send added"}},
                  {{{'d', 5, 2 * kRow + 5}}, {}, {7, 8, 0}, {"invert"}}});

    // Without, the marks go; back up one row, the end row leaves the range. A click right of the button column
    // clears the marks and moves on.
    Fixture without(100);
    without.Select(3, {7, 8});
    without.Run({{drag, {"invert 7", "invert 8", "send emptied 0 0", "invert 0", "send sel 0 8", "invert 1",
                         "send sel 0 0", "invert 2", "send sel 0 1", "send sel 0 2", "send sel 0 3"}, {-1, -1, -1},
                  {"invert", "send"}},
                 {{{'m', 5, kRow + 5}, {'u'}}, {"invert 2", "send sel 0 4", "send added 0 0", "send added 0 0"},
                  {0, 1, -1}, {"invert", "send"}},
                 {{{'d', 100, 3 * kRow + 5}}, {"invert 0", "invert 1", "send emptied 0 0", "send sel 0 1"},
                  {-1, -1, -1}, {"invert", "send"}}});
}

} // namespace
