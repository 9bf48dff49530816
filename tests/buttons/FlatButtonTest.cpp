// CFlatButton in an active frame with real mouse input: clicks and drags,
// hover with its timer, the status prompt, each state with text, icon or
// bitmap against a reference image, the caption shortened at the width
// limits (and the menu bar's), the tooltip text.
#include "ButtonsHarness.h"
#include "afx/CClientDC.h"
#include "afx/CStatic.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "support/ImportPatch.h"

namespace {

// The timers the framework starts: window, id and period of each.
std::vector<UINT_PTR> g_timers;
UINT_PTR WINAPI RecordSetTimer(HWND hWnd, UINT_PTR id, UINT period, TIMERPROC proc)
{
    g_timers.insert(g_timers.end(), {reinterpret_cast<UINT_PTR>(hWnd), id, period});
    return ::SetTimer(hWnd, id, period, proc);
}

class FlatButtonTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ASSERT_TRUE(button.Create("印刷", WS_VISIBLE, CRect(20, 20, 120, 50), frame, IDC_FLAT_PROMPTED));
        hWnd = button.GetSafeHwnd();
        Pump();
    }
    bool WaitState(int state) { return PumpUntil([&] { return button.GetFrameState() == state; }, 1500, Pump); }

    CFlatButton button;
    HWND hWnd = nullptr;
};

TEST_F(FlatButtonTest, ReleaseInsideAfterAPressOnTheButtonIsTheOnlyClick)
{
    // enabled, path (m move, d press, u release; 'i' inside the button, 'o' outside), commands, state after
    const std::tuple<bool, const char*, int, int> cases[] = {
        {true, "mi di ui", 1, 1}, {true, "mi di mo uo", 0, 0}, {true, "mi di mo mi ui", 1, 1},
        {true, "mo do mi ui", 0, 1}, {false, "mi di ui", 0, 1}};
    for (const auto& [enabled, path, commands, stateAfter] : cases) {
        SCOPED_TRACE(path);
        button.EnableButton(enabled);
        frame->received.clear();
        for (const char* step = path; *step != '\0'; step += step[2] != '\0' ? 3 : 2) {
            int x = step[1] == 'i' ? 50 : 200, y = step[1] == 'i' ? 15 : 150;
            MouseEvent(hWnd, x, y, step[0] == 'd' ? MOUSEEVENTF_LEFTDOWN : step[0] == 'u' ? MOUSEEVENTF_LEFTUP : 0);
            PumpFor(30);
        }
        ReceivedMessage click = {WM_COMMAND, MAKEWPARAM(IDC_FLAT_PROMPTED, 0), reinterpret_cast<LPARAM>(hWnd)};
        EXPECT_EQ(frame->received, std::vector<ReceivedMessage>(commands, click));
        EXPECT_EQ(button.GetFrameState(), stateAfter);
        EXPECT_NE(::GetCapture(), hWnd);
        MouseEvent(host, 390, 290, MOUSEEVENTF_LEFTUP);
        // Disabled, painted under the cursor: raised, with no timer to flatten it.
        EXPECT_TRUE(WaitState(enabled ? 0 : 1));
    }
}

TEST_F(FlatButtonTest, HoverWithItsTimerAndStatusPrompt)
{
    CStatic statusBar;
    ASSERT_TRUE(statusBar.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 280, 400, 300), frame, AFX_IDW_STATUS_BAR));
    AfxGetApp()->m_pMainWnd = frame;
    {
        ImportPatch patch(::GetModuleHandleA("zr8afx.dll"), "user32.dll", "SetTimer",
                          reinterpret_cast<void*>(&RecordSetTimer));
        ASSERT_TRUE(patch.Ok());
        MouseMove(hWnd, 40, 10);
        ASSERT_TRUE(WaitState(1));
    }
    EXPECT_EQ(g_timers, (std::vector<UINT_PTR>{reinterpret_cast<UINT_PTR>(hWnd), 3000, 100}));
    EXPECT_TRUE(PumpUntil([&] { return TextOf(statusBar.GetSafeHwnd()) == "印刷します"; }, 2000, Pump));
    // Straight out of the frame: the button sees no move, the timer notices.
    MouseMove(host, -30, -30);
    ASSERT_TRUE(WaitState(0));
    EXPECT_FALSE(::KillTimer(hWnd, CFlatButton::HoverTimerId)) << "the hover timer still runs";
    // Over the button while another window is active: no frame, no prompt.
    statusBar.SetWindowText("");
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetForegroundWindow(other);
    MouseMove(hWnd, 40, 10);
    EXPECT_EQ(std::make_pair(button.GetFrameState(), TextOf(statusBar.GetSafeHwnd())), std::pair(0, std::string()));
    ::DestroyWindow(other);
    AfxGetApp()->m_pMainWnd = nullptr;
}

