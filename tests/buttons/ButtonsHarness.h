// Shared by the button tests: the process as a host, an active host frame
// that records the commands and messages it gets, real mouse input, a
// message pump that walks PreTranslateMessage as the framework's loops do,
// bounded waits, reference images.
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
#include "support/Golden.h"
#include "support/RealInput.h"
#include "WindowImage.h"

// The process's application object.
inline CWinApp g_application("buttons");

// The message the menu bar tests have their bar send its owner.
const UINT kButtonMessage = WM_USER + 500;

// message, wParam, lParam
using ReceivedMessage = std::tuple<UINT, WPARAM, LPARAM>;

struct HostFrame : CFrameWnd {
    std::vector<ReceivedMessage> received;
    CWnd* destroyOnMessage = nullptr;  // destroyed when the menu bar message comes

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_USER + 23001 || message == WM_KEYDOWN ||
            message == WM_SYSKEYDOWN || message == kButtonMessage)
            received.push_back({message, wParam, lParam});
        if (message == kButtonMessage && destroyOnMessage != nullptr)
            destroyOnMessage->DestroyWindow();
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

inline void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms, Pump); }

// Real mouse input at a client point of hWnd.
inline void MouseEvent(HWND hWnd, int x, int y, DWORD flags)
{
    SendMouse(hWnd, {x, y}, flags);
    Pump();
}
inline void MouseMove(HWND hWnd, int x, int y) { MouseEvent(hWnd, x, y, 0); }

// The first width x height pixels of hWnd's client area, once it and its
// children painted, against the reference image name.
inline ::testing::AssertionResult Shows(HWND hWnd, const char* name, int width, int height)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return MatchesGolden("buttons", name, CaptureClient(hWnd, width, height));
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
// the cursor away from its controls; the library's resources in the chain.
class HostTest : public ::testing::Test {
protected:
    HostTest()
    {
        [[maybe_unused]] static bool linked = (InitWinLibDLL(), true);
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
