// CSetTerm: the term bar. A one-line strip of 13 cells (twelve months from
// a first month, then the closing cell "決") on which the user picks a month
// or a range of months with the mouse or with Left, Right, Enter and Esc.
// The parent gets the bar's message when a choice is complete and reads it
// with GetStart and GetEnd (cells 0 ... 12).
//
// The bar is painted on the parent: the parent calls ShowWindow(pDC) from
// its own painting, and the bar repaints itself on a DC of the parent when
// its state changes. Its own child window (no background, control id 800)
// only takes the input and the focus; the parent must not clip its children.
// It asks the dialog manager for no keys: in a dialog, Enter presses the
// default button, letters are mnemonics and the arrows move between items.
//
// Modes: 0 a range (Enter anchors the start, Left/Right move the end, Enter
// again completes; Esc drops the anchor), 1 a single month, 2 a range from
// cell 0. Dynamically creatable by the class name "CSetTerm" (no font).
// Other modes are taken as 0. Gaining the focus collapses a range
// to its last month (mode 2 keeps cell 0 as its start).
#pragma once

#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CRect.h"
#include "afx/CWnd.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CSetTerm : public CWnd {
    DECLARE_DYNCREATE(CSetTerm)

public:
    enum Mode : short { modeRange = 0, modeSingle = 1, modeFromFirst = 2 };
    enum { controlId = 800 };

    // The font is not owned; null = the DC's own.
    explicit CSetTerm(CFont* pFont);
    ~CSetTerm() override;

    // Measures the font, sizes the bar at rect's top-left (26 cell units + 4
    // wide, character height + 5 high) and creates its child window. Start
    // and end are held to 0 ... 12. Result of CWnd::Create.
    int Create(CWnd* pParent, CRect rect, short nMode, short nFirstMonth, short nStart, short nEnd, UINT nMsg);
    // Paints the bar into pDC, a DC of the parent; the DC keeps its font,
    // colours, background mode, pen and brush.
    void ShowWindow(CDC* pDC);
    using CWnd::ShowWindow;
    // Character height + 7: two pixels more than the bar.
    short GetHeight();
    short GetStart();
    short GetEnd();

protected:
    // For creation by class name; no font.
    CSetTerm();

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;

    int m_bUnfocused;   // 0 while the bar's window has the focus
    CWnd* m_pParent;    // owner: message, painting, focus after a choice
    RECT m_rect;        // the bar in the parent's client coordinates
    short m_nStart;     // first chosen cell
    short m_nEnd;       // last chosen cell
    short m_nMode;
    UINT m_nMsg;        // sent to the parent on completion; 0 = none
    int m_bDragging;    // the mouse is captured for a range drag
    short m_nFirstMonth;
    short m_nCharHeight;
    short m_nCellUnit;  // average character width + 1; a cell is two units
    int m_bChanged;     // start or end changed since the last completion
    short m_bAnchored;  // mode 0: the start is fixed, Left/Right move the end
    CFont* m_pFont;     // not owned

private:
    // Sets start and end; repaints and notes the change when either moved.
    void SetCells(short nStart, short nEnd);
    // Sends the message when a choice changed, gives the focus back to the
    // parent and ends a drag.
    void Complete();
    void StopDragging();
    void Repaint();
};
