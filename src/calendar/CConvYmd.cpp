#include "CConvYmd.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstring>

#include "afx/COleDateTime.h"

namespace {

const size_t kMaxEras = 16;
const size_t kMaxEraName = 8;  // bytes: four double-byte characters

struct EraRecord {
    short firstYear;    // Gregorian year that is year 1 of the era
    short lastEraYear;  // greatest era year accepted in typed dates
    short changeMonth;  // the era begins after changeMonth/changeDay of firstYear
    short changeDay;
    short eraCode;
    char letter;
    char name[kMaxEraName + 1];  // Shift-JIS
};

// Newest era first; the host may replace the table once at start-up.
struct EraTable {
    EraRecord eras[kMaxEras];
    size_t count;
    bool custom;
};

const EraRecord kDefaultEras[4] = {
    {1989, 99, 1, 7, 3, 'H', "\x95\xBD\x90\xAC"},    // 平成
    {1926, 64, 12, 24, 2, 'S', "\x8F\xBA\x98\x61"},  // 昭和
    {1912, 15, 7, 29, 1, 'T', "\x91\xE5\x90\xB3"},   // 大正
    {1868, 45, 12, 31, 0, 'M', "\x96\xBE\x8E\xA1"},  // 明治
};

EraTable& Eras()
{
    static EraTable table = [] {
        EraTable defaults {};
        std::copy(std::begin(kDefaultEras), std::end(kDefaultEras), defaults.eras);
        defaults.count = 4;
        defaults.custom = false;
        return defaults;
    }();
    return table;
}

const size_t kMaxTypedLength = 16;
const size_t kStyleBufferSize = 32;  // the longest style is 17 bytes

char UpperCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

const EraRecord* EraByLetter(char letter)
{
    const EraTable& table = Eras();
    for (size_t index = 0; index < table.count; ++index) {
        if (table.eras[index].letter == letter)
            return &table.eras[index];
    }
    return nullptr;
}

const EraRecord* EraByCode(short code)
{
    const EraTable& table = Eras();
    for (size_t index = 0; index < table.count; ++index) {
        if (table.eras[index].eraCode == code)
            return &table.eras[index];
    }
    return nullptr;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c)
{
    return c == '/' || c == '.';
}

const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

} // namespace

CConvYmd::CConvYmd() = default;

CConvYmd::~CConvYmd() = default;

// ---------------------------------------------------------------------------
// Eras

void CConvYmd::AddEra(short firstYear, short lastEraYear, short changeMonth, short changeDay, short eraCode,
                      char letter, const char* name)
{
    EraTable& table = Eras();
    size_t count = table.custom ? table.count : 0;
    letter = UpperCase(letter);
    bool valid = name != nullptr && std::strlen(name) <= kMaxEraName && letter >= 'A' && letter <= 'Z' &&
                 firstYear >= 1868 && firstYear <= 2100 && lastEraYear >= 1 && lastEraYear <= 999 &&
                 eraCode >= 0 && changeMonth >= 1 && changeMonth <= 12 && changeDay >= 1 &&
                 changeDay <= CGetYmd().GetMaxDay(firstYear, changeMonth) && count < kMaxEras &&
                 (count == 0 || firstYear > table.eras[0].firstYear);
    for (size_t index = 0; valid && index < count; ++index)
        valid = table.eras[index].letter != letter && table.eras[index].eraCode != eraCode;
    if (!valid)
        return;
    std::copy_backward(table.eras, table.eras + count, table.eras + count + 1);
    EraRecord& era = table.eras[0];
    era = EraRecord {firstYear, lastEraYear, changeMonth, changeDay, eraCode, letter, ""};
    std::strcpy(era.name, name);
    table.count = count + 1;
    table.custom = true;
}

void CConvYmd::ResetEras()
{
    EraTable& table = Eras();
    std::copy(std::begin(kDefaultEras), std::end(kDefaultEras), table.eras);
    table.count = 4;
    table.custom = false;
}

