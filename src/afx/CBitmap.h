// CBitmap: a GDI bitmap owned by the object.
#pragma once

#include "CGdiObject.h"

class CDC;

class ZR8AFX_API CBitmap : public CGdiObject {
public:
    CBitmap();

    static CBitmap* FromHandle(HBITMAP hBitmap);

    // Loads from the module that holds the resource in the resource chain.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;

    operator HBITMAP() const;
};
