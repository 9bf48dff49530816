#include "CMtrxLst.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "afx/ShiftJis.h"
#include "grid/CGdi.h"

namespace {

const int kTextBytes = 128;  // one cell's buffer: 127 bytes and the terminating zero
const UINT kCtrlQMsg = WM_USER + 420;
const UINT_PTR kAutoScrollTimer = 1;
const UINT kAutoScrollMs = 100;

const MTRX_COLOR kDefaultColours = {0xFFFFFF, 0xC0FFC0, 0xC0C0C0, 0x808080, 0x000000};

// Copies at most kTextBytes - 1 bytes, never ending on a lead byte.
void CopyText(char* cell, const char* text)
{
    size_t length = text != nullptr ? sjis::FitLength(text, kTextBytes - 1) : 0;
    if (length != 0)
        std::memcpy(cell, text, length);
    cell[length] = '\0';
}

} // namespace

IMPLEMENT_DYNCREATE(CMtrxLst, CWnd)

// ---------------------------------------------------------------------------
// Construction

CMtrxLst::CMtrxLst() : m_sink(this), m_model(&m_sink)
{
    Construct(nullptr, nullptr, 0);
}

CMtrxLst::CMtrxLst(CFont* font, MTRX_COLOR* colours, short screenPoint) : m_sink(this), m_model(&m_sink)
{
    Construct(font, colours, screenPoint);
}

void CMtrxLst::Construct(CFont* font, MTRX_COLOR* colours, short screenPoint)
{
    m_pFont = font;
    m_defaultColours = kDefaultColours;
    m_pColours = colours != nullptr ? colours : &m_defaultColours;
    m_nScreenPoint = screenPoint;
    m_pOwner = nullptr;
    m_pPaintDC = nullptr;
    std::fill(m_texts, m_texts + CMtrxModel::kMaxLines, nullptr);
    std::fill(m_lineColourSet, m_lineColourSet + CMtrxModel::kMaxLines, 0);
    std::fill(m_lineColour, m_lineColour + CMtrxModel::kMaxLines, 0);
    std::fill(m_bitmaps, m_bitmaps + kMaxBitmaps, nullptr);
    std::fill(m_bitmapIds, m_bitmapIds + kMaxBitmaps, 0);
    m_nBitmaps = 0;
    m_nRowRequests = 0;
    m_pGdi = new (std::nothrow) CGdi;
    if (m_pGdi != nullptr)
        m_pGdi->SetFont(font);
}

CMtrxLst::~CMtrxLst()
{
    // Loaded bitmaps are not freed here: the host ends them with TermBitMap.
    FreeTexts();
    delete m_pGdi;
    if (m_hWnd != nullptr && CWnd::GetCapture() == this)
        ::ReleaseCapture();
}

void CMtrxLst::FreeTexts()
{
    for (char*& line : m_texts) {
        delete[] line;
        line = nullptr;
    }
}

char* CMtrxLst::Text(int line, int column) const
{
    if (line < 0 || line >= CMtrxModel::kMaxLines || m_texts[line] == nullptr || column < 0 ||
        column >= m_model.CellCapacity())
        return nullptr;
    return m_texts[line] + static_cast<size_t>(column) * kTextBytes;
}

// ---------------------------------------------------------------------------
// Set-up

