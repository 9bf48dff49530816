#include "AfxModule.h"

#include "CDynLinkLibrary.h"

namespace {

// The framework DLL's module state, shared by the host and every extension.
struct ModuleState {
    CRITICAL_SECTION lock;
    HINSTANCE instance = nullptr;
    HINSTANCE resource = nullptr;
    CDynLinkLibrary* firstLibrary = nullptr;

    ModuleState() { ::InitializeCriticalSection(&lock); }
    ~ModuleState() { ::DeleteCriticalSection(&lock); }
};

ModuleState& State()
{
    static ModuleState state;
    return state;
}

class StateLock {
public:
    StateLock() { ::EnterCriticalSection(&State().lock); }
    ~StateLock() { ::LeaveCriticalSection(&State().lock); }
};

bool HasResource(HMODULE module, LPCTSTR name, LPCTSTR type)
{
    return module != nullptr && ::FindResourceA(module, name, type) != nullptr;
}

} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    char path[MAX_PATH];
    if (hModule == nullptr || ::GetModuleFileNameA(hModule, path, MAX_PATH) == 0)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

HINSTANCE AfxGetInstanceHandle()
{
    StateLock hold;
    if (State().instance == nullptr)
        State().instance = ::GetModuleHandleA(nullptr);
    return State().instance;
}

HINSTANCE AfxGetResourceHandle()
{
    {
        StateLock hold;
        if (State().resource != nullptr)
            return State().resource;
    }
    return AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    StateLock hold;
    State().resource = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE host = AfxGetResourceHandle();
    if (HasResource(host, lpszName, lpszType))
        return host;
    StateLock hold;
    for (CDynLinkLibrary* library = State().firstLibrary; library != nullptr;
         library = library->m_pNextDLL) {
        if (HasResource(library->m_hResource, lpszName, lpszType))
            return library->m_hResource;
    }
    return host;
}

void AfxLinkLibrary(CDynLinkLibrary* pLibrary)
{
    StateLock hold;
    CDynLinkLibrary** tail = &State().firstLibrary;
    while (*tail != nullptr)
        tail = &(*tail)->m_pNextDLL;
    *tail = pLibrary;
}

void AfxUnlinkLibrary(CDynLinkLibrary* pLibrary)
{
    StateLock hold;
    for (CDynLinkLibrary** link = &State().firstLibrary; *link != nullptr;
         link = &(*link)->m_pNextDLL) {
        if (*link == pLibrary) {
            *link = pLibrary->m_pNextDLL;
            return;
        }
    }
}
