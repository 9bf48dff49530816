// A matrix-list view model with a sink that writes down everything the
// model asks of its window, as short texts ("send 412 0 5", "scroll 1").
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "grid/CMtrxModel.h"

enum : unsigned {
    kRowMsg = 0x500, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, kCellMsg, kFocusMsg, kAppendMsg, kMoreMsg,
    kShiftMsg, kAddedMsg, kEmptiedMsg
};

class RecordingSink : public CMtrxModelSink {
public:
    std::vector<std::string> log;

    void Clear() { log.clear(); }
    void SendOwner(unsigned m, uintptr_t w, intptr_t l) override { Add((std::string("send ") + Name(m)).c_str(), w, l); }
    void PostOwner(unsigned m, uintptr_t w, intptr_t l) override { Add((std::string("post ") + Name(m)).c_str(), w, l); }
    void SendCtrlQ() override { log.push_back("ctrlq"); }
    void SetScrollRange(long maxPos) override { Add("range", maxPos); }
    void SetScrollPos(long pos) override { Add("pos", pos); }
    void SetScrollRangeKeepPos(long maxPos) override { Add("rangekeep", maxPos); }
    void ScrollRows(long rows) override { Add("scroll", rows); }
    void InvalidateAll(bool erase) override { Add("invalidate", erase); }
    void InvalidateBand(int l, int t, int r, int b) override { Add("band", l, t, r, b); }
    void DrawCursor(long index) override { Add("draw", index); }
    void EraseCursor(long index) override { Add("erase", index); }
    void InvertRow(long row) override { Add("invert", row); }
    void TakeFocus() override { log.push_back("focus"); }
    void SetCapture(bool on) override { Add("capture", on); }
    void SetAutoScrollTimer(bool on) override { Add("timer", on); }

    // Only the entries that start with one of the words.
    std::vector<std::string> Only(std::initializer_list<const char*> words) const
    {
        std::vector<std::string> kept;
        for (const std::string& entry : log) {
            for (const char* word : words) {
                if (entry.compare(0, std::string(word).size() + 1, std::string(word) + " ") == 0 || entry == word)
                    kept.push_back(entry);
            }
        }
        return kept;
    }

private:
    static std::string Name(unsigned m)
    {
        static const char* const names[] = {"row", "enter", "key", "sel", "rbutton", "cell", "focus", "append",
                                            "more", "shift", "added", "emptied"};
        if (m >= kRowMsg && m <= kEmptiedMsg)
            return names[m - kRowMsg];
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", m);
        return hex;
    }

    template <typename... T>
    void Add(const char* what, T... values)
    {
        std::string entry = what;
        for (long long value : {static_cast<long long>(values)...}) {
            char number[32];
            std::snprintf(number, sizeof number, " %lld", value);
            entry += number;
        }
        log.push_back(entry);
    }
};

// Rows 20 pixels high (character height 14), 10 visible rows unless told.
struct ModelFixture {
    RecordingSink sink;
    CMtrxModel model{&sink};

    MtrxInitArgs Args(long count, short startAtEnd = 0)
    {
        MtrxInitArgs args;
        args.count = count;
        args.startAtEnd = startAtEnd;
        args.lines = 1;
        args.maxColumns = 3;
        args.charHeight = 14;
        args.aveCharWidth = 8;
        unsigned* messages[] = {&args.rowMsg, &args.enterMsg, &args.keyMsg, &args.selMsg, &args.rButtonMsg};
        for (unsigned i = 0; i < 5; ++i)
            *messages[i] = kRowMsg + i;
        args.focusMsg = kFocusMsg;
        return args;
    }

    // The log since the last call.
    std::vector<std::string> Take()
    {
        std::vector<std::string> got;
        got.swap(sink.log);
        return got;
    }
    // Key presses in order; kUp marks a release.
    static const unsigned kUp = 0x1000;
    void Keys(std::initializer_list<unsigned> keys)
    {
        for (unsigned key : keys)
            (key & kUp) != 0 ? model.KeyUp(key & ~kUp) : model.KeyDown(key);
    }

    // Init, then the first sizing to 300 x (rows x 20 - 1): `rows` visible rows.
    void Start(const MtrxInitArgs& args, int rows = 10)
    {
        model.Init(args);
        model.Size(300, rows * 20 - 1);
        short counts[4] = {4, 0, 0, 0};
        short xs[4] = {0, 100, 200, 299};
        short aligns[3] = {1, 2, 0};
        const short* positions[4] = {xs, nullptr, nullptr, nullptr};
        const short* alignments[4] = {aligns, nullptr, nullptr, nullptr};
        short alignCounts[4] = {3, 0, 0, 0};
        model.SetColumnLayout(1, counts, positions, alignCounts, alignments);
        sink.Clear();
    }
};
