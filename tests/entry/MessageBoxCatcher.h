// Catches the message boxes shown on this thread while the object lives:
// records caption, text, owner and buttons, and closes each with OK. Only
// dialog windows made after the catcher count (the host dialog is one too).
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

class MessageBoxCatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
        HWND owner;
        bool hasCancel;
        bool hasIcon;
    };

    MessageBoxCatcher()
    {
        s_current = this;
        m_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~MessageBoxCatcher()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }

    std::vector<Box> boxes;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        char className[16] = "";
        if (s_current != nullptr && code == HCBT_CREATEWND)
            s_current->m_created.insert(hwnd);
        if (s_current != nullptr && code == HCBT_ACTIVATE && s_current->m_created.erase(hwnd) != 0 &&
            ::GetClassNameA(hwnd, className, sizeof className) && std::string(className) == "#32770") {
            Box box;
            char text[512] = "";
            ::GetWindowTextA(hwnd, text, sizeof text);
            box.caption = text;
            box.owner = ::GetWindow(hwnd, GW_OWNER);
            box.hasCancel = ::GetDlgItem(hwnd, IDCANCEL) != nullptr;
            box.hasIcon = false;
            for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
                ::GetClassNameA(child, className, sizeof className);
                if (std::string(className) != "Static")
                    continue;
                if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    box.hasIcon = true;
                else if (::GetWindowTextA(child, text, sizeof text) > 0)
                    box.text = text;
            }
            s_current->boxes.push_back(box);
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline MessageBoxCatcher* s_current = nullptr;
    HHOOK m_hook;
    std::set<HWND> m_created;
};
