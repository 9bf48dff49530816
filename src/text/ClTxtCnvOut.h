// ClTxtCnvOut: writes comma-separated text to an open file one item at a
// time. Every item is enclosed in double quotes (nothing inside is escaped),
// PutComma writes the separator and PutCR ends a record with CR LF. Numbers
// are written without thousands commas. Errors of CFile::Write reach the
// caller as the file class throws them.
#pragma once

#include "afx/CFile.h"
#include "frame/WinLibApi.h"
#include "text/CConv.h"

class ZR8WLIB_API ClTxtCnvOut : public virtual CConv {
public:
    ClTxtCnvOut();
    ~ClTxtCnvOut();

    void PutComma(CFile* file);
    void PutCR(CFile* file);

    // Integers as "%ld".
    void PutKoumoku(CFile* file, long value);
    void PutKoumoku(CFile* file, int value);
    void PutKoumoku(CFile* file, short value);
    void PutKoumoku(CFile* file, char value);
    // NotCommaStr of value + 0.00005 with `decimals` fraction digits; the
    // float form widens without CConv's float rounding.
    void PutKoumoku(CFile* file, double value, short decimals);
    void PutKoumoku(CFile* file, float value, short decimals);
    // The text as it is; nothing is written when no copy can be made.
    void PutKoumoku(CFile* file, char* text);

private:
    void PutQuoted(CFile* file, const char* text, size_t length);
};
