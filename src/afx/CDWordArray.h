// CDWordArray: a growable array of DWORD (see AfxArray.h).
#pragma once

#include "AfxArray.h"

class CDWordArray : public AfxArray<DWORD, DWORD> {};
