// CZrTrace: the host's trace log, a serialised front end over log4cxx.
// Silent until InitLog has applied "./zr8trace.xml"; then messages go to the
// logger "Zr8Trace.Logger" at level 0 debug, 1 info, 2 warn, 3 error (any
// other level is dropped). Messages are Shift-JIS text; they reach the
// logger as wide text so the appender writes them in its own encoding.
// Safe from any thread; never throws.
#pragma once

#include "WinLibApi.h"

class ZR8WLIB_API CZrTrace {
public:
    // Level names. A literal 0 as the first argument of the format overload
    // is also a null pointer, which makes the call ambiguous with the
    // two-text overload; levelDebug is not.
    enum Level { levelDebug = 0, levelInfo = 1, levelWarn = 2, levelError = 3 };

    CZrTrace();
    ~CZrTrace();

    static void InitLog();
    // Writes "text1 - text2".
    static void WriteLog(const char* text1, const char* text2, int level);
    // Writes the printf-style expansion of format.
    static void WriteLog(int level, const char* format, ...);
};
