// The dialog item table in a host's ordinary modal dialog, driven by real
// keyboard and mouse input: focus and check states after each key, and the
// messages the dialog and its sheet receive.
#include <gtest/gtest.h>

#include "EntryHarness.h"
#include "EntryTestIds.h"

namespace {

void FillForm(EntryDialog& d)
{
    for (const char* text : {"\x88\xEA", "\x93\xF1", "\x8E\x4F"}) {  // 一 二 三
        ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        ::SendMessageA(d.Item(IDC_FORM_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SETCURSEL, 0, 0);
    ::SendMessageA(d.Item(IDC_FORM_LIST), LB_SETCURSEL, 0, 0);
}

std::vector<LoggedMessage> Checks(const EntryDialog& d)
{
    return d.log.Only({kCheckMsg});
}

TEST(TableKeys, EnterWalksTheFormAndEachKindDoesItsPart)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = [](EntryDialog& d) {
        FillForm(d);
        ::CheckDlgButton(d.m_hWnd, IDC_FORM_RADIO_B, BST_CHECKED);
    };
    dialog.steps = {
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.initResult, 1);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            d.log.Clear();
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            // Down from an edit skips to the group's checked button; a key
            // move checks nothing.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_B);
            EXPECT_TRUE(Checks(d).empty());
            EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_B));
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            // Enter on a radio button: checked, mates unchecked, past the group.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_CHECK);
            EXPECT_TRUE(SequenceIs(Checks(d), {Notice(kCheckMsg, IDC_FORM_RADIO_B), Notice(kCheckMsg, IDC_FORM_RADIO_A),
                                               Notice(kCheckMsg, IDC_FORM_RADIO_C)}));
            EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_B));
            EXPECT_FALSE(d.Checked(IDC_FORM_RADIO_A));
            EXPECT_FALSE(d.Checked(IDC_FORM_CHECK));  // reached by key: not checked
            d.log.Clear();
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_COMBO);
            EXPECT_FALSE(d.Checked(IDC_FORM_CHECK));
            EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            // Enter on a closed combo box opens its list; the focus stays.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_TRUE(d.Dropped(IDC_FORM_COMBO));
            EXPECT_EQ(d.FocusID(), IDC_FORM_COMBO);
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            // Down in an open list moves in the list.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_TRUE(d.Dropped(IDC_FORM_COMBO));
            EXPECT_EQ(d.FocusID(), IDC_FORM_COMBO);
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            // Enter again closes it and moves on.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
            EXPECT_EQ(::SendMessageA(d.Item(IDC_FORM_COMBO), CB_GETCURSEL, 0, 0), 1);
            EXPECT_EQ(d.FocusID(), IDC_FORM_LIST);
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            // Up and Down stay in a list box; Right moves on.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_LIST);
            EXPECT_EQ(::SendMessageA(d.Item(IDC_FORM_LIST), LB_GETCURSEL, 0, 0), 1);
            SendKey(VK_RIGHT);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDOK);
            EXPECT_EQ(d.ButtonStyle(IDOK), static_cast<UINT>(BS_DEFPUSHBUTTON));
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            // The push button left behind loses the default look.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDCANCEL);
            EXPECT_EQ(d.ButtonStyle(IDOK), static_cast<UINT>(BS_PUSHBUTTON));
            EXPECT_EQ(d.ButtonStyle(IDCANCEL), static_cast<UINT>(BS_DEFPUSHBUTTON));
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            // Past the end with no flags: round to the first item, no notice.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            EXPECT_TRUE(d.log.Messages().empty());
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDCANCEL);
            SendKey(VK_RETURN);  // the dialog manager presses the push button
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.stepsRun, 12);
}

