// CScaleDlg under Wine: the library's template as the host sees it, each
// dialog type, the bars' pixels, the sub bar's walk, message pumping, a real
// click on "中止" during a long loop, Term, "timer error", no GDI leak.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "afx/AfxModule.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "progress/CScaleDlg.h"
#include "resources/resource.h"
#include "support/GdiObjectCount.h"
#include "support/ImportPatch.h"
#include "support/RealInput.h"

namespace {

const uint32_t kBlue = 0x0000FF;  // 0xRRGGBB as read back
const uint32_t kWhite = 0xFFFFFF;
const UINT kProbe = WM_USER + 77;

// The client area's pixels of a window (0xRRGGBB).
struct Snapshot {
    explicit Snapshot(HWND hwnd)
    {
        RECT client;
        ::GetClientRect(hwnd, &client);
        width = client.right;
        height = client.bottom;
        HDC source = ::GetDC(hwnd);
        HDC memory = ::CreateCompatibleDC(source);
        HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels.resize(static_cast<size_t>(width) * height);
        ::SelectObject(memory, old);
        ::GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(hwnd, source);
    }
    uint32_t At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
    // The first and last column in the bar colour on the middle row; -1 none.
    std::pair<int, int> BlueColumns() const
    {
        std::pair<int, int> found(-1, -1);
        for (int x = 0; x < width; ++x) {
            if (At(x, height / 2) == kBlue)
                found = {found.first < 0 ? x : found.first, x};
        }
        return found;
    }
    int width;
    int height;
    std::vector<uint32_t> pixels;
};

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
std::vector<std::pair<std::string, UINT>> g_boxes;

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
    g_boxes.push_back({text, type});
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
        probeClass.hInstance = ::GetModuleHandleA(nullptr);
        probeClass.lpszClassName = "Zr8ScaleProbe";
        ::RegisterClassA(&probeClass);
        m_probe = ::CreateWindowA("Zr8ScaleProbe", "", 0, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
        m_main.Attach(::CreateWindowA("Zr8ScaleProbe", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                      nullptr, nullptr, nullptr, nullptr));
        m_app.m_pMainWnd = &m_main;
        g_setTimers.clear();
        g_killTimers.clear();
        g_boxes.clear();
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

TEST_F(ScaleDialog, WindowFromTheLibrarysJapaneseTemplate)
{
    HINSTANCE library = ::GetModuleHandleA("zr8wlib.dll");
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_ZR8_SCALE), RT_DIALOG), library);
    EXPECT_NE(::FindResourceExA(library, RT_DIALOG, MAKEINTRESOURCEA(1572), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
              nullptr);
    CScaleDlg dialog(&m_main);
    dialog.Init(3, 2);
    ASSERT_EQ(dialog.Create(), 1);
    HWND hwnd = dialog.GetSafeHwnd();
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(hwnd, GWL_STYLE)) & (WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME),
              static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME));
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr) << "no parent, no owner";
    EXPECT_EQ(::GetWindowTextLengthA(hwnd), 0);
    EXPECT_EQ(dialog.m_nIDHelp, 1572u);
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E") << "ＭＳ ゴシック";
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72)) << "9 points";
    ::ReleaseDC(nullptr, screen);
    RECT frame = {0, 0, 250, 105};
    ::MapDialogRect(hwnd, &frame);
    RECT client;
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, frame.right);
    EXPECT_EQ(client.bottom, frame.bottom);
    const struct {
        int id;
        const char* className;
        DWORD style;
        RECT units;  // x, y, width, height
        const char* text;
    } controls[] = {{133, "Static", SS_CENTER, {5, 10, 240, 18}, ""},
                    {288, "Static", WS_BORDER, {5, 38, 240, 20}, ""},
                    {1000, "Button", WS_TABSTOP | BS_PUSHBUTTON, {98, 83, 54, 14}, "\x92\x86\x8E\x7E"},  // 中止
                    {289, "Static", WS_BORDER, {5, 65, 240, 8}, ""}};
    HWND previous = nullptr;
    for (const auto& c : controls) {
        HWND control = Item(dialog, c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(previous != nullptr ? ::GetWindow(previous, GW_HWNDNEXT) : ::GetWindow(hwnd, GW_CHILD), control)
            << c.id << ": template order";
        previous = control;
        char text[64];
        ::GetClassNameA(control, text, sizeof text);
        EXPECT_STRCASEEQ(text, c.className) << c.id;
        // The dialog manager draws a template control's border as a client edge.
        DWORD style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
        if (::GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
            style |= WS_BORDER;
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0xF), WS_CHILD | WS_VISIBLE | c.style)
            << c.id;
        ::GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.id;
        RECT expected = c.units;  // position and size map apart, as the dialog manager maps them
        ::MapDialogRect(hwnd, &expected);
        RECT actual;
        ::GetWindowRect(control, &actual);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << c.id;
        EXPECT_EQ(actual.top, expected.top) << c.id;
        EXPECT_EQ(actual.right - actual.left, expected.right) << c.id;
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << c.id;
    }
    dialog.DispMessage(const_cast<char*>("\x8F\x88\x97\x9D\x92\x86"));  // 処理中
    char text[16];
    ::GetDlgItemTextA(hwnd, IDC_ZR8_SCALE_MESSAGE, text, sizeof text);
    EXPECT_STREQ(text, "\x8F\x88\x97\x9D\x92\x86");
    RECT bounds;
    ::GetWindowRect(hwnd, &bounds);
    EXPECT_EQ(bounds.left, (::GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2) << "centred";
    EXPECT_EQ(bounds.top, (::GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2);
    ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    ::SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(hwnd)) << "Enter and Esc leave it open";
    dialog.Term();
}

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
        ASSERT_EQ(dialog.Create(), 1);
        HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT);
        EXPECT_EQ(::IsWindowVisible(button) != 0 && ::IsWindowEnabled(button) != 0, row[2] == 1) << "type " << row[0];
        HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB);
        EXPECT_FALSE(::IsWindowVisible(sub) || ::IsWindowEnabled(sub)) << "sub scale 0 hides the sub bar";
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage(); }), row[3]) << "type " << row[0];
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage_W(); }), 3 * row[3]) << "type " << row[0];
        if (row[3] == 1) {
            // A key for the dialog stops CheckMessage_W; what follows waits.
            ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
            EXPECT_EQ(ProbesDispatched(2, [&] { dialog.CheckMessage_W(); }), 0);
        }
        dialog.Term();
        EXPECT_TRUE(m_main.IsWindowEnabled()) << "type " << row[0] << ": enabled again by Term";
        EXPECT_TRUE(g_setTimers.empty()) << "no timer without a walking sub bar";
    }
}

