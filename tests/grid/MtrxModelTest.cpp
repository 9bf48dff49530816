// The matrix list's view model driven by events, with what it asks of its
// window written down: positions after each rule, the owner messages with
// their parameters, scrolling, cursor frames, marks, capture and timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/CMtrxModel.h"

namespace {

enum : unsigned {
    kRowMsg = 0x500, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, kCellMsg, kFocusMsg, kAppendMsg, kMoreMsg,
    kShiftMsg, kAddedMsg, kEmptiedMsg
};

// A sink that writes down everything the model asks of its window, as short
// texts ("send sel 0 5", "scroll 1").
class RecordingSink : public CMtrxModelSink {
public:
    std::vector<std::string> log;

    void Clear() { log.clear(); }
    void SendOwner(unsigned m, uintptr_t w, intptr_t l) override { Add(("send " + Name(m)).c_str(), w, l); }
    void PostOwner(unsigned m, uintptr_t w, intptr_t l) override { Add(("post " + Name(m)).c_str(), w, l); }
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

    // Only the entries that start with one of the words.
    std::vector<std::string> Only(std::initializer_list<const char*> words) const
    {
        std::vector<std::string> kept;
        for (const std::string& entry : log) {
            for (const char* word : words) {
                if (entry.compare(0, std::string(word).size() + 1, std::string(word) + " ") == 0 || entry == word)
                    kept.push_back(entry);
            }
        }
        return kept;
    }

private:
    static std::string Name(unsigned m)
    {
        static const char* const names[] = {"row", "enter", "key", "sel", "rbutton", "cell", "focus", "append",
                                            "more", "shift", "added", "emptied"};
        return m >= kRowMsg && m <= kEmptiedMsg ? names[m - kRowMsg] : "?";
    }

    template <typename... T>
    void Add(const char* what, T... values)
    {
        std::string entry = what;
        for (long long value : {static_cast<long long>(values)...})
            entry += " " + std::to_string(value);
        log.push_back(entry);
    }
};

// Rows 20 pixels high (character height 14), 10 visible rows unless told.
struct ModelFixture {
    RecordingSink sink;
    CMtrxModel model{&sink};

    MtrxInitArgs Args(long count, short startAtEnd = 0)
    {
        MtrxInitArgs args;
        args.count = count;
        args.startAtEnd = startAtEnd;
        args.lines = 1;
        args.maxColumns = 3;
        args.charHeight = 14;
        args.aveCharWidth = 8;
        unsigned* messages[] = {&args.rowMsg, &args.enterMsg, &args.keyMsg, &args.selMsg, &args.rButtonMsg};
        for (unsigned i = 0; i < 5; ++i)
            *messages[i] = kRowMsg + i;
        args.focusMsg = kFocusMsg;
        return args;
    }

    // The log since the last call.
    std::vector<std::string> Take()
    {
        std::vector<std::string> got;
        got.swap(sink.log);
        return got;
    }
    // Key presses in order; kUp marks a release.
    static const unsigned kUp = 0x1000;
    void Keys(std::initializer_list<unsigned> keys)
    {
        for (unsigned key : keys)
            (key & kUp) != 0 ? model.KeyUp(key & ~kUp) : model.KeyDown(key);
    }

