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
struct FolderTest : ::testing::Test {
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
    // Too long: the name is kept, the number stored anyway.
    EXPECT_EQ(std::make_tuple(std::string(values->GetName()), values->GetNo()), std::make_tuple(fifty, 10L));
    values->SetMode(1);
    values->Release();
    values = CValueMgr::Instance();
    EXPECT_EQ(std::make_tuple(std::string(values->GetName()), values->GetNo()), std::make_tuple(std::string(), 0L));

    ASSERT_EQ(values->GetOSType(), 3);  // Wine reports Windows 7 by default
    // Kinds 0-22 (mode 0 again): none for 0 and 22 (and -1), an empty Excel folder (15).
    const std::string expected[23] = {
        "", shared, product, product, product, shared + "DMenu\\", product, product, product, shared, product,
        personal, personal, personal, personal, "", personal, personal, BinFolder(), personal, personal, shared, ""};
    for (short kind = -1; kind <= 22; ++kind)
        EXPECT_EQ(FolderName(kind), "1 " + expected[kind < 0 ? 0 : kind]) << "kind " << kind;

    values->SetMode(1);
    // Kind 11 has no product folder.
    const std::string demo = "Velmora\\ZR8Demo\\";
    EXPECT_EQ((std::vector<std::string>{FolderName(1), FolderName(4), FolderName(11), FolderName(5)}),
              (std::vector<std::string>{"1 " + commonDocuments + demo, "1 " + personal + demo, "1 " + personal,
                                        "1 " + commonDocuments + demo + "DMenu\\"}));

    // Failures of the shell are reported; the per-user product folder keeps
    // only its sub-folder, the executable's does not depend on the shell.
    Point("Common Documents", root + "\\missing\\");
    Point("Personal", root + "\\missing\\");
    char buffer[MAX_PATH] = "before";
    EXPECT_EQ((std::tuple{values->GetCmnDocFld(buffer), values->GetMyDocFolder(buffer), std::string(buffer)}),
              std::make_tuple(0, 0, std::string("before")));
    EXPECT_EQ((std::vector<std::string>{FolderName(1), FolderName(5), FolderName(2), FolderName(18)}),
              (std::vector<std::string>{"0 ", "0 ", "0 " + demo, "1 " + BinFolder()}));
}

// Earlier systems: before Vista everything lies beside the executable,
// except the server folder, the imports at the root of the executable's
// drive and no Excel folder. The executable lies in the build tree, on
// Wine's drive Z: (the Unix root), not on the test tree's drive C:.
TEST_F(CValueMgrTest, OlderWindowsGenerations)
{
    const std::string exe = BinFolder();
    ASSERT_NE(exe.substr(0, 3), root.substr(0, 3)) << "the build tree lies on the test tree's drive";
    // sp3, sp7: special folders 3 and 7 of CUtyFile.
    const struct { DWORD major, platform; short type; std::string sp3, sp7; } generations[] = {
        {5, VER_PLATFORM_WIN32_NT, 2, shared, commonAppData + "Velmora\\ZR8\\"},
        {4, VER_PLATFORM_WIN32_WINDOWS, 1, exe, exe}};
    const std::map<int, std::string> apart = {
        {5, exe + "DMenu\\"}, {6, product}, {12, exe.substr(0, 3)}, {15, ""}, {22, ""}};
    for (const auto& generation : generations) {
        As(generation.major, generation.platform, exe);
        EXPECT_EQ(std::make_tuple(values->GetOSType(), SpFolder(3), SpFolder(7)),
                  std::make_tuple(generation.type, generation.sp3, generation.sp7));
        for (short kind = 1; kind <= 22; ++kind)
            EXPECT_EQ(FolderName(kind), "1 " + (apart.count(kind) != 0 ? apart.at(kind) : exe)) << kind;
    }
}

