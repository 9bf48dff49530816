// Shared by the button tests: the process as a host, an active host frame
// that records the commands and messages it gets, real mouse input, a
// message pump that walks PreTranslateMessage as the framework's loops do,
// bounded waits, pixels.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <tuple>
#include <vector>

#include "ButtonsTestIds.h"
#include "afx/CFrameWnd.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "support/RealInput.h"

// An application object and the library's resources in the chain.
class ButtonsEnvironment : public ::testing::Environment {
    void SetUp() override { InitWinLibDLL(); }
};
inline CWinApp g_application("buttons");
inline const auto* g_environment = ::testing::AddGlobalTestEnvironment(new ButtonsEnvironment);

// The message the menu bar tests have their bar send its owner.
const UINT kButtonMessage = WM_USER + 500;

// message, wParam, lParam
using ReceivedMessage = std::tuple<UINT, WPARAM, LPARAM>;

class HostFrame : public CFrameWnd {
public:
    std::vector<ReceivedMessage> received;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_USER + 23001 || message == WM_KEYDOWN ||
            message == WM_SYSKEYDOWN || message == kButtonMessage)
            received.push_back({message, wParam, lParam});
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

inline void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms, Pump);
}

// Real mouse input at a client point of hWnd.
inline void MouseEvent(HWND hWnd, int x, int y, DWORD flags)
{
    POINT screen = {x, y};
    ::ClientToScreen(hWnd, &screen);
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width / 2) / width;
    input.mi.dy = (screen.y * 65536 + height / 2) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    ::SendInput(1, &input, sizeof input);
    Pump();
}
inline void MouseMove(HWND hWnd, int x, int y) { MouseEvent(hWnd, x, y, 0); }
inline void MouseDown(HWND hWnd, int x, int y) { MouseEvent(hWnd, x, y, MOUSEEVENTF_LEFTDOWN); }
inline void MouseUp(HWND hWnd, int x, int y) { MouseEvent(hWnd, x, y, MOUSEEVENTF_LEFTUP); }

// Pixels (row-major) of a window's client area after it painted, or of a
// bitmap when one is given.
inline std::vector<COLORREF> Pixels(HWND hWnd, int width, int height, HBITMAP hBitmap = nullptr)
{
    ::UpdateWindow(hWnd);
    HDC hdc = hBitmap != nullptr ? ::CreateCompatibleDC(nullptr) : ::GetDC(hWnd);
    if (hBitmap != nullptr)
        ::SelectObject(hdc, hBitmap);
    std::vector<COLORREF> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(::GetPixel(hdc, i % width, i / width));
    // Deleting the memory DC lets go of the bitmap.
    if (hBitmap != nullptr)
        ::DeleteDC(hdc);
    else
        ::ReleaseDC(hWnd, hdc);
    return pixels;
}

// A solid 32-bit bitmap of one colour, and a square opaque icon of one colour.
inline HBITMAP SolidBitmap(int width, int height, COLORREF color)
{
    std::vector<DWORD> bits(static_cast<size_t>(width) * height,
                            0xFF000000u | GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
    return ::CreateBitmap(width, height, 1, 32, bits.data());
}

inline HICON SolidIcon(int size, COLORREF color)
{
    std::vector<BYTE> zeros(static_cast<size_t>((size + 15) / 16 * 2) * size, 0);
    ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(size, size, 1, 1, zeros.data()), SolidBitmap(size, size, color)};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return icon;
}

// A test with an active host frame (it deletes itself when destroyed) and
// the cursor away from its controls.
class HostTest : public ::testing::Test {
protected:
    HostTest()
    {
        frame->Create(nullptr, "buttons", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 440, 340));
        host = frame->GetSafeHwnd();
        ::SetForegroundWindow(host);
        ::SetActiveWindow(host);
    }
    ~HostTest() override { ::DestroyWindow(host); }
    void SetUp() override { MouseMove(host, 390, 290); }
    void TearDown() override { MouseMove(host, 390, 290); }

    HostFrame* frame = new HostFrame;
    HWND host = nullptr;
};
