// CEditStr: an edit of a host dialog turned into a text field bound to a
// character buffer of the host (Shift-JIS; up to 80 bytes are stored).
// Leaving the field (or a listed key) copies the text into the buffer and,
// once it has differed, reports a change. Tab and Enter are never typed;
// Space is not typed while it is a listed key. With the IME flag, the
// host's SetFocus switches the IME to full-width input and every focus
// loss switches it off. Messages to the parent as for CEditNum.
#pragma once

#include "afx/CEdit.h"
#include "afx/CFont.h"
#include "controls/ControlMsgs.h"
#include "frame/WinLibApi.h"

class CFep;

class ZR8WLIB_API CEditStr : public CEdit {
public:
    CEditStr();
    // Switches the IME off and deletes the IME control, if there is one.
    ~CEditStr() override;

    // Subclasses hWnd; 0 when that fails or when bFep is set and the IME
    // control cannot be made. A message number 0 sends nothing.
    int Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys, short nKeys,
             short nShiftUpMsg, short nRButtonMsg, short bFep, short nFocusMsg, int bRedraw);

    // Binds pText (limit + 1 bytes at least) and shows it.
    void SetText(char* pText);
    // Copies the text (at most limit bytes) into the buffer, silently.
    void GetData();
    void SetSel();
    // The focus, then full-width input when the IME flag is set.
    void SetFocus();
    // Stored limit n clamped to 0 .. 80 (0: commits do nothing); the
    // edit's own limit is n as given.
    void LimitText(short n);
    // Every listed key is reported again / nKey is not.
    void OnStop();
    void OffStop(short nKey);

protected:
    // The long-text variant: its greatest limit and Enter handling.
    CEditStr(short nMaxLimit);

    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;

    int m_bChanged;
    CFep* m_pFep;
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
    short m_bDigitsOnly;  // no operation sets it
    short m_bFep;
    char* m_pText;
    short m_nLimit;
    short m_nStopKey;
    int m_bAcceptEnter;  // the long-text variant only
    int m_bCtrl;

private:
    // At most nBytes of the text into out (nBytes + 1 bytes), never
    // splitting a double-byte character.
    void ReadText(char* out, short nBytes);
    void Commit();

    const short m_nMaxLimit;
};
