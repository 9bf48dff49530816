#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <tuple>

#include "support/FilesHarness.h"
#include "support/ImportPatch.h"

#include <sddl.h>
#include <shlobj.h>
#include "files/CUtyFile.h"
#include "files/CValueMgr.h"

namespace {

bool SetDacl(const std::string& path, const char* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    BOOL done = ::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr) &&
                ::SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
    ::LocalFree(descriptor);
    return done != FALSE;
}

const char* const kSettingsFiles[] = {"CHOHYO.INI", "PRI_MODE.INI", "CHOHYO_S.INI", "PRI_MODE_S.INI",
                                      "CTRLTBL.INI", "CHOHYO_C.INI", "PRI_MODE_C.INI"};
const char* const kDemoFiles[] = {"DATA.RM8", "KANRI.RM5", "SYOUHIZEI.ZEI", "CLSDATA.ACC"};
const char* const kTaiouFiles[] = {"TAIOU.REN", "TAIOU1.REN", "TAIOU2.REN", "TAIOU3.REN", "TAIOU.INI"};

std::string Stamped(const std::string& version, const std::string& body)
{
    return "[FILE_INFORMATION]\r\nVER=" + version + "\r\n[" + body + "]\r\n";
}

// What zr8wlib.dll is told once a test calls As: the Windows version, and
// the path of the executable.
OSVERSIONINFOA g_version;
std::string g_exe;

BOOL WINAPI FakeVersion(LPOSVERSIONINFOA version)
{
    *version = g_version;
    return TRUE;
}

DWORD WINAPI FakeModuleName(HMODULE, LPSTR name, DWORD size)
{
    return static_cast<DWORD>(std::snprintf(name, size, "%s", g_exe.c_str()));
}

using SpGetter = int (CUtyFile::*)(unsigned short, char*, long);

// A test with its own folder tree, the shell folders pointed into it (the
// user's Documents and AppData, the all-users ProgramData and Public), an
// install folder in it and a fresh folder manager (product 0, normal mode)
// that is released afterwards.
class FolderTest : public ::testing::Test {
protected:
    FolderTest()
    {
        // The shell copies what it finds into "Shell Folders": set and put back both.
        for (int key = 0; key < 2; ++key) {
            Point("Personal", personal, key);
            Point("AppData", appData, key);
            Point("Common AppData", commonAppData, key);
            Point("Common Documents", commonDocuments, key);
        }
    }
    ~FolderTest() override
    {
        // Newest first: a folder pointed elsewhere goes back to the tree, then to the original.
        while (!shell.empty())
            shell.pop_back();
        CValueMgr::Instance()->Release();
    }