void CMtrxLst::Init(int bFocusCursor, CWnd* pParent, long lCount, short nLines, short bStartAtEnd, UINT nRowMsg,
                    UINT nEnterMsg, UINT nKeyMsg, UINT nSelMsg, UINT nRButtonMsg, UINT nCellMsg, UINT nFocusMsg,
                    UINT nAppendMsg, int bKeyThrough, short nMaxColumns, short bMoreData, short bThumbTrack,
                    UINT nMoreDataMsg, UINT nShiftUpMsg)
{
    m_pOwner = pParent;
    MtrxInitArgs args;
    args.focusCursor = bFocusCursor;
    args.count = lCount;
    args.lines = nLines;
    args.startAtEnd = bStartAtEnd;
    args.rowMsg = nRowMsg;
    args.enterMsg = nEnterMsg;
    args.keyMsg = nKeyMsg;
    args.selMsg = nSelMsg;
    args.rButtonMsg = nRButtonMsg;
    args.cellMsg = nCellMsg;
    args.focusMsg = nFocusMsg;
    args.appendMsg = nAppendMsg;
    args.keyThrough = bKeyThrough;
    args.maxColumns = nMaxColumns;
    args.moreData = bMoreData;
    args.thumbTrack = bThumbTrack;
    args.moreDataMsg = nMoreDataMsg;
    args.shiftUpMsg = nShiftUpMsg;

    FreeTexts();
    int lines = std::clamp<int>(nLines, 1, CMtrxModel::kMaxLines);
    int capacity = std::clamp<int>(nMaxColumns, 0, CMtrxModel::kMaxColumns);
    for (int line = 0; line < lines && capacity > 0; ++line) {
        m_texts[line] = new (std::nothrow) char[static_cast<size_t>(capacity) * kTextBytes];
        if (m_texts[line] != nullptr) {
            for (int column = 0; column < capacity; ++column)
                m_texts[line][column * kTextBytes] = '\0';
        }
    }

    // The font's measurements, on a DC of the window (the screen's before
    // the window exists).
    HDC hDC = ::GetDC(m_hWnd);
    if (hDC != nullptr) {
        HGDIOBJ oldFont = m_pFont != nullptr ? ::SelectObject(hDC, m_pFont->m_hObject) : nullptr;
        TEXTMETRICA metrics = {};
        ::GetTextMetricsA(hDC, &metrics);
        if (oldFont != nullptr)
            ::SelectObject(hDC, oldFont);
        ::ReleaseDC(m_hWnd, hDC);
        args.charHeight = metrics.tmHeight;
        args.aveCharWidth = metrics.tmAveCharWidth;
    }
    if (m_hWnd != nullptr) {
        CRect client;
        GetClientRect(&client);
        args.clientWidth = client.Width();
        args.clientHeight = client.Height();
    }
    m_model.Init(args);
}

void CMtrxLst::SetColumnLayout(short nLines, short nPositions0, short* positions0, short nAlignments0,
                               short* alignments0, short nPositions1, short* positions1, short nAlignments1,
                               short* alignments1, short nPositions2, short* positions2, short nAlignments2,
                               short* alignments2, short nPositions3, short* positions3, short nAlignments3,
                               short* alignments3)
{
    const short counts[4] = {nPositions0, nPositions1, nPositions2, nPositions3};
    const short* const positions[4] = {positions0, positions1, positions2, positions3};
    const short alignCounts[4] = {nAlignments0, nAlignments1, nAlignments2, nAlignments3};
    const short* const alignments[4] = {alignments0, alignments1, alignments2, alignments3};
    m_model.SetColumnLayout(nLines, counts, positions, alignCounts, alignments);
}

void CMtrxLst::SetScrollColumn(short nFirst, short nLast)
{
    m_model.SetScrollColumn(nFirst, nLast);
}

void CMtrxLst::InitSelect(short nCapacity, long* list, short nAddedMsg, short nEmptiedMsg)
{
    m_model.InitSelect(nCapacity, list, nAddedMsg, nEmptiedMsg);
}

void CMtrxLst::SetLineTextCount(short nLine, short nCount)
{
    m_model.SetLineTextCount(nLine, nCount);
}

void CMtrxLst::SetHScroll(short nFrozen)
{
    m_model.SetHScroll(nFrozen);
}

void CMtrxLst::ExchangeScrollMode(short bThumbTrack)
{
    m_model.ExchangeScrollMode(bThumbTrack);
}

// ---------------------------------------------------------------------------
// Operations

void CMtrxLst::ShowData(long /*lIndex*/, short nLine, char** texts, unsigned long colour)
{
    if (nLine < 0 || nLine >= CMtrxModel::kMaxLines || texts == nullptr || m_texts[nLine] == nullptr)
        return;
    int count = std::min<int>(m_model.LineTextCount(nLine), m_model.CellCapacity());
    for (int column = 0; column < count; ++column)
        CopyText(Text(nLine, column), texts[column]);
    m_lineColourSet[nLine] = 1;
    m_lineColour[nLine] = colour;
}

