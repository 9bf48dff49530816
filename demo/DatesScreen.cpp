// The dates screen: today in the four era styles and the four Gregorian
// styles, a few typed dates parsed, and the clock.
#include "DemoScreen.h"

DemoScreen RunDatesScreen()
{
    DemoScreen screen;
    screen.name = "04-dates";
    screen.title = "zr8WLIB デモ - 日付";
    screen.description = "今日の日付を和暦と西暦の各書式で、入力された日付の解析、時刻";
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

    CConvTime clock;
    CString now;
    clock.GetHHMMSSTime(now);
    line.Format("CConvTime::GetHHMMSSTime: %s", static_cast<const char*>(now));
    screen.lines.push_back(line);
    return screen;
}
