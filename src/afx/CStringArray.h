// CStringArray: a growable array of CString (see AfxArray.h).
#pragma once

#include "AfxArray.h"
#include "CString.h"

class CStringArray : public AfxArray<CString, LPCTSTR> {
public:
    INT_PTR Add(const CString& newElement) { return AfxArray::Add(static_cast<const char*>(newElement)); }
    INT_PTR Add(LPCTSTR newElement) { return AfxArray::Add(newElement); }
};
