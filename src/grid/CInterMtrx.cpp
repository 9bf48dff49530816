#include "CInterMtrx.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "afx/ShiftJis.h"
#include "grid/CGdi.h"

namespace {

const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL;  // 0x50200000

// Title cells: raised light blue with embossed text.
const unsigned long kTitleBack = 0xF6CAA4;
// Footer cells: sunken grey.
const unsigned long kFooterBack = 0xC0C0C0;
const unsigned long kWhite = 0xFFFFFF;
const unsigned long kShadow = 0x808080;
const int kFooterTextBytes = 79;

// At most `limit` bytes of text, never ending on a lead byte.
std::string Clip(const char* text, size_t limit)
{
    return text != nullptr ? std::string(text, sjis::FitLength(text, limit)) : std::string();
}

} // namespace

CInterMtrx::CInterMtrx(CFont* font, MTRX_COLOR* colours, short screenPoint)
    : CMtrxLst(font, colours, screenPoint), m_pParent(nullptr), m_pFont(font), m_bFocusCursor(0),
      m_bSelectButton(0), m_pHScroll(nullptr), m_record()
{
    m_pDrawer = new (std::nothrow) CGdi;
    if (m_pDrawer != nullptr)
        m_pDrawer->SetFont(font);
}

CInterMtrx::~CInterMtrx()
{
    delete m_pHScroll;  // destroys the scroll bar window
    delete m_pDrawer;
}

void CInterMtrx::SetOneFocus()
{
    m_bFocusCursor = 1;
}

int CInterMtrx::Create(CWnd* pParent)
{
    m_pParent = pParent;
    return CWnd::Create(nullptr, nullptr, kListStyle, CRect(0, 0, 0, 0), pParent, kControlId);
}

// ---------------------------------------------------------------------------
// Initialisation

int CInterMtrx::Initial(SETINITIAL* p)
{
    if (p == nullptr || p->nLines < 1 || p->nLines > CMtrxModel::kMaxLines)
        return 0;
    SETINITIAL record = *p;
    for (int line = record.nLines + 1; line < CMtrxModel::kMaxLines; ++line)
        record.line[line] = MTRX_LINE{0, nullptr, nullptr};
    for (const MTRX_LINE& line : record.line) {
        if (line.nColumns > CMtrxModel::kMaxColumns || line.nColumns < 0)
            return 0;
    }
    m_record = record;
    m_layout.SetLines(record.nLines, record.line);
    m_layout.SetMargins(record.nLeft, record.nRight, record.nTop, record.nExtraBottom, record.nFootRows);
    m_layout.SetSelectButton(false);
    for (int line = 0; line < CMtrxModel::kMaxLines; ++line)
        SetLineTextCount(static_cast<short>(line), m_layout.Line(line).nColumns);
    short capacity = static_cast<short>(m_layout.CellCapacity());
    Init(m_bFocusCursor, m_pParent, record.lDataCount, record.nLines, record.bStartAtEnd, record.nRowMsg,
         record.nEnterMsg, record.nKeyMsg, record.nSelMsg, record.nRButtonMsg, record.nCellMsg, record.nFocusMsg,
         record.nAppendMsg, record.bKeyThrough, capacity, static_cast<short>(record.bNoMoreData != 1),
         record.bThumbTrack, record.nMoreDataMsg, record.nShiftUpMsg);
    m_bSelectButton = 0;
    return 1;
}

int CInterMtrx::Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0,
                        char** titles0, short* codes1, short nColumns1, char** titles1, short* codes2,
                        short nColumns2, char** titles2, short* codes3, short nColumns3, char** titles3,
                        short nLeft, short nRight, short nTop, short nFootRows, short nFootCells, char* footCells,
                        UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg,
                        UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough, UINT nShiftUpMsg)
{
    SETINITIAL record = {};
    record.lDataCount = lCount;
    record.nLines = nLines;
    record.bStartAtEnd = bStartAtEnd;
    record.line[0] = {nColumns0, codes0, titles0};
    record.line[1] = {nColumns1, codes1, titles1};
    record.line[2] = {nColumns2, codes2, titles2};
    record.line[3] = {nColumns3, codes3, titles3};
    record.nLeft = nLeft;
    record.nRight = nRight;
    record.nTop = nTop;
    record.nExtraBottom = 0;
    record.nFootRows = nFootRows;
    record.nFootCells = nFootCells;
    record.pFootCells = reinterpret_cast<MTRX_FOOTCELL*>(footCells);
    record.nRowMsg = nRowMsg;
    record.nEnterMsg = nEnterMsg;
    record.nKeyMsg = nKeyMsg;
    record.nSelMsg = nSelMsg;
    record.nRButtonMsg = nRButtonMsg;
    record.nCellMsg = nCellMsg;
    record.nFocusMsg = nFocusMsg;
    record.nAppendMsg = nAppendMsg;
    record.bKeyThrough = bKeyThrough;
    record.nShiftUpMsg = nShiftUpMsg;
    record.bNoMoreData = 1;
    record.bThumbTrack = 0;
    record.nMoreDataMsg = 0;
    return Initial(&record);
}

