// CFlatButton in an active frame with real mouse input: clicks and drags,
// the hover frame and its timer, the active-window rule, the status prompt,
// content placement, disabled images, the shortened caption and tooltips.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "afx/CClientDC.h"
#include "afx/CStatic.h"
#include "afx/CToolTipCtrl.h"
#include "afx/CWinApp.h"
#include "buttons/CFlatButton.h"

namespace {

const int kWidth = 100, kHeight = 30;

class FlatButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MouseMove(host.hWnd, 390, 290);  // away from the button
        ASSERT_TRUE(button.Create("印刷", WS_VISIBLE, CRect(20, 20, 20 + kWidth, 20 + kHeight), host.frame,
                                  IDC_FLAT_PROMPTED));
        hWnd = button.GetSafeHwnd();
        Pump();
    }
    void TearDown() override
    {
        MouseMove(host.hWnd, 390, 290);
        button.DestroyWindow();
        Pump();
    }
    bool WaitState(int state) { return WaitFor([&] { return button.GetFrameState() == state; }, 1500); }
    // The path is in the button's client coordinates.
    struct Step {
        char action;  // m move, d press, u release
        int x, y;
    };
    void Walk(const std::vector<Step>& path)
    {
        for (const Step& step : path) {
            if (step.action == 'd')
                MouseDown(hWnd, step.x, step.y);
            else if (step.action == 'u')
                MouseUp(hWnd, step.x, step.y);
            else
                MouseMove(hWnd, step.x, step.y);
            PumpFor(30);
        }
    }

    FrameHolder host;
    CFlatButton button;
    HWND hWnd = nullptr;
};

TEST_F(FlatButtonTest, ReleaseInsideAfterAPressOnTheButtonIsTheOnlyClick)
{
    struct Case {
        const char* name;
        bool enabled;
        std::vector<Step> path;
        int commands;
        int stateAfter;
    } cases[] = {
        {"press and release inside", true, {{'m', 50, 15}, {'d', 50, 15}, {'u', 52, 16}}, 1, 1},
        {"drag out, release outside", true, {{'m', 50, 15}, {'d', 50, 15}, {'m', 200, 150}, {'u', 200, 150}}, 0, 0},
        {"drag out and back in", true,
         {{'m', 50, 15}, {'d', 50, 15}, {'m', 200, 150}, {'m', 60, 10}, {'u', 60, 10}}, 1, 1},
        {"press outside, release inside", true, {{'m', 200, 150}, {'d', 200, 150}, {'m', 50, 15}, {'u', 50, 15}}, 0, 1},
        {"disabled", false, {{'m', 50, 15}, {'d', 50, 15}, {'u', 50, 15}}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button.EnableButton(c.enabled);
        host.frame->received.clear();
        Walk(c.path);
        ASSERT_EQ(host.frame->Count(WM_COMMAND), c.commands);
        if (c.commands == 1) {
            EXPECT_EQ(host.frame->received[0].wParam, MAKEWPARAM(IDC_FLAT_PROMPTED, 0));
            EXPECT_EQ(host.frame->received[0].lParam, reinterpret_cast<LPARAM>(hWnd));
        }
        EXPECT_EQ(button.GetFrameState(), c.stateAfter);
        EXPECT_NE(::GetCapture(), hWnd);
        MouseUp(host.hWnd, 390, 290);
        MouseMove(host.hWnd, 390, 290);
        EXPECT_TRUE(WaitState(0));
    }
}

TEST_F(FlatButtonTest, HoverFrameComesWithTheCursorAndTheTimerTakesItAway)
{
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(PixelAt(hWnd, 0, 0), face);

    MouseMove(hWnd, 40, 10);
    ASSERT_TRUE(WaitState(1));
    EXPECT_EQ(PixelAt(hWnd, 0, 0), light);
    EXPECT_EQ(PixelAt(hWnd, 0, kHeight - 2), light);
    EXPECT_EQ(PixelAt(hWnd, kWidth - 1, 5), shadow);
    EXPECT_EQ(PixelAt(hWnd, 5, kHeight - 1), shadow);

    MouseDown(hWnd, 40, 10);
    ASSERT_TRUE(WaitState(2));
    EXPECT_EQ(PixelAt(hWnd, 0, 0), shadow);
    EXPECT_EQ(PixelAt(hWnd, kWidth - 1, 5), light);
    MouseUp(hWnd, 40, 10);
    ASSERT_TRUE(WaitState(1));

    // Straight out of the frame: the button sees no move, the timer notices.
    MouseMove(host.hWnd, -30, -30);
    ASSERT_TRUE(WaitState(0));
    EXPECT_EQ(PixelAt(hWnd, 0, 0), face);
    EXPECT_FALSE(::KillTimer(hWnd, CFlatButton::HoverTimerId)) << "the hover timer still runs";
}

TEST_F(FlatButtonTest, NoHoverWhileAnotherTopLevelWindowIsActive)
{
    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    PumpFor(50);
    ASSERT_EQ(::GetActiveWindow(), other);
    MouseMove(hWnd, 40, 10);
    MouseMove(hWnd, 45, 12);
    PumpFor(250);
    EXPECT_EQ(button.GetFrameState(), 0);
    EXPECT_FALSE(::KillTimer(hWnd, CFlatButton::HoverTimerId));
    ::DestroyWindow(other);
    host.Activate();
}

TEST_F(FlatButtonTest, StatusPromptWhileHoveredAndIdlePromptAfter)
{
    CStatic* statusBar = new CStatic;
    ASSERT_TRUE(statusBar->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 280, 400, 300), host.frame, AFX_IDW_STATUS_BAR));
    CFlatButton plain;
    ASSERT_TRUE(plain.Create("plain", WS_VISIBLE, CRect(200, 20, 260, 50), host.frame, IDC_FLAT_PLAIN));
    AfxGetApp()->m_pMainWnd = host.frame;
    auto status = [&] {
        char text[64] = "";
        statusBar->GetWindowText(text, sizeof text);
        return std::string(text);
    };
    MouseMove(hWnd, 40, 10);
    EXPECT_TRUE(WaitFor([&] { return status() == "印刷します"; }));
    // The button sees the cursor outside only while it holds the capture.
    MouseDown(hWnd, 40, 10);
    MouseMove(hWnd, 150, 10);
    EXPECT_TRUE(WaitFor([&] { return status() == "レディ"; }));
    MouseUp(hWnd, 150, 10);
    statusBar->SetWindowText("unchanged");
    MouseMove(plain.GetSafeHwnd(), 10, 10);  // no string for its ID
    PumpFor(150);
    EXPECT_EQ(status(), "unchanged");
    AfxGetApp()->m_pMainWnd = nullptr;
    plain.DestroyWindow();
    statusBar->DestroyWindow();
    delete statusBar;
}

