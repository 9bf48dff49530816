// GDI objects of every class: none left behind after 1,000 create/destroy
// cycles and 10,000 repaints (counted by patching the gdi32 imports of both
// DLLs; Wine reports no GDI counts of its own).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "buttons/COwnerBtn.h"
#include "buttons/ClUtyToolTipMgr.h"
#include "support/GdiObjectCount.h"

namespace {

// Each class made, drawn in every state and destroyed 1,000 times, then one
// made and repainted 10,000 times.
TEST(LeakTest, EveryClassLeavesNoGdiObjects)
{
    FrameHolder host;
    MouseMove(host.hWnd, 390, 290);
    HICON icon = SolidIcon(32, RGB(200, 0, 0));
    HBITMAP bitmap = SolidBitmap(16, 16, RGB(0, 0, 200));
    HWND picture = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 10, host.hWnd,
                                     reinterpret_cast<HMENU>(IDC_TIP_PICTURE), nullptr, nullptr);
    char tipText[] = "絵";
    TOOLTIPMSG_TABLE table[1] = {{IDC_TIP_PICTURE, tipText, 1}};
    auto repaint = [](HWND hWnd) {
        for (int i = 0; i < 10000; ++i) {
            ::InvalidateRect(hWnd, nullptr, FALSE);
            ::UpdateWindow(hWnd);
        }
    };
    struct Case {
        const char* name;
        std::function<void(bool)> make;  // true: repaint 10,000 times
    } cases[] = {
        {"flat buttons", [&](bool many) {
             CFlatButton text, byIcon, byBitmap;
             text.Create("とても長いボタンの見出しです", WS_VISIBLE, CRect(10, 10, 60, 40), host.frame, 1);
             byIcon.Create(icon, WS_VISIBLE | BS_ICON, CRect(70, 10, 110, 50), host.frame, 2);
             byBitmap.Create(bitmap, WS_VISIBLE | BS_BITMAP, CRect(120, 10, 160, 50), host.frame, 3);
             for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})  // every frame state
                 text.SendMessage(message, 0, MAKELPARAM(5, 5));
             byIcon.UpdateWindow();
             many ? repaint(byBitmap.GetSafeHwnd()) : (void)byBitmap.UpdateWindow();
         }},
        {"bitmap buttons", [&](bool many) {
             COwnerBtn button;
             RECT rect = {10, 10, 102, 52};
             button.CreatePullDownButton(WS_CHILD | WS_VISIBLE, rect, host.frame, 1, "BEND_DOWN", "BEND_UP",
                                         "BEND_MASK");
             many ? repaint(button.GetSafeHwnd()) : (void)button.UpdateWindow();
         }},
        {"menu bars", [&](bool many) {
             CMenuBar bar;
             bar.Create(WS_VISIBLE, CRect(0, 0, 80, 120), host.frame, 1, WM_USER + 1, 1);
             bar.AddBtn(icon, "印刷", 0, nullptr);
             bar.AddBtn(icon, "仕訳の入力と検索", 0, nullptr);
             many ? repaint(bar.GetSafeHwnd()) : (void)bar.UpdateWindow();
         }},
        {"tooltip managers", [&](bool many) {
             ClUtyToolTipMgr manager;
             manager.Init(host.frame, table, 1);
             if (many)
                 repaint(picture);
         }},
    };
    for (const Case& c : cases) {
        GdiObjectCount count;
        ASSERT_GT(count.Patched(), 0u);
        for (int i = 0; i < 1000; ++i)
            c.make(false);
        c.make(true);
        std::printf("%s: %zu GDI objects created, %zu outstanding\n", c.name, count.Created(), count.Outstanding());
        EXPECT_GT(count.Created(), 1000u) << c.name;
        EXPECT_EQ(count.Outstanding(), 0u) << c.name;
    }
    ::DestroyWindow(picture);
    ::DeleteObject(bitmap);
    ::DestroyIcon(icon);
}

} // namespace
