// CScaleDlg under Wine: the library's template, each dialog type, the sub
// bar's walk on its timer, message pumping, a real click on "中止" during a
// long loop, Term and destruction without it, the window against reference
// images, and random real input.
#include <windows.h>

#include <gtest/gtest.h>

#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "progress/CScaleDlg.h"
#include "resources/resource.h"
#include "support/GdiObjectCount.h"
#include "support/Golden.h"
#include "support/RandomInput.h"
#include "support/RealInput.h"
#include "WindowImage.h"

namespace {

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
            ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 77, 0, 0);
        work();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_USER + 77, WM_USER + 77, PM_REMOVE))
            --count;
        return count;
    }
    static HWND Item(CScaleDlg& dialog, int id) { return ::GetDlgItem(dialog.GetSafeHwnd(), id); }

    CWinApp m_app{"scale test"};
    CWnd m_main;
    ImportPatch m_timers{::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "SetTimer",
                         reinterpret_cast<void*>(RecordSetTimer)};
};

// Each type, then destroyed without Term: the main window enabled again
// and the timer stopped with the window.
TEST_F(ScaleDialog, EachTypeDisablesShowsAndPumpsAsListed)
{
    // type, main window disabled, abort button, messages passed on, sub scale (0 none, 1 timer, 2 driven by the job)
    const int table[][5] = {{0, 1, 0, 0, 0}, {1, 1, 1, 1, 0},  {2, 0, 0, 1, 2},
                            {3, 0, 1, 1, 0}, {4, 0, 1, 0, 2}, {-1, 1, 1, 0, 1}};
    for (const auto& row : table) {
        SCOPED_TRACE(row[0]);
        {
            CScaleDlg dialog;
            EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Init(static_cast<short>(row[0]), row[4]); }), 2 * row[3]);
            EXPECT_EQ(!m_main.IsWindowEnabled(), row[1] == 1);
            ASSERT_EQ(dialog.Create(), 1) << "from the library's template";
            HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT), sub = Item(dialog, IDC_ZR8_SCALE_SUB);
            EXPECT_EQ(std::vector<BOOL>({::IsWindowVisible(button), ::IsWindowEnabled(button), ::IsWindowVisible(sub),
                                         ::IsWindowEnabled(sub)}),
                      std::vector<BOOL>({row[2], row[2], row[4] != 0, row[4] != 0}));
            EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage(); }), row[3]);
            EXPECT_EQ(ProbesPassedOn(3, [&] { dialog.CheckMessage_W(); }), 3 * row[3]);
            // A key for the dialog stops CheckMessage_W; what follows waits.
            ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
            EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.CheckMessage_W(); }), 0);
            dialog.SubScaleRestart();
            EXPECT_EQ(g_setTimers.size(), row[4] == 1 ? 2u : 0u) << "timers for the walking sub bar only";
        }
        EXPECT_EQ(std::make_pair(m_main.IsWindowEnabled(), ::KillTimer(nullptr, g_timer)), std::make_pair(TRUE, FALSE));
    }
}

// One job: the sub bar's walk, a real click on the abort button, Term after
// it, and on again after a reset.
TEST_F(ScaleDialog, SubBarWalksOnTimer10AndARealClickAborts)
{
    CScaleDlg dialog;
    dialog.Init(1, 1);
    ASSERT_EQ(dialog.Create(), 1);
    // Ticks: from 0, 5 on each, past 100 and back to 0 twice, each as the
    // job would draw that position.
    for (int tick = 0; tick < 44; ++tick) {
        g_tick(nullptr, WM_TIMER, g_timer, 0);
        RgbImage walked = CaptureClient(Item(dialog, IDC_ZR8_SCALE_SUB));
        dialog.DispSubScale(static_cast<short>(tick % 21 * 5));
        EXPECT_EQ(walked.rgb, CaptureClient(Item(dialog, IDC_ZR8_SCALE_SUB)).rgb) << tick;
    }

    dialog.DispScale(50);
    ::SetForegroundWindow(dialog.GetSafeHwnd());
    SendClick(Item(dialog, IDC_ZR8_SCALE_ABORT));
    for (DWORD start = ::GetTickCount(); dialog.CheckAbort() == 0 && ::GetTickCount() - start < 5000; ::Sleep(2))
        dialog.CheckMessage();
    ASSERT_EQ(dialog.CheckAbort(), 1) << "the job's loop saw the click";
    EXPECT_FALSE(::KillTimer(nullptr, g_timer)) << "the abort stops the timer";
    // After an abort Term neither draws 100 nor waits (its wait would pass
    // the probes on).
    RgbImage at50 = CaptureClient(Item(dialog, IDC_ZR8_SCALE_MAIN));
    EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 0);
    EXPECT_EQ(CaptureClient(Item(dialog, IDC_ZR8_SCALE_MAIN)).rgb, at50.rgb) << "still at 50%";
    dialog.AbortReset();
    dialog.SubScaleRestart();
    EXPECT_EQ(ProbesPassedOn(2, [&] { dialog.Term(); }), 2) << "Term's wait";
    EXPECT_EQ(g_setTimers, (std::vector<std::pair<UINT_PTR, UINT>>(2, {10, 500})));
    EXPECT_EQ(std::make_pair(m_main.IsWindowEnabled(), ::KillTimer(nullptr, g_timer)), std::make_pair(TRUE, FALSE))
        << "Term enables the main window and stops the timer";
}