short CConvYmd::GetWareki(long ymd)
{
    short year, month, day;
    SeparateSeirekiYMD(ymd, &year, &month, &day);
    long fullYear = ymd / 10000;  // the short may have wrapped
    const EraTable& table = Eras();
    short oldest = static_cast<short>(table.count - 1);
    for (short index = 0; index <= oldest; ++index) {
        const EraRecord& era = table.eras[index];
        if (fullYear > era.firstYear)
            return index;
        if (fullYear == era.firstYear) {
            if (index == oldest)
                return index;
            bool beforeChange = month < era.changeMonth ||
                                (month == era.changeMonth && day <= era.changeDay);
            return beforeChange ? static_cast<short>(index + 1) : index;
        }
    }
    return -1;
}

void CConvYmd::SplitEra(long ymd, EraParts* parts)
{
    short year, month, day;
    SeparateSeirekiYMD(ymd, &year, &month, &day);
    short index = GetWareki(ymd);
    if (index < 0) {
        *parts = EraParts {0, 0, 0, 0, '\0', ""};
        return;
    }
    const EraRecord& era = Eras().eras[index];
    parts->eraYear = static_cast<short>(year + 1 - era.firstYear);
    parts->month = month;
    parts->day = day;
    parts->eraCode = era.eraCode;
    parts->letter = era.letter;
    parts->name = era.name;
}

int CConvYmd::ConvWareki(long ymd, short* eraYear, short* month, short* day, short* eraCode)
{
    EraParts parts;
    SplitEra(ymd, &parts);
    *eraYear = parts.eraYear;
    *month = parts.month;
    *day = parts.day;
    *eraCode = parts.eraCode;
    return 1;
}

void CConvYmd::ConvWareki2(long ymd, short* eraYear, short* month, short* day, char* eraLetter)
{
    EraParts parts;
    SplitEra(ymd, &parts);
    *eraYear = parts.eraYear;
    *month = parts.month;
    *day = parts.day;
    *eraLetter = parts.letter;
}

int CConvYmd::ConvWareki(short eraYear, short month, short day, short eraCode, long* ymd)
{
    if (eraYear < 1 || month < 1 || month > 12 || day < 1)
        return 0;
    const EraRecord* era = EraByCode(eraCode);
    if (era == nullptr || eraYear > era->lastEraYear)
        return 0;
    short year = static_cast<short>(era->firstYear + eraYear - 1);
    if (day > GetMaxDay(year, month))
        return 0;
    *ymd = static_cast<long>(year) * 10000 + month * 100 + day;
    return 1;
}

// ---------------------------------------------------------------------------
// Typed dates

int CConvYmd::ParseText(const char* text, long* ymd)
{
    if (text == nullptr || std::strlen(text) > kMaxTypedLength)
        return 0;
    const char* p = SkipBlanks(text);

    char letter = '\0';
    if (EraByLetter(UpperCase(*p)) != nullptr) {
        letter = UpperCase(*p);
        p = SkipBlanks(p + 1);
        if (IsSeparator(*p))
            ++p;
    }
    if (!IsDigit(*p))
        return 0;

    int parts = 1;
    for (size_t i = 0; i < kMaxTypedLength && p[i] != '\0'; ++i) {
        if (IsSeparator(p[i]))
            ++parts;
    }
    if (parts > 3)
        return 0;

    // A value of 10^8 or more has a five-digit year, which no rule accepts;
    // stopping there keeps the sum within a 32-bit long. A part without
    // separators may hold a whole date (20240315, 050315).
    const long kNoDate = 100000000;
    long value = 0;
    for (int index = 0; index < parts && *p != '\0'; ++index) {
        p = SkipBlanks(p);
        long part = 0;
        for (; *p != '\0' && !IsSeparator(*p); ++p) {
            if (!IsDigit(*p))
                return 0;
            if (part < kNoDate)
                part = part * 10 + (*p - '0');
        }
        if (IsSeparator(*p))
            p = SkipBlanks(p + 1);
        if (part < 1 || (index > 0 && part > 99))
            return 0;
        if (value >= kNoDate / 100 || part >= kNoDate)
            return 0;
        value = value * 100 + part;
    }
    if (*p != '\0')
        return 0;

    long year = value / 10000;
    long monthDay = value % 10000;
    if (monthDay / 100 == 0)
        return 0;  // a lone number is never a date

    long date;
    if (year == 0) {
        if (letter != '\0')
            return 0;
        date = static_cast<long>(COleDateTime::GetCurrentTime().GetYear()) * 10000 + value;
    } else {
        if (year <= 64 && letter == '\0' && EraByLetter('H') != nullptr)
            letter = 'H';
        if (letter != '\0') {
            const EraRecord* era = EraByLetter(letter);
            if (year > era->lastEraYear)
                return 0;
            date = (era->firstYear + year - 1) * 10000 + monthDay;
        } else {
            date = year <= 99 ? value + 19000000 : value;
        }
    }
    if (CheckDate(date) != 0)
        return 0;
    *ymd = date;
    return 1;
}

