// CSyncObject: base of the framework's synchronisation objects.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class ZR8AFX_API CSyncObject {
public:
    CSyncObject() = default;
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;
    virtual ~CSyncObject();

    // TRUE when acquired within dwTimeout milliseconds (INFINITE waits for ever).
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};
