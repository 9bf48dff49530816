// CEditNum: an edit of a host dialog turned into a numeric field bound to a
// short, long, float or double of the host, with a permitted range. Only
// digits, '.', '-', ',' and backspace are typed. Leaving the field (or a
// listed key) commits: a value in range is stored, one out of range (or
// text that is no number) is thrown away and the bound value shown again.
// The parent hears of focus, changes, listed keys, Shift release, right
// clicks, chosen characters and Ctrl+Q by the messages the host chooses.
#pragma once

#include "afx/CEdit.h"
#include "afx/CFont.h"
#include "controls/ControlMsgs.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CEditNum : public CEdit {
public:
    CEditNum();
    ~CEditNum() override;

    // Subclasses hWnd; 0 when that fails. A message number 0 sends nothing.
    int Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys, short nKeys,
             short nShiftUpMsg, int bComma, short nRButtonMsg, short nFocusMsg, int bRedraw);

    // Bind a variable of the host with its range and show its value.
    void SetText(short* pValue, short nMin, short nMax);
    void SetText(long* pValue, long nMin, long nMax);
    void SetText(float* pValue, short nDecimals, float fMin, float fMax);
    void SetText(double* pValue, short nDecimals, double fMin, double fMax);
    // Stores the text if in range, silently; clears the change flag.
    void GetData();
    void SetSel();
    void SetFocus();
    void LimitText(short n);
    // Characters that are reported (wParam the character) whether typed or not.
    void SetExpandMsg(UINT* pChars, short nChars, short nMsg);

protected:
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;

    int m_bChanged;
    CFont* m_pFont;
    HWND m_hWndCtl;
    CWnd* m_pCtl;
    CWnd* m_pParent;
    short* m_pKeys;
    short m_nKeys;
    short m_nKeyMsg;
    short m_nShiftUpMsg;
    short m_nChangeMsg;
    short m_nRButtonMsg;
    short m_nFocusMsg;
    int m_bRedraw;
    int m_bComma;
    short m_nType;  // 0 short, 1 long, 2 float, 3 double
    short m_nDecimals;
    short* m_pShort;
    short m_nShortMin, m_nShortMax;
    long* m_pLong;
    long m_nLongMin, m_nLongMax;
    float* m_pFloat;
    float m_fFloatMin, m_fFloatMax;
    double* m_pDouble;
    double m_fDoubleMin, m_fDoubleMax;
    UINT* m_pChars;
    short m_nChars;
    short m_nCharMsg;
    int m_bCtrl;

private:
    // The text as a number; false when it is no number.
    bool ReadValue(double* pValue);
    void Commit();
    void ShowText(const char* text);
};
