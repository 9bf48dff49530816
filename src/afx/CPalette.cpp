#include "CPalette.h"

CPalette::CPalette() {}

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
    return dynamic_cast<CPalette*>(CGdiObject::FromHandle(hPalette));
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return lpLogPalette != nullptr && Attach(::CreatePalette(lpLogPalette));
}

int CPalette::GetEntryCount() const
{
    WORD count = 0;
    return m_hObject != nullptr && ::GetObjectA(m_hObject, sizeof count, &count) != 0 ? count : 0;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return m_hObject != nullptr
               ? ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors)
               : 0;
}

CPalette::operator HPALETTE() const
{
    return static_cast<HPALETTE>(m_hObject);
}
