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

bool IsLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

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
    std::vector<char> after(text.begin(), text.end());
    after.push_back('\0');
    CConv().DelAfterSpace(after.data());
    std::string trimmed(after.data());
    Require(text.compare(0, trimmed.size(), trimmed) == 0, "DelAfterSpace changed more than the end", text);
    size_t lead = 0;
    while (lead < text.size() && BlankAt(text, lead) != 0)
        lead += BlankAt(text, lead);
    if (lead == text.size()) {
        Require(trimmed.empty(), "a text of blanks did not become empty", text);
    } else {
        Require(trimmed.size() > lead, "DelAfterSpace cut into the text", text);
        Require(trimmed.back() != ' ', "DelAfterSpace left a trailing blank", text);
        Require(trimmed.size() < 2 || trimmed.compare(trimmed.size() - 2, 2, "\x81\x40") != 0,
                "DelAfterSpace left a trailing full-width blank", text);
        // Only blanks were cut off.
        for (size_t i = trimmed.size(); i < text.size(); i += BlankAt(text, i))
            Require(BlankAt(text, i) != 0, "DelAfterSpace cut a non-blank", text);
    }

    std::vector<char> before(text.begin(), text.end());
    before.push_back('\0');
    CConv().DelBeforeSpace(before.data());
    std::string moved(before.data());
    Require(moved == (lead == text.size() ? text : text.substr(lead)), "DelBeforeSpace result", text);

    CString afterString(text.c_str());
    CConv().DelAfterSpace(afterString);
    Require(afterString == (text.size() > 255 ? "" : trimmed.c_str()), "CString DelAfterSpace", text);
}

void CheckIkey(const std::string& text)
{
    std::vector<char> out(text.size() > 255 ? 1 : text.size() + 1, '#');
    CConv().ConvIkey(out.data(), text.c_str());
    std::string key(out.data());
    if (text.size() > 255) {
        Require(key.empty(), "ConvIkey of a long text is not empty", text);
        return;
    }
    std::string word = text.substr(0, text.find(' '));
    Require(key.size() == word.size(), "ConvIkey is not the first word", text);
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        Require(key[i] == (c >= 'a' && c <= 'z' ? c - 32 : c), "ConvIkey changed a byte wrongly", text);
    }
}

void CheckDirNames(const std::string& path, short width)
{
    std::vector<char> copy(path.begin(), path.end());
    copy.push_back('\0');
    bool inContract = path.size() <= 255;

    std::vector<char> out1(width > 0 ? static_cast<size_t>(width) + 4 : 1, '#');
    CConv().ConvDirName(out1.data(), copy.data(), width);
    size_t length1 = std::strlen(out1.data());
    Require(inContract || length1 == 0, "ConvDirName of a long path", path);
    if (inContract && width > 0 && static_cast<long>(path.size()) <= width - 1)
        Require(path == out1.data(), "ConvDirName changed a path that fits", path);
    else
        Require(length1 <= static_cast<size_t>(width > 0 ? width + 3 : 0), "ConvDirName too long", path);

    std::vector<char> out2(width > 0 ? static_cast<size_t>(width) + 2 : 1, '#');
    CConv().ConvDirName2(copy.data(), out2.data(), width);
    size_t length2 = std::strlen(out2.data());
    Require(inContract || length2 == 0, "ConvDirName2 of a long path", path);
    Require(path == out2.data() || length2 <= static_cast<size_t>(width > 0 ? width + 1 : 0),
            "ConvDirName2 too long", path);

    std::vector<char> out3(width >= 0 ? static_cast<size_t>(width) + 1 : 1, '#');
    CConv().ConvDirName3(copy.data(), out3.data(), width);
    size_t length3 = std::strlen(out3.data());
    Require(inContract || length3 == 0, "ConvDirName3 of a long path", path);
    if (inContract && static_cast<long>(path.size()) <= width)
        Require(path == out3.data(), "ConvDirName3 changed a path that fits", path);
    else
        Require(length3 <= static_cast<size_t>(width > 0 ? width : 0), "ConvDirName3 too long", path);
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
