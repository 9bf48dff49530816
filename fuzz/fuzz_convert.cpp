// Convert and Convert2 into every output type with any number of decimals.
// Input: decimals (int16, little-endian), then the text.
#include <cmath>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "text/CConv.h"

namespace {

const long kLongMark = 0x5A5A;
const double kDoubleMark = -12345.678;

struct Results {
    int charOk, shortOk, longOk, floatOk, doubleOk, doubleZeroOk, doubleMoreOk;
    char c;
    short s;
    long l;
    float f;
    double d, dZero, dMore;
};

// The two families, called the same way.
struct Lenient {
    template <typename... Args>
    int operator()(CConv& conv, const char* text, Args... args) const
    {
        return conv.Convert(text, args...);
    }
};

struct Strict {
    template <typename... Args>
    int operator()(CConv& conv, const char* text, Args... args) const
    {
        return conv.Convert2(text, args...);
    }
};

template <typename Family>
Results ConvertAll(const char* text, short decimals)
{
    Family parse;
    CConv conv;
    Results r = {};
    r.c = 0x5A;
    r.s = 0x5A5A;
    r.l = kLongMark;
    r.f = static_cast<float>(kDoubleMark);
    r.d = r.dZero = r.dMore = kDoubleMark;
    short more = decimals < 32767 ? static_cast<short>(decimals + 1) : decimals;
    r.charOk = parse(conv, text, &r.c);
    r.shortOk = parse(conv, text, &r.s);
    r.longOk = parse(conv, text, &r.l);
    r.floatOk = parse(conv, text, &r.f, decimals);
    r.doubleOk = parse(conv, text, &r.d, decimals);
    r.doubleZeroOk = parse(conv, text, &r.dZero, static_cast<short>(0));
    r.doubleMoreOk = parse(conv, text, &r.dMore, more);
    return r;
}

// Rules that hold between the overloads of one family.
void CheckFamily(const Results& r, short decimals, const std::string& text)
{
    Require(r.charOk || r.c == 0x5A, "a failed char conversion wrote its output", text);
    Require(r.shortOk || r.s == 0x5A5A, "a failed short conversion wrote its output", text);
    Require(r.longOk || r.l == kLongMark, "a failed long conversion wrote its output", text);
    Require(r.doubleOk || r.d == kDoubleMark, "a failed double conversion wrote its output", text);
    Require(r.floatOk || r.f == static_cast<float>(kDoubleMark), "a failed float conversion wrote", text);

    Require(r.charOk == (r.longOk && r.l >= -128 && r.l <= 127), "char accepts exactly the long range", text);
    Require(r.shortOk == (r.longOk && r.l >= -32768 && r.l <= 32767), "short accepts the long range", text);
    Require(!r.charOk || r.c == r.l, "char value equals the long value", text);
    Require(!r.shortOk || r.s == r.l, "short value equals the long value", text);
    Require(r.floatOk == r.doubleOk, "float and double accept the same texts", text);
    Require(!r.floatOk || r.f == static_cast<float>(r.d), "float is the double rounded", text);
    // The integer forms read the same digits as a double without decimals.
    Require(r.longOk == r.doubleZeroOk, "long and double with 0 decimals accept the same texts", text);
    if (r.longOk && std::fabs(r.dZero) < 9007199254740992.0)
        Require(static_cast<double>(r.l) == r.dZero, "long value equals the double with 0 decimals", text);
    // One more kept digit can only add to the magnitude, by less than one
    // unit of the last digit kept before: fractions are cut, never rounded.
    if (r.doubleOk && r.doubleMoreOk && decimals >= 0 && decimals < 300) {
        double step = std::pow(10.0, -decimals);
        double grown = std::fabs(r.dMore) - std::fabs(r.d);
        Require(grown >= -std::fabs(r.d) * 1e-15, "one more digit shrank the value", text);
        Require(grown < step * (1 + 1e-9) + std::fabs(r.d) * 1e-15, "one more digit grew too much", text);
    }
    if (decimals <= 0 && r.doubleOk)
        Require(r.doubleZeroOk && r.d == r.dZero, "decimals below 1 keep no fraction", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    short decimals = input.Take<short>();
    std::string bytes = input.Rest();
    // An exact-size copy up to the first NUL, so any over-read is seen.
    size_t length = std::strlen(bytes.c_str());
    char* text = new char[length + 1];
    std::memcpy(text, bytes.c_str(), length + 1);

    Results lenient = ConvertAll<Lenient>(text, decimals);
    Results strict = ConvertAll<Strict>(text, decimals);
    CheckFamily(lenient, decimals, text);
    CheckFamily(strict, decimals, text);

    if (length > 511)
        Require(!lenient.longOk && !lenient.doubleOk, "Convert accepted a text over 511 bytes", text);
    if (length == 0)
        Require(lenient.longOk && lenient.l == 0 && !strict.longOk, "empty text rules", text);
    // A text that the strict rules accept, the lenient ones accept too, with
    // the same value (within Convert's 511 bytes).
    if (length <= 511) {
        Require(!strict.longOk || (lenient.longOk && lenient.l == strict.l), "Convert2 long not Convert's", text);
        Require(!strict.doubleOk || (lenient.doubleOk && lenient.d == strict.d), "Convert2 double differs", text);
        Require(!strict.charOk || (lenient.charOk && lenient.c == strict.c), "Convert2 char differs", text);
    }
    delete[] text;
    return 0;
}
