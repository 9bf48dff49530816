// CButtonSub: the dialog item table's subclass of a push button, check box
// or radio button. Hands its navigation keys to the table and reports each
// focus arrival; a check box reached with the mouse reports "no action",
// since the click itself toggles it.
#pragma once

#include "afx/CButton.h"
#include "frame/WinLibApi.h"

class CDlgSb;

class ZR8WLIB_API CButtonSub : public CButton {
public:
    CButtonSub();
    ~CButtonSub() override;

    // nKind: the item type (0 push button, 1 check box, 2 radio button).
    // 1 when the window is subclassed, else 0.
    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, UINT nKind);

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    UINT OnGetDlgCode() override;
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    int m_bClick;  // a check box was clicked: its next focus report takes no action
    UINT m_nIndex;
    HWND m_hWndCtl;
    UINT m_nKind;
    CDlgSb* m_pDlg;

private:
    bool RoutesToTable(UINT nKey) const;
};