TEST_F(FlatButtonTest, ImagesAreCentredOrAlignedAndDisabledImagesReplaceThem)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0), yellow = RGB(255, 255, 0);
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    HICON redIcon = SolidIcon(16, red), blueIcon = SolidIcon(16, blue), yellowIcon = SolidIcon(16, yellow);
    HBITMAP greenBitmap = SolidBitmap(10, 6, green), blueBitmap = SolidBitmap(10, 6, blue);

    CFlatButton centred, left;
    ASSERT_TRUE(centred.Create(redIcon, WS_VISIBLE | BS_ICON, CRect(200, 100, 230, 130), host.frame, 1));
    ASSERT_TRUE(left.Create(redIcon, WS_VISIBLE | BS_ICON | BS_LEFT, CRect(250, 100, 280, 130), host.frame, 2));
    HWND c = centred.GetSafeHwnd(), l = left.GetSafeHwnd();
    ::UpdateWindow(c);
    ::UpdateWindow(l);
    // Drawing rectangle (3,3)-(27,27); the 16 x 16 icon at (7,7)-(23,23), or 4 left.
    EXPECT_EQ(PixelAt(c, 7, 7), red);
    EXPECT_EQ(PixelAt(c, 22, 22), red);
    EXPECT_EQ(PixelAt(c, 6, 7), face);
    EXPECT_EQ(PixelAt(c, 23, 22), face);
    EXPECT_EQ(PixelAt(l, 3, 7), red);
    EXPECT_EQ(PixelAt(l, 18, 22), red);
    EXPECT_EQ(PixelAt(l, 19, 7), face);

    // Disabled without a disabled icon: the icon itself; then the one given.
    EXPECT_EQ(centred.EnableButton(0), 1);
    ::UpdateWindow(c);
    EXPECT_EQ(PixelAt(c, 10, 10), red);
    EXPECT_EQ(centred.SetDisIcon(blueIcon), redIcon);
    ::UpdateWindow(c);
    EXPECT_EQ(PixelAt(c, 10, 10), blue);
    // A new normal icon keeps a separate disabled one.
    EXPECT_EQ(centred.SetIcon(yellowIcon), redIcon);
    EXPECT_EQ(centred.GetDisIcon(), blueIcon);
    EXPECT_EQ(centred.EnableButton(1), 0);
    ::UpdateWindow(c);
    EXPECT_EQ(PixelAt(c, 10, 10), yellow);

    // Bitmaps: the same rules; a 10 x 6 bitmap in (3,3)-(27,27) lands at (10,12).
    CFlatButton bitmapButton;
    ASSERT_TRUE(bitmapButton.Create(greenBitmap, WS_VISIBLE | BS_BITMAP, CRect(300, 100, 330, 130), host.frame, 3));
    HWND b = bitmapButton.GetSafeHwnd();
    ::UpdateWindow(b);
    EXPECT_EQ(PixelAt(b, 10, 12), green);
    EXPECT_EQ(PixelAt(b, 19, 17), green);
    EXPECT_EQ(PixelAt(b, 9, 12), face);
    EXPECT_EQ(PixelAt(b, 20, 17), face);
    bitmapButton.EnableButton(0);
    ::UpdateWindow(b);
    EXPECT_EQ(PixelAt(b, 12, 14), green);
    bitmapButton.SetDisBitmap(blueBitmap);
    ::UpdateWindow(b);
    EXPECT_EQ(PixelAt(b, 12, 14), blue);

    centred.DestroyWindow();
    left.DestroyWindow();
    bitmapButton.DestroyWindow();
    for (HICON icon : {redIcon, blueIcon, yellowIcon})
        ::DestroyIcon(icon);
    ::DeleteObject(greenBitmap);
    ::DeleteObject(blueBitmap);
}

