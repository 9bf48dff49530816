// The numeric and string edits: the filter, commits of each bound type in
// and out of range, the change message's repetition, the messages to the
// parent (focus, keys, Shift release, right click, wheel, Ctrl+Q) and the
// IME on focus.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ControlsHarness.h"
#include "controls/CEditNum.h"
#include "controls/CEditStrEx.h"

#include <imm.h>

namespace {

class EditTest : public HostFixture {};

// Replaces the text by typing: select all, backspace, the characters.
void Retype(HWND edit, const char* text)
{
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    Type(edit, "\b");
    Type(edit, text);
}

TEST_F(EditTest, NumericCommitsByTypeInAndOutOfRange)
{
    // type: 0 short, 1 long, 2 float, 3 double.
    const struct {
        int type, comma;
        short decimals;
        double min, max, initial;
        const char *shownFirst, *typed;
        double stored;
        const char* shown;
        bool change;
    } cases[] = {
        {0, 0, 0, 1, 99, 5, "5", "120", 5, "5", false},           // out of range: thrown away
        {0, 0, 0, -10, 10, 3, "3", "-1.9", -1, "-1.9", true},     // toward zero, text as typed
        {0, 0, 0, 0, 10, 3, "3", "", 0, "", true},                // empty is 0
        {0, 0, 0, 1, 10, 3, "3", "", 3, "3", false},              // ... which may be out of range
        {0, 0, 0, -10, 10, 3, "3", "1-2", 3, "3", false},         // no number: thrown away
        {1, 1, 0, 0, 9999999, 1234567, "1,234,567", "2,000", 2000, "2,000", true},
        {1, 0, 0, -99999, 99999, 42, "42", "42", 42, "42", false},
        {1, 0, 0, 0, 100, 42, "42", "101", 42, "42", false},
        {2, 0, 2, 0, 100, 1.5, "1.50", "150", 1.5, "1.50", false},
        {2, 0, 2, 0, 100, 1.5, "1.50", "12.345", 12.34f, "12.345", true},
        {3, 0, 6, 0, 100, 1, "1.000000", "1.000001", 1.000001, "1.000001", false},  // within the tolerance
        {3, 0, 2, 0, 10, 1, "1.00", "10.009", 10, "10.009", true},
        {3, 0, 2, 0, 10, 1, "1.00", "10.01", 1, "1.00", false},
    };
    for (const auto& c : cases) {
        HWND edit = Child("EDIT", 10, 10);
        CEditNum num;
        ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, nullptr, 0, 0, c.comma, 0, 0, 1), 1);
        short s = static_cast<short>(c.initial);
        long l = static_cast<long>(c.initial);
        float f = static_cast<float>(c.initial);
        double d = c.initial;
        std::function<double()> bound[] = {[&] { return s; }, [&] { return l; }, [&] { return f; },
                                           [&] { return d; }};
        if (c.type == 0)
            num.SetText(&s, static_cast<short>(c.min), static_cast<short>(c.max));
        else if (c.type == 1)
            num.SetText(&l, static_cast<long>(c.min), static_cast<long>(c.max));
        else if (c.type == 2)
            num.SetText(&f, c.decimals, static_cast<float>(c.min), static_cast<float>(c.max));
        else
            num.SetText(&d, c.decimals, c.min, c.max);
        EXPECT_EQ(Text(edit), c.shownFirst) << c.typed;
        ::SetFocus(edit);
        Retype(edit, c.typed);
        ::SetFocus(other);
        Pump();
        EXPECT_EQ(bound[c.type](), c.stored) << c.typed;
        EXPECT_EQ(Text(edit), c.shown) << c.typed;
        EXPECT_EQ(host.log.Only({static_cast<UINT>(kChangeMsg)}).size(), c.change ? 1u : 0u) << c.typed;
        host.log.Clear();
        ::DestroyWindow(edit);
    }
}