int CInterMtrx::Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0,
                        char** titles0, short* codes1, short nColumns1, char** titles1, short* codes2,
                        short nColumns2, char** titles2, short nLeft, short nRight, short nTop, short nFootRows,
                        short nFootCells, char* footCells, UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg,
                        UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg, UINT nAppendMsg,
                        int bKeyThrough, UINT nShiftUpMsg)
{
    return Initial(lCount, nLines, bStartAtEnd, codes0, nColumns0, titles0, codes1, nColumns1, titles1, codes2,
                   nColumns2, titles2, nullptr, 0, nullptr, nLeft, nRight, nTop, nFootRows, nFootCells, footCells,
                   nRowMsg, nEnterMsg, nKeyMsg, nSelMsg, nRButtonMsg, nCellMsg, nFocusMsg, nAppendMsg, bKeyThrough,
                   nShiftUpMsg);
}

int CInterMtrx::Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0,
                        char** titles0, short* codes1, short nColumns1, char** titles1, short nLeft, short nRight,
                        short nTop, short nFootRows, short nFootCells, char* footCells, UINT nRowMsg,
                        UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg,
                        UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough, UINT nShiftUpMsg)
{
    return Initial(lCount, nLines, bStartAtEnd, codes0, nColumns0, titles0, codes1, nColumns1, titles1, nullptr, 0,
                   nullptr, nLeft, nRight, nTop, nFootRows, nFootCells, footCells, nRowMsg, nEnterMsg, nKeyMsg,
                   nSelMsg, nRButtonMsg, nCellMsg, nFocusMsg, nAppendMsg, bKeyThrough, nShiftUpMsg);
}

int CInterMtrx::Initial(long lCount, short nLines, short bStartAtEnd, short* codes0, short nColumns0,
                        char** titles0, short nLeft, short nRight, short nTop, short nFootRows, short nFootCells,
                        char* footCells, UINT nRowMsg, UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg,
                        UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg, UINT nAppendMsg, int bKeyThrough,
                        UINT nShiftUpMsg)
{
    return Initial(lCount, nLines, bStartAtEnd, codes0, nColumns0, titles0, nullptr, 0, nullptr, nLeft, nRight,
                   nTop, nFootRows, nFootCells, footCells, nRowMsg, nEnterMsg, nKeyMsg, nSelMsg, nRButtonMsg,
                   nCellMsg, nFocusMsg, nAppendMsg, bKeyThrough, nShiftUpMsg);
}

void CInterMtrx::SetBtn(short nCapacity, long* list, short nAddedMsg, short nEmptiedMsg)
{
    m_bSelectButton = 1;
    m_layout.SetSelectButton(true);
    InitSelect(nCapacity, list, nAddedMsg, nEmptiedMsg);
}

short CInterMtrx::GetLeftSelectButtonSize()
{
    CClientDC dc(this);
    return static_cast<short>(2 * Measure(&dc).tmAveCharWidth);
}

TEXTMETRICA CInterMtrx::Measure(CDC* pDC) const
{
    TEXTMETRICA metrics = {};
    if (pDC == nullptr || pDC->m_hDC == nullptr)
        return metrics;
    HGDIOBJ old = m_pFont != nullptr ? ::SelectObject(pDC->m_hDC, m_pFont->m_hObject) : nullptr;
    ::GetTextMetricsA(pDC->m_hDC, &metrics);
    if (old != nullptr)
        ::SelectObject(pDC->m_hDC, old);
    return metrics;
}

// ---------------------------------------------------------------------------
// Layout

