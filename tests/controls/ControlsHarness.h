// A frame holding a host window in which the controls live, both recording
// into one log; input posted and handled as a framework message loop (or a
// dialog's) does, or real random input. No GDI object of the library may
// outlive a test. The entry tests share the recorder and the IME helpers, the
// grid tests the recorder.
#pragma once

#include <set>

#include "controls/ControlMsgs.h"
#include "entry/CFep.h"
#include "support/GdiObjectCount.h"
#include "support/MessageLog.h"
#include "support/RandomInput.h"
#include "support/RealInput.h"

// The host's message numbers as shorts and as they arrive; the last one is negative.
const short kKeyMsg = 0x7001, kChangeMsg = 0x7002, kShiftUpMsg = 0x7003, kRClickMsg = 0x7004,
            kFocusMsg = 0x7005, kCharMsg = 0x7006, kCloseUpMsg = -0x7007;
const UINT kKey = 0x7001, kChange = 0x7002, kShiftUp = 0x7003, kRClick = 0x7004, kFocus = 0x7005,
           kChar = 0x7006, kCloseUp = 0xFFFF8FF9;

// With a dialog, the dialog manager sees each message first, as in a modeless dialog's loop.
inline void Pump(HWND dialog = nullptr)
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog != nullptr ? !::IsDialogMessageA(dialog, &msg) : !CWnd::WalkPreTranslateTree(nullptr, &msg))
            ::DispatchMessageA(&msg);
    }
}

// Key-down, the characters, key-up, as TranslateMessage delivers them; the characters alone for vk 0.
inline void Key(HWND hwnd, UINT vk, const std::string& chars = "", HWND dialog = nullptr)
{
    ::PostMessageA(hwnd, vk != 0 ? WM_KEYDOWN : WM_NULL, vk, 1);
    for (char ch : chars)
        ::PostMessageA(hwnd, WM_CHAR, static_cast<BYTE>(ch), 1);
    ::PostMessageA(hwnd, vk != 0 ? WM_KEYUP : WM_NULL, vk, 0xC0000001);
    Pump(dialog);
}

// Records the messages in recorded (a right click's point as lParam), their
// numbers plus tag, and the WM_NOTIFY codes in notices (lParam the sender's
// id) as the host's handler sees them.
template <class Base> class Recorder : public Base {
public:
    MessageLog* out = nullptr;
    std::set<UINT> recorded, notices;
    UINT tag = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (recorded.count(message) != 0)
            out->Add(this->m_hWnd, message + tag, wParam,
                     message == kRClick ? MAKELPARAM(((POINT*)lParam)->x, ((POINT*)lParam)->y) : lParam);
        return Base::WindowProc(message, wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (notices.count(header->code) != 0)
            out->Add(this->m_hWnd, WM_NOTIFY, header->code, header->idFrom);
        return FALSE;
    }
};

// The IME of a window, as the entry and controls tests set and check it.
inline void SetIme(HWND hwnd, BOOL open, DWORD conversion)
{
    HIMC himc = ::ImmGetContext(hwnd);
    ::ImmSetOpenStatus(himc, open);
    ::ImmSetConversionStatus(himc, conversion, IME_SMODE_AUTOMATIC);
    ::ImmReleaseContext(hwnd, himc);
}

// The open status and conversion bits; the sentence mode must be as SetIme left it.
inline ::testing::AssertionResult ImeIs(HWND hwnd, BOOL open, DWORD conversion)
{
    HIMC himc = ::ImmGetContext(hwnd);
    DWORD got[2] = {};  // conversion, sentence
    BOOL gotOpen = ::ImmGetOpenStatus(himc);
    ::ImmGetConversionStatus(himc, &got[0], &got[1]);
    ::ImmReleaseContext(hwnd, himc);
    return ::testing::AssertionResult(!gotOpen == !open && got[0] == conversion && got[1] == IME_SMODE_AUTOMATIC)
           << "open " << gotOpen << " conversion " << got[0] << " sentence " << got[1];
}

