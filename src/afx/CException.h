// CException: base of the framework's exceptions. They are thrown as
// pointers to heap objects; the catcher calls Delete() when done.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class ZR8AFX_API CException {
public:
    CException() = default;
    virtual ~CException();
    void Delete();
};