    // Init, then the first sizing to 300 x (rows x 20 - 1): `rows` visible rows.
    void Start(const MtrxInitArgs& args, int rows = 10)
    {
        model.Init(args);
        model.Size(300, rows * 20 - 1);
        short counts[4] = {4, 0, 0, 0};
        short xs[4] = {0, 100, 200, 299};
        short aligns[3] = {1, 2, 0};
        const short* positions[4] = {xs, nullptr, nullptr, nullptr};
        const short* alignments[4] = {aligns, nullptr, nullptr, nullptr};
        short alignCounts[4] = {3, 0, 0, 0};
        model.SetColumnLayout(1, counts, positions, alignCounts, alignments);
        sink.Clear();
    }
};

using Log = std::vector<std::string>;

struct View {
    long top, bottom, current;
};

void ExpectView(const CMtrxModel& m, View v)
{
    EXPECT_EQ(m.Top(), v.top);
    EXPECT_EQ(m.Bottom(), v.bottom);
    EXPECT_EQ(m.Current(), v.current);
}

TEST(MtrxModelStart, FirstPositionAndScrollBar)
{
    struct Case {
        long count;
        short startAtEnd;
        View view;
        long range;
    } cases[] = {
        {100, 0, {0, 9, 0}, 91},
        // The last row moves up to the second-to-last visible row.
        {25, 1, {16, 25, 24}, 16},
        {30, 1, {21, 30, 29}, 21},
        {5, 1, {0, 9, 4}, -4},
        // A range of 0 would hide the scroll box: 1 instead.
        {9, 0, {0, 9, 0}, 1},
        {0, 1, {0, 9, 0}, -9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        ModelFixture f;
        f.model.Init(f.Args(c.count, c.startAtEnd));
        f.model.Size(300, 199);
        EXPECT_EQ(f.model.VisibleRows(), 10);
        ExpectView(f.model, c.view);
        EXPECT_EQ(f.sink.log, (Log{"range " + std::to_string(c.range), "pos " + std::to_string(c.view.top)}));
    }
}

TEST(MtrxModelStart, InitWithAClientAreaAndLaterSizings)
{
    ModelFixture f;
    MtrxInitArgs args = f.Args(25, 1);
    args.clientWidth = 300;
    args.clientHeight = 180;  // (180 + 1) / 20 + 1 = 10 rows
    args.lines = 2;           // rows of (14 + 6) x 2 pixels
    args.charHeight = 4;
    f.model.Init(args);
    EXPECT_EQ(f.model.RowHeight(), 20);
    EXPECT_EQ(f.model.VisibleRows(), 10);
    ExpectView(f.model, {16, 25, 24});
    EXPECT_EQ(f.sink.log, (Log{"range 16", "pos 16", "invalidate 0"}));
    // A later sizing keeps top and current; the drawing area loses a pixel.
    f.model.Size(300, 199);  // first sizing (the flag was clear)
    f.model.Size(250, 101);  // ceil(101 / 20) = 6
    EXPECT_EQ(f.model.VisibleRows(), 6);
    EXPECT_EQ(f.model.AreaRight(), 249);
    ExpectView(f.model, {16, 21, 24});
    f.model.Size(0, 100);  // hidden: nothing changes, the next sizing is a first one
    f.model.Size(300, 60); // (60 + 1) / 20 rounded up = 4, initial position again
    ExpectView(f.model, {22, 25, 24});
}

TEST(MtrxModelKeys, DownAndUpAtTheEdgesOfTheView)
{
    ModelFixture f;
    f.Start(f.Args(100));
    f.Keys({0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28});
    f.sink.Clear();
    f.model.KeyDown(0x28);  // 7 -> 8: the cursor moves
    EXPECT_EQ(f.Take(), (Log{"erase 7", "draw 8", "send sel 0 7"}));
    f.model.KeyDown(0x28);  // on the second-to-last visible row: one row scrolls
    ExpectView(f.model, {1, 10, 9});
    EXPECT_EQ(f.Take(), (Log{"scroll 1", "pos 1", "send sel 1 9", "erase 8", "draw 9"}));
    f.Keys({0x26, 0x26, 0x26, 0x26, 0x26, 0x26, 0x26, 0x26});  // cursor moves up to the top row
    ExpectView(f.model, {1, 10, 1});
    f.sink.Clear();
    f.model.KeyDown(0x26);  // on the top row: one row scrolls back
    ExpectView(f.model, {0, 9, 0});
    EXPECT_EQ(f.Take(), (Log{"scroll -1", "pos 0", "send sel 1 0", "erase 1", "draw 0"}));
    f.model.KeyDown(0x26);  // row 0: nothing
    EXPECT_TRUE(f.sink.log.empty());

    ModelFixture end;
    end.Start(end.Args(25, 1));
    end.model.KeyDown(0x28);  // the last data row: nothing
    ExpectView(end.model, {16, 25, 24});
    EXPECT_TRUE(end.sink.log.empty());
}

TEST(MtrxModelKeys, CursorOutsideTheViewComesBackWithTheView)
{
    ModelFixture f;
    f.Start(f.Args(100));
    f.model.VScroll(CMtrxModel::kThumbPosition, 50);  // the cursor (0) is now above the view
    f.sink.Clear();
    f.model.KeyDown(0x28);  // 0 < 50 - 1: the view jumps to the new row
    ExpectView(f.model, {1, 10, 1});
    EXPECT_EQ(f.Take(), (Log{"post sel 0 0", "pos 1", "invalidate 1"}));
    f.model.VScroll(CMtrxModel::kThumbPosition, 0);
    f.model.SetCurSel(40, 0, 0, 0);  // below the view, nothing scrolls
    f.Take();
    f.model.KeyDown(0x26);  // 40 > 9: the row above shows in the second-to-last row
    ExpectView(f.model, {31, 40, 39});
    EXPECT_EQ(f.sink.log, (Log{"post sel 0 40", "pos 31", "invalidate 1"}));
}

TEST(MtrxModelKeys, PagesKeepTheCursorsRowInTheView)
{
    ModelFixture f;
    f.Start(f.Args(100));
    f.model.SetCurSel(3, 0, 0, 1);
    f.sink.Clear();
    f.model.KeyDown(0x22);
    ExpectView(f.model, {9, 18, 12});
    EXPECT_EQ(f.sink.log, (Log{"scroll 9", "pos 9", "send sel 1 3", "draw 12", "send sel 0 3"}));
    for (int i = 0; i < 12; ++i)
        f.model.PageNext();
    // The last page ends with the empty row after the data.
    ExpectView(f.model, {91, 100, 94});
    f.model.SetCurSel(99, 0, 0, 1);
    f.model.PagePrev();
    ExpectView(f.model, {82, 91, 90});
    f.model.SetCurSel(85, 0, 0, 1);
    f.model.VScroll(CMtrxModel::kPageUp, 0);
    f.model.VScroll(CMtrxModel::kPageUp, 0);  // cursor now below the view: its row is the last one
    ExpectView(f.model, {64, 73, 85});
    f.model.KeyDown(0x21);
    ExpectView(f.model, {55, 64, 64});
}

TEST(MtrxModelKeys, EnterCtrlShiftAndPassThrough)
{
    ModelFixture f;
    MtrxInitArgs args = f.Args(100);
    args.shiftUpMsg = kShiftMsg;
    f.Start(args);
    f.model.SetCurSel(4, 0, 0, 1);
    f.sink.Clear();
    // Enter; Ctrl+A (A to the owner); Ctrl+Q and Ctrl+F2 (the frame message); Q alone;
    // Q after Ctrl's release; Shift's release; Space outside select mode (a key).
    const unsigned up = ModelFixture::kUp;
    f.Keys({0x0D, 0x11, 0x41, 0x11, 0x51, 0x11, 0x71, 0x51, 0x11, up | 0x11, 0x51, up | 0x10, 0x20});
    EXPECT_EQ(f.sink.log, (Log{"send enter 0 4", "send key 65 0", "ctrlq", "ctrlq", "send key 81 0", "send key 81 0",
                               "send shift 0 0", "send key 32 0"}));

    ModelFixture through;
    args.keyThrough = 1;
    through.Start(args);
    for (unsigned key : {0x0D, 0x21, 0x22, 0x26, 0x28})
        through.model.KeyDown(key);
    ExpectView(through.model, {0, 9, 0});
    EXPECT_EQ(through.sink.log,
              (Log{"send key 13 0", "send key 33 0", "send key 34 0", "send key 38 0", "send key 40 0"}));
}

TEST(MtrxModelScrollBar, CodesThumbTrackingAndMoreData)
{
    struct Step {
        unsigned code;
        unsigned long pos;
        View view;
    };
    auto run = [](short thumbTrack, std::initializer_list<Step> steps) {
        ModelFixture f;
        MtrxInitArgs args = f.Args(100);
        args.thumbTrack = thumbTrack;
        f.Start(args);
        for (const Step& s : steps) {
            SCOPED_TRACE(s.code * 1000 + s.pos);
            f.model.VScroll(s.code, s.pos);
            ExpectView(f.model, s.view);
        }
    };
    run(0, {{CMtrxModel::kLineDown, 0, {1, 10, 0}},
            {CMtrxModel::kLineUp, 0, {0, 9, 0}},
            {CMtrxModel::kLineUp, 0, {0, 9, 0}},
            {CMtrxModel::kPageDown, 0, {9, 18, 0}},
            {CMtrxModel::kPageUp, 0, {0, 9, 0}},
            // Tracking off: the box moves, the view waits for its release.
            {CMtrxModel::kThumbTrack, 40, {0, 9, 0}},
            {CMtrxModel::kThumbPosition, 40, {40, 49, 0}},
            {CMtrxModel::kPageUp, 0, {31, 40, 0}},
            {CMtrxModel::kThumbPosition, 91, {91, 100, 0}},
            {CMtrxModel::kLineDown, 0, {91, 100, 0}},
            // Past the end, and a position that would wrap: ignored.
            {CMtrxModel::kThumbPosition, 92, {91, 100, 0}},
            {CMtrxModel::kThumbPosition, 0xFFFFFFFFul, {91, 100, 0}},
            {CMtrxModel::kPageDown, 0, {91, 100, 0}},
            {8, 0, {91, 100, 0}}});
    run(1, {{CMtrxModel::kThumbTrack, 40, {40, 49, 0}}, {CMtrxModel::kThumbTrack, 95, {40, 49, 0}}});

    // The more-data message when the bottom reaches the data count; the
    // view is not scrolled then (the owner is expected to add rows).
    ModelFixture f;
    MtrxInitArgs args = f.Args(20);
    args.moreData = 1;
    args.moreDataMsg = kMoreMsg;
    f.Start(args);
    f.model.VScroll(CMtrxModel::kPageDown, 0);
    f.sink.Clear();
    f.model.VScroll(CMtrxModel::kPageDown, 0);
    EXPECT_EQ(f.Take(), (Log{"send more 0 0"}));
    f.model.VScroll(CMtrxModel::kThumbPosition, 0);
    f.sink.Clear();
    f.model.VScroll(CMtrxModel::kThumbPosition, 11);  // released box: the view follows as well
    EXPECT_EQ(f.Take(), (Log{"send more 0 0", "scroll 11", "pos 11", "send sel 1 0"}));
    f.model.ExchangeDataCount(40, 1);  // no more data from now on
    f.Take();
    f.model.VScroll(CMtrxModel::kThumbPosition, 31);
    EXPECT_EQ(f.sink.Only({"send"}), (Log{"send sel 1 0"}));
    // The wheel: one row per message.
    f.model.Wheel(120);
    EXPECT_EQ(f.model.Top(), 30);
    f.model.Wheel(-120);
    f.model.Wheel(-240);  // the bottom row is the empty one after the data: no further
    EXPECT_EQ(f.model.Top(), 31);
}

TEST(MtrxModelMouse, ClicksDoubleClicksAndTheAppendRow)
{
    ModelFixture f;
    MtrxInitArgs args = f.Args(100);
    f.Start(args);
    // The partly visible last row: one row scrolls, the clicked row is current.
    f.model.LButtonDown(50, 185);
    ExpectView(f.model, {1, 10, 9});
    EXPECT_EQ(f.sink.log, (Log{"focus", "scroll 1", "pos 1", "send sel 1 0", "draw 9", "send sel 0 0", "capture 1"}));
    EXPECT_TRUE(f.model.Dragging());
    f.model.LButtonUp();
    EXPECT_FALSE(f.model.Dragging());

    ModelFixture cells;
    args.cellMsg = kCellMsg;
    args.appendMsg = kAppendMsg;
    args.count = 5;
    cells.Start(args);
    cells.model.LButtonDown(150, 45);  // row 2, cell 1
    cells.model.LButtonDblClk(250, 65);
    cells.model.LButtonDown(10, 105);  // the row after the data
    cells.model.LButtonDblClk(10, 105);
    cells.model.LButtonDown(10, 125);  // below it: nothing
    EXPECT_EQ(cells.sink.log, (Log{"focus", "erase 0", "draw 2", "send sel 0 0", "send cell 1 2", "focus", "erase 2",
                                   "draw 3", "send sel 0 2", "send cell 2 3", "send enter 1 3", "send append 0 0",
                                   "send append 0 0"}));
    EXPECT_FALSE(cells.model.Dragging());
}

TEST(MtrxModelMouse, HitTestsAndCellRectangles)
{
    ModelFixture f;
    MtrxInitArgs args = f.Args(100);
    args.lines = 2;
    args.charHeight = 14;  // rows of 40 pixels, lines of 20
    f.model.Init(args);
    f.model.Size(300, 399);
    short counts[4] = {4, 2, 0, 0};
    short xs0[4] = {0, 100, 200, 299};
    short xs1[2] = {0, 299};
    short aligns[3] = {1, 2, 16};
    const short* positions[4] = {xs0, xs1, nullptr, nullptr};
    const short* alignments[4] = {aligns, aligns, nullptr, nullptr};
    short alignCounts[4] = {3, 1, 0, 0};
    f.model.SetColumnLayout(2, counts, positions, alignCounts, alignments);
    EXPECT_EQ(f.model.Alignments(0)[2], 0);  // the stretch flag is dropped
    struct Hit {
        int x, y, hit;
    } hits[] = {{0, 0, 0}, {99, 5, 0}, {100, 5, 1}, {298, 19, 2}, {299, 5, 0}, {150, 20, 100}, {150, 79, 100},
                {-3, 45, 0}};
    for (const Hit& h : hits)
        EXPECT_EQ(f.model.CellHit(h.x, h.y), h.hit) << h.x << "," << h.y;

    f.model.SetCurSel(2, 0, 0, 1);
    int l, t, r, b;
    ASSERT_TRUE(f.model.GetRowLineRect(1, 0, &l, &t, &r, &b));
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{2, 103, 299, 118}));
    ASSERT_TRUE(f.model.GetRowLineRect(0, 2, &l, &t, &r, &b));
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{202, 83, 299, 98}));
    EXPECT_FALSE(f.model.GetRowLineRect(0, 3, &l, &t, &r, &b));
    EXPECT_FALSE(f.model.GetRowLineRect(1, 1, &l, &t, &r, &b));
    EXPECT_FALSE(f.model.GetRowLineRect(4, 0, &l, &t, &r, &b));
    EXPECT_FALSE(f.model.GetRowLineRect(0, -1, &l, &t, &r, &b));
    // With columns scrolled: frozen 1, first scrolled 2 shows column 2 at display column 1.
    f.model.SetHScroll(1);
    f.model.SetScrollColumn(2, 3);
    EXPECT_EQ(f.model.GetCurRow(), 2);
    ASSERT_TRUE(f.model.GetRowLineRect(0, 2, &l, &t, &r, &b));
    EXPECT_EQ(l, 102);
    EXPECT_FALSE(f.model.GetRowLineRect(0, 5, &l, &t, &r, &b));
    f.model.VScroll(CMtrxModel::kThumbPosition, 50);  // the current row is off the view
    EXPECT_FALSE(f.model.GetRowLineRect(0, 0, &l, &t, &r, &b));
}