    // From now on the library sees Windows major on platform, and its
    // executable in folder (the install folder when "").
    void As(DWORD major, DWORD platform = VER_PLATFORM_WIN32_NT, const std::string& folder = "")
    {
        g_version = OSVERSIONINFOA{sizeof g_version, major, 0, 0, platform, ""};
        g_exe = (folder.empty() ? install : folder) + "app.exe";
        HMODULE library = ::GetModuleHandleA("zr8wlib.dll");
        if (patches.empty()) {
            patches.push_back(std::make_unique<ImportPatch>(library, "kernel32.dll", "GetVersionExA",
                                                            reinterpret_cast<void*>(&FakeVersion)));
            patches.push_back(std::make_unique<ImportPatch>(library, "kernel32.dll", "GetModuleFileNameA",
                                                            reinterpret_cast<void*>(&FakeModuleName)));
        }
    }
    // A sub-folder of the tree (created), ending in a backslash.
    std::string MakeFolder(const std::string& name) const
    {
        ::CreateDirectoryA((root + "\\" + name).c_str(), nullptr);
        return root + "\\" + name + "\\";
    }
    // Points a shell folder at folder (its trailing backslash dropped) in
    // "Shell Folders" (key 0) or "User Shell Folders" (key 1) until the test ends.
    void Point(const std::string& value, const std::string& folder, int key = 1)
    {
        HKEY hive = value.compare(0, 7, "Common ") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        std::string name = std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\") +
                           (key == 1 ? "User " : "") + "Shell Folders";
        shell.push_back(std::make_unique<ScopedRegistryValue>(hive, name, value, folder.substr(0, folder.size() - 1),
                                                              key == 1 ? REG_EXPAND_SZ : REG_SZ));
    }
    // "result folder" of GetFolderName.
    std::string FolderName(short kind)
    {
        std::string buffer(MAX_PATH - 1, 'x');
        return std::to_string(values->GetFolderName(kind, &buffer[0])) + " " + buffer.c_str();
    }
    // The folder from GetSpFolderPath (or a variant), or "(failed)" with the
    // buffer cleared as far as size.
    std::string SpFolder(unsigned short kind, long size = MAX_PATH, SpGetter get = &CUtyFile::GetSpFolderPath)
    {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, 'x');
        if ((files.*get)(kind, buffer.data(), size) != 0)
            return buffer.data();
        return std::string(buffer.data(), size) == std::string(size, '\0') ? "(failed)" : "(failed, not cleared)";
    }
    // The files an installer puts beside the executable.
    void Ship()
    {
        for (const char* name : {"SYSTEM.RM6", "ENV.ACD", "SYOUHIZEI.XML", "EsMode.acd"})
            WriteBytes(install + name, std::string("shipped ") + name);
        for (const char* name : kTaiouFiles)
            WriteBytes(install + name, std::string("shipped ") + name);
        for (const char* name : kSettingsFiles)
            WriteBytes(install + name, Stamped("2.00", name));
        for (const char* demo : {"AO\\", "SIRO\\"}) {
            std::filesystem::create_directories(install + "demo\\" + demo);
            for (const char* name : kDemoFiles)
                WriteBytes(install + "demo\\" + demo + name, demo + std::string(name));
        }
    }

    TempFolder temp;
    std::string root = temp.Path().string();
    std::string personal = MakeFolder("Documents"), appData = MakeFolder("AppData"), install = MakeFolder("install");
    std::string commonAppData = MakeFolder("ProgramData"), commonDocuments = MakeFolder("Public");
    // The product's folders, per user and shared.
    std::string product = personal + "Velmora\\ZR8\\", shared = commonDocuments + "Velmora\\ZR8\\";
    std::vector<std::unique_ptr<ScopedRegistryValue>> shell;
    std::vector<std::unique_ptr<ImportPatch>> patches;
    CValueMgr* values = CValueMgr::Instance();
    CUtyFile files;
};

// The suites name the code they drive (the fault scripts pick tests by suite).
using CValueMgrTest = FolderTest;
using StartupFilesTest = FolderTest;

// Values live from Instance to Release; then the folder kinds of each mode.
TEST_F(CValueMgrTest, ValuesAndFolderKindsOnVistaAndLater)
{
    EXPECT_EQ(CValueMgr::Instance(), values);
    std::string fifty(50, 'N'), fiftyOne(51, 'X');
    values->Set(&fifty[0], 7);
    values->Set(&fiftyOne[0], 10);
    EXPECT_EQ(std::string(values->GetName()), fifty);  // too long: kept
    EXPECT_EQ(values->GetNo(), 10);                    // number stored anyway
    values->SetMode(1);
    values->Release();
    values = CValueMgr::Instance();
    EXPECT_STREQ(values->GetName(), "");
    EXPECT_EQ(values->GetNo(), 0);

    ASSERT_EQ(values->GetOSType(), 3);  // Wine reports Windows 7 by default
    // Kinds 0-22 (mode 0 again): none for 0 and 22 (and -1), an empty Excel folder (15).
    const std::string expected[23] = {
        "", shared, product, product, product, shared + "DMenu\\", product, product, product, shared, product,
        personal, personal, personal, personal, "", personal, personal, BinFolder(), personal, personal, shared, ""};
    for (short kind = -1; kind <= 22; ++kind)
        EXPECT_EQ(FolderName(kind), "1 " + expected[kind < 0 ? 0 : kind]) << "kind " << kind;

    values->SetMode(1);
    EXPECT_EQ(FolderName(1), "1 " + commonDocuments + "Velmora\\ZR8Demo\\");
    EXPECT_EQ(FolderName(4), "1 " + personal + "Velmora\\ZR8Demo\\");
    EXPECT_EQ(FolderName(11), "1 " + personal);  // no product folder
    EXPECT_EQ(FolderName(5), "1 " + commonDocuments + "Velmora\\ZR8Demo\\DMenu\\");

    // Failures of the shell are reported; the per-user product folder keeps
    // only its sub-folder, the executable's does not depend on the shell.
    Point("Common Documents", root + "\\missing\\");
    Point("Personal", root + "\\missing\\");
    char buffer[MAX_PATH] = "before";
    EXPECT_EQ(values->GetCmnDocFld(buffer), 0);
    EXPECT_EQ(values->GetMyDocFolder(buffer), 0);
    EXPECT_STREQ(buffer, "before");
    EXPECT_EQ(FolderName(1), "0 ");
    EXPECT_EQ(FolderName(5), "0 ");
    EXPECT_EQ(FolderName(2), "0 Velmora\\ZR8Demo\\");
    EXPECT_EQ(FolderName(18), "1 " + BinFolder());
}

