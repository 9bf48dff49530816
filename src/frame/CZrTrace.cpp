#include "CZrTrace.h"

#include <cstdarg>
#include <string>

#include <log4cxx/logger.h>
#include <log4cxx/xml/domconfigurator.h>

#include "afx/CSemaphore.h"
#include "afx/CSingleLock.h"
#include "afx/CString.h"

#ifndef _WIN32
#include <cerrno>
#include <iconv.h>
#endif

namespace {

// Created before the module's entry point returns.
CSemaphore g_traceLock(1, 1, nullptr, nullptr);
int g_configured = 0;

// Looked up on first use rather than at load: log4cxx's run-time (apr)
// crashes while starting up in a 64-bit process that Wine tells it runs on
// Windows 98, and the library must still load there.
const log4cxx::LoggerPtr& TraceLogger()
{
    static const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("Zr8Trace.Logger");
    return logger;
}

// log4cxx decodes narrow text with its own idea of the charset, which turns
// Shift-JIS into question marks; decoding it here keeps the text intact.
std::wstring WidenShiftJis(const CString& text)
{
    if (text.IsEmpty())
        return std::wstring();
#ifdef _WIN32
    int length = ::MultiByteToWideChar(932, 0, text, text.GetLength(), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(932, 0, text, text.GetLength(), &wide[0], length);
    return wide;
#else
    std::wstring wide;
    iconv_t decoder = iconv_open("WCHAR_T", "CP932");
    if (decoder == reinterpret_cast<iconv_t>(-1)) {
        for (int i = 0; i < text.GetLength(); ++i)
            wide += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
        return wide;
    }
    char* in = const_cast<char*>(static_cast<const char*>(text));
    size_t inLeft = static_cast<size_t>(text.GetLength());
    wchar_t chunk[256];
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(chunk);
        size_t outLeft = sizeof chunk;
        size_t result = iconv(decoder, &in, &inLeft, &out, &outLeft);
        wide.append(chunk, static_cast<size_t>(out - reinterpret_cast<char*>(chunk)) / sizeof(wchar_t));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            wide += L'?';  // a byte that is not Shift-JIS
            ++in;
            --inLeft;
        }
    }
    iconv_close(decoder);
    return wide;
#endif
}

// Called with the trace lock held.
void Emit(const CString& message, int level)
{
    if (g_configured == 0)
        return;
    try {
        // By CZrTrace::Level, levelDebug first.
        static const log4cxx::LevelPtr levels[] = {log4cxx::Level::getDebug(), log4cxx::Level::getInfo(),
                                                   log4cxx::Level::getWarn(), log4cxx::Level::getError()};
        if (level >= CZrTrace::levelDebug && level <= CZrTrace::levelError)
            TraceLogger()->log(levels[level], WidenShiftJis(message));
    } catch (...) {
        // The trace log never reports its own failures to the host.
    }
}

} // namespace

CZrTrace::CZrTrace() = default;

CZrTrace::~CZrTrace() = default;

void CZrTrace::InitLog()
{
    try {
        std::wstring fileName(L"./zr8trace.xml");
        log4cxx::xml::DOMConfigurator::configure(fileName);
        g_configured = 1;
    } catch (...) {
        // Left silent: the host has no use for a failed trace configuration.
    }
}

void CZrTrace::WriteLog(const char* text1, const char* text2, int level)
{
    CSingleLock lock(&g_traceLock, FALSE);
    lock.Lock(INFINITE);
    try {
        CString message;
        message.Format("%s - %s", text1 != nullptr ? text1 : "", text2 != nullptr ? text2 : "");
        Emit(message, level);
    } catch (...) {
    }
    lock.Unlock();
}

void CZrTrace::WriteLog(int level, const char* format, ...)
{
    CSingleLock lock(&g_traceLock, FALSE);
    lock.Lock(INFINITE);
    va_list args;
    va_start(args, format);
    try {
        CString message;
        message.FormatV(format, args);
        Emit(message, level);
    } catch (...) {
    }
    va_end(args);
    lock.Unlock();
}
