// CMenuBar: a vertical bar of large icon buttons, each with an optional
// caption under the icon, placed at the side of the host's main frame as
// its menu of jobs. A click opens a new document of the button's template,
// or sends its command ID, or reports the button's index with the owner's
// message. Buttons are flat until hovered (raised) and sunken while
// pressed. A bar too short for all buttons shows a spin control at its
// bottom that scrolls them. Up, Down, Enter and the function keys go to the
// owner as WM_USER+23001 so that its keyboard handling keeps working.
//
// Icons, templates and the tooltip font stay the caller's.
#pragma once

#include "afx/CDWordArray.h"
#include "afx/CPtrArray.h"
#include "afx/CSize.h"
#include "afx/CSpinButtonCtrl.h"
#include "afx/CStringArray.h"
#include "afx/CToolTipCtrl.h"
#include "afx/CWnd.h"
#include "frame/WinLibApi.h"

class CDC;
class CFont;
class CMultiDocTemplate;

// The key message a menu bar sends its owner (wParam key, lParam as the key's).
#define WM_MENUBAR_KEY (WM_USER + 23001)

class ZR8WLIB_API CMenuBar : public CWnd {
public:
    // Margin is the room the bar keeps around its column of slots.
    enum { SpinId = 2000, ToolIdBase = 9000, SpinHeight = 40, Margin = 4 };
    enum HotState { HotFlat = 0, HotRaised = 1, HotSunken = 2 };

    CMenuBar();
    ~CMenuBar() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual int Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, UINT nMsg, int bFace);

    int AddBtn(HICON hIcon, const char* pText, UINT nComID, CMultiDocTemplate* pTemplate);
    void InsertBtn(int nIndex, HICON hIcon, const char* pText, UINT nComID, CMultiDocTemplate* pTemplate);
    void RemoveBtn(int nIndex, int nCount);
    void RemoveAllBtn();
    void SetBtnString(int n, const char* pText);
    void SetBtnComID(int n, UINT nComID);
    HICON GetIcon(int n);
    int GetBtnCount() const;

    void SetSendComID(int bSend);
    void SetUnderText(int bUnder);
    void SetTextDsp(int bShow);
    void SetBtnToText(int bSize);

    void SetIconSize(const SIZE& size);
    int SetButtonSize(const CSize& size);
    CSize GetIconSize() const;
    CSize GetButtonSize() const;
    CSize GetMiniBarSize() const;
    int GetBtnNo(const POINT& point);

    void SetToolTip(int n, const char* pText);
    void SetToolTipFont(CFont* pFont);

    // State for hosts and tests.
    int GetFirstVisible() const;
    int GetVisibleCount() const;
    BOOL IsScrollMode() const;
    int GetHotButton() const;
    int GetHotState() const;
    CString GetBtnString(int n) const;
    UINT GetBtnComID(int n) const;
    CMultiDocTemplate* GetBtnTemplate(int n) const;
    CSpinButtonCtrl* GetSpinCtrl();
    CToolTipCtrl* GetToolTipCtrl();

    // A caption that fits in nWidth pixels on pDC: unchanged when narrower,
    // else the longest prefix of whole characters no wider than nWidth minus
    // the width of "...", followed by "...".
    static CString ShortenCaption(CDC* pDC, const CString& text, int nWidth);

protected:
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;

private:
    void Layout();
    void UpdateScroll();
    void Repaint();
    void MeasureCaption(const char* pText);
    void ApplyCaptionWidth();
    CRect SlotRect(int nSlot) const;
    COLORREF BarColor() const;
    void DrawButton(CDC* pDC, int nSlot, BOOL bPressedOffset);
    void DrawFrame(CDC* pDC, int nSlot, int nState);
    void DrawHot(int nSlot, int nState, BOOL bRedraw);
    void Fire(int nIndex);
    BOOL InActiveWindow() const;
    void ReleaseHeldCapture(BOOL bKeyRelease);
    int CaptionHeight() const;

    CWnd* m_pOwner;
    UINT m_nID;
    CFont* m_pFont;
    UINT m_nMsg;
    CPtrArray m_icons;
    CStringArray m_captions;
    CDWordArray m_comIDs;
    CPtrArray m_templates;
    CSpinButtonCtrl m_spin;
    BOOL m_bScroll;
    int m_nFirst;
    int m_nVisible;
    int m_nHot;
    int m_nHotState;
    BOOL m_bPressed;
    BOOL m_bKeyRelease;
    int m_nWidestCaption;
    CRect m_rcIcon;
    CRect m_rcCaption;
    CRect m_rcButton;
    int m_nBtnWidth;
    int m_nBtnHeight;
    int m_bFace;
    BOOL m_bSendComID;
    BOOL m_bUnderText;
    BOOL m_bTextDsp;
    BOOL m_bBtnToText;
    CToolTipCtrl m_toolTip;
};
