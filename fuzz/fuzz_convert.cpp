// Convert and Convert2 into every output type with any number of decimals.
// Input: decimals (int16, little-endian), then the text.
#include <cmath>

#include "FuzzInput.h"
#include "text/CConv.h"

namespace {

const double kMark = -12345.678;

template <typename T>
struct Parsed { int ok; T value; };

// One family's conversion into T; the output starts at mark and keeps it on failure.
template <typename T, typename... Decimals>
Parsed<T> Parse(bool strict, const char* text, T mark, Decimals... decimals)
{
    CConv conv;
    Parsed<T> r = {0, mark};
    r.ok = strict ? conv.Convert2(text, &r.value, decimals...) : conv.Convert(text, &r.value, decimals...);
    Require(r.ok || r.value == mark, strict ? "a failed Convert2 wrote its output" : "a failed Convert wrote", text);
    return r;
}

struct Results { Parsed<char> c; Parsed<short> s; Parsed<long> l; Parsed<float> f; Parsed<double> d, dZero, dMore; };

// Every overload of one family, and the rules that hold between them.
Results ConvertAll(bool strict, const char* text, short decimals)
{
    short more = decimals < 32767 ? static_cast<short>(decimals + 1) : decimals;
    Results r = {Parse(strict, text, static_cast<char>(0x5A)), Parse(strict, text, static_cast<short>(0x5A5A)),
                 Parse(strict, text, 0x5A5AL),                 Parse(strict, text, static_cast<float>(kMark), decimals),
                 Parse(strict, text, kMark, decimals),        Parse(strict, text, kMark, static_cast<short>(0)),
                 Parse(strict, text, kMark, more)};
    Require(r.c.ok == (r.l.ok && r.l.value >= -128 && r.l.value <= 127), "char accepts exactly the long range", text);
    Require(r.s.ok == (r.l.ok && r.l.value >= -32768 && r.l.value <= 32767), "short accepts the long range", text);
    Require((!r.c.ok || r.c.value == r.l.value) && (!r.s.ok || r.s.value == r.l.value), "char or short not long", text);
    Require(r.f.ok == r.d.ok && (!r.f.ok || r.f.value == static_cast<float>(r.d.value)), "float not double", text);
    // The integer forms read the same digits as a double without decimals.
    Require(r.l.ok == r.dZero.ok, "long and double with 0 decimals accept the same texts", text);
    if (r.l.ok && std::fabs(r.dZero.value) < 9007199254740992.0)
        Require(static_cast<double>(r.l.value) == r.dZero.value, "long equals the double with 0 decimals", text);
    // One more kept digit can only add to the magnitude, by less than one
    // unit of the last digit kept before: fractions are cut, never rounded.
    if (r.d.ok && r.dMore.ok && decimals >= 0 && decimals < 300) {
        double grown = std::fabs(r.dMore.value) - std::fabs(r.d.value);
        double spacing = std::fabs(r.d.value) * 1e-15;
        Require(grown >= -spacing, "one more digit shrank the value", text);
        Require(grown < std::pow(10.0, -decimals) * (1 + 1e-9) + spacing, "one more digit grew too much", text);
    }
    if (decimals <= 0 && r.d.ok)
        Require(r.dZero.ok && r.d.value == r.dZero.value, "decimals below 1 keep no fraction", text);
    return r;
}

} // namespace

void FuzzOne(FuzzInput& input)
{
    short decimals = input.Take<short>();
    std::string text = input.Rest().c_str();  // up to the first NUL
    std::vector<char> exact = Terminated(text);

    Results lenient = ConvertAll(false, exact.data(), decimals);
    Results strict = ConvertAll(true, exact.data(), decimals);
    if (text.size() > 511)
        Require(!lenient.l.ok && !lenient.d.ok, "Convert accepted a text over 511 bytes", text);
    if (text.empty())
        Require(lenient.l.ok && lenient.l.value == 0 && !strict.l.ok, "empty text rules", text);
    // A text that the strict rules accept, the lenient ones accept too, with
    // the same value (within Convert's 511 bytes).
    if (text.size() <= 511) {
        Require(!strict.l.ok || (lenient.l.ok && lenient.l.value == strict.l.value), "Convert2 long differs", text);
        Require(!strict.d.ok || (lenient.d.ok && lenient.d.value == strict.d.value), "Convert2 double differs", text);
        Require(!strict.c.ok || (lenient.c.ok && lenient.c.value == strict.c.value), "Convert2 char differs", text);
    }
}
