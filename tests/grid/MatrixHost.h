// A host screen for the matrix window tests: a frame window (which logs the
// Ctrl+Q message), an owner window in it (which logs the list's messages and
// answers each row-data request with ShowData) and a CInterMtrx.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../support/MessageLog.h"
#include "zr8wlib.h"

enum : UINT {
    kRowMsg = WM_USER + 600, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, kCellMsg, kFocusMsg, kAppendMsg,
    kShiftMsg, kAddedMsg, kEmptiedMsg, kLastMsg = kEmptiedMsg
};
const UINT kCtrlQMsg = WM_USER + 420;

class LoggingFrame : public CFrameWnd {
public:
    MessageLog* log = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kCtrlQMsg && log != nullptr)
            log->Add(m_hWnd, message, wParam, lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class OwnerWnd : public CWnd {
public:
    MessageLog log;
    CInterMtrx* list = nullptr;
    bool logRows = false;
    long rowRequests = 0;
    int paints = 0;

    // Texts of row i: its number, a name, and an empty third column.
    void Answer(long index)
    {
        char number[32], name[32];
        std::snprintf(number, sizeof number, "%ld", index);
        std::snprintf(name, sizeof name, "R%ld", index);
        char empty[1] = "";
        char* texts[3] = {number, name, empty};
        list->ShowData(index, 0, texts, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= kRowMsg && message <= kLastMsg) {
            if (message == kRowMsg) {
                ++rowRequests;
                if (list != nullptr)
                    Answer(static_cast<long>(lParam));
                if (!logRows)
                    return 0;
            }
            log.Add(m_hWnd, message, wParam, lParam);
            return 0;
        }
        if (message == WM_PAINT && list != nullptr) {
            CPaintDC dc(this);
            ++paints;
            list->ShowUpDown(&dc);
            return 0;
        }
        if (message == WM_HSCROLL && list != nullptr) {
            list->HScroll(LOWORD(wParam), HIWORD(wParam), nullptr);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

inline void Pump()
{
    MSG msg;
    for (int round = 0; round < 3; ++round, ::Sleep(5)) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// Pumps until done() or the time is up (bounded).
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds = 2000)
{
    for (DWORD start = ::GetTickCount(); !done(); Pump()) {
        if (::GetTickCount() - start > milliseconds)
            return false;
    }
    return true;
}

struct MatrixHost {
    LoggingFrame* frame = nullptr;  // deletes itself with its window
    OwnerWnd owner;
    CFont font;
    CInterMtrx* list = nullptr;
    char title0[8] = "No";
    char title1[8] = "Name";
    char title2[8] = "Memo";
    char* titles[3] = {title0, title1, title2};
    short codes[3] = {2, 1, 0};
    SETINITIAL record = {};
    MTRX_COLOR colours = {0xF0F0F0, 0xC0FFC0, 0xA0A0A0, 0x606060, 0x0000FF};

    // Client area of the owner: width x height.
    MatrixHost(int width = 420, int height = 300)
    {
        font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "MS Gothic");
        frame = new LoggingFrame;
        frame->log = &owner.log;
        RECT outer = {0, 0, width, height};
        ::AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        frame->Create(nullptr, "matrix", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      CRect(10, 10, 10 + outer.right - outer.left, 10 + outer.bottom - outer.top));
        owner.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height),
                       frame, 1);
        record.lDataCount = 100;
        record.nLines = 1;
        record.line[0] = {3, codes, titles};
        record.nLeft = record.nRight = record.nTop = 4;
        UINT* messages[] = {&record.nRowMsg,     &record.nEnterMsg, &record.nKeyMsg,   &record.nSelMsg,
                            &record.nRButtonMsg, &record.nCellMsg,  &record.nFocusMsg, &record.nAppendMsg};
        for (UINT i = 0; i < 8; ++i)
            *messages[i] = kRowMsg + i;
        record.nShiftUpMsg = kShiftMsg;
        record.bNoMoreData = 1;
    }
    MatrixHost(const MatrixHost&) = delete;
    MatrixHost& operator=(const MatrixHost&) = delete;
    ~MatrixHost()
    {
        Close();
        if (frame != nullptr)
            frame->DestroyWindow();
    }

    // Creates and lays out the list from the record.
    bool Open(bool focusCursor = false, bool paintBands = true)
    {
        list = new CInterMtrx(&font, &colours, 0);
        if (focusCursor)
            list->SetOneFocus();
        owner.list = list;
        if (!list->Create(&owner) || list->Initial(&record) != 1)
            return false;
        list->ReSize(0, 0);
        if (paintBands) {
            owner.Invalidate();
            owner.UpdateWindow();
        }
        list->UpdateWindow();
        return true;
    }
    void Close()
    {
        owner.list = nullptr;
        if (list != nullptr) {
            list->DestroyWindow();
            delete list;
            list = nullptr;
        }
    }
    HWND Hwnd() const { return list->m_hWnd; }
    const CMtrxModel& Model() const { return list->GetModel(); }
    int RowHeight() const { return Model().RowHeight(); }
    void Repaint()
    {
        list->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    COLORREF Pixel(int x, int y) const
    {
        HDC dc = ::GetDC(Hwnd());
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(Hwnd(), dc);
        return colour;
    }
};

// Real input: events go through the system's input queue.
inline void Inputs(std::vector<INPUT> input)
{
    ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

inline INPUT Mouse(DWORD flags, DWORD data = 0)
{
    INPUT one = {};
    one.type = INPUT_MOUSE;
    one.mi.dwFlags = flags;
    one.mi.mouseData = data;
    return one;
}

inline void ClickAt(HWND hwnd, int x, int y, int clicks = 1, bool right = false)
{
    POINT screen = {x, y};
    ::ClientToScreen(hwnd, &screen);
    ::SetCursorPos(screen.x, screen.y);
    for (int i = 0; i < clicks; ++i)
        Inputs({Mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                Mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)});
}

inline void Wheel(int delta)
{
    Inputs({Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta))});
}

// The keys pressed in order and released in reverse order.
inline void KeyChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> input;
    for (int up = 0; up < 2; ++up) {
        for (size_t i = 0; i < keys.size(); ++i) {
            INPUT one = {};
            one.type = INPUT_KEYBOARD;
            one.ki.wVk = up ? keys.begin()[keys.size() - 1 - i] : keys.begin()[i];
            one.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            input.push_back(one);
        }
    }
    Inputs(input);
}
