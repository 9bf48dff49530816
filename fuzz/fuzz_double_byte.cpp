// The double-byte helpers on any bytes: KanjiCopy with any count,
// DelAfterSpace / DelBeforeSpace, ConvIkey and ConvDirName / 2 / 3 with any
// width. Input: count (int16), width (int16), both little-endian, then the
// text. Every buffer has exactly the size the helper's contract asks for.

#include <algorithm>

#include "FuzzInput.h"
#include "afx/ShiftJis.h"
#include "text/CConv.h"

namespace {

size_t BlankAt(const std::string& text, size_t i)
{
    bool wide = static_cast<unsigned char>(text[i]) == 0x81 && i + 1 < text.size() && text[i + 1] == 0x40;
    return text[i] == ' ' ? 1 : wide ? 2 : 0;
}

} // namespace

void FuzzOne(FuzzInput& input)
{
    short count = input.Take<short>(), width = input.Take<short>();
    std::string bytes = input.Rest(), text = bytes.c_str();  // the text ends at the first NUL

    // KanjiCopy: src's first bytes up to a character boundary, all count
    // bytes or one fewer when the last would be a lone lead byte.
    size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    std::vector<unsigned char> src(n), dest(n + 1, '#');
    for (size_t i = 0; i < n && !bytes.empty(); ++i)
        src[i] = static_cast<unsigned char>(bytes[i % bytes.size()]);
    CConv().KanjiCopy(dest.data(), src.data(), count);
    size_t end = 0;
    while (end < n && !(IsLead(src[end]) && end == n - 1))
        end += IsLead(src[end]) ? 2 : 1;
    Require(end == n || end == n - 1, "the walk left the count", bytes);
    Require(dest[end] == '\0', "the copy is not terminated at a character boundary", bytes);
    Require(end == 0 || std::memcmp(dest.data(), src.data(), end) == 0, "the copy changed bytes", bytes);

    // The Shift-JIS module's cut and step back land on the walk's character
    // starts; the cut is the longest that fits.
    std::vector<size_t> starts;
    for (size_t i = 0; i <= text.size(); i += i < text.size() ? sjis::CharLength(&text[i]) : 1)
        starts.push_back(i);
    size_t fit = sjis::FitLength(text.c_str(), n), at = n % (text.size() + 1);
    auto start = std::find(starts.begin(), starts.end(), fit);
    Require(start != starts.end() && fit <= n && (fit == text.size() || start[1] > n), "FitLength", bytes);
    size_t back = static_cast<size_t>(sjis::PrevChar(text.c_str(), text.c_str() + at) - text.c_str());
    auto previous = std::find(starts.begin(), starts.end(), back);
    Require(previous != starts.end() && (back < at || at == 0) && (at == 0 || previous[1] >= at), "PrevChar", bytes);

    std::vector<char> after = Terminated(text), before = Terminated(text);
    CConv().DelAfterSpace(after.data());
    CConv().DelBeforeSpace(before.data());
    std::string trimmed(after.data());
    size_t lead = 0;
    while (lead < text.size() && BlankAt(text, lead) != 0)
        lead += BlankAt(text, lead);
    Require(std::string(before.data()) == text.substr(lead == text.size() ? 0 : lead), "DelBeforeSpace", text);
    Require(text.compare(0, trimmed.size(), trimmed) == 0, "DelAfterSpace changed more than the end", text);
    Require(trimmed.size() > lead || (lead == text.size() && trimmed.empty()), "DelAfterSpace cut into it", text);
    // Only blanks were cut off, and none is left at the end.
    for (size_t i = trimmed.size(); i < text.size(); i += BlankAt(text, i))
        Require(BlankAt(text, i) != 0, "DelAfterSpace cut a non-blank", text);
    Require((trimmed.empty() || trimmed.back() != ' ') &&
                (trimmed.size() < 2 || trimmed.compare(trimmed.size() - 2, 2, "\x81\x40") != 0),
            "DelAfterSpace left a trailing blank", text);
    CString afterString(text.c_str());
    CConv().DelAfterSpace(afterString);
    Require(afterString == (text.size() > 255 ? "" : trimmed.c_str()), "CString DelAfterSpace", text);

    std::vector<char> out(text.size() > 255 ? 1 : text.size() + 1, '#');
    CConv().ConvIkey(out.data(), text.c_str());
    std::string word = text.size() > 255 ? "" : text.substr(0, text.find(' '));
    for (char& c : word)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    Require(word == out.data(), "ConvIkey is not the first word upper-cased (empty beyond 255 bytes)", text);

    // Per ConvDirName form: the output's room, the longest text for a path
    // that does not fit (ConvDirName2 may also give the whole path) and the
    // longest path that is copied as it is.
    std::vector<char> path = Terminated(text);
    const struct { int form; long room, longest, fits; } forms[] = {
        {1, width > 0 ? width + 4 : 1, width > 0 ? width + 3 : 0, width > 0 ? width - 1 : -1},
        {2, width > 0 ? width + 2 : 1, width > 0 ? width + 1 : 0, -1},
        {3, width >= 0 ? width + 1 : 1, width > 0 ? width : 0, width}};
    for (const auto& f : forms) {
        std::vector<char> name(static_cast<size_t>(f.room), '#');
        if (f.form == 1)
            CConv().ConvDirName(name.data(), path.data(), width);
        else if (f.form == 2)
            CConv().ConvDirName2(path.data(), name.data(), width);
        else
            CConv().ConvDirName3(path.data(), name.data(), width);
        size_t length = std::strlen(name.data());
        Require(text.size() <= 255 || length == 0, "ConvDirName of a long path", text);
        if (text.size() <= 255 && static_cast<long>(text.size()) <= f.fits)
            Require(text == name.data(), "ConvDirName changed a path that fits", text);
        else
            Require(length <= static_cast<size_t>(f.longest) || (f.form == 2 && text == name.data()),
                    "ConvDirName too long", text);
    }
}
