// CScaleDlg: the modeless progress window shown during a host's long job.
// A message line, a main bar with its percentage, an optional sub bar that
// walks by itself on a timer or is driven by the caller, and an optional
// "中止" (abort) button. The job runs on the user-interface thread and calls
// CheckMessage or CheckMessage_W now and then so that the window repaints
// and the button can be pressed; CheckAbort then tells it to stop.
//
// Dialog types (Init's first argument):
//   0  host's main window disabled, no abort button, no message pumping
//   1  host's main window disabled, abort button, pumping
//   2  main window left enabled, no abort button, pumping
//   3  main window left enabled, abort button, pumping
// Sub-bar modes: 0 none (the bar is hidden), 1 a block that walks across
// the bar every 500 ms (timer 10), any other value drawn by DispSubScale.
//
// Lifecycle: construct, Init, Create, updates and checks, Term, destroy.
// One progress dialog at a time: the timer state is process-wide.
#pragma once

#include "afx/CDialog.h"
#include "frame/WinLibApi.h"
#include "text/CDlgSub.h"

class CGdi;

class ZR8WLIB_API CScaleDlg : public CDialog {
public:
    // parent is not used: the window has no parent or owner.
    explicit CScaleDlg(CWnd* parent = nullptr);
    ~CScaleDlg() override;

    // Before Create. Disables the host's main window for types below 2,
    // then lets messages through (types 1 to 3) for 500 ms.
    void Init(short type, int subScale);
    // The window from the library's template 1572. 0 when the window, the
    // drawing object or the sub-bar timer cannot be made (the last after a
    // "timer error" box).
    int Create();

    void DispMessage(char* text);
    // Records percent and draws the main bar: filled up to percent, the
    // text "%3d%%" centred, white on the filled part, blue on the rest.
    void DispScale(short percent);
    // The main bar again (once a percent was shown), then the sub bar's
    // block at position 0 ... 100.
    void DispSubScale(short position);

    // One waiting message, unless it belongs to the dialog's keyboard
    // handling; nothing for type 0.
    void CheckMessage();
    // Every waiting message, up to the first one the dialog's keyboard
    // handling takes; nothing for type 0.
    void CheckMessage_W();
    // 1 after the abort button was pressed.
    int CheckAbort();
    void AbortReset();

    void SubScaleStop();
    // Gives the dialog the focus and restarts the walking sub bar (mode 1).
    void SubScaleRestart();
    // Shows 100 and waits 300 ms (unless aborted), enables the host's main
    // window again, stops the timer. The window stays until destruction;
    // destroyed without Term, it still enables the main window that Init
    // disabled: that window is disabled only while this one is shown.
    void Term();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Esc do not close the window.
    void OnOK() override;
    void OnCancel() override;
    void OnPaint() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    friend void CALLBACK ScaleDlgTimerProc(HWND, UINT, UINT_PTR, DWORD);

    void OnAbort();
    void DrawMainBar(short percent);
    void DrawSubBar(short position);
    bool StartTimer();
    void StopTimer();
    void PumpFor(DWORD milliseconds);
    void EnableMainWindow(BOOL enable);

    CDlgSub m_dlgSub;     // centring; keeps the help file and help id to put back
    int m_nSubScale;      // 0 none, 1 timer, other: caller-driven
    short m_nType;        // 0 ... 3, see above
    int m_bAbort;         // 1 after the abort button
    short m_nPercent;     // last percent drawn on the main bar; -1 none yet
    int m_bPump;          // 1: the wait loops and CheckMessage pass messages on
    CGdi* m_pGdi;         // created by Create when a sub bar is used
    bool m_bMainDisabled; // Init disabled the host's main window, Term not yet run
};
