// ClUtyToolTipMgr on a host window's controls: registration from the table,
// the statics' notify style and subclass, the tooltip's timing, and the
// host's picture for a picture static.
#include "ButtonsHarness.h"
#include "buttons/ClUtyToolTipMgr.h"

namespace {

using ToolTipMgrTest = HostTest;

// TTM_UPDATE requests sent while hooked (the manager's tooltip is the only one).
int g_updates = 0;
LRESULT CALLBACK CountUpdates(int code, WPARAM wParam, LPARAM lParam)
{
    g_updates += reinterpret_cast<CWPSTRUCT*>(lParam)->message == TTM_UPDATE ? 1 : 0;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ToolTipMgrTest, RegistersTheTableSubclassesTheStaticsAndShowsThePicture)
{
    HWND windows[3];
    for (int i = 0; i < 3; ++i)
        windows[i] = ::CreateWindowExA(0, i == 0 ? "EDIT" : "STATIC", i == 1 ? "label" : "", WS_CHILD | WS_VISIBLE,
                                       10, 10 + 40 * i, i == 2 ? 50 : 100, i == 2 ? 10 : 20, host,
                                       reinterpret_cast<HMENU>(IDC_TIP_EDIT + i), nullptr, nullptr);
    HWND text = windows[1], picture = windows[2];
    char editTip[16] = "入力欄", textTip[16] = "見出し", pictureTip[16] = "絵";
    // The second names no control: skipped.
    TOOLTIPMSG_TABLE table[4] = {{IDC_TIP_EDIT, editTip, 0}, {IDC_TIP_MISSING, editTip, 0}, {IDC_TIP_TEXT, textTip, 0},
                                 {IDC_TIP_PICTURE, pictureTip, 1}};
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(frame, table, 4), 1);
        CToolTipCtrl* tip = manager.GetToolTipCtrl();
        EXPECT_EQ(tip->GetToolCount(), 3);
        for (int i : {0, 2, 3}) {
            HWND control = ::GetDlgItem(host, table[i].id);
            char buffer[80] = "";
            TOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, control, reinterpret_cast<UINT_PTR>(control), {}, 0, buffer, 0,
                              nullptr};
            tip->SendMessage(TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
            EXPECT_STREQ(buffer, table[i].text);
        }
        EXPECT_EQ(std::make_pair(tip->GetDelayTime(TTDT_AUTOPOP), tip->GetMaxTipWidth()), std::make_pair(30000, 800));
        for (HWND control : {text, picture})
            EXPECT_EQ(std::make_pair((::GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) != 0,
                                     CWnd::FromHandlePermanent(control) != nullptr), std::make_pair(true, true));
        // The host's 46 x 21 picture: the 50 x 10 static at (10, 90) resized to it around its old middle.
        EXPECT_TRUE(Shows(host, "tooltip-picture", 120, 120));
        // A click on a text static shows its tip again.
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, CountUpdates, nullptr, ::GetCurrentThreadId());
        SendClick(text);
        PumpFor(100);
        ::UnhookWindowsHookEx(hook);
        EXPECT_EQ(g_updates, 1);
    }
    // The manager gave the statics back.
    EXPECT_EQ(CWnd::FromHandlePermanent(text), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(picture), nullptr);
}

} // namespace