int CConvYmd::ConvWareki(short* eraYear, short* month, short* day, short* eraCode, const char* text)
{
    long ymd;
    if (!ParseText(text, &ymd))
        return 0;
    return ConvWareki(ymd, eraYear, month, day, eraCode);
}

int CConvYmd::ConvWareki(short* eraYear, short* month, short* day, short* eraCode, CString text)
{
    return ConvWareki(eraYear, month, day, eraCode, static_cast<const char*>(text));
}

int CConvYmd::ConvSeireki(long* ymd, const char* text)
{
    if (text == nullptr || std::strlen(text) > kMaxTypedLength)
        return 0;
    long parsed;
    if (!ParseText(text, &parsed)) {
        *ymd = 0;
        return 0;
    }
    *ymd = parsed;
    return 1;
}

int CConvYmd::ConvSeireki(long* ymd, CString text)
{
    return ConvSeireki(ymd, static_cast<const char*>(text));
}

int CConvYmd::ConvSeireki(long ymd, short* year, short* month, short* day)
{
    SeparateSeirekiYMD(ymd, year, month, day);
    return 1;
}

// ---------------------------------------------------------------------------
// Display styles

// out holds kStyleBufferSize bytes.
int CConvYmd::FormatWareki(char* out, long ymd, short type)
{
    out[0] = '\0';
    if (type < 0 || type > 3 || CheckDate(ymd) != 0 || GetWareki(ymd) < 0)
        return 0;
    EraParts parts;
    SplitEra(ymd, &parts);
    switch (type) {
    case 0:
        std::snprintf(out, kStyleBufferSize, "%c.%02d/%02d/%02d", parts.letter, parts.eraYear,
                      parts.month, parts.day);
        break;
    case 1:
        std::snprintf(out, kStyleBufferSize, "%02d/%02d/%02d", parts.eraYear, parts.month, parts.day);
        break;
    case 2:
        std::snprintf(out, kStyleBufferSize, "%02d/%02d", parts.month, parts.day);
        break;
    default:  // 年 月 日
        std::snprintf(out, kStyleBufferSize, "%s%2d\x94\x4E%2d\x8C\x8E%2d\x93\xFA", parts.name,
                      parts.eraYear, parts.month, parts.day);
        break;
    }
    return 1;
}

int CConvYmd::FormatSeireki(char* out, long ymd, short type)
{
    out[0] = '\0';
    if (type < 0 || type > 3 || CheckDate(ymd) != 0)
        return 0;
    short year, month, day;
    SeparateSeirekiYMD(ymd, &year, &month, &day);
    switch (type) {
    case 0:
        std::snprintf(out, kStyleBufferSize, "%04d/%02d/%02d", year, month, day);
        break;
    case 1:
        std::snprintf(out, kStyleBufferSize, "%02d/%02d/%02d", year % 100, month, day);
        break;
    case 2:
        std::snprintf(out, kStyleBufferSize, "%02d/%02d", month, day);
        break;
    default:  // 年 月 日
        std::snprintf(out, kStyleBufferSize, "%4d\x94\x4E%2d\x8C\x8E%2d\x93\xFA", year, month, day);
        break;
    }
    return 1;
}

