#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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
           "    <param name=\"File\" value=\"" + logFile + "\"/>\n"
           "    <param name=\"Append\" value=\"false\"/>\n"
           "    <param name=\"Encoding\" value=\"UTF-8\"/>\n"
           "    <layout class=\"org.apache.log4j.PatternLayout\">\n"
           "      <param name=\"ConversionPattern\" value=\"%p %m%n\"/>\n"
           "    </layout>\n"
           "  </appender>\n"
           "  <logger name=\"Zr8Trace.Logger\">\n"
           "    <level value=\"debug\"/>\n"
           "    <appender-ref ref=\"file\"/>\n"
           "  </logger>\n"
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

std::vector<std::string> FolderEntries(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CZrTrace, SilentUntilInitLog)
{
    TempFolder folder;
    CurrentFolder inside(folder.Path());
    WriteBytes(folder.File("direct.xml"), Configuration("direct.log"));
    log4cxx::xml::DOMConfigurator::configure(folder.File("direct.xml"));

    CZrTrace::WriteLog("A", "B", 1);
    CZrTrace::WriteLog(3, "%s", "format");

    EXPECT_EQ(ClosedLogText(folder.File("direct.log")), "");
}

TEST(CZrTrace, MissingOrMalformedConfigurationStaysSilentUntilAGoodOne)
{
    TempFolder folder;
    CurrentFolder inside(folder.Path());

    EXPECT_NO_THROW(CZrTrace::InitLog());
    CZrTrace::WriteLog("missing", "config", 1);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>());

    WriteBytes(folder.File("zr8trace.xml"), "<log4j:configuration><appender name=");
    EXPECT_NO_THROW(CZrTrace::InitLog());
    CZrTrace::WriteLog("malformed", "config", 1);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>({"zr8trace.xml"}));

    WriteBytes(folder.File("zr8trace.xml"), Configuration("trace.log"));
    CZrTrace::InitLog();
    CZrTrace::WriteLog("A", "B", 1);
    EXPECT_EQ(ClosedLogText(folder.File("trace.log")), "INFO A - B\n");
}

class ActiveTrace : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(folder_.File("zr8trace.xml"), Configuration("trace.log"));
        CZrTrace::InitLog();
    }
    void TearDown() override { log4cxx::LogManager::resetConfiguration(); }

    std::string LogText() { return ClosedLogText(folder_.File("trace.log")); }

    TempFolder folder_;
    CurrentFolder inside_ {folder_.Path()};
};

TEST_F(ActiveTrace, LevelsSelectTheLoggerCallAndOthersAreDropped)
{
    CZrTrace::WriteLog("d", "0", 0);
    CZrTrace::WriteLog("i", "1", 1);
    CZrTrace::WriteLog("w", "2", 2);
    CZrTrace::WriteLog("e", "3", 3);
    CZrTrace::WriteLog("dropped", "4", 4);
    CZrTrace::WriteLog("dropped", "-1", -1);
    CZrTrace::WriteLog(2, "%s=%d;%05.1f", "n", -42, 3.14159);
    CZrTrace::WriteLog(4, "%s", "dropped");
    CZrTrace::WriteLog(-1, "%s", "dropped");
    CZrTrace::WriteLog(nullptr, nullptr, 1);
    CZrTrace::WriteLog(CZrTrace::levelDebug, "%s", "named");

    EXPECT_EQ(LogText(),
              "DEBUG d - 0\n"
              "INFO i - 1\n"
              "WARN w - 2\n"
              "ERROR e - 3\n"
              "WARN n=-42;003.1\n"
              "INFO  - \n"
              "DEBUG named\n");
}

TEST_F(ActiveTrace, ShiftJisArrivesIntactInTheAppenderEncoding)
{
    // 表示 and ソ: the trail bytes of 表 and ソ are 0x5C.
    CZrTrace::WriteLog("\x95\x5C\x8E\xA6", "\x83\x5C", 1);
    CZrTrace::WriteLog(3, "%s\\%s", "\x83\x5C", "\x95\x5C");

    EXPECT_EQ(LogText(),
              "INFO \xE8\xA1\xA8\xE7\xA4\xBA - \xE3\x82\xBD\n"
              "ERROR \xE3\x82\xBD\\\xE8\xA1\xA8\n");
}

TEST_F(ActiveTrace, ConcurrentWritersProduceWholeLines)
{
    const int kPerThread = 1000;
    auto writer = [](int thread) {
        for (int i = 0; i < kPerThread; ++i)
            CZrTrace::WriteLog(1, "thread %d message %04d %s", thread, i,
                               "................................................");
    };
    std::thread first(writer, 1);
    std::thread second(writer, 2);
    first.join();
    second.join();

    std::istringstream lines(LogText());
    std::set<std::string> seen;
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        seen.insert(line);
    }
    EXPECT_EQ(count, 2 * kPerThread);
    for (int thread = 1; thread <= 2; ++thread) {
        for (int i = 0; i < kPerThread; ++i) {
            char expected[128];
            std::snprintf(expected, sizeof expected, "INFO thread %d message %04d %s", thread, i,
                          "................................................");
            ASSERT_EQ(seen.count(expected), 1u) << expected;
        }
    }
}

} // namespace
