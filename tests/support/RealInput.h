// Real keyboard and mouse input for window tests: events go into the
// system's input queue with SendInput, so the dialog manager and the
// message loop see them as they see a user's. The target must be the
// foreground window; the events are handled when its thread next reads
// messages.
#pragma once

#include <windows.h>

#include <string>

inline void SendKey(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = vk;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// A click of the left (or right) button at the centre of hwnd's client area.
inline void SendClick(HWND hwnd, bool right = false)
{
    RECT rect;
    ::GetClientRect(hwnd, &rect);
    POINT screen = {rect.right / 2, rect.bottom / 2};
    ::ClientToScreen(hwnd, &screen);
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    for (INPUT& one : input) {
        one.type = INPUT_MOUSE;
        one.mi.dx = (screen.x * 65536 + width / 2) / width;
        one.mi.dy = (screen.y * 65536 + height / 2) / height;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    input[2].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    ::SendInput(3, input, sizeof(INPUT));
}

// Handles every message that is waiting (and posted ones they cause).
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Handles messages with pump until done() holds or the time is up; done()'s last answer.
template <typename Done, typename Pump = void (*)()>
bool PumpUntil(Done done, DWORD milliseconds = 2000, Pump pump = PumpPending)
{
    for (DWORD start = ::GetTickCount();; ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT)) {
        pump();
        if (done())
            return true;
        if (::GetTickCount() - start > milliseconds)
            return done();
    }
}

// A window's text, as the user sees it.
inline std::string TextOf(HWND hwnd)
{
    char text[512] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}
