#include "CEveryValue.h"

#include <cstdint>
#include <cstring>

#include "afx/ShiftJis.h"

namespace {

const long long kMaxCode = 99999;
const int kMaxDigits = 10;

// The code being read in the current item.
struct CodeText {
    int digits = 0;
    long long value = 0;  // exact while digits <= kMaxDigits

    void Append(unsigned char digit)
    {
        if (++digits <= kMaxDigits)
            value = value * 10 + (digit - '0');
    }
};

bool IsListByte(unsigned char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == ',';
}

} // namespace

CEveryValue::CEveryValue() : CEveryValue(kMaxCode)
{
}

// The set starts empty, so a walk before CheckCode finds nothing.
CEveryValue::CEveryValue(long lastCode) : m_reserved(0), m_lastCode(lastCode), m_codes()
{
}

void CEveryValue::DeleteSpace(unsigned char* text)
{
    if (text == nullptr)
        return;
    size_t read = 0;
    size_t write = 0;
    while (text[read] != '\0') {
        unsigned char c = text[read];
        if (c == 0x20) {
            read += 1;
        } else if (c == 0x81 && text[read + 1] == 0x40) {
            read += 2;
        } else if (sjis::CharLength(reinterpret_cast<const char*>(text + read)) == 2) {
            text[write++] = text[read++];  // a double-byte character moves whole
            text[write++] = text[read++];
        } else {
            text[write++] = text[read++];
        }
    }
    text[write] = '\0';
}

short CEveryValue::CheckCode(unsigned char* text)
{
    static const unsigned char empty[] = "";
    if (text != nullptr)
        DeleteSpace(text);
    else
        text = const_cast<unsigned char*>(empty);
    if (text[0] == ',')
        return 1;
    for (const unsigned char* p = text; *p != '\0'; ++p) {
        if (!IsListByte(*p))
            return 2;
    }
    std::memset(m_codes, 0, sizeof m_codes);

    long long previous = -1;
    CodeText code;
    bool dash = false;
    // Ends an item: a code, a range a-b or -b, or an open range a- or -.
    auto closeItem = [&]() -> short {
        if (code.digits != 0) {
            if (code.digits > kMaxDigits)
                return 10;
            if (code.value < previous)
                return 6;
            if (!dash) {
                if (code.value > kMaxCode)
                    return 10;
                AddRange(code.value, code.value);
            } else {
                if (previous > kMaxCode || code.value > kMaxCode)
                    return 10;
                AddRange(previous < 0 ? 0 : previous, code.value);
            }
            previous = code.value;
        } else if (dash) {
            if (previous > kMaxCode || m_lastCode > kMaxCode)
                return 10;
            AddRange(previous < 0 ? 0 : previous, m_lastCode);
            previous = m_lastCode;
        }
        return 0;
    };

    for (const unsigned char* p = text; *p != '\0'; ++p) {
        if (*p == '-') {
            if (dash)
                return 3;
            if (p[1] == ',')
                return 4;
            if (p[1] == '-')
                return 5;
            dash = true;
            if (code.digits != 0) {
                if (code.digits > kMaxDigits)
                    return 10;
                if (code.value < previous)
                    return 6;
                previous = code.value;  // the start of the range
                code = CodeText();
            } else if (previous != -1) {
                return 7;
            }
        } else if (*p == ',') {
            if (p[1] == '\0')
                return 8;
            if (p[1] == ',')
                return 9;
            short result = closeItem();
            if (result != 0)
                return result;
            code = CodeText();
            dash = false;
        } else {
            code.Append(*p);
        }
    }
    return closeItem();
}

// The next set bit from start on. First the rest of start's own byte, bit
// by bit: in a dense set each test is a branch that the processor predicts
// from the set's pattern, so the walk runs ahead of the loads, where a count
// of trailing zeros would make every code wait for the load before it. Past
// that byte, eight bytes are read at a time as one little-endian word (bit
// (code % 8) of byte (code / 8) becomes bit (code - 8 * first byte) of the
// word), so a gap of 64 codes costs one load.
inline long CEveryValue::FindFrom(size_t start) const
{
    if (start >= static_cast<size_t>(kBitmapBytes) * 8)
        return -1;
    size_t byte = start / 8;
    unsigned rest = static_cast<unsigned>(m_codes[byte]) >> (start % 8);
    for (size_t code = start; rest != 0; rest >>= 1, ++code) {
        if (rest & 1)
            return static_cast<long>(code);
    }
    for (++byte; byte + 8 <= kBitmapBytes; byte += 8) {
        uint64_t word = LoadWord(byte);
        if (word != 0)
            return static_cast<long>(byte * 8 + static_cast<size_t>(__builtin_ctzll(word)));
    }
    for (; byte < kBitmapBytes; ++byte) {
        if (m_codes[byte] != 0)
            return static_cast<long>(byte * 8 + static_cast<size_t>(__builtin_ctz(m_codes[byte])));
    }
    return -1;
}

long CEveryValue::GetFirstCode()
{
    return FindFrom(0);
}

long CEveryValue::GetNextCode(long code)
{
    if (code == m_lastCode)
        return -1;
    // Unsigned: -1 gives 0, and the code after the greatest long is no
    // overflow. A code below -1 searches the whole set, as -1 does.
    size_t start = static_cast<unsigned long>(code) + 1;
    if (start < static_cast<size_t>(kBitmapBytes) * 8) {
        if ((m_codes[start / 8] >> (start % 8)) & 1)
            return static_cast<long>(start);  // every code set: the whole walk
        return FindFrom(start);
    }
    return code < 0 ? FindFrom(0) : -1;
}

// Codes from first to last, both within 0 to 99999; empty when last < first.
void CEveryValue::AddRange(long long first, long long last)
{
    long long code = first;
    for (; code <= last && code % 8 != 0; ++code)
        m_codes[code / 8] |= static_cast<unsigned char>(1u << (code % 8));
    if (code + 7 <= last) {
        long long wholeBytes = (last + 1 - code) / 8;
        std::memset(m_codes + code / 8, 0xFF, static_cast<size_t>(wholeBytes));
        code += wholeBytes * 8;
    }
    for (; code <= last; ++code)
        m_codes[code / 8] |= static_cast<unsigned char>(1u << (code % 8));
}

uint64_t CEveryValue::LoadWord(size_t byte) const
{
    uint64_t word;
    std::memcpy(&word, m_codes + byte, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    return word;
}