TEST(MtrxModelMouse, DraggingScrollsWithTheTimer)
{
    ModelFixture f;
    f.Start(f.Args(14));
    f.model.LButtonDown(150, 65);
    f.sink.Clear();
    f.model.MouseMove(150, 195, true);  // on the partly visible row: scroll down, timer on
    ExpectView(f.model, {1, 10, 9});
    EXPECT_EQ(f.sink.Only({"timer", "scroll"}), (Log{"scroll 1", "timer 1"}));
    f.model.MouseMove(150, 199, true);  // still down there: the timer does the rest
    for (int i = 0; i < 8; ++i)
        f.model.Timer();
    // The last view ends with the empty row after the data.
    ExpectView(f.model, {5, 14, 13});
    f.model.MouseMove(150, 50, true);  // back inside: timer off, cursor follows
    ExpectView(f.model, {5, 14, 7});
    f.model.MouseMove(150, -1, true);  // above: scroll up
    for (int i = 0; i < 4; ++i)
        f.model.Timer();
    ExpectView(f.model, {0, 9, 0});
    f.model.Timer();  // at the top the timer keeps running and nothing moves
    ExpectView(f.model, {0, 9, 0});
    f.sink.Clear();
    f.model.LButtonUp();
    EXPECT_EQ(f.sink.log, (Log{"timer 0", "capture 0"}));
    // A move with the button up ends the drag.
    f.model.LButtonDown(150, 65);
    f.sink.Clear();
    f.model.MouseMove(150, 85, false);
    EXPECT_EQ(f.sink.log, (Log{"capture 0"}));
}

