// The dialog item table: built from the real template resources, the
// operations a host calls from its handlers, the message box shown for a
// radio group without a checked button, and what the table's end gives back.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "EntryHarness.h"
#include "TemplateBuilder.h"
#include "afx/AfxModule.h"

namespace {

class TableProbe : public CDlgSb {
public:
    using CDlgSb::GetItem;
};

// GetItem walks a template one item at a time, giving each class kind.
TEST(Table, GetItemWalksATemplate)
{
    std::vector<uint8_t> bytes = TemplateBuilder::Example();
    auto* item = reinterpret_cast<CDlgSb::ITEM*>(bytes.data() + 40);
    std::vector<WORD> kinds;
    for (int i = 0; i < 6 && item != nullptr; ++i) {
        kinds.push_back(0xEEEE);
        item = TableProbe().GetItem(item, &kinds.back());
    }
    EXPECT_EQ(kinds, (std::vector<WORD>{2, 1, 0, 0, 0, 0}));
    EXPECT_EQ(reinterpret_cast<uint8_t*>(item), bytes.data() + bytes.size());
}

TEST(Table, InitAttachesEveryControlAndTheEndGivesThemBack)
{
    ScriptedDialog dialog(IDD_FORM);
    dialog.onInit = [](ScriptedDialog& d) {
        HWND edit = d.Item(IDC_FORM_NAME);
        LONG_PTR editProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
        LONG_PTR comboProc = ::GetWindowLongPtrA(d.Item(IDC_FORM_COMBO), GWLP_WNDPROC);
        EXPECT_EQ(CDlgSb().Init(&d, 4242, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);
        EXPECT_EQ(CDlgSb().Init(&d, IDD_RADIO_END, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);  // its controls are not here
        {
            CDlgSb table;
            EXPECT_EQ(table.InitDll(&d, ::GetModuleHandleA(nullptr), IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0), 1);
            EXPECT_NE(CWnd::FromHandlePermanent(edit), nullptr);
            EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AfxWndProc));
            EXPECT_EQ(::GetFocus(), edit);
            // A second table cannot attach to controls that are taken.
            EXPECT_EQ(CDlgSb().Init(&d, IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0), 0);
        }
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
        EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), editProc);
        EXPECT_EQ(::GetWindowLongPtrA(d.Item(IDC_FORM_COMBO), GWLP_WNDPROC), comboProc);
        return FALSE;
    };
    EXPECT_EQ(dialog.DoModal(), IDABORT);
}

TEST(Table, ALeadingRadioGroupStartsOnItsCheckedButton)
{
    EntryDialog dialog(IDD_RADIO_FIRST);
    dialog.beforeInit = [](EntryDialog& d) { ::CheckDlgButton(d.m_hWnd, IDC_FIRST_RADIO_C, BST_CHECKED); };
    const std::vector<Beat> beats = {
        {nullptr, IDC_FIRST_RADIO_C,
         {{kCheckMsg, IDC_FIRST_RADIO_C}, {kCheckMsg, IDC_FIRST_RADIO_A}, {kCheckMsg, IDC_FIRST_RADIO_B}}},
        {[](EntryDialog& d) {
             ::SetFocus(d.Item(IDC_FIRST_EDIT));
             EXPECT_EQ(d.table.ResetFocusPos(), 1);
             EXPECT_EQ(d.FocusID(), IDC_FIRST_EDIT);  // not a radio button: stays
             d.table.SetFocusID(IDC_FIRST_RADIO_A);
             EXPECT_EQ(d.table.ResetFocusPos(), 1);  // on the group's checked button
             short id = 0;
             EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
             EXPECT_EQ(id, IDC_FIRST_RADIO_C);
         },
         IDC_FIRST_RADIO_C,
         {{kCheckMsg, IDC_FIRST_RADIO_C}, {kCheckMsg, IDC_FIRST_RADIO_A}, {kCheckMsg, IDC_FIRST_RADIO_B}}},
    };
    EXPECT_EQ(dialog.Play(beats), IDABORT);
}

// Records the message boxes shown while it lives and closes each with OK.
class BoxCatcher {
public:
    struct Box {
        std::string caption, text;
        HWND owner;
        bool cancel, icon;
    };
    static inline std::vector<Box> boxes;
    static inline HWND host;