TEST(TableKeys, DownVisitsEachRadioButtonAndTabChecksTheOneItReaches)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = [](EntryDialog& d) {
        FillForm(d);
        ::CheckDlgButton(d.m_hWnd, IDC_FORM_RADIO_C, BST_CHECKED);
    };
    dialog.steps = {
        [](ScriptedDialog&) { SendKey(VK_DOWN); },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_A);  // no skipping after Down
            EXPECT_FALSE(d.Checked(IDC_FORM_RADIO_A));
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_B);
            EXPECT_TRUE(d.log.Messages().empty());
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_A);
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            SendKey(VK_TAB);  // the dialog manager's move: the table checks the button
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_A);
            EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_A));
            EXPECT_FALSE(d.Checked(IDC_FORM_RADIO_C));
            EXPECT_TRUE(SequenceIs(Checks(d), {Notice(kCheckMsg, IDC_FORM_RADIO_A), Notice(kCheckMsg, IDC_FORM_RADIO_B),
                                               Notice(kCheckMsg, IDC_FORM_RADIO_C)}));
            d.log.Clear();
            SendKey(VK_TAB);
        },
        [](ScriptedDialog& s) {
            // A check box reached by Tab reports "no action".
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_CHECK);
            EXPECT_FALSE(d.Checked(IDC_FORM_CHECK));
            EXPECT_TRUE(Checks(d).empty());
            SendKey(VK_F5);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_TRUE(SequenceIs(d.log.Only({kFuncKeyMsg}), {Notice(kFuncKeyMsg, VK_F5)}));
            EXPECT_EQ(d.FocusID(), IDC_FORM_CHECK);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 8);
}

TEST(TableKeys, EscapeClosesAnOpenListBeforeItCancelsTheDialog)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog& s) {
            ::SetFocus(s.Item(IDC_FORM_COMBO));
            SendKey(VK_SPACE);  // on a closed list: as Enter
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_TRUE(d.Dropped(IDC_FORM_COMBO));
            SendKey(VK_ESCAPE);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
            EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
            EXPECT_EQ(d.FocusID(), IDC_FORM_COMBO);
            // The table's own Escape step: 0 only when it closed a list.
            EXPECT_EQ(d.table.DialogKeyDown(VK_ESCAPE), 1);
            ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
            EXPECT_EQ(d.table.DialogKeyDown(VK_ESCAPE), 0);
            EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
            SendKey(VK_ESCAPE);  // nothing open: the dialog manager cancels
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.stepsRun, 3);
}

TEST(TableKeys, StopAtEndPostsTheNoticeAndKeepsTheFocus)
{
    EntryDialog dialog(IDD_FORM);
    dialog.stop = 1;
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog& s) {
            ::SetFocus(s.Item(IDCANCEL));
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDCANCEL);
            EXPECT_TRUE(SequenceIs(d.log.Messages(), {Notice(WM_ZR8_AFTERLAST)}));
            d.log.Clear();
            ::SetFocus(d.Item(IDC_FORM_NAME));
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            EXPECT_TRUE(SequenceIs(d.log.Messages(), {Notice(WM_ZR8_BEFOREFIRST)}));
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 3);
}

TEST(TableKeys, APageOfASheetTellsTheSheetAndWraps)
{
    SheetWnd sheet;
    ASSERT_TRUE(sheet.Make());
    EntryDialog dialog(IDD_FORM, &sheet);
    dialog.sheet = 1;
    dialog.wrap = 1;
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog&) { SendKey(VK_UP); },
        [&sheet](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDCANCEL);
            EXPECT_TRUE(SequenceIs(sheet.log.Messages(), {Notice(WM_ZR8_PREVPAGE)}));
            EXPECT_TRUE(SequenceIs(d.log.Messages(), {Notice(WM_ZR8_BEFOREFIRST)}));
            sheet.log.Clear();
            d.log.Clear();
            SendKey(VK_DOWN);
        },
        [&sheet](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            EXPECT_TRUE(SequenceIs(sheet.log.Messages(), {Notice(WM_ZR8_NEXTPAGE)}));
            EXPECT_TRUE(SequenceIs(d.log.Messages(), {Notice(WM_ZR8_AFTERLAST)}));
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 3);
}

