// A host dialog with a dialog item table, played by a script of beats with
// real input (see ScriptedDialog). The dialog, and the sheet that owns it
// when there is one, record the table's messages in one log.
#pragma once

#include <functional>
#include <vector>

#include "EntryTestIds.h"
#include "controls/ControlsHarness.h"
#include "entry/CDlgSb.h"
#include "support/ScriptedDialog.h"

// The table's notices by number, as hosts handle them.
const UINT kPrevPage = 0x2746, kNextPage = 0x2750, kBeforeFirst = 0x275A, kAfterLast = 0x2764, kEditChange = 0x0982;
// The host's own messages, given to Init and SecretLink.
const UINT kFuncKeyMsg = WM_APP + 1, kCloseMsg = WM_APP + 2, kCheckMsg = WM_APP + 3;
const UINT kLinkUp = WM_APP + 10, kLinkDown = WM_APP + 11, kLinkEnter = WM_APP + 12, kLinkSpace = WM_APP + 13,
           kLinkFuncKey = WM_APP + 14;

class EntryDialog;
typedef std::function<void(EntryDialog&)> Act;

// An action (keys, clicks, calls); once the dialog has handled all it
// caused, the focus must be on item focus (0: not checked), the log must
// hold exactly log, and check runs.
struct Beat { Act act; int focus; std::vector<ExpectedMessage> log = {}; Act check = nullptr; };

inline Act Keys(std::initializer_list<WORD> list)
{
    return [keys = std::vector<WORD>(list)](EntryDialog&) {
        for (WORD vk : keys)
            SendKey(vk);
    };
}

class EntryDialog : public ScriptedDialog {
public:
    explicit EntryDialog(UINT nIDTemplate) : ScriptedDialog(nIDTemplate)
    {
        recorded = {kFuncKeyMsg, kCloseMsg, kCheckMsg, kLinkUp, kLinkDown, kLinkEnter, kLinkSpace, kLinkFuncKey,
                    kBeforeFirst, kAfterLast, kEditChange};
        onInit = [this, nIDTemplate](ScriptedDialog&) {
            if (beforeInit)
                beforeInit(*this);
            initResult = table.Init(this, nIDTemplate, kFuncKeyMsg, kCloseMsg, kCheckMsg, wrap, sheet, stop);
            if (afterInit)
                afterInit(*this);
            return FALSE;  // the table has set the focus
        };
    }

    CDlgSb table;
    short wrap = 0, sheet = 0, stop = 0;
    int initResult = -1;
    Act beforeInit, afterInit;
    Recorder<CWnd> sheetWnd;
    std::vector<WPARAM> commands;  // WM_COMMAND as the dialog's handler sees it

    bool Checked(int nID) const { return ::SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Dropped(int nID) const { return ::SendMessageA(Item(nID), CB_GETDROPPEDSTATE, 0, 0) != 0; }
    // The selection of a combo or list box (get: CB_GETCURSEL or LB_GETCURSEL); the push button type of a button.
    int Sel(int nID, UINT get) const { return static_cast<int>(::SendMessageA(Item(nID), get, 0, 0)); }
    LONG Look(int nID) const { return ::GetWindowLongA(Item(nID), GWL_STYLE) & 0x0F; }

    void OwnBySheet()
    {
        sheetWnd.out = &log;
        sheetWnd.recorded = {kPrevPage, kNextPage};
        // Hidden: a sheet that took the activation would race the dialog for it.
        sheetWnd.CreateEx(0, nullptr, "sheet", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr);
        m_pParentWnd = &sheetWnd;
    }

    // Plays the beats in DoModal and gives its result: IDABORT when the
    // script ran to its end, else how an action ended the dialog.
    INT_PTR Play(const std::vector<Beat>& beats)
    {
        for (size_t i = 0; i <= beats.size(); ++i) {
            steps.push_back([&beats, i](ScriptedDialog& s) {
                auto& d = static_cast<EntryDialog&>(s);
                if (i > 0) {
                    const Beat& done = beats[i - 1];
                    EXPECT_TRUE(done.focus == 0 || d.FocusID() == done.focus) << "beat " << i << ": " << d.FocusID();
                    if (done.check)
                        done.check(d);
                    EXPECT_TRUE(SequenceIs(d.log.Messages(), done.log)) << "beat " << i;
                    d.log.Clear();
                }
                if (i < beats.size() && beats[i].act)
                    beats[i].act(d);
            });
        }
        INT_PTR result = DoModal();
        EXPECT_TRUE(stepsRun >= static_cast<int>(beats.size()) && !timedOut);
        return result;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(wParam);
        return ScriptedDialog::OnCommand(wParam, lParam);
    }
};

// After before, gives item nID the focus as a click or a host would, then presses vk.
inline Act FocusThen(int nID, WORD vk, Act before = nullptr)
{
    return [=](EntryDialog& d) {
        if (before)
            before(d);
        ::SetFocus(d.Item(nID));
        SendKey(vk);
    };
}
