// The return combo: Enter, Escape and listed keys reported to the parent
// and the second receiver, in their order, with the list open and closed;
// the close-up mode; Space, Ctrl+Q, Shift release; its size, dialog code
// and list colours.
#include <gtest/gtest.h>

#include <vector>

#include "ControlsHarness.h"
#include "controls/CRetCombo.h"

namespace {

class RetComboTest : public HostFixture {
protected:
    // Who received each logged message.
    std::vector<HWND> Receivers() const
    {
        std::vector<HWND> receivers;
        for (const LoggedMessage& m : host.log.Messages())
            receivers.push_back(m.hwnd);
        return receivers;
    }
    bool Dropped() const { return combo.GetDroppedState() != FALSE; }
    int Selection() const { return combo.GetCurSel(); }

    void Expect(std::vector<ExpectedMessage> messages, std::vector<HWND> receivers, const char* step)
    {
        EXPECT_TRUE(SequenceIs(host.log.Messages(), messages)) << step;
        EXPECT_EQ(Receivers(), receivers) << step;
        host.log.Clear();
    }

    CRetCombo combo;
    Host second;
};

TEST_F(RetComboTest, ReportsWithTheListOpenAndClosed)
{
    ASSERT_TRUE(second.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 10, 10, host.m_hWnd, nullptr));
    second.out = &host.log;
    short keys[] = {VK_DOWN, VK_F3, VK_RETURN};
    ASSERT_EQ(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(10, 20, 109, 219), &host, 50,
                           kKeyMsg, keys, 3, &second, 7, kShiftUpMsg, 8),
              1);
    for (const char* item : {"a", "b", "c"})
        combo.AddString(item);
    combo.SetCurSel(0);
    HWND h = combo.m_hWnd, p = host.m_hWnd, s = second.m_hWnd;
    const UINT msg = static_cast<UINT>(kKeyMsg);
    ::SetFocus(h);
    Pump();

    Key(h, VK_ESCAPE);
    Expect({{msg, 1, 0}, {msg, 1, 0}}, {p, s}, "Escape, closed");
    Key(h, VK_DOWN);  // listed: reported, second receiver first; the selection stays
    Key(h, VK_F3);
    EXPECT_EQ(Selection(), 0);
    Expect({{msg, 0, VK_DOWN}, {msg, 0, VK_DOWN}, {msg, 0, VK_F3}, {msg, 0, VK_F3}}, {s, p, s, p}, "listed keys");
    Key(h, VK_F2);
    Key(h, VK_CONTROL);
    Key(h, VK_F2);
    Expect({{WM_ZR8_CTRLQ, 0, reinterpret_cast<LPARAM>(&host)}}, {frame->m_hWnd}, "F2, Ctrl+F2");
    Key(h, VK_SPACE, ' ');
    EXPECT_TRUE(Dropped());
    Key(h, VK_DOWN);  // open: moves, not reported
    EXPECT_EQ(Selection(), 1);
    Key(h, VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 1);
    Expect({{msg, 0, 0}, {msg, 0, 0}}, {p, s}, "Enter, open");
    ::PostMessageA(h, WM_KEYUP, VK_SHIFT, 0xC0000001);
    Pump();
    Expect({{static_cast<UINT>(kShiftUpMsg), 0}, {static_cast<UINT>(kShiftUpMsg), 0}}, {p, s}, "Shift up");

    // Close-up mode: the closing is reported, Enter and Escape no longer are;
    // the parent does not see the reflected CBN_CLOSEUP.
    combo.CloseUp(&second, kCloseUpMsg);
    host.recorded.insert(WM_COMMAND);
    const UINT closeUp = static_cast<UINT>(kCloseUpMsg);
    Key(h, VK_RETURN);
    Expect({{closeUp, 0, 0}}, {s}, "Enter, closed, close-up mode");
    Key(h, VK_SPACE, ' ');
    Key(h, VK_ESCAPE);
    EXPECT_FALSE(Dropped());
    const LPARAM from = reinterpret_cast<LPARAM>(h);
    Expect({{WM_COMMAND, MAKEWPARAM(50, CBN_DROPDOWN), from}, {WM_COMMAND, MAKEWPARAM(50, CBN_SELENDCANCEL), from},
            {closeUp, 0, 0}},
           {p, p, s}, "Escape, open, close-up mode");

    EXPECT_EQ(::SendMessageA(h, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkColor(dc, RGB(4, 5, 6));
    HBRUSH brush = reinterpret_cast<HBRUSH>(::SendMessageA(h, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0));
    LOGBRUSH look = {};
    ASSERT_EQ(::GetObjectA(brush, sizeof look, &look), static_cast<int>(sizeof look));
    EXPECT_EQ(look.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(::GetBkColor(dc), RGB(255, 255, 255));
    ::DeleteDC(dc);
}

// The rectangle's right and bottom are inside the window.
TEST_F(RetComboTest, RectangleIsInclusive)
{
    ASSERT_EQ(combo.Create(WS_CHILD | WS_VISIBLE | CBS_SIMPLE, CRect(10, 20, 109, 219), &host, 51, kKeyMsg, nullptr, 0,
                           nullptr, 0, 0, 0),
              1);
    CRect rect;
    combo.GetWindowRect(&rect);
    host.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 110, 220));
}

} // namespace
