// A host dialog with a dialog item table, driven by a script with real
// input (see ScriptedDialog). It records the messages the table sends to it;
// SheetWnd records those sent to an owning sheet.
#pragma once

#include <functional>

#include "afx/CWnd.h"
#include "entry/CDlgSb.h"
#include "entry/CEditSub.h"
#include "support/RealInput.h"
#include "support/ScriptedDialog.h"

const UINT kFuncKeyMsg = WM_APP + 1;
const UINT kCloseMsg = WM_APP + 2;
const UINT kCheckMsg = WM_APP + 3;
const UINT kLinkUpMsg = WM_APP + 10;
const UINT kLinkDownMsg = WM_APP + 11;
const UINT kLinkEnterMsg = WM_APP + 12;
const UINT kLinkSpaceMsg = WM_APP + 13;
const UINT kLinkFuncKeyMsg = WM_APP + 14;

class EntryDialog : public ScriptedDialog {
public:
    explicit EntryDialog(UINT nIDTemplate, CWnd* pParent = nullptr)
        : ScriptedDialog(nIDTemplate, pParent), templateId(nIDTemplate)
    {
        recorded = {kFuncKeyMsg, kCloseMsg, kCheckMsg, kLinkUpMsg, kLinkDownMsg, kLinkEnterMsg, kLinkSpaceMsg,
                    kLinkFuncKeyMsg, WM_ZR8_BEFOREFIRST, WM_ZR8_AFTERLAST, WM_ZR8_EDITCHANGE};
        onInit = [this](ScriptedDialog&) {
            if (beforeInit)
                beforeInit(*this);
            initResult = table.Init(this, templateId, kFuncKeyMsg, kCloseMsg, kCheckMsg, wrap, sheet, stop);
            if (afterInit)
                afterInit(*this);
            return FALSE;  // the table has set the focus
        };
    }

    CDlgSb table;
    UINT templateId;
    short wrap = 0, sheet = 0, stop = 0;
    int initResult = -1;
    std::function<void(EntryDialog&)> beforeInit, afterInit;
    std::vector<WPARAM> commands;  // WM_COMMAND as the dialog's handler sees it

    bool Checked(int nID) const { return ::SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Dropped(int nID) const { return ::SendMessageA(Item(nID), CB_GETDROPPEDSTATE, 0, 0) != 0; }
    UINT ButtonStyle(int nID) const { return static_cast<UINT>(::GetWindowLongA(Item(nID), GWL_STYLE) & 0x0F); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(wParam);
        return ScriptedDialog::OnCommand(wParam, lParam);
    }
};

class SheetWnd : public CWnd {
public:
    MessageLog log;

    bool Make()
    {
        return CreateEx(0, nullptr, "sheet", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr) != FALSE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ZR8_PREVPAGE || message == WM_ZR8_NEXTPAGE)
            log.Add(m_hWnd, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Notices and check messages: (message, wParam, 0) entries.
inline ExpectedMessage Notice(UINT message, WPARAM wParam = 0)
{
    return ExpectedMessage::Params(message, wParam, 0);
}
