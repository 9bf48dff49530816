// CGdi: the drawing toolkit of the library's painted controls. Texts in a
// colour on a transparent background, aligned texts, embossed texts, rows of
// column texts with etched separators and an optional 3D frame, lines,
// polylines, outlined and filled boxes.
//
// Every operation creates the pens and brushes it needs, draws, selects back
// what was selected before and deletes what it created: the device context
// keeps its font, text colour, background mode, pen and brush. Nothing is
// cached between calls. A null device context, text or array draws nothing.
//
// Alignment codes: alignCentre, alignLeft, alignRight; any other value left.
// Colours are COLORREF values (0x00BBGGRR); coordinates are device pixels.
#pragma once

#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CRect.h"
#include "frame/WinLibApi.h"
#include "grid/GdiLayout.h"

class ZR8WLIB_API CGdi {
public:
    // Style bits of DispRectFrameString.
    enum { styleEmbossed = 1, styleFrame3D = 2 };
    // Alignment codes, the layout's own.
    enum {
        alignCentre = GdiLayout::alignCentre,
        alignLeft = GdiLayout::alignLeft,
        alignRight = GdiLayout::alignRight
    };

    CGdi();
    ~CGdi();

    // The font of the text operations; not owned, null = the DC's own.
    void SetFont(CFont* pFont);

    // Text with its top-left at point.
    void DispString(CDC* pDC, CPoint point, const char* text, unsigned long colour);
    // The text one pixel right and down in the shadow colour, then in place.
    void DispString3D(CDC* pDC, CPoint point, const char* text, unsigned long shadowColour,
                      unsigned long colour);
    // Text aligned in the box less one pixel on each side, vertically
    // centred, clipped to the box.
    void DispRectString(CDC* pDC, CRect box, const char* text, short alignment, unsigned long colour);
    // A row of count columns over the box: filled in the back colour, texts
    // per column (widths in average characters), separators, and with style
    // bit 1 a 3D frame. Texts and separators are placed as GdiLayout::Row
    // lays them out; separators count from x = 0 of the DC, texts from the
    // box's left edge.
    void DispRectFrameString(CDC* pDC, CRect box, short count, const char* const* texts, const short* widths,
                             const short* alignments, short style, unsigned long backColour,
                             unsigned long textColour, unsigned long text3DColour, unsigned long topLeftColour,
                             unsigned long bottomRightColour);
    // A title row: each column as wide as its title, embossed, framed.
    void DispTitle(CDC* pDC, CRect box, short count, const char* const* titles, short alignment,
                   unsigned long backColour, unsigned long textColour, unsigned long text3DColour,
                   unsigned long topLeftColour, unsigned long bottomRightColour);
    // A list row: plain texts, separators, no frame.
    void DispListBoxItem(CDC* pDC, CRect box, short count, const char* const* texts, const short* widths,
                         const short* alignments, unsigned long backColour, unsigned long textColour,
                         unsigned long text3DColour, unsigned long topLeftColour,
                         unsigned long bottomRightColour);
    // Horizontal extent of one column of a row over totalWidth. Both outputs
    // are 0 for a column outside 0 ... count − 1 or without a DC.
    void GetRowRect(CDC* pDC, short count, const short* widths, short column, short totalWidth, short* pLeft,
                    short* pRight);

    // A line from (x1, y1) to (x2, y2), the end pixel left out.
    void Line(CDC* pDC, int x1, int y1, int x2, int y2, short penWidth, unsigned long colour);
    // The line from the top-left to the bottom-right corner of ends.
    void Line(CDC* pDC, CRect ends, short penWidth, unsigned long colour);
    // The outline of the box through its four corners.
    void Rect(CDC* pDC, CRect box, short penWidth, unsigned long colour);
    void PolyLine(CDC* pDC, const POINT* points, short count, short penWidth, unsigned long colour);
    // The box with its right and bottom edges filled in the fill colour
    // inside a one-pixel outline in the frame colour.
    void FillRect(CDC* pDC, CRect box, unsigned long frameColour, unsigned long fillColour);

private:
    CFont* m_pFont;  // not owned
};
