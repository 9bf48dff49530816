#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/FilesHarness.h"
#include "files/CValueMgr.h"

// Reaches the private operations (the class names it as a friend).
class CValueMgrTestAccess {
public:
    static int GetRegInstallPath(CValueMgr* values, char* buffer, long size)
    {
        return values->GetRegInstallPath(buffer, size);
    }
};

namespace {

const char kInstallKey[] = "SOFTWARE\\Velmora\\ZR8\\Registration";
const char kDemoInstallKey[] = "SOFTWARE\\Velmora\\ZR8Taiken\\Registration";

// A copy of the instance; only a derived class may destroy one.
class ValueCopy : public CValueMgr {
public:
    explicit ValueCopy(const CValueMgr& other) : CValueMgr(other) {}
    using CValueMgr::operator=;
};

std::string Folder(const HelperResult& run, int kind)
{
    return run.Value("folder " + std::to_string(kind));
}

class CValueMgrTest : public FolderTreeTest {};

TEST_F(CValueMgrTest, ValuesLiveFromInstanceToRelease)
{
    EXPECT_EQ(CValueMgr::Instance(), values);
    std::string fifty(50, 'N');
    values->Set(&fifty[0], 7);
    EXPECT_EQ(std::string(values->GetName()), fifty);
    EXPECT_EQ(values->GetNo(), 7);

    std::string fiftyOne(51, 'X');
    values->Set(&fiftyOne[0], 10);
    EXPECT_EQ(std::string(values->GetName()), fifty);  // too long: kept
    EXPECT_EQ(values->GetNo(), 10);                    // number stored anyway

    values->SetMode(1);
    ValueCopy copy(*values);
    EXPECT_EQ(std::string(copy.GetName()), fifty);
    EXPECT_EQ(copy.GetNo(), 10);
    char other[] = "\x94\x5F\x8B\xC6";  // 農業
    copy.Set(other, 3);
    copy = *values;
    EXPECT_EQ(std::string(copy.GetName()), fifty);
    EXPECT_EQ(copy.GetNo(), 10);

    values->Release();
    CValueMgr* fresh = CValueMgr::Instance();
    EXPECT_STREQ(fresh->GetName(), "");
    EXPECT_EQ(fresh->GetNo(), 0);
    char buffer[MAX_PATH];
    ASSERT_EQ(fresh->GetFolderName(1, buffer), 1);
    EXPECT_EQ(std::string(buffer), shell.commonDocuments + "Velmora\\ZR8\\");  // mode 0 again
    values = fresh;
}

TEST_F(CValueMgrTest, FolderKindsOnVistaAndLater)
{
    ASSERT_EQ(values->GetOSType(), 3);  // Wine reports Windows 7 by default
    const std::string common = shell.commonDocuments + "Velmora\\ZR8\\";
    const std::string personalProduct = shell.personal + "Velmora\\ZR8\\";
    const std::string& personal = shell.personal;
    const std::string exe = BinFolder();
    const std::string expected[22] = {
        "",         common,   personalProduct, personalProduct, personalProduct,
        common + "DMenu\\", personalProduct, personalProduct, personalProduct, common,
        personalProduct, personal, personal, personal, personal,
        "",         personal, personal, exe, personal,
        personal,   common};
    for (short kind = 1; kind <= 21; ++kind) {
        char buffer[MAX_PATH];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(values->GetFolderName(kind, buffer), 1) << "kind " << kind;
        EXPECT_EQ(std::string(buffer), expected[kind]) << "kind " << kind;
    }
    for (short kind : {0, 22, -1}) {
        char buffer[MAX_PATH] = "untouched";
        EXPECT_EQ(values->GetFolderName(kind, buffer), 1);
        EXPECT_STREQ(buffer, "");
    }

    values->SetMode(1);
    char buffer[MAX_PATH];
    ASSERT_EQ(values->GetFolderName(1, buffer), 1);
    EXPECT_EQ(std::string(buffer), shell.commonDocuments + "Velmora\\ZR8Demo\\");
    ASSERT_EQ(values->GetFolderName(4, buffer), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\ZR8Demo\\");
    ASSERT_EQ(values->GetFolderName(11, buffer), 1);
    EXPECT_EQ(std::string(buffer), shell.personal);  // single backslash, no product folder
    ASSERT_EQ(values->GetFolderName(5, buffer), 1);
    EXPECT_EQ(std::string(buffer), shell.commonDocuments + "Velmora\\ZR8Demo\\DMenu\\");
}

TEST_F(CValueMgrTest, ShellFolderFailuresAreReported)
{
    shell.Point(CSIDL_COMMON_DOCUMENTS, root + "\\missing-public");
    shell.Point(CSIDL_PERSONAL, root + "\\missing-documents");
    char buffer[MAX_PATH] = "before";
    EXPECT_EQ(values->GetCmnDocFld(buffer), 0);
    EXPECT_STREQ(buffer, "before");
    EXPECT_EQ(values->GetMyDocFolder(buffer), 0);
    EXPECT_STREQ(buffer, "before");
    EXPECT_EQ(values->GetFolderName(1, buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(values->GetFolderName(5, buffer), 0);  // no menu folder on a failed base
    EXPECT_STREQ(buffer, "");
    // The per-user product folder keeps only its sub-folder.
    EXPECT_EQ(values->GetFolderName(2, buffer), 0);
    EXPECT_STREQ(buffer, "Velmora\\ZR8\\");
    // The executable's folder does not depend on the shell.
    EXPECT_EQ(values->GetFolderName(18, buffer), 1);
    EXPECT_EQ(std::string(buffer), BinFolder());
}

TEST_F(CValueMgrTest, InstallFolderFromTheRegistry)
{
    char buffer[MAX_PATH] = "default";
    // Never registered: failure, the caller's default stays.
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "default");

    ScopedRegistryValue other(HKEY_LOCAL_MACHINE, kInstallKey, "Other");
    ASSERT_TRUE(other.Set(REG_SZ, "x"));
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "default");

    const std::string folder = "C:\\Program Files\\Velmora\\\x94\x5F\x8B\xC6\\";  // 農業
    ScopedRegistryValue install(HKEY_LOCAL_MACHINE, kInstallKey, "InstallFolder");
    ASSERT_TRUE(install.Set(REG_SZ, folder));
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), folder);
    // Too small for the text and its terminator.
    char small[8] = "small";
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, small, sizeof small), 0);
    EXPECT_STREQ(small, "small");

    // Demo mode reads the trial key.
    values->SetMode(1);
    std::strcpy(buffer, "default");
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "default");
    ScopedRegistryValue demo(HKEY_LOCAL_MACHINE, kDemoInstallKey, "InstallFolder");
    ASSERT_TRUE(demo.Set(REG_SZ, "D:\\Demo\\"));
    EXPECT_EQ(CValueMgrTestAccess::GetRegInstallPath(values, buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "D:\\Demo\\");
}

