// The dialog item table in a host's ordinary modal dialog, driven by real
// keyboard and mouse input: the focus after each key and the messages the
// dialog and its sheet receive; the operations a host calls from its
// handlers, the message box for a radio group without a checked button, and
// what the table's end gives back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "EntryHarness.h"
#include "TemplateBuilder.h"
#include "afx/AfxModule.h"

namespace {

// The check messages of a radio group (the checked button, then its mates),
// then the notices.
std::vector<ExpectedMessage> Checks(std::initializer_list<int> ids, const std::vector<UINT>& notices = {})
{
    std::vector<ExpectedMessage> messages;
    for (int id : ids)
        messages.emplace_back(kCheckMsg, id);
    for (UINT notice : notices)
        messages.emplace_back(notice, 0);
    return messages;
}

// A search of the table: its result and the item it gives.
std::pair<int, int> Found(CDlgSb& table, int (CDlgSb::*search)(short*))
{
    short id = -1;
    int result = (table.*search)(&id);
    return {result, id};
}
const auto kNext = &CDlgSb::CheckNextEnableItem, kPage = &CDlgSb::CheckPageEnableItem;

// Then the mouse on a check box toggles it without the table; disabled items
// are passed over, and a search without a target stays.
TEST(TableKeys, KeysWalkTheFormEachKindDoesItsPartTheMouseAndDisabledItems)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = [](EntryDialog& d) {
        for (const char* text : {"\x88\xEA", "\x93\xF1", "\x8E\x4F"}) {  // 一 二 三
            ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            ::SendMessageA(d.Item(IDC_FORM_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SETCURSEL, 0, 0);
        ::SendMessageA(d.Item(IDC_FORM_LIST), LB_SETCURSEL, 0, 0);
        ::CheckDlgButton(d.m_hWnd, IDC_FORM_RADIO_C, BST_CHECKED);
    };
    auto dropped = [](bool open) { return [open](EntryDialog& d) { EXPECT_EQ(d.Dropped(IDC_FORM_COMBO), open); }; };
    auto click = [](int id, bool right = false) { return [=](EntryDialog& d) { SendClick(d.Item(id), right); }; };
    auto checked = [](bool on) { return [on](EntryDialog& d) { EXPECT_EQ(d.Checked(IDC_FORM_CHECK), on); }; };
    EXPECT_EQ(dialog.Play({
        {nullptr, IDC_FORM_NAME, {}, [](EntryDialog& d) { EXPECT_EQ(d.initResult, 1); }},
        // Down visits every radio button; a key move checks nothing.
        {Keys({VK_DOWN}), IDC_FORM_RADIO_A, {}, [](EntryDialog& d) { EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_C)); }},
        {Keys({VK_UP}), IDC_FORM_NAME},
        // The dialog manager's Tab: the table checks the radio button it
        // reaches and leaves a check box alone.
        {Keys({VK_TAB}), IDC_FORM_RADIO_A, Checks({IDC_FORM_RADIO_A, IDC_FORM_RADIO_B, IDC_FORM_RADIO_C}),
         [](EntryDialog& d) { EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_A) && !d.Checked(IDC_FORM_RADIO_C)); }},
        {Keys({VK_TAB}), IDC_FORM_CHECK, {}, [](EntryDialog& d) { EXPECT_FALSE(d.Checked(IDC_FORM_CHECK)); }},
        {Keys({VK_F5}), IDC_FORM_CHECK, {{kFuncKeyMsg, VK_F5}}},
        // A checked button that is disabled passes the skip on past its group.
        {FocusThen(IDC_FORM_NAME, VK_RETURN, [](EntryDialog& d) {
             ::CheckRadioButton(d.m_hWnd, IDC_FORM_RADIO_A, IDC_FORM_RADIO_C, IDC_FORM_RADIO_A);
             ::EnableWindow(d.Item(IDC_FORM_RADIO_A), FALSE);
         }), IDC_FORM_CHECK, {}, [](EntryDialog& d) { ::EnableWindow(d.Item(IDC_FORM_RADIO_A), TRUE); }},
        // Enter in an edit skips to the group's checked button.
        {FocusThen(IDC_FORM_NAME, VK_RETURN, [](EntryDialog& d) {
             ::CheckRadioButton(d.m_hWnd, IDC_FORM_RADIO_A, IDC_FORM_RADIO_C, IDC_FORM_RADIO_C);
         }), IDC_FORM_RADIO_C},
        // Enter on a radio button: checked, mates unchecked, on past the group
        // to a check box, which a key move leaves alone.
        {Keys({VK_RETURN}), IDC_FORM_CHECK, Checks({IDC_FORM_RADIO_C, IDC_FORM_RADIO_A, IDC_FORM_RADIO_B}),
         [](EntryDialog& d) { EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_C) && !d.Checked(IDC_FORM_CHECK)); }},
        {Keys({VK_RETURN}), IDC_FORM_COMBO, {}, dropped(false)},
        // Enter opens a closed list; the table's Escape step closes it and
        // gives 0, else 1 (the combo box's own Escape: see the dialog codes);
        // Space opens it again.
        {Keys({VK_RETURN}), IDC_FORM_COMBO, {}, dropped(true)},
        {[](EntryDialog& d) {
             EXPECT_EQ((std::tuple{d.table.DialogKeyDown(VK_ESCAPE), d.Dropped(IDC_FORM_COMBO),
                                   d.table.DialogKeyDown(VK_ESCAPE)}), std::tuple(0, false, 1));
             SendKey(VK_SPACE);
         }, IDC_FORM_COMBO, {}, dropped(true)},
        // Down moves in the open list; Enter closes it and moves on.
        {Keys({VK_DOWN}), IDC_FORM_COMBO, {}, dropped(true)},
        {Keys({VK_RETURN}), IDC_FORM_LIST, {}, [](EntryDialog& d) {
             EXPECT_EQ(std::make_pair(d.Dropped(IDC_FORM_COMBO), d.Sel(IDC_FORM_COMBO, CB_GETCURSEL)),
                       std::make_pair(false, 1));
         }},
        // Up and Down stay in a list box; Right moves on.
        {Keys({VK_DOWN}), IDC_FORM_LIST, {}, [](EntryDialog& d) { EXPECT_EQ(d.Sel(IDC_FORM_LIST, LB_GETCURSEL), 1); }},
        {Keys({VK_RIGHT}), IDOK, {}, [](EntryDialog& d) { EXPECT_EQ(d.Look(IDOK), BS_DEFPUSHBUTTON); }},
        // The push button left behind loses the default look.
        {Keys({VK_DOWN}), IDCANCEL, {}, [](EntryDialog& d) {
             EXPECT_EQ(std::make_pair(d.Look(IDOK), d.Look(IDCANCEL)),
                       std::make_pair(BS_PUSHBUTTON, BS_DEFPUSHBUTTON));
         }},
        // A right click reports no focus: the current item is still Cancel, the last, with no next one.
        {click(IDC_FORM_CHECK, true), IDCANCEL, {},
         [](EntryDialog& d) { EXPECT_EQ(Found(d.table, kNext), std::make_pair(0, 0)); }},
        {click(IDC_FORM_CHECK), IDC_FORM_CHECK, {}, checked(true)},
        {click(IDC_FORM_CHECK), IDC_FORM_CHECK, {}, checked(false)},
        // A radio button reached by the mouse is checked by the table, on the
        // activation and again on the focus.
        {click(IDC_FORM_RADIO_C), IDC_FORM_RADIO_C,
         Checks({IDC_FORM_RADIO_C, IDC_FORM_RADIO_A, IDC_FORM_RADIO_B, IDC_FORM_RADIO_C, IDC_FORM_RADIO_A,
                 IDC_FORM_RADIO_B}),
         [](EntryDialog& d) { EXPECT_TRUE(d.Checked(IDC_FORM_RADIO_C)); }},
        // Disabled items are passed over.
        {FocusThen(IDC_FORM_NAME, VK_RETURN, [](EntryDialog& d) {
             for (int id : {IDC_FORM_RADIO_A, IDC_FORM_RADIO_B, IDC_FORM_RADIO_C, IDC_FORM_CHECK})
                 ::EnableWindow(d.Item(id), FALSE);
         }), IDC_FORM_COMBO},
        // A disabled last item: round to the first.
        {FocusThen(IDOK, VK_DOWN, [](EntryDialog& d) { ::EnableWindow(d.Item(IDCANCEL), FALSE); }), IDC_FORM_NAME},
        // Nothing enabled: every search gives up and the current item stays.
        {[](EntryDialog& d) {
             for (int id : {IDC_FORM_NAME, IDC_FORM_COMBO, IDC_FORM_LIST, IDOK})
                 ::EnableWindow(d.Item(id), FALSE);
             EXPECT_EQ((std::tuple{Found(d.table, kNext), d.table.DialogKeyDown(VK_DOWN),
                                   d.table.DialogKeyDown(VK_RETURN), d.table.ResetFocusPos()}),
                       std::tuple(std::make_pair(0, 0), 1, 1, 1));
         }, 0},
        // The dialog manager presses the push button.
        {FocusThen(IDCANCEL, VK_RETURN, [](EntryDialog& d) { ::EnableWindow(d.Item(IDCANCEL), TRUE); }), 0},
    }), IDCANCEL);
}

