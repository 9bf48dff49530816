// CInterMtrx: the grid control of the host's screens. A matrix list with a
// band of column titles above it and an optional band of footer cells (for
// example totals) below it, both drawn into the parent window; an optional
// select-button column; and an optional horizontal scroll of the columns
// with the first ones frozen at the left.
//
// Calling order: construct; optionally SetOneFocus; Create; Initial;
// optionally SetBtn and SetHScroll; ReSize (again whenever the parent is
// resized). The parent calls ShowUpDown from its paint handler and forwards
// its WM_HSCROLL to HScroll.
#pragma once

#include "grid/CMtrxLayout.h"
#include "grid/CMtrxLst.h"

class ZR8WLIB_API CInterMtrx : public CMtrxLst {
public:
    static const UINT kControlId = 810;

    CInterMtrx(CFont* font, MTRX_COLOR* colours, short screenPoint);
    ~CInterMtrx() override;

    void SetOneFocus();
    int Create(CWnd* pParent);
    // 1 = initialised; 0 = a line of more than 512 columns (or a bad record).
    int Initial(SETINITIAL* p);
    int Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0, char** titles0,
                short nLeft, short nRight, short nTop, short nFootRows, short nFootCells, char* footCells,
                UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg,
                UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough, UINT nShiftUpMsg);
    int Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0, char** titles0,
                short* codes1, short nColumns1, char** titles1, short nLeft, short nRight, short nTop,
                short nFootRows, short nFootCells, char* footCells, UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg,
                UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough,
                UINT nShiftUpMsg);
    int Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0, char** titles0,
                short* codes1, short nColumns1, char** titles1, short* codes2, short nColumns2, char** titles2,
                short nLeft, short nRight, short nTop, short nFootRows, short nFootCells, char* footCells,
                UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg,
                UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough, UINT nShiftUpMsg);
    int Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0, char** titles0,
                short* codes1, short nColumns1, char** titles1, short* codes2, short nColumns2, char** titles2,
                short* codes3, short nColumns3, char** titles3, short nLeft, short nRight, short nTop,
                short nFootRows, short nFootCells, char* footCells, UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg,
                UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough,
                UINT nShiftUpMsg);
    // Places the list and lays the columns out; non-zero arguments replace
    // the right and left margins.
    void ReSize(short nRight, short nLeft);
    // The title and footer bands, into the parent's DC.
    void ShowUpDown(CDC* pDC);
    // One footer cell; cell points to an MTRX_FOOTCELL.
    void ShowDLine(CDC* pDC, char* cell);
    void SetBtn(short nCapacity, long* list, short nAddedMsg, short nEmptiedMsg);
    short GetLeftSelectButtonSize();
    void SetHScroll(short nFrozen);
    // Nothing when every column of line 0 is frozen.
    void HScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar);
    void SetCurRow(short nDir);
    short GetScrollMax();
    int GetXPos(short nLine, short* positions);

    // The layout as last computed (band rectangles, positions), for hosts and tests.
    const CMtrxLayout& GetLayout() const { return m_layout; }
    CScrollBar* GetHScrollBar() const { return m_pHScroll; }

private:
    TEXTMETRICA Measure(CDC* pDC) const;
    void DrawTitleBand(CDC* pDC);
    void DrawFooterCell(CDC* pDC, const MTRX_FOOTCELL& cell);
    bool ScrolledColumnsEven() const;

    CWnd* m_pParent;
    CFont* m_pFont;
    int m_bFocusCursor;
    short m_bSelectButton;
    CScrollBar* m_pHScroll;
    CGdi* m_pDrawer;
    SETINITIAL m_record;
    CMtrxLayout m_layout;
};
