// Typed dates: every parsing operation of the date classes, with round trips
// checked where they must hold.

#include "FuzzInput.h"
#include "calendar/CYmd.h"

void FuzzOne(FuzzInput& input)
{
    uint8_t mode = input.Take<uint8_t>();
    short type = static_cast<short>(mode % 6) - 1;  // -1 to 4: both sides of the range
    bool extended = mode / 6 % 2 != 0;                 // the default table or today's era added
    if (extended) {
        // The four default eras added again, then today's era (code 4, letter R).
        CConvYmd::AddEra(1868, 45, 12, 31, 0, 'M', "\x96\xBE\x8E\xA1");
        CConvYmd::AddEra(1912, 15, 7, 29, 1, 'T', "\x91\xE5\x90\xB3");
        CConvYmd::AddEra(1926, 64, 12, 24, 2, 'S', "\x8F\xBA\x98\x61");
        CConvYmd::AddEra(1989, 99, 1, 7, 3, 'H', "\x95\xBD\x90\xAC");
        CConvYmd::AddEra(2019, 99, 4, 30, 4, 'R', "\x97\xDF\x98\x61");
    }
    std::string text = input.Rest();
    const char* typed = text.c_str();

    CYmd ymd;
    char out[64];
    std::memset(out, 'x', sizeof out);
    int eraOk = ymd.ConvWareki(out, typed, type);
    Require(std::strlen(out) <= 17 && (eraOk || out[0] == '\0'), "era text emptied on failure", text);
    int gregorianOk = ymd.ConvSeireki(out, typed, type);
    Require(std::strlen(out) <= 17 && (gregorianOk || out[0] == '\0'), "Gregorian text emptied on failure", text);
    Require(eraOk == gregorianOk, "era and Gregorian texts accept the same dates", text);
    CString kept("kept");
    Require(ymd.ConvSpDate(kept, typed, type, 1) || kept == "kept", "CString kept on failure", text);

    short eraYear = -1, month = -1, day = -1, eraCode = -1;
    int partsOk = ymd.ConvWareki(&eraYear, &month, &day, &eraCode, typed);
    long value = -7;
    int parsed = ymd.ConvSeireki(&value, typed);
    Require(parsed == partsOk, "parts and date accept the same texts", text);
    if (!parsed) {
        Require(value == 0 || (value == -7 && std::strlen(typed) > 16), "a failed date is 0", text);
    } else {
        Require(ymd.CheckDate(value) == 0, "a parsed date is valid", text);
        // Gregorian text parses back to the same date.
        char gregorian[32];
        long back = 0;
        Require(ymd.ConvSeireki(gregorian, value, 0) == 1, "a parsed date has its text", text);
        Require(ymd.ConvSeireki(&back, gregorian) == 1 && back == value, "Gregorian text parses back", text);
        // Era parts build back the same date wherever the era accepts them.
        static const short kLastEraYear[5] = {45, 15, 64, 99, 99};  // by era code, oldest first
        Require(eraCode >= 0 && eraCode <= (extended ? 4 : 3), "era code of the table", text);
        long rebuilt = 0;
        if (eraYear <= kLastEraYear[eraCode] && day <= ymd.GetMaxDay(static_cast<short>(value / 10000), month))
            Require(ymd.ConvWareki(eraYear, month, day, eraCode, &rebuilt) == 1 && rebuilt == value,
                    "era parts build back the date", text);
    }

    // Field checks on the same text never fail hard.
    size_t third = text.size() / 3;
    std::string a = text.substr(0, third), b = text.substr(third, third), c = text.substr(2 * third);
    int dayOk = ymd.DayCheck(a.c_str(), b.c_str(), c.c_str());
    Require(dayOk == 0 || dayOk == 1, "day check is 0 or 1", text);
    ymd.YearCheck(typed);
    ymd.MonthCheck(typed);
    short endYear, endMonth, endDay;
    ymd.GetEndDate(a.c_str(), b.c_str(), c.c_str(), &endYear, &endMonth, &endDay);
    CConvYmd::ResetEras();
}
