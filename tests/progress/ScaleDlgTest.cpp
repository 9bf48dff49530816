// CScaleDlg under Wine: the library's template as the host finds it, each
// dialog type, the bars' pixels, the sub bar's walk (real timer and driven
// ticks), message pumping, a real click on "中止" during a long loop, Term,
// the "timer error" path, and no GDI object left behind.
#include <windows.h>

#include <gtest/gtest.h>

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

const uint32_t kBlue = 0x0000FF;   // 0xRRGGBB as read back
const uint32_t kWhite = 0xFFFFFF;
const UINT kProbeMessage = WM_USER + 77;

void LinkLibraryOnce()
{
    static bool linked = false;
    if (!linked)
        InitWinLibDLL();
    linked = true;
}

// Pixels of a window's client area, copied from its DC.
class Snapshot {
public:
    explicit Snapshot(HWND hwnd)
    {
        RECT client;
        ::GetClientRect(hwnd, &client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC memory = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        HDC source = ::GetDC(hwnd);
        ::BitBlt(memory, 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
        ::ReleaseDC(hwnd, source);
        ::GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        m_pixels.assign(pixels, pixels + m_width * m_height);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
    }
    uint32_t At(int x, int y) const { return m_pixels[y * m_width + x] & 0xFFFFFF; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    std::vector<uint32_t> m_pixels;
};

// Where the glyphs of text fall when drawn at (x, y) with a fresh DC's font.
std::vector<bool> GlyphMask(HWND like, const char* text, int x, int y, int width, int height)
{
    HDC windowDc = ::GetDC(like);
    HDC memory = ::CreateCompatibleDC(windowDc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(windowDc, width, height);
    ::ReleaseDC(like, windowDc);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    ::SetBkColor(memory, RGB(255, 255, 255));
    ::SetTextColor(memory, RGB(0, 0, 0));
    ::ExtTextOutA(memory, x, y, ETO_OPAQUE, &all, text, static_cast<UINT>(strlen(text)), nullptr);
    std::vector<bool> mask(static_cast<size_t>(width) * height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            mask[j * width + i] = (::GetPixel(memory, i, j) & 0xFFFFFF) != 0xFFFFFF;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return mask;
}

int g_probeCount = 0;
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbeMessage)
        ++g_probeCount;
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
    UINT_PTR result = g_failTimers ? 0 : ::SetTimer(hwnd, id, elapse, proc);
    g_setTimers.push_back({id, elapse, proc, result});
    return result;
}
BOOL WINAPI RecordKillTimer(HWND hwnd, UINT_PTR id)
{
    g_killTimers.push_back(id);
    return ::KillTimer(hwnd, id);
}
int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT type)
{
    g_boxes.push_back({text != nullptr ? text : "", type});
    return IDOK;
}

class ScaleDialog : public ::testing::Test {
protected:
    ScaleDialog()
        : m_app("scale test"),
          m_setTimer(::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "SetTimer",
                     reinterpret_cast<void*>(RecordSetTimer)),
          m_killTimer(::GetModuleHandleA("zr8wlib.dll"), "user32.dll", "KillTimer",
                      reinterpret_cast<void*>(RecordKillTimer)),
          m_messageBox(::GetModuleHandleA("zr8afx.dll"), "user32.dll", "MessageBoxA",
                       reinterpret_cast<void*>(RecordMessageBox))
    {
        LinkLibraryOnce();
        WNDCLASSA probeClass = {};
        probeClass.lpfnWndProc = ProbeProc;
        probeClass.hInstance = ::GetModuleHandleA(nullptr);
        probeClass.lpszClassName = "Zr8ScaleProbe";
        ::RegisterClassA(&probeClass);
        m_probe = ::CreateWindowExA(0, "Zr8ScaleProbe", "probe", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        m_main.Attach(::CreateWindowExA(0, "Zr8ScaleProbe", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                        nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
        m_app.m_pMainWnd = &m_main;
        g_setTimers.clear();
        g_killTimers.clear();
        g_boxes.clear();
        g_failTimers = false;
        g_probeCount = 0;
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
        ASSERT_TRUE(m_setTimer.Ok() && m_killTimer.Ok() && m_messageBox.Ok());
    }
    // Posts count probe messages; returns how many were dispatched by work.
    template <typename Work>
    int ProbesDispatched(int count, Work&& work)
    {
        g_probeCount = 0;
        for (int i = 0; i < count; ++i)
            ::PostMessageA(m_probe, kProbeMessage, 0, 0);
        work();
        int dispatched = g_probeCount;
        MSG msg;
        while (::PeekMessageA(&msg, m_probe, kProbeMessage, kProbeMessage, PM_REMOVE)) {
        }
        return dispatched;
    }
    static HWND Item(CScaleDlg& dialog, int id) { return ::GetDlgItem(dialog.GetSafeHwnd(), id); }
    // The first and last column of the sub bar in the bar colour; -1 when none.
    static std::pair<int, int> BlockColumns(CScaleDlg& dialog)
    {
        Snapshot bar(Item(dialog, IDC_ZR8_SCALE_SUB));
        int first = -1;
        int last = -1;
        int y = bar.Height() / 2;
        for (int x = 0; x < bar.Width(); ++x) {
            if (bar.At(x, y) == kBlue) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        return {first, last};
    }

    CWinApp m_app;
    CWnd m_main;
    HWND m_probe;
    ImportPatch m_setTimer;
    ImportPatch m_killTimer;
    ImportPatch m_messageBox;
};

// The standard dialog template: the parts the dialog is built from.
struct TemplateItem {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    WORD classAtom;
    std::wstring text;
};

const WORD* SkipSzOrOrd(const WORD* p, WORD* ordinal, std::wstring* text)
{
    if (*p == 0xFFFF) {
        if (ordinal != nullptr)
            *ordinal = p[1];
        return p + 2;
    }
    std::wstring value;
    while (*p != 0)
        value.push_back(static_cast<wchar_t>(*p++));
    if (text != nullptr)
        *text = value;
    return p + 1;
}

TEST_F(ScaleDialog, TemplateAsTheHostFindsIt)
{
    HINSTANCE library = ::GetModuleHandleA("zr8wlib.dll");
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_ZR8_SCALE), RT_DIALOG), library)
        << "found through the resource chain";
    HRSRC found = ::FindResourceExA(library, RT_DIALOG, MAKEINTRESOURCEA(1572),
                                    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_NE(found, nullptr) << "a Japanese resource";
    const auto* dialog = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(library, found)));
    EXPECT_EQ(dialog->style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog->x, 48);
    EXPECT_EQ(dialog->y, 31);
    EXPECT_EQ(dialog->cx, 250);
    EXPECT_EQ(dialog->cy, 105);
    ASSERT_EQ(dialog->cdit, 4);
    const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
    p = SkipSzOrOrd(p, nullptr, nullptr);  // menu
    p = SkipSzOrOrd(p, nullptr, nullptr);  // class
    std::wstring caption;
    p = SkipSzOrOrd(p, nullptr, &caption);
    EXPECT_EQ(caption, L"");
    EXPECT_EQ(*p++, 9) << "point size";
    std::wstring face;
    p = SkipSzOrOrd(p, nullptr, &face);
    EXPECT_EQ(face, L"ＭＳ ゴシック");
    const TemplateItem expected[] = {
        {WS_CHILD | WS_VISIBLE | SS_CENTER, 5, 10, 240, 18, 133, 0x82, L""},
        {WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 38, 240, 20, 288, 0x82, L""},
        {WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 98, 83, 54, 14, 1000, 0x80, L"中止"},
        {WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 65, 240, 8, 289, 0x82, L""},
    };
    for (const TemplateItem& want : expected) {
        p = reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR(3));
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        EXPECT_EQ(item->style, want.style) << want.id;
        EXPECT_EQ(item->x, want.x) << want.id;
        EXPECT_EQ(item->y, want.y) << want.id;
        EXPECT_EQ(item->cx, want.cx) << want.id;
        EXPECT_EQ(item->cy, want.cy) << want.id;
        EXPECT_EQ(item->id, want.id);
        p = reinterpret_cast<const WORD*>(item + 1);
        WORD atom = 0;
        std::wstring className;
        p = SkipSzOrOrd(p, &atom, &className);
        // windres writes a CONTROL statement's class by name.
        const wchar_t* name = want.classAtom == 0x80 ? L"Button" : L"Static";
        EXPECT_TRUE(atom == want.classAtom || _wcsicmp(className.c_str(), name) == 0) << want.id;
        std::wstring text;
        p = SkipSzOrOrd(p, nullptr, &text);
        EXPECT_EQ(text, want.text) << want.id;
        p += 1 + *p / sizeof(WORD);  // creation data
    }
}

TEST_F(ScaleDialog, WindowAsTheUserSeesIt)
{
    CScaleDlg dialog(&m_main);
    dialog.Init(3, 2);
    ASSERT_EQ(dialog.Create(), 1);
    HWND hwnd = dialog.GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(::GetParent(hwnd), nullptr) << "no parent, no owner";
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(dialog.m_nIDHelp, 1572u);
    char text[32] = {};
    ::GetWindowTextA(Item(dialog, IDC_ZR8_SCALE_ABORT), text, sizeof text);
    EXPECT_STREQ(text, "\x92\x86\x8E\x7E") << "中止 in Shift-JIS";
    dialog.DispMessage(const_cast<char*>("\x8F\x88\x97\x9D\x92\x86"));  // 処理中
    ::GetWindowTextA(Item(dialog, IDC_ZR8_SCALE_MESSAGE), text, sizeof text);
    EXPECT_STREQ(text, "\x8F\x88\x97\x9D\x92\x86");
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E") << "ＭＳ ゴシック";
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72));
    ::ReleaseDC(nullptr, screen);
    // Centred on the screen.
    RECT bounds;
    ::GetWindowRect(hwnd, &bounds);
    EXPECT_EQ(bounds.left, (::GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);
    EXPECT_EQ(bounds.top, (::GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2);
    // Enter and Esc leave it open.
    ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    ::SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(hwnd));
    dialog.Term();
}

