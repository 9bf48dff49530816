// The numeric and string edits: filters, commits, the change message's repetition (string),
// the messages to the parent (focus, keys, Shift up, right click, wheel, Ctrl+Q), the IME.
#include <gtest/gtest.h>

#include "ControlsHarness.h"
#include "controls/CEditNum.h"
#include "controls/CEditStrEx.h"

namespace {

class EditTest : public HostFixture {};

TEST_F(EditTest, NumericCommitsByTypeInAndOutOfRange)
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
        {kDouble, 0, 2, 0, 10, 1, "1.00", "10.01", 1, "1.00", false},
    };
    for (const auto& c : cases) {
        HWND edit = Child(10, 10);
        CEditNum num;
        ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, nullptr, 0, 0, c.comma, 0, 0, 1), 1);
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
        Key(edit, 0, std::string("\b") + c.typed);
        Visit(other);
        const double stored[] = {double(s), double(l), d};
        EXPECT_EQ(stored[c.type], c.stored) << c.typed;
        EXPECT_EQ(TextOf(edit), c.shown) << c.typed;
        EXPECT_TRUE(Logged(c.change ? std::vector<ExpectedMessage>{kChange} : std::vector<ExpectedMessage>{}));
        ::DestroyWindow(edit);
    }
}

// Only digits, '.', '-', ',' and backspace are typed, but every listed
// character is reported; a listed key commits, then reports.
TEST_F(EditTest, NumericFilterAndListedKeys)
{
    HWND edit = Child(10, 10);
    CEditNum num;
    short keys[] = {VK_RETURN}, value = 1;
    UINT chars[] = {'+', '5'};
    ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 1, 0, 0, 0, 0, 0), 1);
    num.SetExpandMsg(chars, 2, kCharMsg);
    num.SetText(&value, 0, 999);
    num.SetFocus();
    num.SetSel();
    Key(edit, 0, "7a+5 x");
    EXPECT_EQ(TextOf(edit), "75");
    Key(edit, VK_RETURN);
    EXPECT_EQ(value, 75);
    EXPECT_TRUE(Logged({{kChar, '+'}, {kChar, '5'}, {kChange, 0}, {kKey, VK_RETURN}}));
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
        Key(edit, VK_CONTROL);
        Key(edit, 'A', "\x01");
        Key(edit, 'Q', "q");  // Ctrl was followed by A: a plain Q; no button-up (it opens a menu)
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
    EXPECT_EQ(TextOf(edit), std::string(90, 'x'));
    EXPECT_TRUE(Logged({{kChange, 0}, {kKey, VK_SPACE}, {kChange, 0}, {kKey, VK_SPACE}}));
    str.OffStop(VK_SPACE);
    str.SetText(buffer);  // clears the change flag
    str.SetSel();
    Key(edit, 0, "a");
    Key(edit, VK_SPACE, " ");
    EXPECT_TRUE(Logged({}));
    str.OnStop();
    Key(edit, VK_SPACE, " ");
    EXPECT_EQ(TextOf(edit), "a ");
    EXPECT_TRUE(Logged({{kChange, 0}, {kKey, VK_SPACE}}));
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

} // namespace
