// CMenuBar in an active frame: slots and the spin control, captions and
// widths, hot and pressed frames under real mouse input, what a click fires
// (template, command, message), keys forwarded to the owner, tooltips; and
// the document template a button opens.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "afx/CDC.h"
#include "afx/CDocument.h"
#include "afx/CMultiDocTemplate.h"
#include "buttons/CMenuBar.h"

namespace {

const UINT kButtonMessage = WM_USER + 500;
const UINT kBarId = 700;

class CountingTemplate : public CMultiDocTemplate {
public:
    CountingTemplate() : CMultiDocTemplate(0, nullptr, nullptr, nullptr) {}
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) override
    {
        ++opened;
        lastPath = lpszPathName;
        lastVisible = bMakeVisible;
        return nullptr;
    }
    int opened = 0;
    LPCTSTR lastPath = "unset";
    BOOL lastVisible = FALSE;
};

void Keys(std::initializer_list<WORD> held, WORD vk)
{
    std::vector<INPUT> input;
    auto add = [&](WORD key, DWORD flags) {
        INPUT one = {};
        one.type = INPUT_KEYBOARD;
        one.ki.wVk = key;
        one.ki.dwFlags = flags;
        input.push_back(one);
    };
    for (WORD key : held)
        add(key, 0);
    add(vk, 0);
    add(vk, KEYEVENTF_KEYUP);
    for (WORD key : held)
        add(key, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    PumpFor(60);
}

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MouseMove(host.hWnd, 390, 290);
        host.frame->buttonMessage = kButtonMessage;
        for (COLORREF color : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255)})
            icons.push_back(SolidIcon(32, color));
        ASSERT_EQ(bar.Create(WS_VISIBLE, CRect(0, 0, 60, 150), host.frame, kBarId, kButtonMessage, 1), 1);
        bar.SetIconSize(CSize(32, 32));
        hWnd = bar.GetSafeHwnd();
    }
    void TearDown() override
    {
        MouseMove(host.hWnd, 390, 290);
        bar.DestroyWindow();
        for (HICON icon : icons)
            ::DestroyIcon(icon);
    }
    void AddFive(const char* caption = "")
    {
        for (HICON icon : icons)
            bar.AddBtn(icon, caption, 0, nullptr);
    }
    // A click at the middle of slot s.
    void ClickSlot(int s)
    {
        CSize button = bar.GetButtonSize();
        int x = button.cx / 2, y = s * button.cy + button.cy / 2;
        MouseMove(hWnd, x, y);
        MouseMove(hWnd, x + 1, y);
        MouseDown(hWnd, x + 1, y);
        MouseUp(hWnd, x + 1, y);
        PumpFor(30);
    }

    FrameHolder host;
    CMenuBar bar;
    HWND hWnd = nullptr;
    std::vector<HICON> icons;
};

TEST_F(MenuBarTest, SlotsAndTheSpinControlFollowTheBarHeight)
{
    AddFive();
    EXPECT_EQ(bar.GetBtnCount(), 5);
    // Captions shown and sized to: twice the icon width at least.
    EXPECT_EQ(bar.GetButtonSize(), CSize(64, 35));
    EXPECT_EQ(bar.GetMiniBarSize(), CSize(68, 179));
    // 5 x 35 + 4 > 150: (150 - 44) / 35 = 3 slots, range 0 ... 2.
    EXPECT_TRUE(bar.IsScrollMode());
    EXPECT_EQ(bar.GetVisibleCount(), 3);
    int lower = -1, upper = -1;
    bar.GetSpinCtrl()->GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 2);
    CWnd* spin = bar.GetSpinCtrl();
    ASSERT_TRUE(spin->IsWindowVisible());
    CRect spinRect;
    spin->GetWindowRect(&spinRect);
    bar.ScreenToClient(&spinRect);
    EXPECT_EQ(spinRect, CRect(0, 110, 60, 150));
    EXPECT_EQ(bar.GetBtnNo(CPoint(10, 2 * 35 + 5)), 2);
    EXPECT_EQ(bar.GetBtnNo(CPoint(10, 3 * 35 + 5)), -1);  // below the visible slots

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
    EXPECT_EQ(bar.GetSpinCtrl()->GetPos() & 0xFFFF, 2);
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
}

