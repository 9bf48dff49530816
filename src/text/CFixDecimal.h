// CFixDecimal: a signed decimal number with exactly four fraction digits,
// held as whole units and ten-thousandths so that formatting needs no
// floating point. Built from a double by rounding half up at the fifth
// fraction digit.
#pragma once

#include <stdexcept>

#include "frame/WinLibApi.h"

class ZR8WLIB_API CFixDecimal {
public:
    // Raised when a value of 1e14 or more in magnitude (or NaN) is converted.
    class RangeError : public std::range_error {
    public:
        RangeError() : std::range_error("CFixDecimal: magnitude of 1e14 or more") {}
    };

    CFixDecimal();  // zero
    explicit CFixDecimal(double value);  // throws RangeError
    virtual ~CFixDecimal();

    // True when the constructor accepts value.
    static bool CanHold(double value);
    // Whole units and ten-thousandths of a magnitude below 2^53, rounded half
    // up at the fifth fraction digit. The fraction can come out as 10000.
    static void Split(double magnitude, unsigned long long* integer, unsigned int* fraction);

    // Compares the signed scaled values; a zero magnitude is never below 0.
    bool operator<(double value) const;
    CFixDecimal operator-() const;

    // sign × (whole units × 10000 + ten-thousandths)
    long long GetScaled() const;
    // The magnitude's whole units and ten-thousandths (0 to 9999), with a
    // fraction of 10000 carried into the units.
    unsigned long long GetIntegerPart() const;
    unsigned int GetFraction() const;

private:
    long long m_integer;     // whole units of the magnitude, never negative
    unsigned int m_fraction; // ten-thousandths of the magnitude
    short m_sign;            // +1 or -1
};