TEST_F(FolderTest, SpecialFoldersFilePathsTheRegistryFallbackThenCreateFolderAllOrNothingAndAccessRights)
{
    // Application files by kind, or EsMode.acd by name (kind 99), and location ("" when it fails); where 6 is
    // accepted but no single code: the bare name.
    const struct { unsigned short kind; long where; std::string path; long size = MAX_PATH; } paths[] = {
        {4, 8, BinFolder() + "CHOHYO.INI"}, {1, 4, product + "SYSTEM.RM6"}, {10, 2, shared + "PRI_MODE_C.INI"},
        {3, 6, "SYOUHIZEI.XML"}, {0, 8, ""}, {11, 8, ""}, {1, 1, ""}, {1, 16, ""}, {1, 6, "", 10},
        {1, 6, "SYSTEM.RM6", 11}, {99, 32, commonAppData + "Velmora\\ZR8\\EsMode.acd"},
        {99, 8, BinFolder() + "EsMode.acd"}, {99, 40, "EsMode.acd"}, {99, 4, ""}};
    char name[] = "EsMode.acd";
    for (const auto& row : paths) {
        char buffer[MAX_PATH] = "old";
        const int found = row.kind == 99 ? files.GetFilePath2(name, buffer, row.size, row.where)
                                         : files.GetFilePath(row.kind, buffer, row.size, row.where);
        EXPECT_EQ((std::tuple{found, std::string(buffer)}), std::tuple(row.path.empty() ? 0 : 1, row.path))
            << row.kind << " " << row.where;
    }

    const std::string forms = product + "PForm\\", fail = "(failed)";
    const long exact = static_cast<long>(product.size() + 1), formsExact = static_cast<long>(forms.size() + 1);
    const SpGetter sp = &CUtyFile::GetSpFolderPath, qv6 = &CUtyFile::GetSpFolderPathForQV6,
                   qv7 = &CUtyFile::GetSpFolderPathForQV7;
    const struct { long product; SpGetter get; unsigned short kind; std::string folder; long size = MAX_PATH; }
        rows[] = {
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
        {11, sp, 6, personal + "Velmora\\TD8\\PForm\\"}, {0, sp, 6, fail, formsExact - 1}};
    for (const auto& row : rows) {
        char qv[] = "QV";
        values->Set(qv, row.product);
        EXPECT_EQ(SpFolder(row.kind, row.size, row.get), row.folder) << row.product << " " << row.kind;
    }
    char buffer[MAX_PATH] = "old";
    EXPECT_EQ(
        (std::tuple{files.GetSpFolderPath(1, buffer, 0), files.GetSpFolderPath(1, nullptr, 10), std::string(buffer)}),
        std::tuple(0, 0, "old"));

    // When the shell cannot locate a folder, three of them are read from the
    // "Shell Folders" key; Wine has copied the unusable setting there by then,
    // which is what the fallback must return (the last row left product 0).
    const std::string missing = root + "\\missing\\";
    Point("Common Documents", missing);
    EXPECT_EQ((std::tuple{files.GetSpecialFolderPath(CSIDL_COMMON_DOCUMENTS, buffer, MAX_PATH), std::string(buffer),
                          SpFolder(3)}), std::tuple(1, missing, missing + "Velmora\\ZR8\\"));
    // Identifier 26 falls back on the all-users "Common AppData" value.
    Point("AppData", missing);
    char small[8];
    EXPECT_EQ(
        (std::tuple{files.GetSpecialFolderPath(CSIDL_APPDATA, buffer, MAX_PATH), std::string(buffer),
                    files.GetSpecialFolderPath(CSIDL_APPDATA, small, sizeof small), std::string(small, sizeof small)}),
        std::tuple(1, commonAppData, 0, std::string(sizeof small, '\0')));

    // Every missing level is made, 0x5C trail bytes included; when a level
    // cannot be made (a file in the way, a name the system refuses, a full
    // disk) the levels the call made are removed again and what was there stays.
    const std::pair<std::string, bool> checks[] = {
        {"C:\\Windows", true}, {root + "\\", true}, {root + "\\no-such-file.txt", true}, {root + "\\absent\\", false},
        {root + "\\absent\\file", false}, {"", false}};
    for (auto check : checks)
        EXPECT_EQ(files.CheckFolderExist(&check.first[0]) != 0, check.second) << check.first;
    EXPECT_EQ(files.CheckFolderExist(nullptr), 0);

    // {path, security, room for "existing" (0: none given), result, a folder there afterwards, a name that is no
    // folder afterwards, "existing" afterwards}: a last component without a backslash is a file name, a relative
    // path is refused, and drive R: has room for two entries: one new level, not two.
    std::string a = MakeFolder("A"), hyou = root + "\\" + kHyou + "\\" + kSo + "\\";
    const std::string scratch = kScratchDrive + "A\\";
    WriteBytes(a + "X", "user data");
    ASSERT_TRUE(::CreateDirectoryA(scratch.c_str(), nullptr)) << "run through CTest: R: is mounted for it";
    CurrentFolder inA(a);
    const struct { std::string path; long security; DWORD size; int result; std::string made, absent, existing; }
        steps[] = {
        {a + "B\\C\\", 0, MAX_PATH, 1, a + "B\\C", "", a}, {a + "B\\C\\", 0, MAX_PATH, 1, a, "", a + "B\\C\\"},
        {a + "D\\E\\name.txt", 0, 4, 1, a + "D\\E", a + "D\\E\\name.txt", "old"}, {hyou, 0, 0, 1, hyou, "", "old"},
        {"W\\Y\\", 0, 0, 0, a, a + "W", "old"}, {a + "X\\Y\\Z\\", 0, 0, 0, a, a + "X", "old"},
        {a + kHyou + "\\" + kSo + "\\bad|name\\deeper\\", 1, MAX_PATH, 0, a, a + kHyou, "old"},
        {scratch + "B\\C\\", 0, 0, 0, scratch, scratch + "B", "old"},
        {scratch + "B\\", 0, 0, 1, scratch + "B", "", "old"}};
    for (auto row : steps) {
        char existing[MAX_PATH] = "old";
        EXPECT_EQ((std::tuple{files.CreateFolder(&row.path[0], row.security, row.size ? existing : nullptr, row.size),
                              IsFolder(row.made), IsFolder(row.absent), std::string(existing)}),
                  std::tuple(row.result, true, false, row.existing)) << row.path;
    }
    // Only the folder 表 is added at the top, none named by its lead byte: seven entries with the fixture's five.
    EXPECT_EQ((std::tuple{files.CreateFolder(nullptr, 0, nullptr, 0), ReadBytes(a + "X"),
                          std::distance(std::filesystem::directory_iterator(temp.Path()), {}),
                          ::RemoveDirectoryA((scratch + "B").c_str()), ::RemoveDirectoryA(scratch.c_str())}),
              std::tuple(0, "user data", 7L, TRUE, TRUE));

    // On NT systems open access starts "cacls.exe" for the new tree (a recorder
    // of that name beside the program shows its command line), and a file takes
    // the access rights of its folder; Windows 98 has neither.
    CurrentFolder inside(install);
    ::CopyFileA((BinFolder() + "zr8_files_helper.exe").c_str(), (install + "cacls.exe").c_str(), FALSE);
    std::string folder = MakeFolder("shared"), file = folder + "data.txt", open = root + "\\Open\\" + kHyou;
    WriteBytes(file, "x");
    // Everyone and the owner may only read the folder (Wine keeps this as
    // the folder's Unix mode, which the file then takes over).
    ASSERT_TRUE(SetDacl(folder, "D:P(A;OICI;FR;;;WD)(A;OICI;FR;;;OW)"));
    const struct { DWORD major, platform; std::string path, cacls; DWORD wait, readOnly; } systems[] = {
        {4, VER_PLATFORM_WIN32_WINDOWS, root + "\\Open98\\", "", 1500, 0},
        {6, VER_PLATFORM_WIN32_NT, open + "\\", "cacls.exe \"" + open + "\" /T /E /G Everyone:F\n", 15000,
         FILE_ATTRIBUTE_READONLY}};
    for (auto system : systems) {
        As(system.major, system.platform);
        EXPECT_EQ((std::tuple{files.CreateFolder(&system.path[0], 1, nullptr, 0), IsFolder(system.path),
                              WaitForText(install + "cacls-log.txt", system.wait),
                              files.SetFileSecurityByOwnerFolder(&file[0]),
                              ::GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY,
                              files.SetFileSecurityByOwnerFolder(nullptr)}),
                  std::tuple(1, true, system.cacls, 1, system.readOnly, 0)) << system.major;
    }
    SetDacl(folder, "D:(A;OICI;FA;;;WD)");  // so that the tree can be removed
    SetDacl(file, "D:(A;;FA;;;WD)");
}

