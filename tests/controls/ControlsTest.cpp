// The input controls in a host window, the parent's messages recorded.
//
// The numeric and string edits: filters, commits by type in and out of the
// range (float included), the host's GetData with the focus in the field,
// the change message's repetition, the messages to the parent (focus, keys,
// Shift up, right click, wheel, Ctrl+Q), the IME.
//
// The return combo: Enter, Escape and listed keys reported to the parent
// and the second receiver, in their order, with the list open and closed;
// the close-up mode; Space, Ctrl+Q, Shift release; under the dialog manager.
//
// The date control: its year field, typed years, a date the picker refuses,
// the keys that reach the parent. Wine 8's picker sends none of the callback
// field's notifications, so the tests send them as the Windows picker sends
// them to an ANSI parent; DTM_GETMONTHCAL gives the calendar even while it
// is closed (hidden).
//
// Reference images (golden/): the numeric edit right-aligned with commas and
// disabled with a negative value, the string edits, the combo closed with
// the focus and its open list, the date control. Wine 8's picker draws the
// year field empty and its text row then 2 pixels high, so the date image
// guards only the frame, the size and the drop button.
#include <gtest/gtest.h>

#include <cstring>

#include "ControlsHarness.h"
#include "controls/CDateCtrlEx.h"
#include "controls/CEditNum.h"
#include "controls/CEditStrEx.h"
#include "controls/CRetCombo.h"
#include "support/Golden.h"
#include "WindowImage.h"

// Notifications are written with their fields in order; the rest are zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using EditTest = HostFixture;

// Only digits, '.', '-', ',' and backspace are typed, but every listed
// character is reported; a listed key commits, then reports. The host's
// GetData (the focus still in the field) stores silently and leaves the
// text; it clears the change flag, so the focus loss then reports nothing.
TEST_F(EditTest, NumericFilterAndCommitsByTypeInAndOutOfRange)
{
    enum { kShort, kLong, kFloat, kDouble, kKept = 0, kChanged, kGotData };  // the type; what the parent hears
    const struct {
        int type, comma, decimals;
        double min, max, value;  // the variable's first value
        const char *shownFirst, *typed;
        double stored;
        const char* shown;  // after the commit
        int heard;
        const char* image;  // of the field before typing
        DWORD style;
    } cases[] = {
        {kShort, 0, 0, -10, 10, 3, "3", "10", 10, "10", kChanged},  // the bounds are in the range
        {kShort, 0, 0, -10, 10, 3, "3", "1-2", 3, "3", kKept},      // no number: thrown away
        {kShort, 0, 0, -10, 10, 3, "3", "-10.5", -10, "-10.5", kGotData},  // the fraction dropped: the minimum
        {kLong, 1, 0, 0, 9999999, 12345, "12,345", "2,000", 2000, "2,000", kChanged, "numeric-comma", ES_RIGHT},
        {kLong, 0, 0, 0, 100, 42, "42", "101", 42, "42", kKept},  // out of range: thrown away
        {kFloat, 0, 6, 0, 100, 1, "1.000500", "1.000009", 1.000009, "1.000009", kKept},  // within the tolerance
        {kFloat, 0, 2, -5, 5, -2.5, "-2.50", "-5", -5, "-5", kChanged, "numeric-disabled", ES_RIGHT | WS_DISABLED},
        {kFloat, 0, 1, -5, 5, 1, "1.0", "5.1", 1, "1.0", kKept},
        {kFloat, 0, 1, -5, 5, 1, "1.0", "-5.1", 1, "-5.1", kGotData},  // out of range: neither stored nor shown
        {kDouble, 0, 6, 0, 100, 1, "1.000000", "1.00002", 1.00002, "1.00002", kChanged},  // beyond the tolerance
        {kDouble, 0, 2, 0, 10, 1, "1.00", "10.009", 10, "10.009", kChanged},
    };
    const std::vector<ExpectedMessage> heard[] = {
        {{kChar, '+'}, {kKey, VK_RETURN}}, {{kChar, '+'}, kChange, {kKey, VK_RETURN}}, {{kChar, '+'}}};
    short keys[] = {VK_RETURN};
    UINT chars[] = {'+'};
    for (const auto& c : cases) {
        HWND edit = Child(10, 10, WS_BORDER | ES_AUTOHSCROLL | c.style);
        CEditNum num;
        ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 1, 0, c.comma, 0, 0, 1), 1);
        num.SetExpandMsg(chars, 1, kCharMsg);
        struct { short s; long l; float f; double d; } v = {short(c.value), long(c.value), float(c.value), c.value};
        const std::function<void()> bind[] = {[&] { num.SetText(&v.s, short(c.min), short(c.max)); },
                                              [&] { num.SetText(&v.l, long(c.min), long(c.max)); },
                                              [&] { num.SetText(&v.f, short(c.decimals), float(c.min), float(c.max)); },
                                              [&] { num.SetText(&v.d, short(c.decimals), c.min, c.max); }};
        bind[c.type]();
        EXPECT_EQ(TextOf(edit), c.shownFirst) << c.typed;
        Pump();
        EXPECT_TRUE(c.image == nullptr ? ::testing::AssertionSuccess()
                                       : MatchesGolden("controls", c.image, CaptureWindow(edit)));
        num.SetFocus();
        num.SetSel();
        Key(edit, 0, std::string("\b+x") + c.typed);
        c.heard == kGotData ? num.GetData() : Key(edit, VK_RETURN);
        EXPECT_FLOAT_EQ((std::vector<double>{double(v.s), double(v.l), v.f, v.d}[c.type]), c.stored) << c.typed;
        EXPECT_EQ(TextOf(edit), c.shown) << c.typed;
        EXPECT_TRUE(Logged(heard[c.heard])) << c.typed;
        num.GetData();
        ::DestroyWindow(edit);
        EXPECT_TRUE(Logged({})) << c.typed;
    }
}

