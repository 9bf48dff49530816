#include "CSetTerm.h"

#include <new>

#include "afx/CClientDC.h"
#include "grid/CGdi.h"
#include "grid/TermBarLayout.h"

namespace {

const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kFocusFace = RGB(0, 0, 255);
const COLORREF kFace = RGB(0, 0, 0);
const COLORREF kLabel = RGB(192, 192, 192);
const COLORREF kChosenLabel = RGB(255, 255, 0);
const COLORREF kUnderline = RGB(255, 0, 0);

using TermBarLayout::ClampCell;
using TermBarLayout::kClosingCell;

// Label bytes from..to (exclusive) at x, every byte advanced by one cell
// unit and clipped to exactly that many units.
void DrawLabels(CDC* pDC, const char* labels, int from, int to, int x, int y, short unit, short height)
{
    if (from >= to)
        return;
    INT advances[TermBarLayout::kLabelBytes];
    for (int& advance : advances)
        advance = unit;
    CRect clip(x, y, x + (to - from) * unit, y + height);
    pDC->ExtTextOut(x, y, ETO_CLIPPED, &clip, labels + from, static_cast<UINT>(to - from), advances);
}

} // namespace

IMPLEMENT_DYNCREATE(CSetTerm, CWnd)

CSetTerm::CSetTerm() : CSetTerm(nullptr) {}

CSetTerm::CSetTerm(CFont* pFont)
    : m_bUnfocused(1), m_pParent(nullptr), m_rect(), m_nStart(0), m_nEnd(0), m_nMode(modeRange), m_nMsg(0),
      m_bDragging(0), m_nFirstMonth(1), m_nCharHeight(0), m_nCellUnit(1), m_bChanged(0), m_bAnchored(0),
      m_pFont(pFont)
{
}

CSetTerm::~CSetTerm() {}

int CSetTerm::Create(CWnd* pParent, CRect rect, short nMode, short nFirstMonth, short nStart, short nEnd,
                     UINT nMsg)
{
    m_pParent = pParent;
    m_nMode = nMode == modeSingle || nMode == modeFromFirst ? nMode : short(modeRange);
    m_nFirstMonth = TermBarLayout::NormalMonth(nFirstMonth);
    m_nMsg = nMsg;
    m_nStart = ClampCell(nStart);
    m_nEnd = ClampCell(nEnd);
    if (m_nMode == modeSingle)
        m_nEnd = m_nStart;
    else if (m_nMode == modeFromFirst)
        m_nStart = 0;

    TEXTMETRICA tm = {};
    {
        CClientDC screen(nullptr);
        CFont* previous = m_pFont != nullptr ? screen.SelectObject(m_pFont) : nullptr;
        screen.GetTextMetrics(&tm);
        if (previous != nullptr)
            screen.SelectObject(previous);
    }
    m_nCharHeight = static_cast<short>(tm.tmHeight);
    m_nCellUnit = static_cast<short>(tm.tmAveCharWidth + 1);

    m_rect.left = rect.left;
    m_rect.top = rect.top;
    m_rect.right = rect.left + 26 * m_nCellUnit + 4;
    m_rect.bottom = rect.top + m_nCharHeight + 5;
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, m_rect, pParent, controlId);
}

void CSetTerm::ShowWindow(CDC* pDC)
{
    if (pDC == nullptr)
        return;
    CGdi gdi;
    const CRect& r = static_cast<const CRect&>(m_rect);
    const POINT shadow[3] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
    const POINT light[3] = {{r.right, r.top}, {r.right, r.bottom}, {r.left + 2, r.bottom}};
    gdi.PolyLine(pDC, shadow, 3, 2, kShadow);
    gdi.PolyLine(pDC, light, 3, 2, kLight);
    COLORREF face = m_bUnfocused == 0 ? kFocusFace : kFace;
    gdi.FillRect(pDC, CRect(r.left + 1, r.top + 1, r.right - 2, r.bottom - 2), kFace, face);

    char labels[TermBarLayout::kLabelBytes + 1];
    TermBarLayout::Labels(m_nFirstMonth, labels);
    int x0 = r.left + 2, y0 = r.top + 2, cell = 2 * m_nCellUnit;
    CFont* previousFont = m_pFont != nullptr ? pDC->SelectObject(m_pFont) : nullptr;
    COLORREF previousText = pDC->SetTextColor(kLabel);
    COLORREF previousBack = pDC->SetBkColor(face);
    DrawLabels(pDC, labels, 0, TermBarLayout::kLabelBytes, x0, y0, m_nCellUnit, m_nCharHeight);
    pDC->SetTextColor(kChosenLabel);
    DrawLabels(pDC, labels, 2 * m_nStart, 2 * (m_nEnd + 1), x0 + cell * m_nStart, y0, m_nCellUnit,
               m_nCharHeight);
    gdi.Line(pDC, x0 + cell * m_nStart, r.bottom - 3, x0 + cell * (m_nEnd + 1) - 1, r.bottom - 3, 3, kUnderline);
    pDC->SetTextColor(previousText);
    pDC->SetBkColor(previousBack);
    if (previousFont != nullptr)
        pDC->SelectObject(previousFont);
}

