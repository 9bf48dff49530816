// The input controls in a host window, the parent's messages recorded.
//
// The numeric and string edits: filters, commits, the change message's repetition (string),
// the messages to the parent (focus, keys, Shift up, right click, wheel, Ctrl+Q), the IME.
//
// The return combo: Enter, Escape and listed keys reported to the parent
// and the second receiver, in their order, with the list open and closed;
// the close-up mode; Space, Ctrl+Q, Shift release.
//
// The date control: its year field, typed years, the keys that reach the parent.
// Wine 8's picker sends none of the callback field's notifications, so the
// tests send them as the Windows picker sends them to an ANSI parent;
// DTM_GETMONTHCAL gives the calendar even while it is closed (hidden).
#include <gtest/gtest.h>

#include "ControlsHarness.h"
#include "controls/CDateCtrlEx.h"
#include "controls/CEditNum.h"
#include "controls/CEditStrEx.h"
#include "controls/CRetCombo.h"

// Notifications are written with their fields in order; the rest are zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

class EditTest : public HostFixture {};

// Only digits, '.', '-', ',' and backspace are typed, but every listed
// character is reported; a listed key commits, then reports.
TEST_F(EditTest, NumericFilterAndCommitsByTypeInAndOutOfRange)
{
    enum { kShort, kLong, kDouble };
    const struct {
        int type, comma, decimals;
        double min, max, initial;
        const char *shownFirst, *typed;
        double stored;
        const char* shown;  // after the commit
        bool change;
    } cases[] = {
        {kShort, 0, 0, -10, 10, 3, "3", "10", 10, "10", true},      // the bounds are in the range
        {kShort, 0, 0, -10, 10, 3, "3", "1-2", 3, "3", false},      // no number: thrown away
        {kLong, 1, 0, 0, 9999999, 1234567, "1,234,567", "2,000", 2000, "2,000", true},
        {kLong, 0, 0, 0, 100, 42, "42", "101", 42, "42", false},  // out of range: thrown away
        {kDouble, 0, 6, 0, 100, 1, "1.000000", "1.00002", 1.00002, "1.00002", true},  // beyond the tolerance
        {kDouble, 0, 2, 0, 10, 1, "1.00", "10.009", 10, "10.009", true},
    };
    short keys[] = {VK_RETURN};
    UINT chars[] = {'+'};
    for (const auto& c : cases) {
        HWND edit = Child(10, 10);
        CEditNum num;
        ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 1, 0, c.comma, 0, 0, 1), 1);
        num.SetExpandMsg(chars, 1, kCharMsg);
        short s = static_cast<short>(c.initial);
        long l = static_cast<long>(c.initial);
        double d = c.initial;
        if (c.type == kShort)
            num.SetText(&s, static_cast<short>(c.min), static_cast<short>(c.max));
        else if (c.type == kLong)
            num.SetText(&l, static_cast<long>(c.min), static_cast<long>(c.max));
        else
            num.SetText(&d, static_cast<short>(c.decimals), c.min, c.max);
        EXPECT_EQ(TextOf(edit), c.shownFirst) << c.typed;
        num.SetFocus();
        num.SetSel();
        Key(edit, 0, std::string("\b+x") + c.typed);
        Key(edit, VK_RETURN);
        const double stored[] = {double(s), double(l), d};
        EXPECT_EQ(stored[c.type], c.stored) << c.typed;
        EXPECT_EQ(TextOf(edit), c.shown) << c.typed;
        EXPECT_TRUE(Logged(c.change ? std::vector<ExpectedMessage>{{kChar, '+'}, kChange, {kKey, VK_RETURN}}
                                    : std::vector<ExpectedMessage>{{kChar, '+'}, {kKey, VK_RETURN}}));
        ::DestroyWindow(edit);
        log.Clear();  // (its focus loss commits again)
    }
}

