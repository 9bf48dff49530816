// CComboSub: the dialog item table's subclass of a combo box. Enter goes to
// the table (which opens a closed list, or closes an open one and moves on);
// Up and Down move between items while the list is closed and within the
// list while it is open; Space on a closed list acts as Enter.
#pragma once

#include "afx/CComboBox.h"
#include "frame/WinLibApi.h"

class CDlgSb;

class ZR8WLIB_API CComboSub : public CComboBox {
public:
    CComboSub();
    ~CComboSub() override;

    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex);

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    UINT OnGetDlgCode() override;

    UINT m_nIndex;
    HWND m_hWndCtl;
    CDlgSb* m_pDlg;

private:
    bool IsDropped() const;
    bool RoutesToTable(UINT nKey) const;
};
