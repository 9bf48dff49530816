// CScaleDlg: the modeless progress window shown during a host's long job.
// A message line, a main bar with its percentage, an optional sub bar that
// walks by itself on a timer or is driven by the caller, and an optional
// "中止" (abort) button. The job runs on the user-interface thread and calls
// CheckMessage or CheckMessage_W now and then so that the window repaints
// and the button can be pressed; CheckAbort then tells it to stop.
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
    // Dialog types (Init's first argument): whether the host's main window
    // is disabled, whether there is an abort button; every type but the
    // first passes messages on while the job runs.
    enum {
        TypeDisabling = 0,       // no abort button, no message pumping
        TypeDisablingAbort = 1,
        TypeEnabled = 2,         // the main window left enabled, no abort button
        TypeEnabledAbort = 3
    };
    // Sub-bar modes (Init's second argument); any other value: a bar the
    // caller draws with DispSubScale.
    enum {
        SubScaleNone = 0,     // the sub bar is hidden
        SubScaleWalking = 1   // a block walks across the bar every 500 ms (timer 10)
    };

    // parent is not used: the window has no parent or owner.
    explicit CScaleDlg(CWnd* parent = nullptr);
    ~CScaleDlg() override;

    // Before Create. Disables the host's main window for the disabling
    // types, then lets messages through (all but TypeDisabling) for 500 ms.
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
    // handling; nothing for TypeDisabling.
    void CheckMessage();
    // Every waiting message, up to the first one the dialog's keyboard
    // handling takes; nothing for TypeDisabling.
    void CheckMessage_W();
    // 1 after the abort button was pressed.
    int CheckAbort();
    void AbortReset();

    void SubScaleStop();
    // Gives the dialog the focus and restarts the walking sub bar.
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
    int m_nSubScale;      // SubScaleNone, SubScaleWalking or caller-drawn
    short m_nType;        // TypeDisabling ... TypeEnabledAbort
    int m_bAbort;         // 1 after the abort button
    short m_nPercent;     // last percent drawn on the main bar; -1 none yet
    int m_bPump;          // 1: the wait loops and CheckMessage pass messages on
    CGdi* m_pGdi;         // created by Create when a sub bar is used
    bool m_bMainDisabled; // Init disabled the host's main window, Term not yet run
};
