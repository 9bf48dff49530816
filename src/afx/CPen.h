// CPen: a GDI pen owned by the object.
#pragma once

#include "CGdiObject.h"

class ZR8AFX_API CPen : public CGdiObject {
public:
    CPen();
    // Leaves the object empty when the pen cannot be created.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* FromHandle(HPEN hPen);

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;

    operator HPEN() const;
};