TEST_F(MenuBarTest, CaptionsWidenTheButtonsAndTravelWithThem)
{
    HDC hdc = ::GetDC(hWnd);
    HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE wide;
    const char* longest = "仕訳入力と検索";
    ::GetTextExtentPoint32A(hdc, longest, lstrlenA(longest), &wide);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hWnd, hdc);

    bar.AddBtn(icons[0], "印刷", 101, nullptr);
    EXPECT_EQ(bar.GetButtonSize().cx, 64);  // twice the icon width is more than the caption needs
    bar.AddBtn(icons[1], longest, 102, nullptr);
    EXPECT_EQ(bar.GetButtonSize().cx, wide.cx + 2 + 6);
    EXPECT_GT(bar.GetButtonSize().cy, 35);  // room for the caption under the icon

    CountingTemplate doc;
    bar.InsertBtn(1, icons[2], "挿入", 103, &doc);
    bar.RemoveBtn(0, 1);
    ASSERT_EQ(bar.GetBtnCount(), 2);
    EXPECT_STREQ(bar.GetBtnString(0), "挿入");
    EXPECT_EQ(bar.GetBtnComID(0), 103u);
    EXPECT_EQ(bar.GetBtnTemplate(0), &doc);
    EXPECT_EQ(bar.GetIcon(0), icons[2]);
    EXPECT_STREQ(bar.GetBtnString(1), longest);
    EXPECT_EQ(bar.GetBtnComID(1), 102u);
    EXPECT_EQ(bar.GetBtnTemplate(1), nullptr);
    EXPECT_EQ(bar.GetIcon(1), icons[1]);
    EXPECT_EQ(bar.GetIcon(5), nullptr);

    // Shortening keeps whole characters and fits.
    HDC dc = ::GetDC(hWnd);
    CDC* pDC = CDC::FromHandle(dc);
    CString cut = CMenuBar::ShortenCaption(pDC, "印刷印刷印刷", pDC->GetTextExtent("印刷...", 7).cx);
    EXPECT_STREQ(cut, "印刷...");
    EXPECT_STREQ(CMenuBar::ShortenCaption(pDC, "AB", 1000), "AB");
    ::ReleaseDC(hWnd, dc);
    bar.RemoveAllBtn();
    EXPECT_EQ(bar.GetBtnCount(), 0);
}

TEST_F(MenuBarTest, AClickOpensTheTemplateElseSendsTheCommandElseTheMessage)
{
    CountingTemplate doc;
    bar.MoveWindow(0, 0, 60, 300);
    bar.AddBtn(icons[0], "", 201, &doc);     // template and command: the template
    bar.AddBtn(icons[1], "", 202, nullptr);  // command
    bar.AddBtn(icons[2], "", 0, nullptr);    // neither: the message
    bar.SetFocus();
    struct Case {
        const char* name;
        int slot;
        BOOL sendCommand;
        int opened;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {"template", 0, TRUE, 1, 0, 0, 0},
        {"command", 1, TRUE, 0, WM_COMMAND, 202, reinterpret_cast<LPARAM>(hWnd)},
        {"command not sent", 1, FALSE, 0, kButtonMessage, kBarId, 1},
        {"message", 2, TRUE, 0, kButtonMessage, kBarId, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar.SetSendComID(c.sendCommand);
        host.frame->received.clear();
        doc.opened = 0;
        ClickSlot(c.slot);
        EXPECT_EQ(doc.opened, c.opened);
        if (c.opened) {
            EXPECT_EQ(doc.lastPath, nullptr);
            EXPECT_TRUE(doc.lastVisible);
        }
        int fired = 0;
        for (const ReceivedMessage& m : host.frame->received) {
            if (m.message == WM_COMMAND || m.message == kButtonMessage) {
                ++fired;
                EXPECT_EQ(m.message, c.message);
                EXPECT_EQ(m.wParam, c.wParam);
                EXPECT_EQ(m.lParam, c.lParam);
            }
        }
        EXPECT_EQ(fired, c.message != 0 ? 1 : 0);
        EXPECT_EQ(bar.GetHotButton(), c.slot);  // still under the cursor: raised
        EXPECT_EQ(bar.GetHotState(), CMenuBar::HotRaised);
    }
    // Scrolled, slot 0 is the first visible button.
    bar.MoveWindow(0, 0, 60, 100);
    bar.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2),
                    reinterpret_cast<LPARAM>(bar.GetSpinCtrl()->GetSafeHwnd()));
    host.frame->received.clear();
    ClickSlot(0);
    ASSERT_EQ(host.frame->Count(kButtonMessage), 1);
    EXPECT_EQ(host.frame->received.back().lParam, 2);
}

