// CPalette: a GDI logical palette owned by the object.
#pragma once

#include "CGdiObject.h"

class ZR8AFX_API CPalette : public CGdiObject {
public:
    CPalette();

    static CPalette* FromHandle(HPALETTE hPalette);

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;

    operator HPALETTE() const;
};
