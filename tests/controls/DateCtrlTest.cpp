// The date control: its year field in both displays, typed years committed
// and rejected, user strings, and the keys that reach the parent.
//
// Wine 8's picker differs from Windows, and the tests pin each difference:
// it sends none of the callback field's notifications (the tests send them
// as the Windows picker sends them to an ANSI parent), its DTM_GETMONTHCAL
// gives the calendar window even while the calendar is closed, and Alt+Down
// does not open the calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ControlsHarness.h"
#include "controls/CDateCtrlEx.h"

namespace {

class DateCtrlTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
        ::InitCommonControlsEx(&classes);
        ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 170, 34), &host, 60));
        h = date.m_hWnd;
    }

    // What the Windows picker sends its parent for the field "XXXX".
    void Notify(NMHDR* header, UINT code)
    {
        *header = {h, 60, code};
        ::SendMessageA(host.m_hWnd, WM_NOTIFY, 60, reinterpret_cast<LPARAM>(header));
    }
    std::string YearText()
    {
        NMDATETIMEFORMATA format = {};
        format.pszFormat = "XXXX";
        date.GetTime(&format.st);
        Notify(&format.nmhdr, DTN_FORMATA);
        return format.pszDisplay != nullptr ? format.pszDisplay : "(none)";
    }
    // A key in the year field; the picker then takes the date left in the notification.
    void YearKeys(std::initializer_list<int> keys)
    {
        for (int key : keys) {
            NMDATETIMEWMKEYDOWNA down = {};
            down.nVirtKey = key;
            down.pszFormat = "XXXX";
            date.GetTime(&down.st);
            Notify(&down.nmhdr, DTN_WMKEYDOWNA);
            date.SetTime(&down.st);
        }
    }
    unsigned long Shown()
    {
        SYSTEMTIME st = {};
        date.GetTime(&st);
        return st.wYear * 10000ul + st.wMonth * 100 + st.wDay;
    }

    CDateCtrlEx date;
    HWND h = nullptr;
};

TEST_F(DateCtrlTest, WinePickerDiffersFromWindows)
{
    date.SetType(2);
    ::SetFocus(h);
    ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Key(h, VK_LEFT);
    Key(h, '5', '5');
    EXPECT_EQ(host.arrived.count(NM_SETFOCUS), 1u);
    for (UINT code : {DTN_FORMATA, DTN_FORMATW, DTN_FORMATQUERYA, DTN_FORMATQUERYW, DTN_WMKEYDOWNA, DTN_WMKEYDOWNW})
        EXPECT_EQ(host.arrived.count(code), 0u) << "Wine's picker asks for the callback field now";
    HWND calendar = reinterpret_cast<HWND>(::SendMessageA(h, DTM_GETMONTHCAL, 0, 0));
    EXPECT_TRUE(calendar != nullptr && !::IsWindowVisible(calendar));
    COleDateTime low(2000, 1, 1, 0, 0, 0), high(2030, 12, 31, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&low, &high));
    // Not a difference here: this Wine's DTM_GETRANGE gives the limits' dates too.
    COleDateTime minimum, maximum;
    EXPECT_EQ(date.GetRange(&minimum, &maximum), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_TRUE(minimum.GetYear() == 2000 && maximum.GetYear() == 2030 && maximum.GetDay() == 31);
    // Space posts Alt+Down, which opens the calendar on Windows, not on Wine.
    Key(h, VK_SPACE, ' ');
    EXPECT_FALSE(::IsWindowVisible(calendar));
}

