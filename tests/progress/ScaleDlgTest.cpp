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

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
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

// The first and last column in the bar colour on the middle row; -1 none.
std::pair<int, int> BlueSpan(HWND bar)
{
    RECT client = {};
    ::GetClientRect(bar, &client);
    std::vector<COLORREF> row = Row(bar, client.bottom / 2);
    std::pair<int, int> found(-1, -1);
    for (int x = 0; x < client.right; ++x)
        if (row[x] == kBlue)
            found = {found.first < 0 ? x : found.first, x};
    return found;
}

int g_probes = 0;
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_probes += message == kProbe;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// What the library asks of the timer and message-box services.
struct TimerCall {
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    UINT_PTR result;
};
std::vector<TimerCall> g_setTimers;
std::vector<UINT_PTR> g_killTimers;
bool g_failTimers = false;
int g_boxes = 0;

UINT_PTR WINAPI RecordSetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    g_setTimers.push_back({id, elapse, proc, g_failTimers ? 0 : ::SetTimer(hwnd, id, elapse, proc)});
    return g_setTimers.back().result;
}
BOOL WINAPI RecordKillTimer(HWND hwnd, UINT_PTR id)
{
    g_killTimers.push_back(id);
    return ::KillTimer(hwnd, id);
}
int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT type)
{
    g_boxes += std::string(text) == "timer error" && type == MB_OK;
    return IDOK;
}

class ScaleDialog : public ::testing::Test {
protected:
    ScaleDialog()
        : m_app("scale test"),
          m_patches{{::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "SetTimer", reinterpret_cast<void*>(RecordSetTimer)},
                    {::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "KillTimer", reinterpret_cast<void*>(RecordKillTimer)},
                    {::GetModuleHandleA("zr8afx.dll"), "user32.dll", "MessageBoxA", reinterpret_cast<void*>(RecordMessageBox)}}
    {
        static bool linked = (InitWinLibDLL(), true);
        (void)linked;
        WNDCLASSA probeClass = {};
        probeClass.lpfnWndProc = ProbeProc;
        probeClass.lpszClassName = "Zr8ScaleProbe";
        ::RegisterClassA(&probeClass);
        m_probe = ::CreateWindowA("Zr8ScaleProbe", "", 0, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
        m_main.Attach(::CreateWindowA("Zr8ScaleProbe", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                      nullptr, nullptr, nullptr, nullptr));
        m_app.m_pMainWnd = &m_main;
        g_setTimers.clear();
        g_killTimers.clear();
        g_boxes = 0;
        g_failTimers = false;
    }
    ~ScaleDialog() override
    {
        m_app.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        ::DestroyWindow(m_probe);
        PumpPending();
    }
    void SetUp() override
    {
        for (const ImportPatch& patch : m_patches)
            ASSERT_TRUE(patch.Ok());
    }
    // Posts count probe messages, runs work, and tells how many it dispatched.
    template <typename Work>
    int ProbesDispatched(int count, Work&& work)
    {
        g_probes = 0;
        for (int i = 0; i < count; ++i)
            ::PostMessageA(m_probe, kProbe, 0, 0);
        work();
        MSG msg;
        while (::PeekMessageA(&msg, m_probe, kProbe, kProbe, PM_REMOVE)) {
        }
        return g_probes;
    }
    static HWND Item(CScaleDlg& dialog, int id) { return ::GetDlgItem(dialog.GetSafeHwnd(), id); }

    CWinApp m_app;
    CWnd m_main;
    HWND m_probe;
    ImportPatch m_patches[3];
};

TEST_F(ScaleDialog, EachTypeDisablesShowsAndPumpsAsListed)
{
    // type, main window disabled, abort button, messages passed on
    const int table[][4] = {{0, 1, 0, 0}, {1, 1, 1, 1}, {2, 0, 0, 1}, {3, 0, 1, 1}, {-1, 1, 1, 0}, {4, 0, 1, 0}};
    for (const auto& row : table) {
        m_main.EnableWindow(TRUE);
        CScaleDlg dialog;
        EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Init(static_cast<short>(row[0]), 0); }), 2 * row[3])
            << "type " << row[0] << ": Init's wait";
        EXPECT_EQ(!m_main.IsWindowEnabled(), row[1] == 1) << "type " << row[0];
        ASSERT_EQ(dialog.Create(), 1) << "from the library's template";
        HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT);
        EXPECT_EQ(::IsWindowVisible(button) != 0 && ::IsWindowEnabled(button) != 0, row[2] == 1) << "type " << row[0];
        EXPECT_FALSE(::IsWindowVisible(Item(dialog, IDC_ZR8_SCALE_SUB))) << "sub scale 0 hides the sub bar";
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage(); }), row[3]) << "type " << row[0];
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage_W(); }), 3 * row[3]) << "type " << row[0];
        // A key for the dialog stops CheckMessage_W; what follows waits.
        ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(ProbesDispatched(2, [&] { dialog.CheckMessage_W(); }), 0);
        ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd())) << "Esc leaves it open";
        dialog.Term();
        EXPECT_TRUE(m_main.IsWindowEnabled()) << "type " << row[0] << ": enabled again by Term";
        EXPECT_TRUE(g_setTimers.empty()) << "no timer without a walking sub bar";
    }
}

