// The term bar on a plain parent window: keys and mouse in every mode, the
// completion message and the focus hand-back, size from the font, painting
// (with the static display's frames) against a reference image, random real
// input, GDI balance.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "afx/CClientDC.h"
#include "afx/CPaintDC.h"
#include "controls/ControlsHarness.h"
#include "grid/CSetTerm.h"
#include "grid/CStaticDisp.h"
#include "grid/Gothic.h"
#include "support/Golden.h"
#include "WindowImage.h"

namespace {

const UINT kDone = WM_USER + 77;

// A plain window that paints its bars and labels and logs the completions.
struct Parent : Recorder<CWnd> {
    MessageLog log;
    std::vector<std::unique_ptr<CSetTerm>> bars;
    std::vector<std::unique_ptr<CStaticDisp>> labels;
    void OnPaint() override
    {
        CPaintDC dc(this);
        for (auto& bar : bars)
            bar->ShowWindow(&dc);
        for (auto& label : labels)
            label->Disp(&dc);
    }
};

struct StaticProbe : CStaticDisp {
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

struct TermBar : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(MakeGothic(font, 12));
        parent.out = &parent.log;
        parent.recorded = {kDone};
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "term", WS_POPUP | WS_VISIBLE, 40, 40, 420, 130, nullptr, nullptr));
        parent.SetForegroundWindow();
    }
    void TearDown() override
    {
        parent.bars.clear();
        parent.DestroyWindow();
        PumpPending();
    }
    // A bar at (10, top); the last one made takes the keys and clicks. Unless kept, the others go.
    void Make(short mode, short start, short end, int top = 20, bool keep = false)
    {
        if (!keep)
            parent.bars.clear();
        parent.bars.emplace_back(new CSetTerm(&font));
        bar = parent.bars.back().get();
        ASSERT_TRUE(bar->Create(&parent, CRect(10, top, 11, top + 1), mode, 4, start, end, kDone));
        PumpPending();
        parent.log.Clear();
    }
    // A key (arg = virtual key) or a mouse message at the middle of cell arg.
    void Send(UINT message, int arg, WPARAM keys = MK_LBUTTON)
    {
        LPARAM at = MAKELPARAM(static_cast<WORD>(2 + (2 * arg + 1) * unit), 5);
        ::SendMessageA(bar->m_hWnd, message, message == WM_KEYDOWN ? arg : keys, message == WM_KEYDOWN ? 0 : at);
    }

    CFont font;
    Parent parent;
    CSetTerm* bar = nullptr;
    const int unit = 7, height = 13;  // average width + 1 and character height of the font
};

