// CMenuBar in an active frame: slots and the spin control, captions and
// widths, hot and pressed frames under real mouse input, what a click fires
// (template, command, message), keys forwarded to the owner, tooltips; and
// the document template a button opens.
#include "ButtonsHarness.h"
#include "afx/CClientDC.h"
#include "afx/CDocument.h"
#include "afx/CMultiDocTemplate.h"
#include "buttons/CMenuBar.h"

namespace {

const UINT kBarId = 700;

class CountingTemplate : public CMultiDocTemplate {
public:
    CountingTemplate() : CMultiDocTemplate(0, nullptr, nullptr, nullptr) {}
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) override
    {
        opened += lpszPathName == nullptr && bMakeVisible;
        return nullptr;
    }
    int opened = 0;
};

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
    // A click at the middle of slot s.
    void ClickSlot(int s)
    {
        CSize button = bar.GetButtonSize();
        int x = button.cx / 2, y = s * button.cy + button.cy / 2;
        MouseMove(hWnd, x, y);
        for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
            MouseEvent(hWnd, x + 1, y, flags);
        PumpFor(30);
    }

    CMenuBar bar;
    HWND hWnd = nullptr;
    std::vector<HICON> icons;
};

TEST_F(MenuBarTest, SlotsSpinControlToolTipsAndKeysForTheOwner)
{
    for (HICON icon : icons)
        bar.AddBtn(icon, "", 0, nullptr);
    // Captions shown and sized to: twice the icon width at least.
    EXPECT_EQ(bar.GetButtonSize(), CSize(64, 35));
    EXPECT_EQ(bar.GetMiniBarSize(), CSize(68, 179));
    // 5 x 35 + 4 > 150: (150 - 44) / 35 = 3 slots, range 0 ... 2.
    EXPECT_TRUE(bar.IsScrollMode());
    EXPECT_EQ(bar.GetVisibleCount(), 3);
    CSpinButtonCtrl* spin = bar.GetSpinCtrl();
    EXPECT_EQ(spin->GetRange(), static_cast<DWORD>(MAKELONG(2, 0)));  // upper in the low word
    ASSERT_TRUE(spin->IsWindowVisible());
    CRect spinRect;
    spin->GetWindowRect(&spinRect);
    bar.ScreenToClient(&spinRect);
    EXPECT_EQ(spinRect, CRect(0, 110, 60, 150));
    EXPECT_EQ(bar.GetBtnNo(CPoint(10, 2 * 35 + 5)), 2);
    EXPECT_EQ(bar.GetBtnNo(CPoint(10, 3 * 35 + 5)), -1);  // below the visible slots

    bar.MoveWindow(0, 0, 60, 113);  // (113 - 44) / 35 = 1 slot
    EXPECT_EQ(bar.GetVisibleCount(), 1);
    // Lower: (120 - 44) / 35 = 2 slots, range 0 ... 3. The spin control
    // scrolls; its end code does not.
    bar.MoveWindow(0, 0, 60, 120);
    EXPECT_EQ(bar.GetVisibleCount(), 2);
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(spin->GetSafeHwnd()));
    EXPECT_EQ(bar.GetFirstVisible(), 3);
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(spin->GetSafeHwnd()));
    EXPECT_EQ(bar.GetFirstVisible(), 3);
    // Fewer buttons: the first visible comes back to the last full page.
    bar.RemoveBtn(3, 1);
    EXPECT_EQ(bar.GetFirstVisible(), 2);
    EXPECT_EQ(spin->GetPos() & 0xFFFF, 2);
    EXPECT_EQ(bar.GetIcon(3), icons[4]);

    // Tall enough for all: no spin control.
    bar.MoveWindow(0, 0, 60, 179);
    EXPECT_FALSE(bar.IsScrollMode());
    EXPECT_EQ(bar.GetFirstVisible(), 0);
    EXPECT_EQ(bar.GetVisibleCount(), 4);
    EXPECT_FALSE(spin->IsWindowVisible());

    EXPECT_EQ(bar.SetButtonSize(CSize(32 + 5, 40)), 0);
    EXPECT_EQ(bar.GetButtonSize(), CSize(64, 35));
    EXPECT_EQ(bar.SetButtonSize(CSize(40, 38)), 1);
    EXPECT_EQ(bar.GetButtonSize().cx, 40);

    // A slot's tooltip covers it.
    bar.SetToolTip(1, "仕訳");
    CToolTipCtrl* tip = bar.GetToolTipCtrl();
    EXPECT_EQ(tip->GetToolCount(), 1);
    TOOLINFOA info;
    ASSERT_TRUE(tip->GetToolInfo(info, &bar, CMenuBar::ToolIdBase + 1));
    CSize button = bar.GetButtonSize();
    EXPECT_EQ(CRect(info.rect), CRect(0, button.cy, button.cx, 2 * button.cy));
    EXPECT_EQ(tip->GetDelayTime(TTDT_INITIAL), 500);
    EXPECT_EQ(tip->GetDelayTime(TTDT_AUTOPOP), 30000);
    EXPECT_EQ(tip->GetStyle() & 0x43, 0x43u);

    bar.SetFocus();
    // held key, key, what the owner gets for the key (0: nothing)
    const std::tuple<WORD, WORD, UINT> keys[] = {
        {0, VK_F5, WM_MENUBAR_KEY}, {0, VK_RETURN, WM_MENUBAR_KEY}, {0, VK_DOWN, WM_MENUBAR_KEY},
        {VK_SHIFT, VK_F3, WM_MENUBAR_KEY}, {VK_SHIFT, VK_TAB, WM_MENUBAR_KEY}, {0, VK_ESCAPE, WM_MENUBAR_KEY},
        {0, VK_F11, WM_MENUBAR_KEY}, {VK_CONTROL, 'S', WM_KEYDOWN}, {VK_SHIFT, VK_RETURN, 0}, {0, VK_LEFT, 0},
        {0, 'A', 0},
    };
    for (const auto& [held, key, message] : keys) {
        SCOPED_TRACE(key);
        frame->received.clear();
        // Real key strokes: the held key (0 for none) down, the key pressed, released.
        WORD strokes[4] = {held, key, key, held};
        for (int i = 0; i < 4; ++i)
            if (strokes[i] != 0)
                ::keybd_event(static_cast<BYTE>(strokes[i]), 0, i >= 2 ? KEYEVENTF_KEYUP : 0, 0);
        PumpFor(60);
        std::vector<UINT> got;
        for (const ReceivedMessage& m : frame->received) {
            if (m.wParam == key)
                got.push_back((HIWORD(m.lParam) & KF_UP) != 0 ? 0 : m.message);  // a release: 0
        }
        EXPECT_EQ(got, message != 0 ? std::vector<UINT>{message} : std::vector<UINT>{});
    }
}