// Up before the first item, Down after the last and Enter on a radio group
// that ends the table, under each combination of the end flags.
TEST(TableKeys, TheEndsOfTheTableUnderEachFlag)
{
    // The flags, where Down, Up and Enter leave the focus, and the notices of each.
    struct Case { short wrap, sheet, stop; int downFocus, upFocus, enterFocus; std::vector<UINT> down, up, enter; };
    const int edit = IDC_END_EDIT, a = IDC_END_RADIO_A, b = IDC_END_RADIO_B, c = IDC_END_RADIO_C;
    const Case cases[] = {
        {0, 0, 0, edit, c, edit, {}, {}, {}},
        {1, 0, 0, edit, c, edit, {kAfterLast}, {kBeforeFirst}, {kAfterLast}},
        {0, 0, 1, c, edit, b, {kAfterLast}, {kBeforeFirst}, {kAfterLast}},
        {0, 1, 0, edit, c, b, {kNextPage}, {kPrevPage}, {kNextPage}},  // the sheet's page request stays put
        {1, 1, 1, c, edit, b, {kNextPage, kAfterLast}, {kPrevPage, kBeforeFirst}, {kNextPage}}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "wrap " << k.wrap << " sheet " << k.sheet << " stop " << k.stop);
        EntryDialog dialog(IDD_RADIO_END);
        dialog.OwnBySheet();
        std::tie(dialog.wrap, dialog.sheet, dialog.stop) = std::tie(k.wrap, k.sheet, k.stop);
        // A radio button reached other than by a key is checked, with its mates cleared.
        EXPECT_EQ(dialog.Play({
            {FocusThen(c, VK_DOWN), k.downFocus, Checks({c, a, b}, k.down)},
            {FocusThen(edit, VK_UP), k.upFocus, Checks({}, k.up)},
            {FocusThen(b, VK_RETURN), k.enterFocus, Checks({b, a, c, b, a, c}, k.enter)}}), IDABORT);
    }
}