void CInterMtrx::ReSize(short nRight, short nLeft)
{
    if (m_hWnd == nullptr || m_pParent == nullptr || m_pParent->m_hWnd == nullptr)
        return;
    ShowScrollBar(SB_VERT, TRUE);
    CRect parentClient;
    m_pParent->GetClientRect(&parentClient);
    TEXTMETRICA metrics;
    {
        CClientDC dc(this);
        metrics = Measure(&dc);
    }
    m_layout.SetSideMargins(nRight, nLeft);
    CMtrxLayout::Metrics m;
    m.parentWidth = parentClient.right;
    m.parentHeight = parentClient.bottom;
    m.aveCharWidth = metrics.tmAveCharWidth;
    m.charHeight = metrics.tmHeight;
    m.cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m.cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_layout.Compute(m);

    if (m_layout.HMode())
        SetScrollColumn(m_layout.FirstScrolled(), static_cast<short>(m_layout.Line(0).nColumns - m_layout.Frozen()));
    short counts[4] = {};
    for (int line = 0; line < m_layout.LayoutLines(); ++line)
        counts[line] = static_cast<short>(m_layout.Shown(line) + 1);
    auto positions = [&](int line) { return const_cast<short*>(m_layout.ListPositions(line)); };
    auto codes = [&](int line) { return m_layout.Line(line).pCodes; };
    auto columns = [&](int line) { return codes(line) != nullptr ? m_layout.Line(line).nColumns : short(0); };
    SetColumnLayout(m_layout.LayoutLines(), counts[0], positions(0), columns(0), codes(0), counts[1], positions(1),
                    columns(1), codes(1), counts[2], positions(2), columns(2), codes(2), counts[3], positions(3),
                    columns(3), codes(3));

    const MtrxBox& list = m_layout.ListBox();
    MoveWindow(list.left, list.top, list.right - list.left, m_layout.ListWindowBottom() - list.top, TRUE);

    if (m_layout.HMode() && m_pHScroll != nullptr) {
        const MtrxBox& bar = m_layout.HScrollBarBox();
        m_pHScroll->MoveWindow(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, TRUE);
        m_pHScroll->SetScrollRange(0, std::max(0, m_layout.HScrollMax()), FALSE);
        m_pHScroll->SetScrollPos(m_layout.HScrollPos(), TRUE);
    }
}

int CInterMtrx::GetXPos(short nLine, short* positions)
{
    if (nLine < 0 || nLine >= m_layout.Lines() || positions == nullptr)
        return 0;
    int count = std::min<int>(m_layout.Line(nLine).nColumns, CMtrxLayout::kMaxColumns) + 1;
    std::copy(m_layout.Positions(nLine), m_layout.Positions(nLine) + count, positions);
    return 1;
}

// ---------------------------------------------------------------------------
// Title and footer bands

void CInterMtrx::ShowUpDown(CDC* pDC)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr || m_pDrawer == nullptr)
        return;
    ShowScrollBar(SB_VERT, TRUE);
    HGDIOBJ old = m_pFont != nullptr ? ::SelectObject(pDC->m_hDC, m_pFont->m_hObject) : nullptr;
    DrawTitleBand(pDC);
    const MTRX_FOOTCELL* cells = m_record.pFootCells;
    if (m_layout.FootRows() > 0 && cells != nullptr) {
        for (int i = 0; i < m_record.nFootCells; ++i)
            DrawFooterCell(pDC, cells[i]);
    }
    if (old != nullptr)
        ::SelectObject(pDC->m_hDC, old);
}

void CInterMtrx::ShowDLine(CDC* pDC, char* cell)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr || cell == nullptr || m_pDrawer == nullptr)
        return;
    HGDIOBJ old = m_pFont != nullptr ? ::SelectObject(pDC->m_hDC, m_pFont->m_hObject) : nullptr;
    DrawFooterCell(pDC, *reinterpret_cast<const MTRX_FOOTCELL*>(cell));
    if (old != nullptr)
        ::SelectObject(pDC->m_hDC, old);
}

void CInterMtrx::DrawTitleBand(CDC* pDC)
{
    TEXTMETRICA metrics = Measure(pDC);
    int a = metrics.tmAveCharWidth;
    int band = metrics.tmHeight + 2;
    int top = m_layout.TitleBand().top;
    short alignment = 0;
    for (int line = 0; line < m_layout.LayoutLines(); ++line) {
        const short* positions = m_layout.Positions(line);
        for (int display = 0; display < m_layout.Shown(line); ++display) {
            int column = m_layout.TitleColumn(line, display);
            if (column < 0)
                break;
            CRect cell(positions[display] + 1, top + 1 + line * band, positions[display + 1], top + (line + 1) * band);
            std::string title =
                CMtrxLayout::CompactTitle(m_layout.Line(line).pTitles[column], cell.Width(), a);
            const char* text = title.c_str();
            short width = static_cast<short>(std::min<size_t>(title.size(), 0x7FFF));
            m_pDrawer->DispRectFrameString(pDC, cell, 1, &text, &width, &alignment, 3, kTitleBack, 0, kWhite, kWhite,
                                           kShadow);
        }
    }
}