TEST_F(DateCtrlTest, YearFieldInBothDisplays)
{
    host.notices = {DTN_FORMATA, DTN_FORMATQUERYA};
    const struct {
        DWORD type;
        unsigned int ymd;
        const char* text;
    } cases[] = {{2, 19930315, "H.05"}, {2, 19890107, "S.64"}, {2, 19890108, "H.01"},
                 {2, 18680907, "    "}, {1, 20240315, "2024"}, {0, 19930315, "1993"}};
    for (const auto& c : cases) {
        date.SetType(c.type);
        EXPECT_EQ(date.SetDateByValue(c.ymd), 0);
        EXPECT_EQ(Shown(), c.ymd);
        EXPECT_EQ(YearText(), c.text) << c.ymd;
    }
    // The field's size: the widest text in the control's font.
    HFONT font = reinterpret_cast<HFONT>(::GetStockObject(SYSTEM_FIXED_FONT));
    ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    HDC dc = ::GetDC(h);
    HGDIOBJ old = ::SelectObject(dc, font);
    for (DWORD type : {2u, 1u}) {
        date.SetType(type);
        SIZE expected = {};
        ::GetTextExtentPoint32A(dc, type == 2 ? "M.55" : "5555", 4, &expected);
        NMDATETIMEFORMATQUERYA query = {};
        query.pszFormat = "XXXX";
        Notify(&query.nmhdr, DTN_FORMATQUERYA);
        EXPECT_TRUE(query.szMax.cx == expected.cx && query.szMax.cy == expected.cy) << type;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(h, dc);
    // Another field is not the control's; the parent never sees the year field's questions.
    NMDATETIMEFORMATA other = {};
    other.pszFormat = "X";
    Notify(&other.nmhdr, DTN_FORMATA);
    EXPECT_EQ(other.pszDisplay, nullptr);
    EXPECT_TRUE(host.log.Messages().empty());
}

TEST_F(DateCtrlTest, TypedYearsCommittedAndRejected)
{
    host.notices = {NM_KILLFOCUS};
    date.SetType(2);
    date.SetDateByValue(20240315);
    ::SetFocus(h);
    YearKeys({'2', '0', '0', '9'});
    EXPECT_EQ(YearText(), "2009");  // the typed text while typing
    EXPECT_EQ(Shown(), 20280315u);  // raised once per character
    Key(h, VK_RIGHT);
    EXPECT_EQ(Shown(), 20090315u);
    EXPECT_EQ(YearText(), "H.21");
    YearKeys({'H', VK_NUMPAD5});
    Key(h, VK_LEFT);
    EXPECT_EQ(Shown(), 19930315u);
    // A fifth character starts again: "1" is no year, which the picker refuses.
    YearKeys({'2', '0', '0', '9', '1'});
    EXPECT_EQ(YearText(), "1");
    Key(h, VK_RIGHT);
    EXPECT_EQ(Shown(), 19980315u);
    // Pending text counts for GetDateByValue without changing the picker.
    YearKeys({VK_NUMPAD1, '9', '9', '9'});
    EXPECT_EQ(date.GetDateByValue(), 19990315u);
    EXPECT_EQ(Shown(), 20020315u);
    // SetDateByDate: refused keeps the typing, accepted ends it.
    EXPECT_EQ(date.SetDateByDate(2023, 2, 29), 0);
    EXPECT_EQ(YearText(), "1999");
    EXPECT_EQ(date.SetDateByDate(2024, 2, 28), 1);
    EXPECT_EQ(YearText(), "H.36");
    // Up and Down change the year at once.
    YearKeys({VK_UP, VK_UP, VK_SUBTRACT});
    EXPECT_EQ(Shown(), 20250228u);
    EXPECT_EQ(YearText(), "H.37");
    // Losing the focus commits; the parent hears of it too. So does a click.
    YearKeys({'S', '6', '4'});
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(Shown(), 19890228u);
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{WM_NOTIFY, static_cast<WPARAM>(NM_KILLFOCUS)}}));
    YearKeys({'2', '0', '0', '1'});
    ::PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
    EXPECT_EQ(Shown(), 20010228u);

    // Outside the range the year shown before typing comes back.
    COleDateTime low(2000, 1, 1, 0, 0, 0), high(2030, 12, 31, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&low, &high));
    YearKeys({'1', '9', '9', '9'});
    Key(h, VK_LEFT);
    EXPECT_EQ(Shown(), 20010228u);
    YearKeys({'H', '2', '2'});
    EXPECT_EQ(date.GetDateByValue(), 20100228u);
    Key(h, VK_LEFT);
    EXPECT_EQ(Shown(), 20100228u);

    ASSERT_TRUE(date.SetRange(nullptr, nullptr));

    // A typed date string, as the picker hands it over with DTS_APPCANPARSE.
    for (const auto& [text, ymd] : {std::pair<const char*, unsigned long>{"H5.3.15", 19930315},
                                    {"20240315", 20240315}, {"3/15", 20240315}}) {
        NMDATETIMESTRINGA typed = {};
        typed.pszUserString = text;
        date.GetTime(&typed.st);
        typed.dwFlags = GDT_VALID;
        Notify(&typed.nmhdr, DTN_USERSTRINGA);
        date.SetTime(&typed.st);
        EXPECT_EQ(Shown(), ymd) << text;
    }
    EXPECT_NE(date.GetStyle() & DTS_APPCANPARSE, 0u);
}

