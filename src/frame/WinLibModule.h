// The library's own module record, filled when the DLL loads (internal to
// the library: its classes load their resources starting from it).
#pragma once

#include "afx/AfxModule.h"

AFX_EXTENSION_MODULE& WinLibModule();