TEST(TableKeys, EnterOnARadioGroupThatEndsTheTable)
{
    struct Case {
        short wrap, sheet, stop;
        int focusAfter;
        UINT dialogNotice, sheetNotice;
    };
    const Case cases[] = {
        {0, 0, 0, IDC_END_EDIT, 0, 0},
        {1, 0, 0, IDC_END_EDIT, WM_ZR8_AFTERLAST, 0},
        {0, 0, 1, IDC_END_RADIO_B, WM_ZR8_AFTERLAST, 0},
        {1, 1, 1, IDC_END_RADIO_B, 0, WM_ZR8_NEXTPAGE},  // the sheet request stays put
    };
    for (const Case& c : cases) {
        SheetWnd sheet;
        ASSERT_TRUE(sheet.Make());
        EntryDialog dialog(IDD_RADIO_END, &sheet);
        dialog.wrap = c.wrap;
        dialog.sheet = c.sheet;
        dialog.stop = c.stop;
        dialog.steps = {
            [](ScriptedDialog& s) {
                // Reached other than by a key: checked, with its mates cleared.
                auto& d = static_cast<EntryDialog&>(s);
                ::SetFocus(d.Item(IDC_END_RADIO_B));
                EXPECT_TRUE(d.Checked(IDC_END_RADIO_B));
            },
            [](ScriptedDialog& s) {
                auto& d = static_cast<EntryDialog&>(s);
                EXPECT_EQ(d.log.Only({kCheckMsg}).size(), 3u);
                d.log.Clear();
                SendKey(VK_RETURN);
            },
            [&c, &sheet](ScriptedDialog& s) {
                auto& d = static_cast<EntryDialog&>(s);
                EXPECT_EQ(d.FocusID(), c.focusAfter);
                std::vector<ExpectedMessage> expected = {Notice(kCheckMsg, IDC_END_RADIO_B),
                                                         Notice(kCheckMsg, IDC_END_RADIO_A),
                                                         Notice(kCheckMsg, IDC_END_RADIO_C)};
                if (c.dialogNotice != 0)
                    expected.push_back(Notice(c.dialogNotice));
                EXPECT_TRUE(SequenceIs(d.log.Messages(), expected)) << c.wrap << c.sheet << c.stop;
                std::vector<ExpectedMessage> sheetExpected;
                if (c.sheetNotice != 0)
                    sheetExpected.push_back(Notice(c.sheetNotice));
                EXPECT_TRUE(SequenceIs(sheet.log.Messages(), sheetExpected));
                d.EndDialog(IDOK);
            },
        };
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.stepsRun, 3);
    }
}

TEST(TableKeys, DisabledItemsArePassedOverAndASearchWithoutTargetStays)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog& s) {
            for (int id : {IDC_FORM_RADIO_A, IDC_FORM_RADIO_B, IDC_FORM_RADIO_C, IDC_FORM_CHECK})
                ::EnableWindow(s.Item(id), FALSE);
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_COMBO);
            ::EnableWindow(d.Item(IDCANCEL), FALSE);
            ::SetFocus(d.Item(IDOK));
            SendKey(VK_DOWN);
        },
        [](ScriptedDialog& s) {
            // A disabled last item: round to the first.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            for (int id : {IDC_FORM_NAME, IDC_FORM_COMBO, IDC_FORM_LIST, IDOK})
                ::EnableWindow(d.Item(id), FALSE);
            HWND focus = ::GetFocus();
            short next = -1;
            EXPECT_EQ(d.table.CheckNextEnableItem(&next), 0);
            EXPECT_EQ(next, 0);
            EXPECT_EQ(d.table.DialogKeyDown(VK_DOWN), 1);
            EXPECT_EQ(d.table.DialogKeyDown(VK_RETURN), 1);
            EXPECT_EQ(::GetFocus(), focus);
            EXPECT_EQ(d.table.ResetFocusPos(), 1);
            EXPECT_EQ(::GetFocus(), focus);
            ::EnableWindow(d.Item(IDCANCEL), TRUE);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 3);
}

TEST(TableKeys, AnEditThatKeepsEnterTypesALineBreak)
{
    EntryDialog dialog(IDD_KEEP);
    dialog.steps = {
        [](ScriptedDialog&) { SendKey(VK_RETURN); },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_KEEP_MULTI);
            SendKey('A');
            SendKey(VK_RETURN);
            SendKey('B');
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            char text[32] = "";
            ::GetWindowTextA(d.Item(IDC_KEEP_MULTI), text, sizeof text);
            EXPECT_STREQ(text, "a\r\nb");
            EXPECT_EQ(d.FocusID(), IDC_KEEP_MULTI);  // Up moved the caret only
            SendKey(VK_F5);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_TRUE(SequenceIs(d.log.Only({kFuncKeyMsg}), {Notice(kFuncKeyMsg, VK_F5)}));
            EXPECT_EQ(d.FocusID(), IDC_KEEP_MULTI);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 4);
}

