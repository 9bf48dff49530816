// CEveryValue::CheckCode on any text and last code, then the walk with
// GetFirstCode / GetNextCode. Input: last code (int32, little-endian), then
// the code list.
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "text/CEveryValue.h"

namespace {

const long kMaxWalk = 100008;

bool IsLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The codes from GetFirstCode on, up to the -1 that ends the walk.
std::vector<long> Walk(CEveryValue& codes, const std::string& text)
{
    std::vector<long> found;
    for (long code = codes.GetFirstCode(); code != -1; code = codes.GetNextCode(code)) {
        Require(code >= 0 && code <= 99999, "a code outside 0 to 99999", text);
        Require(found.empty() || code > found.back(), "the walk did not ascend", text);
        found.push_back(code);
        Require(static_cast<long>(found.size()) <= kMaxWalk, "the walk does not end", text);
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    long lastCode = input.Take<int32_t>();
    std::string text = input.Rest();
    std::string list = text.c_str();  // up to the first NUL

    std::vector<unsigned char> buffer(list.begin(), list.end());
    buffer.push_back('\0');
    CEveryValue codes(lastCode);
    short result = codes.CheckCode(buffer.data());
    Require(result >= 0 && result <= 10, "an unknown result", text);

    // No blank is left outside a double-byte character, and every byte that
    // was not a blank is kept in order.
    std::string kept(reinterpret_cast<const char*>(buffer.data()));
    std::string expected;
    for (size_t i = 0; i < list.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(list[i]);
        if (c == 0x20)
            continue;
        if (c == 0x81 && i + 1 < list.size() && static_cast<unsigned char>(list[i + 1]) == 0x40) {
            ++i;
            continue;
        }
        expected += list[i];
        if (IsLead(c) && i + 1 < list.size())
            expected += list[++i];
    }
    Require(kept == expected, "DeleteSpace kept the wrong bytes", text);
    if (result == 1 || result == 2) {
        Require(codes.GetFirstCode() == -1, "a rejected first check filled the set", text);
        return 0;
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

    // A list of plain codes gives exactly those codes.
    if (result == 0 && kept.find('-') == std::string::npos) {
        std::vector<long> listed;
        long value = -1;
        for (char c : kept + ",") {
            if (c == ',') {
                if (value != -1 && (listed.empty() || listed.back() != value))
                    listed.push_back(value);
                value = -1;
            } else {
                value = (value == -1 ? 0 : value * 10) + (c - '0');
            }
        }
        std::vector<long> reachable;
        for (long code : listed) {
            reachable.push_back(code);
            if (code == lastCode)
                break;  // the walk ends there
        }
        Require(walked == reachable, "plain codes walk differently", text);
    }

    // Checking again gives the same result and the same set.
    std::vector<unsigned char> again(kept.begin(), kept.end());
    again.push_back('\0');
    Require(codes.CheckCode(again.data()) == result, "a second check differs", text);
    Require(Walk(codes, text) == walked, "a second check gives another set", text);
    return 0;
}