// Characters other than digits, '.', '-', ',' and backspace are never
// typed, but a listed one is reported; a listed key commits, then reports;
// the change message comes with every commit until SetText or GetData.
TEST_F(EditTest, NumericFilterListedKeysAndRepeatedChange)
{
    HWND edit = Child("EDIT", 10, 10);
    CEditNum num;
    short keys[] = {VK_RETURN, VK_F2};
    UINT chars[] = {'+', '5'};
    short value = 1;
    ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 2, 0, 0, 0, 0, 0), 1);
    num.SetExpandMsg(chars, 2, kCharMsg);
    num.SetText(&value, 0, 999);
    num.SetFocus();
    num.SetSel();
    Type(edit, "7a+5 x");
    EXPECT_EQ(Text(edit), "75");
    Key(edit, VK_RETURN);
    EXPECT_EQ(value, 75);
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{static_cast<UINT>(kCharMsg), '+'},
                                                 {static_cast<UINT>(kCharMsg), '5'},
                                                 {static_cast<UINT>(kChangeMsg), 0},
                                                 {static_cast<UINT>(kKeyMsg), VK_RETURN}}));
    host.log.Clear();
    Visit(edit);  // same value: the flag is still set
    Key(edit, VK_F2);
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{static_cast<UINT>(kChangeMsg), 0},
                                                 {static_cast<UINT>(kChangeMsg), 0},
                                                 {static_cast<UINT>(kKeyMsg), VK_F2}}));
    host.log.Clear();
    ::SetWindowTextA(edit, "500");
    num.GetData();
    ::SetWindowTextA(edit, "1000");  // out of range: GetData keeps the value and the text
    num.GetData();
    Visit(edit);
    EXPECT_EQ(value, 500);
    EXPECT_EQ(Text(edit), "500");
    EXPECT_TRUE(host.log.Messages().empty());
}

// The same protocol for all three edits.
TEST_F(EditTest, MessagesToParentAndFrame)
{
    CEditNum num;
    CEditStr str;
    CEditStrEx strEx;
    HWND edits[3] = {Child("EDIT", 10, 10), Child("EDIT", 10, 10), Child("EDIT", 10, 10)};
    ASSERT_EQ(num.Init(&host, nullptr, kKeyMsg, kChangeMsg, edits[0], nullptr, 0, kShiftUpMsg, 0, kRClickMsg,
                       kFocusMsg, 0), 1);
    ASSERT_EQ(str.Init(&host, nullptr, kKeyMsg, kChangeMsg, edits[1], nullptr, 0, kShiftUpMsg, kRClickMsg, 0,
                       kFocusMsg, 0), 1);
    ASSERT_EQ(strEx.Init(&host, nullptr, kKeyMsg, kChangeMsg, edits[2], nullptr, 0, kShiftUpMsg, kRClickMsg, 0,
                         kFocusMsg, 0, 0), 1);
    for (HWND edit : edits) {
        ::SetFocus(edit);
        ::PostMessageA(edit, WM_KEYUP, VK_SHIFT, 0xC0000001);
        Key(edit, VK_CONTROL);
        Key(edit, 'Q', 0x11);
        Key(edit, VK_CONTROL);
        Key(edit, 'A', 0x01);
        Key(edit, 'Q', 'q');  // Ctrl was followed by A: a plain Q
        // (No button-up: the edit's context menu would open.)
        ::PostMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
        ::PostMessageA(edit, WM_RBUTTONDOWN, MK_SHIFT, MAKELPARAM(3, 4));  // no right button in the flags
        ::PostMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), MAKELPARAM(300, 200));
        Pump();
        // The edit draws its border inside its client area; its own processing passes the wheel on too.
        const ExpectedMessage wheel(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), MAKELPARAM(300, 200));
        EXPECT_TRUE(SequenceIs(host.log.Messages(), {{static_cast<UINT>(kFocusMsg), 0},
                                                     {static_cast<UINT>(kShiftUpMsg), 0},
                                                     {WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(&host)},
                                                     {static_cast<UINT>(kRClickMsg), 0, MAKELPARAM(13, 14)},
                                                     wheel, wheel}));
        EXPECT_EQ(Text(edit), edit == edits[0] ? "" : "q");
        host.log.Clear();
    }
}

