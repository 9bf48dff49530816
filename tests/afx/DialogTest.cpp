// CDialog: templates through the resource chain, the modal loop with real
// input, PreTranslateMessage inside the modal loop, modeless dialogs, and
// the frame a dialog's controls find.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "AfxTestIds.h"
#include "afx/CEdit.h"
#include "afx/CFrameWnd.h"
#include "afx/CWinApp.h"
#include "support/RealInput.h"
#include "support/ScriptedDialog.h"

namespace {

struct KeepOpenDialog : ScriptedDialog {
    using ScriptedDialog::ScriptedDialog;
    int oks = 0;

    void OnOK() override { ++oks; }
};

// Records the key-downs it is offered in g_walk, and eats X when told to.
std::vector<HWND> g_walk;

template <class Base> struct Walker : Base {
    using Base::Base;
    bool eatX = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_walk.push_back(this->m_hWnd);
        return (eatX && pMsg->message == WM_KEYDOWN && pMsg->wParam == 'X') || Base::PreTranslateMessage(pMsg);
    }
};

struct SelfDeletingFrame : CFrameWnd {
    explicit SelfDeletingFrame(bool* deleted) : m_deleted(deleted) {}
    ~SelfDeletingFrame() override { *m_deleted = true; }

    bool* m_deleted;
};

// Enter goes to OnOK (a host's here, which keeps the dialog open); Escape
// cancels. Then the dialog keys and PreTranslateMessage in the application
// loop and inside the modal loop; then the frame a dialog's controls find.
TEST(Dialog, DoModalEndsOnEnterAndEscapeThenPreTranslateMessageAndDialogKeysInBothLoopsAndTheOwningFrame)
{
    KeepOpenDialog keepOpen(IDD_AFX_TWO_EDITS);
    keepOpen.recorded = {WM_NCCREATE, WM_INITDIALOG};
    keepOpen.steps = {
        [](ScriptedDialog& d) {
            EXPECT_EQ(d.FocusID(), IDC_AFX_FIRST);  // first tab stop, from the dialog manager
            SendKey('Q');
        }, [](ScriptedDialog& d) {
            EXPECT_EQ(TextOf(d.Item(IDC_AFX_FIRST)), "q");
            SendKey(VK_RETURN);  // the default button
        }, [](ScriptedDialog&) { SendKey(VK_ESCAPE); },
    };
    EXPECT_EQ((std::tuple{keepOpen.m_nIDHelp, keepOpen.DoModal(), keepOpen.oks, keepOpen.stepsRun, keepOpen.m_hWnd,
                          CDialog(4242).DoModal()}),
              std::tuple(UINT(IDD_AFX_TWO_EDITS), INT_PTR(IDCANCEL), 1, 3, HWND(), INT_PTR(-1)));
    // The dialog object is attached from the window's first message on.
    EXPECT_TRUE(SequenceIs(keepOpen.log.Messages(), {WM_NCCREATE, WM_INITDIALOG}));
    EXPECT_FALSE(::IsWindow(keepOpen.log.Messages().front().hwnd));

    CWinApp app;
    // A modeless dialog gets the dialog keys through the application loop.
    HWND hwnd;
    {
        CDialog modeless;
        ASSERT_TRUE(modeless.Create(IDD_AFX_TWO_EDITS));
        hwnd = modeless.m_hWnd;
        modeless.ShowWindow(SW_SHOW);
        modeless.SetForegroundWindow();
        modeless.GetDlgItem(IDC_AFX_FIRST)->SetFocus();
        PumpPending();
        SendKey(VK_TAB);
        auto pump = [&app] {
            for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);)
                app.PumpMessage();
        };
        EXPECT_TRUE(PumpUntil([] { return ::GetDlgCtrlID(::GetFocus()) == IDC_AFX_SECOND; }, 3000, pump));
    }
    EXPECT_FALSE(::IsWindow(hwnd));  // made by the object, ended with it

    // Inside the modal loop: A X B typed into the edit, X is eaten before
    // translation, and each key walks from the edit up to the dialog.
    Walker<ScriptedDialog> dialog(IDD_AFX_TWO_EDITS);
    Walker<CEdit> edit;
    edit.eatX = true;
    dialog.onInit = [&edit](ScriptedDialog& d) { return edit.SubclassDlgItem(IDC_AFX_FIRST, &d); };
    dialog.steps = {
        [](ScriptedDialog&) {
            for (WORD key : {'A', 'X', 'B'})
                SendKey(key);
        }, [](ScriptedDialog& d) {
            HWND first = d.Item(IDC_AFX_FIRST);
            EXPECT_EQ(std::make_tuple(TextOf(first), g_walk),
                      std::make_tuple(std::string("ab"), std::vector<HWND>{first, d.m_hWnd, first, first, d.m_hWnd}));
            SendKey(VK_TAB);  // the dialog manager still works after the filter
        }, [](ScriptedDialog& d) {
            EXPECT_EQ(d.FocusID(), IDC_AFX_SECOND);
            SendKey(VK_ESCAPE);
        },
    };
    EXPECT_EQ((std::tuple{dialog.DoModal(), dialog.stepsRun}), std::tuple(INT_PTR(IDCANCEL), 3));

    // A dialog owned by the main frame, ended by Enter through the default
    // OnOK; the frame deletes itself and its destruction ends the application loop.
    bool deleted = false;
    auto* frame = new SelfDeletingFrame(&deleted);
    ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
    app.m_pMainWnd = frame;
    ScriptedDialog owned(IDD_AFX_TWO_EDITS);  // no parent: owned by the main window
    owned.steps = {[frame](ScriptedDialog& d) {
        CWnd* edit = d.GetDlgItem(IDC_AFX_FIRST);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ((std::vector<CWnd*>{edit->GetParentFrame(), d.GetOwner(), edit->GetTopLevelFrame(),
                                      frame->GetParentFrame()}),
                  (std::vector<CWnd*>{frame, frame, frame, nullptr}));
        SendKey(VK_RETURN);
    }};
    EXPECT_EQ(owned.DoModal(), IDOK);
    frame->DestroyWindow();
    EXPECT_TRUE(deleted && app.m_pMainWnd == nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_FALSE(app.PumpMessage());  // WM_QUIT
}

} // namespace
