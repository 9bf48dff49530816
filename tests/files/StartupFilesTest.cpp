#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "support/FilesHarness.h"
#include "files/CUtyFile.h"

namespace {

const char* const kSettingsFiles[] = {"CHOHYO.INI", "PRI_MODE.INI", "CHOHYO_S.INI", "PRI_MODE_S.INI",
                                      "CTRLTBL.INI", "CHOHYO_C.INI", "PRI_MODE_C.INI"};
const char* const kDemoFiles[] = {"DATA.RM8", "KANRI.RM5", "SYOUHIZEI.ZEI", "CLSDATA.ACC"};
const char* const kTaiouFiles[] = {"TAIOU.REN", "TAIOU1.REN", "TAIOU2.REN", "TAIOU3.REN", "TAIOU.INI"};

std::string Stamped(const std::string& version, const std::string& body)
{
    return "[FILE_INFORMATION]\r\nVER=" + version + "\r\n[" + body + "]\r\n";
}

class StartupFilesTest : public FolderTreeTest {
protected:
    StartupFilesTest() : install(MakeFolder("install")) {}

    // The files an installer puts beside the executable.
    void Ship()
    {
        WriteBytes(install + "SYSTEM.RM6", "shipped system");
        WriteBytes(install + "ENV.ACD", "shipped env");
        WriteBytes(install + "SYOUHIZEI.XML", "<shipped/>");
        for (const char* name : kSettingsFiles)
            WriteBytes(install + name, Stamped("2.00", name));
        ::CreateDirectoryA((install + "demo").c_str(), nullptr);
        ::CreateDirectoryA((install + "demo\\AO").c_str(), nullptr);
        ::CreateDirectoryA((install + "demo\\SIRO").c_str(), nullptr);
        for (const char* name : kDemoFiles) {
            WriteBytes(install + "demo\\AO\\" + name, std::string("ao ") + name);
            WriteBytes(install + "demo\\SIRO\\" + name, std::string("siro ") + name);
        }
        for (const char* name : kTaiouFiles)
            WriteBytes(install + name, std::string("shipped ") + name);
        WriteBytes(install + "EsMode.acd", "mode");
    }

    HelperResult RunHelper(const std::vector<std::string>& steps, const std::string& version = "")
    {
        HelperProgram helper(install, version.empty() ? "zr8files_app.exe" : "zr8files_" + version + ".exe",
                          version);
        return helper.Run(steps);
    }

    std::string PersonalProduct() const { return shell.personal + "Velmora\\ZR8\\"; }
    std::string SharedProduct() const { return shell.commonDocuments + "Velmora\\ZR8\\"; }

    std::string install;
    CUtyFile files;
};

TEST_F(StartupFilesTest, FilePathsByLocation)
{
    char buffer[MAX_PATH];
    ASSERT_EQ(files.GetFilePath(4, buffer, MAX_PATH, 8), 1);
    EXPECT_EQ(std::string(buffer), BinFolder() + "CHOHYO.INI");
    ASSERT_EQ(files.GetFilePath(1, buffer, MAX_PATH, 4), 1);
    EXPECT_EQ(std::string(buffer), PersonalProduct() + "SYSTEM.RM6");
    ASSERT_EQ(files.GetFilePath(10, buffer, MAX_PATH, 2), 1);
    EXPECT_EQ(std::string(buffer), SharedProduct() + "PRI_MODE_C.INI");
    // An accepted bit that is no single code: the bare file name.
    ASSERT_EQ(files.GetFilePath(3, buffer, MAX_PATH, 6), 1);
    EXPECT_STREQ(buffer, "SYOUHIZEI.XML");

    for (unsigned short kind : {0, 11}) {
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(files.GetFilePath(kind, buffer, MAX_PATH, 8), 0) << kind;
        EXPECT_EQ(buffer[0], '\0');
    }
    EXPECT_EQ(files.GetFilePath(1, buffer, MAX_PATH, 1), 0);
    EXPECT_EQ(files.GetFilePath(1, buffer, MAX_PATH, 16), 0);
    // "SYSTEM.RM6" and its terminator need 11 bytes.
    EXPECT_EQ(files.GetFilePath(1, buffer, 10, 6), 0);
    EXPECT_EQ(files.GetFilePath(1, buffer, 11, 6), 1);

    char name[] = "EsMode.acd";
    ASSERT_EQ(files.GetFilePath2(name, buffer, MAX_PATH, 32), 1);
    EXPECT_EQ(std::string(buffer), shell.commonAppData + "Velmora\\ZR8\\EsMode.acd");
    ASSERT_EQ(files.GetFilePath2(name, buffer, MAX_PATH, 8), 1);
    EXPECT_EQ(std::string(buffer), BinFolder() + "EsMode.acd");
    ASSERT_EQ(files.GetFilePath2(name, buffer, MAX_PATH, 40), 1);
    EXPECT_STREQ(buffer, "EsMode.acd");
    EXPECT_EQ(files.GetFilePath2(name, buffer, MAX_PATH, 4), 0);
    EXPECT_EQ(files.GetFilePath2(nullptr, buffer, MAX_PATH, 8), 0);
}

// A first start on Windows 7: folders, settings files, demo data, the
// environment-mode file and the correspondence files.
TEST_F(StartupFilesTest, FirstStartLaysOutEverything)
{
    Ship();
    std::string data = SharedProduct();
    HelperResult run = RunHelper({"no=0", "makeappfolder", "makeappfile_zr", "makeenv", "makebase=" + data});
    ASSERT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.Value("makeappfolder"), "1");
    EXPECT_EQ(run.Value("makeappfile_zr"), "1");
    EXPECT_EQ(run.Value("makeenv"), "1");
    EXPECT_EQ(run.Value("makebase"), "1 0");  // TAIOU.INI copied, not found

