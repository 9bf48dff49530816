// Real keyboard and mouse input for window tests: events go into the
// system's input queue with SendInput, so the dialog manager and the
// message loop see them as they see a user's. The target must be the
// foreground window; the events are handled when its thread next reads
// messages.
#pragma once

#include <windows.h>

#include <string>

inline void KeyEvent(WORD vk, bool up)
{
    INPUT input = {INPUT_KEYBOARD, {}};
    input.ki = {vk, 0, DWORD(up ? KEYEVENTF_KEYUP : 0), 0, 0};
    ::SendInput(1, &input, sizeof input);
}
inline void SendKey(WORD vk)
{
    KeyEvent(vk, false);
    KeyEvent(vk, true);
}

// One mouse event (flags with the move) at a client point of hwnd.
inline void SendMouse(HWND hwnd, POINT client, DWORD flags, DWORD data = 0)
{
    ::ClientToScreen(hwnd, &client);
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {INPUT_MOUSE, {{(client.x * 65536 + width / 2) / width, (client.y * 65536 + height / 2) / height,
                                  data, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags, 0, 0}}};
    ::SendInput(1, &input, sizeof input);
}

// A click of the left (or right) button at the centre of hwnd's client area.
inline void SendClick(HWND hwnd, bool right = false)
{
    RECT rect;
    ::GetClientRect(hwnd, &rect);
    for (DWORD flags : {0, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
                        right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP})
        SendMouse(hwnd, {rect.right / 2, rect.bottom / 2}, flags);
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
