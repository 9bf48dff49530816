// CConv: stateless conversions between typed text and numbers, and the
// Shift-JIS helpers that cut, trim and shorten text without splitting a
// double-byte character.
//
// Parsing (Convert, Convert2): 1 on success, 0 on failure; on failure the
// output is not written. Convert is lenient (an empty text is zero, commas
// may stand anywhere before the point); Convert2 is strict (an empty text
// fails, commas must stand at thousands positions). Fraction digits beyond
// `decimals` are cut off, never rounded. Texts longer than 511 bytes (or
// whose number part exceeds 255 bytes) fail.
//
// Formatting (CommaStr with thousands commas, NotCommaStr without): the
// char* forms need room for 15 bytes (integers; 27 where long has 64 bits)
// or 21 + decimals bytes (decimal numbers; 22 + decimals for negative values
// of 1e14 or more with commas). The CString& forms keep at most 23
// characters of a decimal text.
#pragma once

#include "afx/CString.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CConv {
public:
    CConv();
    ~CConv();

    int Convert(const char* text, char* out);
    int Convert(const char* text, short* out);
    int Convert(const char* text, long* out);
    int Convert(const char* text, float* out, short decimals);
    int Convert(const char* text, double* out, short decimals);
    int Convert(CString text, char* out);
    int Convert(CString text, short* out);
    int Convert(CString text, long* out);
    int Convert(CString text, float* out, short decimals);
    int Convert(CString text, double* out, short decimals);

    int Convert2(const char* text, char* out);
    int Convert2(const char* text, short* out);
    int Convert2(const char* text, long* out);
    int Convert2(const char* text, float* out, short decimals);
    int Convert2(const char* text, double* out, short decimals);
    int Convert2(CString text, char* out);
    int Convert2(CString text, short* out);
    int Convert2(CString text, long* out);
    int Convert2(CString text, float* out, short decimals);
    int Convert2(CString text, double* out, short decimals);

    void CommaStr(char* out, long value);
    void CommaStr(char* out, short value);
    void CommaStr(char* out, char value);
    void CommaStr(char* out, double value, short decimals);
    void CommaStr(char* out, float value, short decimals);
    void CommaStr(CString& out, long value);
    void CommaStr(CString& out, short value);
    void CommaStr(CString& out, char value);
    void CommaStr(CString& out, double value, short decimals);
    void CommaStr(CString& out, float value, short decimals);

    void NotCommaStr(char* out, long value);
    void NotCommaStr(char* out, short value);
    void NotCommaStr(char* out, char value);
    void NotCommaStr(char* out, double value, short decimals);
    void NotCommaStr(char* out, float value, short decimals);
    void NotCommaStr(CString& out, long value);
    void NotCommaStr(CString& out, short value);
    void NotCommaStr(CString& out, char value);
    void NotCommaStr(CString& out, double value, short decimals);
    void NotCommaStr(CString& out, float value, short decimals);

    // Copies count bytes of src (which need not be terminated) into dest
    // (count + 1 bytes), dropping a lead byte that would lose its trail byte.
    void KanjiCopy(unsigned char* dest, unsigned char* src, short count);
    void KanjiCopy(char* dest, char* src, short count);

    // Trailing / leading blanks (0x20 and the full-width 0x81 0x40). The
    // CString forms give the empty text for texts over 255 bytes.
    void DelAfterSpace(char* text);
    void DelAfterSpace(CString& text);
    void DelBeforeSpace(char* text);
    void DelBeforeSpace(CString& text);

    // Lookup key: text up to its first blank, a-z upper-cased byte by byte;
    // the empty text for texts over 255 bytes.
    void ConvIkey(char* out, const char* text);
    void ConvIkey(CString& out, CString text);

    // Path shortening for display. Paths over 255 bytes give the empty text.
    // out needs width + 4 bytes (ConvDirName), width + 2 (ConvDirName2) or
    // width + 1 (ConvDirName3), and at least one byte.
    void ConvDirName(char* out, char* path, short width);
    void ConvDirName2(char* path, char* out, int width);
    void ConvDirName3(char* path, char* out, int width);
};

// Forwarding forms: a CString read as its text, a short or char widened.

inline int CConv::Convert(CString text, char* out)
{
    return Convert(static_cast<const char*>(text), out);
}

inline int CConv::Convert(CString text, short* out)
{
    return Convert(static_cast<const char*>(text), out);
}

inline int CConv::Convert(CString text, long* out)
{
    return Convert(static_cast<const char*>(text), out);
}

inline int CConv::Convert(CString text, float* out, short decimals)
{
    return Convert(static_cast<const char*>(text), out, decimals);
}

inline int CConv::Convert(CString text, double* out, short decimals)
{
    return Convert(static_cast<const char*>(text), out, decimals);
}

inline int CConv::Convert2(CString text, char* out)
{
    return Convert2(static_cast<const char*>(text), out);
}

inline int CConv::Convert2(CString text, short* out)
{
    return Convert2(static_cast<const char*>(text), out);
}

inline int CConv::Convert2(CString text, long* out)
{
    return Convert2(static_cast<const char*>(text), out);
}

inline int CConv::Convert2(CString text, float* out, short decimals)
{
    return Convert2(static_cast<const char*>(text), out, decimals);
}

inline int CConv::Convert2(CString text, double* out, short decimals)
{
    return Convert2(static_cast<const char*>(text), out, decimals);
}

inline void CConv::CommaStr(char* out, short value)
{
    CommaStr(out, static_cast<long>(value));
}

inline void CConv::CommaStr(char* out, char value)
{
    CommaStr(out, static_cast<long>(static_cast<signed char>(value)));
}

inline void CConv::CommaStr(CString& out, short value)
{
    CommaStr(out, static_cast<long>(value));
}

inline void CConv::CommaStr(CString& out, char value)
{
    CommaStr(out, static_cast<long>(static_cast<signed char>(value)));
}

inline void CConv::NotCommaStr(char* out, short value)
{
    NotCommaStr(out, static_cast<long>(value));
}

inline void CConv::NotCommaStr(char* out, char value)
{
    NotCommaStr(out, static_cast<long>(static_cast<signed char>(value)));
}

inline void CConv::NotCommaStr(CString& out, short value)
{
    NotCommaStr(out, static_cast<long>(value));
}

inline void CConv::NotCommaStr(CString& out, char value)
{
    NotCommaStr(out, static_cast<long>(static_cast<signed char>(value)));
}
