// CStaticDisp: a framed text label drawn into a device context (not a
// window): grey face, a sunken, raised or no frame, one aligned text.
#pragma once

#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CRect.h"
#include "frame/WinLibApi.h"

class CGdi;

class ZR8WLIB_API CStaticDisp {
public:
    // Frame styles: 0 sunken, 2 none, any other value raised.
    enum { frameSunken = 0, frameRaised = 1, frameNone = 2 };
    enum { maxTextBytes = 255 };

    // The font is not owned; alignment as CGdi (0 centred, 1 left, 2 right).
    CStaticDisp(short nFrame, CFont* font, CRect rect, short nAlign);
    ~CStaticDisp();
    CStaticDisp(const CStaticDisp&) = delete;
    CStaticDisp& operator=(const CStaticDisp&) = delete;

    // Keeps the text (at most 255 bytes, never ending in half of a
    // double-byte character; null = empty) and draws when pDC is not null.
    void SetText(const char* text, CDC* pDC);
    void Disp(CDC* pDC);

protected:
    short m_nFrame;
    short m_nAlign;
    CGdi* m_pGdi;  // owned, with the font
    CFont* m_pFont;
    char m_szText[maxTextBytes + 1];
    CRect m_rect;
};
