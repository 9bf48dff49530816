// Message sequences in the manner of Wine's conformance tests: windows add
// what they receive to a log, and the test compares the log with the
// sequence it expects, printing both on a mismatch.
#pragma once

#include <windows.h>

#include <algorithm>
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

// An expected entry: the message alone, or the message and both parameters.
struct ExpectedMessage {
    ExpectedMessage(UINT msg) : message(msg) {}
    ExpectedMessage(UINT msg, WPARAM w, LPARAM l = 0) : message(msg), wParam(w), lParam(l), params(true) {}
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool params = false;
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
            if (std::find(messages.begin(), messages.end(), logged.message) != messages.end())
                kept.push_back(logged);
        }
        return kept;
    }

private:
    std::vector<LoggedMessage> m_messages;
};

// The whole log must equal the expected sequence: both are written out as
// text (a logged message's parameters only where the expected entry has
// them) and compared, so a mismatch prints both.
inline ::testing::AssertionResult SequenceIs(const std::vector<LoggedMessage>& got,
                                             const std::vector<ExpectedMessage>& expected)
{
    auto text = [](UINT message, WPARAM w, LPARAM l, bool params) {
        char one[64];
        std::snprintf(one, sizeof one, params ? " %04x(%llx,%llx)" : " %04x", message,
                      static_cast<unsigned long long>(w), static_cast<unsigned long long>(l));
        return std::string(one);
    };
    std::string want, seen;
    for (const ExpectedMessage& e : expected)
        want += text(e.message, e.wParam, e.lParam, e.params);
    for (size_t i = 0; i < got.size(); ++i)
        seen += text(got[i].message, got[i].wParam, got[i].lParam, i >= expected.size() || expected[i].params);
    if (want == seen)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected:" << want << "\n     got:" << seen;
}
