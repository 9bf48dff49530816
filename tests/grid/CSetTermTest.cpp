// The term bar on a plain parent window: size from the font, keys and mouse
// in every mode, the completion message and the focus hand-back, painting,
// GDI balance; and the static display's frame.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/CClientDC.h"
#include "afx/CPaintDC.h"
#include "grid/CSetTerm.h"
#include "grid/CStaticDisp.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"
#include "support/MessageLog.h"
#include "support/RealInput.h"

namespace {

const UINT kDone = WM_USER + 77;
const COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

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
    // A key (arg = virtual key) or a mouse message at the middle of cell arg.
    void Send(UINT message, int arg, WPARAM keys = MK_LBUTTON)
    {
        LPARAM at = MAKELPARAM(static_cast<WORD>(2 + (2 * arg + 1) * unit), 5);
        ::SendMessageA(bar->m_hWnd, message, message == WM_KEYDOWN ? arg : keys, message == WM_KEYDOWN ? 0 : at);
    }
    // The underline's colour under a cell: red when chosen, else the face.
    COLORREF Underline(CDC* dc, int cell) { return dc->GetPixel(12 + 2 * unit * cell + unit, 20 + height + 2); }

    CFont font;
    Parent parent;
    std::unique_ptr<CSetTerm> bar;
    int unit = 0, height = 0;
};

TEST_F(TermBar, KeysAndMouseMoveCellsByModeAndCompletionsReportAndHandTheFocusBack)
{
    struct Op {
        UINT message;
        int arg;
        WPARAM keys;
    };
    const Op R{WM_KEYDOWN, VK_RIGHT, 0}, L{WM_KEYDOWN, VK_LEFT, 0}, Enter{WM_KEYDOWN, VK_RETURN, 0},
        Esc{WM_KEYDOWN, VK_ESCAPE, 0}, Up{WM_LBUTTONUP, 0, 0}, Focus{WM_SETFOCUS, 0, 0};
    auto Down = [](int cell) { return Op{WM_LBUTTONDOWN, cell, MK_LBUTTON}; };
    auto Move = [](int cell) { return Op{WM_MOUSEMOVE, cell, MK_LBUTTON}; };
    const struct {
        short mode, start, end;
        std::vector<Op> ops;
        int cells, reports, captured;  // cells: start × 100 + end
    } cases[] = {  // creation holds the cells by mode; gaining the focus collapses all but mode 2
        {1, 3, 7, {}, 303, 0, 0}, {2, 3, 7, {Focus}, 7, 0, 0}, {0, 3, 3, {Enter, R, R, Focus}, 505, 0, 0},
        {0, 3, 3, {R}, 404, 0, 0}, {0, 3, 3, {L}, 202, 0, 0}, {0, 3, 3, {Enter, L}, 303, 0, 0},  // anchored
        {0, 3, 3, {Enter, R, R, L}, 304, 0, 0}, {0, 3, 3, {Enter, R, Esc, R}, 505, 0, 0}, {1, 3, 3, {R, R}, 505, 0, 0},
        {1, 3, 3, {L, Enter}, 202, 1, 0}, {1, 3, 3, {Enter}, 303, 1, 0}, {2, 0, 5, {Esc, R}, 6, 0, 0},
        {2, 0, 11, {R, R, Enter}, 12, 1, 0}, {0, 3, 3, {Down(5), Move(8), Move(2)}, 508, 0, 1},
        {0, 3, 3, {Down(5), Move(8), Up}, 508, 1, 0}, {2, 0, 3, {Down(9), Up}, 9, 1, 0},
        {1, 12, 12, {Down(40), Up}, 1212, 0, 0},  // unchanged: no completion
    };
    for (const auto& c : cases) {
        Make(c.mode, c.start, c.end);
        for (const Op& op : c.ops)
            Send(op.message, op.arg, op.keys);
        EXPECT_EQ(bar->GetStart() * 100 + bar->GetEnd(), c.cells) << "case " << &c - cases;
        EXPECT_EQ(parent.log.Only({kDone}).size() * 10 + (::GetCapture() == bar->m_hWnd), c.reports * 10u + c.captured)
            << "case " << &c - cases;
    }
    // Through the dialog manager, as in a dialog: Enter presses the default
    // button and a letter the button it is the mnemonic of; the bar keeps its cells.
    Make(0, 3, 3);
    HWND ok = ::CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 300, 60, 50, 20,
                                parent.m_hWnd, reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    HWND apply = ::CreateWindowExA(0, "BUTTON", "&Apply", WS_CHILD | WS_VISIBLE, 240, 60, 50, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(101), nullptr, nullptr);
    bar->SetFocus();
    PumpPending();
    parent.log.Clear();
    for (MSG msg : {MSG{bar->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}}, MSG{bar->m_hWnd, WM_CHAR, 'a', 0, 0, {}}})
        ::IsDialogMessageA(parent.m_hWnd, &msg);
    EXPECT_TRUE(SequenceIs(parent.log.Only({kDone, WM_COMMAND}),
                           {{WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(ok)},
                            {WM_COMMAND, 101, reinterpret_cast<LPARAM>(apply)}}));
    EXPECT_EQ(bar->GetStart() * 100 + bar->GetEnd(), 303);
}

