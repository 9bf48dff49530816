// Module state of the framework: the host's instance and resource handles,
// extension modules and the resource search chain (Windows only).
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class CDynLinkLibrary;

// Record of an extension DLL, zero-filled until AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Fills the record for an extension DLL's entry point. FALSE (the load must
// fail) when hModule is NULL or not a loaded module.
ZR8AFX_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);

// The host's executable, unless the application object set another.
ZR8AFX_API HINSTANCE AfxGetInstanceHandle();
// Where the host's own resources are searched first; the instance by default.
ZR8AFX_API HINSTANCE AfxGetResourceHandle();
ZR8AFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);

// The module holding the resource: the host's resource handle first, then
// every linked extension library in the order they were linked. When none
// holds it, the host's resource handle.
ZR8AFX_API HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Chain maintenance for CDynLinkLibrary.
void AfxLinkLibrary(CDynLinkLibrary* pLibrary);
void AfxUnlinkLibrary(CDynLinkLibrary* pLibrary);