// The window as the user sees it: the message, the main bar at 0, 37 and
// 50 % (its text across the fill's edge) with the sub bar's block, and 100 %
// drawn by Term after 60 and again by the paint handler.
TEST_F(ScaleDialog, ShowsTheReferenceImages)
{
    CScaleDlg dialog;
    dialog.Init(3, 2);
    ASSERT_EQ(dialog.Create(), 1);
    char message[] = "\x8F\x57\x8C\x76\x92\x86 ...";  // "集計中 ..."
    dialog.DispMessage(message);
    for (auto [percent, position, name] : {std::tuple<short, short, const char*>{0, 0, "scale-0"}, {37, 40, "scale-37"},
                                           {50, 95, "scale-50"}}) {
        dialog.DispScale(percent);
        dialog.DispSubScale(position);
        PumpPending();
        EXPECT_TRUE(MatchesGolden("progress", name, CaptureClient(dialog.GetSafeHwnd())));
    }
    dialog.DispScale(60);
    dialog.Term();
    ::RedrawWindow(dialog.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(MatchesGolden("progress", "scale-100", CaptureClient(dialog.GetSafeHwnd())));
}

class ScaleDlgRandomInput : public ScaleDialog {};

// Each type under random input and host calls: the window stays, the main
// window enabled as the type says, the abort flag 0 or 1 (only 0 without the
// button), the message line as last set; no GDI object left once it is
// destroyed (without Term). No key closes it: Enter and Esc do nothing.
TEST_F(ScaleDlgRandomInput, EachTypeStaysAsItsTypeSays)
{
    for (short type = 0; type < 4; ++type) {
        GdiObjectCount gdi;
        {
            CScaleDlg dialog;
            dialog.Init(type, type % 3);
            ASSERT_EQ(dialog.Create(), 1);
            // Input around the main bar: a drag from the caption would start a move loop.
            RandomInput input(("scale type " + std::to_string(type)).c_str(), Item(dialog, IDC_ZR8_SCALE_MAIN),
                              Item(dialog, IDC_ZR8_SCALE_ABORT));
            std::string shown;
            const std::function<void(short)> calls[] = {
                [&](short value) { dialog.DispScale(value); }, [&](short value) { dialog.DispSubScale(value); },
                [&](short value) { dialog.DispMessage(&(shown = std::string(std::max(0, 2 * value), '\x8F'))[0]); },
                [&](short) { dialog.CheckMessage(); }, [&](short) { dialog.CheckMessage_W(); },
                [&](short) { dialog.AbortReset(); }, [&](short) { dialog.SubScaleStop(); },
                [&](short) { dialog.SubScaleRestart(); }};
            input.hostCall = [&](std::mt19937& random) {
                calls[random() % 8](static_cast<short>(std::uniform_int_distribution<int>(-30, 130)(random)));
            };
            input.invariants = [&] {
                auto seen = std::make_tuple(dialog.CheckAbort() >= 0 && dialog.CheckAbort() <= type % 2,
                                            m_main.IsWindowEnabled() != 0, TextOf(Item(dialog, IDC_ZR8_SCALE_MESSAGE)));
                ::testing::AssertionResult held(seen == std::make_tuple(true, type >= 2, shown));
                return held << "abort flag " << dialog.CheckAbort() << ", seen " << ::testing::PrintToString(seen);
            };
            EXPECT_TRUE(input.Run()) << "type " << type;
        }
        EXPECT_EQ(gdi.Outstanding(), 0u) << "type " << type;
    }
}

} // namespace