void CInterMtrx::DrawFooterCell(CDC* pDC, const MTRX_FOOTCELL& cell)
{
    MtrxBox box;
    if (!m_layout.FooterCellBox(cell, &box))
        return;
    std::string text = Clip(cell.pText, kFooterTextBytes);
    short width = static_cast<short>(text.size());
    if (cell.nAlign == 2)
        text += ' ';  // keeps a right-aligned total off the frame
    const char* shown = text.c_str();
    short alignment = cell.nAlign;
    m_pDrawer->DispRectFrameString(pDC, CRect(box.left, box.top, box.right, box.bottom), 1, &shown, &width,
                                   &alignment, 3, kFooterBack, 0, kWhite, kShadow, kWhite);
}

// ---------------------------------------------------------------------------
// Horizontal scrolling

void CInterMtrx::SetHScroll(short nFrozen)
{
    if (m_pHScroll == nullptr) {
        m_pHScroll = new (std::nothrow) CScrollBar;
        if (m_pHScroll == nullptr)
            return;
        m_pHScroll->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 1, 1), m_pParent, 0);
    }
    m_layout.SetHScroll(nFrozen);
    CMtrxLst::SetHScroll(m_layout.Frozen());
}

bool CInterMtrx::ScrolledColumnsEven() const
{
    const short* positions = m_layout.ListPositions(0);
    int frozen = m_layout.Frozen();
    int width = positions[frozen + 1] - positions[frozen];
    for (int i = frozen + 1; i < m_layout.Shown(0); ++i) {
        if (positions[i + 1] - positions[i] != width)
            return false;
    }
    return true;
}

void CInterMtrx::HScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pBar*/)
{
    // With every column frozen there is nothing to scroll (and no column
    // after the frozen ones to measure).
    if (!m_layout.HMode() || m_layout.Frozen() >= m_layout.Line(0).nColumns)
        return;
    short oldFirst = m_layout.FirstScrolled();
    if (!m_layout.HScrollStep(nSBCode, nPos))
        return;
    int frozen = m_layout.Frozen();
    int columns = m_layout.Line(0).nColumns;
    SetScrollColumn(m_layout.FirstScrolled(), static_cast<short>(columns - frozen));
    const short* positions = m_layout.Positions(0);
    int dx = (m_layout.FirstScrolled() - oldFirst) * (positions[frozen] - positions[frozen + 1]);
    const MtrxBox& title = m_layout.TitleBand();
    const MtrxBox& footer = m_layout.FooterBand();
    CRect titleRect(title.left, title.top, title.right, title.bottom);
    CRect footerRect(footer.left, footer.top, footer.right, footer.bottom);
    CRect client;
    GetClientRect(&client);
    CRect scrolled(m_layout.ListPositions(0)[frozen], 0, client.right, client.bottom - 2);
    // Shifting pixels is exact only while every scrolled column is as wide
    // as the next; otherwise the scrolled part is painted afresh.
    if (ScrolledColumnsEven()) {
        m_pParent->ScrollWindow(dx, 0, &titleRect, &titleRect);
        if (m_layout.FootRows() > 0)
            m_pParent->ScrollWindow(dx, 0, &footerRect, &footerRect);
        ScrollWindow(dx, 0, &scrolled, &scrolled);
        // The shift also carries the row frames' right edges, which belong at
        // the area's right, and leaves the two bottom pixel rows unshifted:
        // both strips are painted afresh.
        int areaRight = GetModel().AreaRight();
        CRect edges(std::max<int>(scrolled.left, std::min(areaRight, areaRight + dx) - 2), 0, client.right,
                    client.bottom);
        CRect bottomRows(scrolled.left, client.bottom - 2, client.right, client.bottom);
        InvalidateRect(&edges, FALSE);
        InvalidateRect(&bottomRows, FALSE);
    } else {
        // The parent's background is erased too: a band may show fewer cells now.
        m_pParent->InvalidateRect(&titleRect, TRUE);
        if (m_layout.FootRows() > 0)
            m_pParent->InvalidateRect(&footerRect, TRUE);
        InvalidateRect(&scrolled, FALSE);
    }
    if (m_pHScroll != nullptr) {
        m_pHScroll->SetScrollRange(0, std::max(0, m_layout.HScrollMax()), FALSE);
        m_pHScroll->SetScrollPos(m_layout.HScrollPos(), TRUE);
    }
    ReSize(0, 0);
}

void CInterMtrx::SetCurRow(short nDir)
{
    if (nDir == -1)
        HScroll(SB_LINELEFT, 0, nullptr);
    else if (nDir == 1)
        HScroll(SB_LINERIGHT, 0, nullptr);
}

short CInterMtrx::GetScrollMax()
{
    return m_layout.HMode() ? m_layout.VisibleScrolled() : static_cast<short>(-1);
}