// Which keys an edit hands on: a linked edit sends its keys to the dialog as
// messages, an edit that keeps Enter types a line break; the changes of
// every edit reach the dialog through the relay.
TEST(TableKeys, EditsLinkedOrKeepingEnterAndTheChangeRelay)
{
    EntryDialog dialog(IDD_READING);
    dialog.beforeInit = [](EntryDialog& d) {
        d.table.SecretLink(IDC_READING_MAIN, kLinkUp, kLinkDown, kLinkEnter, kLinkSpace, kLinkFuncKey);
    };
    EXPECT_EQ(dialog.Play({
        // (The space itself is still typed: its character comes from the
        // loop's translation, before the key reaches the edit.)
        {Keys({VK_SPACE, VK_RETURN, VK_F3, VK_DOWN, VK_UP}), IDC_READING_MAIN,
         {ExpectedMessage(kEditChange), {kLinkSpace, 0}, {kLinkEnter, 0}, {kLinkFuncKey, VK_F3}, {kLinkDown, 0},
          {kLinkUp, 0}}},
        {FocusThen(IDC_READING_KANA, VK_RETURN), IDC_READING_MULTI, {}, [](EntryDialog& d) { d.commands.clear(); }},
        {Keys({'A', VK_RETURN, 'B', VK_UP}), IDC_READING_MULTI, {kEditChange, kEditChange, kEditChange},
         [](EntryDialog& d) {
             HWND multi = d.Item(IDC_READING_MULTI);
             for (const LoggedMessage& m : d.log.Messages())
                 EXPECT_TRUE(m.wParam == MAKEWPARAM(IDC_READING_MULTI, EN_CHANGE) && m.lParam == LPARAM(multi));
             // Up moved the caret only. The notification itself stops at the edit; the others pass.
             auto count = [&d](WORD code) {
                 return std::count(d.commands.begin(), d.commands.end(), MAKEWPARAM(IDC_READING_MULTI, code));
             };
             EXPECT_EQ((std::tuple{TextOf(multi), count(EN_CHANGE), count(EN_UPDATE) != 0}),
                       std::tuple("a\r\nb", 0, true));
         }},
        {Keys({VK_F5}), IDC_READING_MULTI, {{kFuncKeyMsg, VK_F5}}},
        {Keys({VK_ESCAPE}), 0},  // the dialog manager cancels
    }), IDCANCEL);
}

