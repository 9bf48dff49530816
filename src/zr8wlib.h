// zr8WLIB: include this one header to use the whole library.
#pragma once

#include "afx/afx.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"
#include "frame/CZrTrace.h"
#include "frame/InitWinLibDLL.h"
