#include "CCheck.h"

#include <new>

#include "text/CConv.h"

namespace {

int InRange(const char* text, short decimals, double low, double high)
{
    if (text == nullptr || text[0] == '\0')
        return 0;
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return 0;
    double value = 0.0;
    int parsed = conv->Convert(text, &value, decimals);
    delete conv;
    return parsed != 0 && low <= value && value <= high ? 1 : 0;
}

} // namespace

CCheck::CCheck()
{
}

CCheck::~CCheck()
{
}

int CCheck::DataCheck(const char* text, long low, long high)
{
    return InRange(text, 0, static_cast<double>(low), static_cast<double>(high));
}

int CCheck::DataCheck(const char* text, short low, short high)
{
    return DataCheck(text, static_cast<long>(low), static_cast<long>(high));
}

int CCheck::DataCheck(const char* text, double low, double high)
{
    return InRange(text, 3, low, high);
}

int CCheck::DataCheck(const char* text, float low, float high)
{
    return DataCheck(text, static_cast<double>(low), static_cast<double>(high));
}

int CCheck::DataCheck(CString text, long low, long high)
{
    return DataCheck(static_cast<const char*>(text), low, high);
}

int CCheck::DataCheck(CString text, short low, short high)
{
    return DataCheck(static_cast<const char*>(text), low, high);
}

int CCheck::DataCheck(CString text, double low, double high)
{
    return DataCheck(static_cast<const char*>(text), low, high);
}

int CCheck::DataCheck(CString text, float low, float high)
{
    return DataCheck(static_cast<const char*>(text), low, high);
}

int CCheck::CheckSpace(const char* text)
{
    if (text == nullptr)
        return 1;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != '\0';) {
        if (*p == 0x20)
            p += 1;
        else if (p[0] == 0x81 && p[1] == 0x40)
            p += 2;
        else
            return 0;
    }
    return 1;
}
