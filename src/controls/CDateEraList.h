// CDateEraList: the era list of the date control and the text rules of its
// year field, free of windows so that they build natively. The list holds
// era records newest first; it starts with the four default eras (Meiji to
// Heisei) and is replaced by the first Add.
//
// Year text: "2024" (Gregorian, "%4ld") or "H.05" (era letter and era
// year). Typed year text: four digits, or an era letter, an optional "."
// and one or two digits. Typed date text: a year as above, then month and
// day of one or two digits each, with an optional "/" or "." between.
#pragma once

#include <cstddef>
#include <vector>

#include "frame/WinLibApi.h"

// One era: year 1 of the era is firstYear, beginning on startMonth/startDay.
struct ZR8WLIB_API DATE_ERA {
    short firstYear;
    short lastEraYear;  // greatest era year accepted when typing
    short startMonth;
    short startDay;
    short eraCode;      // 0 = oldest
    char letter;
    char name[8];       // Shift-JIS, at most 7 bytes, always terminated
};

class ZR8WLIB_API CDateEraList {
public:
    // Display type that shows the year as an era year; any other is Gregorian.
    static const unsigned long kEraDisplay = 2;
    // Room for any year text, terminator included.
    static const size_t kYearTextSize = 16;

    CDateEraList();
    ~CDateEraList();
    CDateEraList(const CDateEraList&) = delete;
    CDateEraList& operator=(const CDateEraList&) = delete;

    // The first call drops the default eras. Eras are added oldest first;
    // each goes to the front. A NULL name is taken as empty.
    void Add(short firstYear, short lastEraYear, short month, short day, short eraCode, char letter,
             const char* name);
    bool Replaced() const { return m_bReplaced != 0; }
    size_t Count() const { return m_eras.size(); }
    const DATE_ERA* At(size_t index) const { return index < m_eras.size() ? m_eras[index] : nullptr; }

    // The era of y/m/d, or NULL before every era.
    const DATE_ERA* Find(long year, long month, long day) const;
    // The first era (newest first) with this letter (a-z taken as capitals).
    const DATE_ERA* FindLetter(char letter) const;

    // The year field's text for a date: "%4ld" of the year, or with the era
    // display "%c.%02ld" (four blanks outside every era). out holds size bytes.
    void YearText(char* out, size_t size, unsigned long displayType, long year, long month, long day) const;
    // The Gregorian year of typed year text, 0 when it gives none.
    long ParseYear(const char* text) const;
    // A typed date; 1 with year, month and day set, 0 (outputs untouched) when it gives none.
    int ParseDate(const char* text, long* year, long* month, long* day) const;

private:
    void Clear();

    std::vector<DATE_ERA*> m_eras;  // newest first; owned
    int m_bReplaced;
};
