// CRetCombo: a combo box the library creates itself, which reports Enter
// and Escape to its owner as a return message (wParam 0 Enter, 1 Escape)
// and the host's listed keys as that message with wParam 0 and lParam the
// key. Reports go to the parent and to an optional second window. Space
// opens the list; Ctrl+Q goes to the parent's frame. After CloseUp, Enter
// and Escape close the list and the closing is reported instead.
#pragma once

#include "afx/CComboBox.h"
#include "controls/ControlMsgs.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CRetCombo : public CComboBox {
public:
    // Makes the white brush of the drop-down list.
    CRetCombo();
    ~CRetCombo() override;

    // rect is inclusive: (10, 20, 109, 219) makes a window 100 x 200. The
    // two reserved values are kept and not used. 0 when no window is made.
    int Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, short nMsg, short* pKeys, short nKeys,
               CWnd* pSecond, short nReserved1, short nShiftUpMsg, short nReserved2);
    // From now on the closing of the list sends nMsg (0, 0) to pWnd.
    void CloseUp(CWnd* pWnd, short nMsg);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    UINT OnGetDlgCode() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;

    CWnd* m_pParent;
    short m_nMsg;
    HWND m_hWndCtl;
    short* m_pKeys;
    short m_nKeys;
    CWnd* m_pCtl;
    HBRUSH m_hListBrush;
    COLORREF m_crListText;
    COLORREF m_crListBack;
    CWnd* m_pSecond;
    short m_nReserved1;
    short m_nReserved2;
    short m_nShiftUpMsg;
    CWnd* m_pCloseUp;
    short m_nCloseUpMsg;
    int m_bCtrl;

private:
    // Sends nMsg to the parent and the second receiver, in that order or the other.
    void ReportBoth(WPARAM wParam, LPARAM lParam, bool secondFirst);
    bool ListOpen() const;
};
