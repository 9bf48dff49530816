// CPtrArray: a growable array of untyped pointers (see AfxArray.h). The
// array never owns what the pointers point to.
#pragma once

#include "AfxArray.h"

class CPtrArray : public AfxArray<void*, void*> {};