// Every text form runs through these: a style written into a work buffer,
// then copied out (a char* output is emptied on failure, a CString kept).
int CConvYmd::WriteStyle(char* out, Style style, long ymd, short type)
{
    char text[kStyleBufferSize];
    int ok = (this->*style)(text, ymd, type);
    std::strcpy(out, text);
    return ok;
}

int CConvYmd::WriteStyle(CString& out, Style style, long ymd, short type)
{
    char text[kStyleBufferSize];
    if (!(this->*style)(text, ymd, type))
        return 0;
    out = text;
    return 1;
}

int CConvYmd::WriteParsed(char* out, Style style, const char* text, short type)
{
    long ymd;
    out[0] = '\0';
    return ParseText(text, &ymd) ? WriteStyle(out, style, ymd, type) : 0;
}

int CConvYmd::WriteParsed(CString& out, Style style, const char* text, short type)
{
    long ymd;
    return ParseText(text, &ymd) ? WriteStyle(out, style, ymd, type) : 0;
}

int CConvYmd::ConvWareki(char* out, long ymd, short type)
{
    return WriteStyle(out, &CConvYmd::FormatWareki, ymd, type);
}

int CConvYmd::ConvWareki(char* out, const char* text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatWareki, text, type);
}

int CConvYmd::ConvWareki(CString& out, long ymd, short type)
{
    return WriteStyle(out, &CConvYmd::FormatWareki, ymd, type);
}

int CConvYmd::ConvWareki(CString& out, const char* text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatWareki, text, type);
}

int CConvYmd::ConvWareki(CString& out, CString text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatWareki, text, type);
}

int CConvYmd::ConvSeireki(char* out, long ymd, short type)
{
    return WriteStyle(out, &CConvYmd::FormatSeireki, ymd, type);
}

int CConvYmd::ConvSeireki(char* out, const char* text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatSeireki, text, type);
}

int CConvYmd::ConvSeireki(CString& out, long ymd, short type)
{
    return WriteStyle(out, &CConvYmd::FormatSeireki, ymd, type);
}

int CConvYmd::ConvSeireki(CString& out, const char* text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatSeireki, text, type);
}

int CConvYmd::ConvSeireki(CString& out, CString text, short type)
{
    return WriteParsed(out, &CConvYmd::FormatSeireki, text, type);
}

int CConvYmd::ConvSpDate(char* out, const char* text, short type, short seireki)
{
    return seireki ? ConvSeireki(out, text, type) : ConvWareki(out, text, type);
}

int CConvYmd::ConvSpDate(char* out, long ymd, short type, short seireki)
{
    return seireki ? ConvSeireki(out, ymd, type) : ConvWareki(out, ymd, type);
}

int CConvYmd::ConvSpDate(CString& out, const char* text, short type, short seireki)
{
    return seireki ? ConvSeireki(out, text, type) : ConvWareki(out, text, type);
}

int CConvYmd::ConvSpDate(CString& out, long ymd, short type, short seireki)
{
    return seireki ? ConvSeireki(out, ymd, type) : ConvWareki(out, ymd, type);
}

// ---------------------------------------------------------------------------
// Today

void CConvYmd::GetNowDate(long* ymd)
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    *ymd = (static_cast<long>(now.GetYear()) * 100 + now.GetMonth()) * 100 + now.GetDay();
}

void CConvYmd::GetNowDate(short* eraYear, short* month, short* day, short* eraCode)
{
    long ymd;
    GetNowDate(&ymd);
    ConvWareki(ymd, eraYear, month, day, eraCode);
}