TEST_F(EditTest, StringLimitsFilterAndCommit)
{
    HWND edit = Child("EDIT", 10, 10);
    CEditStr str;
    short keys[] = {VK_SPACE};
    char buffer[1001] = "abc";
    ASSERT_EQ(str.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, keys, 1, 0, 0, 0, 0, 0), 1);
    str.LimitText(100);  // the edit takes 100, commits store 80
    str.SetText(buffer);
    ::SetFocus(edit);
    Retype(edit, std::string(90, 'x').c_str());
    Type(edit, "\t\r");
    Key(edit, VK_SPACE, ' ');  // listed: reported (after the commit), not typed
    EXPECT_EQ(std::string(buffer), std::string(80, 'x'));
    EXPECT_EQ(Text(edit), std::string(90, 'x'));
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{static_cast<UINT>(kChangeMsg), 0},
                                                 {static_cast<UINT>(kKeyMsg), VK_SPACE}}));
    host.log.Clear();
    str.OffStop(VK_SPACE);
    str.SetText(buffer);  // clears the change flag
    Retype(edit, "a");
    Key(edit, VK_SPACE, ' ');
    EXPECT_EQ(Text(edit), "a ");
    EXPECT_TRUE(host.log.Messages().empty());
    str.OnStop();
    Key(edit, VK_SPACE, ' ');
    EXPECT_EQ(Text(edit), "a ");
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{static_cast<UINT>(kChangeMsg), 0},
                                                 {static_cast<UINT>(kKeyMsg), VK_SPACE}}));
    // A double-byte character is never split at the limit.
    str.LimitText(3);
    ::SetWindowTextA(edit, "\x82\xA0\x82\xA2");  // あい
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(std::string(buffer), "\x82\xA0");
    // Without a limit nothing is committed, and GetData stores the empty text.
    str.LimitText(-5);
    host.log.Clear();
    Visit(edit);
    EXPECT_EQ(std::string(buffer), "\x82\xA0");
    str.GetData();
    EXPECT_EQ(std::string(buffer), "");
    EXPECT_TRUE(host.log.Messages().empty());

    // The long-text edit: Enter types a line break, Tab does not; 1000 bytes are stored.
    HWND multi = Child("EDIT", 10, 50, WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL);
    CEditStrEx strEx;
    ASSERT_EQ(strEx.Init(&host, nullptr, kKeyMsg, kChangeMsg, multi, nullptr, 0, 0, 0, 0, 0, 0, 1), 1);
    strEx.LimitText(2000);
    strEx.SetText(buffer);
    ::SetFocus(multi);
    Type(multi, "a\r\tb");
    Visit(multi);
    EXPECT_EQ(std::string(buffer), "a\r\nb");
    ::SetWindowTextA(multi, std::string(1100, 'y').c_str());
    Visit(multi);
    EXPECT_EQ(std::string(buffer), std::string(1000, 'y'));
}

::testing::AssertionResult ImeIs(HWND hwnd, BOOL open, DWORD conversion)
{
    HIMC himc = ::ImmGetContext(hwnd);
    DWORD got = 0, sentence = 0;
    BOOL gotOpen = ::ImmGetOpenStatus(himc);
    ::ImmGetConversionStatus(himc, &got, &sentence);
    ::ImmReleaseContext(hwnd, himc);
    if (!gotOpen == !open && got == conversion)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "open " << gotOpen << " conversion " << got;
}

// The host's SetFocus switches the IME to full width; any other way in
// leaves it alone; every focus loss closes it.
TEST_F(EditTest, ImeFullWidthOnTheHostsFocus)
{
    HWND edit = Child("EDIT", 10, 10);
    CEditStr str;
    ASSERT_EQ(str.Init(&host, nullptr, kKeyMsg, kChangeMsg, edit, nullptr, 0, 0, 0, 1, 0, 0), 1);
    HIMC himc = ::ImmGetContext(edit);
    ::ImmSetOpenStatus(himc, FALSE);
    ::ImmSetConversionStatus(himc, IME_CMODE_NATIVE, IME_SMODE_NONE);
    ::ImmReleaseContext(edit, himc);
    str.SetFocus();
    EXPECT_TRUE(ImeIs(edit, TRUE, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE));
    ::SetFocus(other);
    EXPECT_TRUE(ImeIs(edit, FALSE, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE));
    himc = ::ImmGetContext(edit);
    ::ImmSetConversionStatus(himc, IME_CMODE_NATIVE, IME_SMODE_NONE);
    ::ImmReleaseContext(edit, himc);
    ::SetFocus(edit);  // as Tab would
    EXPECT_TRUE(ImeIs(edit, FALSE, IME_CMODE_NATIVE));
    himc = ::ImmGetContext(edit);
    ::ImmSetOpenStatus(himc, TRUE);
    ::ImmReleaseContext(edit, himc);
    ::SetFocus(other);
    EXPECT_TRUE(ImeIs(edit, FALSE, IME_CMODE_NATIVE));
}

} // namespace
