// A 32-bit memory DC over a DIB section whose pixels the tests read, and the
// font the drawing tests use.
#pragma once

#include <windows.h>

#include <cstdint>

#include "afx/CDC.h"
#include "afx/CFont.h"

class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_oldBitmap = ::SelectObject(m_dc.m_hDC, m_bitmap);
        Clear(RGB(255, 255, 255));
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas()
    {
        ::SelectObject(m_dc.m_hDC, m_oldBitmap);
        m_dc.DeleteDC();
        ::DeleteObject(m_bitmap);
    }

    bool Ok() const { return m_bits != nullptr && m_dc.m_hDC != nullptr; }
    CDC* Dc() { return &m_dc; }
    HDC Hdc() const { return m_dc.m_hDC; }
    void Clear(COLORREF c)
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i)
            m_bits[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    COLORREF Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        ::GdiFlush();
        uint32_t v = m_bits[y * m_width + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of the colour (or, with other, of any other colour) in the
    // area; an empty area is the whole canvas.
    int Count(COLORREF colour, RECT area, bool other = false) const
    {
        if (::IsRectEmpty(&area))
            area = {0, 0, m_width, m_height};
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += (Pixel(x, y) == colour) != other;
        return n;
    }
    int Differences(const Canvas& other) const
    {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += Pixel(x, y) != other.Pixel(x, y);
        return n;
    }

private:
    int m_width, m_height;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    uint32_t* m_bits = nullptr;
    CDC m_dc;
};

// ＭＳ ゴシック at a pixel height, unsmoothed so that pixels are exact.
inline bool MakeGothic(CFont& font, int height)
{
    return font.CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN,
                           "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E") != FALSE;
}

inline TEXTMETRICA MetricsOf(HDC dc, const CFont& font)
{
    HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    ::SelectObject(dc, old);
    return tm;
}

inline int WidthOf(HDC dc, const CFont& font, const char* text)
{
    HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, ::lstrlenA(text), &size);
    ::SelectObject(dc, old);
    return size.cx;
}
