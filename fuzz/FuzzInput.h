// Shared by the fuzz targets: libFuzzer's entry point, parameters read from
// the front of an input, the rest taken as text, and a check that stops the
// run when it fails. It brings the standard headers the targets share
// (strings, vectors, the C string and integer functions).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The bytes not taken yet, where the sanitizers see any read past them.
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

    // A little-endian value; missing bytes read as zero.
    template <typename T>
    T Take()
    {
        T value{};
        size_t count = size_ < sizeof(T) ? size_ : sizeof(T);
        if (count != 0)
            std::memcpy(&value, data_, count);
        data_ += count;
        size_ -= count;
        return value;
    }

    std::string Rest() const { return std::string(reinterpret_cast<const char*>(data_), size_); }

private:
    const uint8_t* data_;
    size_t size_;
};

// What a target checks of one input, handed over by libFuzzer's entry point.
void FuzzOne(FuzzInput& input);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    FuzzOne(input);
    return 0;
}

inline void Require(bool condition, const char* what, const std::string& input)
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed: %s\ninput text: \"", what);
    for (unsigned char c : input)
        std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '"' ? "%c" : "\\x%02X", c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

// Shift-JIS lead bytes.
inline bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// A terminated copy of exactly the text's size, so that the sanitizers see
// any read past its end.
template <typename Char = char>
std::vector<Char> Terminated(const std::string& text)
{
    std::vector<Char> copy(text.begin(), text.end());
    copy.push_back('\0');
    return copy;
}
