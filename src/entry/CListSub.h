// CListSub: the dialog item table's subclass of a list box. Enter, Left and
// Right go to the table (Left and Right move to the previous and next item);
// Up and Down move within the list.
#pragma once

#include "afx/CListBox.h"
#include "frame/WinLibApi.h"

class CDlgSb;

class ZR8WLIB_API CListSub : public CListBox {
public:
    CListSub();
    ~CListSub() override;

    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex);

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    UINT OnGetDlgCode() override;

    UINT m_nIndex;
    HWND m_hWndCtl;
    CDlgSb* m_pDlg;

private:
    static bool RoutesToTable(UINT nKey);
};
