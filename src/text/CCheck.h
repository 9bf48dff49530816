// CCheck: whether a typed text is a number inside given bounds (both
// inclusive), and whether a text is blank. Results: 1 yes, 0 no.
#pragma once

#include "afx/CString.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CCheck {
public:
    CCheck();
    ~CCheck();

    // Integer bounds: the text is read with Convert's lenient rules and its
    // fraction cut off. Decimal bounds: the fraction is cut to three digits.
    // An empty text is never inside.
    int DataCheck(const char* text, long low, long high);
    int DataCheck(const char* text, short low, short high);
    int DataCheck(const char* text, double low, double high);
    int DataCheck(const char* text, float low, float high);
    int DataCheck(CString text, long low, long high);
    int DataCheck(CString text, short low, short high);
    int DataCheck(CString text, double low, double high);
    int DataCheck(CString text, float low, float high);

    // 1 for an empty text or one made only of 0x20 and 0x81 0x40 blanks.
    int CheckSpace(const char* text);
};
