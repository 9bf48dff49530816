// CObject: the root of the framework's classes that carry a run-time class
// record (IsKindOf, dynamic creation by class name).
#pragma once

#include <new>

#include "AfxDll.h"
#include "AfxTypes.h"
#include "CRuntimeClass.h"

class ZR8AFX_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;

protected:
    CObject();
};
