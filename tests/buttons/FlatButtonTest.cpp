// CFlatButton in an active frame with real mouse input: clicks and drags,
// the hover frame and its timer, the active-window rule, the status prompt,
// content placement, disabled images, the shortened caption and tooltips.
#include "ButtonsHarness.h"
#include "afx/CClientDC.h"
#include "afx/CStatic.h"
#include "afx/CToolTipCtrl.h"
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
    bool WaitState(int state) { return WaitFor([&] { return button.GetFrameState() == state; }, 1500); }

    CFlatButton button;
    HWND hWnd = nullptr;
};

TEST_F(FlatButtonTest, ReleaseInsideAfterAPressOnTheButtonIsTheOnlyClick)
{
    // enabled, path (m move, d press, u release; 'i' inside the button, 'o' outside), commands, state after
    const std::tuple<bool, const char*, int, int> cases[] = {
        {true, "mi di ui", 1, 1}, {true, "mi di mo uo", 0, 0}, {true, "mi di mo mi ui", 1, 1},
        {true, "mo do mi ui", 0, 1}, {false, "mi di ui", 0, 0},
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
        EXPECT_TRUE(WaitState(0));
    }
}

TEST_F(FlatButtonTest, HoverFrameWithItsTimerAndStatusPromptOnlyInTheActiveWindow)
{
    COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
             shadow = ::GetSysColor(COLOR_BTNSHADOW);
    CStatic statusBar;
    ASSERT_TRUE(statusBar.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 280, 400, 300), frame, AFX_IDW_STATUS_BAR));
    CFlatButton plain;
    ASSERT_TRUE(plain.Create("plain", WS_VISIBLE, CRect(200, 20, 260, 50), frame, IDC_FLAT_PLAIN));
    AfxGetApp()->m_pMainWnd = frame;
    HWND status = statusBar.GetSafeHwnd();
    {
        ImportPatch patch(::GetModuleHandleA("zr8afx.dll"), "user32.dll", "SetTimer",
                          reinterpret_cast<void*>(&RecordSetTimer));
        ASSERT_TRUE(patch.Ok());
        MouseMove(hWnd, 40, 10);
        ASSERT_TRUE(WaitState(1));
    }
    EXPECT_EQ(g_timers, (std::vector<UINT_PTR>{reinterpret_cast<UINT_PTR>(hWnd), 3000, 100}));
    EXPECT_TRUE(WaitFor([&] { return TextOf(status) == "印刷します"; }));
    // Raised: light top and left, shadow right and bottom; sunken the other way.
    for (int state : {1, 2}) {
        if (state == 2)
            MouseDown(hWnd, 40, 10);
        ASSERT_TRUE(WaitState(state));
        EXPECT_EQ(PixelAt(hWnd, 0, kHeight - 2), state == 1 ? light : shadow);
        EXPECT_EQ(PixelAt(hWnd, kWidth - 1, 5), state == 1 ? shadow : light);
        EXPECT_EQ(PixelAt(hWnd, 5, kHeight - 1), state == 1 ? shadow : light);
    }
    // The button sees the cursor outside only while it holds the capture.
    MouseMove(hWnd, 150, 10);
    EXPECT_TRUE(WaitFor([&] { return TextOf(status) == "レディ"; }));
    MouseMove(hWnd, 40, 10);
    MouseUp(hWnd, 40, 10);
    ASSERT_TRUE(WaitState(1));
    // Straight out of the frame: the button sees no move, the timer notices.
    MouseMove(host, -30, -30);
    ASSERT_TRUE(WaitState(0));
    EXPECT_EQ(PixelAt(hWnd, 0, 0), face);
    EXPECT_FALSE(::KillTimer(hWnd, CFlatButton::HoverTimerId)) << "the hover timer still runs";
    statusBar.SetWindowText("unchanged");
    MouseMove(plain.GetSafeHwnd(), 10, 10);  // no string for its ID
    PumpFor(150);
    EXPECT_EQ(TextOf(status), "unchanged");
    AfxGetApp()->m_pMainWnd = nullptr;

    // No hover while another top-level window is active.
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50, 0, 0, 0, 0);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    PumpFor(50);
    ASSERT_EQ(::GetActiveWindow(), other);
    MouseMove(hWnd, 40, 10);
    MouseMove(hWnd, 45, 12);
    EXPECT_EQ(button.GetFrameState(), 0);
    EXPECT_FALSE(::KillTimer(hWnd, CFlatButton::HoverTimerId));
    ::DestroyWindow(other);
}