TEST_F(TermBar, IsSizedFromTheFontPaintsChosenCellsOnTheParentRestoresTheDcAndKeepsNoGdiObject)
{
    GdiObjectCount count;
    Make(0, 2, 4);
    CRect rect;
    ::GetWindowRect(bar->m_hWnd, &rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 10 + 26 * unit + 4, 20 + height + 5));
    EXPECT_EQ(bar->GetHeight() * 1000 + bar->GetDlgCtrlID(), (height + 7) * 1000 + 800);
    Canvas canvas(420, 80);
    HDC dc = canvas.Hdc();
    HGDIOBJ dcFont = ::GetCurrentObject(dc, OBJ_FONT);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkColor(dc, RGB(4, 5, 6));
    bar->ShowWindow(canvas.Dc());
    EXPECT_EQ(::GetTextColor(dc) * 10 + (::GetBkColor(dc) == RGB(4, 5, 6)), RGB(1, 2, 3) * 10 + 1);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), dcFont);
    for (int c = 0; c < 13; ++c) {
        bool chosen = c >= 2 && c <= 4;
        CRect cell(12 + 2 * unit * c, 22, 12 + 2 * unit * (c + 1), 22 + height);
        EXPECT_EQ(canvas.Count(RGB(255, 255, 0), cell) > 0, chosen) << "cell " << c;
        EXPECT_EQ(Underline(canvas.Dc(), c), chosen ? kRed : kBlack) << "cell " << c;
    }
    bar->SetFocus();  // collapses the cells to the end

    CClientDC screen(&parent);  // state changes repaint on the parent
    Send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(Underline(&screen, 5), kRed);

    // The static display: a raised frame, light at the top left.
    CStaticDisp label(1, &font, CRect(10, 5, 150, 35), 1);
    label.SetText("\x8C\x88\x8E\x5A", canvas.Dc());
    EXPECT_EQ(canvas.Pixel(10, 5), RGB(255, 255, 255));
    // The bar's window and the paints of both leave no pen, brush, font or DC behind.
    label.Disp(canvas.Dc());
    parent.bar = nullptr;
    bar.reset();
    EXPECT_EQ(count.Outstanding(), 0u);
}

class StaticProbe : public CStaticDisp {
public:
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

// The static display keeps at most 255 bytes, in whole characters.
TEST(StaticDisp, SetTextKeepsAtMost255BytesOfWholeCharacters)
{
    StaticProbe label(1, nullptr, CRect(10, 5, 150, 35), 0);
    label.SetText(std::string(300, 'x').c_str(), nullptr);
    EXPECT_EQ(label.Text(), std::string(255, 'x'));
    label.SetText((std::string(254, 'x') + "\x8C\x88").c_str(), nullptr);  // 決 across byte 255
    EXPECT_EQ(label.Text(), std::string(254, 'x'));
    label.SetText(nullptr, nullptr);
    EXPECT_EQ(label.Text(), "");
}

} // namespace
