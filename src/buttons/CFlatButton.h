// CFlatButton: a push button drawn flat on the button face, with a raised
// one-pixel frame while the mouse is over it and a sunken one while pressed,
// as a tool-bar button. It shows a text, an icon or a bitmap (BS_ICON,
// BS_BITMAP; alignment by BS_LEFT/BS_RIGHT/BS_TOP/BS_BOTTOM), each with a
// separate image for the disabled state, shortens a text that does not fit
// with "...", shows a status-bar prompt and a tooltip while hovered, and
// sends WM_COMMAND with its ID to its parent when clicked.
//
// Hover is polled by timer 3000 every 100 ms, and tracked only while the
// button's frame window belongs to the active window. The images stay the
// caller's: the button never deletes them.
#pragma once

#include "afx/CString.h"
#include "afx/CWnd.h"
#include "frame/WinLibApi.h"

class CDC;

class ZR8WLIB_API CFlatButton : public CWnd {
public:
    enum { HoverTimerId = 3000, HoverTimerPeriod = 100 };
    enum FrameState { FrameFlat = 0, FrameRaised = 1, FrameSunken = 2 };

    CFlatButton();
    ~CFlatButton() override;

    int Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    int Create(const char* pText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    int Create(HBITMAP hBitmap, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    int Create(HICON hIcon, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Each returns the previous image. Setting the normal image also makes it
    // the disabled one unless a separate disabled image was set.
    HICON SetIcon(HICON hIcon);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HICON SetDisIcon(HICON hIcon);
    HBITMAP SetDisBitmap(HBITMAP hBitmap);
    HICON GetIcon() const;
    HBITMAP GetBitmap() const;
    HICON GetDisIcon() const;
    HBITMAP GetDisBitmap() const;

    CString SetString(const char* pText);
    CString GetString();

    int EnableButton(int bEnable);
    int IsButtonEnabled() const;

    int EnableToolTips(int bEnable);
    CString GetToolTipsText() const;
    void SetToolTipsText(const char* pText);

    // The frame now drawn (FrameState), for hosts and tests.
    int GetFrameState() const;

    // A text that fits in nWidth pixels on pDC: unchanged when narrower, else
    // the longest prefix of whole characters that fits followed by "...", or
    // empty when none does. "Fits" is strictly narrower than nWidth; the menu
    // bar's ShortenCaption also takes a caption exactly nWidth wide. Each is
    // its control's own rule, and hosts lay out their texts by it.
    static CString ShortenText(CDC* pDC, const CString& text, int nWidth);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    INT_PTR OnToolHitTest(CPoint point, tagTOOLINFOA* pTI) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnPaint() override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnSetFont(HFONT hFont, BOOL bRedraw);

private:
    void DrawContent(CDC* pDC, BOOL bErase, BOOL bPressedOffset);
    void DrawImage(CDC* pDC, CRect rect, HICON hIcon, HBITMAP hBitmap);
    void DrawCaption(CDC* pDC, CRect rect);
    void DrawFrame(int nState, BOOL bRedraw);
    // Moves to nState; the content is redrawn when leaving or entering the
    // sunken state, which draws the content offset.
    void ChangeFrame(int nState);
    void StartHoverTimer();
    void StopHoverTimer();
    BOOL BelongsToActiveWindow() const;
    BOOL CursorInside() const;
    void ShowPrompt(BOOL bInside);

    CWnd* m_pParent;
    CWnd* m_pCommandTarget;
    UINT m_nID;
    DWORD m_dwStyle;
    HICON m_hIcon;
    HBITMAP m_hBitmap;
    CString m_strText;
    HICON m_hDisIcon;
    HBITMAP m_hDisBitmap;
    BOOL m_bEnabled;
    BOOL m_bPressed;
    int m_nFrameState;
    BOOL m_bToolTipsOn;
    CString m_strToolTip;
    UINT m_nTimer;
    HFONT m_hFont;  // WM_SETFONT; the window class keeps none
};