    explicit BoxCatcher(HWND hostDialog)
    {
        boxes.clear();
        host = hostDialog;
    }
    ~BoxCatcher() { ::UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && box != host) {
            Box seen = {Text(box), "", ::GetWindow(box, GW_OWNER), ::GetDlgItem(box, IDCANCEL) != nullptr, false};
            for (HWND c = ::GetWindow(box, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
                if ((::GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    seen.icon = seen.icon || ::SendMessageA(c, STM_GETICON, 0, 0) != 0;
                else if (::SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)
                    seen.text += Text(c);
            }
            boxes.push_back(seen);
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static std::string Text(HWND hwnd)
    {
        char text[512] = "";
        ::GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }

    HHOOK m_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
};

TEST(Table, ARadioGroupWithoutACheckedButtonIsReported)
{
    EntryDialog dialog(IDD_FORM);
    const std::vector<Beat> beats = {{[](EntryDialog& d) {
        BoxCatcher catcher(d.m_hWnd);
        // The group does not begin the table: the box comes at once.
        d.table.SetFocusID(IDC_FORM_RADIO_B);
        EXPECT_EQ(d.table.ResetFocusPos(), 0);
        // "ｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。" titled "確認", with an icon and OK only
        const char text[] = "\xB5\xB0\xC4\xD7\xBC\xDE\xB5\xCE\xDE\xC0\xDD\x82\xC9\x4F\x4E\x8D\x80\x96\xDA\x82\xAA"
                            "\x90\xDD\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";
        ASSERT_EQ(BoxCatcher::boxes.size(), 1u);
        const BoxCatcher::Box& box = BoxCatcher::boxes[0];
        EXPECT_TRUE(box.caption == "\x8A\x6D\x94\x46" && box.text == text) << box.caption << box.text;
        EXPECT_TRUE(box.owner == nullptr && !box.cancel && box.icon);

        // The first enabled item is the edit: no question arises.
        short id = 0;
        EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
        EXPECT_EQ(id, IDC_FORM_NAME);
        // With the edit disabled the group comes first, and none is checked.
        // (The focus leaves first: the dialog would hand it to a radio button.)
        ::SetFocus(d.Item(IDOK));
        ::EnableWindow(d.Item(IDC_FORM_NAME), FALSE);
        EXPECT_EQ(d.table.CheckPageEnableItem(&id), 0);
        EXPECT_EQ(id, 0);
        EXPECT_EQ(BoxCatcher::boxes.size(), 2u);
        ::CheckDlgButton(d.m_hWnd, IDC_FORM_RADIO_C, BST_CHECKED);
        EXPECT_EQ(d.table.CheckPageEnableItem(&id), 1);
        EXPECT_EQ(id, IDC_FORM_RADIO_C);
        EXPECT_EQ(BoxCatcher::boxes.size(), 2u);
    }, IDOK}};
    EXPECT_EQ(dialog.Play(beats), IDABORT);
}

LRESULT CodeFor(HWND hwnd, UINT key)
{
    MSG query = {hwnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
    return ::SendMessageA(hwnd, WM_GETDLGCODE, key, key != 0 ? reinterpret_cast<LPARAM>(&query) : 0);
}

TEST(Table, HostOperationsAndDialogCodes)
{
    EntryDialog dialog(IDD_FORM);
    const std::vector<Beat> beats = {
        {[](EntryDialog& d) {
             EXPECT_EQ(d.table.CheckPullDown(), 0);
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
             EXPECT_EQ(d.table.CheckPullDown(), 1);
             EXPECT_FALSE(d.Dropped(IDC_FORM_COMBO));
             short id = 0;
             EXPECT_EQ(d.table.CheckNextEnableItem(&id), 1);  // the combo box is current now
             EXPECT_EQ(id, IDC_FORM_LIST);
             d.table.ClosePull(5);
             d.table.ClosePull(99);  // out of the table: nothing
             d.table.SetFocusID(IDC_FORM_LIST);
             EXPECT_EQ(d.table.CheckNextEnableItem(&id), 1);
             EXPECT_EQ(id, IDOK);
             d.table.SetFocusID(IDCANCEL);
             EXPECT_EQ(d.table.CheckNextEnableItem(&id), 0);
             EXPECT_EQ(id, 0);
             d.table.SetFocusID(999);  // unknown: the current item stays
             EXPECT_EQ(d.table.ResetFocusPos(), 1);
         },
         IDCANCEL, {{kCloseMsg, IDC_FORM_COMBO}}},
        // Without a key message, the codes the dialog manager expects; with
        // one, the subclass asks for exactly the keys the table takes: Enter
        // but on a push button, never Tab, Escape only on an open list.
        {[](EntryDialog& d) {
             HWND plain = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 9, 9, d.m_hWnd, nullptr, nullptr, nullptr);
             EXPECT_EQ(CodeFor(d.Item(IDC_FORM_NAME), 0), ::SendMessageA(plain, WM_GETDLGCODE, 0, 0));
             ::DestroyWindow(plain);
             for (int id : {IDC_FORM_RADIO_A, IDC_FORM_CHECK, IDC_FORM_COMBO, IDC_FORM_LIST})
                 EXPECT_EQ(CodeFor(d.Item(id), 0), DLGC_WANTARROWS) << id;
             EXPECT_EQ(CodeFor(d.Item(IDCANCEL), 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTARROWS);
             for (int id : {IDC_FORM_NAME, IDC_FORM_RADIO_A, IDC_FORM_CHECK, IDC_FORM_COMBO, IDC_FORM_LIST, IDCANCEL}) {
                 EXPECT_EQ((CodeFor(d.Item(id), VK_RETURN) & DLGC_WANTMESSAGE) != 0, id != IDCANCEL) << id;
                 EXPECT_FALSE((CodeFor(d.Item(id), VK_ESCAPE) | CodeFor(d.Item(id), VK_TAB)) & DLGC_WANTMESSAGE);
             }
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
             EXPECT_TRUE(CodeFor(d.Item(IDC_FORM_COMBO), VK_ESCAPE) & DLGC_WANTMESSAGE);
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, FALSE, 0);
         },
         IDCANCEL},
    };
    EXPECT_EQ(dialog.Play(beats), IDABORT);
}

} // namespace
