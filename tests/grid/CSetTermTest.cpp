// The term bar on a plain parent window: size from the font, keys and mouse
// in every mode, the completion message and the focus hand-back (as the
// parent's message sequence), painting, creation by name, GDI balance.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "afx/CClientDC.h"
#include "afx/CPaintDC.h"
#include "grid/CSetTerm.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"
#include "support/MessageLog.h"
#include "support/RealInput.h"

namespace {

const UINT kDone = WM_USER + 77;
const COLORREF kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);
const COLORREF kYellow = RGB(255, 255, 0), kSilver = RGB(192, 192, 192);

// A plain window that paints the bar and logs what it receives.
class Parent : public CWnd {
public:
    MessageLog log;
    CSetTerm* bar = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        log.Add(m_hWnd, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        if (bar != nullptr)
            bar->ShowWindow(&dc);
    }
};

class TermBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeGothic(font, 12));
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "term", WS_POPUP | WS_VISIBLE, 40, 40, 420, 100, nullptr, nullptr));
        parent.SetForegroundWindow();
        TEXTMETRICA tm = MetricsOf(CClientDC(nullptr).m_hDC, font);
        unit = tm.tmAveCharWidth + 1;
        height = tm.tmHeight;
        bottom = 20 + height + 5;
    }
    void TearDown() override
    {
        parent.bar = nullptr;
        bar.reset();
        parent.DestroyWindow();
        PumpPending();
    }
    void Make(short mode, short start, short end, UINT message = kDone)
    {
        bar.reset(new CSetTerm(&font));
        parent.bar = bar.get();
        ASSERT_TRUE(bar->Create(&parent, CRect(10, 20, 11, 21), mode, 4, start, end, message));
        PumpPending();
        parent.log.Clear();
    }
    void Key(UINT vk) { ::SendMessageA(bar->m_hWnd, WM_KEYDOWN, vk, 0); }
    void Mouse(UINT message, int cell, WPARAM keys = MK_LBUTTON)  // at the middle of a cell
    {
        ::SendMessageA(bar->m_hWnd, message, keys, MAKELPARAM(static_cast<WORD>(2 + (2 * cell + 1) * unit), 5));
    }
    int Completions() { return static_cast<int>(parent.log.Only({kDone}).size()); }
    ::testing::AssertionResult Cells(short start, short end)
    {
        if (bar->GetStart() == start && bar->GetEnd() == end)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cells " << bar->GetStart() << ".." << bar->GetEnd();
    }
    int UnderlineX(int cell) { return 12 + 2 * unit * cell + unit; }

    CFont font;
    Parent parent;
    std::unique_ptr<CSetTerm> bar;
    int unit = 0, height = 0, bottom = 0;
};

TEST_F(TermBar, CreateSizesTheBarFromTheFontAndHoldsCellsByMode)
{
    Make(0, 3, 7);
    CRect rect;
    ::GetWindowRect(bar->m_hWnd, &rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 10 + 26 * unit + 4, bottom));
    EXPECT_EQ(bar->GetDlgCtrlID(), 800);
    EXPECT_EQ(bar->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_POPUP), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(bar->GetHeight(), height + 7);
    EXPECT_TRUE(Cells(3, 7));
    const short modes[][5] = {{1, 3, 7, 3, 3}, {0, -4, 40, 0, 12}, {2, 3, 7, 0, 7}};  // given, then held
    for (const auto& m : modes) {
        Make(m[0], m[1], m[2]);
        EXPECT_TRUE(Cells(m[3], m[4])) << "mode " << m[0];
    }
    bar->SetFocus();  // a range from the first cell keeps its start
    EXPECT_TRUE(Cells(0, 7));
    CSetTerm orphan(&font);
    EXPECT_FALSE(orphan.Create(nullptr, CRect(0, 0, 1, 1), 0, 4, 1, 1, kDone));
}

