// The dialog item table: built from the real template resources, the
// operations a host calls from its handlers, the message box shown for a
// radio group without a checked button, and what the table's end gives back.
#include <gtest/gtest.h>

#include "EntryHarness.h"
#include "EntryTestIds.h"
#include "MessageBoxCatcher.h"
#include "afx/AfxModule.h"

namespace {

// "ｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。" and "確認"
const char kNoCheckedText[] =
    "\xB5\xB0\xC4\xD7\xBC\xDE\xB5\xCE\xDE\xC0\xDD\x82\xC9\x4F\x4E\x8D\x80\x96\xDA\x82\xAA\x90\xDD\x92\xE8"
    "\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";
const char kNoCheckedTitle[] = "\x8A\x6D\x94\x46";

class TableProbe : public CDlgSb {
public:
    using CDlgSb::GetDlgData;
    using CDlgSb::GetItem;
};

TEST(Table, ReadsTheDialogsOwnTemplateResource)
{
    TableProbe probe;
    UINT count = 0;
    UINT* ids = nullptr;
    BYTE* types = nullptr;
    short* groups = nullptr;
    HINSTANCE exe = ::GetModuleHandleA(nullptr);
    ASSERT_EQ(probe.GetDlgData(IDD_FORM, exe, &count, &ids, &types, &groups), 1);
    ASSERT_EQ(count, 9u);
    EXPECT_EQ(std::vector<UINT>(ids, ids + count),
              (std::vector<UINT>{IDC_FORM_NAME, IDC_FORM_RADIO_A, IDC_FORM_RADIO_B, IDC_FORM_RADIO_C, IDC_FORM_CHECK,
                                 IDC_FORM_COMBO, IDC_FORM_LIST, IDOK, IDCANCEL}));
    EXPECT_EQ(std::vector<int>(types, types + count), (std::vector<int>{3, 2, 2, 2, 1, 4, 5, 0, 0}));
    EXPECT_EQ(std::vector<int>(groups, groups + count), (std::vector<int>{-1, 1, 1, 1, 4, -1, -1, -1, -1}));
    delete[] ids;
    delete[] types;
    delete[] groups;

    UINT untouched = 77;
    EXPECT_EQ(probe.GetDlgData(4242, exe, &untouched, &ids, &types, &groups), 0);
    EXPECT_EQ(untouched, 77u);

    // GetItem over the same resource: the class kind of each control.
    HRSRC found = ::FindResourceA(exe, MAKEINTRESOURCEA(IDD_EXAMPLE), RT_DIALOG);
    auto* bytes = static_cast<BYTE*>(::LockResource(::LoadResource(exe, found)));
    ASSERT_NE(bytes, nullptr);
    // Header: 18 fixed bytes, no menu, no class, the title "例", then font 9
    // and its face name; the first item on the next 4-byte boundary.
    const WORD* word = reinterpret_cast<const WORD*>(bytes + 22);
    while (*word++ != 0) {
    }
    ++word;  // point size
    while (*word++ != 0) {
    }
    uintptr_t first = (reinterpret_cast<uintptr_t>(word) + 3) & ~uintptr_t(3);
    auto* item = reinterpret_cast<CDlgSb::ITEM*>(first);
    std::vector<WORD> kinds;
    for (int i = 0; i < 6 && item != nullptr; ++i) {
        WORD kind = 0xEEEE;
        item = probe.GetItem(item, &kind);
        kinds.push_back(kind);
    }
    EXPECT_EQ(kinds, (std::vector<WORD>{2, 1, 0, 0, 0, 0}));
    // The last item ends the resource; only its alignment padding is not stored.
    uintptr_t end = reinterpret_cast<uintptr_t>(bytes) + ::SizeofResource(exe, found);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(item), (end + 3) & ~uintptr_t(3));
}

