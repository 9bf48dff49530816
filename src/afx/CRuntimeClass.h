// CRuntimeClass: the run-time class record of a CObject class, with the
// framework's macros that declare and define it.
//
// Every class record defined with IMPLEMENT_DYNAMIC, IMPLEMENT_DYNCREATE or
// IMPLEMENT_SERIAL joins one list while its module is loaded (and leaves it
// when the module unloads), so FromName and CreateObject(name) find classes
// of the framework, the library and the host alike.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class CObject;

struct ZR8AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                     // 0xFFFF for classes that are not serializable
    CObject* (*m_pfnCreateObject)();    // NULL for classes that are not dynamically creatable
    CRuntimeClass* m_pBaseClass;        // NULL for CObject
    CRuntimeClass* m_pNextClass;        // the list of loaded classes

    // A new object of this class, or NULL when the class is not dynamically
    // creatable or memory runs out.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The loaded class with this exact name, or NULL.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
};

// Links a class record into the list for the life of its module.
struct ZR8AFX_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

private:
    CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)              \
public:                                          \
    static CRuntimeClass class##class_name;      \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                    \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name),       \
                                                   wSchema, pfnNew,                             \
                                                   RUNTIME_CLASS(base_class_name), nullptr};    \
    static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                         \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                          \
    CObject* class_name::CreateObject() { return new (std::nothrow) class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)
