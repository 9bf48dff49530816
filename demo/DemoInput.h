// Real keyboard input for the demo screens: the events go into the system's
// input queue, so the dialog manager and the controls see them as a user's.
#pragma once

#include <windows.h>

// A key pressed and, unless told otherwise, released.
inline void SendKey(WORD vk, bool release = true)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(release ? 2 : 1, input, sizeof(INPUT));
}

// Characters as a keyboard with an input method delivers them.
inline void SendText(const wchar_t* text)
{
    for (; *text != 0; ++text) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wScan = input[1].ki.wScan = *text;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
    }
}
