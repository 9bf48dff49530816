// CFont: a GDI font owned by the object.
#pragma once

#include "CGdiObject.h"

class CDC;

class ZR8AFX_API CFont : public CGdiObject {
public:
    CFont();

    // NULL when hFont is not a font.
    static CFont* FromHandle(HFONT hFont);

    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                    BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // Size in tenths of a point, converted for the screen or for pDC.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    int GetLogFont(LOGFONTA* pLogFont) const;

    operator HFONT() const;
};
