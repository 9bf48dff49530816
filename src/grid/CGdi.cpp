#include "CGdi.h"

#include <memory>
#include <new>

#include "afx/CBrush.h"
#include "afx/CPen.h"
#include "grid/GdiLayout.h"

namespace {

short S16(int value)
{
    return static_cast<short>(value);
}

// Selects a GDI object for the guard's life and selects the previous one
// back when it ends. Nothing happens for a null object.
template <class T>
class ScopedSelect {
public:
    ScopedSelect(CDC* pDC, T* pObject)
        : m_pDC(pDC), m_pPrevious(pObject != nullptr ? pDC->SelectObject(pObject) : nullptr)
    {
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect()
    {
        if (m_pPrevious != nullptr)
            m_pDC->SelectObject(m_pPrevious);
    }

private:
    CDC* m_pDC;
    T* m_pPrevious;
};

// Keeps the text colour and background mode; the background mode goes back
// first, then the colour.
class SavedTextState {
public:
    explicit SavedTextState(CDC* pDC) : m_pDC(pDC), m_colour(pDC->GetTextColor()), m_mode(pDC->GetBkMode()) {}
    SavedTextState(const SavedTextState&) = delete;
    SavedTextState& operator=(const SavedTextState&) = delete;
    ~SavedTextState()
    {
        m_pDC->SetBkMode(m_mode);
        m_pDC->SetTextColor(m_colour);
    }

private:
    CDC* m_pDC;
    COLORREF m_colour;
    int m_mode;
};

// The font selected, the text colour set and the background transparent
// for the guard's life.
class TextScope {
public:
    TextScope(CDC* pDC, CFont* pFont, COLORREF colour) : m_font(pDC, pFont), m_saved(pDC)
    {
        pDC->SetTextColor(colour);
        pDC->SetBkMode(TRANSPARENT);
    }

private:
    ScopedSelect<CFont> m_font;
    SavedTextState m_saved;
};

TEXTMETRICA Metrics(CDC* pDC)
{
    TEXTMETRICA tm = {};
    if (!pDC->GetTextMetrics(&tm))
        tm = TEXTMETRICA();
    return tm;
}

short TextWidth(CDC* pDC, const char* text)
{
    return S16(pDC->GetTextExtent(text, ::lstrlenA(text)).cx);
}

} // namespace

CGdi::CGdi() : m_pFont(nullptr) {}

CGdi::~CGdi() {}

void CGdi::SetFont(CFont* pFont)
{
    m_pFont = pFont;
}

void CGdi::DispString(CDC* pDC, CPoint point, const char* text, unsigned long colour)
{
    if (pDC == nullptr || text == nullptr)
        return;
    TextScope scope(pDC, m_pFont, colour);
    pDC->TextOut(point.x, point.y, text, ::lstrlenA(text));
}

void CGdi::DispString3D(CDC* pDC, CPoint point, const char* text, unsigned long shadowColour,
                        unsigned long colour)
{
    DispString(pDC, CPoint(point.x + 1, point.y + 1), text, shadowColour);
    DispString(pDC, point, text, colour);
}

void CGdi::DispRectString(CDC* pDC, CRect box, const char* text, short alignment, unsigned long colour)
{
    if (pDC == nullptr || text == nullptr)
        return;
    TextScope scope(pDC, m_pFont, colour);
    short innerLeft = S16(box.left + 1), innerTop = S16(box.top + 1);
    short innerWidth = S16(S16(box.right - 1) - innerLeft);
    short innerHeight = S16(S16(box.bottom - 1) - innerTop);
    short x = GdiLayout::RectTextX(innerLeft, innerWidth, TextWidth(pDC, text), alignment);
    short y = GdiLayout::RectTextY(innerTop, innerHeight, S16(Metrics(pDC).tmHeight));
    pDC->ExtTextOut(x, y, ETO_CLIPPED, &box, text, static_cast<UINT>(::lstrlenA(text)), nullptr);
}

void CGdi::DispRectFrameString(CDC* pDC, CRect box, short count, const char* const* texts, const short* widths,
                               const short* alignments, short style, unsigned long backColour,
                               unsigned long textColour, unsigned long text3DColour, unsigned long topLeftColour,
                               unsigned long bottomRightColour)
{
    if (pDC == nullptr)
        return;
    ScopedSelect<CFont> font(pDC, m_pFont);
    SavedTextState saved(pDC);

    {
        CBrush back;
        if (!back.CreateSolidBrush(backColour))
            return;
        pDC->FillRect(&box, &back);
    }
    // The fill covers the box as given; everything after starts at x >= 0.
    short left = S16(box.left < 0 ? 0 : box.left);
    short top = S16(box.top), right = S16(box.right), bottom = S16(box.bottom);
    TEXTMETRICA tm = Metrics(pDC);
    GdiLayout::Row row(count, widths, S16(tm.tmAveCharWidth), S16(right - left));

    if (texts != nullptr) {
        pDC->SetBkMode(TRANSPARENT);
        for (short pass = 1; pass >= 0; --pass) {
            if (pass == 1 && (style & styleEmbossed) == 0)
                continue;
            pDC->SetTextColor(pass == 1 ? text3DColour : textColour);
            short x = S16(left + 1);
            for (short i = 0; i < row.Count(); ++i) {
                const char* text = texts[i];
                if (text != nullptr) {
                    short alignment = alignments != nullptr ? alignments[i] : short(GdiLayout::alignLeft);
                    short offset = GdiLayout::AlignOffset(alignment, row.FreeSpace(i, TextWidth(pDC, text)));
                    pDC->TextOut(S16(x + offset + pass + 1), S16(top + 1 + pass), text, ::lstrlenA(text));
                }
                x = S16(x + row.PixelWidth(i));
            }
        }
    }

    if ((style & styleFrame3D) != 0) {
        POINT topLeft[3] = {{left, bottom}, {left, top}, {right, top}};
        POINT bottomRight[3] = {{right, top}, {right, bottom}, {left, bottom}};
        PolyLine(pDC, topLeft, 3, 1, topLeftColour);
        PolyLine(pDC, bottomRight, 3, 1, bottomRightColour);
    }

    // Etched separators: a dark line with a light one to its right.
    for (short pass = 0; pass <= 1 && row.Count() > 1; ++pass) {
        CPen pen;
        if (!pen.CreatePen(PS_SOLID, 1, pass == 0 ? bottomRightColour : topLeftColour))
            return;
        ScopedSelect<CPen> selected(pDC, &pen);
        short boundary = 1;  // row.Left(i + 1), summed as we go
        for (short i = 0; i + 1 < row.Count(); ++i) {
            boundary = S16(boundary + row.PixelWidth(i));
            pDC->MoveTo(S16(boundary + pass), top);
            pDC->LineTo(S16(boundary + pass), bottom);
        }
    }
}

void CGdi::DispTitle(CDC* pDC, CRect box, short count, const char* const* titles, short alignment,
                     unsigned long backColour, unsigned long textColour, unsigned long text3DColour,
                     unsigned long topLeftColour, unsigned long bottomRightColour)
{
    short columns = count > 0 ? count : 0;
    std::unique_ptr<short[]> widths(new (std::nothrow) short[columns]);
    std::unique_ptr<short[]> alignments(new (std::nothrow) short[columns]);
    if (!widths || !alignments)
        return;
    for (short i = 0; i < columns; ++i) {
        widths[i] = S16(titles != nullptr && titles[i] != nullptr ? ::lstrlenA(titles[i]) : 0);
        alignments[i] = alignment;
    }
    DispRectFrameString(pDC, box, columns, titles, widths.get(), alignments.get(), styleEmbossed | styleFrame3D,
                        backColour, textColour, text3DColour, topLeftColour, bottomRightColour);
}

void CGdi::DispListBoxItem(CDC* pDC, CRect box, short count, const char* const* texts, const short* widths,
                           const short* alignments, unsigned long backColour, unsigned long textColour,
                           unsigned long text3DColour, unsigned long topLeftColour,
                           unsigned long bottomRightColour)
{
    DispRectFrameString(pDC, box, count, texts, widths, alignments, 0, backColour, textColour, text3DColour,
                        topLeftColour, bottomRightColour);
}

void CGdi::GetRowRect(CDC* pDC, short count, const short* widths, short column, short totalWidth, short* pLeft,
                      short* pRight)
{
    if (pLeft != nullptr)
        *pLeft = 0;
    if (pRight != nullptr)
        *pRight = 0;
    if (pDC == nullptr)
        return;
    ScopedSelect<CFont> font(pDC, m_pFont);
    GdiLayout::Row row(count, widths, S16(Metrics(pDC).tmAveCharWidth), totalWidth);
    row.Extent(column, pLeft, pRight);
}

void CGdi::Line(CDC* pDC, int x1, int y1, int x2, int y2, short penWidth, unsigned long colour)
{
    if (pDC == nullptr)
        return;
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, penWidth, colour))
        return;
    ScopedSelect<CPen> selected(pDC, &pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void CGdi::Line(CDC* pDC, CRect ends, short penWidth, unsigned long colour)
{
    Line(pDC, ends.left, ends.top, ends.right, ends.bottom, penWidth, colour);
}

void CGdi::Rect(CDC* pDC, CRect box, short penWidth, unsigned long colour)
{
    Line(pDC, box.left, box.top, box.right, box.top, penWidth, colour);
    Line(pDC, box.right, box.top, box.right, box.bottom, penWidth, colour);
    Line(pDC, box.right, box.bottom, box.left, box.bottom, penWidth, colour);
    Line(pDC, box.left, box.bottom, box.left, box.top, penWidth, colour);
}

void CGdi::PolyLine(CDC* pDC, const POINT* points, short count, short penWidth, unsigned long colour)
{
    if (pDC == nullptr || points == nullptr || count < 2)
        return;
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, penWidth, colour))
        return;
    ScopedSelect<CPen> selected(pDC, &pen);
    pDC->Polyline(points, count);
}

void CGdi::FillRect(CDC* pDC, CRect box, unsigned long frameColour, unsigned long fillColour)
{
    if (pDC == nullptr)
        return;
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, 1, frameColour) || !brush.CreateSolidBrush(fillColour))
        return;
    ScopedSelect<CPen> selectedPen(pDC, &pen);
    ScopedSelect<CBrush> selectedBrush(pDC, &brush);
    pDC->Rectangle(box.left, box.top, box.right + 1, box.bottom + 1);
}