TEST(Table, InitFailsForAMissingTemplateOrAControlNotInTheDialog)
{
    EntryDialog dialog(IDD_EXAMPLE);
    dialog.onInit = [](ScriptedDialog& s) {
        auto& d = static_cast<EntryDialog&>(s);
        CDlgSb missing;
        EXPECT_EQ(missing.Init(&d, 4242, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);
        CDlgSb mismatched;  // the form's controls are not in this dialog
        EXPECT_EQ(mismatched.Init(&d, IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);
        CDlgSb fromModule;
        EXPECT_EQ(fromModule.InitDll(&d, ::GetModuleHandleA(nullptr), IDD_EXAMPLE, kFuncKeyMsg, 0, 0, 0, 0, 0), 1);
        return FALSE;
    };
    dialog.steps = {[](ScriptedDialog& d) { d.EndDialog(IDOK); }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Table, EndingTheTableGivesEveryControlBack)
{
    EntryDialog dialog(IDD_FORM);
    dialog.onInit = [](ScriptedDialog& s) {
        HWND edit = s.Item(IDC_FORM_NAME);
        HWND combo = s.Item(IDC_FORM_COMBO);
        LONG_PTR editProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
        LONG_PTR comboProc = ::GetWindowLongPtrA(combo, GWLP_WNDPROC);
        {
            CDlgSb table;
            EXPECT_EQ(table.Init(&s, IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0), 1);
            EXPECT_NE(CWnd::FromHandlePermanent(edit), nullptr);
            EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AfxWndProc));
            EXPECT_EQ(::GetFocus(), edit);
            // A second table cannot attach to controls that are taken.
            CDlgSb second;
            EXPECT_EQ(second.Init(&s, IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);
        }
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
        EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), editProc);
        EXPECT_EQ(::GetWindowLongPtrA(combo, GWLP_WNDPROC), comboProc);
        EXPECT_TRUE(::IsWindow(edit));
        return FALSE;
    };
    dialog.steps = {[](ScriptedDialog& d) { d.EndDialog(IDOK); }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Table, ALeadingRadioGroupStartsOnItsCheckedButton)
{
    EntryDialog dialog(IDD_RADIO_FIRST);
    dialog.beforeInit = [](EntryDialog& d) { ::CheckDlgButton(d.m_hWnd, IDC_FIRST_RADIO_C, BST_CHECKED); };
    dialog.steps = {
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.initResult, 1);
            EXPECT_EQ(d.FocusID(), IDC_FIRST_RADIO_C);
            // The group begins the table: ResetFocusPos finds the checked button.
            ::SetFocus(d.Item(IDC_FIRST_EDIT));
            EXPECT_EQ(d.table.ResetFocusPos(), 1);
            EXPECT_EQ(d.FocusID(), IDC_FIRST_EDIT);  // not a radio button: stays
            d.table.SetFocusID(IDC_FIRST_RADIO_A);
            EXPECT_EQ(d.table.ResetFocusPos(), 1);
            EXPECT_EQ(d.FocusID(), IDC_FIRST_RADIO_C);
            short id = 0;
            EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
            EXPECT_EQ(id, IDC_FIRST_RADIO_C);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
}

TEST(Table, ARadioGroupWithoutACheckedButtonIsReported)
{
    EntryDialog dialog(IDD_EXAMPLE);
    dialog.steps = {
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            MessageBoxCatcher catcher;
            // The group does not begin the table: the box comes at once.
            d.table.SetFocusID(IDC_EXAMPLE_RADIO_B);
            EXPECT_EQ(d.table.ResetFocusPos(), 0);
            ASSERT_EQ(catcher.boxes.size(), 1u);
            EXPECT_EQ(catcher.boxes[0].caption, kNoCheckedTitle);
            EXPECT_EQ(catcher.boxes[0].text, kNoCheckedText);
            EXPECT_EQ(catcher.boxes[0].owner, nullptr);
            EXPECT_FALSE(catcher.boxes[0].hasCancel);
            EXPECT_TRUE(catcher.boxes[0].hasIcon);

            // The first enabled item is the edit: no question arises.
            short id = 0;
            EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
            EXPECT_EQ(id, IDC_EXAMPLE_EDIT);
            // With the edit disabled the group comes first, and none is checked.
            // (The focus leaves first: the dialog would hand it to a radio button.)
            ::SetFocus(d.Item(IDOK));
            ::EnableWindow(d.Item(IDC_EXAMPLE_EDIT), FALSE);
            id = 5;
            EXPECT_EQ(d.table.CheckPageEnableItem(&id), 0);
            EXPECT_EQ(id, 0);
            EXPECT_EQ(catcher.boxes.size(), 2u);
            ::CheckDlgButton(d.m_hWnd, IDC_EXAMPLE_RADIO_C, BST_CHECKED);
            EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
            EXPECT_EQ(id, IDC_EXAMPLE_RADIO_C);
            EXPECT_EQ(catcher.boxes.size(), 2u);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
}

TEST(Table, HostOperationsOnListsAndPositions)
{
    EntryDialog dialog(IDD_FORM);
    dialog.steps = {
        [](ScriptedDialog& s) {
            auto& d = static_cast<EntryDialog&>(s);
            EXPECT_EQ(d.table.CheckPullDown(), 0);
            ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
            EXPECT_EQ(d.table.CheckPullDown(), 1);
            EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
            short id = 0;
            EXPECT_EQ(d.table.CheckNextEnableItem(&id), 1);  // the combo box is current now
            EXPECT_EQ(id, IDC_FORM_LIST);

            d.log.Clear();
            d.table.ClosePull(5);
            d.table.ClosePull(99);  // out of the table: nothing
            EXPECT_TRUE(SequenceIs(d.log.Messages(), {Notice(kCloseMsg, IDC_FORM_COMBO)}));

            d.table.SetFocusID(IDC_FORM_LIST);
            EXPECT_EQ(d.table.CheckNextEnableItem(&id), 1);
            EXPECT_EQ(id, IDOK);
            d.table.SetFocusID(IDCANCEL);
            EXPECT_EQ(d.table.CheckNextEnableItem(&id), 0);
            EXPECT_EQ(id, 0);
            d.table.SetFocusID(999);  // unknown: the current item stays
            EXPECT_EQ(d.table.CheckNextEnableItem(&id), 0);
            EXPECT_EQ(d.table.ResetFocusPos(), 1);
            EXPECT_EQ(d.FocusID(), IDCANCEL);
            d.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
}

LRESULT CodeFor(HWND hwnd, UINT key)
{
    MSG query = {hwnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
    return ::SendMessageA(hwnd, WM_GETDLGCODE, key, key != 0 ? reinterpret_cast<LPARAM>(&query) : 0);
}

TEST(Table, DialogCodesHandOverExactlyTheKeysTheTableTakes)
{
    EntryDialog dialog(IDD_FORM);
    dialog.steps = {[](ScriptedDialog& s) {
        auto& d = static_cast<EntryDialog&>(s);
        HWND plain = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, d.m_hWnd, nullptr, nullptr, nullptr);
        LRESULT editOwn = ::SendMessageA(plain, WM_GETDLGCODE, 0, 0);
        // Without a key message: the codes the dialog manager expects.
        EXPECT_EQ(CodeFor(d.Item(IDC_FORM_NAME), 0), editOwn);
        EXPECT_EQ(CodeFor(d.Item(IDC_FORM_RADIO_A), 0), DLGC_WANTARROWS);
        EXPECT_EQ(CodeFor(d.Item(IDC_FORM_CHECK), 0), DLGC_WANTARROWS);
        EXPECT_EQ(CodeFor(d.Item(IDC_FORM_COMBO), 0), DLGC_WANTARROWS);
        EXPECT_EQ(CodeFor(d.Item(IDC_FORM_LIST), 0), DLGC_WANTARROWS);
        EXPECT_EQ(CodeFor(d.Item(IDCANCEL), 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTARROWS);
        // Enter: taken from the dialog manager, except on a push button.
        for (int id : {IDC_FORM_NAME, IDC_FORM_RADIO_A, IDC_FORM_CHECK, IDC_FORM_COMBO, IDC_FORM_LIST})
            EXPECT_TRUE(CodeFor(d.Item(id), VK_RETURN) & DLGC_WANTMESSAGE) << id;
        EXPECT_FALSE(CodeFor(d.Item(IDCANCEL), VK_RETURN) & DLGC_WANTMESSAGE);
        // Escape and Tab stay with the dialog manager, but Escape on an open list.
        for (int id : {IDC_FORM_NAME, IDC_FORM_RADIO_A, IDC_FORM_COMBO, IDC_FORM_LIST, IDCANCEL}) {
            EXPECT_FALSE(CodeFor(d.Item(id), VK_ESCAPE) & DLGC_WANTMESSAGE) << id;
            EXPECT_FALSE(CodeFor(d.Item(id), VK_TAB) & DLGC_WANTMESSAGE) << id;
        }
        ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_TRUE(CodeFor(d.Item(IDC_FORM_COMBO), VK_ESCAPE) & DLGC_WANTMESSAGE);
        ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, FALSE, 0);
        ::DestroyWindow(plain);
        d.EndDialog(IDOK);
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
}

} // namespace