TEST_F(FlatButtonTest, EachStateAsTheReferenceShowsCaptionsAndToolTipTextsCutWithoutSplittingACharacter)
{
    HICON red = SolidIcon(16, RGB(255, 0, 0)), blue = SolidIcon(16, RGB(0, 0, 255));
    HBITMAP green = SolidBitmap(11, 6, RGB(0, 255, 0)), yellow = SolidBitmap(11, 6, RGB(255, 255, 0));
    // style (the content: a red icon, a green bitmap, else the caption), caption, state: 1 hovered,
    // 2 pressed, 3 disabled with a blue icon or yellow bitmap for it, 4 disabled
    const std::tuple<DWORD, const char*, int> rows[] = {
        {0, "印刷", 1}, {0, "印刷", 2}, {0, "印刷", 3}, {BS_RIGHT | BS_BOTTOM, "印", 0}, {BS_LEFT | BS_TOP, "印", 0},
        {0, "仕訳入力と検索", 0}, {BS_ICON, "", 2}, {BS_ICON | BS_LEFT, "", 1}, {BS_ICON, "", 3}, {BS_ICON, "", 4},
        {BS_BITMAP, "", 0}, {BS_BITMAP | BS_RIGHT | BS_TOP, "", 0}, {BS_BITMAP | BS_LEFT | BS_BOTTOM, "", 0},
        {BS_BITMAP, "", 3}};
    CFlatButton buttons[std::size(rows)];
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [style, caption, state] = rows[i];
        int x = 10 + static_cast<int>(i % 7) * 55, y = 60 + static_cast<int>(i / 7) * 35;
        ASSERT_TRUE(buttons[i].Create(caption, WS_VISIBLE | style, CRect(x, y, x + 50, y + 30), frame, 10 + i));
        buttons[i].SetDisIcon(state == 3 ? blue : nullptr);
        buttons[i].SetDisBitmap(state == 3 ? yellow : nullptr);
        buttons[i].SetIcon(red);
        buttons[i].SetBitmap(green);
        buttons[i].EnableButton(state < 3);
    }
    Pump();
    // Captured before the hover timer can run: no message is handled in between.
    for (size_t i = 0; i < std::size(rows); ++i)
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN})
            if (std::get<2>(rows[i]) > (message == WM_MOUSEMOVE ? 0 : 1))
                buttons[i].SendMessage(message, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(Shows(host, "flat-button", 400, 130));
    // At the width limits: the button keeps only what is strictly narrower; the bar's prefix may fill the width
    // less the dots. {the menu bar's rule, text, width of, plus pixels, result}
    CClientDC dc(&button);
    const std::tuple<bool, const char*, const char*, int, const char*> shortened[] = {
        {false, "印刷", "印刷", 1, "印刷"}, {false, "AB", "AB", 0, ""}, {false, "ABCDEFGHIJ", "ABCDE...", 1, "ABCDE..."},
        {false, "ABCDEFGHIJ", "ABCDE...", 0, "ABCD..."}, {false, "印刷印刷印刷", "印刷...", 1, "印刷..."},
        {false, "印刷印刷印刷", "印刷...", 0, "印..."}, {false, "ABCDEFGHIJ", "", 0, ""}, {true, "印刷", "印刷", 1, "印刷"},
        {true, "印刷", "印刷", 0, "印..."}, {true, "印刷印刷印刷", "印刷...", 0, "印刷..."},
        {true, "印刷印刷印刷", "印刷...", -1, "印..."}};
    for (const auto& [bar, text, measured, plus, result] : shortened) {
        int width = dc.GetTextExtent(measured, lstrlenA(measured)).cx + plus;
        EXPECT_STREQ(bar ? CMenuBar::ShortenCaption(&dc, text, width) : CFlatButton::ShortenText(&dc, text, width),
                     result) << bar << text << width;
    }
    // The tooltip's text asked for by the tooltip, cut to its field. Two
    // ASCII bytes then double-byte characters: byte 79 would split one.
    std::string split = "ab" + std::string("印刷印刷印刷印刷印刷印刷印刷印刷印刷印刷") +
                        "印刷印刷印刷印刷印刷印刷印刷印刷印刷印刷";
    // {text, bytes shown}
    const std::pair<std::string, size_t> tips[] = {{"印刷します", 10}, {std::string(100, 'x'), 79}, {split, 78}};
    for (const auto& [text, shown] : tips) {
        button.SetToolTipsText(text.c_str());
        NMTTDISPINFOA request = {};
        request.hdr = {nullptr, IDC_FLAT_PROMPTED, TTN_NEEDTEXTA};
        ::SendMessageA(hWnd, WM_NOTIFY, IDC_FLAT_PROMPTED, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(std::make_pair(request.lpszText, std::string(request.szText)),
                  std::make_pair(static_cast<LPSTR>(request.szText), text.substr(0, shown)));
    }
    // No paint reaches the buttons before they go with the test.
    ::DestroyIcon(red);
    ::DestroyIcon(blue);
    ::DeleteObject(green);
    ::DeleteObject(yellow);
}

} // namespace