struct TableProbe : CDlgSb { using CDlgSb::GetItem; };

// GetItem walks a template one item at a time, giving each class kind; a
// dialog that begins with a radio group starts on its checked button.
TEST(Table, GetItemWalksATemplateAndALeadingRadioGroupStartsOnItsCheckedButton)
{
    std::vector<uint8_t> bytes = TemplateBuilder::Example();
    auto* item = reinterpret_cast<CDlgSb::ITEM*>(bytes.data() + 40);
    std::vector<WORD> kinds;
    for (int i = 0; i < 6 && item != nullptr; ++i) {
        kinds.push_back(0xEEEE);
        item = TableProbe().GetItem(item, &kinds.back());
    }
    EXPECT_EQ(std::make_pair(kinds, reinterpret_cast<uint8_t*>(item)),
              std::make_pair(std::vector<WORD>{2, 1, 0, 0, 0, 0}, bytes.data() + bytes.size()));
    EntryDialog dialog(IDD_RADIO_FIRST);
    dialog.beforeInit = [](EntryDialog& d) { ::CheckDlgButton(d.m_hWnd, IDC_FIRST_RADIO_C, BST_CHECKED); };
    EXPECT_EQ(dialog.Play({
        {nullptr, IDC_FIRST_RADIO_C, Checks({IDC_FIRST_RADIO_C, IDC_FIRST_RADIO_A, IDC_FIRST_RADIO_B})},
        {[](EntryDialog& d) {
             ::SetFocus(d.Item(IDC_FIRST_EDIT));
             d.table.SetFocusID(IDC_FIRST_RADIO_A);
             // On the group's checked button.
             EXPECT_EQ((std::tuple{d.table.ResetFocusPos(), Found(d.table, kPage)}),
                       std::tuple(1, std::make_pair(1, IDC_FIRST_RADIO_C)));
         }, IDC_FIRST_RADIO_C, Checks({IDC_FIRST_RADIO_C, IDC_FIRST_RADIO_A, IDC_FIRST_RADIO_B})}}), IDABORT);
}

// Each message box shown while the hook is set: title, text and the marks
// "owned", "Cancel" and "icon" where they apply; each is closed with OK.
std::vector<std::string> g_boxes;
HWND g_host;  // activated again once a box closes