// The messages to the parent and the frame, the same protocol for both kinds of edit; then the string edit's
// limits, filter, commits and IME.
TEST_F(EditTest, MessagesToParentAndFrameThenStringLimitsFilterCommitAndIme)
{
    CEditNum numeric;
    CEditStr string;  // (the long-text edit has the same handlers)
    HWND edits[2] = {Child(10, 10), Child(10, 10)};
    ASSERT_EQ(numeric.Init(&host, nullptr, 0, 0, edits[0], nullptr, 0, kShiftUpMsg, 0, kRClickMsg, kFocusMsg, 0), 1);
    ASSERT_EQ(string.Init(&host, nullptr, 0, 0, edits[1], nullptr, 0, kShiftUpMsg, kRClickMsg, 0, kFocusMsg, 0), 1);
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
        ::DestroyWindow(edit);
    }
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
    Key(multi, 0, "a\r\tb");  // before the bound text
    strEx.GetData();  // the host's commit, the focus still in the field: silent
    EXPECT_EQ(std::string(buffer), "a\r\nb\x82\xA0");
    EXPECT_TRUE(Logged({kChange, kChange}));  // the two focus losses above: the flag stays set
    ::SetWindowTextA(multi, std::string(1100, 'y').c_str());
    Visit(multi);
    EXPECT_EQ(std::string(buffer), std::string(1000, 'y'));
    EXPECT_TRUE(MatchesGolden("controls", "string", CaptureWindow(edit)));
    EXPECT_TRUE(MatchesGolden("controls", "string-long", CaptureWindow(multi)));
}

using RetComboTest = HostFixture;