// The frame at (100, 100), the host inside it at (20, 30) of the frame's client area.
class HostFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.out = frame->out = &log;
        host.recorded = {kKey, kChange, kShiftUp, kRClick, kFocus, kChar, kCloseUp, WM_MOUSEWHEEL, WM_ZR8_DATEKEY};
        frame->recorded = {WM_ZR8_CTRLQ};
        ASSERT_TRUE(frame->Create(nullptr, "controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 700, 500)));
        ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 20, 30, 500, 300, frame->m_hWnd, nullptr));
        other = Child(400, 200);
        Visit(other);
    }
    void TearDown() override
    {
        ::DestroyWindow(frame->m_hWnd);
        Pump();
        EXPECT_EQ(gdi.Outstanding(), 0u);
    }
    HWND Child(int x, int y, DWORD style = WS_BORDER | ES_AUTOHSCROLL)
    {
        return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | style, x, y, 80, 24, host.m_hWnd, nullptr,
                                 nullptr, nullptr);
    }
    // The focus into hwnd and out again, which commits.
    void Visit(HWND hwnd)
    {
        ::SetFocus(hwnd);
        ::SetFocus(other);
        Pump();
    }
    // The log is the sequence; it is cleared for the next step.
    ::testing::AssertionResult Logged(const std::vector<ExpectedMessage>& expected)
    {
        auto same = SequenceIs(log.Messages(), expected);
        log.Clear();
        return same;
    }

    // Real random input into target, a host call being one of calls (with a
    // number below 1000); after every event each message logged must be
    // well-formed and holds() true. (The host is no dialog: Enter, Escape and
    // Tab reach the control, and Escape does not close a multi-line edit's host.)
    ::testing::AssertionResult Random(const char* name, HWND target, std::vector<std::function<void(int)>> calls,
                                      std::function<bool()> holds)
    {
        RandomInput input(name, target, other);
        input.hostCall = [&](std::mt19937& random) { calls[random() % calls.size()](random() % 1000); };
        input.invariants = [&] {
            for (const LoggedMessage& m : log.Messages()) {
                closings += (m.message == kKey && m.lParam == 0 && m.wParam <= 1) || m.message == kCloseUp;
                if (!WellFormed(m))
                    return ::testing::AssertionFailure() << "message " << m.message << "(" << m.wParam << ", "
                                                         << m.lParam << ")";
            }
            log.Clear();
            return ::testing::AssertionResult(holds()) << "the control shows " << TextOf(target);
        };
        return input.Run();
    }
    // Listed keys (Space, F5; an edit's as key, 0 unless stopped; the combo's
    // as 0, key, its return as 0 or 1, 0), right clicks on a control under
    // test, the date control's keys for the parent and its notices (id 60),
    // Ctrl+Q to the frame with the host, wheels; the rest carry (0, 0).
    bool WellFormed(const LoggedMessage& m)
    {
        HWND clicked = ::ChildWindowFromPoint(host.m_hWnd, {LOWORD(m.lParam), HIWORD(m.lParam)});
        bool listed = m.lParam == VK_SPACE || m.lParam == VK_F5, dateKey = m.wParam >= VK_F1 && m.wParam <= VK_F24;
        switch (m.message) {
        case kKey:
            return m.lParam == 0 ? m.wParam <= 1 || ((m.wParam == VK_SPACE || m.wParam == VK_F5) && m.wParam != stopped)
                                 : m.wParam == 0 && listed;
        case kRClick:
            return clicked != nullptr && clicked != host.m_hWnd && clicked != other;
        case WM_ZR8_DATEKEY:
            return (dateKey && m.wParam != VK_F10) || m.wParam == VK_RETURN || m.wParam == VK_TAB ||
                   m.wParam == VK_ESCAPE || m.wParam == VK_UP || m.wParam == VK_DOWN;
        case WM_ZR8_CTRLQ:
            return m.hwnd == frame->m_hWnd && m.lParam == reinterpret_cast<LPARAM>(&host);
        default:
            return m.message == WM_MOUSEWHEEL ||
                   (m.message == WM_NOTIFY ? m.lParam == 60 : m.wParam == 0 && m.lParam == 0);
        }
    }

    GdiObjectCount gdi;
    MessageLog log;
    Recorder<CFrameWnd>* frame = new Recorder<CFrameWnd>;  // deletes itself with its window
    Recorder<CWnd> host;
    HWND other = nullptr;
    short randomKeys[2] = {VK_SPACE, VK_F5};  // the keys an edit or combo under random input reports
    WPARAM stopped = 0;  // the key an edit under random input must not report
    int closings = 0;    // the combo's Enter, Escape and close-up reports under random input
};