LRESULT CALLBACK CatchBox(int code, WPARAM wParam, LPARAM lParam)
{
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && box != g_host) {
        std::string seen = TextOf(box) + "|", marks;
        for (HWND c = ::GetWindow(box, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
            if ((::GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                marks += ::SendMessageA(c, STM_GETICON, 0, 0) != 0 ? " icon" : "";
            else if (::SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)
                seen += TextOf(c);
        }
        marks += ::GetDlgItem(box, IDCANCEL) != nullptr ? " Cancel" : "";
        g_boxes.push_back(seen + (::GetWindow(box, GW_OWNER) != nullptr ? " owned" : "") + marks);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Whether item nID asks for a key-down, in the dialog code as the dialog manager asks for it.
bool Wants(EntryDialog& d, int nID, UINT key)
{
    MSG query = {d.Item(nID), WM_KEYDOWN, key, 0, 0, {0, 0}};
    return ::SendMessageA(query.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&query)) & DLGC_WANTMESSAGE;
}

// Init attaches every control and the table's end gives them back, so that
// the host's table (attached next) can take them; then the operations a host
// calls from its handlers.
TEST(Table, InitTheEndHostOperationsTheMessageBoxAndDialogCodes)
{
    EntryDialog dialog(IDD_FORM);
    dialog.beforeInit = [](EntryDialog& d) {
        HWND edit = d.Item(IDC_FORM_NAME);
        LONG_PTR editProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
        // The controls of IDD_RADIO_END are not here.
        EXPECT_EQ((std::tuple{CDlgSb().Init(&d, 4242, kFuncKeyMsg, 0, 0, 0, 0, 0),
                              CDlgSb().Init(&d, IDD_RADIO_END, kFuncKeyMsg, 0, 0, 0, 0, 0)}), std::tuple(0, 0));
        {
            CDlgSb table;
            // A second table cannot attach to controls that are taken.
            EXPECT_EQ((std::tuple{table.InitDll(&d, ::GetModuleHandleA(nullptr), IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0),
                                  ::GetWindowLongPtrA(edit, GWLP_WNDPROC), ::GetFocus(),
                                  CDlgSb().Init(&d, IDD_FORM, kFuncKeyMsg, 0, 0, 0, 0, 0)}),
                      std::tuple(1, reinterpret_cast<LONG_PTR>(AfxWndProc), edit, 0));
        }
        EXPECT_EQ(std::make_pair(CWnd::FromHandlePermanent(edit), ::GetWindowLongPtrA(edit, GWLP_WNDPROC)),
                  std::make_pair(static_cast<CWnd*>(nullptr), editProc));
    };
    EXPECT_EQ(dialog.Play({
        {[](EntryDialog& d) {
             g_host = d.m_hWnd;
             HHOOK hook = ::SetWindowsHookExA(WH_CBT, CatchBox, nullptr, ::GetCurrentThreadId());
             // The group does not begin the table: the box comes at once, titled
             // "確認", saying "ｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。", unowned, with an icon and OK.
             d.table.SetFocusID(IDC_FORM_RADIO_B);
             const int reset = d.table.ResetFocusPos();
             const std::string box = "\x8A\x6D\x94\x46|\xB5\xB0\xC4\xD7\xBC\xDE\xB5\xCE\xDE\xC0\xDD\x82\xC9\x4F\x4E"
                                     "\x8D\x80\x96\xDA\x82\xAA\x90\xDD\x92\xE8\x82\xB3\x82\xEA\x82\xC4\x82\xA2"
                                     "\x82\xDC\x82\xB9\x82\xF1\x81\x42 icon";
             // The first enabled item is the edit: no question arises.
             EXPECT_EQ((std::tuple{reset, g_boxes, Found(d.table, kPage)}),
                       std::tuple(0, std::vector<std::string>{box}, std::make_pair(1, IDC_FORM_NAME)));
             // With the edit disabled the group comes first, and none is checked.
             // (The focus leaves first: the dialog would hand it to a radio button.)
             ::SetFocus(d.Item(IDOK));
             ::EnableWindow(d.Item(IDC_FORM_NAME), FALSE);
             const std::pair<int, int> none = Found(d.table, kPage);
             ::CheckDlgButton(d.m_hWnd, IDC_FORM_RADIO_C, BST_CHECKED);
             EXPECT_EQ((std::tuple{none, Found(d.table, kPage), g_boxes}),
                       std::tuple(std::make_pair(0, 0), std::make_pair(1, IDC_FORM_RADIO_C),
                                  std::vector<std::string>(2, box)));
             ::UnhookWindowsHookEx(hook);
         }, IDOK},
        {[](EntryDialog& d) {
             const int closed = d.table.CheckPullDown();
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
             // The combo box is current now.
             EXPECT_EQ((std::tuple{closed, d.table.CheckPullDown(), d.Dropped(IDC_FORM_COMBO), Found(d.table, kNext)}),
                       std::tuple(0, 1, false, std::make_pair(1, IDC_FORM_LIST)));
             d.table.ClosePull(5);
             d.table.ClosePull(99);  // out of the table: nothing
             d.table.SetFocusID(IDCANCEL);
             const std::pair<int, int> afterCancel = Found(d.table, kNext);
             d.table.SetFocusID(999);  // unknown: the current item stays
             EXPECT_EQ((std::tuple{afterCancel, d.table.ResetFocusPos()}), std::tuple(std::make_pair(0, 0), 1));
         }, IDCANCEL, {{kCloseMsg, IDC_FORM_COMBO}}},
        // For a key message the subclass asks for exactly the keys the table
        // takes from the dialog manager: Enter but on a push button, never
        // Tab, Escape only on an open list.
        {[](EntryDialog& d) {
             for (int id : {IDC_FORM_NAME, IDC_FORM_RADIO_A, IDC_FORM_CHECK, IDC_FORM_COMBO, IDC_FORM_LIST, IDCANCEL})
                 EXPECT_EQ((std::tuple{Wants(d, id, VK_RETURN), Wants(d, id, VK_ESCAPE), Wants(d, id, VK_TAB)}),
                           std::tuple(id != IDCANCEL, false, false)) << id;
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
             EXPECT_TRUE(Wants(d, IDC_FORM_COMBO, VK_ESCAPE));
             ::SendMessageA(d.Item(IDC_FORM_COMBO), CB_SHOWDROPDOWN, FALSE, 0);
         }, IDCANCEL}}), IDABORT);
}

} // namespace
