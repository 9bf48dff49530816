#include "CGdiObject.h"

#include <new>

#include "AfxHandleMap.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPalette.h"
#include "CPen.h"

namespace {

// Temporary wrappers have the class of their object type, so that
// CFont::FromHandle and the like can hand them out safely.
CGdiObject* MakeTemp(HGDIOBJ hObject)
{
    CGdiObject* wrapper;
    switch (::GetObjectType(hObject)) {
    case OBJ_FONT:
        wrapper = new (std::nothrow) CFont;
        break;
    case OBJ_PEN:
    case OBJ_EXTPEN:
        wrapper = new (std::nothrow) CPen;
        break;
    case OBJ_BRUSH:
        wrapper = new (std::nothrow) CBrush;
        break;
    case OBJ_BITMAP:
        wrapper = new (std::nothrow) CBitmap;
        break;
    case OBJ_PAL:
        wrapper = new (std::nothrow) CPalette;
        break;
    default:
        wrapper = new (std::nothrow) CGdiObject;
        break;
    }
    return wrapper;
}

AfxHandleMap<HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>& Map()
{
    static AfxHandleMap<HGDIOBJ, CGdiObject, &CGdiObject::m_hObject> map(MakeTemp);
    return map;
}

} // namespace

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return Map().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    Map().DeleteTemp();
}

CGdiObject::operator HGDIOBJ() const
{
    return m_hObject;
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return m_hObject;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    if (hObject != m_hObject)
        DeleteObject();
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    return m_hObject != nullptr ? ::DeleteObject(Detach()) : FALSE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject != nullptr ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject != nullptr ? ::GetObjectType(m_hObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}
