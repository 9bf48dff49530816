#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <log4cxx/logmanager.h>

#include "frame/CZrTrace.h"
#include "support/TempFolder.h"

// The trace log's configured flag is process-wide and never reset, so the
// trace log has a process of its own.
namespace {

const char* const kConfiguration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<log4j:configuration xmlns:log4j=\"http://jakarta.apache.org/log4j/\">\n"
    "  <appender name=\"file\" class=\"org.apache.log4j.FileAppender\">\n"
    "    <param name=\"File\" value=\"trace.log\"/><param name=\"Append\" value=\"false\"/>\n"
    "    <param name=\"Encoding\" value=\"UTF-8\"/>\n"
    "    <layout class=\"org.apache.log4j.PatternLayout\"><param name=\"ConversionPattern\" value=\"%p %m%n\"/>"
    "</layout>\n"
    "  </appender>\n"
    "  <logger name=\"Zr8Trace.Logger\"><level value=\"debug\"/><appender-ref ref=\"file\"/></logger>\n"
    "</log4j:configuration>\n";

// InitLog takes the folder's configuration; levels select the logger call.
TEST(CZrTrace, InitLogTakesTheFoldersConfigurationAndLevelsSelectTheLoggerCall)
{
    TempFolder folder;
    CurrentFolder inside(folder.Path());
    // A missing or malformed configuration leaves the log silent: no file written, nothing thrown.
    EXPECT_NO_THROW(CZrTrace::InitLog());
    WriteBytes(folder.File("zr8trace.xml"), "<log4j:configuration><appender name=");
    EXPECT_NO_THROW(CZrTrace::InitLog());
    CZrTrace::WriteLog("malformed", "config", 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    WriteBytes(folder.File("zr8trace.xml"), kConfiguration);
    CZrTrace::InitLog();
    for (int level = 0; level <= 4; ++level)  // 4: no level, dropped
        CZrTrace::WriteLog("level", std::to_string(level).c_str(), level);
    CZrTrace::WriteLog(2, "%s=%d;%05.1f", "n", -42, 3.14159);
    CZrTrace::WriteLog(-1, "%s", "dropped");
    CZrTrace::WriteLog(nullptr, nullptr, 1);
    CZrTrace::WriteLog(CZrTrace::levelDebug, "%s", "named");
    // 表示 and ソ (trail bytes 0x5C) arrive intact in the appender's encoding.
    CZrTrace::WriteLog("\x95\x5C\x8E\xA6", "\x83\x5C", 1);
    CZrTrace::WriteLog(3, "%s\\%s", "\x83\x5C", "\x95\x5C");
    // Closing the appenders completes the file; it is read without CRs.
    log4cxx::LogManager::resetConfiguration();
    std::string text = ReadBytes(folder.File("trace.log"));
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    EXPECT_EQ(text,
              "DEBUG level - 0\nINFO level - 1\nWARN level - 2\nERROR level - 3\n"
              "WARN n=-42;003.1\nINFO  - \nDEBUG named\n"
              "INFO \xE8\xA1\xA8\xE7\xA4\xBA - \xE3\x82\xBD\n"
              "ERROR \xE3\x82\xBD\\\xE8\xA1\xA8\n");
}

} // namespace
