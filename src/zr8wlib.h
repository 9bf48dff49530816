// zr8WLIB: include this one header to use the whole library.
#pragma once

#include "afx/afx.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"
#include "frame/CZrTrace.h"
#include "frame/InitWinLibDLL.h"
#include "text/CCheck.h"
#include "text/CConv.h"
#include "text/CDlgSub.h"
#include "text/CEveryValue.h"
#include "text/CFixDecimal.h"
#ifdef _WIN32
#include "text/ClTxtCnvOut.h"
#endif
