#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/CDialog.h"
#include "afx/CFile.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "support/CaughtFileException.h"
#include "support/TempFolder.h"
#include "text/CDlgSub.h"
#include "text/ClTxtCnvOut.h"

namespace {

TEST(CDlgSub, CenteringDialogCentresOnThePrimaryScreenKeepingTheSize)
{
    InitWinLibDLL();
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(1572));  // the library's progress dialog, found through the resource chain
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    // An odd leftover loses its half pixel; a dialog larger than the screen
    // goes toward zero, not below it.
    const int sizes[][4] = {{401, 301, (screenWidth - 401) / 2, (screenHeight - 301) / 2},
                            {screenWidth + 21, screenHeight + 1, -10, 0}};
    for (const auto& size : sizes) {
        dialog.MoveWindow(3, 5, size[0], size[1], TRUE);
        CDlgSub().CenteringDialog(&dialog);
        CRect bounds;
        dialog.GetWindowRect(&bounds);
        EXPECT_EQ(bounds, CRect(size[2], size[3], size[2] + size[0], size[3] + size[1]));
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
    EXPECT_EQ(std::make_pair(helpId, application.m_pszHelpFilePath), std::make_pair(7u, helpFile));
    {
        CDlgSub unused, ignored, sub;  // unused is destroyed last: objects without a change restore nothing
        ignored.ChangeHelp(5, nullptr);
        sub.ChangeHelp(1, &helpId);
        sub.ChangeHelp(2, &helpId);  // remembers 1, the value before this call
        EXPECT_EQ(helpId, 2u);
    }
    EXPECT_EQ(std::make_pair(helpId, application.m_pszHelpFilePath), std::make_pair(1u, helpFile));
}

// A real file that also records the size of every Write call.
struct RecordingFile : CFile {
    void Write(const void* lpBuf, UINT nCount) override
    {
        writes.push_back(nCount);
        CFile::Write(lpBuf, nCount);
    }
    std::vector<UINT> writes;
};

// One record of quoted items separated by commas and ended by CR LF, then
// numbers, which have no commas; decimals get the small addition. A write
// error reaches the caller.
TEST(ClTxtCnvOut, RecordsNumbersAndWriteErrors)
{
    TempFolder folder;
    const std::string name = folder.File("items.csv");
    RecordingFile file;
    ClTxtCnvOut writer;
    ASSERT_TRUE(file.Open(name.c_str(), CFile::modeCreate | CFile::modeWrite));
    writer.PutKoumoku(&file, 12L);
    for (const char* text : {"a\"b,c", "", "\x95\x5C\x8E\xA6" /* 表示 */}) {
        writer.PutComma(&file);
        writer.PutKoumoku(&file, const_cast<char*>(text));
    }
    writer.PutComma(&file);
    writer.PutKoumoku(&file, 1234.5, static_cast<short>(2));
    writer.PutCR(&file);
    EXPECT_EQ(file.writes, (std::vector<UINT> {1, 2, 1, 1, 1, 5, 1, 1, 1, 0, 1, 1, 1, 4, 1, 1, 1, 7, 1, 2}));
    writer.PutKoumoku(&file, -5L);
    writer.PutKoumoku(&file, 1000000L);
    writer.PutKoumoku(&file, -2147483647 - 1);  // int
    writer.PutKoumoku(&file, static_cast<short>(-32768));
    writer.PutKoumoku(&file, static_cast<char>(0xFF));
    const struct { double value; short decimals; } decimals[] = {
        {0.12345, 4}, {0.12344, 4}, {0.1234, 4}, {0.5, 4}, {0.5, 2}, {-1.2345, 4}, {2.7, 0}, {1e15, 2}};
    for (const auto& d : decimals)
        writer.PutKoumoku(&file, d.value, d.decimals);
    writer.PutKoumoku(&file, 0.1285f, static_cast<short>(3));  // widened, no float rounding
    file.Close();
    const std::string written = "\"12\",\"a\"b,c\",\"\",\"\x95\x5C\x8E\xA6\",\"1234.50\"\r\n"
                                "\"-5\"\"1000000\"\"-2147483648\"\"-32768\"\"-1\""
                                "\"0.1235\"\"0.1235\"\"0.1234\"\"0.5001\"\"0.50\"\"-1.2344\"\"2\"\"0\""
                                "\"0.128\"";
    EXPECT_EQ(ReadBytes(name), written);
    CFile reader;
    ASSERT_TRUE(reader.Open(name.c_str(), CFile::modeRead));
    EXPECT_EQ(FileExceptionOf([&] { writer.PutComma(&reader); }), std::pair(int(CFileException::accessDenied), name));
    reader.Close();
    EXPECT_EQ(ReadBytes(name), written);
}

} // namespace
