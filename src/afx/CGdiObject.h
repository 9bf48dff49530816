// CGdiObject: owns one GDI object (font, pen, brush, bitmap, palette) and deletes it
// when it ends, whether it created the object or was given it by Attach.
// FromHandle wraps a handle that no object owns in a temporary object that
// never deletes it (valid until the next idle time).
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class ZR8AFX_API CGdiObject {
public:
    CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    operator HGDIOBJ() const;
    HGDIOBJ GetSafeHandle() const;

    // Takes ownership of hObject, deleting the object held before. FALSE
    // for NULL.
    BOOL Attach(HGDIOBJ hObject);
    // Gives the handle up without deleting it.
    HGDIOBJ Detach();
    // Deletes the held object; FALSE when there is none.
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    // Holds a stock object (deleting a stock object is harmless).
    BOOL CreateStockObject(int nIndex);

    HGDIOBJ m_hObject;
};