TEST(MtrxModelData, AddDeleteUpdateAndExchange)
{
    ModelFixture f;
    f.Start(f.Args(100));
    f.model.VScroll(CMtrxModel::kThumbPosition, 10);
    f.sink.Clear();
    f.model.AddData(13);
    f.model.AddData(5);
    f.model.AddData(30);  // below the view: no repaint
    f.model.UpdateDraw(12);
    f.model.UpdateDraw(30);
    f.model.DeleteData(19);
    EXPECT_EQ(f.sink.log, (Log{"range 92", "pos 10", "band 0 60 300 200", "range 93", "pos 10", "band 0 0 300 200",
                               "range 94", "pos 10", "pos 10", "band 0 40 300 60", "range 93", "pos 10",
                               "band 0 180 300 200"}));
    EXPECT_EQ(f.model.Count(), 102);
    // A shrinking count keeps the cursor on the data.
    f.model.SetCurSel(15, 0, 0, 1);
    f.sink.Clear();
    f.model.ExchangeDataCount(8, 1);
    // The view was wholly past the new end: it shows the data again.
    EXPECT_EQ(f.sink.log, (Log{"pos 0", "rangekeep 8", "invalidate 1"}));
    ExpectView(f.model, {0, 9, 7});
    EXPECT_EQ(f.model.NoMoreData(), 1);
    f.model.SetCurSel(8, 1, 0, 1);  // out of the data: ignored
    EXPECT_EQ(f.model.Current(), 7);
    for (int i = 0; i < 10; ++i)
        f.model.DeleteData(0);
    EXPECT_EQ(f.model.Count(), 0);
    EXPECT_EQ(f.model.Current(), 0);
    f.sink.Clear();
    f.model.VScroll(CMtrxModel::kLineDown, 0);  // nothing to scroll
    f.model.KeyDown(0x28);
    EXPECT_TRUE(f.sink.log.empty());
}