TEST_F(MenuBarTest, HotSlotIsRaisedThenSunkenAndAReleaseElsewhereFiresNothing)
{
    bar.MoveWindow(0, 0, 60, 300);
    AddFive();
    bar.SetFocus();
    MouseMove(hWnd, 10, 35 + 10);
    MouseMove(hWnd, 11, 35 + 10);
    EXPECT_EQ(bar.GetHotButton(), 1);
    EXPECT_EQ(bar.GetHotState(), CMenuBar::HotRaised);
    EXPECT_EQ(::GetCapture(), hWnd);
    EXPECT_EQ(PixelAt(hWnd, 0, 35 + 5), RGB(0, 0, 0));  // raised outline
    MouseDown(hWnd, 11, 35 + 10);
    EXPECT_EQ(bar.GetHotState(), CMenuBar::HotSunken);
    MouseMove(hWnd, 11, 3 * 35 + 10);  // pressed over another slot
    EXPECT_EQ(bar.GetHotButton(), 1);
    EXPECT_EQ(bar.GetHotState(), CMenuBar::HotRaised);
    host.frame->received.clear();
    MouseUp(hWnd, 11, 3 * 35 + 10);
    EXPECT_EQ(host.frame->Count(kButtonMessage), 0);
    EXPECT_EQ(bar.GetHotButton(), 3);  // the slot under the cursor
    MouseMove(host.hWnd, 300, 250);
    EXPECT_EQ(bar.GetHotButton(), -1);
    EXPECT_NE(::GetCapture(), hWnd);
    EXPECT_EQ(PixelAt(hWnd, 0, 35 + 5), ::GetSysColor(COLOR_BTNSHADOW));  // flat again
}

TEST_F(MenuBarTest, KeysReachTheOwner)
{
    AddFive();
    bar.SetFocus();
    struct Case {
        const char* name;
        std::vector<WORD> held;
        WORD key;
        UINT message;  // what the owner gets for the key; 0 = nothing
    } cases[] = {
        {"F5", {}, VK_F5, WM_MENUBAR_KEY},
        {"Enter", {}, VK_RETURN, WM_MENUBAR_KEY},
        {"Down", {}, VK_DOWN, WM_MENUBAR_KEY},
        {"Shift+F3", {VK_SHIFT}, VK_F3, WM_MENUBAR_KEY},
        {"Shift+Tab", {VK_SHIFT}, VK_TAB, WM_MENUBAR_KEY},
        {"Escape", {}, VK_ESCAPE, WM_MENUBAR_KEY},
        {"Ctrl+S", {VK_CONTROL}, 'S', WM_KEYDOWN},
        {"Shift+Enter", {VK_SHIFT}, VK_RETURN, 0},
        {"Left", {}, VK_LEFT, 0},
        {"A", {}, 'A', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.frame->received.clear();
        if (c.held.empty())
            Keys({}, c.key);
        else
            Keys({c.held[0]}, c.key);
        int got = 0;
        for (const ReceivedMessage& m : host.frame->received) {
            if (m.wParam != c.key)
                continue;
            ++got;
            EXPECT_EQ(m.message, c.message);
            EXPECT_EQ(HIWORD(m.lParam) & KF_UP, 0);
        }
        EXPECT_EQ(got, c.message != 0 ? 1 : 0);
    }
}

TEST_F(MenuBarTest, ToolTipsCoverTheirSlots)
{
    AddFive();
    bar.SetToolTip(1, "仕訳");
    CToolTipCtrl* tip = bar.GetToolTipCtrl();
    ASSERT_NE(tip->GetSafeHwnd(), nullptr);
    EXPECT_EQ(tip->GetToolCount(), 1);
    TOOLINFOA info;
    ASSERT_TRUE(tip->GetToolInfo(info, &bar, CMenuBar::ToolIdBase + 1));
    CSize button = bar.GetButtonSize();
    EXPECT_EQ(CRect(info.rect), CRect(0, button.cy, button.cx, 2 * button.cy));
    EXPECT_EQ(tip->GetDelayTime(TTDT_INITIAL), 500);
    EXPECT_EQ(tip->GetDelayTime(TTDT_AUTOPOP), 30000);
    EXPECT_EQ(tip->GetStyle() & 0x43, 0x43u);
}

TEST(DocTemplate, OpensANewDocumentInAFrameTitledWithItsName)
{
    CMultiDocTemplate doc(IDS_TEST_DOCUMENT, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd), nullptr);
    CDocument* first = doc.OpenDocumentFile(nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->GetTitle(), "伝票1");
    EXPECT_EQ(first->GetDocTemplate(), &doc);
    HWND frame = ::FindWindowA(nullptr, "伝票1");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(::IsWindowVisible(frame));
    CDocument* second = doc.OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->GetTitle(), "伝票2");
    HWND hidden = ::FindWindowA(nullptr, "伝票2");
    EXPECT_FALSE(::IsWindowVisible(hidden));
    EXPECT_EQ(doc.OpenDocumentFile("C:\\no\\such\\file.dat"), nullptr);
    EXPECT_EQ(doc.GetDocumentCount(), 2);
    ::DestroyWindow(frame);
    ::DestroyWindow(hidden);
}

} // namespace