// Earlier systems: before Vista everything lies beside the executable,
// except the server folder, the imports at the root of the executable's
// drive and no Excel folder. The executable lies in the build tree, on
// Wine's drive Z: (the Unix root), not on the test tree's drive C:.
TEST_F(CValueMgrTest, OlderWindowsGenerations)
{
    const std::string exe = BinFolder();
    ASSERT_NE(exe.substr(0, 3), root.substr(0, 3)) << "the build tree lies on the test tree's drive";
    const struct {
        DWORD major, platform;
        short type;
        std::string sp3, sp7;  // special folders 3 and 7 of CUtyFile
    } generations[] = {{5, VER_PLATFORM_WIN32_NT, 2, shared, commonAppData + "Velmora\\ZR8\\"},
                       {4, VER_PLATFORM_WIN32_WINDOWS, 1, exe, exe}};
    const std::map<int, std::string> apart = {
        {5, exe + "DMenu\\"}, {6, product}, {12, exe.substr(0, 3)}, {15, ""}, {22, ""}};
    for (const auto& generation : generations) {
        As(generation.major, generation.platform, exe);
        EXPECT_EQ(values->GetOSType(), generation.type);
        EXPECT_EQ(SpFolder(3), generation.sp3);
        EXPECT_EQ(SpFolder(7), generation.sp7);
        for (short kind = 1; kind <= 22; ++kind)
            EXPECT_EQ(FolderName(kind), "1 " + (apart.count(kind) != 0 ? apart.at(kind) : exe)) << kind;
    }
}