TEST(MtrxModelCursor, SetCurSelRules)
{
    ModelFixture f;
    f.Start(f.Args(100));
    f.model.SetCurSel(50, 1, 0, 0);  // off the view, not shown: no scroll
    ExpectView(f.model, {0, 9, 50});
    EXPECT_EQ(f.Take(), (Log{"erase 0", "send sel 0 0"}));
    f.model.SetCurSel(9, 1, 0, 1);  // the partly visible row: one row scrolls, quietly
    ExpectView(f.model, {1, 10, 9});
    EXPECT_EQ(f.Take(), (Log{"scroll 1", "pos 1", "draw 9", "send sel 0 50"}));
    f.model.SetCurSel(5, 0, 1, 1);  // to the top, without the message
    ExpectView(f.model, {5, 14, 5});
    EXPECT_EQ(f.sink.log, (Log{"pos 5", "invalidate 1", "erase 9", "draw 5"}));
    f.model.SetCurSel(60, 1, 0, 1);  // below: shown in the second-to-last row
    ExpectView(f.model, {52, 61, 60});
    f.model.SetCurSel(40, 1, 0, 1);  // above: at the top
    ExpectView(f.model, {40, 49, 40});
    f.model.SetCurSel(-1, 1, 0, 1);
    ExpectView(f.model, {40, 49, 40});
}