// The same protocol for both kinds of edit.
TEST_F(EditTest, MessagesToParentAndFrame)
{
    CEditNum num;
    CEditStr str;  // (the long-text edit has the same handlers)
    HWND edits[2] = {Child(10, 10), Child(10, 10)};
    ASSERT_EQ(num.Init(&host, nullptr, 0, 0, edits[0], nullptr, 0, kShiftUpMsg, 0, kRClickMsg, kFocusMsg, 0), 1);
    ASSERT_EQ(str.Init(&host, nullptr, 0, 0, edits[1], nullptr, 0, kShiftUpMsg, kRClickMsg, 0, kFocusMsg, 0), 1);
    for (HWND edit : edits) {
        ::SetFocus(edit);
        ::PostMessageA(edit, WM_KEYUP, VK_SHIFT, 0xC0000001);
        Key(edit, VK_CONTROL);
        Key(edit, 'Q', "\x11");
        Key(edit, 'Q', "q");  // Ctrl was followed by Q: this one is plain; no button-up (it opens a menu)
        ::PostMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
        ::PostMessageA(edit, WM_RBUTTONDOWN, MK_SHIFT, MAKELPARAM(3, 4));  // no right button in the flags
        ::PostMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), MAKELPARAM(300, 200));
        Pump();  // (the edit's border is inside its client area; its own processing passes the wheel on too)
        const ExpectedMessage wheel(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), MAKELPARAM(300, 200));
        EXPECT_TRUE(Logged({{kFocus, 0}, {kShiftUp, 0}, {WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(&host)},
                            {kRClick, 0, MAKELPARAM(13, 14)}, wheel, wheel}));
        EXPECT_EQ(TextOf(edit), edit == edits[0] ? "" : "q");
    }
}

TEST_F(EditTest, StringLimitsFilterCommitAndIme)
{
    HWND edit = Child(10, 10);
    CEditStr str;
    short keys[] = {VK_SPACE};
    char buffer[1001] = "abc";
    ASSERT_EQ(str.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 1, 0, 0, 1, 0, 0), 1);
    str.LimitText(100);  // the edit takes 100, commits store 80
    str.SetText(buffer);
    ::SetFocus(edit);
    str.SetSel();
    Key(edit, 0, std::string(90, 'x') + "\t\r");
    Key(edit, VK_SPACE, " ");  // listed: commits and reports, not typed; again with the flag still set
    Key(edit, VK_SPACE, " ");
    EXPECT_EQ(std::string(buffer), std::string(80, 'x'));
    EXPECT_TRUE(Logged({{kChange, 0}, {kKey, VK_SPACE}, {kChange, 0}, {kKey, VK_SPACE}}));
    str.OffStop(VK_SPACE);  // stopped: typed, not reported
    Key(edit, VK_SPACE, " ");
    EXPECT_EQ(TextOf(edit), std::string(90, 'x') + " ");
    EXPECT_TRUE(Logged({}));
    // A double-byte character is never split at the limit.
    str.LimitText(3);
    ::SetWindowTextA(edit, "\x82\xA0\x82\xA2");  // あい
    Visit(edit);
    EXPECT_EQ(std::string(buffer), "\x82\xA0");
    // The host's SetFocus switches the IME to full width; a focus loss closes it.
    SetIme(edit, FALSE, IME_CMODE_NATIVE);
    str.SetFocus();
    EXPECT_TRUE(ImeIs(edit, TRUE, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE));
    ::SetFocus(other);
    EXPECT_TRUE(ImeIs(edit, FALSE, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE));
    // The long-text edit: Enter types a line break, Tab does not; 1000 bytes are stored.
    HWND multi = Child(10, 50, WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL);
    CEditStrEx strEx;
    ASSERT_EQ(strEx.Init(&host, nullptr, kKeyMsg, kChangeMsg, multi, nullptr, 0, 0, 0, 0, 0, 0, 1), 1);
    strEx.LimitText(2000);
    strEx.SetText(buffer);
    ::SetFocus(multi);
    strEx.SetSel();
    Key(multi, 0, "a\r\tb");
    Visit(multi);
    EXPECT_EQ(std::string(buffer), "a\r\nb");
    ::SetWindowTextA(multi, std::string(1100, 'y').c_str());
    Visit(multi);
    EXPECT_EQ(std::string(buffer), std::string(1000, 'y'));
}

using RetComboTest = HostFixture;

