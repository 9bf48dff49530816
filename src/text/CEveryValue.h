// CEveryValue: a user's code list such as "1-5,8,10-" turned into a set of
// codes from 0 to 99999, checked with numbered error codes, then handed out
// in ascending order. The set is a bitmap inside the object.
//
// CheckCode results: 0 valid (an empty list gives an empty set), 1 begins
// with a comma, 2 a character other than a digit, '-' or ',', 3 a second
// '-' in one item, 4 '-' then ',', 5 '-' then '-', 6 a code below the one
// before it, 7 a '-' with no code before it except at the start, 8 ends
// with a comma, 9 two commas in a row, 10 a code of more than 10 digits or
// above 99999, or an open range while the last code is above 99999.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/WinLibApi.h"

class ZR8WLIB_API CEveryValue {
public:
    // The upper end of an open range ("n-") and the stop value of GetNextCode.
    explicit CEveryValue(long lastCode);

    // Removes the blanks (0x20 and 0x81 0x40) from text, checks its syntax
    // and, when it gets past the character checks, fills the set. After an
    // error of code 3 to 10 the set holds the codes added before it.
    short CheckCode(unsigned char* text);
    // The smallest code in the set, or -1.
    long GetFirstCode();
    // The smallest code in the set above code; -1 when code is the last code
    // or no greater code is set. The search does not stop at the last code.
    long GetNextCode(long code);
    // Removes every blank in place, stepping over double-byte characters.
    void DeleteSpace(unsigned char* text);

protected:
    CEveryValue();  // last code 99999

private:
    enum { kBitmapBytes = 12501 };  // codes 0 to 100007

    void AddRange(long long first, long long last);
    long FindFrom(size_t start) const;
    uint64_t LoadWord(size_t byte) const;

    [[maybe_unused]] long m_reserved;  // 0; kept for the layout hosts compile against
    long m_lastCode;
    unsigned char m_codes[kBitmapBytes];  // bit (code % 8) of byte (code / 8)
};
