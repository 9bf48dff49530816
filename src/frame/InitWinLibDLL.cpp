#include "InitWinLibDLL.h"

#include <new>

#include "afx/CDynLinkLibrary.h"
#include "WinLibModule.h"

namespace {
AFX_EXTENSION_MODULE g_winLibModule = {FALSE, nullptr, nullptr};
}

AFX_EXTENSION_MODULE& WinLibModule()
{
    return g_winLibModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        return AfxInitExtensionModule(g_winLibModule, hInstance) ? TRUE : FALSE;
    return TRUE;
}

void InitWinLibDLL()
{
    // The framework owns the link from here on; it is never freed by us.
    new (std::nothrow) CDynLinkLibrary(g_winLibModule, FALSE);
}
