// CSpinButtonCtrl: an up-down control (comctl32 "msctls_updown32"); one
// message per operation.
#pragma once

#include "CWnd.h"

#include <commctrl.h>

class ZR8AFX_API CSpinButtonCtrl : public CWnd {
public:
    CSpinButtonCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 16-bit range and position (UDM_SETRANGE, UDM_SETPOS).
    void SetRange(short nLower, short nUpper);
    DWORD GetRange() const;
    void GetRange(int& lower, int& upper) const;
    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& lower, int& upper) const;
    int SetPos(int nPos);
    // The position; the high word is non-zero when the buddy's text is no number.
    int GetPos() const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
};
