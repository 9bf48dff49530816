// Message sequences in the manner of Wine's conformance tests: windows add
// what they receive to a log, and the test compares the log with the
// sequence it expects, printing both on a mismatch.
#pragma once

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct LoggedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// An expected entry: the message, and the parameters that are checked.
struct ExpectedMessage {
    enum { anyParams = 0, checkWParam = 1, checkLParam = 2, checkBoth = 3 };
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int check;
    HWND hwnd;  // NULL: any window

    ExpectedMessage(UINT msg, int flags = anyParams, WPARAM w = 0, LPARAM l = 0, HWND h = nullptr)
        : message(msg), wParam(w), lParam(l), check(flags), hwnd(h)
    {
    }
    static ExpectedMessage Params(UINT msg, WPARAM w, LPARAM l, HWND h = nullptr)
    {
        return ExpectedMessage(msg, checkBoth, w, l, h);
    }
};

class MessageLog {
public:
    void Add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        m_messages.push_back({hwnd, message, wParam, lParam});
    }
    void Clear() { m_messages.clear(); }
    const std::vector<LoggedMessage>& Messages() const { return m_messages; }

    // Only the messages in the list, in the order received.
    std::vector<LoggedMessage> Only(std::initializer_list<UINT> messages) const
    {
        std::vector<LoggedMessage> kept;
        for (const LoggedMessage& logged : m_messages) {
            for (UINT message : messages) {
                if (logged.message == message) {
                    kept.push_back(logged);
                    break;
                }
            }
        }
        return kept;
    }

private:
    std::vector<LoggedMessage> m_messages;
};

inline std::string Describe(const LoggedMessage& m)
{
    char text[96];
    std::snprintf(text, sizeof text, "%04x(%llx,%llx)", m.message, static_cast<unsigned long long>(m.wParam),
                  static_cast<unsigned long long>(m.lParam));
    return text;
}

inline std::string Describe(const ExpectedMessage& m)
{
    char wParam[24] = "*";
    char lParam[24] = "*";
    if (m.check & ExpectedMessage::checkWParam)
        std::snprintf(wParam, sizeof wParam, "%llx", static_cast<unsigned long long>(m.wParam));
    if (m.check & ExpectedMessage::checkLParam)
        std::snprintf(lParam, sizeof lParam, "%llx", static_cast<unsigned long long>(m.lParam));
    char text[96];
    std::snprintf(text, sizeof text, "%04x(%s,%s)", m.message, wParam, lParam);
    return text;
}

// The whole log must equal the expected sequence.
inline ::testing::AssertionResult SequenceIs(const std::vector<LoggedMessage>& got,
                                             const std::vector<ExpectedMessage>& expected)
{
    bool same = got.size() == expected.size();
    for (size_t i = 0; same && i < got.size(); ++i) {
        const ExpectedMessage& e = expected[i];
        same = got[i].message == e.message && (e.hwnd == nullptr || got[i].hwnd == e.hwnd) &&
               (!(e.check & ExpectedMessage::checkWParam) || got[i].wParam == e.wParam) &&
               (!(e.check & ExpectedMessage::checkLParam) || got[i].lParam == e.lParam);
    }
    if (same)
        return ::testing::AssertionSuccess();
    std::string text = "expected:";
    for (const ExpectedMessage& e : expected)
        text += " " + Describe(e);
    text += "\n     got:";
    for (const LoggedMessage& m : got)
        text += " " + Describe(m);
    return ::testing::AssertionFailure() << text;
}
