// zr8WLIB: include this one header to use the whole library.
#pragma once

#include "afx/afx.h"
#include "calendar/CConvTime.h"
#include "calendar/CYmd.h"
#ifdef _WIN32
#include "files/CFileCopy.h"
#include "files/CGetDriveType.h"
#include "files/CLocalFile.h"
#include "files/CSemaFile.h"
#include "files/CUtyFile.h"
#include "files/CValueMgr.h"
#include "files/DirOpe.h"
#endif
#include "files/EnvRecords.h"
#include "frame/CZrTrace.h"
#include "frame/InitWinLibDLL.h"
#include "grid/CMtrxLayout.h"
#include "grid/CMtrxModel.h"
#include "grid/GdiLayout.h"
#include "grid/MtrxRecords.h"
#include "text/CCheck.h"
#include "text/CConv.h"
#include "text/CDlgSub.h"
#include "text/CEveryValue.h"
#include "text/CFixDecimal.h"
#ifdef _WIN32
#include "text/ClTxtCnvOut.h"
#include "entry/CButtonSub.h"
#include "entry/CComboSub.h"
#include "entry/CDlgSb.h"
#include "entry/CEditSub.h"
#include "entry/CFep.h"
#include "entry/CListSub.h"
#include "grid/CGdi.h"
#include "grid/CInterMtrx.h"
#include "grid/CMtrxLst.h"
#endif
