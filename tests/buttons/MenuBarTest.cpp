// CMenuBar in an active frame: slots, the spin control and the places a host
// reads back, buttons inserted and removed, hot and pressed slots under real
// mouse input against reference images, what a click fires (a new document of
// the template, the command, the message), keys forwarded to the owner,
// tooltips, a bar its owner destroys on a click.
#include "ButtonsHarness.h"

#include "afx/CDocument.h"
#include "afx/CMultiDocTemplate.h"
#include "buttons/CMenuBar.h"

namespace {

const UINT kBarId = 700;

class MenuBarTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        for (COLORREF color : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255)})
            icons.push_back(SolidIcon(32, color));
        ASSERT_EQ(bar.Create(WS_VISIBLE, CRect(0, 0, 60, 150), frame, kBarId, kButtonMessage, 1), 1);
        bar.SetIconSize(CSize(32, 32));
        hWnd = bar.GetSafeHwnd();
    }
    void TearDown() override
    {
        HostTest::TearDown();
        for (HICON icon : icons)
            ::DestroyIcon(icon);
    }

    CMenuBar bar;
    HWND hWnd = nullptr;
    std::vector<HICON> icons;
    CMultiDocTemplate doc{IDS_TEST_DOCUMENT, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd), nullptr};
};

TEST_F(MenuBarTest, SlotsSpinControlToolTipsAClickOpensANewDocumentElseSendsTheCommandElseTheMessageKeysForTheOwner)
{
    // Slots are the icon + 3 pixels square: captions, a width or a height set change nothing.
    // icon, caption, button size set, bar height, slot, visible slots, last spin position (-1: all fit)
    const std::tuple<int, const char*, CSize, int, int, int, int> rows[] = {
        {32, "", {0, 0}, 150, 35, 3, 2}, {32, "仕訳入力と検索", {90, 60}, 150, 35, 3, 2},
        {16, "印刷", {0, 0}, 99, 19, 5, -1}, {16, "", {0, 0}, 98, 19, 2, 3}};
    for (const auto& [size, caption, set, height, slot, visible, last] : rows) {
        SCOPED_TRACE(height);
        CMenuBar sized;
        ASSERT_EQ(sized.Create(WS_VISIBLE, CRect(0, 0, 60, height), frame, kBarId, kButtonMessage, 1), 1);
        sized.SetIconSize(CSize(size, size));
        for (HICON icon : icons)
            sized.AddBtn(icon, caption, 0, nullptr);
        EXPECT_EQ(sized.SetButtonSize(set), set.cx > 0 ? 1 : 0);
        EXPECT_EQ(sized.GetButtonSize(), CSize(slot, slot));
        EXPECT_EQ(sized.GetMiniBarSize(), CSize(slot + 4, 5 * slot + 4));
        int lower = 0, upper = -1;
        if (sized.IsScrollMode())
            sized.GetSpinCtrl()->GetRange(lower, upper);
        EXPECT_EQ(std::make_tuple(sized.GetVisibleCount(), lower, upper), std::make_tuple(visible, 0, last));
        for (const auto& [x, y, at] : {std::tuple{slot - 1, 2 * slot - 1, 1}, {0, slot, 1}, {slot, 1, -1}})
            EXPECT_EQ(sized.GetBtnNo(CPoint(x, y)), at) << x << "," << y;
        sized.SetToolTip(1, "仕訳");
        TOOLINFOA info;
        ASSERT_TRUE(sized.GetToolTipCtrl()->GetToolInfo(info, &sized, CMenuBar::ToolIdBase + 1));
        EXPECT_EQ(CRect(info.rect), CRect(0, slot, slot, 2 * slot));
        // One button fewer: all fit, no spin control.
        sized.RemoveBtn(3, 1);
        EXPECT_FALSE(sized.IsScrollMode() || sized.GetSpinCtrl()->IsWindowVisible());
    }

    // Added, inserted and removed out of order: icons, captions, commands and templates travel together.
    bar.AddBtn(icons[2], "&&", 0, nullptr);                   // neither: the message
    bar.InsertBtn(0, icons[1], "&P", 202, nullptr);           // command
    bar.InsertBtn(0, icons[4], "挿入", 203, &doc);
    bar.InsertBtn(1, icons[0], "12月集計", 201, &doc);        // template and command: the template
    bar.RemoveBtn(0, 1);
    bar.AddBtn(icons[3], "印刷", 0, nullptr);
    bar.AddBtn(icons[4], "", 0, nullptr);
    bar.SetFocus();
    EXPECT_TRUE(Shows(hWnd, "menu-bar", 60, 150));
    // Hot slot 1, then sunken; SetUnderText repaints it flat. Pressed on slot 1,
    // released over slot 2; pressed on it, released outside the bar:
    // nothing fired, the capture let go.
    MouseMove(hWnd, 10, 45);
    ASSERT_EQ(std::make_pair(bar.GetHotButton(), bar.GetHotState()), std::make_pair(1, int{CMenuBar::HotRaised}));
    EXPECT_TRUE(Shows(hWnd, "menu-bar-hot", 60, 150));
    MouseEvent(hWnd, 11, 45, MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(std::make_pair(bar.GetHotButton(), bar.GetHotState()), std::make_pair(1, int{CMenuBar::HotSunken}));
    EXPECT_TRUE(Shows(hWnd, "menu-bar-pressed", 60, 150));
    bar.SetUnderText(0);
    EXPECT_TRUE(::GetUpdateRect(hWnd, nullptr, FALSE)) << "not repainted";
    EXPECT_TRUE(Shows(hWnd, "menu-bar", 60, 150));
    for (auto [x, y, flags] : {std::tuple<int, int, DWORD>{11, 80, 0}, {11, 80, MOUSEEVENTF_LEFTUP},
                               {11, 80, MOUSEEVENTF_LEFTDOWN}, {200, 45, 0}, {200, 45, MOUSEEVENTF_LEFTUP}})
        MouseEvent(hWnd, x, y, flags);
    EXPECT_EQ(std::make_tuple(frame->received.size(), ::GetCapture(), doc.GetDocumentCount()),
              std::make_tuple(size_t{0}, HWND{nullptr}, 0));

    // What the owner got for a click on a slot; the slot is hot after it.
    auto click = [&](int slot) {
        frame->received.clear();
        MouseMove(hWnd, 32, slot * 35 + 17);
        for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
            MouseEvent(hWnd, 33, slot * 35 + 17, flags);
        PumpFor(30);
        return std::make_pair(frame->received, bar.GetHotButton());
    };
    // slot, send the command, messages fired; the template's slot last, as its frame may cover the bar
    const std::tuple<int, BOOL, std::vector<ReceivedMessage>> cases[] = {
        {1, TRUE, {{WM_COMMAND, 202, reinterpret_cast<LPARAM>(hWnd)}}}, {1, FALSE, {{kButtonMessage, kBarId, 1}}},
        {2, TRUE, {{kButtonMessage, kBarId, 2}}}, {0, TRUE, {}}};
    for (const auto& [slot, sendCommand, fired] : cases) {
        bar.SetSendComID(sendCommand);
        EXPECT_EQ(click(slot), std::make_pair(fired, slot)) << slot << sendCommand;
    }
    // The template's new document, shown and numbered from 1; the next one 2.
    ASSERT_EQ(doc.GetDocumentCount(), 1);
    HWND first = ::FindWindowA(nullptr, "伝票1");
    EXPECT_TRUE(::IsWindowVisible(first));
    CDocument* second = doc.OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->GetTitle(), "伝票2");
    ::DestroyWindow(::FindWindowA(nullptr, "伝票2"));
    ::DestroyWindow(first);

    ::SetForegroundWindow(host);
    bar.SetFocus();
    // Real key strokes with up to two modifiers held, and what the owner gets for each (0: nothing).
    const std::tuple<BYTE, BYTE, BYTE, UINT> keys[] = {
        {0, 0, VK_F5, WM_MENUBAR_KEY}, {0, 0, VK_RETURN, WM_MENUBAR_KEY}, {0, 0, VK_DOWN, WM_MENUBAR_KEY},
        {0, 0, VK_F11, WM_MENUBAR_KEY}, {0, 0, VK_TAB, WM_MENUBAR_KEY}, {0, 0, VK_LEFT, 0}, {0, 0, 'A', 0},
        {VK_SHIFT, 0, VK_F5, WM_MENUBAR_KEY}, {VK_SHIFT, 0, VK_RETURN, 0}, {VK_SHIFT, 0, VK_UP, 0},
        {VK_CONTROL, 0, 'S', WM_KEYDOWN}, {VK_CONTROL, 0, VK_F5, WM_KEYDOWN}, {VK_CONTROL, 0, VK_RETURN, WM_KEYDOWN},
        {VK_MENU, 0, VK_F5, WM_SYSKEYDOWN}, {VK_MENU, 0, VK_DOWN, WM_SYSKEYDOWN}, {VK_MENU, 0, 'A', WM_SYSKEYDOWN},
        {VK_CONTROL, VK_SHIFT, VK_F5, WM_MENUBAR_KEY}, {VK_CONTROL, VK_SHIFT, 'S', 0},
        {VK_CONTROL, VK_MENU, VK_F5, WM_MENUBAR_KEY}, {VK_CONTROL, VK_MENU, VK_DOWN, 0}};
    for (const auto& [held, alsoHeld, key, message] : keys) {
        frame->received.clear();
        for (auto [vk, up] : {std::pair{held, 0}, {alsoHeld, 0}, {key, 0}, {key, 1}, {alsoHeld, 1}, {held, 1}})
            if (vk != 0)
                ::keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0);
        PumpFor(60);
        std::vector<UINT> got;
        for (const auto& [sent, wParam, lParam] : frame->received)
            if (wParam == key)
                got.push_back((HIWORD(lParam) & KF_UP) != 0 ? 0 : sent);  // a release: 0
        EXPECT_EQ(got, message != 0 ? std::vector<UINT>{message} : std::vector<UINT>{}) << int{held} << int{key};
    }
    // Scrolled by 2, slot 0 is button 2; the owner destroys the bar on its message: nothing after it.
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), LPARAM(bar.GetSpinCtrl()->GetSafeHwnd()));
    frame->destroyOnMessage = &bar;
    EXPECT_EQ(click(0).first, (std::vector<ReceivedMessage>{{kButtonMessage, kBarId, 2}}));
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