TEST_F(TermBar, RangeOfMonthsByRealKeysCompletesAndHandsTheFocusBack)
{
    Make(0, 3, 3);
    bar->SetFocus();
    PumpPending();
    parent.log.Clear();
    for (WORD vk : {VK_RETURN, VK_RIGHT, VK_RIGHT, VK_RETURN})
        SendKey(vk);
    PumpPending();
    EXPECT_TRUE(Cells(3, 5));
    EXPECT_TRUE(SequenceIs(parent.log.Only({kDone, WM_SETFOCUS}), {{kDone, 0, 0}, WM_SETFOCUS}));
    EXPECT_EQ(::GetFocus(), parent.m_hWnd);
    bar->SetFocus();  // back on the bar: the range collapses to its end
    EXPECT_TRUE(Cells(5, 5));
}

TEST_F(TermBar, KeysMoveCellsByModeAndEnterCompletes)
{
    struct Case {
        short mode, start, end;
        std::vector<UINT> keys;
        short wantStart, wantEnd;
        int completions;
    } cases[] = {
        {0, 3, 3, {VK_RIGHT}, 4, 4, 0},
        {0, 3, 3, {VK_LEFT}, 2, 2, 0},
        {0, 0, 0, {VK_LEFT}, 0, 0, 0},
        {0, 12, 12, {VK_RIGHT}, 12, 12, 0},
        {0, 3, 3, {VK_RETURN, VK_LEFT}, 3, 3, 0},  // anchored, end = start
        {0, 3, 3, {VK_RETURN, VK_RIGHT, VK_RIGHT, VK_LEFT}, 3, 4, 0},
        {0, 3, 3, {VK_RETURN, VK_RIGHT, VK_ESCAPE, VK_RIGHT}, 5, 5, 0},  // Esc drops the anchor
        {0, 3, 3, {VK_RETURN, VK_RETURN}, 3, 3, 1},
        {0, 3, 3, {VK_SPACE, VK_F2, VK_UP}, 3, 3, 0},
        {1, 3, 3, {VK_RIGHT, VK_RIGHT}, 5, 5, 0},
        {1, 3, 3, {VK_LEFT, VK_ESCAPE}, 2, 2, 0},
        {1, 3, 3, {VK_RETURN}, 3, 3, 1},  // completes unchanged too
        {2, 0, 3, {VK_RIGHT}, 0, 4, 0},
        {2, 0, 2, {VK_LEFT, VK_LEFT, VK_LEFT, VK_ESCAPE}, 0, 0, 0},
        {2, 0, 11, {VK_RIGHT, VK_RIGHT, VK_RETURN}, 0, 12, 1},
    };
    for (const Case& c : cases) {
        Make(c.mode, c.start, c.end);
        for (UINT vk : c.keys)
            Key(vk);
        EXPECT_TRUE(Cells(c.wantStart, c.wantEnd)) << "mode " << c.mode << " from " << c.start;
        EXPECT_EQ(Completions(), c.completions) << "mode " << c.mode << " from " << c.start;
    }
    Make(0, 3, 3, 0);  // no message: the focus still goes back
    bar->SetFocus();
    Key(VK_RETURN);
    Key(VK_RETURN);
    EXPECT_EQ(parent.log.Only({0u}).size(), 0u);
    EXPECT_EQ(::GetFocus(), parent.m_hWnd);
}

TEST_F(TermBar, MousePicksAMonthARangeByDraggingOrARangeFromTheFirstCell)
{
    Make(0, 3, 3);
    bar->SetFocus();
    parent.log.Clear();
    Mouse(WM_LBUTTONDOWN, 5);
    EXPECT_TRUE(Cells(5, 5));
    EXPECT_EQ(::GetCapture(), bar->m_hWnd);
    Mouse(WM_MOUSEMOVE, 8);
    Mouse(WM_MOUSEMOVE, 2);  // before the start: ignored
    EXPECT_TRUE(Cells(5, 8));
    Mouse(WM_LBUTTONUP, 2, 0);
    EXPECT_TRUE(SequenceIs(parent.log.Only({kDone, WM_SETFOCUS}), {{kDone, 0, 0}, WM_SETFOCUS}));
    EXPECT_EQ(::GetCapture(), nullptr);

    Make(0, 3, 3);  // a move without the button ends the drag
    Mouse(WM_LBUTTONDOWN, -3);  // left of the cells: cell 0
    Mouse(WM_MOUSEMOVE, 4, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, 6);
    EXPECT_TRUE(Cells(0, 0));

    Make(1, 3, 3);
    for (int click = 0; click < 2; ++click) {  // the second click changes nothing: no report
        Mouse(WM_LBUTTONDOWN, 40);  // right of the cells: the closing cell
        EXPECT_EQ(::GetCapture(), nullptr);
        Mouse(WM_LBUTTONUP, 40, 0);
        EXPECT_TRUE(Cells(12, 12));
        EXPECT_EQ(Completions(), 1);
    }
    Make(2, 0, 3);
    Mouse(WM_LBUTTONDOWN, 9);
    Mouse(WM_LBUTTONUP, 9, 0);
    EXPECT_TRUE(Cells(0, 9));
    EXPECT_EQ(Completions(), 1);
}