short CSetTerm::GetHeight()
{
    return static_cast<short>(m_nCharHeight + 7);
}

short CSetTerm::GetStart()
{
    return m_nStart;
}

short CSetTerm::GetEnd()
{
    return m_nEnd;
}

void CSetTerm::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    bool range = m_nMode == modeRange;
    switch (nChar) {
    case VK_RIGHT:
        if (m_nEnd >= kClosingCell)
            break;
        if (range && m_bAnchored == 0)
            SetCells(m_nStart + 1, m_nStart + 1);
        else if (m_nMode == modeSingle)
            SetCells(m_nStart + 1, m_nEnd + 1);
        else
            SetCells(m_nStart, m_nEnd + 1);
        break;
    case VK_LEFT:
        if (m_nEnd <= 0)
            break;
        if (range && m_bAnchored == 0)
            SetCells(m_nStart - 1, m_nStart - 1);
        else if (m_nMode == modeSingle)
            SetCells(m_nStart - 1, m_nEnd - 1);
        else if (!range || m_nEnd > m_nStart)
            SetCells(m_nStart, m_nEnd - 1);
        break;
    case VK_RETURN:
        m_bChanged = 1;
        if (range && m_bAnchored == 0)
            m_bAnchored = 1;
        else
            Complete();
        break;
    case VK_ESCAPE:
        if (!range)
            break;
        m_bAnchored = 0;
        m_nStart = m_nEnd;
        Repaint();
        m_bChanged = 1;
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CSetTerm::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    short cell = TermBarLayout::CellAt(point.x, m_rect.right - m_rect.left, m_nCellUnit);
    SetCells(m_nMode == modeFromFirst ? 0 : cell, cell);
    if (m_nMode == modeRange) {
        m_bDragging = 1;
        SetCapture();
    }
}

void CSetTerm::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    Complete();
}

void CSetTerm::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging == 0)
        return;
    if ((nFlags & MK_LBUTTON) == 0) {
        StopDragging();
        return;
    }
    short cell = TermBarLayout::CellAt(point.x, m_rect.right - m_rect.left, m_nCellUnit);
    if (cell >= m_nStart)
        SetCells(m_nStart, cell);
}

void CSetTerm::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_bUnfocused = 0;
    m_bDragging = 0;
    m_bAnchored = 0;
    // A range collapses to its last month; a range from the first cell
    // keeps its start.
    if (m_nMode != modeFromFirst)
        m_nStart = m_nEnd;
    Repaint();
}

void CSetTerm::OnKillFocus(CWnd* /*pNewWnd*/)
{
    m_bUnfocused = 1;
    Repaint();
}

void CSetTerm::SetCells(short nStart, short nEnd)
{
    nStart = ClampCell(nStart);
    nEnd = ClampCell(nEnd);
    if (nStart == m_nStart && nEnd == m_nEnd)
        return;
    m_nStart = nStart;
    m_nEnd = nEnd;
    Repaint();
    m_bChanged = 1;
}

void CSetTerm::Complete()
{
    if (m_bChanged == 1 && m_nMsg != 0 && m_pParent != nullptr)
        m_pParent->SendMessage(m_nMsg, 0, 0);
    m_bChanged = 0;
    if (m_pParent != nullptr)
        m_pParent->SetFocus();
    if (m_bDragging != 0)
        StopDragging();
}

void CSetTerm::StopDragging()
{
    m_bDragging = 0;
    ::ReleaseCapture();
}

void CSetTerm::Repaint()
{
    if (m_pParent == nullptr || m_pParent->m_hWnd == nullptr)
        return;
    CClientDC dc(m_pParent);
    ShowWindow(&dc);
}
