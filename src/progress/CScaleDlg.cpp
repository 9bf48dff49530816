#include "CScaleDlg.h"

#include <cstdio>
#include <new>

#include "afx/AfxModule.h"
#include "afx/CPaintDC.h"
#include "afx/CWinApp.h"
#include "grid/CGdi.h"
#include "resources/resource.h"

namespace {

const COLORREF kBarColour = RGB(0, 0, 255);
const COLORREF kBackColour = RGB(255, 255, 255);
const UINT_PTR kSubScaleTimer = 10;
const UINT kSubScaleInterval = 500;
const DWORD kInitWait = 500;
const DWORD kTermWait = 300;
const int kSubScaleStep = 5;

// One progress dialog at a time: the timer's dialog, the running timer's
// identifier (0 = none) and the walking block's position.
CScaleDlg* g_timerDialog = nullptr;
UINT_PTR g_timerId = 0;
int g_subPosition = 0;

// The library's own module, for its dialog template.
HINSTANCE LibraryModule()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&LibraryModule), &module);
    return module;
}

// The control's client rectangle less one pixel on each side.
bool InnerRect(CWnd* control, RECT* rect)
{
    if (control == nullptr || control->GetSafeHwnd() == nullptr)
        return false;
    control->GetClientRect(rect);
    ::InflateRect(rect, -1, -1);
    return true;
}

} // namespace

// A thread timer: it reaches the dialog through whatever loop dispatches
// the thread's messages (the host's, the wait loops, CheckMessage).
void CALLBACK ScaleDlgTimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (idEvent != g_timerId || g_timerId == 0 || g_timerDialog == nullptr)
        return;
    g_timerDialog->DrawSubBar(static_cast<short>(g_subPosition));
    g_subPosition += kSubScaleStep;
    if (g_subPosition > 100)
        g_subPosition = 0;
}

CScaleDlg::CScaleDlg(CWnd*)
    : m_nSubScale(0), m_nType(0), m_bAbort(0), m_nPercent(-1), m_bPump(0), m_pGdi(nullptr),
      m_bMainDisabled(false)
{
    m_dlgSub.ChangeHelp(IDD_ZR8_SCALE, &m_nIDHelp);
    if (g_timerId != 0)
        ::KillTimer(nullptr, g_timerId);
    g_timerDialog = nullptr;
    g_timerId = 0;
    g_subPosition = 0;
}

CScaleDlg::~CScaleDlg()
{
    // Destroyed without Term: no tick may reach a dead dialog.
    if (g_timerDialog == this) {
        StopTimer();
        g_timerDialog = nullptr;
    }
    delete m_pGdi;
    // Before the window goes, so that activation can pass to the main window.
    if (m_bMainDisabled)
        EnableMainWindow(TRUE);
    DestroyWindow();
}

void CScaleDlg::Init(short type, int subScale)
{
    m_nType = type;
    m_nSubScale = subScale;
    m_bAbort = 0;
    if (type < TypeEnabled)
        EnableMainWindow(FALSE);
    m_bMainDisabled = type < TypeEnabled;
    m_bPump = type >= TypeDisablingAbort && type <= TypeEnabledAbort ? 1 : 0;
    PumpFor(kInitWait);
}

int CScaleDlg::Create()
{
    // The library's template even when the host has one of the same number.
    HINSTANCE hostResources = AfxGetResourceHandle();
    AfxSetResourceHandle(LibraryModule());
    BOOL created = CDialog::Create(IDD_ZR8_SCALE, nullptr);
    AfxSetResourceHandle(hostResources);
    if (!created)
        return 0;
    if (m_nType == TypeDisabling || m_nType == TypeEnabled) {
        CWnd* button = GetDlgItem(IDC_ZR8_SCALE_ABORT);
        if (button != nullptr) {
            button->ShowWindow(SW_HIDE);
            button->EnableWindow(FALSE);
        }
    }
    if (m_nSubScale != SubScaleNone) {
        m_pGdi = new (std::nothrow) CGdi;
        if (m_pGdi == nullptr)
            return 0;
    } else {
        CWnd* subBar = GetDlgItem(IDC_ZR8_SCALE_SUB);
        if (subBar != nullptr) {
            subBar->ShowWindow(SW_HIDE);
            subBar->EnableWindow(FALSE);
        }
    }
    g_timerDialog = this;
    if (m_nSubScale == SubScaleWalking && !StartTimer()) {
        MessageBox("timer error", nullptr, MB_OK);
        return 0;
    }
    return created;
}

void CScaleDlg::DispMessage(char* text)
{
    if (m_hWnd != nullptr)
        SetDlgItemText(IDC_ZR8_SCALE_MESSAGE, text != nullptr ? text : "");
}

void CScaleDlg::DispScale(short percent)
{
    m_nPercent = percent;
    DrawMainBar(percent);
}

void CScaleDlg::DispSubScale(short position)
{
    if (m_nPercent >= 0)
        DrawMainBar(m_nPercent);
    DrawSubBar(position);
}

