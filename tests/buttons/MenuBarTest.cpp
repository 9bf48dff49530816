// CMenuBar in an active frame: slots, the spin control and the places a host
// reads back, captions and repaints, hot and pressed slots under real mouse
// input, what a click fires (a new document of the template, the command, the
// message), keys forwarded to the owner, tooltips.
#include "ButtonsHarness.h"

#include <algorithm>

#include "afx/CClientDC.h"
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
        bar.DestroyWindow();
        for (HICON icon : icons)
            ::DestroyIcon(icon);
    }

    CMenuBar bar;
    HWND hWnd = nullptr;
    std::vector<HICON> icons;
    CMultiDocTemplate doc{IDS_TEST_DOCUMENT, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd), nullptr};
};

TEST_F(MenuBarTest, SlotsSpinControlToolTipsAndKeysForTheOwner)
{
    // Slots are the icon + 3 pixels square: captions, a width or a height set change nothing.
    struct Row {
        int icon;
        const char* caption;
        CSize set;
        int height, slot, visible, upper;  // upper: last spin position, -1 all fit
    };
    const Row rows[] = {{32, "", {0, 0}, 150, 35, 3, 2}, {32, "仕訳入力と検索", {90, 60}, 150, 35, 3, 2},
                        {16, "印刷", {0, 0}, 99, 19, 5, -1}, {16, "", {0, 0}, 98, 19, 2, 3}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.height);
        CMenuBar sized;
        ASSERT_EQ(sized.Create(WS_VISIBLE, CRect(0, 0, 60, r.height), frame, kBarId, kButtonMessage, 1), 1);
        sized.SetIconSize(CSize(r.icon, r.icon));
        for (HICON icon : icons)
            sized.AddBtn(icon, r.caption, 0, nullptr);
        EXPECT_EQ(sized.SetButtonSize(r.set), r.set.cx > 0 ? 1 : 0);
        EXPECT_EQ(sized.GetButtonSize(), CSize(r.slot, r.slot));
        EXPECT_EQ(sized.GetMiniBarSize(), CSize(r.slot + 4, 5 * r.slot + 4));
        int lower = 0, upper = -1;
        if (sized.IsScrollMode())
            sized.GetSpinCtrl()->GetRange(lower, upper);
        EXPECT_EQ(std::make_tuple(sized.GetVisibleCount(), lower, upper), std::make_tuple(r.visible, 0, r.upper));
        for (const auto& [x, y, slot] : {std::tuple{r.slot - 1, 2 * r.slot - 1, 1}, {0, r.slot, 1}, {r.slot, 1, -1}})
            EXPECT_EQ(sized.GetBtnNo(CPoint(x, y)), slot) << x << "," << y;
        sized.SetToolTip(1, "仕訳");
        TOOLINFOA info;
        ASSERT_TRUE(sized.GetToolTipCtrl()->GetToolInfo(info, &sized, CMenuBar::ToolIdBase + 1));
        const RECT& tip = info.rect;
        EXPECT_EQ(std::tie(tip.left, tip.top, tip.right, tip.bottom), std::make_tuple(0, r.slot, r.slot, 2 * r.slot));
    }

    for (HICON icon : icons)
        bar.AddBtn(icon, "", 0, nullptr);
    CSpinButtonCtrl* spin = bar.GetSpinCtrl();
    // Lower: (148 - 44) / 35 = 2 slots, range 0 ... 3.
    bar.MoveWindow(0, 0, 60, 148);
    EXPECT_EQ(bar.GetVisibleCount(), 2);
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(spin->GetSafeHwnd()));
    EXPECT_EQ(bar.GetFirstVisible(), 3);
    // One button fewer: 4 x 35 + 4 <= 148, all fit, no spin control.
    bar.RemoveBtn(3, 1);
    EXPECT_FALSE(bar.IsScrollMode() || spin->IsWindowVisible());

    bar.SetFocus();
    // Real key strokes, and what the owner gets for each (0: nothing).
    const std::pair<BYTE, UINT> keys[] = {{VK_F5, WM_MENUBAR_KEY}, {VK_RETURN, WM_MENUBAR_KEY},
                                          {VK_DOWN, WM_MENUBAR_KEY}, {VK_F11, WM_MENUBAR_KEY}, {VK_LEFT, 0}, {'A', 0}};
    for (const auto& [key, message] : keys) {
        frame->received.clear();
        ::keybd_event(key, 0, 0, 0);
        ::keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        PumpFor(60);
        std::vector<UINT> got;
        for (const auto& [sent, wParam, lParam] : frame->received)
            if (wParam == key)
                got.push_back((HIWORD(lParam) & KF_UP) != 0 ? 0 : sent);  // a release: 0
        EXPECT_EQ(got, message != 0 ? std::vector<UINT>{message} : std::vector<UINT>{}) << int{key};
    }
}