TEST_F(RetComboTest, ReportsWithTheListOpenAndClosed)
{
    CRetCombo combo;
    Recorder<CWnd> second;
    // The log is the sequence, each message with its receiver.
    auto sent = [this](const std::vector<ExpectedMessage>& expected, std::vector<HWND> receivers) {
        std::vector<HWND> got;
        for (const LoggedMessage& m : log.Messages())
            got.push_back(m.hwnd);
        return got == receivers ? Logged(expected) : ::testing::AssertionFailure() << "receivers differ";
    };
    ASSERT_TRUE(second.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 10, 10, host.m_hWnd, nullptr));
    second.out = &log;
    second.recorded = {kKey, kShiftUp, kCloseUp};
    short keys[] = {VK_DOWN, VK_F3, VK_RETURN};
    ASSERT_EQ(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(10, 20, 109, 219), &host, 50,
                           kKeyMsg, keys, 3, &second, 7, kShiftUpMsg, 8), 1);
    for (const char* item : {"a", "b", "c"})
        combo.AddString(item);
    combo.SetCurSel(0);
    HWND h = combo.m_hWnd, p = host.m_hWnd, s = second.m_hWnd;
    ::SetFocus(h);
    Pump();
    Key(h, VK_ESCAPE);
    EXPECT_TRUE(sent({{kKey, 1, 0}, {kKey, 1, 0}}, {p, s})) << "Escape, closed";
    Key(h, VK_DOWN);  // listed: reported, second receiver first; the selection stays
    Key(h, VK_F3);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_TRUE(sent({{kKey, 0, VK_DOWN}, {kKey, 0, VK_DOWN}, {kKey, 0, VK_F3}, {kKey, 0, VK_F3}}, {s, p, s, p}));
    Key(h, VK_F2);
    Key(h, VK_CONTROL);
    Key(h, VK_F2);
    EXPECT_TRUE(sent({{WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(&host)}}, {frame->m_hWnd})) << "F2, Ctrl+F2";
    Key(h, VK_SPACE, " ");
    EXPECT_TRUE(combo.GetDroppedState());
    Key(h, VK_DOWN);  // open: moves, not reported
    EXPECT_EQ(combo.GetCurSel(), 1);
    Key(h, VK_RETURN);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_TRUE(sent({{kKey, 0, 0}, {kKey, 0, 0}}, {p, s})) << "Enter, open";
    ::PostMessageA(h, WM_KEYUP, VK_SHIFT, 0xC0000001);
    Pump();
    EXPECT_TRUE(sent({{kShiftUp, 0}, {kShiftUp, 0}}, {p, s}));

    // Close-up mode: Escape closes the list, the closing is reported, Escape no longer is.
    combo.CloseUp(&second, kCloseUpMsg);
    Key(h, VK_SPACE, " ");
    Key(h, VK_ESCAPE);
    EXPECT_TRUE(sent({{kCloseUp, 0, 0}}, {s}));
}

class DateCtrlTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 170, 34), &host, 60));
        h = date.m_hWnd;
    }
    // A notification as the Windows picker sends it to its parent for the field "XXXX".
    template <class Notification> Notification& Send(Notification&& n)
    {
        n.nmhdr = {h, 60, n.nmhdr.code};
        ::SendMessageA(host.m_hWnd, WM_NOTIFY, 60, reinterpret_cast<LPARAM>(&n));
        return n;
    }
    std::string YearText()
    {
        NMDATETIMEFORMATA format = {{0, 0, DTN_FORMATA}, "XXXX"};
        date.GetTime(&format.st);
        Send(format);
        return format.pszDisplay != nullptr ? format.pszDisplay : "(none)";
    }
    // Keys in the year field; the picker then takes the date left in the notification.
    void YearKeys(std::initializer_list<int> keys)
    {
        for (int key : keys) {
            NMDATETIMEWMKEYDOWNA down = {{0, 0, DTN_WMKEYDOWNA}, key, "XXXX"};
            date.GetTime(&down.st);
            date.SetTime(&Send(down).st);
        }
    }

    CDateCtrlEx date;
    HWND h = nullptr;
};

