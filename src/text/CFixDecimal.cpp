#include "CFixDecimal.h"

#include <cmath>

namespace {
const double kLimit = 1e14;
const long long kScale = 10000;
} // namespace

CFixDecimal::CFixDecimal() : m_integer(0), m_fraction(0), m_sign(1)
{
}

CFixDecimal::CFixDecimal(double value) : m_integer(0), m_fraction(0), m_sign(value < 0 ? -1 : 1)
{
    if (!CanHold(value))
        throw RangeError();
    unsigned long long integer = 0;
    Split(std::fabs(value), &integer, &m_fraction);
    m_integer = static_cast<long long>(integer);
}

CFixDecimal::~CFixDecimal()
{
}

bool CFixDecimal::CanHold(double value)
{
    return std::fabs(value) < kLimit;  // false for NaN
}

void CFixDecimal::Split(double magnitude, unsigned long long* integer, unsigned int* fraction)
{
    double whole = std::trunc(magnitude);
    // The difference is exact; the product is rounded once, then cut at the
    // fifth digit, which is rounded half up into the fourth.
    double fifths = std::trunc((magnitude - whole) * 100000.0);
    *integer = static_cast<unsigned long long>(whole);
    *fraction = (static_cast<unsigned int>(fifths) + 5) / 10;
}

bool CFixDecimal::operator<(double value) const
{
    return GetScaled() < CFixDecimal(value).GetScaled();
}

CFixDecimal CFixDecimal::operator-() const
{
    CFixDecimal negated(*this);
    negated.m_sign = static_cast<short>(-m_sign);
    return negated;
}

long long CFixDecimal::GetScaled() const
{
    return m_sign * (m_integer * kScale + m_fraction);
}

unsigned long long CFixDecimal::GetIntegerPart() const
{
    return static_cast<unsigned long long>(m_integer) + m_fraction / kScale;
}

unsigned int CFixDecimal::GetFraction() const
{
    return static_cast<unsigned int>(m_fraction % kScale);
}
