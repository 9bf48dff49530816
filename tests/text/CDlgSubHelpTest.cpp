#include <gtest/gtest.h>

#include "afx/CWinApp.h"
#include "text/CDlgSub.h"

namespace {

TEST(CDlgSubHelp, ChangeHelpLastsForTheObjectsLifetime)
{
    CWinApp application("help test");
    LPCTSTR helpFile = application.m_pszHelpFilePath;
    ASSERT_NE(helpFile, nullptr);
    UINT helpId = 7;
    {
        CDlgSub sub;
        sub.ChangeHelp(0x12345678, &helpId);
        EXPECT_EQ(helpId, 0x5678u);  // the low 16 bits
        EXPECT_EQ(application.m_pszHelpFilePath, helpFile);
        application.m_pszHelpFilePath = "OTHER.HLP";
    }
    EXPECT_EQ(helpId, 7u);
    EXPECT_EQ(application.m_pszHelpFilePath, helpFile);

    {
        CDlgSub sub;
        sub.ChangeHelp(1, &helpId);
        sub.ChangeHelp(2, &helpId);  // remembers 1, the value before this call
        EXPECT_EQ(helpId, 2u);
    }
    EXPECT_EQ(helpId, 1u);

    helpId = 9;
    {
        CDlgSub unused;
        CDlgSub ignored;
        ignored.ChangeHelp(5, nullptr);
    }
    EXPECT_EQ(helpId, 9u);
    EXPECT_EQ(application.m_pszHelpFilePath, helpFile);
}

} // namespace