TEST_F(FolderTest, SpecialFoldersFilePathsAndTheRegistryFallback)
{
    // Application files by location ("" when it fails); where 6 is accepted
    // but no single code: the bare name.
    const struct {
        unsigned short kind;
        long where;
        std::string path;
        long size = MAX_PATH;
    } paths[] = {
        {4, 8, BinFolder() + "CHOHYO.INI"}, {1, 4, product + "SYSTEM.RM6"}, {10, 2, shared + "PRI_MODE_C.INI"},
        {3, 6, "SYOUHIZEI.XML"}, {0, 8, ""}, {11, 8, ""}, {1, 1, ""}, {1, 16, ""}, {1, 6, "", 10},
        {1, 6, "SYSTEM.RM6", 11},
    };
    for (const auto& row : paths) {
        char buffer[MAX_PATH] = "old";
        EXPECT_EQ(files.GetFilePath(row.kind, buffer, row.size, row.where), row.path.empty() ? 0 : 1) << row.kind;
        EXPECT_EQ(std::string(buffer), row.path) << row.kind << " " << row.where;
    }
    char name[] = "EsMode.acd";
    const std::pair<long, std::string> namedPaths[] = {
        {32, commonAppData + "Velmora\\ZR8\\EsMode.acd"}, {8, BinFolder() + "EsMode.acd"}, {40, "EsMode.acd"},
        {4, ""}};
    for (const auto& row : namedPaths) {
        char buffer[MAX_PATH] = "";
        EXPECT_EQ(files.GetFilePath2(name, buffer, MAX_PATH, row.first), row.second.empty() ? 0 : 1);
        EXPECT_EQ(std::string(buffer), row.second);
    }

    const std::string forms = product + "PForm\\", fail = "(failed)";
    const long exact = static_cast<long>(product.size() + 1), formsExact = static_cast<long>(forms.size() + 1);
    const SpGetter sp = &CUtyFile::GetSpFolderPath, qv6 = &CUtyFile::GetSpFolderPathForQV6,
                   qv7 = &CUtyFile::GetSpFolderPathForQV7;
    const struct {
        long product;
        SpGetter get;
        unsigned short kind;
        std::string folder;
        long size = MAX_PATH;
    } rows[] = {
        // Kind 1 has one backslash, though Wine's shell already ends in one.
        {0, sp, 1, personal}, {0, sp, 2, product}, {0, sp, 3, shared}, {0, sp, 4, BinFolder()},
        {0, sp, 5, BinFolder() + "PForm\\"}, {0, sp, 6, forms}, {0, sp, 7, commonAppData + "Velmora\\ZR8\\"},
        {0, sp, 0, fail, 16}, {0, sp, 8, fail, 16},
        // The folder and its terminator fit exactly, or the call fails.
        {0, sp, 2, product, exact}, {0, sp, 2, fail, exact - 1}, {0, sp, 6, forms, formsExact},
        // The sibling edition's generations 6 and 7 know kind 2 only.
        {0, qv6, 2, product}, {0, qv7, 2, personal + "Velmora\\ZR7\\"}, {0, qv6, 3, fail}, {0, qv7, 7, fail},
        {10, sp, 2, personal + "Velmora\\QV8\\"}, {10, sp, 3, commonDocuments + "Velmora\\QV8\\"},
        {10, sp, 7, commonAppData + "Velmora\\QV8\\", 99}, {10, qv6, 2, personal + "Velmora\\QV6\\"},
        {10, qv7, 2, personal + "Velmora\\QV7\\"}, {3, sp, 2, personal + "Velmora\\TD8\\"}, {3, sp, 3, shared},
        {4, qv7, 2, personal + "Velmora\\TD7\\"}, {11, sp, 3, commonDocuments + "Velmora\\QV8\\"},
        {11, sp, 6, personal + "Velmora\\TD8\\PForm\\"}, {0, sp, 6, fail, formsExact - 1},
    };
    for (const auto& row : rows) {
        char qv[] = "QV";
        values->Set(qv, row.product);
        EXPECT_EQ(SpFolder(row.kind, row.size, row.get), row.folder) << row.product << " " << row.kind;
    }
    char buffer[MAX_PATH] = "old";
    EXPECT_EQ(files.GetSpFolderPath(1, buffer, 0), 0);
    EXPECT_STREQ(buffer, "old");
    EXPECT_EQ(files.GetSpFolderPath(1, nullptr, 10), 0);

    // When the shell cannot locate a folder, three of them are read from the
    // "Shell Folders" key; Wine has copied the unusable setting there by then,
    // which is what the fallback must return (the last row left product 0).
    const std::string missing = root + "\\missing\\";
    Point("Common Documents", missing);
    ASSERT_EQ(files.GetSpecialFolderPath(CSIDL_COMMON_DOCUMENTS, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), missing);
    EXPECT_EQ(SpFolder(3), missing + "Velmora\\ZR8\\");
    // Identifier 26 falls back on the all-users "Common AppData" value.
    Point("AppData", missing);
    ASSERT_EQ(files.GetSpecialFolderPath(CSIDL_APPDATA, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), commonAppData);
    char small[8];
    EXPECT_EQ(files.GetSpecialFolderPath(CSIDL_APPDATA, small, sizeof small), 0);
    EXPECT_EQ(std::string(small, sizeof small), std::string(sizeof small, '\0'));
}

