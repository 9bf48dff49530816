// CScaleDlg under Wine: the library's template, each dialog type, the bars'
// pixels, the sub bar's walk on its timer, message pumping, a real click on
// "中止" during a long loop, and Term.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "progress/CScaleDlg.h"
#include "resources/resource.h"
#include "support/ImportPatch.h"
#include "support/RealInput.h"

namespace {

const UINT kProbe = WM_USER + 77;

int Width(HWND hwnd)
{
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    return client.right;
}

// The first and last column in the bar colour on a bar's top inner row,
// above the text; -1 for none.
std::pair<int, int> BlueSpan(HWND bar)
{
    HDC dc = ::GetDC(bar);
    std::pair<int, int> span(-1, -1);
    for (int x = 0; x < Width(bar); ++x)
        if (::GetPixel(dc, x, 1) == RGB(0, 0, 255))
            span = {span.first < 0 ? x : span.first, x};
    ::ReleaseDC(bar, dc);
    return span;
}

// The timers the library asks for (id and period), the last one's
// procedure and the id it got.
std::vector<std::pair<UINT_PTR, UINT>> g_setTimers;
TIMERPROC g_tick = nullptr;
UINT_PTR g_timer = 0;

UINT_PTR WINAPI RecordSetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    g_setTimers.emplace_back(id, elapse);
    g_tick = proc;
    return g_timer = ::SetTimer(hwnd, id, elapse, proc);
}

class ScaleDialog : public ::testing::Test {
protected:
    ScaleDialog()
    {
        [[maybe_unused]] static bool linked = (InitWinLibDLL(), true);
        m_main.Attach(::CreateWindowA("STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                      nullptr, nullptr, nullptr, nullptr));
        m_app.m_pMainWnd = &m_main;
        g_setTimers.clear();
    }
    ~ScaleDialog() override
    {
        m_app.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        PumpPending();
    }
    void SetUp() override { ASSERT_TRUE(m_timers.Ok()); }
    // Posts count probe messages to the thread, runs work, and tells how
    // many it took from the queue.
    template <typename Work>
    static int ProbesPassedOn(int count, Work&& work)
    {
        for (int i = 0; i < count; ++i)
            ::PostThreadMessageA(::GetCurrentThreadId(), kProbe, 0, 0);
        work();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, kProbe, kProbe, PM_REMOVE))
            --count;
        return count;
    }
    static HWND Item(CScaleDlg& dialog, int id) { return ::GetDlgItem(dialog.GetSafeHwnd(), id); }

    CWinApp m_app{"scale test"};
    CWnd m_main;
    ImportPatch m_timers{::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "SetTimer",
                         reinterpret_cast<void*>(RecordSetTimer)};
};

TEST_F(ScaleDialog, EachTypeDisablesShowsPumpsAndDrawsAsListed)
{
    // type, main window disabled, abort button, messages passed on, sub scale (0 none, 2 driven by the job)
    const int table[][5] = {{0, 1, 0, 0, 0},  {1, 1, 1, 1, 0}, {2, 0, 0, 1, 2},
                            {3, 0, 1, 1, 0},  {-1, 1, 1, 0, 0}, {4, 0, 1, 0, 2}};
    for (const auto& row : table) {
        SCOPED_TRACE(row[0]);
        m_main.EnableWindow(TRUE);
        CScaleDlg dialog;
        EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Init(static_cast<short>(row[0]), row[4]); }), 2 * row[3]) << "Init";
        EXPECT_EQ(!m_main.IsWindowEnabled(), row[1] == 1);
        ASSERT_EQ(dialog.Create(), 1) << "from the library's template";
        HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT), bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
        HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB);
        EXPECT_EQ(::IsWindowVisible(button) != 0 && ::IsWindowEnabled(button) != 0, row[2] == 1);
        EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage(); }), row[3]);
        EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage_W(); }), 3 * row[3]);
        // A key for the dialog stops CheckMessage_W; what follows waits.
        ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.CheckMessage_W(); }), 0);

        PumpPending();
        for (short percent : {7, 37, 60, 100}) {
            dialog.DispScale(percent);
            EXPECT_EQ(BlueSpan(bar), std::make_pair(1, (Width(bar) - 2) * percent / 100)) << percent;
        }
        int right = Width(sub) - 1, unit = (right - 1) / 20;
        for (short position = 0; row[4] != 0 && position < 100; position += 19) {
            dialog.DispSubScale(position);
            int left = position * 20 / 100 * unit + 1;
            EXPECT_EQ(BlueSpan(sub), std::make_pair(left, std::min(left + 2 * unit, right))) << position;
        }
        dialog.DispScale(60);
        EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 2 * row[3]) << "Term's wait";
        EXPECT_EQ(BlueSpan(bar).second, Width(bar) - 2) << "drawn at 100 by Term";
        EXPECT_TRUE(m_main.IsWindowEnabled()) << "enabled again by Term";
    }
}

// One job: the sub bar's walk, a real click on the abort button, Term after
// it, and on again after a reset.
TEST_F(ScaleDialog, SubBarWalksOnTimer10AndARealClickAborts)
{
    CScaleDlg dialog;
    dialog.Init(1, 1);
    ASSERT_EQ(dialog.Create(), 1);
    ASSERT_EQ(g_setTimers, (std::vector<std::pair<UINT_PTR, UINT>>{{10, 500}}));
    // Ticks: from 0, 5 on each, past 100 and back to 0 twice.
    HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB), bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    for (int tick = 0; tick < 44; ++tick) {
        g_tick(nullptr, WM_TIMER, g_timer, 0);
        EXPECT_EQ(BlueSpan(sub).first, 1 + tick % 21 * ((Width(sub) - 2) / 20)) << tick;
    }

    dialog.DispScale(50);
    ::SetForegroundWindow(dialog.GetSafeHwnd());
    SendClick(Item(dialog, IDC_ZR8_SCALE_ABORT));
    for (DWORD start = ::GetTickCount(); dialog.CheckAbort() == 0 && ::GetTickCount() - start < 5000; ::Sleep(2))
        dialog.CheckMessage();
    ASSERT_EQ(dialog.CheckAbort(), 1) << "the job's loop saw the click";
    // After an abort Term neither draws 100 nor waits (its wait would pass
    // the probes on).
    EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 0);
    EXPECT_EQ(BlueSpan(bar).second, (Width(bar) - 2) / 2) << "still at 50%";
    dialog.AbortReset();
    dialog.SubScaleRestart();
    dialog.Term();
    EXPECT_FALSE(::KillTimer(nullptr, g_timer)) << "Term stops the timer";
}

} // namespace
