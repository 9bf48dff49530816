// CWnd: the framework's window object.
//
// Handle map. The framework keeps one map from window handle to the object
// that owns or has attached the window (FromHandlePermanent). FromHandle also
// answers for windows no object has attached, with a temporary plain CWnd
// that lives until the next idle time (CWinApp::OnIdle) or DeleteTempMap.
//
// Ownership. A window made by Create/CreateEx, or handed over by Attach, is
// owned: the destructor destroys it if it still exists. A window borrowed by
// SubclassWindow/SubclassDlgItem is given back: the destructor restores its
// window procedure and detaches.
//
// Messages. Every window of a CWnd runs AfxWndProc, which calls the virtual
// WindowProc; its switch hands each message to one typed virtual handler
// (OnKeyDown, OnSetFocus, ...). A handler that is not overridden calls
// Default(), which passes the current message to the window's original
// procedure. A message without a typed handler goes straight to Default();
// a class that wants one overrides WindowProc and calls the base for the rest.
//
// Reflection. Notifications that a control sends to its parent (WM_COMMAND
// from a control, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM,
// WM_HSCROLL/WM_VSCROLL from a scroll bar control) are first offered to the
// control's own object through OnChildNotify. When it returns TRUE its result
// is the answer and the parent's handler does not run; when it returns FALSE
// (having acted or not) the parent handles the message as usual. Only a
// parent that is a CWnd reflects.
//
// Creation. Create/CreateEx (and CDialog) hook the creation, so the object is
// attached and receives WM_NCCREATE, WM_CREATE and everything after.
//
// Keyboard filtering. PreTranslateMessage runs before a message is
// translated and dispatched, for the window the message is for and each of
// its parents up to its top-level window (WalkPreTranslateTree); returning
// TRUE consumes the message. CWinApp::Run and CDialog::DoModal's loop walk.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"
#include "CObject.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"

class CDC;
class CFont;
class CFrameWnd;
class CScrollBar;
struct tagTOOLINFOA;

class ZR8AFX_API CWnd : public CObject {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // Handle map
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    operator HWND() const;
    HWND GetSafeHwnd() const;

    // Creation and destruction
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

    // Messages
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();
    // The message being handled on this thread (for Default and handlers
    // that need the raw parameters).
    static const MSG* GetCurrentMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to PreTranslateMessage of its window and each parent up to
    // hWndStop, or up to the top-level window when hWndStop is NULL.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Relatives
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // The owner recorded by SetOwner, else the parent (or owner) window.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetLastActivePopup() const;
    BOOL IsChild(const CWnd* pWnd) const;
    virtual BOOL IsFrameWnd() const;

    // Dialog items
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;

    // State
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* GetForegroundWindow();
    BOOL SetForegroundWindow();
    void BringWindowToTop();

    // Position
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;

    // Painting
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);

    // Text and font
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Timers and capture
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // Scroll bars of the window (SB_HORZ, SB_VERT, SB_BOTH)
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);

    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Tooltips. The thread has one tooltip control. A window that enabled
    // tooltips has its mouse messages (seen by PreTranslateMessage) hit-tested
    // with OnToolHitTest; a new hit becomes the control's one tool and every
    // mouse message is relayed to it. TRUE unless the control cannot be made.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // The tool at a client point: fills *pTI (hwnd, uId, uFlags, rect,
    // lpszText) and returns its ID, or -1. The default answers for a visible
    // child window at the point, with its text by callback.
    virtual INT_PTR OnToolHitTest(CPoint point, tagTOOLINFOA* pTI) const;
    void FilterToolTipMessage(MSG* pMsg);

    HWND m_hWnd;

protected:
    // Called before a window made by Create/CreateEx or borrowed by
    // SubclassWindow gets its first message through this object.
    virtual void PreSubclassWindow();
    // Called after WM_NCDESTROY, when the object is detached. A class whose
    // objects are heap-allocated and live with their window deletes itself here.
    virtual void PostNcDestroy();
    // A notification from this window's control, reflected by the parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Typed handlers; each default passes the message on with Default().
    virtual BOOL OnNcCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnShowWindow(BOOL bShow, UINT nStatus);
    virtual void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    virtual void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    virtual void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    virtual void OnEnable(BOOL bEnable);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual UINT OnGetDlgCode();
    virtual int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    virtual void OnCaptureChanged(CWnd* pWnd);
    virtual void OnCancelMode();
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // TRUE when handled; otherwise the message goes on with Default().
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);

    BOOL SubclassAttached(HWND hWnd);
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT DefCharToUnicode(BYTE byte, LPARAM lParam);

    WNDPROC m_pfnSuper;   // the window's procedure before ours; NULL when not subclassed
    WNDPROC m_pfnSuperW;  // its Unicode entry, for characters (see DefCharToUnicode)
    BYTE m_nLeadByte;     // lead byte of a double-byte WM_CHAR waiting for its trail byte
    HWND m_hWndOwner;     // set by SetOwner
    BOOL m_bOwnsWindow;   // made by Create/CreateEx or handed over by Attach
    BOOL m_bToolTips;     // EnableToolTips
};

// The window procedure of every CWnd window.
ZR8AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