TEST_F(MenuBarTest, CaptionsWidenTheButtonsAndTravelWithThem)
{
    CClientDC dc(&bar);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    const char* longest = "仕訳入力と検索";
    int wide = dc.GetTextExtent(longest, 14).cx;
    ::SelectObject(dc, old);
    bar.AddBtn(icons[0], "印刷", 101, nullptr);
    EXPECT_EQ(bar.GetButtonSize().cx, 64);  // twice the icon width is more than the caption needs
    bar.AddBtn(icons[1], longest, 102, nullptr);
    EXPECT_EQ(bar.GetButtonSize().cx, wide + 2 + 6);
    EXPECT_GT(bar.GetButtonSize().cy, 35);  // room for the caption under the icon

    CountingTemplate doc;
    bar.InsertBtn(1, icons[2], "挿入", 103, &doc);
    bar.RemoveBtn(0, 1);
    ASSERT_EQ(bar.GetBtnCount(), 2);
    EXPECT_STREQ(bar.GetBtnString(0), "挿入");
    EXPECT_EQ(bar.GetBtnComID(0), 103u);
    EXPECT_EQ(bar.GetBtnTemplate(0), &doc);
    EXPECT_EQ(bar.GetIcon(1), icons[1]);

    // Shortening keeps whole characters and fits.
    int dots = dc.GetTextExtent("印刷...", 7).cx;
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "印刷印刷印刷", dots), "印刷...");
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "印刷印刷印刷", dots - 1), "印...");
    EXPECT_STREQ(CMenuBar::ShortenCaption(&dc, "AB", 1000), "AB");
}