long CMtrxLst::GetCurSel()
{
    return m_model.Current();
}

long CMtrxLst::GetTopIndex()
{
    return m_model.Top();
}

short CMtrxLst::GetCurRow()
{
    return m_model.GetCurRow();
}

void CMtrxLst::SetCurSel(long lIndex, int bNotify, short bTop, int bShow)
{
    m_model.SetCurSel(lIndex, bNotify, bTop, bShow);
}

void CMtrxLst::PagePrev()
{
    m_model.PagePrev();
}

void CMtrxLst::PageNext()
{
    m_model.PageNext();
}

void CMtrxLst::AddData(long lIndex)
{
    m_model.AddData(lIndex);
}

void CMtrxLst::DeleteData(long lIndex)
{
    m_model.DeleteData(lIndex);
}

void CMtrxLst::UpdateDraw(long lIndex)
{
    m_model.UpdateDraw(lIndex);
}

void CMtrxLst::ExchangeDataCount(unsigned long lCount, int bNoMore)
{
    m_model.ExchangeDataCount(lCount, bNoMore);
}

int CMtrxLst::GetRowLineRect(short nLine, short nColumn, CRect* rect)
{
    int left, top, right, bottom;
    if (rect == nullptr || !m_model.GetRowLineRect(nLine, nColumn, &left, &top, &right, &bottom))
        return 0;
    rect->SetRect(left, top, right, bottom);
    return 1;
}

void CMtrxLst::NaSetFocus()
{
    m_model.SetFocus(false);
}

void CMtrxLst::NaKillFocus()
{
    m_model.KillFocus();
}

// ---------------------------------------------------------------------------
// Messages

void CMtrxLst::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_model.Size(cx, cy);
}

void CMtrxLst::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    m_model.KeyDown(nChar);
}

void CMtrxLst::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
    m_model.KeyUp(nChar);
}

void CMtrxLst::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    m_model.LButtonDown(point.x, point.y);
}

void CMtrxLst::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_model.LButtonUp();
}

void CMtrxLst::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    m_model.LButtonDblClk(point.x, point.y);
}

void CMtrxLst::OnMouseMove(UINT nFlags, CPoint point)
{
    m_model.MouseMove(point.x, point.y, (nFlags & MK_LBUTTON) != 0);
}

void CMtrxLst::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonDown(nFlags, point);
    if ((nFlags & MK_RBUTTON) == 0 || m_model.RButtonMsg() == 0)
        return;
    POINT where = {point.x, point.y};
    if (m_nScreenPoint != 0)
        ClientToScreen(&where);
    m_sink.SendOwner(m_model.RButtonMsg(), 0, reinterpret_cast<intptr_t>(&where));
}

void CMtrxLst::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAutoScrollTimer)
        m_model.Timer();
    else
        CWnd::OnTimer(nIDEvent);
}

void CMtrxLst::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    // The message carries only 16 bits of the box position; lists longer
    // than that take the 32-bit one from the scroll bar when it agrees.
    unsigned long position = nPos;
    if ((nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION) && pScrollBar == nullptr) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        if (GetScrollInfo(SB_VERT, &info, SIF_TRACKPOS) && (static_cast<UINT>(info.nTrackPos) & 0xFFFF) == nPos &&
            info.nTrackPos >= 0)
            position = static_cast<unsigned long>(info.nTrackPos);
    }
    m_model.VScroll(nSBCode, position);
}

void CMtrxLst::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_model.SetFocus(true);
}

void CMtrxLst::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_model.KillFocus();
}

BOOL CMtrxLst::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    m_model.Wheel(zDelta);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

// ---------------------------------------------------------------------------
// The model's window side

void CMtrxLst::Sink::SendOwner(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    CWnd* owner = m_list->m_pOwner;
    if (owner != nullptr && owner->m_hWnd != nullptr)
        ::SendMessageA(owner->m_hWnd, message, wParam, lParam);
}

void CMtrxLst::Sink::PostOwner(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    CWnd* owner = m_list->m_pOwner;
    if (owner != nullptr && owner->m_hWnd != nullptr)
        ::PostMessageA(owner->m_hWnd, message, wParam, lParam);
}

