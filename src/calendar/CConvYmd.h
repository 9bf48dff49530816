// CConvYmd: Gregorian (seireki) and Japanese era (wareki) dates: era
// conversion, typed-date parsing and the four display styles of each.
//
// Eras, newest first (era index 0-3); the era code numbers them from the
// oldest (0) instead:
//   index 0  H  1989/01/08-  code 3      index 2  T  1912/07/30-  code 1
//   index 1  S  1926/12/25-  code 2      index 3  M  1868-        code 0
// Dates after the last era stay in it (2020 is H 32). A host that must show
// later eras extends the table once at start-up with AddEra (see there);
// every operation then uses the extended table.
//
// Styles (type):      era (ConvWareki)        Gregorian (ConvSeireki)
//   0                 H.05/03/15              2024/03/15
//   1                 05/03/15                24/03/15
//   2                 03/15                   03/15
//   3                 (era name) 5年 3月15日  2024年 3月15日
//
// Typed dates: an optional era letter (H, M, S, T or another of the table;
// either case), then up to three numbers separated by "/" or "." (blanks
// allowed before a number and after a separator), at most 16 bytes: "3/15"
// is this year, "H5/3/15", "5/3/15" (years up to 64 without a letter are H
// while the table has H), "70/3/15" (1970), "2024/3/15"; digits alone are
// read as [year]mmdd ("20240315", "050315"),
// but never as a day alone ("15"). Every date must lie in 1868 to 2100.
//
// char* outputs become the empty text on failure; CString outputs keep their
// contents; other outputs are left untouched unless stated.
#pragma once

#include "afx/CString.h"
#include "calendar/CCheckYmd.h"
#include "calendar/CGetYmd.h"

class ZR8WLIB_API CConvYmd : public virtual CYmdBase, public virtual CGetYmd, public virtual CCheckYmd {
public:
    CConvYmd();
    ~CConvYmd();

    // The era table. The first accepted AddEra replaces the four default
    // eras; each call puts one era in front of the earlier ones, so callers
    // add the oldest first. The era begins after changeMonth/changeDay of
    // firstYear (the oldest era's whole first year belongs to it); typed
    // era years up to lastEraYear are accepted. A call changes nothing when
    // name is null or over 8 bytes, letter is not A-Z (a-z is upper-cased),
    // firstYear is outside 1868-2100 or not later than the newest era's,
    // lastEraYear is outside 1-999, the change date is not a day of
    // firstYear, eraCode is negative, letter or eraCode is taken already, or
    // the table holds 16 eras. Dates before the oldest era have no era
    // parts and no era text. Not thread-safe: call it before using dates.
    static void AddEra(short firstYear, short lastEraYear, short changeMonth, short changeDay, short eraCode,
                       char letter, const char* name);
    // Back to the four default eras.
    static void ResetEras();

    // Era index (0 newest) of the date, or -1 before the oldest era.
    short GetWareki(long ymd);

    int ConvWareki(char* out, long ymd, short type);
    int ConvWareki(char* out, const char* text, short type);
    int ConvWareki(CString& out, long ymd, short type);
    int ConvWareki(CString& out, const char* text, short type);
    int ConvWareki(CString& out, CString text, short type);
    // Era parts of the date (all 0 before 1868); always 1.
    int ConvWareki(long ymd, short* eraYear, short* month, short* day, short* eraCode);
    int ConvWareki(short* eraYear, short* month, short* day, short* eraCode, const char* text);
    int ConvWareki(short* eraYear, short* month, short* day, short* eraCode, CString text);
    // The Gregorian date of era parts (the era's range itself is not checked).
    int ConvWareki(short eraYear, short month, short day, short eraCode, long* ymd);
    // Era parts with the era letter (NUL before 1868).
    void ConvWareki2(long ymd, short* eraYear, short* month, short* day, char* eraLetter);

    int ConvSeireki(char* out, long ymd, short type);
    int ConvSeireki(char* out, const char* text, short type);
    int ConvSeireki(CString& out, long ymd, short type);
    int ConvSeireki(CString& out, const char* text, short type);
    int ConvSeireki(CString& out, CString text, short type);
    // Parses a typed date. A text that does not parse stores 0; a text over
    // 16 bytes leaves ymd untouched.
    int ConvSeireki(long* ymd, const char* text);
    int ConvSeireki(long* ymd, CString text);
    // Splits a date without validation; always 1.
    int ConvSeireki(long ymd, short* year, short* month, short* day);

    // ConvSeireki when seireki is non-zero, else ConvWareki.
    int ConvSpDate(char* out, const char* text, short type, short seireki);
    int ConvSpDate(char* out, long ymd, short type, short seireki);
    int ConvSpDate(CString& out, const char* text, short type, short seireki);
    int ConvSpDate(CString& out, long ymd, short type, short seireki);

    // Today's local date.
    void GetNowDate(long* ymd);
    void GetNowDate(short* eraYear, short* month, short* day, short* eraCode);

private:
    struct EraParts {
        short eraYear;
        short month;
        short day;
        short eraCode;
        char letter;
        const char* name;
    };

    void SplitEra(long ymd, EraParts* parts);
    int ParseText(const char* text, long* ymd);
    typedef int (CConvYmd::*Style)(char* out, long ymd, short type);

    int FormatWareki(char* out, long ymd, short type);
    int FormatSeireki(char* out, long ymd, short type);
    int WriteStyle(char* out, Style style, long ymd, short type);
    int WriteStyle(CString& out, Style style, long ymd, short type);
    int WriteParsed(char* out, Style style, const char* text, short type);
    int WriteParsed(CString& out, Style style, const char* text, short type);
};
