// A memory DC over a screen-compatible bitmap whose pixels the tests read, and
// the font the drawing tests use.
#pragma once

#include <windows.h>

#include "afx/CDC.h"
#include "afx/CFont.h"

class Canvas {
public:
    Canvas(int width, int height) : m_size{0, 0, width, height}
    {
        HDC screen = ::GetDC(nullptr);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_old = ::SelectObject(m_dc.m_hDC, m_bitmap);
        Clear(RGB(255, 255, 255));
    }
    ~Canvas()
    {
        ::SelectObject(m_dc.m_hDC, m_old);
        m_dc.DeleteDC();
        ::DeleteObject(m_bitmap);
    }
    CDC* Dc() { return &m_dc; }
    HDC Hdc() const { return m_dc.m_hDC; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.m_hDC, x, y); }
    void Clear(COLORREF colour) { Fill(m_size, colour); }
    void Fill(RECT area, COLORREF colour)
    {
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(m_dc.m_hDC, &area, brush);
        ::DeleteObject(brush);
    }
    // Pixels in the area (empty: everywhere) of the colour, with other of any
    // other colour; against another canvas, the pixels that differ from it.
    int Count(COLORREF colour, RECT area = RECT(), bool other = false, const Canvas* against = nullptr) const
    {
        if (::IsRectEmpty(&area))
            area = m_size;
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += against != nullptr ? Pixel(x, y) != against->Pixel(x, y) : (Pixel(x, y) == colour) != other;
        return n;
    }

private:
    RECT m_size;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    CDC m_dc;
};

// ＭＳ ゴシック at a pixel height, unsmoothed so that pixels are exact.
inline bool MakeGothic(CFont& font, int height)
{
    return font.CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN,
                           "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E") != FALSE;
}

// The font's metrics, and the width of a text in it.
inline TEXTMETRICA MetricsOf(HDC dc, const CFont& font, const char* text = "", int* width = nullptr)
{
    HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
    TEXTMETRICA tm = {};
    SIZE size = {};
    ::GetTextMetricsA(dc, &tm);
    ::GetTextExtentPoint32A(dc, text, ::lstrlenA(text), &size);
    ::SelectObject(dc, old);
    if (width != nullptr)
        *width = size.cx;
    return tm;
}
