// A frame holding a host window in which the controls live; the host
// records what the controls send it, the frame the Ctrl+Q request. Input
// is posted to the queue and handled as a framework message loop does
// (PreTranslateMessage, then dispatch); a key comes as a keyboard with
// TranslateMessage delivers it: key-down, character (if any), key-up.
#pragma once

#include <set>

#include "afx/CFrameWnd.h"
#include "controls/ControlMsgs.h"
#include "support/MessageLog.h"

// The host's message numbers for the controls.
const short kKeyMsg = 0x7001, kChangeMsg = 0x7002, kShiftUpMsg = 0x7003, kRClickMsg = 0x7004,
            kFocusMsg = 0x7005, kCharMsg = 0x7006, kCloseUpMsg = 0x7007;

inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
            ::DispatchMessageA(&msg);
    }
}

inline void Key(HWND hwnd, UINT vk, char ch = 0)
{
    ::PostMessageA(hwnd, WM_KEYDOWN, vk, 1);
    if (ch != 0)
        ::PostMessageA(hwnd, WM_CHAR, static_cast<BYTE>(ch), 1);
    ::PostMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
    Pump();
}

inline void Type(HWND hwnd, const char* text)
{
    for (; *text != '\0'; ++text)
        ::PostMessageA(hwnd, WM_CHAR, static_cast<BYTE>(*text), 1);
    Pump();
}

class Host : public CWnd {
public:
    MessageLog log;
    MessageLog* out = &log;  // a second receiver may write into the first one's log
    // Recorded: the host's numbers, the wheel, the date keys; WM_NOTIFY as
    // (WM_NOTIFY, code); a right click's lParam as the point it points to.
    // Notifications and commands as the host's handlers see them.
    std::set<UINT> recorded = {WM_MOUSEWHEEL, WM_ZR8_DATEKEY};
    std::set<UINT> notices;  // WM_NOTIFY codes recorded
    std::set<UINT> arrived;  // every WM_NOTIFY code, before a control takes it

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY)
            arrived.insert(reinterpret_cast<NMHDR*>(lParam)->code);
        if ((message >= 0x7001 && message <= 0x7007) || (recorded.count(message) != 0 && message != WM_COMMAND)) {
            POINT* point = reinterpret_cast<POINT*>(lParam);
            out->Add(m_hWnd, message, wParam, message == kRClickMsg ? MAKELPARAM(point->x, point->y) : lParam);
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    // What a control reflects and keeps never arrives here.
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        if (notices.count(reinterpret_cast<NMHDR*>(lParam)->code) != 0)
            out->Add(m_hWnd, WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0);
        return FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (recorded.count(WM_COMMAND) != 0)
            out->Add(m_hWnd, WM_COMMAND, wParam, lParam);
        return FALSE;
    }
};

class Frame : public CFrameWnd {
public:
    MessageLog* log = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ZR8_CTRLQ && log != nullptr)
            log->Add(m_hWnd, message, wParam, lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// The frame at (100, 100), the host inside it at (20, 30) of the frame's client area.
class HostFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new Frame;  // deletes itself with its window
        frame->log = &host.log;
        ASSERT_TRUE(frame->Create(nullptr, "controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 700, 500)));
        ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 20, 30, 500, 300, frame->m_hWnd, nullptr));
        other = Child("EDIT", 400, 200);
        ::SetFocus(other);
        Pump();
    }
    void TearDown() override
    {
        ::DestroyWindow(frame->m_hWnd);
        Pump();
    }
    HWND Child(const char* className, int x, int y, DWORD style = WS_BORDER | ES_AUTOHSCROLL)
    {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, 80, 24, host.m_hWnd,
                                 nullptr, nullptr, nullptr);
    }
    std::string Text(HWND hwnd)
    {
        char text[1100] = "";
        ::GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
    // The focus into hwnd and out again, which commits.
    void Visit(HWND hwnd)
    {
        ::SetFocus(hwnd);
        ::SetFocus(other);
        Pump();
    }

    Frame* frame = nullptr;
    Host host;
    HWND other = nullptr;
};