    EXPECT_TRUE(IsFolder(PersonalProduct() + "PForm"));
    EXPECT_TRUE(IsFolder(data + "demo\\AO"));
    EXPECT_TRUE(IsFolder(data + "demo\\SIRO"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "SYSTEM.RM6"), "shipped system");
    // This product's list leaves out ENV.ACD and CTRLTBL.INI.
    EXPECT_FALSE(IsFile(PersonalProduct() + "ENV.ACD"));
    EXPECT_FALSE(IsFile(PersonalProduct() + "CTRLTBL.INI"));
    EXPECT_FALSE(IsFile(PersonalProduct() + "SYOUHIZEI.XML"));
    for (const char* name : {"CHOHYO.INI", "PRI_MODE.INI", "CHOHYO_S.INI", "PRI_MODE_S.INI",
                             "CHOHYO_C.INI", "PRI_MODE_C.INI"})
        EXPECT_EQ(ReadBytes(PersonalProduct() + name), Stamped("2.00", name)) << name;
    for (const char* name : kDemoFiles) {
        EXPECT_EQ(ReadBytes(data + "demo\\AO\\" + name), std::string("ao ") + name);
        EXPECT_EQ(ReadBytes(data + "demo\\SIRO\\" + name), std::string("siro ") + name);
    }
    EXPECT_EQ(ReadBytes(shell.commonAppData + "Velmora\\ZR8\\EsMode.acd"), "mode");
    for (const char* name : kTaiouFiles)
        EXPECT_EQ(ReadBytes(data + name), std::string("shipped ") + name);

    // A second start copies nothing over the user's files.
    WriteBytes(PersonalProduct() + "SYSTEM.RM6", "user system");
    WriteBytes(data + "demo\\AO\\DATA.RM8", "user data");
    WriteBytes(data + "TAIOU.INI", "user taiou");
    run = RunHelper({"makeappfolder", "makeappfile_zr", "makeenv", "makebase=" + data});
    EXPECT_EQ(run.Value("makeappfile_zr"), "1");
    EXPECT_EQ(run.Value("makebase"), "1 1");
    EXPECT_EQ(ReadBytes(PersonalProduct() + "SYSTEM.RM6"), "user system");
    EXPECT_EQ(ReadBytes(data + "demo\\AO\\DATA.RM8"), "user data");
    EXPECT_EQ(ReadBytes(data + "TAIOU.INI"), "user taiou");
}

TEST_F(StartupFilesTest, SettingsFilesAreReplacedOnlyByNewerVersions)
{
    Ship();
    ::CreateDirectoryA((shell.personal + "Velmora").c_str(), nullptr);
    ::CreateDirectoryA(PersonalProduct().c_str(), nullptr);
    // Byte-wise: 2.00 is newer than 1.10 and 10.0, not than 2.00 or 2.10.
    WriteBytes(PersonalProduct() + "CHOHYO.INI", Stamped("1.10", "installed"));
    WriteBytes(PersonalProduct() + "PRI_MODE.INI", Stamped("10.0", "installed"));
    WriteBytes(PersonalProduct() + "CHOHYO_S.INI", Stamped("2.00", "installed"));
    WriteBytes(PersonalProduct() + "PRI_MODE_S.INI", Stamped("2.10", "installed"));
    WriteBytes(PersonalProduct() + "CTRLTBL.INI", "[no stamp]\r\n");
    HelperResult run = RunHelper({"makeappfile"});
    EXPECT_EQ(run.Value("makeappfile"), "1");
    EXPECT_EQ(ReadBytes(PersonalProduct() + "CHOHYO.INI"), Stamped("2.00", "CHOHYO.INI"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "PRI_MODE.INI"), Stamped("2.00", "PRI_MODE.INI"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "CHOHYO_S.INI"), Stamped("2.00", "installed"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "PRI_MODE_S.INI"), Stamped("2.10", "installed"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "CTRLTBL.INI"), Stamped("2.00", "CTRLTBL.INI"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "ENV.ACD"), "shipped env");  // in this list
}