TEST_F(MenuBarTest, CaptionsTravelWithTheirButtonsAndShowPrefixes)
{
    CClientDC dc(&bar);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    int ampersand = dc.GetTextExtent("&", 1).cx;
    ::SelectObject(dc, old);
    bar.AddBtn(icons[0], "印刷", 101, nullptr);
    bar.AddBtn(icons[1], "仕訳入力と検索", 102, nullptr);
    bar.InsertBtn(1, icons[2], "挿入", 103, &doc);
    bar.RemoveBtn(0, 1);
    ASSERT_EQ(bar.GetBtnCount(), 2);
    EXPECT_STREQ(bar.GetBtnString(0), "挿入");
    EXPECT_EQ(bar.GetBtnTemplate(0), &doc);

    // "&&" on slot 2 (inside its frame: rows 71 ... 103) without an icon: one ampersand inked.
    bar.AddBtn(nullptr, "&&", 0, nullptr);
    std::vector<COLORREF> pixels = Pixels(hWnd, 35, 105);
    std::vector<int> inked;
    for (int i = 71 * 35; i < 104 * 35; ++i) {
        if (i % 35 > 0 && pixels[i] != ::GetSysColor(COLOR_BTNFACE))
            inked.push_back(i % 35);
    }
    ASSERT_FALSE(inked.empty());
    auto [first, last] = std::minmax_element(inked.begin(), inked.end());
    EXPECT_LT(*last - *first, ampersand);
    bar.SetUnderText(0);
    EXPECT_TRUE(::GetUpdateRect(hWnd, nullptr, FALSE)) << "not repainted";

    // Shortening keeps whole characters and fits.
    int dots = dc.GetTextExtent("印刷...", 7).cx;
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "印刷印刷印刷", dots), "印刷...");
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "印刷印刷印刷", dots - 1), "印...");
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "AB", 1000), "AB");
}

TEST_F(MenuBarTest, AClickOpensANewDocumentElseSendsTheCommandElseTheMessage)
{
    bar.MoveWindow(0, 0, 60, 300);
    bar.AddBtn(icons[0], "", 201, &doc);     // template and command: the template
    bar.AddBtn(icons[1], "", 202, nullptr);  // command
    bar.AddBtn(icons[2], "", 0, nullptr);    // neither: the message
    bar.SetFocus();
    // Pressed on slot 1, released over slot 2; pressed on it, released
    // outside the bar: nothing fired, the capture let go.
    MouseMove(hWnd, 10, 45);
    // A repaint draws the hovered slot flat: its left edge in the shadow colour, not black.
    ASSERT_EQ(std::make_pair(bar.GetHotButton(), bar.GetHotState()), std::make_pair(1, int{CMenuBar::HotRaised}));
    bar.Invalidate();
    EXPECT_EQ(Pixels(hWnd, 1, 46).back(), ::GetSysColor(COLOR_BTNSHADOW));
    MouseDown(hWnd, 11, 45);
    EXPECT_EQ(std::make_pair(bar.GetHotButton(), bar.GetHotState()), std::make_pair(1, int{CMenuBar::HotSunken}));
    MouseMove(hWnd, 11, 2 * 35 + 10);
    MouseUp(hWnd, 11, 2 * 35 + 10);
    MouseDown(hWnd, 11, 2 * 35 + 10);
    MouseMove(hWnd, 200, 45);
    MouseUp(hWnd, 200, 45);
    EXPECT_TRUE(frame->received.empty());
    EXPECT_NE(::GetCapture(), hWnd);
    EXPECT_EQ(doc.GetDocumentCount(), 0);

    // slot, send the command, messages fired; the template's slot last, as its frame may cover the bar
    const std::tuple<int, BOOL, std::vector<ReceivedMessage>> cases[] = {
        {1, TRUE, {{WM_COMMAND, 202, reinterpret_cast<LPARAM>(hWnd)}}}, {1, FALSE, {{kButtonMessage, kBarId, 1}}},
        {2, TRUE, {{kButtonMessage, kBarId, 2}}}, {0, TRUE, {}}};
    for (const auto& [slot, sendCommand, fired] : cases) {
        bar.SetSendComID(sendCommand);
        frame->received.clear();
        MouseMove(hWnd, 32, slot * 35 + 17);
        for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
            MouseEvent(hWnd, 33, slot * 35 + 17, flags);
        PumpFor(30);
        EXPECT_EQ(frame->received, fired) << slot << sendCommand;
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
}

} // namespace