TEST(TableKeys, ALinkedEditSendsItsKeysToTheDialog)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = [](EntryDialog& d) {
        FillForm(d);
        d.table.SecretLink(IDC_FORM_NAME, kLinkUpMsg, kLinkDownMsg, kLinkEnterMsg, kLinkSpaceMsg, kLinkFuncKeyMsg);
    };
    dialog.steps = {
        [](ScriptedDialog&) {
            SendKey(VK_SPACE);
            SendKey(VK_RETURN);
            SendKey(VK_F3);
            SendKey(VK_DOWN);
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_NAME);
            // (The space itself is still typed: its character comes from the loop's
            // translation, before the key reaches the edit.)
            EXPECT_TRUE(SequenceIs(d.log.Only({kLinkUpMsg, kLinkDownMsg, kLinkEnterMsg, kLinkSpaceMsg, kLinkFuncKeyMsg,
                                               kFuncKeyMsg}),
                                   {Notice(kLinkSpaceMsg), Notice(kLinkEnterMsg), Notice(kLinkFuncKeyMsg, VK_F3),
                                    Notice(kLinkDownMsg), Notice(kLinkUpMsg)}));
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 2);
}

TEST(TableKeys, TheMouseOnACheckBoxTogglesItWithoutTheTable)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog& s) {
            SendClick(s.Item(IDC_FORM_CHECK), ClientCentre(s.Item(IDC_FORM_CHECK)), true);
        },
        [](ScriptedDialog& s) {
            // A right click reports no focus: the current item is still the edit.
            auto& d = static_cast<EntryDialog&>(s);
            short next = 0;
            EXPECT_EQ(d.table.CheckNextEnableItem(&next), 1);
            EXPECT_EQ(next, IDC_FORM_RADIO_A);
            SendClick(d.Item(IDC_FORM_CHECK), ClientCentre(d.Item(IDC_FORM_CHECK)));
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_CHECK);
            EXPECT_TRUE(d.Checked(IDC_FORM_CHECK));  // by the click alone
            EXPECT_TRUE(Checks(d).empty());
            SendClick(d.Item(IDC_FORM_CHECK), ClientCentre(d.Item(IDC_FORM_CHECK)));
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_FALSE(d.Checked(IDC_FORM_CHECK));
            EXPECT_TRUE(Checks(d).empty());
            SendClick(d.Item(IDC_FORM_RADIO_C), ClientCentre(d.Item(IDC_FORM_RADIO_C)));
        },
        [](ScriptedDialog& s) {
            // A radio button reached by the mouse is checked by the table.
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.FocusID(), IDC_FORM_RADIO_C);
            EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_C));
            std::vector<LoggedMessage> checks = Checks(d);
            ASSERT_GE(checks.size(), 3u);
            EXPECT_TRUE(SequenceIs({checks.begin(), checks.begin() + 3},
                                   {Notice(kCheckMsg, IDC_FORM_RADIO_C), Notice(kCheckMsg, IDC_FORM_RADIO_A),
                                    Notice(kCheckMsg, IDC_FORM_RADIO_B)}));
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 5);
}

TEST(TableKeys, EditChangesReachTheParentThroughTheRelay)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = FillForm;
    dialog.steps = {
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            d.log.Clear();
            d.commands.clear();
            SendKey('K');
        },
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            HWND edit = d.Item(IDC_FORM_NAME);
            EXPECT_TRUE(SequenceIs(d.log.Only({WM_ZR8_EDITCHANGE}),
                                   {ExpectedMessage::Params(WM_ZR8_EDITCHANGE, 0x03000000 | IDC_FORM_NAME,
                                                            reinterpret_cast<LPARAM>(edit))}));
            for (WPARAM command : d.commands)
                EXPECT_FALSE(LOWORD(command) == IDC_FORM_NAME && HIWORD(command) == EN_CHANGE);
            EXPECT_NE(std::find(d.commands.begin(), d.commands.end(), MAKEWPARAM(IDC_FORM_NAME, EN_UPDATE)),
                      d.commands.end());
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 2);
}

} // namespace
