// The date control's year field: era lists from the input (or the
// defaults), typed year and date texts, and the round trip from the year
// text shown for a date back to its year.
#include "FuzzInput.h"
#include "controls/CDateEraList.h"

void FuzzOne(FuzzInput& input)
{
    uint8_t eraCount = input.Take<uint8_t>() % 8;  // 0: the defaults
    CDateEraList eras;
    for (uint8_t i = 0; i < eraCount; ++i) {
        int16_t first = input.Take<int16_t>(), last = input.Take<int16_t>();
        uint8_t month = input.Take<uint8_t>(), day = input.Take<uint8_t>();
        char letter = input.Take<char>(), name[9];
        for (char& c : name)
            c = input.Take<char>();
        eras.Add(first, last, month, day, static_cast<short>(i), letter, name);
    }
    uint16_t year = input.Take<uint16_t>();
    uint8_t month = input.Take<uint8_t>(), day = input.Take<uint8_t>(), room = input.Take<uint8_t>() % 24;
    std::string text = input.Rest();

    // Typed texts: any result, no reading outside the text.
    long parsed = eras.ParseYear(text.c_str());
    long y = -1, m = -1, d = -1;
    if (eras.ParseDate(text.c_str(), &y, &m, &d))
        Require(y != 0 && m >= 1 && m <= 99 && d >= 1 && d <= 99, "a parsed date has its parts", text);
    else
        Require(y == -1 && m == -1 && d == -1, "a failed parse leaves the outputs", text);
    if (!text.empty() && text[0] >= '0' && text[0] <= '9')
        Require(parsed >= 0 && parsed <= 9999, "four digits at most", text);

    // The year text fits any room it is given, terminated.
    for (unsigned long type : {1ul, 2ul}) {
        std::vector<char> small(room + 1u, '#');
        eras.YearText(small.data(), room, type, year, month, day);
        if (room > 0)
            Require(std::strlen(small.data()) < room, "year text within its room", text);
        char shown[CDateEraList::kYearTextSize];
        eras.YearText(shown, sizeof shown, type, year, month, day);
        Require(std::strlen(shown) < sizeof shown, "year text terminated", shown);
        long back = eras.ParseYear(shown);
        if (type == 1) {
            if (year >= 10 && year <= 9999)
                Require(back == year, "a Gregorian year parses back", shown);
            continue;
        }
        const DATE_ERA* era = eras.Find(year, month, day);
        if (era == nullptr) {
            Require(std::strcmp(shown, "    ") == 0, "four blanks outside every era", shown);
            continue;
        }
        long eraYear = year - era->firstYear + 1;
        bool readable = era->letter >= 'A' && era->letter <= 'Z' && eras.FindLetter(era->letter) == era &&
                        eraYear >= 1 && eraYear <= era->lastEraYear && eraYear <= 99;
        if (readable)
            Require(back == year, "an era year parses back", shown);
    }
}
