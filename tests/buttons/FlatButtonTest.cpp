// CFlatButton in an active frame with real mouse input: clicks and drags,
// hover with its timer, the status prompt, image placement and disabled
// images, the shortened caption and the tooltip text.
#include "ButtonsHarness.h"
#include "afx/CClientDC.h"
#include "afx/CStatic.h"
#include "buttons/CFlatButton.h"
#include "support/ImportPatch.h"
#include "support/RealInput.h"

#include <cstring>

namespace {

const int kWidth = 100, kHeight = 30;

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
        ASSERT_TRUE(button.Create("印刷", WS_VISIBLE, CRect(20, 20, 20 + kWidth, 20 + kHeight), frame,
                                  IDC_FLAT_PROMPTED));
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
        {true, "mo do mi ui", 0, 1}, {false, "mi di ui", 0, 1},
    };
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
        MouseUp(host, 390, 290);
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
    AfxGetApp()->m_pMainWnd = nullptr;
}

TEST_F(FlatButtonTest, ImagesAreCentredOrAlignedAndDisabledImagesReplaceThem)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    HICON redIcon = SolidIcon(16, red);
    HBITMAP greenBitmap = SolidBitmap(11, 6, green), blueBitmap = SolidBitmap(11, 6, blue);
    CFlatButton left, bitmap;
    ASSERT_TRUE(left.Create(redIcon, WS_VISIBLE | BS_ICON | BS_LEFT, CRect(250, 100, 280, 130), frame, 2));
    ASSERT_TRUE(bitmap.Create(greenBitmap, WS_VISIBLE | BS_BITMAP, CRect(300, 100, 330, 130), frame, 3));
    HWND l = left.GetSafeHwnd(), b = bitmap.GetSafeHwnd();
    // In (3,3)-(27,27): the 16 x 16 icon at (3,7)-(19,23); the 11 x 6 bitmap centred at (9,12)-(20,18).
    const std::tuple<HWND, int, int, COLORREF> probes[] = {
        {l, 3, 7, red}, {l, 19, 7, face}, {b, 9, 12, green}, {b, 8, 12, face}, {b, 19, 17, green}, {b, 20, 17, face}};
    for (const auto& [window, x, y, color] : probes)
        EXPECT_EQ(Pixels(window, x + 1, y + 1).back(), color) << x << "," << y;
    // Disabled: the disabled image given.
    bitmap.EnableButton(0);
    bitmap.SetDisBitmap(blueBitmap);
    EXPECT_EQ(Pixels(b, 13, 15).back(), blue);
    // No paint reaches the buttons before they go with the test.
    ::DestroyIcon(redIcon);
    for (HBITMAP image : {greenBitmap, blueBitmap})
        ::DeleteObject(image);
}

TEST_F(FlatButtonTest, CaptionAndToolTipTextAreCutWithoutSplittingACharacter)
{
    CClientDC dc(&button);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    auto width = [&](const char* text) { return dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx; };
    // {text, width of, result in that width + 1, result in exactly that width}
    const char* cases[][4] = {{"AB", "ABCDEFGHIJ", "AB", "AB"}, {"ABCDEFGHIJ", "ABCDE...", "ABCDE...", "ABCD..."},
                              {"印刷印刷印刷", "印刷...", "印刷...", "印..."}, {"ABCDEFGHIJ", "", "", ""}};
    for (auto& c : cases) {
        EXPECT_STREQ(CFlatButton::ShortenText(&dc, c[0], width(c[1]) + 1), c[2]);
        EXPECT_STREQ(CFlatButton::ShortenText(&dc, c[0], width(c[1])), c[3]);
    }
    ::SelectObject(dc, old);

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
        EXPECT_EQ(request.lpszText, request.szText);
        EXPECT_EQ(std::string(request.szText), text.substr(0, shown));
    }
}

} // namespace
