// Seeded random real input on each button class in a host frame, with the
// host's calls in between: commands carry the button's ID and window, the
// bar's messages a button index inside its buttons, frame and hot states
// stay in range, and no GDI object is left once the windows are gone (the
// count follows the patched gdi32 imports of both DLLs).
#include "ButtonsHarness.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "buttons/COwnerBtn.h"
#include "support/GdiObjectCount.h"
#include "support/RandomInput.h"

namespace {

class RandomInputHost : public HostTest {
protected:
    ~RandomInputHost() override
    {
        ::DestroyIcon(icon);
        EXPECT_EQ(count.Outstanding(), 0u);
    }
    // Input on hWnd and host calls picked at random; every command from a control must come from hWnd
    // with the ID id, and holds() must hold.
    void Run(const char* name, HWND hWnd, UINT id, SIZE maxSize, std::vector<std::function<void(std::mt19937&)>> calls,
             std::function<::testing::AssertionResult()> holds = ::testing::AssertionSuccess)
    {
        RandomInput input(name, hWnd, other);
        input.preTranslate = [](MSG* msg) { return CWnd::WalkPreTranslateTree(nullptr, msg) != FALSE; };
        input.maxSize = maxSize;  // at most 360 x 260: the points stay inside the host frame
        input.hostCall = [&](std::mt19937& random) { calls[random() % calls.size()](random); };
        input.invariants = [&] {
            ::testing::AssertionResult held = holds();
            for (const auto& [message, wParam, lParam] : frame->received)
                if (message == WM_COMMAND && lParam != 0 && (LOWORD(wParam) != id || lParam != LPARAM(hWnd)))
                    held = ::testing::AssertionFailure() << "command " << wParam << " from " << lParam;
            frame->received.clear();
            return held;
        };
        EXPECT_TRUE(input.Run());
    }

    GdiObjectCount count;
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 392, 292, 8, 8, host, nullptr, nullptr,
                                   nullptr);
    HICON icon = SolidIcon(16, RGB(200, 0, 0));
};

TEST_F(RandomInputHost, CFlatButtonTextOrIconEnabledOrNot)
{
    CFlatButton button;
    ASSERT_TRUE(button.Create(icon, WS_VISIBLE | BS_ICON, CRect(20, 20, 120, 50), frame, 40));
    Run("CFlatButton", button.GetSafeHwnd(), 40, {360, 260},
        {[&](std::mt19937&) { button.EnableButton(!button.IsButtonEnabled()); },
         [&](std::mt19937& r) { button.SetString(r() % 2 ? "印刷" : "とても長いボタンの見出しです"); },
         [&](std::mt19937&) { button.SetIcon(button.GetIcon() != nullptr ? nullptr : icon); }},
        [&] { return ::testing::AssertionResult(button.GetFrameState() >= 0 && button.GetFrameState() <= 2); });
}

TEST_F(RandomInputHost, COwnerBtnPressedDisabledAndFocusFaces)
{
    COwnerBtn button;
    ASSERT_EQ(button.CreatePullDownButton(WS_CHILD | WS_VISIBLE, {20, 20, 112, 62}, frame, 50, "BSUM_DOWN", "BSUM_UP",
                                          "BEND_UP", "BSUM_MASK"), -1);
    Run("COwnerBtn", button.GetSafeHwnd(), 50, {360, 260},
        {[&](std::mt19937&) { button.EnableWindow(!button.IsWindowEnabled()); },
         [&](std::mt19937& r) { button.SetState(r() % 2); }});
}

TEST_F(RandomInputHost, CMenuBarButtonsAddedAndRemovedCaptionsShownOrNot)
{
    CMenuBar bar;
    ASSERT_EQ(bar.Create(WS_VISIBLE, CRect(20, 20, 80, 200), frame, 60, kButtonMessage, 1), 1);
    bar.SetFocus();
    auto at = [&](std::mt19937& r, int more) { return static_cast<int>(r() % (bar.GetBtnCount() + more)); };
    Run("CMenuBar", bar.GetSafeHwnd(), 300, {70, 260},  // narrow: the clicks find the slots
        {[&](std::mt19937& r) { bar.AddBtn(icon, r() % 2 ? "印刷" : "仕訳入力と検索", r() % 2 ? 300 : 0, nullptr); },
         [&](std::mt19937& r) { bar.InsertBtn(at(r, 1), nullptr, "&&", 300, nullptr); },
         [&](std::mt19937& r) { bar.GetBtnCount() > 0 ? bar.RemoveBtn(at(r, 0), 1) : void(); },
         [&](std::mt19937& r) { bar.EnableWindow(r() % 4 != 0); },
         [&](std::mt19937& r) { bar.SetTextDsp(r() % 2); }, [&](std::mt19937& r) { bar.SetUnderText(r() % 2); }},
        [&] {
            int hot = bar.GetHotButton(), state = bar.GetHotState(), buttons = bar.GetBtnCount();
            bool held = hot >= -1 && bar.GetFirstVisible() + hot < buttons && state >= 0 && state <= 2;
            for (const auto& [message, wParam, lParam] : frame->received)
                held &= message != kButtonMessage || (wParam == 60 && lParam >= 0 && lParam < buttons);
            return ::testing::AssertionResult(held) << "hot slot " << hot << " state " << state << " of " << buttons;
        });
}

} // namespace
