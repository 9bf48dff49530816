// zr8WLIB: include this one header to use the whole library.
#pragma once

#include "afx/afx.h"
#include "frame/CZrTrace.h"
#include "frame/InitWinLibDLL.h"

#ifdef _WIN32
#include "entry/CButtonSub.h"
#include "entry/CComboSub.h"
#include "entry/CDlgSb.h"
#include "entry/CEditSub.h"
#include "entry/CFep.h"
#include "entry/CListSub.h"
#endif