// Each report with its receiver (the second one's messages are logged plus
// 0x10000); in a dialog, Enter and Escape are the dialog's, the list open
// or closed, and the arrows the combo's.
TEST_F(RetComboTest, ReportsWithTheListOpenAndClosedAndInADialogAndRandomInputKeepsTheSelectionInTheList)
{
    CRetCombo combo;
    Recorder<CWnd> second;
    ASSERT_TRUE(second.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 10, 10, host.m_hWnd, nullptr));
    second.out = &log;
    second.recorded = {kKey, kShiftUp, kCloseUp};
    const UINT s = second.tag = 0x10000;
    short keys[] = {VK_DOWN, VK_F3, VK_RETURN};  // Down reported with the list closed, second receiver first
    ASSERT_EQ(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(10, 20, 109, 219), &host, 50,
                           kKeyMsg, keys, 3, &second, 7, kShiftUpMsg, 8), 1);
    for (const char* item : {"a", "b", "c"})
        combo.AddString(item);
    combo.SetCurSel(0);
    HWND h = combo.m_hWnd;
    ::SetFocus(h);
    Pump();
    EXPECT_TRUE(MatchesGolden("controls", "combo-closed", CaptureWindow(h)));
    Key(h, VK_ESCAPE);
    EXPECT_TRUE(Logged({{kKey, 1, 0}, {s + kKey, 1, 0}})) << "Escape, closed";
    Key(h, VK_CONTROL);
    Key(h, VK_F2);
    EXPECT_TRUE(Logged({{WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(&host)}})) << "Ctrl+F2";
    Key(h, VK_SPACE, " ");
    EXPECT_TRUE(MatchesGolden("controls", "combo-open", CaptureWindow(::FindWindowA("ComboLBox", nullptr))));
    Key(h, VK_DOWN);  // open: moves, not reported
    EXPECT_EQ(combo.GetCurSel(), 1);
    Key(h, VK_RETURN);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_TRUE(Logged({{kKey, 0, 0}, {s + kKey, 0, 0}})) << "Enter, open";
    ::PostMessageA(h, WM_KEYUP, VK_SHIFT, 0xC0000001);
    Pump();
    EXPECT_TRUE(Logged({{kShiftUp, 0}, {s + kShiftUp, 0}}));
    // Close-up mode: Escape closes the list, the closing is reported, Escape no longer is.
    combo.CloseUp(&second, kCloseUpMsg);
    Key(h, VK_SPACE, " ");
    Key(h, VK_ESCAPE);
    EXPECT_TRUE(Logged({{s + kCloseUp, 0, 0}}));
    // Under the dialog manager, the host being the dialog: F3 is reported open or closed, F4 neither reported
    // nor processed (the list stays as it is).
    host.recorded.insert(WM_COMMAND);
    for (bool open : {false, true}) {
        combo.ShowDropDown(open);
        for (UINT key : {VK_RETURN, VK_ESCAPE, VK_DOWN, VK_F3, VK_F4})
            Key(h, key, "", host.m_hWnd);
    }
    const ExpectedMessage ok(WM_COMMAND, IDOK), cancel(WM_COMMAND, IDCANCEL), f3(kKey, 0, VK_F3);
    EXPECT_TRUE(Logged({ok, cancel, {s + kKey, 0, VK_DOWN}, {kKey, 0, VK_DOWN}, {s + kKey, 0, VK_F3}, f3,
                        {WM_COMMAND, MAKEWPARAM(50, CBN_DROPDOWN), LPARAM(h)}, ok, cancel,
                        {WM_COMMAND, MAKEWPARAM(50, CBN_SELCHANGE), LPARAM(h)}, {s + kKey, 0, VK_F3}, f3}));
    host.recorded.erase(WM_COMMAND);
    combo.DestroyWindow();
    // Random input keeps the selection inside the list. No scroll bar: a drag on one would wait for a button
    // release that never comes.
    CRetCombo fresh;
    ASSERT_EQ(fresh.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 20, 109, 219), &host, 50, kKeyMsg,
                          randomKeys, 2, nullptr, 0, kShiftUpMsg, 0), 1);
    EXPECT_TRUE(Random("CRetCombo", fresh.m_hWnd,
                       {[&](int) { fresh.AddString("item"); }, [&](int) { fresh.ResetContent(); },
                        [&](int v) { fresh.SetCurSel(v % 8 - 2); }, [&](int v) { fresh.EnableWindow(v % 2); },
                        [&](int v) { fresh.CloseUp(v % 2 ? &host : nullptr, kCloseUpMsg); }},
                       [&] { return fresh.GetCurSel() >= -1 && fresh.GetCurSel() < fresh.GetCount(); }));
    EXPECT_GT(closings, 0) << "real Enter never reached the combo";  // the host is no dialog
}

