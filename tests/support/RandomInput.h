// Seeded random real input for a window under test: keys with and without
// Shift/Ctrl/Alt, the IME opened and closed, mouse moves, clicks, double
// clicks, drags and the wheel, capture taken away, odd sizes (0 included),
// focus moved away and back, and the class's own host calls. After every
// event the test's invariants are checked; a failure names the seed and the
// event, and ZR8_RANDOM_SEED / ZR8_RANDOM_EVENTS replay or lengthen a run
// (scripts/fuzz runs long ones).
//
//   RandomInput input("matrix", target, other);
//   input.hostCall = [&](std::mt19937& random) { ... AddData ... };
//   input.invariants = [&] { return ... AssertionResult ...; };
//   EXPECT_TRUE(input.Run());
#pragma once

#include <windows.h>

#include <imm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "RealInput.h"

class RandomInput {
public:
    // target gets the input; other is a focusable window of the same top-level
    // window that focus moves to and back from.
    RandomInput(const char* name, HWND target, HWND other) : m_name(name), m_target(target), m_other(other)
    {
        const char* seed = std::getenv("ZR8_RANDOM_SEED");
        const char* events = std::getenv("ZR8_RANDOM_EVENTS");
        m_seed = seed != nullptr ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : DefaultSeed(name);
        m_events = events != nullptr ? std::atoi(events) : 400;
    }

    std::function<void(std::mt19937&)> hostCall;
    std::function<::testing::AssertionResult()> invariants = [] { return ::testing::AssertionSuccess(); };
    // Keys to leave out (those that would end the test's window, say).
    std::function<bool(WORD)> keyAllowed = [](WORD) { return true; };
    // The host's message loop step before the dialog manager's (a framework
    // host walks PreTranslateMessage); true when it took the message.
    std::function<bool(MSG*)> preTranslate = [](MSG*) { return false; };
    // Largest size a resize picks.
    SIZE maxSize = {400, 300};

    ::testing::AssertionResult Run()
    {
        std::printf("random input %s: seed %u, %d events\n", m_name.c_str(), m_seed, m_events);
        std::fflush(stdout);
        std::mt19937 random(m_seed);
        // A right click or Alt opens a menu, a press on a frame border or a
        // scroll bar starts the system's tracking: a timer ends them.
        UINT_PTR closer = ::SetTimer(nullptr, 0, 100, CloseMenus);
        ::testing::AssertionResult result = Events(random);
        ::KillTimer(nullptr, closer);
        ReleaseEverything();
        return result;
    }

private:
    ::testing::AssertionResult Events(std::mt19937& random)
    {
        for (int event = 0; event < m_events; ++event) {
            const char* kind = Step(random);
            Pump();
            ::testing::AssertionResult held = invariants();
            if (held && !::IsWindow(m_target))
                held = ::testing::AssertionFailure() << "the window is gone";
            if (!held)
                return ::testing::AssertionFailure() << m_name << " seed " << m_seed << ", event " << event << " ("
                                                     << kind << "): " << held.message()
                                                     << " (replay: ZR8_RANDOM_SEED=" << m_seed << ")";
        }
        return ::testing::AssertionSuccess();
    }

    // Runs only from a loop other than Pump's (a menu's, the system's move,
    // size or scroll-bar tracking, a host call's pump): that loop waits for
    // input only this thread sends. Escape ends a move or size loop, the
    // capture's loss a scroll bar's.
    static void CALLBACK CloseMenus(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EndMenu();
        HWND capture = ::GetCapture();
        if (capture == nullptr)
            return;
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
        ::SendMessageA(capture, WM_CANCELMODE, 0, 0);
        ::ReleaseCapture();
    }

    static bool IsDialog(HWND hwnd)
    {
        char name[8] = "";
        return hwnd != nullptr && ::GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
    }

