// Shared by the button tests: a host frame window that is active and
// records the commands and messages it gets, real mouse input through the
// system's input queue, a message pump that walks PreTranslateMessage as
// the framework's loops do, bounded waits, and pixel capture.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "afx/CFrameWnd.h"
#include "afx/CWnd.h"

// Messages a frame received that the tests look at.
struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class HostFrame : public CFrameWnd {
public:
    std::vector<ReceivedMessage> received;
    UINT buttonMessage = 0;  // an owner-chosen message to record as well

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_USER + 23001 || message == WM_KEYDOWN ||
            message == WM_SYSKEYDOWN || (buttonMessage != 0 && message == buttonMessage))
            received.push_back({message, wParam, lParam});
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }

    int Count(UINT message) const
    {
        int count = 0;
        for (const ReceivedMessage& one : received)
            count += one.message == message;
        return count;
    }
};

// A visible, active frame at a fixed place; destroyed (and deleted, as
// frames delete themselves) by the destructor of the holder.
class FrameHolder {
public:
    explicit FrameHolder(int width = 400, int height = 300)
    {
        frame = new HostFrame;
        frame->Create(nullptr, "buttons", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 40 + width, 40 + height));
        hWnd = frame->GetSafeHwnd();
        Activate();
    }
    ~FrameHolder()
    {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    void Activate()
    {
        ::SetForegroundWindow(hWnd);
        ::SetActiveWindow(hWnd);
    }
    HostFrame* frame;
    HWND hWnd;
};

// Handles the waiting messages, each first offered to PreTranslateMessage.
inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(nullptr, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Pumps until the condition holds or the time runs out; the condition's
// last answer.
inline bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 2000)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        Pump();
        if (condition())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return condition();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline void PumpFor(DWORD ms)
{
    WaitFor([] { return false; }, ms);
}

// Real mouse input at a client point of hWnd.
inline void MouseEvent(HWND hWnd, POINT client, DWORD flags)
{
    POINT screen = client;
    ::ClientToScreen(hWnd, &screen);
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width / 2) / width;
    input.mi.dy = (screen.y * 65536 + height / 2) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    ::SendInput(1, &input, sizeof input);
    Pump();
}

inline void MouseMove(HWND hWnd, int x, int y) { MouseEvent(hWnd, {x, y}, 0); }
inline void MouseDown(HWND hWnd, int x, int y) { MouseEvent(hWnd, {x, y}, MOUSEEVENTF_LEFTDOWN); }
inline void MouseUp(HWND hWnd, int x, int y) { MouseEvent(hWnd, {x, y}, MOUSEEVENTF_LEFTUP); }

// The pixels of a window's client area (row-major, COLORREF), after it
// painted.
inline std::vector<COLORREF> CaptureClient(HWND hWnd, int width, int height)
{
    ::UpdateWindow(hWnd);
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    HDC hdc = ::GetDC(hWnd);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return pixels;
}

// The pixels of a bitmap, as CaptureClient gives them.
inline std::vector<COLORREF> BitmapPixels(HBITMAP hBitmap, int width, int height)
{
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, hBitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    return pixels;
}

inline COLORREF PixelAt(HWND hWnd, int x, int y)
{
    HDC hdc = ::GetDC(hWnd);
    COLORREF color = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return color;
}

// A solid 32-bit bitmap of one colour.
inline HBITMAP SolidBitmap(int width, int height, COLORREF color)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HDC hdc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(hdc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(color);
    RECT rect = {0, 0, width, height};
    ::FillRect(hdc, &rect, brush);
    ::DeleteObject(brush);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

// A square icon of one colour, fully opaque.
inline HICON SolidIcon(int size, COLORREF color)
{
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = SolidBitmap(size, size, color);
    std::vector<BYTE> zeros(static_cast<size_t>((size + 15) / 16 * 2) * size, 0);
    info.hbmMask = ::CreateBitmap(size, size, 1, 1, zeros.data());  // all zero: opaque
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return icon;
}
