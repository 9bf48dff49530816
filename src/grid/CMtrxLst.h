// CMtrxLst: a scrolling grid list whose rows live in its owner.
//
// The list keeps counts and positions only (its view model, CMtrxModel).
// Whenever it paints a row it sends the owner the row-data message (wParam
// the visible row, lParam the data index); the owner answers inside that
// message by calling ShowData once per line with the row's texts, and the
// list draws them. Keys, clicks, double-clicks, the wheel, the scroll bar
// and dragging become cursor moves, scrolling and messages to the owner,
// whose numbers the owner chose at Init (0 switches an optional one off).
//
// Painting: rows in bands of alternating colours (even and odd data index)
// with frame and grid lines, the owner's texts per cell, a cursor frame round
// the current row, in select mode a button column at the left and marked
// rows inverted. Scrolling moves the window contents and repaints only the
// rows that come into view.
//
// The list is created through CInterMtrx, which lays its columns out.
#pragma once

#include "afx/afx.h"
#include "frame/WinLibApi.h"
#include "grid/CMtrxModel.h"
#include "grid/MtrxRecords.h"

class CGdi;

class ZR8WLIB_API CMtrxLst : public CWnd {
    DECLARE_DYNCREATE(CMtrxLst)

public:
    CMtrxLst(CFont* font, MTRX_COLOR* colours, short screenPoint);
    ~CMtrxLst() override;

    void Init(int bFocusCursor, CWnd* pParent, long lCount, short nLines, short bStartAtEnd, UINT nRowMsg,
              UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg,
              UINT nAppendMsg, int bKeyThrough, short nMaxColumns, short bMoreData, short bThumbTrack,
              UINT nMoreDataMsg, UINT nShiftUpMsg);
    // The owner's answer to the row-data message: the texts of one line.
    void ShowData(long lIndex, short nLine, char** texts, unsigned long colour);
    long GetCurSel();
    long GetTopIndex();
    short GetCurRow();
    void SetCurSel(long lIndex, int bNotify, short bTop, int bShow);
    void PagePrev();
    void PageNext();
    void AddData(long lIndex);
    void DeleteData(long lIndex);
    void UpdateDraw(long lIndex);
    void ExchangeDataCount(unsigned long lCount, int bNoMore);
    void ExchangeScrollMode(short bThumbTrack);
    void SetHScroll(short nFrozen);
    // 1 = done; 0 = not available, also for a column outside the 512 column positions.
    int GetRowLineRect(short nLine, short nColumn, CRect* rect);
    void NaSetFocus();
    void NaKillFocus();

    // Bitmaps stamped into cells (at most 40 loaded at once).
    int InitBitMap(UINT nID);
    void ShowBitMap(long lIndex, UINT nID, short nLine, short nColumn, short nPlace);
    void TermBitMap();

    // The view model, for hosts that inspect the view (and for tests).
    const CMtrxModel& GetModel() const { return m_model; }

protected:
    CMtrxLst();

    // Used by CInterMtrx.
    void SetColumnLayout(short nLines, short nPositions0, short* positions0, short nAlignments0, short* alignments0,
                         short nPositions1, short* positions1, short nAlignments1, short* alignments1,
                         short nPositions2, short* positions2, short nAlignments2, short* alignments2,
                         short nPositions3, short* positions3, short nAlignments3, short* alignments3);
    void SetScrollColumn(short nFirst, short nLast);
    // The message numbers widen with their sign: 0x8000 and up arrive as
    // 0xFFFF8000 and up. A null list is one of no slots, never written.
    void InitSelect(short nCapacity, long* list, short nAddedMsg, short nEmptiedMsg);
    void SetLineTextCount(short nLine, short nCount);
    CFont* ListFont() const { return m_pFont; }

    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;

private:
    // The window side of the view model.
    class Sink : public CMtrxModelSink {
    public:
        explicit Sink(CMtrxLst* list) : m_list(list) {}
        void SendOwner(unsigned message, uintptr_t wParam, intptr_t lParam) override;
        void PostOwner(unsigned message, uintptr_t wParam, intptr_t lParam) override;
        void SendCtrlQ() override;
        void SetScrollRange(long maxPos) override;
        void SetScrollPos(long pos) override;
        void SetScrollRangeKeepPos(long maxPos) override;
        void ScrollRows(long rows) override;
        void InvalidateAll(bool erase) override;
        void InvalidateBand(int left, int top, int right, int bottom) override;
        void DrawCursor(long index) override;
        void EraseCursor(long index) override;
        void InvertRow(long row) override;
        void TakeFocus() override;
        void SetCapture(bool capture) override;
        void SetAutoScrollTimer(bool run) override;

    private:
        CMtrxLst* m_list;
    };

    // The paint DC while painting, else a DC of the window for one drawing.
    class DrawDC {
    public:
        explicit DrawDC(CMtrxLst* list);
        ~DrawDC();
        DrawDC(const DrawDC&) = delete;
        DrawDC& operator=(const DrawDC&) = delete;
        CDC* operator->() const { return m_pDC; }
        operator CDC*() const { return m_pDC; }

    private:
        CMtrxLst* m_list;
        CDC* m_pDC;
        bool m_borrowed;
    };

    void Construct(CFont* font, MTRX_COLOR* colours, short screenPoint);
    unsigned long RowColour(long index) const;
    // Steps of one row; with gridLater the column lines and the mark are
    // left to the caller (OnPaint draws them once for all rows it paints).
    void DrawRow(CDC* pDC, long row, long index, bool gridLater = false);
    void DrawColumnLines(CDC* pDC, int top, int bottom);
    void DrawTexts(CDC* pDC, long row, int line);
    void DrawSelectButton(CDC* pDC, long row);
    void DrawCursorFrame(CDC* pDC, long index);
    void EraseCursorFrame(CDC* pDC, long index);
    void FreeTexts();
    char* Text(int line, int column) const;

    Sink m_sink;
    CMtrxModel m_model;
    CFont* m_pFont;
    MTRX_COLOR* m_pColours;  // the caller's, or m_defaultColours
    MTRX_COLOR m_defaultColours;
    short m_nScreenPoint;
    CWnd* m_pOwner;
    CGdi* m_pGdi;
    CDC* m_pPaintDC;  // set while WM_PAINT runs
    // Texts of the row being painted: 128-byte cells, cell capacity per line.
    char* m_texts[CMtrxModel::kMaxLines];
    short m_lineColourSet[CMtrxModel::kMaxLines];
    unsigned long m_lineColour[CMtrxModel::kMaxLines];
    static const int kMaxBitmaps = 40;
    CBitmap* m_bitmaps[kMaxBitmaps];
    UINT m_bitmapIds[kMaxBitmaps];
    short m_nBitmaps;
    // Row-data requests sent since the window was made (for measurements).
    unsigned long m_nRowRequests;

public:
    unsigned long RowRequests() const { return m_nRowRequests; }
};
