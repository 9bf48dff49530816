// zr8demo.exe: a host application that exercises the library screen by
// screen and saves a screenshot of each.
//   zr8demo.exe [output folder]   (default: .\out)
#include <cstdio>
#include <string>
#include <vector>

#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const char kWindowClass[] = "Zr8DemoScreen";
const int kLineHeight = 24;

struct ScreenWindow {
    const DemoScreen* screen;
    HFONT font;
};

LRESULT CALLBACK ScreenProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<ScreenWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd, &paint);
        HGDIOBJ oldFont = ::SelectObject(dc, state->font);
        ::SetBkMode(dc, TRANSPARENT);
        int y = 12;
        for (const CString& text : state->screen->lines) {
            ::TextOutA(dc, 12, y, text, text.GetLength());
            y += kLineHeight;
        }
        ::SelectObject(dc, oldFont);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void PumpFor(DWORD milliseconds)
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

bool ShowAndCapture(const DemoScreen& screen, const std::string& outFolder)
{
    ScreenWindow state = {&screen, nullptr};
    state.font = ::CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
    int height = 12 * 2 + kLineHeight * static_cast<int>(screen.lines.size()) +
                 ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME);
    HWND hwnd = ::CreateWindowExA(0, kWindowClass, screen.title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  40, 40, 1100, height, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), &state);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "CreateWindowEx failed: %lu\n", ::GetLastError());
        ::DeleteObject(state.font);
        return false;
    }
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd);
    PumpFor(400);
    bool saved = SaveWindowPng(hwnd, outFolder, static_cast<const char*>(screen.name));
    ::DestroyWindow(hwnd);
    ::DeleteObject(state.font);
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    std::string outFolder = argc > 1 ? argv[1] : "out";
    ::CreateDirectoryA(outFolder.c_str(), nullptr);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ScreenProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!::RegisterClassA(&windowClass))
        return 1;

    std::vector<DemoScreen> screens;
    screens.push_back(RunStartupScreen());
    screens.push_back(RunFoldersScreen());
    screens.push_back(RunNumbersScreen());
    screens.push_back(RunDatesScreen());

    bool ok = true;
    screens.push_back(RunEntryScreen(outFolder, &ok));
    screens.push_back(RunControlsScreen(outFolder, &ok));
    screens.push_back(RunButtonsScreen(outFolder, &ok));
    screens.push_back(RunProgressScreen(outFolder, &ok));
    screens.push_back(RunImageScreen(outFolder, &ok));
    screens.push_back(RunJournalScreen(outFolder, &ok));

    for (const DemoScreen& screen : screens)
        ok = ShowAndCapture(screen, outFolder) && ok;
    ok = WriteDemoIndex(screens, outFolder) && ok;

    char logPath[MAX_PATH];
    ::GetFullPathNameA("zr8demo.log", MAX_PATH, logPath, nullptr);
    std::printf("log: %s\n", logPath);
    return ok ? 0 : 1;
}