// A first start on Windows 7: folders, settings files, demo data, the
// environment-mode file and the correspondence files; with nothing shipped
// the environment-mode file is optional, the correspondence files are not.
// Then settings files are replaced only by newer versions (byte-wise: 2.00
// is newer than 1.10 and 10.0, not than 2.00 or 2.10); a shipped settings
// file without a version fails the copy, and so do a missing shipped file
// and a missing demo file. Then the folders by system and edition.
TEST_F(StartupFilesTest, FirstStartNewerVersionsThenFoldersBySystemAndEdition)
{
    As(6);
    std::string empty = MakeFolder("empty");
    int existed = -1;
    EXPECT_EQ((std::tuple{files.MakeAppEnvFile(), files.MakeBaseFolderFile(&empty[0], &existed), existed,
                          IsFile(commonAppData + "Velmora\\ZR8\\EsMode.acd"), IsFile(root + "\\empty\\TAIOU.REN")}),
              std::tuple(1, 0, -1, false, false));

    Ship();
    // A host's start-up calls: their results in order, and whether TAIOU.INI was there.
    auto start = [&] {
        std::string results = std::to_string(files.MakeAppFolder());
        results += std::to_string(files.MakeAppFile_ZR());
        results += std::to_string(files.MakeAppEnvFile());
        results += std::to_string(files.MakeBaseFolderFile(&shared[0], &existed));
        return results + " " + std::to_string(existed);
    };
    EXPECT_EQ((std::tuple{start(), IsFolder(product + "PForm"), ReadBytes(product + "SYSTEM.RM6"),
                          ReadBytes(commonAppData + "Velmora\\ZR8\\EsMode.acd"), files.GetTaiouFileCount()}),
              std::tuple("1111 0", true, "shipped SYSTEM.RM6", "shipped EsMode.acd", 5));
    // This product's list leaves out ENV.ACD, CTRLTBL.INI and SYOUHIZEI.XML.
    for (const char* name : kSettingsFiles)
        EXPECT_EQ(ReadBytes(product + name), std::strcmp(name, "CTRLTBL.INI") ? Stamped("2.00", name) : "") << name;
    EXPECT_FALSE(IsFile(product + "ENV.ACD") || IsFile(product + "SYOUHIZEI.XML"));
    for (const char* demo : {"AO\\", "SIRO\\"})
        for (const char* name : kDemoFiles)
            EXPECT_EQ(ReadBytes(shared + "demo\\" + demo + name), demo + std::string(name));
    // The correspondence files, copied and named by index.
    for (unsigned short i = 0; i < 6; ++i) {
        char buffer[11] = "unchanged";
        const std::string name = i < 5 ? kTaiouFiles[i] : "unchanged";
        EXPECT_EQ((std::tuple{files.GetTaiouFileName(i, buffer), std::string(buffer), ReadBytes(shared + name)}),
                  std::tuple(i < 5 ? 1 : 0, name, i < 5 ? "shipped " + name : "")) << i;
    }

    // A second start copies nothing over the user's files.
    const std::string users[] = {product + "SYSTEM.RM6", shared + "demo\\AO\\DATA.RM8", shared + "TAIOU.INI"};
    for (const std::string& file : users)
        WriteBytes(file, "user");
    EXPECT_EQ((std::tuple{start(), ReadBytes(users[0]), ReadBytes(users[1]), ReadBytes(users[2])}),
              std::tuple("1111 1", "user", "user", "user"));

    // The installed version, and whether the shipped 2.00 replaces it.
    const std::tuple<const char*, const char*, bool> installed[] = {{"CHOHYO.INI", "1.10", true},
        {"PRI_MODE.INI", "10.0", true}, {"CHOHYO_S.INI", "2.00", false}, {"PRI_MODE_S.INI", "2.10", false}};
    for (const auto& [name, version, replaced] : installed)
        WriteBytes(product + name, Stamped(version, "installed"));
    WriteBytes(product + "CTRLTBL.INI", "[no stamp]\r\n");
    // ENV.ACD is in this list.
    EXPECT_EQ((std::tuple{files.MakeAppFile(), ReadBytes(product + "CTRLTBL.INI"), ReadBytes(product + "ENV.ACD")}),
              std::tuple(1, Stamped("2.00", "CTRLTBL.INI"), "shipped ENV.ACD"));
    for (const auto& [name, version, replaced] : installed)
        EXPECT_EQ(ReadBytes(product + name), replaced ? Stamped("2.00", name) : Stamped(version, "installed"));

    WriteBytes(install + "PRI_MODE.INI", "[FILE_INFORMATION]\r\nNOTE=no version\r\n");
    EXPECT_EQ(files.MakeAppFile(), 0);
    ::DeleteFileA((install + "PRI_MODE.INI").c_str());
    EXPECT_EQ(files.MakeAppFile_ZR(), 0);
    WriteBytes(install + "PRI_MODE.INI", Stamped("2.00", "PRI_MODE.INI"));
    ::DeleteFileA((install + "demo\\SIRO\\CLSDATA.ACC").c_str());
    std::filesystem::remove_all(shared + "demo");
    EXPECT_EQ((std::tuple{files.MakeAppFile_ZR(), IsFile(shared + "demo\\AO\\CLSDATA.ACC")}), std::tuple(0, true));

    // Before Vista this product gets only its per-user folder and no demo data (none is shipped now); the sibling
    // edition (product number 10 and more) gets all four folders and no demo folders, on Windows 7 and on XP alike.
    std::filesystem::remove_all(install + "demo");
    char name[] = "QV";
    const std::tuple<long, DWORD, std::string, bool> editions[] = {
        {0, 5, "Velmora\\ZR8", false}, {10, 6, "Velmora\\QV8", true}, {10, 5, "Velmora\\QV8", true}};
    for (const auto& [number, major, edition, all] : editions) {
        As(major);
        values->Set(name, number);
        for (const std::string& base : {personal, commonAppData, commonDocuments})
            std::filesystem::remove_all(base + "Velmora");
        EXPECT_EQ((std::tuple{files.MakeAppFolder(), files.MakeAppFile_ZR(),
                              ReadBytes(personal + edition + "\\SYSTEM.RM6"), IsFolder(personal + edition + "\\PForm"),
                              IsFolder(commonAppData + edition), IsFolder(commonDocuments + edition),
                              IsFolder(commonDocuments + "Velmora\\ZR8")}),
                  std::tuple(1, 1, "shipped SYSTEM.RM6", all, all, all, false)) << number << " " << major;
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
    EXPECT_EQ((std::tuple{files.ReadTaiouToEnv(&env), files.WriteEnvToTaiou(&env, &folder[0]),
                          files.ReadTaiouOption(&env, &option), files.WriteTaiouOption(&env, &option),
                          files.ReadTaiouToExtEnv(&env, &ext), files.WriteExtEnvToTaiou(&env, &ext, &folder[0]),
                          IsFile(taiou)}), std::tuple(-1, -1, -1, -1, -1, -1, false));

    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nFORMAT=2\r\nKUMI_KETA=2\r\n");
    EXPECT_EQ(std::make_tuple(files.ReadTaiouToEnv(nullptr), files.ReadTaiouToExtEnv(&env, nullptr)),
              std::make_tuple(-1, -1));

    // Values are truncated into their fields.
    WriteBytes(taiou, "; \x91\xCE\x89\x9E\x90\xDD\x92\xE8\r\n"  // ; 対応設定
                      "[TAIOU_INFORMATION]\r\nEINOU=300\r\nFORMAT=-3\r\nFUSEN=12abc\r\nKUMI_CODE=70000\r\n"
                      "DIRFOLDER=" + kDirFolder + "\r\nHIDUKE=x\r\nKUMI_KETA=6\r\nSI_B_HCODE=-123\r\n"
                      "HO_B_BCODE=32767\r\n[FILE_INFORMATION]\r\nVER=1.00\r\nDELETE_MODE=1\r\n");
    // EINOU is 300 in 8 bits, DELETE_MODE absent from its section, FUSEN the leading digits, KUMI_CODE 70000 in
    // 16 bits; the host's blocks and the data folder are not touched.
    ASSERT_EQ(files.ReadTaiouToEnv(&env), 0);
    EXPECT_EQ((std::tuple{int(env.EINOU), int(env.FORMAT), int(env.DELETE_MODE), int(env.FUSEN), int(env.KUMI_CODE),
                          std::string(env.DIRFOLDER), int(env.HIDUKE), int(env.RESERVED[0]),
                          int(env.RESERVED[sizeof env.RESERVED - 1]), std::string(env.DATAFOLDER)}),
              std::tuple(44, -3, 0, 12, 4464, kDirFolder, 0, 0x11, 0x11, folder));
    EXPECT_EQ((std::tuple{files.ReadTaiouOption(&env, &option), int(option.KUMI_KETA), int(option.RESERVED[0]),
                          files.ReadTaiouToExtEnv(&env, &ext), int(ext.SI_B_HCODE), int(ext.HO_B_BCODE),
                          int(ext.AO_U_KCODE), int(ext.RESERVED[0])}), std::tuple(0, 6, 0x33, 0, -123, 32767, 0, 0x22));

    // Values are written as signed text, new keys in order after the ones
    // already there; the rest of the file stays. A folder argument overrides
    // the record's, except for reading options.
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nOTHER=keep\r\n[FILE_INFORMATION]\r\nVER=1.00\r\n");
    // FORMAT 200 is stored as -56.
    std::tie(env.EINOU, env.FORMAT, env.DELETE_MODE, env.FUSEN, env.HIDUKE, env.KUMI_CODE, option.KUMI_KETA) =
        std::make_tuple(1, static_cast<signed char>(200), 0, 127, -128, -1, -2);
    std::snprintf(env.DIRFOLDER, sizeof env.DIRFOLDER, "%s", kDirFolder.c_str());
    short* codes = &ext.AO_U_KCODE;
    for (int i = 0; i < 18; ++i)
        codes[i] = static_cast<short>(i % 2 ? -(i * 100 + 1) : i * 1000 + 7);
    std::string expected = "[TAIOU_INFORMATION]\r\nOTHER=keep\r\nEINOU=1\r\nFORMAT=-56\r\nDELETE_MODE=0\r\n"
                           "FUSEN=127\r\nKUMI_CODE=-1\r\nDIRFOLDER=" + kDirFolder + "\r\nHIDUKE=-128\r\n"
                           "KUMI_KETA=-2\r\n";
    const char* keys[] = {"AO_U_KCODE", "AO_U_HCODE", "AO_U_BCODE", "AO_B_KCODE", "AO_B_HCODE", "AO_B_BCODE",
                          "SI_U_KCODE", "SI_U_HCODE", "SI_U_BCODE", "SI_B_KCODE", "SI_B_HCODE", "SI_B_BCODE",
                          "HO_U_KCODE", "HO_U_HCODE", "HO_U_BCODE", "HO_B_KCODE", "HO_B_HCODE", "HO_B_BCODE"};
    for (int i = 0; i < 18; ++i)
        expected += std::string(keys[i]) + "=" + std::to_string(codes[i]) + "\r\n";
    expected += "[FILE_INFORMATION]\r\nVER=1.00\r\n";
    EXPECT_EQ((std::tuple{files.WriteEnvToTaiou(&env), files.WriteTaiouOption(&env, &option),
                          files.WriteExtEnvToTaiou(&env, &ext), ReadBytes(taiou)}), std::tuple(0, 0, 0, expected));

    std::string other = MakeFolder("other");
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nFORMAT=9\r\nKUMI_KETA=9\r\n");
    std::tie(env.FORMAT, option.KUMI_KETA) = std::make_tuple(5, 4);
    EXPECT_EQ((std::tuple{files.WriteEnvToTaiou(&env, &other[0]), files.WriteTaiouOption(&env, &option, &other[0]),
                          ReadBytes(taiou), files.ReadTaiouOption(&env, &option), int(option.KUMI_KETA),
                          ReadBytes(other + "TAIOU.INI").find("FORMAT=5\r\nKUMI_KETA=4\r\n") != std::string::npos}),
              std::tuple(0, 0, expected, 0, -2, true));
    // The code settings read from the given folder, even without a record.
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nSI_U_BCODE=77\r\n");
    EXPECT_EQ((std::tuple{files.ReadTaiouToExtEnv(nullptr, &ext, &other[0]), int(ext.SI_U_BCODE)}), std::tuple(0, 77));
}

} // namespace
