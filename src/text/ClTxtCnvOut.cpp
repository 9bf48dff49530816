#include "ClTxtCnvOut.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

const size_t kLongTextSize = 32;
// The decimal text: up to 21 bytes before the point, then the point,
// `decimals` digits and the NUL.
const size_t kDecimalTextBase = 24;

} // namespace

ClTxtCnvOut::ClTxtCnvOut() : CConv()
{
}

ClTxtCnvOut::~ClTxtCnvOut()
{
}

void ClTxtCnvOut::PutComma(CFile* file)
{
    if (file != nullptr)
        file->Write(",", 1);
}

void ClTxtCnvOut::PutCR(CFile* file)
{
    if (file != nullptr)
        file->Write("\r\n", 2);
}

void ClTxtCnvOut::PutKoumoku(CFile* file, long value)
{
    char text[kLongTextSize];
    int length = std::snprintf(text, sizeof text, "%ld", value);
    PutQuoted(file, text, static_cast<size_t>(length));
}

void ClTxtCnvOut::PutKoumoku(CFile* file, int value)
{
    PutKoumoku(file, static_cast<long>(value));
}

void ClTxtCnvOut::PutKoumoku(CFile* file, short value)
{
    PutKoumoku(file, static_cast<long>(value));
}

void ClTxtCnvOut::PutKoumoku(CFile* file, char value)
{
    PutKoumoku(file, static_cast<long>(static_cast<signed char>(value)));
}

void ClTxtCnvOut::PutKoumoku(CFile* file, double value, short decimals)
{
    size_t size = kDecimalTextBase + (decimals > 0 ? static_cast<size_t>(decimals) : 0);
    std::unique_ptr<char[]> text(new (std::nothrow) char[size]);
    if (!text)
        return;
    NotCommaStr(text.get(), value + 0.00005, decimals);
    PutQuoted(file, text.get(), std::strlen(text.get()));
}

void ClTxtCnvOut::PutKoumoku(CFile* file, float value, short decimals)
{
    PutKoumoku(file, static_cast<double>(value), decimals);
}

void ClTxtCnvOut::PutKoumoku(CFile* file, char* text)
{
    size_t length = text != nullptr ? std::strlen(text) : 0;
    std::unique_ptr<char[]> copy(new (std::nothrow) char[2 * length + 3]);
    if (!copy)
        return;
    if (length != 0)
        std::memcpy(copy.get(), text, length);
    copy[length] = '\0';
    PutQuoted(file, copy.get(), length);
}

// Three writes: the opening quote, the text, the closing quote.
void ClTxtCnvOut::PutQuoted(CFile* file, const char* text, size_t length)
{
    if (file == nullptr)
        return;
    file->Write("\"", 1);
    file->Write(text, static_cast<UINT>(length));
    file->Write("\"", 1);
}