void CMtrxLst::Sink::SendCtrlQ()
{
    CWnd* owner = m_list->m_pOwner;
    CWnd* frame = owner != nullptr ? reinterpret_cast<CWnd*>(owner->GetParentFrame()) : nullptr;
    if (frame != nullptr && frame->m_hWnd != nullptr)
        ::SendMessageA(frame->m_hWnd, kCtrlQMsg, 0, reinterpret_cast<LPARAM>(owner));
}

void CMtrxLst::Sink::SetScrollRange(long maxPos)
{
    m_list->CWnd::SetScrollRange(SB_VERT, 0, static_cast<int>(maxPos), FALSE);
}

void CMtrxLst::Sink::SetScrollPos(long pos)
{
    m_list->CWnd::SetScrollPos(SB_VERT, static_cast<int>(pos), TRUE);
}

void CMtrxLst::Sink::SetScrollRangeKeepPos(long maxPos)
{
    int pos = m_list->CWnd::GetScrollPos(SB_VERT);
    m_list->CWnd::SetScrollRange(SB_VERT, 0, static_cast<int>(maxPos), FALSE);
    m_list->CWnd::SetScrollPos(SB_VERT, pos, TRUE);
}

void CMtrxLst::Sink::ScrollRows(long rows)
{
    const CMtrxModel& model = m_list->m_model;
    if (m_list->m_hWnd == nullptr)
        return;
    // A jump of a page or more leaves nothing to move: repaint instead.
    if (rows >= model.VisibleRows() || -rows >= model.VisibleRows()) {
        m_list->Invalidate(FALSE);
        return;
    }
    CRect client;
    m_list->GetClientRect(&client);
    m_list->ScrollWindow(0, static_cast<int>(-rows * model.RowHeight()), &client, &client);
}

void CMtrxLst::Sink::InvalidateAll(bool erase)
{
    m_list->Invalidate(erase ? TRUE : FALSE);
}

void CMtrxLst::Sink::InvalidateBand(int left, int top, int right, int bottom)
{
    CRect band(left, top, right, bottom);
    m_list->InvalidateRect(&band, FALSE);
}

void CMtrxLst::Sink::DrawCursor(long index)
{
    DrawDC dc(m_list);
    if (static_cast<CDC*>(dc) != nullptr)
        m_list->DrawCursorFrame(dc, index);
}

void CMtrxLst::Sink::EraseCursor(long index)
{
    DrawDC dc(m_list);
    if (static_cast<CDC*>(dc) != nullptr)
        m_list->EraseCursorFrame(dc, index);
}

void CMtrxLst::Sink::InvertRow(long row)
{
    DrawDC dc(m_list);
    if (static_cast<CDC*>(dc) == nullptr)
        return;
    int height = m_list->m_model.RowHeight();
    RECT band = {0, static_cast<int>(row * height), m_list->m_model.AreaRight(), static_cast<int>(row * height + height)};
    ::InvertRect(dc->m_hDC, &band);
}

void CMtrxLst::Sink::TakeFocus()
{
    m_list->SetFocus();
}

void CMtrxLst::Sink::SetCapture(bool capture)
{
    if (capture)
        m_list->CWnd::SetCapture();
    else if (CWnd::GetCapture() == m_list)
        ::ReleaseCapture();
}

void CMtrxLst::Sink::SetAutoScrollTimer(bool run)
{
    if (run)
        m_list->SetTimer(kAutoScrollTimer, kAutoScrollMs);
    else
        m_list->KillTimer(kAutoScrollTimer);
}

CMtrxLst::DrawDC::DrawDC(CMtrxLst* list) : m_list(list), m_pDC(list->m_pPaintDC), m_borrowed(false)
{
    if (m_pDC == nullptr && list->m_hWnd != nullptr) {
        m_pDC = list->GetDC();
        m_borrowed = m_pDC != nullptr;
    }
}

CMtrxLst::DrawDC::~DrawDC()
{
    if (m_borrowed)
        m_list->ReleaseDC(m_pDC);
}

// ---------------------------------------------------------------------------
// Painting

