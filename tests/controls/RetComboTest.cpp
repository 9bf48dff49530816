// The return combo: Enter, Escape and listed keys reported to the parent
// and the second receiver, in their order, with the list open and closed;
// the close-up mode; Space, Ctrl+Q, Shift release; its size.
#include <gtest/gtest.h>

#include "ControlsHarness.h"
#include "controls/CRetCombo.h"

namespace {

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

} // namespace