// Every missing level is made, 0x5C trail bytes included; when a level
// cannot be made (a file in the way, a name the system refuses, a full
// disk) the levels the call made are removed again and what was there stays.
TEST_F(FolderTest, CreateFolderAllOrNothingAndAccessRightsOnNtOnly)
{
    const std::pair<std::string, bool> checks[] = {
        {"C:\\Windows", true}, {root + "\\", true}, {root + "\\no-such-file.txt", true}, {root + "\\absent\\", false},
        {root + "\\absent\\file", false}, {"", false}};
    for (auto check : checks)
        EXPECT_EQ(files.CheckFolderExist(&check.first[0]) != 0, check.second) << check.first;
    EXPECT_EQ(files.CheckFolderExist(nullptr), 0);

    std::string a = MakeFolder("A"), path = a + "B\\C\\";
    char existing[MAX_PATH] = "";
    ASSERT_EQ(files.CreateFolder(&path[0], 0, existing, sizeof existing), 1);
    EXPECT_TRUE(IsFolder(path));
    EXPECT_EQ(std::string(existing), a);
    ASSERT_EQ(files.CreateFolder(&path[0], 0, existing, sizeof existing), 1);
    EXPECT_EQ(std::string(existing), path);
    // A last component without a backslash is a file name.
    std::string file = a + "D\\E\\name.txt";
    char small[4] = "old";
    ASSERT_EQ(files.CreateFolder(&file[0], 0, small, sizeof small), 1);
    EXPECT_TRUE(IsFolder(a + "D\\E"));
    EXPECT_FALSE(IsFolder(file));
    EXPECT_STREQ(small, "old");  // "existing" did not fit
    // Only the folder 表 is added at the top: none named by its lead byte.
    path = root + "\\" + kHyou + "\\" + kSo + "\\";
    ASSERT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 1);
    EXPECT_TRUE(IsFolder(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 7);  // with the fixture's five
    {
        CurrentFolder inside(a);
        char relative[] = "X\\Y\\";
        EXPECT_EQ(files.CreateFolder(relative, 0, nullptr, 0), 0);
        EXPECT_FALSE(IsFolder(a + "X"));
    }
    EXPECT_EQ(files.CreateFolder(nullptr, 0, nullptr, 0), 0);

    WriteBytes(a + "X", "user data");
    path = a + "X\\Y\\Z\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 0);
    EXPECT_EQ(ReadBytes(a + "X"), "user data");
    path = a + kHyou + "\\" + kSo + "\\bad|name\\deeper\\";
    std::strcpy(existing, "unchanged");
    EXPECT_EQ(files.CreateFolder(&path[0], 1, existing, sizeof existing), 0);
    EXPECT_FALSE(IsFolder(a + kHyou));
    EXPECT_TRUE(IsFolder(a));
    EXPECT_STREQ(existing, "unchanged");

    // Drive R: has room for two entries: one new level, not two.
    std::string scratch = kScratchDrive + "A";
    ASSERT_TRUE(::CreateDirectoryA(scratch.c_str(), nullptr)) << "run through CTest: R: is mounted for it";
    path = scratch + "\\B\\C\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 0);
    EXPECT_FALSE(IsFolder(scratch + "\\B"));
    path = scratch + "\\B\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 1);
    EXPECT_TRUE(::RemoveDirectoryA(path.c_str()));
    EXPECT_TRUE(::RemoveDirectoryA(scratch.c_str()));

    // On NT systems open access starts "cacls.exe" for the new tree (a recorder
    // of that name beside the program shows its command line), and a file takes
    // the access rights of its folder; Windows 98 has neither.
    CurrentFolder inside(install);
    ::CopyFileA((BinFolder() + "zr8_files_helper.exe").c_str(), (install + "cacls.exe").c_str(), FALSE);
    std::string folder = MakeFolder("shared");
    file = folder + "data.txt";
    WriteBytes(file, "x");
    // Everyone and the owner may only read the folder (Wine keeps this as
    // the folder's Unix mode, which the file then takes over).
    ASSERT_TRUE(SetDacl(folder, "D:P(A;OICI;FR;;;WD)(A;OICI;FR;;;OW)"));
    As(4, VER_PLATFORM_WIN32_WINDOWS);
    path = root + "\\Open98\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 1, nullptr, 0), 1);
    EXPECT_TRUE(IsFolder(path));
    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(&file[0]), 1);
    EXPECT_EQ(::GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(WaitForText(install + "cacls-log.txt", 1500), "");
    As(6);
    path = root + "\\Open\\" + kHyou + "\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 1, nullptr, 0), 1);
    EXPECT_TRUE(IsFolder(path));
    EXPECT_EQ(WaitForText(install + "cacls-log.txt", 15000),
              "cacls.exe \"" + root + "\\Open\\" + kHyou + "\" /T /E /G Everyone:F\n");
    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(&file[0]), 1);
    EXPECT_EQ(::GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(nullptr), 0);
    SetDacl(folder, "D:(A;OICI;FA;;;WD)");  // so that the tree can be removed
    SetDacl(file, "D:(A;;FA;;;WD)");
}

