// GDI objects: none left behind once a window of each button class is made,
// drawn in every state, repainted and destroyed. The count (patched gdi32
// imports of both DLLs; Wine reports no GDI counts of its own) follows each
// handle, so a single object left shows.
#include "ButtonsHarness.h"
#include "buttons/CFlatButton.h"
#include "buttons/CMenuBar.h"
#include "buttons/COwnerBtn.h"
#include "support/GdiObjectCount.h"

namespace {

using LeakTest = HostTest;

TEST_F(LeakTest, EveryClassLeavesNoGdiObjects)
{
    HICON icon = SolidIcon(32, RGB(200, 0, 0));
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    {
        CFlatButton text, byIcon;
        COwnerBtn pullDown;
        CMenuBar bar;
        text.Create("とても長いボタンの見出しです", WS_VISIBLE, CRect(10, 10, 60, 40), frame, 1);
        byIcon.Create(icon, WS_VISIBLE | BS_ICON, CRect(70, 10, 110, 50), frame, 2);
        pullDown.CreatePullDownButton(WS_CHILD | WS_VISIBLE, {10, 60, 102, 102}, frame, 3, "BEND_DOWN", "BEND_UP",
                                      "BEND_MASK");
        bar.Create(WS_VISIBLE, CRect(120, 0, 200, 120), frame, 4, WM_USER + 1, 1);
        bar.AddBtn(icon, "印刷", 0, nullptr);
        bar.AddBtn(icon, "仕訳の入力と検索", 0, nullptr);
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})  // every frame state
            text.SendMessage(message, 0, MAKELPARAM(5, 5));
        for (int i = 0; i < 100; ++i)
            ::RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    EXPECT_GT(count.Created(), 100u);
    EXPECT_EQ(count.Outstanding(), 0u);
    ::DestroyIcon(icon);
}

} // namespace