TEST(MtrxModelFocus, FocusCursorMode)
{
    ModelFixture f;
    MtrxInitArgs args = f.Args(100);
    args.focusCursor = 1;
    f.Start(args);
    f.model.KeyDown(0x28);  // no focus: the frame is not drawn
    EXPECT_EQ(f.sink.log, (Log{"erase 0", "send sel 0 0"}));
    f.sink.Clear();
    f.model.SetFocus(true);
    f.model.KillFocus();
    f.model.SetFocus(false);  // NaSetFocus: no focus message
    EXPECT_EQ(f.sink.log, (Log{"send focus 0 0", "draw 1", "erase 1", "draw 1"}));
    f.model.KillFocus();
    f.sink.Clear();
    f.model.VScroll(CMtrxModel::kLineDown, 0);  // the scroll bar takes the focus
    EXPECT_EQ(f.sink.log.front(), "focus");
    EXPECT_TRUE(f.model.HasFocus());
}

// Select mode: capacity 3, two rows selected by Space, then a click in the
// select-button column and a drag over five rows, with and without Ctrl.
struct SelectFixture : ModelFixture {
    long list[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    explicit SelectFixture(short capacity = 3)
    {
        Start(Args(100));
        model.InitSelect(capacity, list, kAddedMsg, kEmptiedMsg);
    }
    void Space(long row)
    {
        model.SetCurSel(row, 0, 0, 1);
        model.KeyDown(0x20);
    }
    void Drag(int x, long fromRow, long toRow)
    {
        model.LButtonDown(x, static_cast<int>(fromRow * 20 + 5));
        for (long r = fromRow + 1; r <= toRow; ++r)
            model.MouseMove(x, static_cast<int>(r * 20 + 5), true);
    }
};

TEST(MtrxModelSelect, SpaceMarksAndUnmarks)
{
    SelectFixture f;
    EXPECT_EQ((std::vector<long>{f.list[0], f.list[1], f.list[2]}), (std::vector<long>{-1, -1, -1}));
    f.Space(2);
    f.sink.Clear();
    f.Space(5);
    EXPECT_EQ(f.sink.log, (Log{"erase 2", "draw 5", "erase 5", "invert 5", "send added 0 0"}));
    f.Space(6);
    f.sink.Clear();
    f.Space(8);  // full: nothing
    EXPECT_EQ(f.sink.Only({"send", "invert"}), Log{});
    f.sink.Clear();
    f.Space(2);  // marked: unmarked, later entries move up
    EXPECT_EQ(f.sink.Only({"invert", "send"}), (Log{"invert 2"}));
    EXPECT_EQ((std::vector<long>{f.list[0], f.list[1], f.list[2]}), (std::vector<long>{5, 6, -1}));
    f.Space(5);
    f.sink.Clear();
    f.Space(6);
    EXPECT_EQ(f.sink.Only({"invert", "send"}), (Log{"invert 6", "send emptied 0 0"}));
    EXPECT_FALSE(f.model.Marking());
}

TEST(MtrxModelSelect, ClickAndDragAtCapacityWithAndWithoutCtrl)
{
    SelectFixture withCtrl;
    withCtrl.Space(7);
    withCtrl.Space(8);
    withCtrl.model.KeyDown(0x11);
    withCtrl.sink.Clear();
    withCtrl.Drag(5, 0, 4);
    EXPECT_EQ(withCtrl.model.PendingCapacity(), 1);
    // Only the clicked row is marked.
    EXPECT_EQ(withCtrl.sink.Only({"invert", "send emptied"}), (Log{"invert 0"}));
    withCtrl.model.LButtonUp();
    EXPECT_EQ((std::vector<long>{withCtrl.list[0], withCtrl.list[1], withCtrl.list[2]}),
              (std::vector<long>{7, 8, 0}));
    EXPECT_EQ(withCtrl.sink.Only({"send added"}), (Log{"send added 0 0"}));
    withCtrl.sink.Clear();
    withCtrl.model.LButtonDown(5, 45);  // full: a click in the column marks nothing
    EXPECT_EQ(withCtrl.sink.Only({"invert"}), Log{});

    SelectFixture without;
    without.Space(7);
    without.Space(8);
    without.sink.Clear();
    without.Drag(5, 0, 4);
    EXPECT_EQ(without.model.PendingCapacity(), 3);
    EXPECT_EQ(without.sink.Only({"invert", "send"}),
              (Log{"invert 7", "invert 8", "send emptied 0 0", "invert 0", "send sel 0 8", "invert 1",
                   "send sel 0 0", "invert 2", "send sel 0 1", "send sel 0 2", "send sel 0 3"}));
    // Back up one row: the end row leaves the range.
    without.model.MouseMove(5, 25, true);
    EXPECT_EQ(without.sink.log.size() > 0 && without.model.RangeEnd() == 1, true);
    without.model.LButtonUp();
    EXPECT_EQ((std::vector<long>{without.list[0], without.list[1], without.list[2]}),
              (std::vector<long>{0, 1, -1}));
    EXPECT_FALSE(without.model.IsShownInverted(2));
    EXPECT_TRUE(without.model.IsShownInverted(1));

    // A click right of the button column clears the marks and moves on.
    without.sink.Clear();
    without.model.LButtonDown(100, 65);
    EXPECT_EQ(without.sink.Only({"invert", "send"}), (Log{"invert 0", "invert 1", "send emptied 0 0", "send sel 0 1"}));
    EXPECT_EQ(without.list[0], -1);
    // With Ctrl, a click in the column on a selected row unselects it; the
    // cursor stays. (Without Ctrl the click clears and starts a new range.)
    without.model.LButtonUp();
    without.Space(4);
    without.model.KeyDown(0x11);
    without.sink.Clear();
    without.model.LButtonDown(5, 85);
    EXPECT_EQ(without.sink.log, (Log{"invert 4", "send emptied 0 0"}));
    EXPECT_EQ(without.model.Current(), 4);
}

TEST(MtrxModelSelect, DragAcrossTheAnchorAndBeyondTheData)
{
    SelectFixture f(6);
    f.Drag(5, 4, 6);  // anchor 4, range 4 ... 6
    f.model.MouseMove(5, 45, true);  // back to row 2: 5 and 6 leave, 3 and 2 join
    std::vector<long> pending;
    for (long row : f.model.Pending()) {
        if (row != -1)
            pending.push_back(row);
    }
    std::sort(pending.begin(), pending.end());
    EXPECT_EQ(pending, (std::vector<long>{2, 3, 4}));
    f.model.LButtonUp();
    EXPECT_EQ((std::vector<long>{f.list[0], f.list[1], f.list[2], f.list[3]}), (std::vector<long>{4, 3, 2, -1}));
    // The data shrinks under the selection: rows past the end leave it.
    f.model.ExchangeDataCount(3, 0);
    EXPECT_EQ((std::vector<long>{f.list[0], f.list[1], f.list[2]}), (std::vector<long>{2, -1, -1}));
}

} // namespace