TEST_F(ScaleDialog, EachTypeDisablesShowsAndPumpsAsListed)
{
    const struct {
        short type;
        bool mainDisabled;
        bool button;
        bool pumps;
    } table[] = {{0, true, false, false}, {1, true, true, true},  {2, false, false, true},
                 {3, false, true, true},  {-1, true, true, false}, {4, false, true, false}};
    for (const auto& row : table) {
        m_main.EnableWindow(TRUE);
        CScaleDlg dialog;
        int waited = ProbesDispatched(2, [&] { dialog.Init(row.type, 0); });
        EXPECT_EQ(waited, row.pumps ? 2 : 0) << "type " << row.type << ": Init's wait loop";
        EXPECT_EQ(!m_main.IsWindowEnabled(), row.mainDisabled) << "type " << row.type;
        ASSERT_EQ(dialog.Create(), 1);
        HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT);
        EXPECT_EQ(::IsWindowVisible(button) != FALSE, row.button) << "type " << row.type;
        EXPECT_EQ(::IsWindowEnabled(button) != FALSE, row.button) << "type " << row.type;
        EXPECT_FALSE(::IsWindowVisible(Item(dialog, IDC_ZR8_SCALE_SUB))) << "sub scale 0 hides the sub bar";
        EXPECT_FALSE(::IsWindowEnabled(Item(dialog, IDC_ZR8_SCALE_SUB)));
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage(); }), row.pumps ? 1 : 0) << "type " << row.type;
        EXPECT_EQ(ProbesDispatched(3, [&] { dialog.CheckMessage_W(); }), row.pumps ? 3 : 0) << "type " << row.type;
        dialog.Term();
        EXPECT_TRUE(m_main.IsWindowEnabled()) << "type " << row.type << ": enabled again by Term";
        EXPECT_TRUE(g_setTimers.empty()) << "no timer without a walking sub bar";
    }
}

