// CScaleDlg under Wine: the library's template, each dialog type, the bars'
// pixels, the sub bar's walk on its timer, message pumping, a real click on
// "中止" during a long loop, Term and "timer error".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "progress/CScaleDlg.h"
#include "resources/resource.h"
#include "support/ImportPatch.h"
#include "support/RealInput.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
const UINT kProbe = WM_USER + 77;

// Row y of a window's client area; as many pixels as it is wide.
std::vector<COLORREF> Row(HWND hwnd, int y)
{
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    HDC dc = ::GetDC(hwnd);
    std::vector<COLORREF> row;
    for (int x = 0; x < client.right; ++x)
        row.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(hwnd, dc);
    return row;
}

// The first and last column in the bar colour on the top inner row; -1 none.
std::pair<int, int> BlueSpan(HWND bar)
{
    std::vector<COLORREF> row = Row(bar, 1);
    int first = static_cast<int>(std::find(row.begin(), row.end(), kBlue) - row.begin());
    int last = static_cast<int>(std::find(row.rbegin(), row.rend(), kBlue).base() - row.begin()) - 1;
    return {first < static_cast<int>(row.size()) ? first : -1, last};
}

// What the library asks of the timer and message-box services: each
// timer's id and period, the last one's procedure and the id it got.
std::vector<std::pair<UINT_PTR, UINT>> g_setTimers;
TIMERPROC g_tick = nullptr;
UINT_PTR g_timer = 0;
bool g_failTimers = false;
int g_boxes = 0;

UINT_PTR WINAPI RecordSetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    g_setTimers.emplace_back(id, elapse);
    g_tick = proc;
    return g_timer = g_failTimers ? 0 : ::SetTimer(hwnd, id, elapse, proc);
}
int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT type)
{
    g_boxes += std::string(text) == "timer error" && type == MB_OK;
    return IDOK;
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
        g_boxes = 0;
        g_failTimers = false;
    }
    ~ScaleDialog() override
    {
        m_app.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        PumpPending();
    }
    void SetUp() override { ASSERT_TRUE(m_timers.Ok() && m_boxes.Ok()); }
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
    ImportPatch m_boxes{::GetModuleHandleA("zr8afx.dll"), "user32.dll", "MessageBoxA",
                        reinterpret_cast<void*>(RecordMessageBox)};
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
        EXPECT_EQ(::IsWindowVisible(sub) != 0, row[4] != 0) << "sub scale 0 hides the sub bar";
        EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage(); }), row[3]);
        EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage_W(); }), 3 * row[3]);
        // A key for the dialog stops CheckMessage_W; what follows waits.
        ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.CheckMessage_W(); }), 0);
        ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd())) << "Esc leaves it open";

        PumpPending();
        int width = static_cast<int>(Row(bar, 0).size());
        ASSERT_GT(width, 20) << "the library's bar";
        for (short percent : {0, 7, 37, 60, 100}) {
            dialog.DispScale(percent);
            // The top inner row, above the text: blue up to the split, white after.
            std::vector<COLORREF> pixels = Row(bar, 1);
            int split = 1 + (width - 2) * percent / 100;
            for (int x = 1; x < width - 1; ++x)
                ASSERT_EQ(pixels[x], x < split ? kBlue : kWhite) << percent << "% at " << x;
            EXPECT_NE(pixels[0], kBlue) << "the outer pixel ring is left alone";
        }
        int right = static_cast<int>(Row(sub, 0).size()) - 1, unit = (right - 1) / 20;
        for (short position = 0; row[4] != 0 && position < 100; position += 19) {
            dialog.DispSubScale(position);
            int left = position * 20 / 100 * unit + 1;
            EXPECT_EQ(BlueSpan(sub), std::make_pair(left, std::min(left + 2 * unit, right))) << position;
        }
        EXPECT_TRUE(g_setTimers.empty()) << "no timer unless the sub bar walks";
        dialog.DispScale(60);
        EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 2 * row[3]) << "Term's wait";
        EXPECT_EQ(Row(bar, 1)[width - 3], kBlue) << "drawn at 100 by Term";
        EXPECT_TRUE(m_main.IsWindowEnabled()) << "enabled again by Term";
    }
}

// One job: the timer's error, the walk, a real click on the abort button,
// Term after it, and on again after a reset.
TEST_F(ScaleDialog, SubBarWalksOnTimer10OrSaysTimerErrorAndARealClickAborts)
{
    CScaleDlg dialog;
    dialog.Init(1, 1);
    g_failTimers = true;
    EXPECT_EQ(dialog.Create(), 0);
    dialog.SubScaleRestart();
    EXPECT_EQ(g_boxes, 2) << "one box from Create, one from the failed restart";
    g_failTimers = false;
    dialog.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 3u);
    EXPECT_EQ(g_setTimers[2], std::make_pair(UINT_PTR{10}, 500u));
    // A real tick moves the block (bounded wait).
    HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB), bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    int first = BlueSpan(sub).first;
    for (DWORD start = ::GetTickCount(); BlueSpan(sub).first == first && ::GetTickCount() - start < 2000;) {
        dialog.CheckMessage_W();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    EXPECT_NE(BlueSpan(sub).first, first) << "a tick within 2 s";
    // Driven ticks of the restarted timer: 5 on each, past 100 and back to 0 twice.
    dialog.SubScaleStop();
    dialog.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 4u);
    int unit = (static_cast<int>(Row(sub, 0).size()) - 2) / 20;
    for (int tick = 0, last = 0; tick < 44; ++tick) {
        g_tick(nullptr, WM_TIMER, g_timer, 0);
        int now = BlueSpan(sub).first;
        EXPECT_TRUE(tick == 0 || now == (last == 1 + 20 * unit ? 1 : last + unit)) << last << " to " << now;
        last = now;
    }

    ::SetForegroundWindow(dialog.GetSafeHwnd());
    PumpPending();
    int stoppedAt = -1;
    DWORD start = ::GetTickCount();
    for (int step = 0; stoppedAt < 0 && ::GetTickCount() - start < 5000; ++step) {
        dialog.DispScale(static_cast<short>(step % 50));
        ::Sleep(2);  // the job's work
        dialog.CheckMessage();
        if (dialog.CheckAbort())
            stoppedAt = step;
        else if (step == 20)
            SendClick(Item(dialog, IDC_ZR8_SCALE_ABORT));
    }
    ASSERT_GT(stoppedAt, 20) << "the loop saw the abort after the click";
    // After an abort Term neither draws 100 nor waits (its wait would pass
    // the probes on).
    EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 0);
    EXPECT_EQ(Row(bar, 1)[Row(bar, 0).size() - 3], kWhite) << "still at " << stoppedAt % 50 << "%";
    dialog.AbortReset();
    EXPECT_EQ(dialog.CheckAbort(), 0);
    dialog.SubScaleRestart();
    dialog.Term();
    EXPECT_FALSE(::KillTimer(nullptr, g_timer)) << "Term stops the timer";
}

} // namespace
