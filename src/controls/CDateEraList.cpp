#include "CDateEraList.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "afx/ShiftJis.h"

namespace {

struct DefaultEra {
    short firstYear, lastEraYear, month, day, eraCode;
    char letter;
    const char* name;
};

// Newest first. Names in Shift-JIS: Heisei, Showa, Taisho, Meiji.
const DefaultEra kDefaultEras[] = {
    {1989, 99, 1, 8, 3, 'H', "\x95\xBD\x90\xAC"},
    {1926, 64, 12, 25, 2, 'S', "\x8F\xBA\x98\x61"},
    {1912, 15, 7, 30, 1, 'T', "\x91\xE5\x90\xB3"},
    {1868, 45, 9, 8, 0, 'M', "\x96\xBE\x8E\xA1"},
};

char Capital(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes of the blank at p (0x20, or the full-width 0x81 0x40), else 0.
size_t BlankAt(const char* p, const char* end)
{
    if (p < end && *p == ' ')
        return 1;
    return end - p >= 2 && static_cast<unsigned char>(p[0]) == 0x81 && p[1] == 0x40 ? 2 : 0;
}

// The text without leading and trailing blanks, as [begin, end), when it
// has at least minLength bytes left. Walked from the front so that a trail
// byte 0x40 is never taken for a blank.
bool Trim(const char* text, std::ptrdiff_t minLength, const char** begin, const char** end)
{
    if (text == nullptr)
        return false;
    const char* p = text;
    const char* stop = text + std::strlen(text);
    for (size_t width; (width = BlankAt(p, stop)) != 0;)
        p += width;
    *begin = p;
    const char* last = p;  // end of the last character that is not a blank
    while (p < stop) {
        size_t width = BlankAt(p, stop);
        if (width == 0) {
            width = static_cast<size_t>(sjis::CharLength(p, static_cast<size_t>(stop - p)));
            last = p + width;
        }
        p += width;
    }
    *end = last;
    return last - *begin >= minLength;
}

// Up to maxDigits digits at p; their value, with p moved past them.
long Digits(const char*& p, const char* end, int maxDigits, int* count)
{
    long value = 0;
    int n = 0;
    for (; n < maxDigits && p < end && IsDigit(*p); ++n, ++p)
        value = value * 10 + (*p - '0');
    *count = n;
    return value;
}

// A separator that may stand between the fields.
void SkipSeparator(const char*& p, const char* end, const char* separators)
{
    if (p < end && *p != '\0' && std::strchr(separators, *p) != nullptr)
        ++p;
}

// An era letter, an optional '.' and the era year (one or two digits, 1 up
// to the era's last): the Gregorian year, 0 when there is none.
long EraYear(const CDateEraList& eras, const char*& p, const char* end)
{
    const DATE_ERA* era = eras.FindLetter(*p++);
    if (era == nullptr)
        return 0;
    SkipSeparator(p, end, ".");
    int count = 0;
    long eraYear = Digits(p, end, 2, &count);
    if (count == 0 || eraYear < 1 || eraYear > era->lastEraYear)
        return 0;
    return era->firstYear + eraYear - 1;
}

} // namespace

CDateEraList::CDateEraList() : m_bReplaced(0)
{
    for (const DefaultEra& era : kDefaultEras) {
        DATE_ERA* record = new DATE_ERA();
        *record = {era.firstYear, era.lastEraYear, era.month, era.day, era.eraCode, era.letter, {}};
        std::strncpy(record->name, era.name, sizeof record->name - 1);
        m_eras.push_back(record);
    }
}

CDateEraList::~CDateEraList()
{
    Clear();
}

void CDateEraList::Clear()
{
    for (DATE_ERA* record : m_eras)
        delete record;
    m_eras.clear();
}

void CDateEraList::Add(short firstYear, short lastEraYear, short month, short day, short eraCode, char letter,
                       const char* name)
{
    if (m_bReplaced == 0) {
        Clear();
        m_bReplaced = 1;
    }
    DATE_ERA* record = new DATE_ERA();
    *record = {firstYear, lastEraYear, month, day, eraCode, letter, {}};
    if (name != nullptr)
        std::strncpy(record->name, name, sizeof record->name - 1);
    m_eras.insert(m_eras.begin(), record);
}

const DATE_ERA* CDateEraList::Find(long year, long month, long day) const
{
    long long date = static_cast<long long>(month) * 100 + day;
    for (size_t i = 0; i < m_eras.size(); ++i) {
        const DATE_ERA* era = m_eras[i];
        // Early in the first year of an era the date still belongs to the era before.
        if (era->firstYear == year && static_cast<long long>(era->startMonth) * 100 + era->startDay > date)
            return i + 1 < m_eras.size() ? m_eras[i + 1] : nullptr;
        if (era->firstYear <= year)
            return era;
    }
    return nullptr;
}

const DATE_ERA* CDateEraList::FindLetter(char letter) const
{
    char capital = Capital(letter);
    for (const DATE_ERA* era : m_eras) {
        if (era->letter == capital)
            return era;
    }
    return nullptr;
}

void CDateEraList::YearText(char* out, size_t size, unsigned long displayType, long year, long month,
                            long day) const
{
    if (out == nullptr || size == 0)
        return;
    if (displayType != kEraDisplay) {
        std::snprintf(out, size, "%4ld", year);
        return;
    }
    const DATE_ERA* era = Find(year, month, day);
    if (era == nullptr)
        std::snprintf(out, size, "    ");
    else
        std::snprintf(out, size, "%c.%02ld", era->letter, year - era->firstYear + 1);
}

long CDateEraList::ParseYear(const char* text) const
{
    const char* p;
    const char* end;
    if (!Trim(text, 2, &p, &end))
        return 0;
    int count = 0;
    if (IsDigit(*p))
        return Digits(p, end, 4, &count);  // what follows the digits does not count
    long year = EraYear(*this, p, end);
    return p == end ? year : 0;
}

int CDateEraList::ParseDate(const char* text, long* year, long* month, long* day) const
{
    const char* p;
    const char* end;
    if (!Trim(text, 5, &p, &end))
        return 0;
    int count = 0;
    long y = IsDigit(*p) ? Digits(p, end, 4, &count) : EraYear(*this, p, end);
    if (y == 0)
        return 0;
    SkipSeparator(p, end, "/.");
    long m = Digits(p, end, 2, &count);
    if (count == 0 || m == 0)
        return 0;
    SkipSeparator(p, end, "/.");
    long d = Digits(p, end, 2, &count);
    if (count == 0 || d == 0)
        return 0;
    if (year != nullptr)
        *year = y;
    if (month != nullptr)
        *month = m;
    if (day != nullptr)
        *day = d;
    return 1;
}