TEST_F(DateCtrlTest, YearFieldAndTypedYears)
{
    // The field's width: of the widest text, "5555" for digits, "M.55" for era years.
    date.SetType(1);
    SIZE digits = Send(NMDATETIMEFORMATQUERYA{{0, 0, DTN_FORMATQUERYA}, "XXXX"}).szMax;
    date.SetType(2);  // era years, which shows today again; the texts themselves are the era list's
    EXPECT_NE(Send(NMDATETIMEFORMATQUERYA{{0, 0, DTN_FORMATQUERYA}, "XXXX"}).szMax.cx, digits.cx);
    EXPECT_EQ(date.SetDateByValue(20240315), 0);

    // Typed years: committed by Left, Right, the focus loss; rejected out of the range.
    host.notices = {NM_KILLFOCUS};
    ::SetFocus(h);
    YearKeys({'2', '0', '0', '9'});
    EXPECT_EQ(YearText(), "2009");  // the typed text while typing
    EXPECT_EQ(date.GetDateByValue(), 20090315u);  // pending text counts
    Key(h, VK_RIGHT);
    EXPECT_EQ(date.GetDateByValue(), 20090315u);
    // A fifth character starts again: "1" is no year, which the picker refuses.
    YearKeys({'2', '0', '0', '9', '1'});
    EXPECT_EQ(YearText(), "1");
    Key(h, VK_RIGHT);
    EXPECT_EQ(date.GetDateByValue(), 20140315u);
    // SetDateByDate ends the typing; Up and Down change the year at once.
    YearKeys({VK_NUMPAD1, '9', '9', '9'});
    EXPECT_EQ(date.SetDateByDate(2024, 2, 28), 1);
    YearKeys({VK_UP, VK_UP, VK_SUBTRACT});
    EXPECT_EQ(YearText(), "H.37");
    // Losing the focus commits; the parent hears of it too.
    YearKeys({'S', '6', '4'});
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(YearText(), "H.01");  // 1989-02-28, no longer the typed text
    EXPECT_TRUE(Logged({{WM_NOTIFY, static_cast<WPARAM>(NM_KILLFOCUS)}}));
    // Outside the range the year shown before typing comes back; the limits are in the range.
    COleDateTime low(2000, 1, 1, 0, 0, 0), high(2030, 12, 31, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&low, &high));
    date.SetDateByValue(20010228);
    for (auto [typed, shown] : {std::pair<std::string, unsigned long>{"1999", 20010228}, {"2000", 20000228},
                                {"2030", 20300228}, {"H22", 20100228}, {"2031", 20100228}}) {
        for (char c : typed)
            YearKeys({c});
        Key(h, VK_LEFT);
        EXPECT_EQ(date.GetDateByValue(), shown) << typed;
    }
}

TEST_F(DateCtrlTest, KeysThatReachTheParent)
{
    ::SetFocus(h);
    for (UINT key : {VK_RETURN, VK_TAB, VK_ESCAPE, VK_F5, VK_UP, VK_DOWN, VK_F10, VK_F24})
        Key(h, key);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;  // Shift+Up is the picker's; F5 and Tab still go
    ::SetKeyboardState(keys);
    for (UINT key : {VK_UP, VK_F5, VK_TAB})
        Key(h, key);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    const UINT k = WM_ZR8_DATEKEY;
    EXPECT_TRUE(Logged({{k, VK_RETURN, 1}, {k, VK_TAB, 1}, {k, VK_ESCAPE, 1}, {k, VK_F5, 1}, {k, VK_UP, 1},
                        {k, VK_DOWN, 1}, {k, VK_F24, 1}, {k, VK_F5, 1}, {k, VK_TAB, 1}}));
    // Space is kept and becomes Alt+Down posted to the control itself.
    MSG space = {h, WM_KEYDOWN, VK_SPACE, 1, 0, {0, 0}}, posted = {};
    EXPECT_TRUE(date.PreTranslateMessage(&space));
    EXPECT_TRUE(::PeekMessageA(&posted, h, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_DOWN && posted.lParam == CDateCtrlEx::kSelfPosted);
    EXPECT_FALSE(date.PreTranslateMessage(&posted));
    // With the calendar open every key is the calendar's (a hidden one, as Wine gives, is closed).
    HWND calendar = reinterpret_cast<HWND>(::SendMessageA(h, DTM_GETMONTHCAL, 0, 0));
    ::ShowWindow(calendar, SW_SHOWNA);
    Key(h, VK_RETURN);
    ::ShowWindow(calendar, SW_HIDE);
    // After the calendar closes the control moves to the next field; the parent hears of the closing.
    host.notices = {DTN_CLOSEUP};
    Send(NMDATETIMESTRINGA{{0, 0, DTN_CLOSEUP}});  // (only its header counts)
    EXPECT_TRUE(Logged({{WM_NOTIFY, static_cast<WPARAM>(DTN_CLOSEUP)}}));
    EXPECT_TRUE(::PeekMessageA(&posted, h, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_RIGHT && posted.lParam == CDateCtrlEx::kSelfPosted);
}

} // namespace
