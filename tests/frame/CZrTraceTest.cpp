#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include <log4cxx/logmanager.h>
#include <log4cxx/xml/domconfigurator.h>

#include "frame/CZrTrace.h"
#include "support/TempFolder.h"

// The trace log's configured flag is process-wide and never reset, so these
// tests run in declaration order in a process of their own.
namespace {

std::string Configuration(const std::string& logFile)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<log4j:configuration xmlns:log4j=\"http://jakarta.apache.org/log4j/\">\n"
           "  <appender name=\"file\" class=\"org.apache.log4j.FileAppender\">\n"
           "    <param name=\"File\" value=\"" + logFile + "\"/><param name=\"Append\" value=\"false\"/>\n"
           "    <param name=\"Encoding\" value=\"UTF-8\"/>\n"
           "    <layout class=\"org.apache.log4j.PatternLayout\"><param name=\"ConversionPattern\" value=\"%p %m%n\"/>"
           "</layout>\n"
           "  </appender>\n"
           "  <logger name=\"Zr8Trace.Logger\"><level value=\"debug\"/><appender-ref ref=\"file\"/></logger>\n"
           "</log4j:configuration>\n";
}

// Closes the appenders so the file is complete, then reads it without CRs.
std::string ClosedLogText(const std::string& fileName)
{
    log4cxx::LogManager::resetConfiguration();
    std::string text = ReadBytes(fileName);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Silent until InitLog, even with the logger configured; then the folder's
// configuration, levels selecting the logger call, and two threads at once.
TEST(CZrTrace, InitLogTakesTheFoldersConfigurationAndLevelsSelectTheLoggerCall)
{
    TempFolder folder;
    CurrentFolder inside(folder.Path());
    WriteBytes(folder.File("direct.xml"), Configuration("direct.log"));
    log4cxx::xml::DOMConfigurator::configure(folder.File("direct.xml"));
    CZrTrace::WriteLog("A", "B", 1);
    CZrTrace::WriteLog(3, "%s", "format");
    EXPECT_EQ(ClosedLogText(folder.File("direct.log")), "");
    auto files = [&folder] { return std::distance(std::filesystem::directory_iterator(folder.Path()), {}); };
    // A missing or malformed configuration stays silent.
    EXPECT_NO_THROW(CZrTrace::InitLog());
    CZrTrace::WriteLog("missing", "config", 1);
    EXPECT_EQ(files(), 2);
    WriteBytes(folder.File("zr8trace.xml"), "<log4j:configuration><appender name=");
    EXPECT_NO_THROW(CZrTrace::InitLog());
    CZrTrace::WriteLog("malformed", "config", 1);
    EXPECT_EQ(files(), 3);

    WriteBytes(folder.File("zr8trace.xml"), Configuration("trace.log"));
    CZrTrace::InitLog();
    CZrTrace::WriteLog("d", "0", 0);
    CZrTrace::WriteLog("i", "1", 1);
    CZrTrace::WriteLog("w", "2", 2);
    CZrTrace::WriteLog("e", "3", 3);
    CZrTrace::WriteLog("dropped", "4", 4);
    CZrTrace::WriteLog(2, "%s=%d;%05.1f", "n", -42, 3.14159);
    CZrTrace::WriteLog(-1, "%s", "dropped");
    CZrTrace::WriteLog(nullptr, nullptr, 1);
    CZrTrace::WriteLog(CZrTrace::levelDebug, "%s", "named");
    // 表示 and ソ (trail bytes 0x5C) arrive intact in the appender's encoding.
    CZrTrace::WriteLog("\x95\x5C\x8E\xA6", "\x83\x5C", 1);
    CZrTrace::WriteLog(3, "%s\\%s", "\x83\x5C", "\x95\x5C");
    EXPECT_EQ(ClosedLogText(folder.File("trace.log")),
              "DEBUG d - 0\n"
              "INFO i - 1\n"
              "WARN w - 2\n"
              "ERROR e - 3\n"
              "WARN n=-42;003.1\n"
              "INFO  - \n"
              "DEBUG named\n"
              "INFO \xE8\xA1\xA8\xE7\xA4\xBA - \xE3\x82\xBD\n"
              "ERROR \xE3\x82\xBD\\\xE8\xA1\xA8\n");

    // Two threads writing at once: every line whole, none lost.
    CZrTrace::InitLog();
    const char* const kPadding = "................................................";
    std::multiset<std::string> expected;
    for (int thread = 1; thread <= 2; ++thread) {
        for (int i = 0; i < 1000; ++i)
            expected.insert("INFO thread " + std::to_string(thread) + " message " + std::to_string(i) + " " + kPadding);
    }
    auto writer = [kPadding](int thread) {
        for (int i = 0; i < 1000; ++i)
            CZrTrace::WriteLog(1, "thread %d message %d %s", thread, i, kPadding);
    };
    std::thread first(writer, 1);
    std::thread second(writer, 2);
    first.join();
    second.join();
    std::istringstream lines(ClosedLogText(folder.File("trace.log")));
    std::multiset<std::string> got;
    for (std::string line; std::getline(lines, line);)
        got.insert(line);
    EXPECT_TRUE(got == expected) << got.size() << " lines";
}

} // namespace
