// CEditSub: the dialog item table's subclass of an edit. Hands Enter, Up,
// Down (unless it keeps them), the function keys and, for a linked command
// field, Space to the table; switches its IME on when it gets the focus
// and off when it loses it; and, with a reading field, writes the reading
// of what is being composed into that field.
#pragma once

#include "afx/CEdit.h"
#include "frame/WinLibApi.h"

class CDlgSb;
class CFep;

// Sent to the parent on each change of the edit: wParam (EN_CHANGE << 16) |
// control ID, lParam the edit's window.
#define WM_ZR8_EDITCHANGE (WM_USER + 1410)
// Posted by the edit to itself to switch the IME on once it is set up.
#define WM_ZR8_FEPON (WM_USER + 9500)

class ZR8WLIB_API CEditSub : public CEdit {
public:
    CEditSub();
    // Switches the IME off if this edit switched it on.
    ~CEditSub() override;

    // bKeepKeys: Enter, Up and Down stay with the edit (multi-line edits).
    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bKeepKeys);
    // Full-width (bKana 0) or half-width katakana input whenever the edit
    // gets the focus; bNow switches it on at once. pReading: the edit that
    // receives the reading, or NULL.
    int SetFep(short bNow, short a, short b, short bKana, CWnd* pReading);
    // Makes sure the edit starts with its IME closed.
    void FepAbsOff();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    UINT OnGetDlgCode() override;
    LRESULT OnFepOnNow();
    LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);

    short m_bSpaceForward;  // Space goes to the table (a linked command field)
    UINT m_nIndex;
    HWND m_hWndCtl;
    CDlgSb* m_pDlg;
    CFep* m_pFep;
    short m_nFepA;
    short m_nFepB;
    short m_bKana;
    int m_bFepOn;  // this edit has switched the IME on
    short m_bKeepKeys;
    CWnd* m_pReading;
    char m_szBase[1024];  // the reading field's text when composing began, plus committed readings
    char m_szDisp[1024];  // what was last written into the reading field
    int m_bBaseCaptured;

private:
    friend class CDlgSb;  // sets the space-forward flag

    bool RoutesToTable(UINT nKey) const;
    void AppendReading(char* pText, DWORD dwIndex, HIMC hImc) const;
};