TEST_F(StartupFilesTest, AShippedSettingsFileWithoutVersionFails)
{
    Ship();
    ASSERT_EQ(RunHelper({"makeappfile"}).Value("makeappfile"), "1");
    WriteBytes(install + "PRI_MODE.INI", "[FILE_INFORMATION]\r\nNOTE=no version\r\n");
    EXPECT_EQ(RunHelper({"makeappfile"}).Value("makeappfile"), "0");
    // A missing shipped file fails too, and so does a missing demo file.
    ::DeleteFileA((install + "PRI_MODE.INI").c_str());
    EXPECT_EQ(RunHelper({"makeappfile_zr"}).Value("makeappfile_zr"), "0");
    WriteBytes(install + "PRI_MODE.INI", Stamped("2.00", "PRI_MODE.INI"));
    ::DeleteFileA((install + "demo\\SIRO\\CLSDATA.ACC").c_str());
    EXPECT_EQ(RunHelper({"makeappfile_zr"}).Value("makeappfile_zr"), "0");
    EXPECT_TRUE(IsFile(SharedProduct() + "demo\\AO\\CLSDATA.ACC"));
}

TEST_F(StartupFilesTest, OptionalAndCountedCopies)
{
    // Nothing shipped: the environment-mode file is optional...
    HelperResult run = RunHelper({"makeenv", "makebase=" + MakeFolder("data")});
    EXPECT_EQ(run.Value("makeenv"), "1");
    EXPECT_FALSE(IsFile(shell.commonAppData + "Velmora\\ZR8\\EsMode.acd"));
    // ...the correspondence files are not.
    EXPECT_EQ(run.Value("makebase"), "0 -1");
    EXPECT_FALSE(IsFile(root + "\\data\\TAIOU.REN"));
}

// Before Vista this product gets only its per-user folder and no demo data
// (with none shipped, an attempt to copy it would fail).
TEST_F(StartupFilesTest, OlderSystemsGetNoSharedFoldersOrDemoData)
{
    Ship();
    for (const char* name : kDemoFiles) {
        ::DeleteFileA((install + "demo\\AO\\" + name).c_str());
        ::DeleteFileA((install + "demo\\SIRO\\" + name).c_str());
    }
    HelperResult run = RunHelper({"no=0", "makeappfolder", "makeappfile_zr"}, "winxp");
    EXPECT_EQ(run.Value("makeappfolder"), "1");
    EXPECT_EQ(run.Value("makeappfile_zr"), "1");
    EXPECT_TRUE(IsFolder(PersonalProduct()));
    EXPECT_FALSE(IsFolder(PersonalProduct() + "PForm"));
    EXPECT_FALSE(IsFolder(shell.commonDocuments + "Velmora"));
    EXPECT_FALSE(IsFolder(shell.commonAppData + "Velmora"));
    EXPECT_EQ(ReadBytes(PersonalProduct() + "SYSTEM.RM6"), "shipped system");

    // The same installation on Windows 7 wants the demo data.
    run = RunHelper({"no=0", "makeappfolder", "makeappfile_zr"});
    EXPECT_EQ(run.Value("makeappfolder"), "1");
    EXPECT_EQ(run.Value("makeappfile_zr"), "0");
    EXPECT_TRUE(IsFolder(SharedProduct() + "demo\\SIRO"));
}

// The sibling edition (product number 10 and more) gets all four folders
// and no demo folders, on Windows 7 and on XP alike.
TEST_F(StartupFilesTest, SiblingEditionGetsAllFolders)
{
    for (const char* version : {"", "winxp"}) {
        HelperResult run = RunHelper({"no=10", "makeappfolder"}, version);
        EXPECT_EQ(run.Value("makeappfolder"), "1") << version;
        EXPECT_TRUE(IsFolder(shell.personal + "Velmora\\QV8\\PForm")) << version;
        EXPECT_TRUE(IsFolder(shell.commonAppData + "Velmora\\QV8")) << version;
        EXPECT_TRUE(IsFolder(shell.commonDocuments + "Velmora\\QV8")) << version;
        EXPECT_FALSE(IsFolder(shell.commonDocuments + "Velmora\\ZR8")) << version;
        // The next system starts from nothing.
        for (const std::string& base : {shell.personal, shell.commonAppData, shell.commonDocuments}) {
            std::error_code error;
            std::filesystem::remove_all(base + "Velmora", error);
            ASSERT_FALSE(error) << base;
        }
    }
}

} // namespace