unsigned long CMtrxLst::RowColour(long index) const
{
    // Blank rows carry negative indices; their parity is that of the absolute value.
    long magnitude = index < 0 ? -index : index;
    return (magnitude & 1) != 0 ? m_pColours->crOddBack : m_pColours->crEvenBack;
}

void CMtrxLst::OnPaint()
{
    RECT update = {};
    ::GetUpdateRect(m_hWnd, &update, FALSE);
    CPaintDC dc(this);
    if (m_pGdi == nullptr || m_model.RowHeight() <= 0)
        return;
    m_pPaintDC = &dc;
    // The list's font stays selected while the rows are painted, and the
    // drawer uses the DC's font: selecting a font costs more than drawing a
    // cell's text, so it is done once per paint rather than once per cell.
    HGDIOBJ oldFont = m_pFont != nullptr ? ::SelectObject(dc.m_hDC, m_pFont->m_hObject) : nullptr;
    m_pGdi->SetFont(nullptr);
    long current = m_model.Current();
    if (m_model.IsVisible(current))
        EraseCursorFrame(&dc, current);
    long height = m_model.RowHeight();
    long top = m_model.Top();
    long count = m_model.Count();
    long first = std::max(0L, update.top / height);
    long last = std::min<long>(update.bottom / height, m_model.VisibleRows() - 1);
    // With one line per row the column lines of all rows are drawn at once:
    // the same pixels as row by row, one pen per column instead of one per cell.
    bool gridLater = m_model.Lines() == 1 && m_model.PositionCount(1) == 0 && m_model.PositionCount(2) == 0 &&
                     m_model.PositionCount(3) == 0;
    bool blank = false;
    for (long row = update.top / height; row <= update.bottom / height; ++row) {
        DrawRow(&dc, row, blank ? -(top + row) : top + row, gridLater);
        if (top + row >= count - 1)
            blank = true;
    }
    if (gridLater && first <= last) {
        DrawColumnLines(&dc, static_cast<int>(first * height), static_cast<int>((last + 1) * height));
        if (m_model.SelectMode() && m_model.Marking()) {
            for (long row = first; row <= last; ++row) {
                if (top + row < count && m_model.IsMarked(top + row))
                    m_model.RefreshMark(top + row, 1);
            }
        }
    }
    if (m_model.IsVisible(current) && m_model.CursorShown())
        DrawCursorFrame(&dc, current);
    m_pGdi->SetFont(m_pFont);
    if (oldFont != nullptr)
        ::SelectObject(dc.m_hDC, oldFont);
    m_pPaintDC = nullptr;
}

void CMtrxLst::DrawColumnLines(CDC* pDC, int top, int bottom)
{
    int positions = m_model.PositionCount(0);
    const short* xs = m_model.Positions(0);
    for (int p = 0; p < positions; ++p)
        m_pGdi->Line(pDC, xs[p], top, xs[p], bottom, 1, m_pColours->crGrid);
}

void CMtrxLst::DrawRow(CDC* pDC, long row, long index, bool gridLater)
{
    if (row < 0 || row >= m_model.VisibleRows())
        return;
    bool marked = m_model.SelectMode() && m_model.Marking() && m_model.IsMarked(index);
    if (marked)
        m_model.RefreshMark(index, 0);
    int height = m_model.RowHeight();
    int lineHeight = m_model.LineHeight();
    int right = m_model.AreaRight();
    int y0 = static_cast<int>(row * height);
    m_pGdi->FillRect(pDC, CRect(0, y0, right, y0 + height), m_pColours->crFrame, RowColour(index));
    for (int k = 1; k < m_model.Lines(); ++k)
        m_pGdi->Line(pDC, 0, y0 + k * lineHeight, right, y0 + k * lineHeight, 1, m_pColours->crGrid);
    if (m_model.SelectMode())
        DrawSelectButton(pDC, row);
    for (int line = 0; line < CMtrxModel::kMaxLines && !gridLater; ++line) {
        int positions = m_model.PositionCount(line);
        const short* xs = m_model.Positions(line);
        int lineTop = y0 + line * lineHeight;
        for (int p = 0; p < positions; ++p)
            m_pGdi->Line(pDC, xs[p], lineTop, xs[p], lineTop + lineHeight, 1, m_pColours->crGrid);
    }
    if (index >= 0 && index < m_model.Count()) {
        for (int line = 0; line < CMtrxModel::kMaxLines; ++line) {
            for (int column = 0; column < m_model.CellCapacity(); ++column) {
                if (char* cell = Text(line, column))
                    cell[0] = '\0';
            }
            m_lineColourSet[line] = 0;
            m_lineColour[line] = 0;
        }
        ++m_nRowRequests;
        m_sink.SendOwner(m_model.RowMsg(), static_cast<uintptr_t>(row), index);
        for (int line = 0; line < m_model.Lines(); ++line)
            DrawTexts(pDC, row, line);
    }
    if (marked && !gridLater)
        m_model.RefreshMark(index, 1);
}

