// The dates screen: today in the four era styles and the four Gregorian
// styles, a few typed dates parsed, today again with today's era added to
// the era table, and the clock.
#include "DemoScreen.h"

DemoScreen RunDatesScreen()
{
    DemoScreen screen;
    screen.name = "04-dates";
    screen.title = "zr8WLIB デモ - 日付";
    CYmd ymd;
    CString line;

    long today = 0;
    ymd.GetNowDate(&today);
    line.Format("GetNowDate: %ld", today);
    screen.lines.push_back(line);
    for (short type = 0; type < 4; ++type) {
        CString era, gregorian;
        ymd.ConvWareki(era, today, type);
        ymd.ConvSeireki(gregorian, today, type);
        line.Format("形式 %d: 和暦 \"%s\"   西暦 \"%s\"", type, static_cast<const char*>(era),
                    static_cast<const char*>(gregorian));
        screen.lines.push_back(line);
    }

    for (const char* typed : {"H5/3/15", "s64.1.7", "70/3/15", "3/15", "S65/1/1"}) {
        long value = 0;
        CString shown("失敗");
        if (ymd.ConvSeireki(&value, typed))
            ymd.ConvWareki(shown, value, 3);
        line.Format("入力 \"%s\" → %ld  %s", typed, value, static_cast<const char*>(shown));
        screen.lines.push_back(line);
    }

    // Today's era as a host adds it at start-up (the four defaults first).
    CConvYmd::AddEra(1868, 45, 12, 31, 0, 'M', "明治");
    CConvYmd::AddEra(1912, 15, 7, 29, 1, 'T', "大正");
    CConvYmd::AddEra(1926, 64, 12, 24, 2, 'S', "昭和");
    CConvYmd::AddEra(1989, 99, 1, 7, 3, 'H', "平成");
    CConvYmd::AddEra(2019, 99, 4, 30, 4, 'R', "令和");
    for (long date : {today, 20190430L, 20190501L}) {
        CString reiwa, style0;
        ymd.ConvWareki(style0, date, 0);
        ymd.ConvWareki(reiwa, date, 3);
        line.Format("令和を追加: %ld → \"%s\"  \"%s\"", date, static_cast<const char*>(style0),
                    static_cast<const char*>(reiwa));
        screen.lines.push_back(line);
    }
    CConvYmd::ResetEras();

    CConvTime clock;
    CString now;
    clock.GetHHMMSSTime(now);
    line.Format("CConvTime::GetHHMMSSTime: %s", static_cast<const char*>(now));
    screen.lines.push_back(line);
    return screen;
}
