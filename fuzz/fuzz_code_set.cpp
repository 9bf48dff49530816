// CEveryValue::CheckCode on any text and last code, then the walk with
// GetFirstCode / GetNextCode. Input: last code (int32, little-endian), then
// the code list.

#include "FuzzInput.h"
#include "text/CEveryValue.h"

namespace {

// The codes from GetFirstCode on, up to the -1 that ends the walk.
std::vector<long> Walk(CEveryValue& codes, const std::string& text)
{
    std::vector<long> found;
    for (long code = codes.GetFirstCode(); code != -1; code = codes.GetNextCode(code)) {
        Require(code >= 0 && code <= 99999, "a code outside 0 to 99999", text);
        Require(found.empty() || code > found.back(), "the walk did not ascend", text);
        found.push_back(code);
        Require(found.size() <= 100008u, "the walk does not end", text);
    }
    return found;
}

} // namespace

void FuzzOne(FuzzInput& input)
{
    long lastCode = input.Take<int32_t>();
    std::string text = input.Rest(), list = text.c_str();  // the list ends at the first NUL

    auto buffer = Terminated<unsigned char>(list);
    CEveryValue codes(lastCode);
    short result = codes.CheckCode(buffer.data());
    Require(result >= 0 && result <= 10, "an unknown result", text);

    // No blank is left outside a double-byte character, and every byte that
    // was not a blank is kept in order.
    std::string kept(reinterpret_cast<const char*>(buffer.data())), expected;
    for (size_t i = 0; i < list.size(); i += IsLead(list[i]) ? 2 : 1) {
        if (list[i] != ' ' && list.compare(i, 2, "\x81\x40") != 0)
            expected += list.substr(i, IsLead(list[i]) ? 2 : 1);
    }
    Require(kept == expected, "DeleteSpace kept the wrong bytes", text);
    if (result == 1 || result == 2) {
        Require(codes.GetFirstCode() == -1, "a rejected first check filled the set", text);
        return;
    }
    for (unsigned char c : kept)
        Require((c >= '0' && c <= '9') || c == '-' || c == ',', "accepted a stray character", text);

    std::vector<long> walked = Walk(codes, text);
    // Any start between two walked codes finds the later one.
    for (size_t i = 0; i + 1 < walked.size(); ++i) {
        long middle = walked[i] + (walked[i + 1] - walked[i]) / 2;
        if (middle != lastCode && middle != walked[i])
            Require(codes.GetNextCode(middle) == walked[i + 1], "a scan from between codes missed", text);
    }
    if (lastCode != -1)
        Require(codes.GetNextCode(-1) == codes.GetFirstCode(), "GetNextCode(-1) is not the first", text);

    // A list of plain codes gives exactly those codes, up to the last code.
    if (result == 0 && kept.find('-') == std::string::npos) {
        std::vector<long> listed;
        for (size_t at = 0; at < kept.size(); at = kept.find(',', at) + 1) {
            long code = std::strtol(kept.c_str() + at, nullptr, 10);
            if (listed.empty() || listed.back() != code)
                listed.push_back(code);
            if (code == lastCode || kept.find(',', at) == std::string::npos)
                break;
        }
        Require(walked == listed, "plain codes walk differently", text);
    }

    // Checking again gives the same result and the same set.
    auto again = Terminated<unsigned char>(kept);
    Require(codes.CheckCode(again.data()) == result && Walk(codes, text) == walked, "a second check differs", text);
}