void CMtrxLst::DrawTexts(CDC* pDC, long row, int line)
{
    int height = m_model.RowHeight();
    int lineHeight = m_model.LineHeight();
    int yTop = static_cast<int>(row * height) + line * lineHeight + 2;
    int yBottom = static_cast<int>(row * height) + (line + 1) * lineHeight - 2;
    CRect client;
    GetClientRect(&client);
    int positions = m_model.PositionCount(line);
    const short* xs = m_model.Positions(line);
    const short* alignments = m_model.Alignments(line);
    for (int cell = 0; cell + 1 < positions; ++cell) {
        int left = xs[cell];
        int right = xs[cell + 1];
        if (left > client.right)
            break;
        short alignment = alignments[cell];
        if (alignment == 1) {
            ++left;
            ++right;
        } else if (alignment == 2) {
            --right;
            if (cell == positions - 2)
                left -= 2;
        }
        int column = cell;
        if (m_model.HScrollOn() && cell >= m_model.Frozen())
            column = cell + (m_model.FirstScrolled() - m_model.Frozen());
        char* text = Text(line, column);
        if (text == nullptr || text[0] == '\0' || column >= CMtrxModel::kMaxColumns)
            continue;
        m_pGdi->DispRectString(pDC, CRect(left, yTop, right, yBottom), text, alignments[column], m_lineColour[line]);
    }
}

void CMtrxLst::DrawSelectButton(CDC* pDC, long row)
{
    int height = m_model.RowHeight();
    short width = 0;
    short alignment = 0;
    CRect button(0, static_cast<int>(row * height) + 1, m_model.SelectButtonWidth() - 1,
                 static_cast<int>((row + 1) * height));
    m_pGdi->DispRectFrameString(pDC, button, 1, nullptr, &width, &alignment, 3, 0xC0C0C0, 0, 0, 0xFFFFFF, 0x808080);
}

void CMtrxLst::DrawCursorFrame(CDC* pDC, long index)
{
    if (m_model.IsMarked(index) || !m_model.IsVisible(index))
        return;
    int top = static_cast<int>((index - m_model.Top()) * m_model.RowHeight());
    int bottom = top + m_model.RowHeight();
    int left = 0;
    int right = m_model.AreaRight();
    POINT outer[5] = {{left, bottom}, {left, top}, {right, top}, {right, bottom}, {left, bottom}};
    POINT inner[5] = {{left + 1, bottom - 1}, {left + 1, top + 1}, {right - 1, top + 1}, {right - 1, bottom - 1},
                      {left + 1, bottom - 1}};
    POINT third[5] = {{left + 1, bottom - 2}, {left + 1, top + 2}, {right - 1, top + 2}, {right - 1, bottom - 2},
                      {left + 1, bottom - 2}};
    m_pGdi->PolyLine(pDC, outer, 5, 1, m_pColours->crCursor);
    m_pGdi->PolyLine(pDC, inner, 5, 1, m_pColours->crCursor);
    m_pGdi->PolyLine(pDC, third, 5, 1, m_pColours->crCursor);
}

