// The date control: its year field, typed years, the keys that reach the parent.
// Wine 8's picker sends none of the callback field's notifications, so the
// tests send them as the Windows picker sends them to an ANSI parent;
// DTM_GETMONTHCAL gives the calendar even while it is closed (hidden).
#include <gtest/gtest.h>

#include "ControlsHarness.h"
#include "controls/CDateCtrlEx.h"

// Notifications are written with their fields in order; the rest are zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

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
    date.SetType(2);  // (which shows today) era years; the texts themselves are the era list's
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