TEST_F(DateCtrlTest, KeysThatReachTheParent)
{
    ::SetFocus(h);
    for (UINT key : {VK_RETURN, VK_TAB, VK_ESCAPE, VK_F5, VK_UP, VK_DOWN, VK_F10, VK_F24})
        Key(h, key);
    auto holding = [&](BYTE vk, std::initializer_list<UINT> pressed) {
        BYTE keys[256], saved[256];
        ::GetKeyboardState(saved);
        std::copy(saved, saved + 256, keys);
        keys[vk] = 0x80;
        ::SetKeyboardState(keys);
        for (UINT key : pressed)
            Key(h, key);
        ::SetKeyboardState(saved);
    };
    holding(VK_CONTROL, {VK_UP, VK_F5});  // Ctrl alone: the picker's own keys
    holding(VK_SHIFT, {VK_UP, VK_TAB});   // Shift: the function keys, Tab and Escape still go
    const UINT k = WM_ZR8_DATEKEY;
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{k, VK_RETURN, 1}, {k, VK_TAB, 1}, {k, VK_ESCAPE, 1}, {k, VK_F5, 1},
                                                 {k, VK_UP, 1}, {k, VK_DOWN, 1}, {k, VK_F24, 1}, {k, VK_TAB, 1}}));
    host.log.Clear();

    // Space is kept and becomes Alt+Down posted to the control itself.
    MSG space = {h, WM_KEYDOWN, VK_SPACE, 1, 0, {0, 0}};
    EXPECT_TRUE(date.PreTranslateMessage(&space));
    MSG posted = {};
    EXPECT_TRUE(::PeekMessageA(&posted, h, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_DOWN && posted.lParam == CDateCtrlEx::kSelfPosted);
    EXPECT_FALSE(date.PreTranslateMessage(&posted));
    // With the calendar open every key is the calendar's.
    HWND calendar = reinterpret_cast<HWND>(::SendMessageA(h, DTM_GETMONTHCAL, 0, 0));
    ::ShowWindow(calendar, SW_SHOWNA);
    Key(h, VK_RETURN);
    ::ShowWindow(calendar, SW_HIDE);
    EXPECT_TRUE(host.log.Messages().empty());
    // After the calendar closes the control moves to the next field; the parent hears of the closing.
    host.notices = {DTN_CLOSEUP};
    NMHDR closed;
    Notify(&closed, DTN_CLOSEUP);
    EXPECT_TRUE(SequenceIs(host.log.Messages(), {{WM_NOTIFY, static_cast<WPARAM>(DTN_CLOSEUP)}}));
    EXPECT_TRUE(::PeekMessageA(&posted, h, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(posted.wParam == VK_RIGHT && posted.lParam == CDateCtrlEx::kSelfPosted);
}

} // namespace