// A first start on Windows 7: folders, settings files, demo data, the
// environment-mode file and the correspondence files; with nothing shipped
// the environment-mode file is optional, the correspondence files are not.
// Then settings files are replaced only by newer versions (byte-wise: 2.00
// is newer than 1.10 and 10.0, not than 2.00 or 2.10); a shipped settings
// file without a version fails the copy, and so do a missing shipped file
// and a missing demo file.
TEST_F(StartupFilesTest, FirstStartThenNewerVersions)
{
    As(6);
    std::string empty = MakeFolder("empty");
    int existed = -1;
    EXPECT_EQ(files.MakeAppEnvFile(), 1);
    EXPECT_EQ(files.MakeBaseFolderFile(&empty[0], &existed), 0);
    EXPECT_EQ(existed, -1);
    EXPECT_FALSE(IsFile(commonAppData + "Velmora\\ZR8\\EsMode.acd"));
    EXPECT_FALSE(IsFile(root + "\\empty\\TAIOU.REN"));

    Ship();
    // A host's start-up calls: their results in order, and whether TAIOU.INI was there.
    auto start = [&] {
        std::string results = std::to_string(files.MakeAppFolder());
        results += std::to_string(files.MakeAppFile_ZR());
        results += std::to_string(files.MakeAppEnvFile());
        results += std::to_string(files.MakeBaseFolderFile(&shared[0], &existed));
        return results + " " + std::to_string(existed);
    };
    EXPECT_EQ(start(), "1111 0");
    EXPECT_TRUE(IsFolder(product + "PForm"));
    EXPECT_EQ(ReadBytes(product + "SYSTEM.RM6"), "shipped SYSTEM.RM6");
    // This product's list leaves out ENV.ACD, CTRLTBL.INI and SYOUHIZEI.XML.
    for (const char* name : kSettingsFiles)
        EXPECT_EQ(ReadBytes(product + name), std::strcmp(name, "CTRLTBL.INI") ? Stamped("2.00", name) : "") << name;
    EXPECT_FALSE(IsFile(product + "ENV.ACD"));
    EXPECT_FALSE(IsFile(product + "SYOUHIZEI.XML"));
    for (const char* demo : {"AO\\", "SIRO\\"})
        for (const char* name : kDemoFiles)
            EXPECT_EQ(ReadBytes(shared + "demo\\" + demo + name), demo + std::string(name));
    EXPECT_EQ(ReadBytes(commonAppData + "Velmora\\ZR8\\EsMode.acd"), "shipped EsMode.acd");
    for (const char* name : kTaiouFiles)
        EXPECT_EQ(ReadBytes(shared + name), std::string("shipped ") + name);
    EXPECT_EQ(files.GetTaiouFileCount(), 5);
    for (unsigned short i = 0; i < 6; ++i) {
        char buffer[11] = "unchanged";
        EXPECT_EQ(files.GetTaiouFileName(i, buffer), i < 5 ? 1 : 0);
        EXPECT_STREQ(buffer, i < 5 ? kTaiouFiles[i] : "unchanged");
    }

    // A second start copies nothing over the user's files.
    for (const std::string& file : {product + "SYSTEM.RM6", shared + "demo\\AO\\DATA.RM8", shared + "TAIOU.INI"})
        WriteBytes(file, "user");
    EXPECT_EQ(start(), "1111 1");
    for (const std::string& file : {product + "SYSTEM.RM6", shared + "demo\\AO\\DATA.RM8", shared + "TAIOU.INI"})
        EXPECT_EQ(ReadBytes(file), "user") << file;

    // The installed version, and whether the shipped 2.00 replaces it.
    const std::tuple<const char*, const char*, bool> installed[] = {{"CHOHYO.INI", "1.10", true},
        {"PRI_MODE.INI", "10.0", true}, {"CHOHYO_S.INI", "2.00", false}, {"PRI_MODE_S.INI", "2.10", false}};
    for (const auto& [name, version, replaced] : installed)
        WriteBytes(product + name, Stamped(version, "installed"));
    WriteBytes(product + "CTRLTBL.INI", "[no stamp]\r\n");
    EXPECT_EQ(files.MakeAppFile(), 1);
    for (const auto& [name, version, replaced] : installed)
        EXPECT_EQ(ReadBytes(product + name), replaced ? Stamped("2.00", name) : Stamped(version, "installed"));
    EXPECT_EQ(ReadBytes(product + "CTRLTBL.INI"), Stamped("2.00", "CTRLTBL.INI"));
    EXPECT_EQ(ReadBytes(product + "ENV.ACD"), "shipped ENV.ACD");  // in this list

    WriteBytes(install + "PRI_MODE.INI", "[FILE_INFORMATION]\r\nNOTE=no version\r\n");
    EXPECT_EQ(files.MakeAppFile(), 0);
    ::DeleteFileA((install + "PRI_MODE.INI").c_str());
    EXPECT_EQ(files.MakeAppFile_ZR(), 0);
    WriteBytes(install + "PRI_MODE.INI", Stamped("2.00", "PRI_MODE.INI"));
    ::DeleteFileA((install + "demo\\SIRO\\CLSDATA.ACC").c_str());
    std::filesystem::remove_all(shared + "demo");
    EXPECT_EQ(files.MakeAppFile_ZR(), 0);
    EXPECT_TRUE(IsFile(shared + "demo\\AO\\CLSDATA.ACC"));
}