TEST_F(FlatButtonTest, ShortenedCaptionEndsInDotsAndNeverSplitsACharacter)
{
    CClientDC dc(&button);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    auto width = [&](const char* text) { return dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx; };
    EXPECT_STREQ(CFlatButton::ShortenText(&dc, "ABC", width("ABC") + 1), "ABC");
    EXPECT_STREQ(CFlatButton::ShortenText(&dc, "ABCDEFGHIJ", width("ABCDE...") + 1), "ABCDE...");
    // Exactly as wide is not narrower: one character less.
    EXPECT_STREQ(CFlatButton::ShortenText(&dc, "ABCDEFGHIJ", width("ABCDE...")), "ABCD...");
    EXPECT_STREQ(CFlatButton::ShortenText(&dc, "印刷印刷印刷", width("印刷...") + 1), "印刷...");
    EXPECT_STREQ(CFlatButton::ShortenText(&dc, "ABCDEFGHIJ", 2), "");
    ::SelectObject(dc, old);

    // Drawn: a short caption is centred, a long one starts at the left edge.
    auto leftmostInk = [&](HWND hButton, int w, int h) {
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        std::vector<COLORREF> pixels = CaptureClient(hButton, w, h);
        for (int x = 1; x < w - 1; ++x)
            for (int y = 1; y < h - 1; ++y)
                if (pixels[static_cast<size_t>(y) * w + x] != face)
                    return x;
        return -1;
    };
    int shortLeft = leftmostInk(hWnd, kWidth, kHeight);
    EXPECT_GT(shortLeft, 20);
    button.SetString("とても長いボタンの見出しです。");
    int longLeft = leftmostInk(hWnd, kWidth, kHeight);
    EXPECT_GE(longLeft, 3);
    EXPECT_LE(longLeft, 5);
    EXPECT_STREQ(button.GetString(), "とても長いボタンの見出しです。");
}

TEST_F(FlatButtonTest, ToolTipTextByCallbackCutToItsField)
{
    EXPECT_EQ(button.EnableToolTips(1), 1);
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    EXPECT_EQ(button.OnToolHitTest(CPoint(10, 10), &info), 1);
    EXPECT_EQ(info.hwnd, hWnd);
    EXPECT_EQ(info.uId, static_cast<UINT_PTR>(IDC_FLAT_PROMPTED));
    EXPECT_EQ(CRect(info.rect), CRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACKA);
    EXPECT_NE(info.uFlags & TTF_NOTBUTTON, 0u);
    EXPECT_EQ(button.OnToolHitTest(CPoint(kWidth + 1, 10), &info), -1);
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    EXPECT_EQ(button.OnToolHitTest(CPoint(10, 10), &info), -1);

    struct Case {
        std::string text;
        size_t expected;
    } cases[] = {{"印刷します", 10}, {std::string(100, 'x'), 79}, {"", 78}};
    // Two ASCII bytes then double-byte characters: byte 79 would split one.
    cases[2].text = "ab";
    for (int i = 0; i < 40; ++i)
        cases[2].text += "印";
    for (const Case& c : cases) {
        button.SetToolTipsText(c.text.c_str());
        NMTTDISPINFOA request = {};
        request.hdr.hwndFrom = nullptr;
        request.hdr.idFrom = IDC_FLAT_PROMPTED;
        request.hdr.code = TTN_NEEDTEXTA;
        ::SendMessageA(hWnd, WM_NOTIFY, IDC_FLAT_PROMPTED, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(request.lpszText, request.szText);
        EXPECT_EQ(std::strlen(request.szText), c.expected);
        EXPECT_EQ(std::string(request.szText), c.text.substr(0, c.expected));
    }
    EXPECT_STREQ(button.GetToolTipsText(), cases[2].text.c_str());

    // Hovered, the thread's tooltip control holds the button as its tool.
    MouseMove(hWnd, 30, 10);
    MouseMove(hWnd, 31, 11);
    HWND tip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    for (; tip != nullptr; tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        if (::GetWindowThreadProcessId(tip, nullptr) == ::GetCurrentThreadId() &&
            ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0) == 1)
            break;
    }
    ASSERT_NE(tip, nullptr);
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(::SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.hwnd, hWnd);
    EXPECT_EQ(tool.uId, static_cast<UINT_PTR>(IDC_FLAT_PROMPTED));
    button.EnableToolTips(0);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

} // namespace
