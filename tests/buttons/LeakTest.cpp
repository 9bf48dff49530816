// GDI objects of every class: none left behind once windows are made, drawn
// in every state and destroyed, and once one is repainted many times. The
// count (patched gdi32 imports of both DLLs; Wine reports no GDI counts of its
// own) follows each handle, so a single object left per window or per paint
// shows.
#include "ButtonsHarness.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "buttons/COwnerBtn.h"
#include "buttons/ClUtyToolTipMgr.h"
#include "support/GdiObjectCount.h"

namespace {

const int kWindows = 1000, kRepaints = 10000;

void Repaint(HWND hWnd, int times)
{
    for (int i = 0; i < times; ++i) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        ::UpdateWindow(hWnd);
    }
}

using LeakTest = HostTest;

TEST_F(LeakTest, EveryClassLeavesNoGdiObjects)
{
    HICON icon = SolidIcon(32, RGB(200, 0, 0));
    HBITMAP bitmap = SolidBitmap(16, 16, RGB(0, 0, 200));
    HWND picture = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 10, host,
                                     reinterpret_cast<HMENU>(IDC_TIP_PICTURE), nullptr, nullptr);
    char tipText[] = "絵";
    TOOLTIPMSG_TABLE table[1] = {{IDC_TIP_PICTURE, tipText, 1}};
    // What is made, painted the given number of times more, and destroyed.
    const std::pair<const char*, std::function<void(int)>> cases[] = {
        {"flat buttons", [&](int paints) {
             CFlatButton text, byIcon, byBitmap;
             text.Create("とても長いボタンの見出しです", WS_VISIBLE, CRect(10, 10, 60, 40), frame, 1);
             byIcon.Create(icon, WS_VISIBLE | BS_ICON, CRect(70, 10, 110, 50), frame, 2);
             byBitmap.Create(bitmap, WS_VISIBLE | BS_BITMAP, CRect(120, 10, 160, 50), frame, 3);
             for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})  // every frame state
                 text.SendMessage(message, 0, MAKELPARAM(5, 5));
             byIcon.UpdateWindow();
             Repaint(byBitmap.GetSafeHwnd(), 1 + paints);
         }},
        {"bitmap buttons", [&](int paints) {
             COwnerBtn button;
             RECT rect = {10, 10, 102, 52};
             button.CreatePullDownButton(WS_CHILD | WS_VISIBLE, rect, frame, 1, "BEND_DOWN", "BEND_UP", "BEND_MASK");
             Repaint(button.GetSafeHwnd(), 1 + paints);
         }},
        {"menu bars", [&](int paints) {
             CMenuBar bar;
             bar.Create(WS_VISIBLE, CRect(0, 0, 80, 120), frame, 1, WM_USER + 1, 1);
             bar.AddBtn(icon, "印刷", 0, nullptr);
             bar.AddBtn(icon, "仕訳の入力と検索", 0, nullptr);
             Repaint(bar.GetSafeHwnd(), 1 + paints);
         }},
        {"tooltip managers", [&](int paints) {
             ClUtyToolTipMgr manager;
             manager.Init(frame, table, 1);
             Repaint(picture, paints);
         }},
    };
    for (const auto& [name, make] : cases) {
        GdiObjectCount count;
        ASSERT_GT(count.Patched(), 0u);
        for (int i = 1; i <= kWindows; ++i)
            make(i == kWindows ? kRepaints : 0);
        EXPECT_GE(count.Created(), static_cast<size_t>(kWindows)) << name;
        EXPECT_EQ(count.Outstanding(), 0u) << name;
    }
    ::DestroyWindow(picture);
    ::DeleteObject(bitmap);
    ::DestroyIcon(icon);
}

} // namespace
