#include "AfxWndClass.h"

#include <cstdio>
#include <set>
#include <string>

#include "AfxModule.h"
#include "AfxWinState.h"

namespace {

struct ClassNames {
    CRITICAL_SECTION lock;
    std::set<std::string> names;  // node-based: the strings never move

    ClassNames() { ::InitializeCriticalSection(&lock); }
    ~ClassNames() { ::DeleteCriticalSection(&lock); }
};

ClassNames& Registered()
{
    static ClassNames classes;
    return classes;
}

} // namespace

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    char name[128];
    std::snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
                static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    ClassNames& classes = Registered();
    ::EnterCriticalSection(&classes.lock);
    auto found = classes.names.find(name);
    if (found == classes.names.end()) {
        WNDCLASSA wc = {};
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        WNDCLASSA existing;
        if (::GetClassInfoA(hInst, name, &existing) || ::RegisterClassA(&wc))
            found = classes.names.insert(name).first;
    }
    LPCTSTR result = found != classes.names.end() ? found->c_str() : nullptr;
    ::LeaveCriticalSection(&classes.lock);
    return result;
}

LPCTSTR AfxDefaultWndClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW));
}