// Before Vista this product gets only its per-user folder and no demo data
// (none is shipped here; on Windows 7 a missing demo file fails the start,
// as the first-start test shows); the sibling edition (product number 10 and more) gets all four folders and no
// demo folders, on Windows 7 and on XP alike.
TEST_F(StartupFilesTest, FoldersBySystemAndEdition)
{
    Ship();
    std::filesystem::remove_all(install + "demo");
    As(5);
    EXPECT_EQ(files.MakeAppFolder(), 1);
    EXPECT_EQ(files.MakeAppFile_ZR(), 1);
    EXPECT_EQ(ReadBytes(product + "SYSTEM.RM6"), "shipped SYSTEM.RM6");
    EXPECT_FALSE(IsFolder(product + "PForm"));
    EXPECT_FALSE(IsFolder(commonDocuments + "Velmora"));
    EXPECT_FALSE(IsFolder(commonAppData + "Velmora"));

    char name[] = "QV";
    values->Set(name, 10);
    for (DWORD major : {6, 5}) {
        As(major);
        for (const std::string& base : {personal, commonAppData, commonDocuments})
            std::filesystem::remove_all(base + "Velmora");
        EXPECT_EQ(files.MakeAppFolder(), 1) << major;
        EXPECT_TRUE(IsFolder(personal + "Velmora\\QV8\\PForm")) << major;
        EXPECT_TRUE(IsFolder(commonAppData + "Velmora\\QV8")) << major;
        EXPECT_TRUE(IsFolder(commonDocuments + "Velmora\\QV8")) << major;
        EXPECT_FALSE(IsFolder(commonDocuments + "Velmora\\ZR8")) << major;
    }
}

// Shift-JIS text with 0x5C trail bytes: C:\表示\データ\ .
const std::string kDirFolder = "C:\\\x95\x5C\x8E\xA6\\\x83\x66\x81\x5B\x83\x5E\\";

using TaiouTest = FolderTest;