TEST_F(FlatButtonTest, ImagesAreCentredOrAlignedAndDisabledImagesReplaceThem)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    HICON redIcon = SolidIcon(16, red), blueIcon = SolidIcon(16, blue);
    HBITMAP greenBitmap = SolidBitmap(11, 6, green), blueBitmap = SolidBitmap(11, 6, blue);
    CFlatButton centred, left, bitmap;
    ASSERT_TRUE(centred.Create(redIcon, WS_VISIBLE | BS_ICON, CRect(200, 100, 230, 130), frame, 1));
    ASSERT_TRUE(left.Create(redIcon, WS_VISIBLE | BS_ICON | BS_LEFT, CRect(250, 100, 280, 130), frame, 2));
    ASSERT_TRUE(bitmap.Create(greenBitmap, WS_VISIBLE | BS_BITMAP, CRect(300, 100, 330, 130), frame, 3));
    HWND c = centred.GetSafeHwnd(), l = left.GetSafeHwnd(), b = bitmap.GetSafeHwnd();
    // In (3,3)-(27,27): the 16 x 16 icon at (7,7)-(23,23), or 4 left; the
    // 11 x 6 bitmap at (9,12)-(20,18).
    const std::tuple<HWND, int, int, COLORREF> probes[] = {
        {c, 7, 7, red},     {c, 22, 22, red},  {c, 6, 7, face},    {c, 23, 22, face}, {l, 3, 7, red},  {l, 18, 22, red},
        {l, 19, 7, face},   {b, 9, 12, green}, {b, 19, 17, green}, {b, 8, 12, face},  {b, 20, 17, face}};
    for (const auto& [window, x, y, color] : probes)
        EXPECT_EQ(PixelAt(window, x, y), color) << x << "," << y;
    // Disabled without a disabled image: the image itself; then the one given.
    centred.EnableButton(0);
    bitmap.EnableButton(0);
    EXPECT_EQ(Pixels(c, 11, 11).back(), red);
    EXPECT_EQ(Pixels(b, 13, 15).back(), green);
    centred.SetDisIcon(blueIcon);
    bitmap.SetDisBitmap(blueBitmap);
    EXPECT_EQ(Pixels(c, 11, 11).back(), blue);
    EXPECT_EQ(Pixels(b, 13, 15).back(), blue);
    // A new normal image keeps a separate disabled one.
    EXPECT_EQ(centred.SetIcon(redIcon), redIcon);
    EXPECT_EQ(centred.GetDisIcon(), blueIcon);
    // No paint reaches the buttons before they go with the test.
    for (HICON icon : {redIcon, blueIcon})
        ::DestroyIcon(icon);
    for (HBITMAP image : {greenBitmap, blueBitmap})
        ::DeleteObject(image);
}

TEST_F(FlatButtonTest, CaptionAndToolTipTextAreCutWithoutSplittingACharacter)
{
    CClientDC dc(&button);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    auto width = [&](const char* text) { return dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx; };
    // {text, width of, result in that width + 1, result in exactly that width
    // (as wide is not narrower: one character less)}
    const char* cases[][4] = {{"ABC", "ABC", "ABC", nullptr}, {"ABCDEFGHIJ", "ABCDE...", "ABCDE...", "ABCD..."},
                              {"印刷印刷印刷", "印刷...", "印刷...", "印..."},
                              {"印刷印刷印刷", "印刷印...", "印刷印...", "印刷..."}, {"ABCDEFGHIJ", "", "", ""}};
    for (auto& c : cases) {
        EXPECT_STREQ(CFlatButton::ShortenText(&dc, c[0], width(c[1]) + 1), c[2]);
        if (c[3] != nullptr) {
            EXPECT_STREQ(CFlatButton::ShortenText(&dc, c[0], width(c[1])), c[3]);
        }
    }
    ::SelectObject(dc, old);

    // Drawn: a short caption is centred, a long one starts at the left edge.
    auto leftmostInk = [&] {
        std::vector<COLORREF> pixels = Pixels(hWnd, kWidth, kHeight);
        for (int x = 1; x < kWidth - 1; ++x)
            for (int y = 1; y < kHeight - 1; ++y)
                if (pixels[static_cast<size_t>(y) * kWidth + x] != ::GetSysColor(COLOR_BTNFACE))
                    return x;
        return -1;
    };
    EXPECT_GT(leftmostInk(), 20);
    button.SetString("とても長いボタンの見出しです。");
    int longLeft = leftmostInk();
    EXPECT_TRUE(longLeft >= 3 && longLeft <= 5) << longLeft;

    // The tooltip's text by callback, cut to its field.
    EXPECT_EQ(button.EnableToolTips(1), 1);
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    EXPECT_EQ(button.OnToolHitTest(CPoint(10, 10), &info), 1);
    EXPECT_EQ(std::make_tuple(info.hwnd, info.uId, info.lpszText, info.uFlags & TTF_NOTBUTTON),
              std::make_tuple(hWnd, UINT_PTR{IDC_FLAT_PROMPTED}, LPSTR_TEXTCALLBACKA, UINT{TTF_NOTBUTTON}));
    EXPECT_EQ(CRect(info.rect), CRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(button.OnToolHitTest(CPoint(kWidth + 1, 10), &info), -1);
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    EXPECT_EQ(button.OnToolHitTest(CPoint(10, 10), &info), -1);

    // Two ASCII bytes then double-byte characters: byte 79 would split one.
    std::string split = "ab";
    while (split.size() < 82)
        split += "印";
    // {text, bytes shown}
    const std::pair<std::string, size_t> tips[] = {{"印刷します", 10}, {std::string(100, 'x'), 79}, {split, 78}};
    for (const auto& [text, shown] : tips) {
        button.SetToolTipsText(text.c_str());
        NMTTDISPINFOA request = {};
        request.hdr.idFrom = IDC_FLAT_PROMPTED;
        request.hdr.code = TTN_NEEDTEXTA;
        ::SendMessageA(hWnd, WM_NOTIFY, IDC_FLAT_PROMPTED, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(request.lpszText, request.szText);
        EXPECT_EQ(std::string(request.szText), text.substr(0, shown));
    }
}

} // namespace
