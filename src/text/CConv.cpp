#include "CConv.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "afx/ShiftJis.h"
#include "text/ConvText.h"
#include "text/CFixDecimal.h"

namespace {

using conv_text::HelperTextLength;
using conv_text::kMaxHelperText;

// ---------------------------------------------------------------- parsing

const size_t kMaxConvertText = 511;  // the longest text Convert takes
const size_t kNumberSize = 256;      // the normalised number text

enum class Rules { lenient, strict };

// Builds the normalised number text in one pass: leading blanks skipped, the
// sign kept, the commas of the integer part left out, the fraction cut to
// `decimals` bytes. The bytes kept are validated afterwards.
// Strict: a text that starts with a comma fails, and every comma of the
// integer part must have a multiple of three bytes after it.
// Lenient: every comma before the first point is dropped first, wherever it
// stands, and texts over 511 bytes fail.
bool Normalise(Rules rules, const char* text, short decimals, char (&number)[kNumberSize])
{
    const bool lenient = rules == Rules::lenient;
    const char* p = text;
    auto skipCommas = [&]() {
        while (lenient && *p == ',')
            ++p;
    };
    skipCommas();
    if (*p == '\0' || *p == ',')
        return false;
    while (*p == ' ') {
        ++p;
        skipCommas();
    }
    size_t length = 0;
    if (*p == '-') {
        number[length++] = *p++;
        skipCommas();
    }
    if (*p == '\0')
        return false;

    // A comma at position i of an integer part of n bytes needs n - i to be
    // a multiple of 4: every comma has the position of n modulo 4.
    unsigned commaPositions = 0;  // bit (i % 4) for each comma
    size_t position = 0;
    for (; *p != '\0' && *p != '.'; ++p, ++position) {
        if (*p == ',') {
            commaPositions |= 1u << (position % 4);
            continue;
        }
        if (length == kNumberSize - 1)
            return false;
        number[length++] = *p;
    }
    if (!lenient && commaPositions != 0 && commaPositions != 1u << (position % 4))
        return false;

    if (*p == '.') {
        const char* fraction = ++p;
        size_t kept = 0;
        while (static_cast<long>(kept) < decimals && fraction[kept] != '\0')
            ++kept;
        if (kept >= 1) {
            if (length + 1 + kept > kNumberSize - 1)
                return false;
            number[length++] = '.';
            std::memcpy(number + length, fraction, kept);
            length += kept;
        }
        p = fraction + kept;
    }
    size_t textLength = static_cast<size_t>(p - text) + (*p != '\0' ? std::strlen(p) : 0);
    if (lenient && textLength > kMaxConvertText)
        return false;
    number[length] = '\0';
    return true;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An optional '-' and digits. Values beyond long saturate, as strtol does.
bool ParseLong(const char* number, long* value)
{
    const char* p = number;
    bool negative = *p == '-';
    if (negative)
        ++p;
    while (*p == '0')
        ++p;
    // Nineteen digits always fit in 64 unsigned bits; more never fit a long.
    unsigned long long magnitude = 0;
    size_t digits = 0;
    for (; *p != '\0'; ++p, ++digits) {
        unsigned digit = static_cast<unsigned char>(*p) - static_cast<unsigned>('0');
        if (digit > 9)
            return false;
        if (digits < 19)
            magnitude = magnitude * 10 + digit;
    }
    const unsigned long long maxPositive = static_cast<unsigned long long>(LONG_MAX);
    bool overflow = digits > 19 || magnitude > maxPositive + (negative ? 1 : 0);
    if (negative)
        *value = overflow ? LONG_MIN : static_cast<long>(0 - magnitude);
    else
        *value = overflow ? LONG_MAX : static_cast<long>(magnitude);
    return true;
}

const double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Correctly rounded conversion of a validated number text too long for the
// exact path; std::from_chars reads it without regard to the locale.
double ParseLongDecimal(const char* number)
{
    double value = 0.0;
    std::from_chars(number, number + std::strlen(number), value);
    return value;
}

// An optional '-', digits and at most one point (the first one met).
bool ParseDouble(const char* number, double* value)
{
    const char* p = number;
    bool negative = *p == '-';
    if (negative)
        ++p;
    unsigned long long mantissa = 0;
    int digits = 0;           // significant digits gathered in mantissa
    int fractionDigits = 0;   // of those, after the point
    bool anyDigit = false;
    bool exact = true;        // mantissa holds every digit
    bool inFraction = false;
    for (; *p != '\0'; ++p) {
        if (*p == '.') {
            if (inFraction)
                return false;
            inFraction = true;
            continue;
        }
        if (!IsDigit(*p))
            return false;
        anyDigit = true;
        if (mantissa == 0 && *p == '0' && !inFraction)
            continue;  // leading zeros carry nothing
        if (digits == 19) {
            exact = false;
            continue;
        }
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        ++digits;
        if (inFraction)
            ++fractionDigits;
    }
    if (!anyDigit) {
        *value = 0.0;  // atof of "", "-" or "." is a plain zero
        return true;
    }
    double magnitude;
    if (exact && mantissa <= (1ULL << 53) && fractionDigits <= 22) {
        // Both operands are exact, so the one division is correctly rounded.
        magnitude = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    } else {
        magnitude = std::fabs(ParseLongDecimal(number));
    }
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool ReadLong(Rules rules, const char* text, long* value)
{
    if (text == nullptr)
        return false;
    if (text[0] == '\0') {
        *value = 0;
        return rules == Rules::lenient;
    }
    char number[kNumberSize];
    return Normalise(rules, text, 0, number) && ParseLong(number, value);
}

bool ReadDouble(Rules rules, const char* text, short decimals, double* value)
{
    if (text == nullptr)
        return false;
    if (text[0] == '\0') {
        *value = 0.0;
        return rules == Rules::lenient;
    }
    char number[kNumberSize];
    return Normalise(rules, text, decimals, number) && ParseDouble(number, value);
}

template <typename T>
int StoreInteger(Rules rules, const char* text, T* out, long low, long high)
{
    long value = 0;
    if (out == nullptr || !ReadLong(rules, text, &value) || value < low || value > high)
        return 0;
    *out = static_cast<T>(value);
    return 1;
}

template <typename T>
int StoreDecimal(Rules rules, const char* text, T* out, short decimals)
{
    double value = 0.0;
    if (out == nullptr || !ReadDouble(rules, text, decimals, &value))
        return 0;
    *out = static_cast<T>(value);
    return 1;
}

// ------------------------------------------------------------- formatting

const double kFormatLimit = 9.99e14;
const size_t kIntegerTextSize = 32;  // "-9,223,372,036,854,775,808" and NUL
const size_t kDecimalWorkSize = 24;  // the CString forms keep 23 characters
const size_t kUnbounded = std::numeric_limits<size_t>::max();

// Writes the digits of magnitude backwards ending at end, in groups of three
// separated by commas when asked; returns the first byte written.
char* WriteGroupedBackwards(char* end, unsigned long long magnitude, bool commas)
{
    char* p = end;
    int count = 0;
    do {
        if (commas && count != 0 && count % 3 == 0)
            *--p = ',';
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++count;
    } while (magnitude != 0);
    return p;
}

void FormatLong(char* out, long value, bool commas)
{
    char text[kIntegerTextSize];
    char* end = text + sizeof text;
    // The magnitude of the most negative long is taken in unsigned arithmetic.
    unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    char* p = WriteGroupedBackwards(end, magnitude, commas);
    if (value < 0)
        *--p = '-';
    size_t length = static_cast<size_t>(end - p);
    std::memcpy(out, p, length);
    out[length] = '\0';
}

struct DecimalParts {
    bool negative;
    unsigned long long integer;
    unsigned int fraction;  // ten-thousandths, 0 to 9999
};

DecimalParts FixDecimal(double value)
{
    if (CFixDecimal::CanHold(value)) {
        CFixDecimal fixed(value);
        bool negative = fixed < 0.0;
        if (negative)
            fixed = -fixed;
        return {negative, fixed.GetIntegerPart(), fixed.GetFraction()};
    }
    // 1e14 up to 9.99e14: the units and four fraction digits still fit in
    // 64 bits, only not the scaled value. Split the same way and print it.
    unsigned long long integer = 0;
    unsigned int fraction = 0;
    CFixDecimal::Split(std::fabs(value), &integer, &fraction);
    return {value < 0, integer + fraction / 10000, fraction % 10000};
}

// Writes the text of value into out, keeping at most room - 1 characters.
void FormatDecimal(char* out, size_t room, double value, short decimals, bool commas)
{
    size_t length = 0;
    auto put = [&](char c) {
        if (length + 1 < room)
            out[length++] = c;
    };
    if (!(value <= kFormatLimit && value >= -kFormatLimit)) {
        put('0');  // out of range (or not a number)
        out[length] = '\0';
        return;
    }
    DecimalParts parts = FixDecimal(value);
    char text[kIntegerTextSize];
    char* end = text + sizeof text;
    char* p = WriteGroupedBackwards(end, parts.integer, commas);
    if (parts.negative)
        *--p = '-';
    for (; p != end; ++p)
        put(*p);
    if (decimals >= 1) {
        put('.');
        unsigned int divisor = 1000;
        for (short i = 0; i < decimals; ++i) {
            if (divisor != 0) {
                put(static_cast<char>('0' + parts.fraction / divisor % 10));
                divisor /= 10;
            } else {
                put('0');
            }
        }
    }
    out[length] = '\0';
}

// Widened, and moved half a thousandth away from zero.
double AdjustFloat(float value)
{
    double widened = value;
    if (widened > 0.0001)
        return widened + 0.0005;
    if (widened < -0.0001)
        return widened - 0.0005;
    return widened;
}

void FormatLongInto(CString& out, long value, bool commas)
{
    char work[kIntegerTextSize];
    FormatLong(work, value, commas);
    out = work;
}

void FormatDecimalInto(CString& out, double value, short decimals, bool commas)
{
    char work[kDecimalWorkSize];
    FormatDecimal(work, sizeof work, value, decimals, commas);
    out = work;
}

// ---------------------------------------------------------- double-byte

// Bytes of the blank starting at p: 1 for 0x20, 2 for 0x81 0x40, else 0.
size_t BlankWidth(const char* p)
{
    if (p[0] == ' ')
        return 1;
    return static_cast<unsigned char>(p[0]) == 0x81 && p[1] == 0x40 ? 2 : 0;
}

size_t SkipBlanks(const char* text)
{
    size_t i = 0;
    for (size_t width = BlankWidth(text); width != 0; width = BlankWidth(text + i))
        i += width;
    return i;
}

// Copies a CString of at most 255 bytes into work; false when it is longer.
bool CopyShortText(const CString& text, char (&work)[kMaxHelperText + 1])
{
    if (text.GetLength() > static_cast<int>(kMaxHelperText))
        return false;
    std::memcpy(work, static_cast<const char*>(text), static_cast<size_t>(text.GetLength()) + 1);
    return true;
}

} // namespace

CConv::CConv()
{
}

CConv::~CConv()
{
}

// ---------------------------------------------------------------- parsing

int CConv::Convert(const char* text, char* out)
{
    return StoreInteger(Rules::lenient, text, out, SCHAR_MIN, SCHAR_MAX);
}

int CConv::Convert(const char* text, short* out)
{
    return StoreInteger(Rules::lenient, text, out, SHRT_MIN, SHRT_MAX);
}

int CConv::Convert(const char* text, long* out)
{
    return StoreInteger(Rules::lenient, text, out, LONG_MIN, LONG_MAX);
}

int CConv::Convert(const char* text, float* out, short decimals)
{
    return StoreDecimal(Rules::lenient, text, out, decimals);
}

int CConv::Convert(const char* text, double* out, short decimals)
{
    return StoreDecimal(Rules::lenient, text, out, decimals);
}

int CConv::Convert2(const char* text, char* out)
{
    return StoreInteger(Rules::strict, text, out, SCHAR_MIN, SCHAR_MAX);
}

int CConv::Convert2(const char* text, short* out)
{
    return StoreInteger(Rules::strict, text, out, SHRT_MIN, SHRT_MAX);
}

int CConv::Convert2(const char* text, long* out)
{
    return StoreInteger(Rules::strict, text, out, LONG_MIN, LONG_MAX);
}

int CConv::Convert2(const char* text, float* out, short decimals)
{
    return StoreDecimal(Rules::strict, text, out, decimals);
}

int CConv::Convert2(const char* text, double* out, short decimals)
{
    return StoreDecimal(Rules::strict, text, out, decimals);
}

// ------------------------------------------------------------- formatting

void CConv::CommaStr(char* out, long value)
{
    if (out != nullptr)
        FormatLong(out, value, true);
}

void CConv::CommaStr(char* out, double value, short decimals)
{
    if (out != nullptr)
        FormatDecimal(out, kUnbounded, value, decimals, true);
}

void CConv::CommaStr(char* out, float value, short decimals)
{
    CommaStr(out, AdjustFloat(value), decimals);
}

void CConv::CommaStr(CString& out, long value)
{
    FormatLongInto(out, value, true);
}

void CConv::CommaStr(CString& out, double value, short decimals)
{
    FormatDecimalInto(out, value, decimals, true);
}

void CConv::CommaStr(CString& out, float value, short decimals)
{
    CommaStr(out, AdjustFloat(value), decimals);
}

void CConv::NotCommaStr(char* out, long value)
{
    if (out != nullptr)
        FormatLong(out, value, false);
}

void CConv::NotCommaStr(char* out, double value, short decimals)
{
    if (out != nullptr)
        FormatDecimal(out, kUnbounded, value, decimals, false);
}

void CConv::NotCommaStr(char* out, float value, short decimals)
{
    NotCommaStr(out, AdjustFloat(value), decimals);
}

void CConv::NotCommaStr(CString& out, long value)
{
    FormatLongInto(out, value, false);
}

void CConv::NotCommaStr(CString& out, double value, short decimals)
{
    FormatDecimalInto(out, value, decimals, false);
}

void CConv::NotCommaStr(CString& out, float value, short decimals)
{
    NotCommaStr(out, AdjustFloat(value), decimals);
}

// ---------------------------------------------------------- double-byte

void CConv::KanjiCopy(unsigned char* dest, unsigned char* src, short count)
{
    if (dest == nullptr)
        return;
    if (count <= 0 || src == nullptr) {
        dest[0] = '\0';
        return;
    }
    // count bytes, NULs included; a lead byte in the last place stays out.
    size_t length = sjis::CutLength(reinterpret_cast<const char*>(src), static_cast<size_t>(count));
    std::memmove(dest, src, length);
    dest[length] = '\0';
}

void CConv::KanjiCopy(char* dest, char* src, short count)
{
    KanjiCopy(reinterpret_cast<unsigned char*>(dest), reinterpret_cast<unsigned char*>(src), count);
}

// Bytes are examined one at a time: 0x81 followed by 0x40 is a full-width
// blank wherever it stands.
void CConv::DelAfterSpace(char* text)
{
    if (text == nullptr || text[0] == '\0')
        return;
    size_t i = SkipBlanks(text);
    if (text[i] == '\0') {
        text[0] = '\0';
        return;
    }
    const size_t none = static_cast<size_t>(-1);
    size_t cut = none;
    while (text[i] != '\0') {
        size_t width = BlankWidth(text + i);
        if (width == 0) {
            cut = none;
            ++i;
        } else {
            if (cut == none)
                cut = i;
            i += width;
        }
    }
    if (cut != none)
        text[cut] = '\0';
}

void CConv::DelAfterSpace(CString& text)
{
    char work[kMaxHelperText + 1];
    if (!CopyShortText(text, work)) {
        text.Empty();
        return;
    }
    DelAfterSpace(work);
    text = work;
}

void CConv::DelBeforeSpace(char* text)
{
    if (text == nullptr)
        return;
    size_t i = SkipBlanks(text);
    if (i != 0 && text[i] != '\0')
        std::memmove(text, text + i, std::strlen(text + i) + 1);
}

void CConv::DelBeforeSpace(CString& text)
{
    char work[kMaxHelperText + 1];
    if (!CopyShortText(text, work)) {
        text.Empty();
        return;
    }
    DelBeforeSpace(work);
    text = work;
}

void CConv::ConvIkey(char* out, const char* text)
{
    if (out == nullptr)
        return;
    if (text == nullptr || HelperTextLength(text) > kMaxHelperText) {
        out[0] = '\0';
        return;
    }
    // The trail byte of a double-byte character is upper-cased too, as the C
    // library's _strupr does in the C locale.
    char work[kMaxHelperText + 1];
    size_t length = 0;
    for (; text[length] != '\0' && text[length] != ' '; ++length) {
        char c = text[length];
        work[length] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    work[length] = '\0';
    std::memcpy(out, work, length + 1);
}

void CConv::ConvIkey(CString& out, CString text)
{
    char work[kMaxHelperText + 1] = "";
    if (text.GetLength() <= static_cast<int>(kMaxHelperText))
        ConvIkey(work, static_cast<const char*>(text));
    out = work;
}