void CScaleDlg::CheckMessage()
{
    if (m_bPump != 1)
        return;
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && !::IsDialogMessageA(m_hWnd, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CScaleDlg::CheckMessage_W()
{
    if (m_bPump != 1)
        return;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (::IsDialogMessageA(m_hWnd, &msg))
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

int CScaleDlg::CheckAbort()
{
    return m_bAbort;
}

void CScaleDlg::AbortReset()
{
    m_bAbort = 0;
}

void CScaleDlg::SubScaleStop()
{
    StopTimer();
}

void CScaleDlg::SubScaleRestart()
{
    SetFocus();
    if (m_nSubScale == SubScaleWalking && !StartTimer())
        MessageBox("timer error", nullptr, MB_OK);
}

void CScaleDlg::Term()
{
    if (m_bAbort == 0) {
        if (m_nPercent != 100)
            DispScale(100);
        PumpFor(kTermWait);
    }
    m_bMainDisabled = false;
    if (m_nType < TypeEnabled)
        EnableMainWindow(TRUE);
    StopTimer();
    delete m_pGdi;
    m_pGdi = nullptr;
}

void CScaleDlg::DoDataExchange(CDataExchange*) {}

BOOL CScaleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_dlgSub.CenteringDialog(this);
    return TRUE;
}

void CScaleDlg::OnOK() {}

void CScaleDlg::OnCancel() {}

void CScaleDlg::OnPaint()
{
    {
        CPaintDC dc(this);
    }
    if (m_nPercent < 0)
        return;
    // The bar control paints its own background after its parent: let it
    // do so first, so the bar drawn next stays.
    CWnd* mainBar = GetDlgItem(IDC_ZR8_SCALE_MAIN);
    if (mainBar != nullptr)
        mainBar->UpdateWindow();
    DrawMainBar(m_nPercent);
}

BOOL CScaleDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_ZR8_SCALE_ABORT && HIWORD(wParam) == BN_CLICKED) {
        OnAbort();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CScaleDlg::OnAbort()
{
    m_bAbort = 1;
    StopTimer();
}

void CScaleDlg::DrawMainBar(short percent)
{
    CWnd* bar = m_hWnd != nullptr ? GetDlgItem(IDC_ZR8_SCALE_MAIN) : nullptr;
    RECT inner;
    if (!InnerRect(bar, &inner))
        return;
    CDC* dc = bar->GetDC();
    if (dc == nullptr)
        return;
    int split = inner.left + (inner.right - inner.left) * percent / 100;
    char text[16];
    int length = std::snprintf(text, sizeof text, "%3d%%", percent);
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc->m_hDC, text, length, &extent);
    int x = (inner.right - extent.cx) / 2;
    int y = (inner.bottom - extent.cy) / 2;
    RECT filled = {inner.left, inner.top, split, inner.bottom};
    RECT rest = {split, inner.top, inner.right, inner.bottom};
    COLORREF oldBack = ::SetBkColor(dc->m_hDC, kBarColour);
    COLORREF oldText = ::SetTextColor(dc->m_hDC, kBackColour);
    ::ExtTextOutA(dc->m_hDC, x, y, ETO_OPAQUE | ETO_CLIPPED, &filled, text, length, nullptr);
    ::SetBkColor(dc->m_hDC, kBackColour);
    ::SetTextColor(dc->m_hDC, kBarColour);
    ::ExtTextOutA(dc->m_hDC, x, y, ETO_OPAQUE | ETO_CLIPPED, &rest, text, length, nullptr);
    ::SetBkColor(dc->m_hDC, oldBack);
    ::SetTextColor(dc->m_hDC, oldText);
    bar->ReleaseDC(dc);
}

void CScaleDlg::DrawSubBar(short position)
{
    CWnd* bar = m_hWnd != nullptr ? GetDlgItem(IDC_ZR8_SCALE_SUB) : nullptr;
    RECT inner;
    if (m_pGdi == nullptr || !InnerRect(bar, &inner))
        return;
    CDC* dc = bar->GetDC();
    if (dc == nullptr)
        return;
    m_pGdi->FillRect(dc, CRect(inner), kBackColour, kBackColour);
    int unit = (inner.right - inner.left) / 20;
    int left = (position * 20 / 100) * unit + inner.left;
    int right = left + 2 * unit;
    if (left > inner.right)
        left = inner.right;
    if (right > inner.right)
        right = inner.right;
    m_pGdi->FillRect(dc, CRect(left, inner.top, right, inner.bottom), kBarColour, kBarColour);
    bar->ReleaseDC(dc);
}

bool CScaleDlg::StartTimer()
{
    if (g_timerId != 0)
        ::KillTimer(nullptr, g_timerId);
    g_timerDialog = this;
    g_timerId = ::SetTimer(nullptr, kSubScaleTimer, kSubScaleInterval, ScaleDlgTimerProc);
    return g_timerId != 0;
}

void CScaleDlg::StopTimer()
{
    if (g_timerId == 0)
        return;
    ::KillTimer(nullptr, g_timerId);
    g_timerId = 0;
}

// Waits out the interval; with the pump flag set, waiting messages are
// translated and dispatched meanwhile. The thread sleeps while none waits.
void CScaleDlg::PumpFor(DWORD milliseconds)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        if (m_bPump != 1) {
            ::Sleep(milliseconds - elapsed);
            continue;
        }
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        }
    }
}

void CScaleDlg::EnableMainWindow(BOOL enable)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->GetSafeHwnd() != nullptr)
        app->m_pMainWnd->EnableWindow(enable);
}
