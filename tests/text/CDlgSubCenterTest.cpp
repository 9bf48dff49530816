#include <gtest/gtest.h>

#include "afx/CDialog.h"
#include "frame/InitWinLibDLL.h"
#include "text/CDlgSub.h"

namespace {

// The library's progress dialog template, found through the resource chain.
const UINT kLibraryDialog = 1572;

RECT BoundsAfterCentring(CDialog& dialog, int width, int height)
{
    dialog.MoveWindow(3, 5, width, height, TRUE);
    CDlgSub sub;
    sub.CenteringDialog(&dialog);
    RECT bounds;
    dialog.GetWindowRect(&bounds);
    return bounds;
}

TEST(CDlgSubCenter, CentresOnThePrimaryScreenKeepingTheSize)
{
    InitWinLibDLL();
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kLibraryDialog));
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);

    RECT bounds = BoundsAfterCentring(dialog, 400, 300);
    EXPECT_EQ(bounds.right - bounds.left, 400);
    EXPECT_EQ(bounds.bottom - bounds.top, 300);
    if (screenWidth == 1280 && screenHeight == 1024) {  // the test display
        EXPECT_EQ(bounds.left, 440);
        EXPECT_EQ(bounds.top, 362);
    }
    EXPECT_EQ(bounds.left * 2 + 400, screenWidth);
    EXPECT_EQ(bounds.top * 2 + 300, screenHeight);

    // An odd leftover loses its half pixel; a dialog larger than the screen
    // goes toward zero, not below it.
    bounds = BoundsAfterCentring(dialog, 401, 301);
    EXPECT_EQ(bounds.left, (screenWidth - 401) / 2);
    EXPECT_EQ(bounds.top, (screenHeight - 301) / 2);
    bounds = BoundsAfterCentring(dialog, screenWidth + 21, screenHeight + 1);
    EXPECT_EQ(bounds.left, -10);
    EXPECT_EQ(bounds.top, 0);

    CDlgSub sub;
    sub.CenteringDialog(nullptr);  // nothing to move
    dialog.DestroyWindow();
    sub.CenteringDialog(&dialog);  // no window any more
}

} // namespace