void CMtrxLst::EraseCursorFrame(CDC* pDC, long index)
{
    if (m_model.IsMarked(index) || !m_model.IsVisible(index))
        return;
    long row = index - m_model.Top();
    int top = static_cast<int>(row * m_model.RowHeight());
    int bottom = top + m_model.RowHeight();
    int left = 0;
    int right = m_model.AreaRight();
    HBRUSH brush = ::CreateSolidBrush(RowColour(index));
    if (brush == nullptr)
        return;
    const RECT strips[4] = {{left, top, left + 2, bottom + 1},
                            {left, top, right + 1, top + 3},
                            {right - 1, top, right + 1, bottom + 1},
                            {left, bottom - 2, right + 1, bottom + 1}};
    for (const RECT& strip : strips)
        ::FillRect(pDC->m_hDC, &strip, brush);
    ::DeleteObject(brush);
    POINT outline[5] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    m_pGdi->PolyLine(pDC, outline, 5, 1, m_pColours->crFrame);
    int lastLine = -1;
    for (int line = 0; line < CMtrxModel::kMaxLines; ++line) {
        if (m_model.PositionCount(line) > 0)
            lastLine = line;
    }
    for (int p = 1; p + 1 < m_model.PositionCount(0); ++p) {
        int x = m_model.Positions(0)[p];
        m_pGdi->Line(pDC, x, top, x, top + 3, 1, m_pColours->crGrid);
    }
    if (lastLine >= 0) {
        for (int p = 1; p + 1 < m_model.PositionCount(lastLine); ++p) {
            int x = m_model.Positions(lastLine)[p];
            m_pGdi->Line(pDC, x, bottom - 3, x, bottom, 1, m_pColours->crGrid);
        }
    }
    if (m_model.SelectMode())
        DrawSelectButton(pDC, row);
}

// ---------------------------------------------------------------------------
// Bitmaps

int CMtrxLst::InitBitMap(UINT nID)
{
    if (m_nBitmaps >= kMaxBitmaps)
        return 0;
    CBitmap* bitmap = new (std::nothrow) CBitmap;
    if (bitmap == nullptr)
        return 0;
    if (!bitmap->LoadBitmap(nID)) {
        delete bitmap;
        return 0;
    }
    m_bitmaps[m_nBitmaps] = bitmap;
    m_bitmapIds[m_nBitmaps] = nID;
    ++m_nBitmaps;
    return 1;
}

void CMtrxLst::ShowBitMap(long lIndex, UINT nID, short nLine, short nColumn, short nPlace)
{
    if (nLine < 0 || nLine + 1 > m_model.Lines() || !m_model.IsVisible(lIndex) || m_hWnd == nullptr)
        return;
    if (nColumn < 0 || nColumn + 1 >= m_model.PositionCount(nLine))
        return;
    CBitmap* bitmap = nullptr;
    for (int slot = 0; slot < m_nBitmaps; ++slot) {
        if (m_bitmapIds[slot] == nID)
            bitmap = m_bitmaps[slot];
    }
    if (bitmap == nullptr)
        return;
    int lineHeight = m_model.LineHeight();
    int x0 = m_model.Positions(nLine)[nColumn];
    int width = m_model.Positions(nLine)[nColumn + 1] - x0;
    int y = static_cast<int>((lIndex - m_model.Top()) * m_model.RowHeight()) + nLine * lineHeight + 2 +
            (nPlace == 1 ? 1 : 0);
    BITMAP info = {};
    if (bitmap->GetBitmap(&info) == 0)
        return;
    int drawnWidth = std::min<int>(width - 4, info.bmWidth);
    int drawnHeight = std::min<int>(lineHeight - 4, info.bmHeight);
    if (drawnWidth <= 0 || drawnHeight <= 0)
        return;
    int x = nPlace == 1 ? x0 + (width - drawnWidth) - 4 : x0;
    DrawDC dc(this);
    if (static_cast<CDC*>(dc) == nullptr)
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CBitmap* previous = memory.SelectObject(bitmap);
    dc->StretchBlt(x + 2, y, drawnWidth, drawnHeight, &memory, 0, 0, info.bmWidth, info.bmHeight, SRCAND);
    memory.SelectObject(previous);
}

void CMtrxLst::TermBitMap()
{
    for (int slot = 0; slot < m_nBitmaps; ++slot) {
        delete m_bitmaps[slot];  // deletes its GDI object
        m_bitmaps[slot] = nullptr;
        m_bitmapIds[slot] = 0;
    }
    m_nBitmaps = 0;
}
