// A host dialog driven by a script: after OnInitDialog, one step runs per
// timer tick while DoModal's own loop is running, once the dialog is active
// and no input is waiting, so each step sees the effects of the keys the
// previous step sent. The dialog ends
// after the last step (or when a step ends it), and in any case after a
// time limit.
#pragma once

#include <functional>
#include <set>
#include <vector>

#include "afx/CDialog.h"
#include "MessageLog.h"

class ScriptedDialog : public CDialog {
public:
    typedef std::function<void(ScriptedDialog&)> Step;

    explicit ScriptedDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}

    // Runs inside OnInitDialog; its result is OnInitDialog's (FALSE when it
    // set the focus itself).
    std::function<BOOL(ScriptedDialog&)> onInit;
    std::vector<Step> steps;
    // Messages the dialog records in log (also while the steps run).
    std::set<UINT> recorded;
    MessageLog log;
    int stepsRun = 0;
    bool timedOut = false;

    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    int FocusID() const { return ::GetDlgCtrlID(::GetFocus()); }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        BOOL result = onInit ? onInit(*this) : TRUE;
        SetTimer(kStepTimer, 40);
        SetTimer(kLimitTimer, 20000);
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (recorded.count(message) != 0)
            log.Add(m_hWnd, message, wParam, lParam);
        if (message == WM_TIMER && (wParam == kStepTimer || wParam == kLimitTimer)) {
            if (wParam == kLimitTimer) {
                timedOut = true;
                EndDialog(-2);
            } else if (!Settled() && m_waits++ < 50) {
                // Not yet: the next tick looks again.
            } else if (stepsRun < static_cast<int>(steps.size())) {
                m_waits = 0;
                steps[stepsRun++](*this);
            } else {
                KillTimer(kStepTimer);
                EndDialog(IDABORT);
            }
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    // Under load the window system's activation can come in after the
    // first tick, and a step must not look at what the last one's input
    // has yet to do: both wait (a second at most).
    bool Settled() const { return ::GetForegroundWindow() == m_hWnd && HIWORD(::GetQueueStatus(QS_INPUT)) == 0; }

    int m_waits = 0;
    static const UINT_PTR kStepTimer = 0x7E57;
    static const UINT_PTR kLimitTimer = 0x7E58;
};