TEST_F(ScaleDialog, MainBarPixelsAndTextAtAFewPercentages)
{
    CScaleDlg dialog;
    dialog.Init(2, 0);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    for (short percent : {0, 7, 37, 60, 100}) {
        dialog.DispScale(percent);
        Snapshot shot(bar);
        RECT inner = {1, 1, shot.width - 1, shot.height - 1};
        // The text as a fresh DC of the bar draws it, black on white.
        char text[8];
        int length = wsprintfA(text, "%3d%%", percent);
        HDC dc = ::GetDC(bar);
        SIZE extent;
        ::GetTextExtentPoint32A(dc, text, length, &extent);
        HDC memory = ::CreateCompatibleDC(dc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, shot.width, shot.height);
        ::ReleaseDC(bar, dc);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        RECT all = {0, 0, shot.width, shot.height};
        ::ExtTextOutA(memory, (inner.right - extent.cx) / 2, (inner.bottom - extent.cy) / 2, ETO_OPAQUE, &all, text,
                      length, nullptr);
        int split = inner.left + (inner.right - inner.left) * percent / 100;
        int glyphs = 0;
        int solid = 0;
        for (int y = inner.top; y < inner.bottom; ++y) {
            for (int x = inner.left; x < inner.right; ++x) {
                bool glyph = (::GetPixel(memory, x, y) & 0xFFFFFF) != 0xFFFFFF;
                uint32_t back = x < split ? kBlue : kWhite;
                // Smoothed glyph edges: any colour but the background.
                ASSERT_EQ(shot.At(x, y) != back, glyph) << percent << "% at " << x << "," << y << ", split " << split;
                glyphs += glyph;
                solid += glyph && shot.At(x, y) == (x < split ? kWhite : kBlue);
            }
        }
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        EXPECT_GT(solid, 5) << percent << "%: glyphs white on the bar, blue beside it (" << glyphs << ")";
        EXPECT_NE(shot.At(0, shot.height / 2), kBlue) << "the outer pixel ring is left alone";
        EXPECT_NE(shot.At(shot.width - 1, shot.height / 2), kBlue);
    }
    // A repaint of the dialog draws the bar again.
    dialog.DispScale(60);
    ::RedrawWindow(dialog.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpPending();
    Snapshot repainted(bar);
    EXPECT_EQ(repainted.At(1, 1), kBlue);
    EXPECT_EQ(repainted.At(repainted.width - 2, 1), kWhite);
    dialog.Term();
}

TEST_F(ScaleDialog, SubBarDrivenByTheCallerAndWalkingOnTimer10)
{
    CScaleDlg driven;
    driven.Init(2, 2);
    ASSERT_EQ(driven.Create(), 1);
    PumpPending();
    EXPECT_TRUE(g_setTimers.empty()) << "a driven sub bar has no timer";
    HWND sub = Item(driven, IDC_ZR8_SCALE_SUB);
    int right = Snapshot(sub).width - 1;  // the inner rectangle's right edge, filled too
    int unit = (right - 1) / 20;
    for (short position : {0, 5, 42, 95, 100}) {
        driven.DispSubScale(position);
        int left = position * 20 / 100 * unit + 1;
        EXPECT_EQ(Snapshot(sub).BlueColumns(), std::make_pair(left, std::min(left + 2 * unit, right))) << position;
    }
    driven.DispScale(50);  // then DispSubScale draws the main bar again
    HWND mainBar = Item(driven, IDC_ZR8_SCALE_MAIN);
    ::RedrawWindow(mainBar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_NE(Snapshot(mainBar).At(2, 2), kBlue);
    driven.DispSubScale(10);
    EXPECT_EQ(Snapshot(mainBar).At(2, 2), kBlue);
    driven.Term();

    CScaleDlg walking;
    walking.Init(2, 1);
    ASSERT_EQ(walking.Create(), 1);
    ASSERT_EQ(g_setTimers.size(), 1u);
    EXPECT_EQ(g_setTimers[0].id, 10u);
    EXPECT_EQ(g_setTimers[0].elapse, 500u);
    // Real ticks move the block one unit each (bounded wait).
    sub = Item(walking, IDC_ZR8_SCALE_SUB);
    std::vector<int> seen;
    for (DWORD start = ::GetTickCount(); seen.size() < 3 && ::GetTickCount() - start < 4000;) {
        walking.CheckMessage_W();
        int first = Snapshot(sub).BlueColumns().first;
        if (first >= 0 && (seen.empty() || seen.back() != first))
            seen.push_back(first);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    ASSERT_EQ(seen.size(), 3u) << "three ticks within 4 s";
    EXPECT_EQ(seen[2] - seen[1], unit);
    EXPECT_EQ(seen[1] - seen[0], unit);
    // Driven ticks of the restarted timer: past the next 0 and a whole round.
    walking.SubScaleStop();
    walking.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 2u);
    TIMERPROC tick = g_setTimers[1].proc;
    UINT_PTR id = g_setTimers[1].result;
    ::RedrawWindow(sub, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    tick(nullptr, WM_TIMER, id + 1, 0);
    EXPECT_EQ(Snapshot(sub).BlueColumns().first, -1) << "a tick of another timer draws nothing";
    std::vector<int> walk;
    for (int i = 0; i < 44; ++i) {
        tick(nullptr, WM_TIMER, id, 0);
        walk.push_back(Snapshot(sub).BlueColumns().first);
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

TEST_F(ScaleDialog, AbortByARealClickDuringALongLoopThenTerm)
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
    EXPECT_FALSE(g_killTimers.empty()) << "the abort stops the sub-bar timer";
    // After an abort Term neither draws 100 nor waits (its wait would pass
    // the probes on), and enables the main window again.
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 0);
    Snapshot bar(Item(dialog, IDC_ZR8_SCALE_MAIN));
    EXPECT_EQ(bar.At(bar.width - 3, 2), kWhite) << "still at " << stoppedAt % 50 << "%";
    EXPECT_TRUE(m_main.IsWindowEnabled());
    dialog.AbortReset();
    EXPECT_EQ(dialog.CheckAbort(), 0);
}

TEST_F(ScaleDialog, TermShowsHundredAndWaitsWhenNotAborted)
{
    CScaleDlg dialog;
    dialog.Init(3, 0);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    dialog.DispScale(60);
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    int right = Snapshot(bar).width - 3;
    EXPECT_EQ(Snapshot(bar).At(right, 2), kWhite);
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 2) << "Term's wait passes messages on";
    EXPECT_EQ(Snapshot(bar).At(right, 2), kBlue) << "drawn at 100";
    EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd())) << "the window stays until the object goes";
}

TEST_F(ScaleDialog, TimerErrorWhenTheTimerCannotStart)
{
    g_failTimers = true;
    CScaleDlg dialog;
    dialog.Init(2, 1);
    EXPECT_EQ(dialog.Create(), 0);
    dialog.SubScaleRestart();
    g_failTimers = false;
    dialog.SubScaleRestart();
    using Box = std::pair<std::string, UINT>;
    EXPECT_EQ(g_boxes, (std::vector<Box>{{"timer error", MB_OK}, {"timer error", MB_OK}}))
        << "one box from Create, one from the failed restart";
    EXPECT_EQ(g_setTimers.back().id, 10u);
    dialog.Term();
}

TEST_F(ScaleDialog, LeavesNoGdiObjectBehind)
{
    GdiObjectCount count;
    {
        CScaleDlg dialog;
        dialog.Init(3, 1);
        ASSERT_EQ(dialog.Create(), 1);
        for (short step = 0; step <= 100; step += 10) {
            dialog.DispScale(step);
            dialog.DispSubScale(step);
            dialog.CheckMessage_W();
        }
        dialog.Term();
    }
    EXPECT_GT(count.Created(), 0u);
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