TEST_F(MenuBarTest, AClickOpensTheTemplateElseSendsTheCommandElseTheMessage)
{
    CountingTemplate doc;
    bar.MoveWindow(0, 0, 60, 300);
    bar.AddBtn(icons[0], "", 201, &doc);     // template and command: the template
    bar.AddBtn(icons[1], "", 202, nullptr);  // command
    bar.AddBtn(icons[2], "", 0, nullptr);    // neither: the message
    bar.SetFocus();
    // The hot slot is raised, then sunken; a release elsewhere fires nothing.
    MouseMove(hWnd, 10, 45);
    MouseMove(hWnd, 11, 45);
    auto hot = [&] { return std::make_pair(bar.GetHotButton(), bar.GetHotState()); };
    EXPECT_EQ(hot(), std::make_pair(1, int{CMenuBar::HotRaised}));
    EXPECT_EQ(::GetCapture(), hWnd);
    EXPECT_EQ(PixelAt(hWnd, 0, 40), RGB(0, 0, 0));  // raised outline
    MouseDown(hWnd, 11, 45);
    EXPECT_EQ(bar.GetHotState(), CMenuBar::HotSunken);
    MouseMove(hWnd, 11, 2 * 35 + 10);  // pressed over another slot
    EXPECT_EQ(hot(), std::make_pair(1, int{CMenuBar::HotRaised}));
    MouseUp(hWnd, 11, 2 * 35 + 10);
    EXPECT_EQ(bar.GetHotButton(), 2);  // the slot under the cursor
    // Pressed on it, released outside the bar: nothing fired, the capture let go.
    MouseDown(hWnd, 11, 2 * 35 + 10);
    MouseMove(hWnd, 200, 45);
    MouseUp(hWnd, 200, 45);
    EXPECT_TRUE(frame->received.empty());
    EXPECT_EQ(bar.GetHotButton(), -1);
    EXPECT_NE(::GetCapture(), hWnd);
    EXPECT_EQ(PixelAt(hWnd, 0, 40), ::GetSysColor(COLOR_BTNSHADOW));  // flat again
    EXPECT_EQ(doc.opened, 0);

    // slot, send the command, templates opened, messages fired
    const std::tuple<int, BOOL, int, std::vector<ReceivedMessage>> cases[] = {
        {0, TRUE, 1, {}}, {1, TRUE, 0, {{WM_COMMAND, 202, reinterpret_cast<LPARAM>(hWnd)}}},
        {1, FALSE, 0, {{kButtonMessage, kBarId, 1}}}, {2, TRUE, 0, {{kButtonMessage, kBarId, 2}}},
    };
    for (const auto& [slot, sendCommand, opened, fired] : cases) {
        SCOPED_TRACE(slot * 2 + sendCommand);
        bar.SetSendComID(sendCommand);
        frame->received.clear();
        doc.opened = 0;
        ClickSlot(slot);
        EXPECT_EQ(doc.opened, opened);
        EXPECT_EQ(frame->received, fired);
        EXPECT_EQ(hot(), std::make_pair(slot, int{CMenuBar::HotRaised})) << "still under the cursor";
    }
    // Scrolled, slot 0 is the first visible button.
    bar.MoveWindow(0, 0, 60, 100);
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2),
                    reinterpret_cast<LPARAM>(bar.GetSpinCtrl()->GetSafeHwnd()));
    frame->received.clear();
    ClickSlot(0);
    EXPECT_EQ(frame->received, (std::vector<ReceivedMessage>{{kButtonMessage, kBarId, 2}}));
}

TEST(DocTemplate, OpensANewDocumentInAFrameTitledWithItsName)
{
    CMultiDocTemplate doc(IDS_TEST_DOCUMENT, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd), nullptr);
    std::vector<HWND> frames;
    for (BOOL visible : {TRUE, FALSE}) {
        std::string title = "伝票" + std::to_string(frames.size() + 1);
        CDocument* document = doc.OpenDocumentFile(nullptr, visible);
        ASSERT_NE(document, nullptr);
        EXPECT_STREQ(document->GetTitle(), title.c_str());
        EXPECT_EQ(document->GetDocTemplate(), &doc);
        frames.push_back(::FindWindowA(nullptr, title.c_str()));
        ASSERT_NE(frames.back(), nullptr);
        EXPECT_EQ(::IsWindowVisible(frames.back()) != 0, visible == TRUE);
    }
    EXPECT_EQ(doc.OpenDocumentFile("C:\\no\\such\\file.dat"), nullptr);
    EXPECT_EQ(doc.GetDocumentCount(), 2);
    for (HWND frame : frames)
        ::DestroyWindow(frame);
}

} // namespace