TEST_F(ScaleDialog, BarsAtTheirPercentagesAndPositionsThenFullAtTerm)
{
    CScaleDlg dialog;
    dialog.Init(2, 2);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    int width = static_cast<int>(Row(bar, 0).size());
    ASSERT_GT(width, 20) << "the library's bar";
    for (short percent : {0, 7, 37, 60, 100}) {
        dialog.DispScale(percent);
        // The top inner row, above the text: blue up to the split, white after.
        std::vector<COLORREF> row = Row(bar, 1);
        int split = 1 + (width - 2) * percent / 100;
        for (int x = 1; x < width - 1; ++x)
            ASSERT_EQ(row[x], x < split ? kBlue : kWhite) << percent << "% at " << x;
        EXPECT_NE(row[0], kBlue) << "the outer pixel ring is left alone";
    }
    HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB);
    int right = static_cast<int>(Row(sub, 0).size()) - 1;
    int unit = (right - 1) / 20;
    for (short position : {0, 5, 42, 95}) {
        dialog.DispSubScale(position);
        int left = position * 20 / 100 * unit + 1;
        EXPECT_EQ(BlueSpan(sub), std::make_pair(left, std::min(left + 2 * unit, right))) << position;
    }
    EXPECT_TRUE(g_setTimers.empty()) << "a driven sub bar has no timer";
    dialog.DispScale(60);
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 2) << "Term's wait passes messages on";
    EXPECT_EQ(Row(bar, 1)[width - 3], kBlue) << "drawn at 100";
}

TEST_F(ScaleDialog, SubBarWalksOnTimer10OrSaysTimerError)
{
    CScaleDlg walking;
    walking.Init(2, 1);
    g_failTimers = true;
    EXPECT_EQ(walking.Create(), 0);
    walking.SubScaleRestart();
    EXPECT_EQ(g_boxes, 2) << "one box from Create, one from the failed restart";
    g_failTimers = false;
    walking.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 3u);
    EXPECT_EQ(g_setTimers[2].id, 10u);
    EXPECT_EQ(g_setTimers[2].elapse, 500u);
    // A real tick moves the block (bounded wait).
    HWND sub = Item(walking, IDC_ZR8_SCALE_SUB);
    int first = BlueSpan(sub).first;
    for (DWORD start = ::GetTickCount(); BlueSpan(sub).first == first && ::GetTickCount() - start < 2000;) {
        walking.CheckMessage_W();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    EXPECT_NE(BlueSpan(sub).first, first) << "a tick within 2 s";
    // Driven ticks of the restarted timer: past the next 0 and a whole round.
    walking.SubScaleStop();
    walking.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 4u);
    TIMERPROC tick = g_setTimers[3].proc;
    UINT_PTR id = g_setTimers[3].result;
    int unit = (static_cast<int>(Row(sub, 0).size()) - 2) / 20;
    std::vector<int> walk;
    for (int i = 0; i < 44; ++i) {
        tick(nullptr, WM_TIMER, id, 0);
        walk.push_back(BlueSpan(sub).first);
    }
    int zero = 1;
    while (zero < 22 && !(walk[zero] == 1 && walk[zero - 1] != 1))
        ++zero;
    ASSERT_LT(zero, 22) << "the walk returns to 0";
    for (int step = 0; step <= 21; ++step)
        EXPECT_EQ(walk[zero + step], 1 + step % 21 * unit) << "step " << step << " of 0, 5, ..., 100, 0";
    walking.Term();
    EXPECT_EQ(g_killTimers.back(), id) << "Term stops the timer";
}

TEST_F(ScaleDialog, AbortByARealClickThenTerm)
{
    CScaleDlg dialog;
    dialog.Init(1, 1);
    ASSERT_EQ(dialog.Create(), 1);
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
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 0);
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    EXPECT_EQ(Row(bar, 1)[Row(bar, 0).size() - 3], kWhite) << "still at " << stoppedAt % 50 << "%";
    dialog.AbortReset();
    EXPECT_EQ(dialog.CheckAbort(), 0);
}

} // namespace