// TAIOU.INI in the tree, and records whose own blocks start filled (to show
// what is left alone) naming it. Nothing is read or written, and no file
// made, without a file or a record.
TEST_F(TaiouTest, MissingThenReadIntoTheFieldsThenWrittenInKeyOrder)
{
    std::string folder = root + "\\", taiou = folder + "TAIOU.INI";
    S_ENV env;
    S_EXTENV ext;
    S_ENVOPTION option;
    std::memset(&env, 0x11, sizeof env);
    std::memset(&ext, 0x22, sizeof ext);
    std::memset(&option, 0x33, sizeof option);
    std::snprintf(env.DATAFOLDER, sizeof env.DATAFOLDER, "%s", folder.c_str());
    EXPECT_EQ(files.ReadTaiouToEnv(&env), -1);
    EXPECT_EQ(files.WriteEnvToTaiou(&env, &folder[0]), -1);
    EXPECT_EQ(files.ReadTaiouOption(&env, &option), -1);
    EXPECT_EQ(files.WriteTaiouOption(&env, &option), -1);
    EXPECT_EQ(files.ReadTaiouToExtEnv(&env, &ext), -1);
    EXPECT_EQ(files.WriteExtEnvToTaiou(&env, &ext, &folder[0]), -1);
    EXPECT_FALSE(IsFile(taiou));

    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nFORMAT=2\r\nKUMI_KETA=2\r\n");
    EXPECT_EQ(files.ReadTaiouToEnv(nullptr), -1);
    EXPECT_EQ(files.ReadTaiouToExtEnv(&env, nullptr), -1);

    // Values are truncated into their fields.
    WriteBytes(taiou, "; \x91\xCE\x89\x9E\x90\xDD\x92\xE8\r\n"  // ; 対応設定
                      "[TAIOU_INFORMATION]\r\nEINOU=300\r\nFORMAT=-3\r\nFUSEN=12abc\r\nKUMI_CODE=70000\r\n"
                      "DIRFOLDER=" + kDirFolder + "\r\nHIDUKE=x\r\nKUMI_KETA=6\r\nSI_B_HCODE=-123\r\n"
                      "HO_B_BCODE=32767\r\n[FILE_INFORMATION]\r\nVER=1.00\r\nDELETE_MODE=1\r\n");
    ASSERT_EQ(files.ReadTaiouToEnv(&env), 0);
    EXPECT_EQ(env.EINOU, 44);  // 300 in 8 bits
    EXPECT_EQ(env.FORMAT, -3);
    EXPECT_EQ(env.DELETE_MODE, 0);  // absent from its section
    EXPECT_EQ(env.FUSEN, 12);        // leading digits
    EXPECT_EQ(env.KUMI_CODE, 4464);  // 70000 in 16 bits
    EXPECT_EQ(std::string(env.DIRFOLDER), kDirFolder);
    EXPECT_EQ(env.HIDUKE, 0);
    // The host's blocks and the data folder are not touched.
    EXPECT_EQ(env.RESERVED[0], 0x11);
    EXPECT_EQ(env.RESERVED[sizeof env.RESERVED - 1], 0x11);
    EXPECT_EQ(std::string(env.DATAFOLDER), folder);
    ASSERT_EQ(files.ReadTaiouOption(&env, &option), 0);
    EXPECT_EQ(option.KUMI_KETA, 6);
    EXPECT_EQ(option.RESERVED[0], 0x33);
    ASSERT_EQ(files.ReadTaiouToExtEnv(&env, &ext), 0);
    EXPECT_EQ(ext.SI_B_HCODE, -123);
    EXPECT_EQ(ext.HO_B_BCODE, 32767);
    EXPECT_EQ(ext.AO_U_KCODE, 0);
    EXPECT_EQ(ext.RESERVED[0], 0x22);

    // Values are written as signed text, new keys in order after the ones
    // already there; the rest of the file stays. A folder argument overrides
    // the record's, except for reading options.
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nOTHER=keep\r\n[FILE_INFORMATION]\r\nVER=1.00\r\n");
    env.EINOU = 1;
    env.FORMAT = static_cast<signed char>(200);  // stored as -56
    env.DELETE_MODE = 0;
    env.FUSEN = 127;
    env.HIDUKE = -128;
    env.KUMI_CODE = -1;
    std::snprintf(env.DIRFOLDER, sizeof env.DIRFOLDER, "%s", kDirFolder.c_str());
    ASSERT_EQ(files.WriteEnvToTaiou(&env), 0);
    option.KUMI_KETA = -2;
    ASSERT_EQ(files.WriteTaiouOption(&env, &option), 0);
    short* codes = &ext.AO_U_KCODE;
    for (int i = 0; i < 18; ++i)
        codes[i] = static_cast<short>(i % 2 ? -(i * 100 + 1) : i * 1000 + 7);
    ASSERT_EQ(files.WriteExtEnvToTaiou(&env, &ext), 0);
    std::string expected = "[TAIOU_INFORMATION]\r\nOTHER=keep\r\nEINOU=1\r\nFORMAT=-56\r\nDELETE_MODE=0\r\n"
                           "FUSEN=127\r\nKUMI_CODE=-1\r\nDIRFOLDER=" + kDirFolder + "\r\nHIDUKE=-128\r\n"
                           "KUMI_KETA=-2\r\n";
    const char* keys[] = {"AO_U_KCODE", "AO_U_HCODE", "AO_U_BCODE", "AO_B_KCODE", "AO_B_HCODE", "AO_B_BCODE",
                          "SI_U_KCODE", "SI_U_HCODE", "SI_U_BCODE", "SI_B_KCODE", "SI_B_HCODE", "SI_B_BCODE",
                          "HO_U_KCODE", "HO_U_HCODE", "HO_U_BCODE", "HO_B_KCODE", "HO_B_HCODE", "HO_B_BCODE"};
    for (int i = 0; i < 18; ++i)
        expected += std::string(keys[i]) + "=" + std::to_string(codes[i]) + "\r\n";
    expected += "[FILE_INFORMATION]\r\nVER=1.00\r\n";
    EXPECT_EQ(ReadBytes(taiou), expected);

    std::string other = MakeFolder("other");
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nFORMAT=9\r\nKUMI_KETA=9\r\n");
    env.FORMAT = 5;
    ASSERT_EQ(files.WriteEnvToTaiou(&env, &other[0]), 0);
    option.KUMI_KETA = 4;
    ASSERT_EQ(files.WriteTaiouOption(&env, &option, &other[0]), 0);
    EXPECT_EQ(ReadBytes(taiou), expected);
    EXPECT_NE(ReadBytes(other + "TAIOU.INI").find("FORMAT=5\r\nKUMI_KETA=4\r\n"), std::string::npos);
    ASSERT_EQ(files.ReadTaiouOption(&env, &option), 0);
    EXPECT_EQ(option.KUMI_KETA, -2);
    // The code settings read from the given folder, even without a record.
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nSI_U_BCODE=77\r\n");
    ASSERT_EQ(files.ReadTaiouToExtEnv(nullptr, &ext, &other[0]), 0);
    EXPECT_EQ(ext.SI_U_BCODE, 77);
}

} // namespace
