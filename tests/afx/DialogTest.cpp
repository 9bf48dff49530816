// CDialog: templates through the resource chain, the modal loop with real
// input, PreTranslateMessage inside the modal loop, modeless dialogs, and
// the frame a dialog's controls find.
#include <gtest/gtest.h>

#include <string>

#include "AfxTestIds.h"
#include "afx/CEdit.h"
#include "afx/CFrameWnd.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "support/RealInput.h"
#include "support/ScriptedDialog.h"

namespace {

std::string TextOf(HWND hwnd)
{
    char text[256] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TEST(Dialog, DoModalRunsTheTemplateAndEndsOnEnterAndEscape)
{
    ScriptedDialog dialog(IDD_AFX_TWO_EDITS);
    EXPECT_EQ(dialog.m_nIDHelp, static_cast<UINT>(IDD_AFX_TWO_EDITS));
    dialog.recorded = {WM_NCCREATE, WM_CREATE, WM_INITDIALOG};
    HWND atInit = nullptr;
    bool attachedAtInit = false;
    dialog.onInit = [&](ScriptedDialog& d) {
        atInit = d.m_hWnd;
        attachedAtInit = CWnd::FromHandlePermanent(d.m_hWnd) == &d && d.Item(IDC_AFX_SECOND) != nullptr;
        return TRUE;
    };
    dialog.steps = {
        [](ScriptedDialog& d) {
            EXPECT_EQ(d.FocusID(), IDC_AFX_FIRST);  // first tab stop, from the dialog manager
            SendKey('Q');
        },
        [](ScriptedDialog& d) {
            EXPECT_EQ(TextOf(d.Item(IDC_AFX_FIRST)), "q");
            SendKey(VK_RETURN);  // the default button
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 2);
    // The dialog object is attached from the window's first message on.
    EXPECT_TRUE(SequenceIs(dialog.log.Messages(), {WM_NCCREATE, WM_CREATE, WM_INITDIALOG}));
    EXPECT_TRUE(attachedAtInit);
    EXPECT_FALSE(::IsWindow(atInit));
    EXPECT_EQ(dialog.m_hWnd, nullptr);

    ScriptedDialog cancelled(IDD_AFX_TWO_EDITS);
    cancelled.steps = {[](ScriptedDialog&) { SendKey(VK_ESCAPE); }};
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.stepsRun, 1);
}

class KeepOpenDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;
    int oks = 0;

protected:
    void OnOK() override { ++oks; }
};

TEST(Dialog, OnOKAndEndDialogDecideTheResult)
{
    KeepOpenDialog dialog(IDD_AFX_TWO_EDITS);
    dialog.steps = {
        [](ScriptedDialog&) { SendKey(VK_RETURN); },
        [](ScriptedDialog& d) {
            EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));  // OnOK kept it open
            d.EndDialog(42);
        },
    };
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.oks, 1);

    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST(Dialog, TemplatesAreFoundThroughTheResourceChain)
{
    // The library's progress dialog, once the library has joined the chain.
    const UINT kLibraryDialog = 1572;
    InitWinLibDLL();
    ScriptedDialog dialog(kLibraryDialog);
    std::string abortText;
    dialog.onInit = [&](ScriptedDialog& d) {
        abortText = TextOf(d.Item(1000));
        return TRUE;
    };
    dialog.steps = {[](ScriptedDialog& d) { d.EndDialog(7); }};
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_EQ(abortText, "\x92\x86\x8E\x7E");  // 中止
}

// PreTranslateMessage runs inside the dialog box's own modal loop.
class WalkEdit : public CEdit {
public:
    std::vector<HWND>* walk = nullptr;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        walk->push_back(m_hWnd);
        return pMsg->wParam == 'X';
    }
};

class WalkDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;
    std::vector<HWND> walk;
    WalkEdit edit;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            walk.push_back(m_hWnd);
        return ScriptedDialog::PreTranslateMessage(pMsg);
    }
};

TEST(Dialog, PreTranslateMessageRunsInsideTheModalLoop)
{
    WalkDialog dialog(IDD_AFX_TWO_EDITS);
    dialog.edit.walk = &dialog.walk;
    dialog.onInit = [](ScriptedDialog& d) {
        auto& self = static_cast<WalkDialog&>(d);
        EXPECT_TRUE(self.edit.SubclassDlgItem(IDC_AFX_FIRST, &d));
        return TRUE;
    };
    dialog.steps = {
        [](ScriptedDialog&) {
            SendKey('A');
            SendKey('X');
            SendKey('B');
        },
        [](ScriptedDialog& d) {
            auto& self = static_cast<WalkDialog&>(d);
            EXPECT_EQ(TextOf(d.Item(IDC_AFX_FIRST)), "ab");
            HWND edit = d.Item(IDC_AFX_FIRST);
            std::vector<HWND> expected = {edit, d.m_hWnd, edit, edit, d.m_hWnd};
            EXPECT_EQ(self.walk, expected);
            SendKey(VK_TAB);  // the dialog manager still works after the filter
        },
        [](ScriptedDialog& d) {
            EXPECT_EQ(d.FocusID(), IDC_AFX_SECOND);
            SendKey(VK_ESCAPE);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.stepsRun, 3);
}

TEST(Dialog, AModelessDialogGetsTheDialogKeysThroughTheApplicationLoop)
{
    CWinApp app;
    HWND hwnd;
    {
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_AFX_TWO_EDITS));
        hwnd = dialog.m_hWnd;
        dialog.ShowWindow(SW_SHOW);
        dialog.SetForegroundWindow();
        dialog.GetDlgItem(IDC_AFX_FIRST)->SetFocus();
        PumpPending();
        SendKey(VK_TAB);
        for (DWORD start = ::GetTickCount();
             ::GetDlgCtrlID(::GetFocus()) != IDC_AFX_SECOND && ::GetTickCount() - start < 3000;) {
            MSG msg;
            if (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
                app.PumpMessage();
            else
                ::Sleep(5);
        }
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_AFX_SECOND);
    }
    EXPECT_FALSE(::IsWindow(hwnd));  // made by the object, ended with it
}

TEST(Dialog, ControlsFindTheFrameThatOwnsTheDialog)
{
    CWinApp app;
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
    app.m_pMainWnd = frame;
    ScriptedDialog dialog(IDD_AFX_TWO_EDITS);  // no parent: owned by the main window
    dialog.steps = {[frame](ScriptedDialog& d) {
        CWnd* edit = d.GetDlgItem(IDC_AFX_FIRST);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetParentFrame(), frame);
        EXPECT_EQ(d.GetParentFrame(), frame);
        EXPECT_EQ(edit->GetTopLevelParent(), frame);
        EXPECT_EQ(d.GetOwner(), frame);
        EXPECT_EQ(edit->GetTopLevelFrame(), frame);
        EXPECT_EQ(frame->GetParentFrame(), nullptr);
        EXPECT_EQ(frame->GetTopLevelFrame(), frame);
        d.EndDialog(IDOK);
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
    frame->DestroyWindow();  // deletes the frame
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_FALSE(app.PumpMessage());  // and ends the loop
}

} // namespace
