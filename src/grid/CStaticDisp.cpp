#include "CStaticDisp.h"

#include <new>

#include "afx/ShiftJis.h"
#include "grid/CGdi.h"

namespace {

const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kLight = RGB(255, 255, 255);

} // namespace

CStaticDisp::CStaticDisp(short nFrame, CFont* font, CRect rect, short nAlign)
    : m_nFrame(nFrame), m_nAlign(nAlign), m_pGdi(new (std::nothrow) CGdi), m_pFont(font), m_szText(),
      m_rect(rect)
{
    if (m_pGdi != nullptr)
        m_pGdi->SetFont(font);
}

CStaticDisp::~CStaticDisp()
{
    delete m_pGdi;
}

void CStaticDisp::SetText(const char* text, CDC* pDC)
{
    size_t length = text != nullptr ? sjis::FitLength(text, maxTextBytes) : 0;
    for (size_t i = 0; i < length; ++i)
        m_szText[i] = text[i];
    m_szText[length] = '\0';
    Disp(pDC);
}

void CStaticDisp::Disp(CDC* pDC)
{
    if (pDC == nullptr || m_pGdi == nullptr)
        return;
    m_pGdi->FillRect(pDC, m_rect, kFace, kFace);
    if (m_nFrame != frameNone) {
        COLORREF topLeft = m_nFrame == frameSunken ? kShadow : kLight;
        COLORREF bottomRight = m_nFrame == frameSunken ? kLight : kShadow;
        const CRect& r = m_rect;
        m_pGdi->Line(pDC, r.left, r.top, r.right, r.top, 1, topLeft);
        m_pGdi->Line(pDC, r.left, r.top, r.left, r.bottom, 1, topLeft);
        m_pGdi->Line(pDC, r.left, r.bottom, r.right, r.bottom, 1, bottomRight);
        m_pGdi->Line(pDC, r.right, r.top, r.right, r.bottom, 1, bottomRight);
    }
    m_pGdi->DispRectString(pDC, CRect(m_rect.left + 1, m_rect.top, m_rect.right - 1, m_rect.bottom), m_szText,
                           m_nAlign, RGB(0, 0, 0));
}