class DateCtrlTest : public HostFixture {
protected:
    // A notification as the Windows picker sends it to its parent for the field "XXXX".
    template <class Notification> Notification& Send(Notification&& n)
    {
        n.nmhdr = {date.m_hWnd, 60, n.nmhdr.code};
        ::SendMessageA(host.m_hWnd, WM_NOTIFY, 60, reinterpret_cast<LPARAM>(&n));
        return n;
    }
    std::string YearText()
    {
        NMDATETIMEFORMATA format = {{0, 0, DTN_FORMATA}, "XXXX"};
        date.GetTime(&format.st);
        return Send(format).pszDisplay != nullptr ? format.pszDisplay : "(none)";
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
};

TEST_F(DateCtrlTest, YearFieldTypedYearsKeysForTheParentAndRandomInputKeepsTheDateRealAndInRange)
{
    ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 170, 34), &host, 60));
    // The field's width: of the widest text, "5555" for digits, "M.55" for era years.
    date.SetType(1);
    SIZE digits = Send(NMDATETIMEFORMATQUERYA{{0, 0, DTN_FORMATQUERYA}, "XXXX"}).szMax;
    date.SetType(2);  // era years, which shows today again; the texts themselves are the era list's
    EXPECT_NE(Send(NMDATETIMEFORMATQUERYA{{0, 0, DTN_FORMATQUERYA}, "XXXX"}).szMax.cx, digits.cx);
    EXPECT_EQ(date.SetDateByValue(20240315), 0);
    Pump();
    EXPECT_TRUE(MatchesGolden("controls", "date", CaptureWindow(date.m_hWnd)));

    // Typed years: committed by Left, Right, the focus loss; rejected out of the range.
    host.notices = {NM_KILLFOCUS};
    ::SetFocus(date.m_hWnd);
    YearKeys({'2', '0', '0', '9'});
    EXPECT_EQ(YearText(), "2009");  // the typed text while typing
    EXPECT_EQ(date.GetDateByValue(), 20090315u);  // pending text counts
    Key(date.m_hWnd, VK_RIGHT);
    EXPECT_EQ(date.GetDateByValue(), 20090315u);
    // A fifth character starts again: "1" is no year, which the picker refuses.
    YearKeys({'2', '0', '0', '9', '1'});
    EXPECT_EQ(YearText(), "1");
    Key(date.m_hWnd, VK_RIGHT);
    EXPECT_EQ(date.GetDateByValue(), 20140315u);
    // A date SetDateByDate sets ends the typing; Up and Down change the year at once.
    YearKeys({VK_NUMPAD1, '9', '9', '9'});
    EXPECT_EQ(date.SetDateByDate(2023, 2, 29), 0);  // refused: the typing goes on
    EXPECT_EQ(YearText(), "1999");
    EXPECT_EQ(date.SetDateByDate(2024, 2, 28), 1);
    YearKeys({VK_UP, VK_UP, VK_SUBTRACT});
    EXPECT_EQ(YearText(), "H.37");
    // Losing the focus commits; the parent hears of it too.
    YearKeys({'S', '6', '4'});
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(YearText(), "H.01");  // 1989-02-28, no longer the typed text
    EXPECT_TRUE(Logged({{WM_NOTIFY, static_cast<WPARAM>(NM_KILLFOCUS), 60}}));
    // Outside the range the year shown before typing comes back; the limits are in the range.
    COleDateTime low(2000, 1, 1, 0, 0, 0), high(2030, 12, 31, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&low, &high));
    date.SetDateByValue(20010228);
    for (auto [typed, shown] : {std::pair<std::string, unsigned long>{"1999", 20010228}, {"2000", 20000228},
                                {"2030", 20300228}, {"H22", 20100228}, {"2031", 20100228}}) {
        for (char c : typed)
            YearKeys({c});
        Key(date.m_hWnd, VK_LEFT);
        EXPECT_EQ(date.GetDateByValue(), shown) << typed;
    }

    // The keys that reach the parent.
    ::SetFocus(date.m_hWnd);
    for (UINT key : {VK_RETURN, VK_TAB, VK_ESCAPE, VK_F5, VK_UP, VK_DOWN, VK_F10, VK_F24})
        Key(date.m_hWnd, key);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;  // Shift+Up is the picker's; F5 and Tab still go
    ::SetKeyboardState(keys);
    for (UINT key : {VK_UP, VK_F5, VK_TAB})
        Key(date.m_hWnd, key);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    const UINT k = WM_ZR8_DATEKEY;
    EXPECT_TRUE(Logged({{k, VK_RETURN, 1}, {k, VK_TAB, 1}, {k, VK_ESCAPE, 1}, {k, VK_F5, 1}, {k, VK_UP, 1},
                        {k, VK_DOWN, 1}, {k, VK_F24, 1}, {k, VK_F5, 1}, {k, VK_TAB, 1}}));
    // Space is kept and becomes Alt+Down posted to the control itself.
    MSG space = {date.m_hWnd, WM_KEYDOWN, VK_SPACE, 1, 0, {0, 0}}, posted = {};
    EXPECT_TRUE(date.PreTranslateMessage(&space));
    EXPECT_TRUE(::PeekMessageA(&posted, date.m_hWnd, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_DOWN && posted.lParam == CDateCtrlEx::kSelfPosted);
    EXPECT_FALSE(date.PreTranslateMessage(&posted));
    // With the calendar open every key is the calendar's (a hidden one, as Wine gives, is closed).
    HWND calendar = reinterpret_cast<HWND>(::SendMessageA(date.m_hWnd, DTM_GETMONTHCAL, 0, 0));
    ::ShowWindow(calendar, SW_SHOWNA);
    Key(date.m_hWnd, VK_RETURN);
    ::ShowWindow(calendar, SW_HIDE);
    // After the calendar closes the control moves to the next field; the parent hears of the closing.
    host.notices = {DTN_CLOSEUP};
    Send(NMDATETIMESTRINGA{{0, 0, DTN_CLOSEUP}});  // (only its header counts)
    EXPECT_TRUE(Logged({{WM_NOTIFY, static_cast<WPARAM>(DTN_CLOSEUP), 60}}));
    EXPECT_TRUE(::PeekMessageA(&posted, date.m_hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_RIGHT && posted.lParam == CDateCtrlEx::kSelfPosted);
    // Random input keeps the date real and inside the range, whatever the year typed.
    low = COleDateTime(1990, 1, 1, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&low, &high));
    host.notices = {NM_KILLFOCUS, NM_SETFOCUS, DTN_DATETIMECHANGE, DTN_DROPDOWN, DTN_CLOSEUP};
    EXPECT_TRUE(Random("CDateCtrlEx", date.m_hWnd,
                       {[&](int v) { date.SetDateByValue(20000000 + v * 7919 % 310000); },
                        [&](int v) { date.SetDateByDate(2000 + v % 35, v % 14, v % 33); },
                        [&](int v) { date.SetRange(&(low = COleDateTime(1980 + v % 20, 1, 1, 0, 0, 0)), &high); },
                        [&](int v) { date.SetType(v % 3); }, [&](int v) { date.EnableWindow(v % 2); },
                        [&](int v) { YearKeys({"0123456789HST.\x26\x28\x6B\x6D"[v % 18]}); }},
                       [&] {
                           unsigned long ymd = date.GetDateByValue();
                           COleDateTime shown(ymd / 10000, ymd / 100 % 100, ymd % 100, 0, 0, 0);
                           return shown.GetStatus() == COleDateTime::valid && shown.m_dt >= low.m_dt &&
                                  shown.m_dt <= high.m_dt;
                       }));
}

