// The double-byte helpers on any bytes: KanjiCopy with any count,
// DelAfterSpace / DelBeforeSpace, ConvIkey and ConvDirName / 2 / 3 with any
// width. Input: count (int16), width (int16), both little-endian, then the
// text. Every buffer has exactly the size the helper's contract asks for.
#include <cstring>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "text/CConv.h"

namespace {

size_t BlankAt(const std::string& text, size_t i)
{
    if (text[i] == ' ')
        return 1;
    return static_cast<unsigned char>(text[i]) == 0x81 && i + 1 < text.size() && text[i + 1] == 0x40 ? 2 : 0;
}

void CheckKanjiCopy(const std::string& bytes, short count)
{
    size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    std::vector<unsigned char> src(n);
    for (size_t i = 0; i < n && !bytes.empty(); ++i)
        src[i] = static_cast<unsigned char>(bytes[i % bytes.size()]);
    std::vector<unsigned char> dest(n + 1, '#');
    CConv().KanjiCopy(dest.data(), src.data(), count);
    // The copy is src's first bytes up to a character boundary: all count
    // bytes, or one fewer when the last would be a lone lead byte.
    size_t i = 0;
    while (i < n && !(IsLead(src[i]) && i == n - 1))
        i += IsLead(src[i]) ? 2 : 1;
    Require(i == n || i == n - 1, "the walk left the count", bytes);
    Require(dest[i] == '\0', "the copy is not terminated at a character boundary", bytes);
    Require(i == 0 || std::memcmp(dest.data(), src.data(), i) == 0, "the copy changed bytes", bytes);
}

void CheckTrimming(const std::string& text)
{
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
    Require(trimmed.empty() || trimmed.back() != ' ', "DelAfterSpace left a trailing blank", text);
    Require(trimmed.size() < 2 || trimmed.compare(trimmed.size() - 2, 2, "\x81\x40") != 0,
            "DelAfterSpace left a trailing full-width blank", text);
    CString afterString(text.c_str());
    CConv().DelAfterSpace(afterString);
    Require(afterString == (text.size() > 255 ? "" : trimmed.c_str()), "CString DelAfterSpace", text);
}

void CheckIkey(const std::string& text)
{
    std::vector<char> out(text.size() > 255 ? 1 : text.size() + 1, '#');
    CConv().ConvIkey(out.data(), text.c_str());
    std::string key(out.data());
    std::string word = text.size() > 255 ? "" : text.substr(0, text.find(' '));
    Require(key.size() == word.size(), "ConvIkey is not the first word (empty beyond 255 bytes)", text);
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        Require(key[i] == (c >= 'a' && c <= 'z' ? c - 32 : c), "ConvIkey changed a byte wrongly", text);
    }
}

// Per form: the output's room, the longest text for a path that does not
// fit (ConvDirName2 may also give the whole path) and the longest path that
// is copied as it is.
void CheckDirNames(const std::string& path, short width)
{
    std::vector<char> copy = Terminated(path);
    const struct { int form; long room, longest, fits; } forms[] = {
        {1, width > 0 ? width + 4 : 1, width > 0 ? width + 3 : 0, width > 0 ? width - 1 : -1},
        {2, width > 0 ? width + 2 : 1, width > 0 ? width + 1 : 0, -1},
        {3, width >= 0 ? width + 1 : 1, width > 0 ? width : 0, width},
    };
    for (const auto& f : forms) {
        std::vector<char> out(static_cast<size_t>(f.room), '#');
        if (f.form == 1)
            CConv().ConvDirName(out.data(), copy.data(), width);
        else if (f.form == 2)
            CConv().ConvDirName2(copy.data(), out.data(), width);
        else
            CConv().ConvDirName3(copy.data(), out.data(), width);
        size_t length = std::strlen(out.data());
        Require(path.size() <= 255 || length == 0, "ConvDirName of a long path", path);
        if (path.size() <= 255 && static_cast<long>(path.size()) <= f.fits)
            Require(path == out.data(), "ConvDirName changed a path that fits", path);
        else
            Require(length <= static_cast<size_t>(f.longest) || (f.form == 2 && path == out.data()),
                    "ConvDirName too long", path);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    short count = input.Take<short>();
    short width = input.Take<short>();
    std::string bytes = input.Rest();
    std::string text = bytes.c_str();  // up to the first NUL

    CheckKanjiCopy(bytes, count);
    CheckTrimming(text);
    CheckIkey(text);
    CheckDirNames(text, width);
    return 0;
}