TEST_F(TermBar, KeysAndMouseMoveCellsByModeAndCompletionsReportAndHandTheFocusBack)
{
    struct Op { UINT message; int arg; WPARAM keys; };
    const Op R{WM_KEYDOWN, VK_RIGHT, 0}, L{WM_KEYDOWN, VK_LEFT, 0}, Enter{WM_KEYDOWN, VK_RETURN, 0},
        Esc{WM_KEYDOWN, VK_ESCAPE, 0}, Up{WM_LBUTTONUP, 0, 0}, Focus{WM_SETFOCUS, 0, 0};
    auto Down = [](int cell) { return Op{WM_LBUTTONDOWN, cell, MK_LBUTTON}; };
    auto Move = [](int cell) { return Op{WM_MOUSEMOVE, cell, MK_LBUTTON}; };
    // Mode, start, end; the operations; start and end after, completions reported, mouse captured.
    using After = std::tuple<short, short, size_t, bool>;
    // Creation holds the cells by mode; gaining the focus collapses all but mode 2; Enter anchors a range in
    // mode 0; a click outside the cells leaves them unchanged.
    const struct { short mode, start, end; std::vector<Op> ops; After after; } cases[] = {
        {1, 3, 7, {}, {3, 3, 0, false}}, {2, 3, 7, {Focus}, {0, 7, 0, false}}, {0, 3, 3, {R}, {4, 4, 0, false}},
        {0, 3, 3, {Enter, R, R, Focus}, {5, 5, 0, false}}, {0, 3, 3, {L}, {2, 2, 0, false}},
        {0, 3, 3, {Enter, L}, {3, 3, 0, false}}, {0, 3, 3, {Enter, R, R, L}, {3, 4, 0, false}},
        {0, 3, 3, {Enter, R, Esc, R}, {5, 5, 0, false}}, {1, 3, 3, {R, R}, {5, 5, 0, false}},
        {1, 3, 3, {L, Enter}, {2, 2, 1, false}}, {1, 3, 3, {Enter}, {3, 3, 1, false}},
        {2, 0, 5, {Esc, R}, {0, 6, 0, false}}, {2, 0, 11, {R, R, Enter}, {0, 12, 1, false}},
        {0, 3, 3, {Down(5), Move(8), Move(2)}, {5, 8, 0, true}},
        {0, 3, 3, {Down(5), Move(8), Up}, {5, 8, 1, false}}, {2, 0, 3, {Down(9), Up}, {0, 9, 1, false}},
        {1, 12, 12, {Down(40), Up}, {12, 12, 0, false}}};
    for (const auto& c : cases) {
        Make(c.mode, c.start, c.end);
        for (const Op& op : c.ops)
            Send(op.message, op.arg, op.keys);
        EXPECT_EQ(std::make_tuple(bar->GetStart(), bar->GetEnd(), parent.log.Only({kDone}).size(),
                                  ::GetCapture() == bar->m_hWnd), c.after) << "case " << &c - cases;
    }
    // A completion hands the focus back to the parent.
    bar->SetFocus();
    Send(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(::GetFocus(), parent.m_hWnd);
    // In a dialog the bar asks for no key: Enter presses the default button, letters are mnemonics.
    MSG enter = {bar->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(bar->SendMessage(WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)), 0);
}

// Bars in the three modes, one that lost the focus and one that has it with
// an anchored range made by keys (each repainting itself on the parent); the
// static display sunken and left-aligned, raised and centred, frameless and
// right-aligned; the bars sized from the font. Painting leaves the DC as it
// was. The static display keeps at most 255 bytes, in whole characters (a
// character across byte 255 goes, a 300-byte text is cut at a character's
// end), and a null text as an empty one.
TEST_F(TermBar, ModesFocusAndStaticDisplaysAsTheReference)
{
    const short bars[][3] = {{0, 2, 4}, {1, 7, 7}, {2, 3, 9}, {1, 5, 5}, {0, 3, 3}};
    for (const auto& b : bars)
        Make(b[0], b[1], b[2], 6 + 24 * static_cast<int>(&b - bars), true);
    const char* texts[] = {"\x8C\x88\x8E\x5A left", "Centre", "\x89\x45 right"};  // 決算, 右
    const short alignments[] = {1, 0, 2};
    for (short frame = 0; frame < 3; ++frame) {
        parent.labels.emplace_back(
            new CStaticDisp(frame, &font, CRect(230, 6 + 34 * frame, 410, 32 + 34 * frame), alignments[frame]));
        parent.labels.back()->SetText(texts[frame], nullptr);
    }
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    parent.bars[3]->SetFocus();
    bar->SetFocus();
    for (int key : {VK_RETURN, VK_RIGHT, VK_RIGHT})
        Send(WM_KEYDOWN, key);
    PumpPending();
    EXPECT_TRUE(MatchesGolden("grid", "term-bars", CaptureDcArea(CClientDC(&parent).m_hDC, 0, 0, 420, 130)));
    EXPECT_EQ((std::pair<int, int>(bar->GetHeight(), bar->GetDlgCtrlID())), std::make_pair(height + 7, 800));

    CClientDC probe(&parent);
    HDC dc = probe.m_hDC;
    HGDIOBJ dcFont = ::GetCurrentObject(dc, OBJ_FONT);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkColor(dc, RGB(4, 5, 6));
    bar->ShowWindow(&probe);
    parent.labels[1]->Disp(&probe);
    EXPECT_EQ(std::make_tuple(::GetTextColor(dc), ::GetBkColor(dc), ::GetCurrentObject(dc, OBJ_FONT)),
              std::make_tuple(RGB(1, 2, 3), RGB(4, 5, 6), dcFont));
    StaticProbe label(1, nullptr, CRect(), 0);
    // 決 across byte 255; 150 double-byte characters.
    const std::string across = std::string(254, 'x') + "\x8C\x88", doubleBytes(300, '\x8C');
    std::vector<std::string> kept;
    for (const char* text : {across.c_str(), doubleBytes.c_str(), static_cast<const char*>(nullptr)}) {
        label.SetText(text, nullptr);
        kept.push_back(label.Text());
    }
    EXPECT_EQ(kept, (std::vector<std::string>{std::string(254, 'x'), std::string(254, '\x8C'), ""}));
}

// Keys reach the bar as host calls: in a window that is no dialog the
// dialog manager of the input pump would take the arrows, Enter and Esc.
using CSetTermRandomInput = TermBar;
TEST_F(CSetTermRandomInput, CellsStayInTheirModesRangeAndCompletionsCarryNothing)
{
    GdiObjectCount count;
    for (short mode = 0; mode < 3; ++mode) {
        Make(mode, 3, 6);
        RandomInput input(("term bar mode " + std::to_string(mode)).c_str(), bar->m_hWnd, parent.m_hWnd);
        input.hostCall = [&](std::mt19937& random) {
            const int keys[] = {VK_LEFT, VK_RIGHT, VK_RETURN, VK_ESCAPE};
            Send(WM_KEYDOWN, keys[random() % 4]);
        };
        input.invariants = [&]() -> ::testing::AssertionResult {
            short start = bar->GetStart(), end = bar->GetEnd();
            std::vector<LoggedMessage> done = parent.log.Only({kDone});
            parent.log.Clear();
            if (start < 0 || start > end || end > 12 || (mode == 1 && start != end) || (mode == 2 && start != 0))
                return ::testing::AssertionFailure() << "cells " << start << " to " << end;
            return SequenceIs(done, std::vector<ExpectedMessage>(done.size(), {kDone, 0, 0}));
        };
        EXPECT_TRUE(input.Run());
    }
    parent.bars.clear();
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
