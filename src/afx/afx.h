// The framework layer: include this to use every framework class.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"
#include "COleDateTime.h"
#include "CSemaphore.h"
#include "CSingleLock.h"
#include "CString.h"
#include "CSyncObject.h"

#ifdef _WIN32
#include "AfxModule.h"
#include "CDynLinkLibrary.h"
#include "CException.h"
#include "CFile.h"
#include "CFileException.h"
#include "CWinApp.h"
#endif
