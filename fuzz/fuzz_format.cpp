// CommaStr / NotCommaStr of any double with any decimals, and of any long.
// Input: the double's 8 bytes, decimals (int8), the long's 8 bytes, all
// little-endian. The char* buffer has exactly the documented size, and
// each text is read back with the strict parser.
#include <climits>
#include <cmath>

#include "FuzzInput.h"
#include "text/CConv.h"

namespace {

void CheckDecimal(double value, short decimals)
{
    char what[64];
    std::snprintf(what, sizeof what, "%.17g with %d decimals", value, decimals);
    size_t kept = decimals > 0 ? static_cast<size_t>(decimals) : 0;
    // 21 + decimals bytes, one more for negative values from 1e14 with commas.
    std::vector<char> comma(21 + kept + (std::fabs(value) >= 1e14 && value < 0 ? 1 : 0)), plain(21 + kept);
    CConv conv;
    conv.CommaStr(comma.data(), value, decimals);
    conv.NotCommaStr(plain.data(), value, decimals);
    if (!(std::fabs(value) <= 9.99e14)) {
        Require(std::strcmp(comma.data(), "0") == 0 && std::strcmp(plain.data(), "0") == 0, "out of range not 0", what);
        return;
    }
    double commaValue = 0, plainValue = 0;
    Require(conv.Convert2(comma.data(), &commaValue, static_cast<short>(kept)) == 1 &&
                conv.Convert2(plain.data(), &plainValue, static_cast<short>(kept)) == 1, "a text is unreadable", what);
    Require(commaValue == plainValue && std::strchr(plain.data(), ',') == nullptr, "NotCommaStr is not CommaStr", what);
    // Fixed to four digits half up, then cut: never more than one unit of
    // the last printed digit away (plus the double's own spacing).
    double unit = std::pow(10.0, -(kept < 4 ? static_cast<int>(kept) : 4));
    Require(std::fabs(commaValue - value) <= unit + 0.00005 + std::fabs(value) * 4e-16, "too far from the value", what);
    Require(commaValue == 0 || std::signbit(commaValue) == std::signbit(value) || std::fabs(value) < 0.00005,
            "the sign flipped", what);
    // The CString form keeps the first 23 characters of the same text.
    CString text;
    conv.CommaStr(text, value, decimals);
    Require(std::string(text) == std::string(comma.data()).substr(0, 23), "CString form differs", what);
}

void CheckLong(long value)
{
    char comma[32], plain[32], expected[32];
    CConv conv;
    conv.CommaStr(comma, value);
    conv.NotCommaStr(plain, value);
    std::snprintf(expected, sizeof expected, "%ld", value);
    long commaValue = 0;
    Require(conv.Convert2(comma, &commaValue) == 1 && commaValue == value, "CommaStr(long) read back", expected);
    Require(std::strcmp(plain, expected) == 0, "NotCommaStr differs from %ld", expected);
    if (value >= INT32_MIN && value <= INT32_MAX)
        Require(std::strlen(comma) <= 14, "CommaStr(long) over 15 bytes", expected);
}

} // namespace

void FuzzOne(FuzzInput& input)
{
    double value = input.Take<double>();
    short decimals = input.Take<int8_t>();
    long integer = static_cast<long>(input.Take<int64_t>());
    CheckDecimal(value, decimals);
    CheckDecimal(static_cast<double>(integer) / 10000.0, decimals);
    CheckLong(integer);
    CheckLong(static_cast<long>(static_cast<int32_t>(integer)));
}
