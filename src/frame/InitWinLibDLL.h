// The library's start-up call. The host calls it once after loading the
// library and before creating any of its controls: it links the library's
// resources (button faces, progress dialog) into the host's resource chain.
#pragma once

#include "WinLibApi.h"

#ifdef _WIN32
extern "C" ZR8WLIB_API void InitWinLibDLL();
#endif