    static uint32_t DefaultSeed(const std::string& name)
    {
        uint32_t hash = 2166136261u;
        for (char c : name)
            hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
        return hash;
    }

    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // The closing timer and its Escape are for other loops only.
            if (msg.hwnd == nullptr &&
                (msg.message == WM_KEYDOWN || (msg.message == WM_TIMER && msg.lParam == LPARAM(&CloseMenus))))
                continue;
            // Only a dialog's loop has the dialog manager: elsewhere arrows and Enter reach the control.
            HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
            if (!preTranslate(&msg) && !(IsDialog(root) && ::IsDialogMessageA(root, &msg))) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }

    void Mouse(POINT client, DWORD flags, DWORD data = 0) { SendMouse(m_target, client, flags, data); }

    // A point in or a little around the client area.
    POINT Point(std::mt19937& random)
    {
        RECT client;
        ::GetClientRect(m_target, &client);
        std::uniform_int_distribution<int> x(-8, client.right + 8), y(-8, client.bottom + 8);
        return {x(random), y(random)};
    }

    const char* Step(std::mt19937& random)
    {
        static const WORD kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT,
                                     VK_RETURN, VK_TAB, VK_BACK, VK_DELETE, VK_INSERT, VK_SPACE, VK_ESCAPE,
                                     VK_F1, VK_F2, VK_F5, VK_F8, VK_F12, '0', '5', '9', 'A', 'Q', 'Z',
                                     VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_COMMA, VK_OEM_2};
        switch (std::uniform_int_distribution<int>(0, 15)(random)) {
        case 0: case 1: case 2: case 3: {
            WORD vk = kKeys[std::uniform_int_distribution<size_t>(0, std::size(kKeys) - 1)(random)];
            if (!keyAllowed(vk))
                return "key left out";
            int modifiers = std::uniform_int_distribution<int>(0, 7)(random);
            bool shift = modifiers == 1 || modifiers == 4, control = modifiers == 2 || modifiers == 4;
            bool alt = modifiers == 3 && keyAllowed(VK_MENU);
            for (auto [down, modifier] : {std::pair{shift, VK_SHIFT}, {control, VK_CONTROL}, {alt, VK_MENU}})
                if (down)
                    KeyEvent(modifier, false);
            SendKey(vk);
            for (auto [down, modifier] : {std::pair{alt, VK_MENU}, {control, VK_CONTROL}, {shift, VK_SHIFT}})
                if (down)
                    KeyEvent(modifier, true);
            return "key";
        }
        case 4: {
            HIMC context = ::ImmGetContext(m_target);
            if (context != nullptr) {
                ::ImmSetOpenStatus(context, !::ImmGetOpenStatus(context));
                ::ImmReleaseContext(m_target, context);
            }
            return "IME open or closed";
        }
        case 5: case 6:
            Mouse(Point(random), 0);
            return "mouse move";
        case 7: case 8: {
            POINT at = Point(random);
            bool right = std::uniform_int_distribution<int>(0, 4)(random) == 0;
            int clicks = std::uniform_int_distribution<int>(1, 2)(random);
            for (int i = 0; i < clicks; ++i) {
                Mouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
                Mouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
            }
            return clicks == 2 ? "double click" : "click";
        }
        case 9: {
            Mouse(Point(random), MOUSEEVENTF_LEFTDOWN);
            for (int i = std::uniform_int_distribution<int>(1, 4)(random); i > 0; --i) {
                Mouse(Point(random), 0);
                Pump();
                ::Sleep(std::uniform_int_distribution<int>(0, 1)(random) * 60);
            }
            Mouse(Point(random), MOUSEEVENTF_LEFTUP);
            return "drag";
        }
        case 10:
            Mouse(Point(random), MOUSEEVENTF_WHEEL, std::uniform_int_distribution<int>(0, 1)(random) ? 120 : -120);
            return "wheel";
        case 11:
            ::ReleaseCapture();
            return "capture lost";
        case 12: {
            // Sizes of 0 and 1 pixel come up often: they are where layouts divide.
            std::uniform_int_distribution<int> width(-2, maxSize.cx), height(-2, maxSize.cy);
            ::SetWindowPos(m_target, nullptr, 0, 0, std::max(0, width(random)), std::max(0, height(random)),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            return "resize";
        }
        case 13:
            ::SetFocus(std::uniform_int_distribution<int>(0, 1)(random) ? m_target : m_other);
            return "focus";
        default:
            if (hostCall)
                hostCall(random);
            return "host call";
        }
    }

    void ReleaseEverything()
    {
        for (WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU})
            KeyEvent(modifier, true);
        Mouse({0, 0}, MOUSEEVENTF_LEFTUP);
        ::ReleaseCapture();
        Pump();
    }

    std::string m_name;
    HWND m_target;
    HWND m_other;
    uint32_t m_seed;
    int m_events;
};