// Real random input with the host's calls, each control in the host window (the *RandomInput* tests, here and
// above); the messages are checked by HostFixture::WellFormed.

// The numeric edit's text stays a number, each bound variable inside its range. The string edits' buffer holds
// at most the class's limit and never half a double-byte character; a stopped key is not reported; Tab is never
// typed.
TEST_F(EditTest, CEditNumAndCEditStrRandomInputKeepANumberInRangeTheLimitAndWholeCharacters)
{
    HWND edit = Child(10, 10);
    CEditNum num;
    short s = 0;
    long l = 0;
    double d = 0;
    ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, randomKeys, 2, kShiftUpMsg, 1, kRClickMsg,
                       kFocusMsg, 1), 1);
    num.SetText(&s, -50, 500);
    EXPECT_TRUE(Random("CEditNum", edit,
                       {[&](int v) { num.SetText(&(s = short(v / 2 - 50)), -50, 500); },
                        [&](int v) { num.SetText(&(l = v * 100L), 0L, 99900L); },
                        [&](int v) { num.SetText(&(d = v / 8.0), 2, 0.0, 124.875); }, [&](int) { num.GetData(); },
                        [&](int v) { num.EnableWindow(v % 2); }},
                       [&] { return TextOf(edit).find_first_not_of("0123456789.-,") == std::string::npos && s >= -50 &&
                                    s <= 500 && l >= 0 && l <= 99900 && d >= 0 && d <= 124.875; }));
    ::DestroyWindow(edit);
    CEditStr str;
    CEditStrEx strEx;
    char buffer[1001] = "";
    const char kana[] = "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82\xAF\x82\xB1";
    for (CEditStr* field : {&str, static_cast<CEditStr*>(&strEx)}) {
        // (Without ES_AUTOHSCROLL, Wine 8 reads outside the text on Delete when the text is wider than the field.)
        DWORD style = field == &str ? ES_AUTOHSCROLL : ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        edit = Child(10, 10, WS_BORDER | style);
        stopped = 0;  // each field starts with no stopped key
        ASSERT_EQ(field == &str ? str.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, randomKeys, 2, kShiftUpMsg,
                                           kRClickMsg, 1, kFocusMsg, 1)
                                : strEx.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, randomKeys, 2, kShiftUpMsg,
                                             kRClickMsg, 0, kFocusMsg, 0, 1),
                  1);
        EXPECT_TRUE(Random(field == &str ? "CEditStr" : "CEditStrEx", edit,
                           {[&](int v) { field->LimitText(short(v % 90 - 5)); },
                            [&](int v) { field->SetText(std::strcpy(buffer, kana + v % 10 * 2)); },
                            [&](int) { field->GetData(); }, [&](int v) { field->EnableWindow(v % 2); },
                            [&](int v) { field->OffStop(short(stopped = v % 2 ? VK_SPACE : 0)); },
                            [&](int) { field->SetFocus(); }},
                           [&] {
                               size_t at = 0, length = std::strlen(buffer);
                               while (at < length)
                                   at += ::IsDBCSLeadByte(BYTE(buffer[at])) ? 2 : 1;
                               return at == length && length <= 80 && TextOf(edit).find('\t') == std::string::npos;
                           }));
        ::DestroyWindow(edit);
    }
}

} // namespace