TEST_F(ScaleDialog, CheckMessageWaitsForTheDialogsKeyboardHandling)
{
    CScaleDlg dialog;
    dialog.Init(2, 0);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    // A key for the dialog stops CheckMessage_W; what follows stays queued.
    ::PostMessageA(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.CheckMessage_W(); }), 0);
    dialog.Term();
}

TEST_F(ScaleDialog, MainBarPixelsAndTextAtAFewPercentages)
{
    CScaleDlg dialog;
    dialog.Init(2, 0);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    RECT client;
    ::GetClientRect(bar, &client);
    RECT inner = {1, 1, client.right - 1, client.bottom - 1};
    for (short percent : {0, 7, 37, 60, 100}) {
        dialog.DispScale(percent);
        Snapshot shot(bar);
        char text[8];
        wsprintfA(text, "%3d%%", percent);
        HDC dc = ::GetDC(bar);
        SIZE extent;
        ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        ::ReleaseDC(bar, dc);
        int x = (inner.right - extent.cx) / 2;
        int y = (inner.bottom - extent.cy) / 2;
        std::vector<bool> glyphs = GlyphMask(bar, text, x, y, client.right, client.bottom);
        int split = inner.left + (inner.right - inner.left) * percent / 100;
        int glyphPixels = 0;
        int fullGlyphPixels = 0;
        for (int j = inner.top; j < inner.bottom; ++j) {
            for (int i = inner.left; i < inner.right; ++i) {
                bool glyph = glyphs[j * client.right + i];
                glyphPixels += glyph;
                uint32_t back = i < split ? kBlue : kWhite;
                uint32_t fore = i < split ? kWhite : kBlue;
                // Glyph edges may be smoothed: a glyph pixel is any but the
                // background, and its full-coverage pixels are the text colour.
                uint32_t pixel = shot.At(i, j);
                ASSERT_EQ(pixel != back, glyph) << percent << "% at " << i << "," << j << " (split " << split << ")";
                fullGlyphPixels += pixel == fore;
            }
        }
        EXPECT_GT(glyphPixels, 20) << "the text is drawn";
        EXPECT_GT(fullGlyphPixels, 5) << "in the text colour of its part";
        // The frame pixels just inside the border are left alone.
        EXPECT_NE(shot.At(0, client.bottom / 2), kBlue) << percent;
        EXPECT_NE(shot.At(client.right - 1, client.bottom / 2), kBlue) << percent;
    }
    // A repaint of the dialog draws the bar again.
    dialog.DispScale(60);
    ::RedrawWindow(dialog.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpPending();
    Snapshot repainted(bar);
    EXPECT_EQ(repainted.At(inner.left, inner.top), kBlue);
    EXPECT_EQ(repainted.At(inner.right - 1, inner.top), kWhite);
    dialog.Term();
}

TEST_F(ScaleDialog, SubBarDrivenByTheCaller)
{
    CScaleDlg dialog;
    dialog.Init(2, 2);
    ASSERT_EQ(dialog.Create(), 1);
    PumpPending();
    EXPECT_TRUE(g_setTimers.empty()) << "a driven sub bar has no timer";
    HWND sub = Item(dialog, IDC_ZR8_SCALE_SUB);
    EXPECT_TRUE(::IsWindowVisible(sub));
    RECT client;
    ::GetClientRect(sub, &client);
    int left = 1;
    int right = client.right - 1;  // the inner rectangle's right edge, filled too
    int unit = (right - left) / 20;
    for (short position : {0, 5, 42, 95, 100}) {
        dialog.DispSubScale(position);
        int blockLeft = position * 20 / 100 * unit + left;
        int blockRight = blockLeft + 2 * unit < right ? blockLeft + 2 * unit : right;
        auto columns = BlockColumns(dialog);
        EXPECT_EQ(columns.first, blockLeft) << position;
        EXPECT_EQ(columns.second, blockRight) << position << ": the right edge is filled too";
    }
    // The main bar is drawn again with the sub bar once a percent was shown.
    dialog.DispScale(50);
    HWND mainBar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    ::InvalidateRect(mainBar, nullptr, TRUE);
    ::UpdateWindow(mainBar);
    EXPECT_NE(Snapshot(mainBar).At(2, 2), kBlue);
    dialog.DispSubScale(10);
    EXPECT_EQ(Snapshot(mainBar).At(2, 2), kBlue);
    dialog.Term();
}

TEST_F(ScaleDialog, SubBarWalksOnTimer10InStepsOfFive)
{
    CScaleDlg dialog;
    dialog.Init(2, 1);
    ASSERT_EQ(dialog.Create(), 1);
    ASSERT_EQ(g_setTimers.size(), 1u);
    EXPECT_EQ(g_setTimers[0].id, 10u);
    EXPECT_EQ(g_setTimers[0].elapse, 500u);
    ASSERT_NE(g_setTimers[0].result, 0u);
    PumpPending();
    RECT client;
    ::GetClientRect(Item(dialog, IDC_ZR8_SCALE_SUB), &client);
    int unit = (client.right - 2) / 20;

    // Real ticks: the block moves one unit per tick (bounded wait).
    std::vector<int> seen;
    DWORD start = ::GetTickCount();
    while (seen.size() < 3 && ::GetTickCount() - start < 4000) {
        dialog.CheckMessage_W();
        int first = BlockColumns(dialog).first;
        if (first >= 0 && (seen.empty() || seen.back() != first))
            seen.push_back(first);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    ASSERT_EQ(seen.size(), 3u) << "three ticks within 4 s";
    EXPECT_EQ(seen[1] - seen[0], unit);
    EXPECT_EQ(seen[2] - seen[1], unit);

    // Driven ticks through the same procedure: a whole walk and the wrap.
    dialog.SubScaleStop();
    dialog.SubScaleRestart();
    ASSERT_EQ(g_setTimers.size(), 2u);
    TIMERPROC tick = g_setTimers[1].proc;
    UINT_PTR id = g_setTimers[1].result;
    ::InvalidateRect(Item(dialog, IDC_ZR8_SCALE_SUB), nullptr, TRUE);
    ::UpdateWindow(Item(dialog, IDC_ZR8_SCALE_SUB));
    ASSERT_EQ(BlockColumns(dialog).first, -1) << "the bar erased";
    tick(nullptr, WM_TIMER, id + 1, 0);
    EXPECT_EQ(BlockColumns(dialog).first, -1) << "a tick of another timer draws nothing";
    // After the restart the position goes on from where it was: walk past
    // the next 0 and one whole round after it.
    std::vector<int> walk;
    for (int i = 0; i < 44; ++i) {
        tick(nullptr, WM_TIMER, id, 0);
        walk.push_back(BlockColumns(dialog).first);
    }
    int zero = 1;
    while (zero < 22 && !(walk[zero] == 1 && walk[zero - 1] != 1))
        ++zero;
    ASSERT_LT(zero, 22) << "the walk returns to 0";
    for (int step = 0; step <= 21; ++step)
        EXPECT_EQ(walk[zero + step], 1 + step % 21 * unit) << "step " << step << ": 0, 5, ..., 100, 0";
    dialog.Term();
    EXPECT_FALSE(g_killTimers.empty());
    EXPECT_EQ(g_killTimers.back(), id) << "Term stops the timer";
}

TEST_F(ScaleDialog, AbortPressedWithARealClickDuringALongLoop)
{
    CScaleDlg dialog;
    dialog.Init(1, 1);
    ASSERT_EQ(dialog.Create(), 1);
    EXPECT_FALSE(m_main.IsWindowEnabled());
    HWND hwnd = dialog.GetSafeHwnd();
    ::SetForegroundWindow(hwnd);
    PumpPending();
    HWND button = Item(dialog, IDC_ZR8_SCALE_ABORT);
    int clickedAt = -1;
    int stoppedAt = -1;
    DWORD start = ::GetTickCount();
    for (int step = 0; ::GetTickCount() - start < 5000; ++step) {
        dialog.DispScale(static_cast<short>(step % 50));
        ::Sleep(2);  // the job's work
        dialog.CheckMessage();
        if (dialog.CheckAbort()) {
            stoppedAt = step;
            break;
        }
        if (step == 20) {
            SendClick(button);
            clickedAt = step;
        }
    }
    ASSERT_GT(stoppedAt, clickedAt) << "the abort was seen by the loop after the click";
    EXPECT_EQ(clickedAt, 20);
    EXPECT_FALSE(g_killTimers.empty()) << "the abort stops the sub-bar timer";
    // After an abort Term neither draws 100 nor waits (its wait would have
    // passed the probes on).
    short last = static_cast<short>(stoppedAt % 50);
    HWND bar = Item(dialog, IDC_ZR8_SCALE_MAIN);
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 0);
    RECT client;
    ::GetClientRect(bar, &client);
    EXPECT_EQ(Snapshot(bar).At(client.right - 3, 2), last < 99 ? kWhite : kBlue) << "still " << last << "%";
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
    RECT client;
    ::GetClientRect(bar, &client);
    EXPECT_EQ(Snapshot(bar).At(client.right - 3, 2), kWhite);
    EXPECT_EQ(ProbesDispatched(2, [&] { dialog.Term(); }), 2) << "Term's wait passes messages on";
    EXPECT_EQ(Snapshot(bar).At(client.right - 3, 2), kBlue) << "drawn at 100";
    EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd())) << "the window stays until the object goes";
    HWND hwnd = dialog.GetSafeHwnd();
    {
        CScaleDlg second;  // a new dialog resets the process-wide state
    }
    dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(ScaleDialog, TimerErrorWhenTheTimerCannotStart)
{
    g_failTimers = true;
    CScaleDlg dialog;
    dialog.Init(2, 1);
    EXPECT_EQ(dialog.Create(), 0);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].first, "timer error");
    EXPECT_EQ(g_boxes[0].second & 0xF, static_cast<UINT>(MB_OK));
    dialog.SubScaleRestart();
    EXPECT_EQ(g_boxes.size(), 2u) << "a failed restart says so too";
    g_failTimers = false;
    dialog.SubScaleRestart();
    EXPECT_EQ(g_boxes.size(), 2u);
    EXPECT_EQ(g_setTimers.back().id, 10u);
    dialog.Term();
}

TEST_F(ScaleDialog, LeavesNoGdiObjectBehind)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
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