TEST_F(TermBar, PaintsLabelsChosenCellsAndUnderlineOnTheParentAndRestoresTheDc)
{
    Make(0, 2, 4);
    Canvas canvas(420, 80);
    HDC dc = canvas.Hdc();
    HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkColor(dc, RGB(4, 5, 6));
    bar->ShowWindow(canvas.Dc());
    EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(::GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    for (int c = 0; c < 13; ++c) {
        bool chosen = c >= 2 && c <= 4;
        CRect cell(12 + 2 * unit * c, 22, 12 + 2 * unit * (c + 1), 22 + height);
        EXPECT_EQ(canvas.Count(kYellow, cell) > 0, chosen) << "cell " << c;
        EXPECT_EQ(canvas.Count(kSilver, cell) > 0, !chosen) << "cell " << c;
        EXPECT_EQ(canvas.Pixel(UnderlineX(c), bottom - 3), chosen ? kRed : kBlack) << "cell " << c;
    }
    EXPECT_EQ(canvas.Pixel(10, 30), RGB(128, 128, 128));  // sunken frame
    EXPECT_EQ(canvas.Pixel(10 + 26 * unit + 4, 30), RGB(255, 255, 255));
    bar->SetFocus();  // the face turns blue
    bar->ShowWindow(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(UnderlineX(0), bottom - 3), kBlue);

    CClientDC screen(&parent);  // state changes repaint on the parent
    Key(VK_RIGHT);
    EXPECT_EQ(screen.GetPixel(UnderlineX(5), bottom - 3), kRed);
    EXPECT_EQ(screen.GetPixel(UnderlineX(4), bottom - 3), kBlue);
    screen.FillSolidRect(CRect(0, 0, 420, 100), RGB(255, 255, 255));
    parent.Invalidate();
    parent.UpdateWindow();  // and the plain parent paints it
    EXPECT_EQ(screen.GetPixel(UnderlineX(5), bottom - 3), kRed);
}

TEST_F(TermBar, IsCreatableByItsClassNameAndWorksWithoutAFont)
{
    ASSERT_EQ(CRuntimeClass::FromName("CSetTerm"), RUNTIME_CLASS(CSetTerm));
    EXPECT_EQ(RUNTIME_CLASS(CSetTerm)->m_pBaseClass, RUNTIME_CLASS(CWnd));
    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CSetTerm"));
    ASSERT_TRUE(made != nullptr && made->IsKindOf(RUNTIME_CLASS(CSetTerm)));
    CSetTerm* plain = static_cast<CSetTerm*>(made.get());
    ASSERT_TRUE(plain->Create(&parent, CRect(5, 5, 6, 6), 1, 4, 2, 2, kDone));
    EXPECT_GT(plain->GetHeight(), 7);  // measured in the screen DC's own font
    ::SendMessageA(plain->m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(plain->GetStart(), 3);
}

TEST_F(TermBar, NoGdiObjectOutlivesRepaintsOrWindows)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    Make(0, 2, 5);
    Canvas canvas(420, 80);
    for (int i = 0; i < 10000; ++i)
        bar->ShowWindow(canvas.Dc());
    for (int i = 0; i < 1000; ++i) {
        Make(i % 3, 2, 5);
        Key(VK_RIGHT);  // repaints on the parent
        bar->SetFocus();
    }
    parent.bar = nullptr;
    bar.reset();
    EXPECT_GT(count.Created(), 20000u);
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