// Earlier systems, reported by Wine to a renamed copy of the helper.
TEST_F(CValueMgrTest, WindowsGenerationsThroughAppDefaults)
{
    std::string install = MakeFolder("install");
    struct Generation {
        const char* version;
        int osType;
        std::string sharedDocuments;  // special folder 3 of CUtyFile
        std::string sharedAppData;    // special folder 7
    };
    const Generation generations[] = {
        {"winxp", 2, shell.commonDocuments + "Velmora\\ZR8\\", shell.commonAppData + "Velmora\\ZR8\\"},
        {"win98", 1, install, install},  // before Windows 2000: beside the executable
    };
    for (const Generation& generation : generations) {
        HelperProgram helper(install, std::string("zr8files_") + generation.version + ".exe", generation.version);
        HelperResult run = helper.Run({"ostype", "folders", "spfolders"});
        ASSERT_EQ(run.exitCode, 0u) << generation.version << ": " << run.Report();
        EXPECT_EQ(run.Value("ostype"), std::to_string(generation.osType)) << generation.version;
        // Before Vista everything lies beside the executable...
        for (int kind = 1; kind <= 21; ++kind) {
            if (kind == 6 || kind == 12 || kind == 15)
                continue;
            std::string expected = "1 " + install + (kind == 5 ? "DMenu\\" : "");
            EXPECT_EQ(Folder(run, kind), expected) << generation.version << " kind " << kind;
        }
        // ...except the server folder, imports at the drive root, and no Excel folder.
        EXPECT_EQ(Folder(run, 6), "1 " + shell.personal + "Velmora\\ZR8\\");
        EXPECT_EQ(Folder(run, 12), "1 C:\\");
        EXPECT_EQ(Folder(run, 15), "1 ");
        EXPECT_EQ(Folder(run, 22), "1 ");
        EXPECT_EQ(run.Value("sp 3"), "1 " + generation.sharedDocuments) << generation.version;
        EXPECT_EQ(run.Value("sp 7"), "1 " + generation.sharedAppData) << generation.version;
    }
    // The same copy without a version setting sees Windows 7.
    HelperProgram plain(install, "zr8files_plain.exe");
    EXPECT_EQ(plain.Run({"ostype"}).Value("ostype"), "3");
}

// The drive root is the executable's own: an install folder in the build
// tree (Wine's drive Z:, the Unix root) is not on the test tree's drive C:.
TEST_F(CValueMgrTest, ImportFolderIsTheRootOfTheExecutablesDrive)
{
    // This build's own tree, named after this process: no other test run,
    // whatever its Wine prefix, uses the same folder.
    std::string install = BinFolder() + "zr8files-drive-" + std::to_string(::GetCurrentProcessId());
    std::string drive = install.substr(0, 3);
    ASSERT_NE(drive, root.substr(0, 3)) << "the build tree lies on the test tree's drive";
    ASSERT_TRUE(::CreateDirectoryA(install.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    {
        HelperProgram helper(install, "zr8files_drive.exe", "winxp");
        HelperResult run = helper.Run({"folders"});
        EXPECT_EQ(run.exitCode, 0u) << run.Report();
        EXPECT_EQ(Folder(run, 12), "1 " + drive);
        EXPECT_EQ(Folder(run, 18), "1 " + install + "\\");
    }
    EXPECT_TRUE(::RemoveDirectoryA(install.c_str()));
}

} // namespace
