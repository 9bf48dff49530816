// GDI objects of every class: none left behind after 1,000 create/destroy
// cycles nor after 10,000 repaints (counted by patching the gdi32 imports of
// both DLLs; Wine reports no GDI counts of its own).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "buttons/COwnerBtn.h"
#include "buttons/ClUtyToolTipMgr.h"
#include "support/GdiObjectCount.h"

namespace {

const int kCycles = 1000;
const int kRepaints = 10000;

void Report(const char* what, const GdiObjectCount& count)
{
    std::printf("%s: %zu GDI objects created, %zu outstanding\n", what, count.Created(), count.Outstanding());
}

void Repaint(HWND hWnd, int times)
{
    for (int i = 0; i < times; ++i) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        ::UpdateWindow(hWnd);
    }
}

class LeakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MouseMove(host.hWnd, 390, 290);
        icon = SolidIcon(32, RGB(200, 0, 0));
    }
    void TearDown() override { ::DestroyIcon(icon); }

    FrameHolder host;
    HICON icon = nullptr;
};

TEST_F(LeakTest, FlatButtonsLeaveNoGdiObjects)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    // Hovered, pressed and released: every frame state is drawn.
    for (int i = 0; i < kCycles; ++i) {
        CFlatButton button;
        ASSERT_TRUE(button.Create("とても長いボタンの見出しです", WS_VISIBLE, CRect(10, 10, 60, 40), host.frame, 1));
        button.UpdateWindow();
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            button.SendMessage(message, 0, MAKELPARAM(5, 5));
    }
    EXPECT_EQ(host.frame->Count(WM_COMMAND), kCycles);
    HBITMAP bitmap = SolidBitmap(16, 16, RGB(0, 0, 200));
    {
        CFlatButton button;
        ASSERT_TRUE(button.Create(bitmap, WS_VISIBLE | BS_BITMAP, CRect(10, 10, 50, 50), host.frame, 1));
        Repaint(button.GetSafeHwnd(), kRepaints);
    }
    ::DeleteObject(bitmap);
    EXPECT_GT(count.Created(), 0u);
    Report("flat buttons", count);
    EXPECT_EQ(count.Outstanding(), 0u);
}

TEST_F(LeakTest, BitmapButtonsLeaveNoGdiObjects)
{
    GdiObjectCount count;
    for (int i = 0; i < kCycles; ++i) {
        COwnerBtn button;
        ASSERT_EQ(button.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 56, 31), host.frame, 1, "BPRN_DOWN", "BPRN_UP",
                                "BPRN_MASK"), -1);
        button.UpdateWindow();
    }
    {
        COwnerBtn button;
        RECT rect = {10, 10, 102, 52};
        ASSERT_EQ(button.CreatePullDownButton(WS_CHILD | WS_VISIBLE, rect, host.frame, 1, "BEND_DOWN", "BEND_UP",
                                              "BEND_MASK"), -1);
        Repaint(button.GetSafeHwnd(), kRepaints);
        EXPECT_EQ(count.Outstanding(), 3u);  // its three images
    }
    EXPECT_GT(count.Created(), static_cast<size_t>(kCycles));
    Report("bitmap buttons", count);
    EXPECT_EQ(count.Outstanding(), 0u);
}

TEST_F(LeakTest, MenuBarsLeaveNoGdiObjects)
{
    GdiObjectCount count;
    for (int i = 0; i < kCycles; ++i) {
        CMenuBar bar;
        ASSERT_EQ(bar.Create(WS_VISIBLE, CRect(0, 0, 80, 120), host.frame, 1, WM_USER + 1, 1), 1);
        bar.AddBtn(icon, "印刷", 0, nullptr);
        bar.AddBtn(icon, "仕訳の入力と検索", 0, nullptr);
        bar.UpdateWindow();
    }
    {
        CMenuBar bar;
        ASSERT_EQ(bar.Create(WS_VISIBLE, CRect(0, 0, 80, 300), host.frame, 1, WM_USER + 1, 0), 1);
        bar.AddBtn(icon, "検索", 0, nullptr);
        Repaint(bar.GetSafeHwnd(), kRepaints);
    }
    EXPECT_GT(count.Created(), static_cast<size_t>(kCycles));
    Report("menu bars", count);
    EXPECT_EQ(count.Outstanding(), 0u);
}

TEST_F(LeakTest, ToolTipManagersLeaveNoGdiObjects)
{
    HWND picture = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 10, host.hWnd,
                                     reinterpret_cast<HMENU>(IDC_TIP_PICTURE), nullptr, nullptr);
    char tipText[] = "絵";
    TOOLTIPMSG_TABLE table[1] = {{IDC_TIP_PICTURE, tipText, 1}};
    GdiObjectCount count;
    for (int i = 0; i < kCycles; ++i) {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(host.frame, table, 1), 1);
    }
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(host.frame, table, 1), 1);
        Repaint(picture, kRepaints);
    }
    EXPECT_GT(count.Created(), static_cast<size_t>(kCycles));
    Report("tooltip managers", count);
    EXPECT_EQ(count.Outstanding(), 0u);
    ::DestroyWindow(picture);
}

} // namespace
