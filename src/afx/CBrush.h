// CBrush: a GDI brush owned by the object.
#pragma once

#include "CGdiObject.h"

class CBitmap;

class ZR8AFX_API CBrush : public CGdiObject {
public:
    CBrush();
    // A solid brush; the object stays empty when it cannot be created.
    explicit CBrush(COLORREF crColor);

    static CBrush* FromHandle(HBRUSH hBrush);

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;

    operator HBRUSH() const;
};
