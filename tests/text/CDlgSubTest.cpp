#include <gtest/gtest.h>

#include "afx/CDialog.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "text/CDlgSub.h"

namespace {

// The library's progress dialog template, found through the resource chain.
const UINT kLibraryDialog = 1572;

TEST(CDlgSub, CenteringDialogCentresOnThePrimaryScreenKeepingTheSize)
{
    InitWinLibDLL();
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kLibraryDialog));
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    // An odd leftover loses its half pixel; a dialog larger than the screen
    // goes toward zero, not below it.
    const int sizes[][4] = {{401, 301, (screenWidth - 401) / 2, (screenHeight - 301) / 2},
                            {screenWidth + 21, screenHeight + 1, -10, 0}};
    for (const auto& size : sizes) {
        dialog.MoveWindow(3, 5, size[0], size[1], TRUE);
        CDlgSub().CenteringDialog(&dialog);
        RECT bounds;
        dialog.GetWindowRect(&bounds);
        EXPECT_EQ(bounds.left, size[2]);
        EXPECT_EQ(bounds.top, size[3]);
        EXPECT_EQ(bounds.right - bounds.left, size[0]);
        EXPECT_EQ(bounds.bottom - bounds.top, size[1]);
    }
    CDlgSub().CenteringDialog(nullptr);  // nothing to move
    dialog.DestroyWindow();
    CDlgSub().CenteringDialog(&dialog);  // no window any more
}

TEST(CDlgSub, ChangeHelpLastsForTheObjectsLifetime)
{
    CWinApp application("help test");
    LPCTSTR helpFile = application.m_pszHelpFilePath;
    ASSERT_NE(helpFile, nullptr);
    UINT helpId = 7;
    {
        CDlgSub sub;
        sub.ChangeHelp(0x12345678, &helpId);
        EXPECT_EQ(helpId, 0x5678u);  // the low 16 bits
        application.m_pszHelpFilePath = "OTHER.HLP";
    }
    EXPECT_EQ(helpId, 7u);
    EXPECT_EQ(application.m_pszHelpFilePath, helpFile);
    {
        CDlgSub unused;  // destroyed last: objects without a change restore nothing
        CDlgSub ignored;
        ignored.ChangeHelp(5, nullptr);
        CDlgSub sub;
        sub.ChangeHelp(1, &helpId);
        sub.ChangeHelp(2, &helpId);  // remembers 1, the value before this call
        EXPECT_EQ(helpId, 2u);
    }
    EXPECT_EQ(helpId, 1u);
    EXPECT_EQ(application.m_pszHelpFilePath, helpFile);
}

} // namespace
