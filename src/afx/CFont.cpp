#include "CFont.h"

#include <cstring>

#include "CDC.h"

CFont::CFont() {}

CFont* CFont::FromHandle(HFONT hFont)
{
    return dynamic_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    return lpLogFont != nullptr ? Attach(::CreateFontIndirectA(lpLogFont)) : FALSE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    HDC hDC = pDC != nullptr ? pDC->GetSafeHdc() : nullptr;
    HDC hScreen = hDC == nullptr ? ::GetDC(nullptr) : nullptr;
    int pixelsPerInch = ::GetDeviceCaps(hDC != nullptr ? hDC : hScreen, LOGPIXELSY);
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    // Negative: the character height, without the internal leading.
    logFont.lfHeight = -::MulDiv(nPointSize, pixelsPerInch, 720);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    return GetObject(sizeof(LOGFONTA), pLogFont);
}

CFont::operator HFONT() const
{
    return static_cast<HFONT>(m_hObject);
}
