#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/FilesHarness.h"

#include <sddl.h>
#include "files/CUtyFile.h"

namespace {

const std::string kHyou = "\x95\x5C";  // 表: trail byte 0x5C
const std::string kSo = "\x83\x5C";    // ソ: trail byte 0x5C

class FolderTest : public FolderTreeTest {
protected:
    std::string SpFolder(unsigned short kind, long size = MAX_PATH)
    {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, 'x');
        int result = files.GetSpFolderPath(kind, buffer.data(), size);
        return result ? std::string(buffer.data()) : "(failed)";
    }

    // The DACL of a file or folder as SDDL text ("" when unreadable).
    static std::string Dacl(const std::string& path)
    {
        DWORD needed = 0;
        ::GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
        std::vector<BYTE> descriptor(needed);
        if (needed == 0 ||
            !::GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
            return "";
        char* text = nullptr;
        if (!::ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1,
                                                                    DACL_SECURITY_INFORMATION, &text, nullptr))
            return "";
        std::string result = text;
        ::LocalFree(text);
        return result;
    }

    static bool SetDacl(const std::string& path, const char* sddl)
    {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
            return false;
        BOOL done = ::SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
        ::LocalFree(descriptor);
        return done != FALSE;
    }

    CUtyFile files;
};

TEST_F(FolderTest, SpecialFoldersByProductNumber)
{
    const std::string& personal = shell.personal;
    EXPECT_EQ(SpFolder(1), personal);  // one backslash, though Wine's shell already ends in one
    EXPECT_EQ(SpFolder(2), personal + "Velmora\\ZR8\\");
    EXPECT_EQ(SpFolder(3), shell.commonDocuments + "Velmora\\ZR8\\");
    EXPECT_EQ(SpFolder(4), BinFolder());
    EXPECT_EQ(SpFolder(5), BinFolder() + "PForm\\");
    EXPECT_EQ(SpFolder(6), personal + "Velmora\\ZR8\\PForm\\");
    EXPECT_EQ(SpFolder(7), shell.commonAppData + "Velmora\\ZR8\\");

    char name[] = "QV";
    values->Set(name, 10);
    EXPECT_EQ(SpFolder(2), personal + "Velmora\\QV8\\");
    EXPECT_EQ(SpFolder(3), shell.commonDocuments + "Velmora\\QV8\\");
    EXPECT_EQ(SpFolder(7), shell.commonAppData + "Velmora\\QV8\\");
    values->Set(name, 3);
    EXPECT_EQ(SpFolder(2), personal + "Velmora\\TD8\\");
    EXPECT_EQ(SpFolder(3), shell.commonDocuments + "Velmora\\ZR8\\");
    EXPECT_EQ(SpFolder(7), shell.commonAppData + "Velmora\\ZR8\\");
    values->Set(name, 11);
    EXPECT_EQ(SpFolder(2), personal + "Velmora\\TD8\\");
    EXPECT_EQ(SpFolder(3), shell.commonDocuments + "Velmora\\QV8\\");
    EXPECT_EQ(SpFolder(6), personal + "Velmora\\TD8\\PForm\\");
}

TEST_F(FolderTest, SpecialFolderFailuresAndSizes)
{
    char buffer[16];
    for (unsigned short kind : {0, 8, 100}) {
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(files.GetSpFolderPath(kind, buffer, sizeof buffer), 0);
        EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
    }
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(files.GetSpFolderPath(1, buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(files.GetSpFolderPath(1, nullptr, 10), 0);

    // The composed folder and its terminator fit exactly, or the call fails.
    const std::string full = shell.personal + "Velmora\\ZR8\\";
    const long exact = static_cast<long>(full.size() + 1);
    EXPECT_EQ(SpFolder(2, exact), full);
    EXPECT_EQ(SpFolder(2, exact - 1), "(failed)");
    const std::string forms = full + "PForm\\";
    EXPECT_EQ(SpFolder(6, static_cast<long>(forms.size() + 1)), forms);
    EXPECT_EQ(SpFolder(6, static_cast<long>(forms.size())), "(failed)");
}

TEST_F(FolderTest, GenerationVariantsForTheSiblingEdition)
{
    char buffer[MAX_PATH];
    ASSERT_EQ(files.GetSpFolderPathForQV6(2, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\ZR8\\");
    ASSERT_EQ(files.GetSpFolderPathForQV7(2, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\ZR7\\");

    char name[] = "QV";
    values->Set(name, 10);
    ASSERT_EQ(files.GetSpFolderPathForQV6(2, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\QV6\\");
    ASSERT_EQ(files.GetSpFolderPathForQV7(2, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\QV7\\");
    values->Set(name, 4);
    ASSERT_EQ(files.GetSpFolderPathForQV7(2, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.personal + "Velmora\\TD7\\");

    for (unsigned short kind : {1, 3, 4, 6, 7}) {
        EXPECT_EQ(files.GetSpFolderPathForQV6(kind, buffer, MAX_PATH), 0) << kind;
        EXPECT_EQ(buffer[0], '\0');
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(files.GetSpFolderPathForQV7(kind, buffer, MAX_PATH), 0) << kind;
        EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
    }
}

// When the shell cannot locate a folder, three of them are read from the
// "Shell Folders" key; Wine has copied the unusable setting there by then,
// which is what the fallback must return.
TEST_F(FolderTest, ShellFoldersRegistryFallback)
{
    char buffer[MAX_PATH];
    const std::string missing = root + "\\missing-public";
    shell.Point(CSIDL_COMMON_DOCUMENTS, missing);
    ASSERT_EQ(files.GetSpecialFolderPath(CSIDL_COMMON_DOCUMENTS, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), missing + "\\");
    EXPECT_EQ(SpFolder(3), missing + "\\Velmora\\ZR8\\");

    // Identifier 26 falls back on the all-users "Common AppData" value.
    shell.Point(CSIDL_APPDATA, root + "\\missing-appdata");
    ASSERT_EQ(files.GetSpecialFolderPath(CSIDL_APPDATA, buffer, MAX_PATH), 1);
    EXPECT_EQ(std::string(buffer), shell.commonAppData);
    // The value does not fit: failure, buffer cleared.
    char small[8];
    EXPECT_EQ(files.GetSpecialFolderPath(CSIDL_APPDATA, small, sizeof small), 0);
    EXPECT_EQ(std::string(small, sizeof small), std::string(sizeof small, '\0'));

    // Identifier 35 has no fallback.
    shell.Point(CSIDL_COMMON_APPDATA, root + "\\missing-programdata");
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(files.GetSpecialFolderPath(CSIDL_COMMON_APPDATA, buffer, MAX_PATH), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(SpFolder(7), "(failed)");
}

TEST_F(FolderTest, CheckFolderExistLooksAtTheFolderPart)
{
    char windows[] = "C:\\Windows";
    EXPECT_NE(files.CheckFolderExist(windows), 0);  // tests C:\ .
    std::string folder = MakeFolder("there");
    EXPECT_NE(files.CheckFolderExist(&folder[0]), 0);
    std::string file = folder + "no-such-file.txt";
    EXPECT_NE(files.CheckFolderExist(&file[0]), 0);
    std::string missing = root + "\\absent\\";
    EXPECT_EQ(files.CheckFolderExist(&missing[0]), 0);
    std::string missingWithFile = root + "\\absent\\file";
    EXPECT_EQ(files.CheckFolderExist(&missingWithFile[0]), 0);
    char empty[] = "";
    EXPECT_EQ(files.CheckFolderExist(empty), 0);
    EXPECT_EQ(files.CheckFolderExist(nullptr), 0);
}

TEST_F(FolderTest, CreateFolderMakesTheMissingLevels)
{
    std::string a = MakeFolder("A");
    std::string path = a + "B\\C\\";
    char existing[MAX_PATH] = "";
    ASSERT_EQ(files.CreateFolder(&path[0], 0, existing, sizeof existing), 1);
    EXPECT_TRUE(IsFolder(a + "B"));
    EXPECT_TRUE(IsFolder(a + "B\\C"));
    EXPECT_EQ(std::string(existing), a);

    // A last component without a backslash is a file name.
    std::string file = a + "D\\E\\name.txt";
    char small[4] = "old";
    ASSERT_EQ(files.CreateFolder(&file[0], 0, small, sizeof small), 1);
    EXPECT_TRUE(IsFolder(a + "D\\E"));
    EXPECT_FALSE(IsFolder(file));
    EXPECT_FALSE(IsFile(file));
    EXPECT_STREQ(small, "old");  // "existing" did not fit

    // Everything there already: nothing to do.
    ASSERT_EQ(files.CreateFolder(&path[0], 0, existing, sizeof existing), 1);
    EXPECT_EQ(std::string(existing), path);
}

TEST_F(FolderTest, CreateFolderKeepsDoubleByteNamesWhole)
{
    std::string path = root + "\\" + kHyou + "\\" + kSo + "\\";
    ASSERT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 1);
    EXPECT_TRUE(IsFolder(root + "\\" + kHyou + "\\" + kSo));
    // Only the folder 表 exists at the top: no folder named by its lead byte.
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((root + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    std::vector<std::string> names;
    do {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
            names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::vector<std::string> expected = {"AppData", "Documents", "ProgramData", "Public", kHyou};
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST_F(FolderTest, CreateFolderRefusesRelativeAndEmptyPaths)
{
    std::string work = MakeFolder("work");
    CurrentFolder inside(work);
    char relative[] = "A\\B\\";
    EXPECT_EQ(files.CreateFolder(relative, 0, nullptr, 0), 0);
    EXPECT_FALSE(IsFolder(work + "A"));
    char empty[] = "";
    EXPECT_EQ(files.CreateFolder(empty, 0, nullptr, 0), 0);
    EXPECT_EQ(files.CreateFolder(nullptr, 0, nullptr, 0), 0);
}

// A file stands where a folder must be made: nothing is created and what
// was there stays.
TEST_F(FolderTest, CreateFolderStopsAtAFileInTheWay)
{
    std::string a = MakeFolder("A");
    WriteBytes(a + "X", "user data");
    std::string path = a + "X\\Y\\Z\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 0);
    EXPECT_EQ(ReadBytes(a + "X"), "user data");
    EXPECT_TRUE(IsFolder(a));
}

// The system refuses the third level (a name with '|'): the two levels the
// call made are removed again, double-byte names included, and the folder
// that existed stays.
TEST_F(FolderTest, CreateFolderRollsBackWhenTheSystemRefuses)
{
    std::string a = MakeFolder("A");
    WriteBytes(a + "keep.txt", "kept");
    std::string path = a + kHyou + "\\" + kSo + "\\bad|name\\deeper\\";
    char existing[MAX_PATH] = "unchanged";
    EXPECT_EQ(files.CreateFolder(&path[0], 1, existing, sizeof existing), 0);
    EXPECT_FALSE(IsFolder(a + kHyou + "\\" + kSo));
    EXPECT_FALSE(IsFolder(a + kHyou));
    EXPECT_TRUE(IsFolder(a));
    EXPECT_EQ(ReadBytes(a + "keep.txt"), "kept");
    EXPECT_STREQ(existing, "unchanged");
}

// Drive R: (a 64 KiB tmpfs with room for two entries) runs out of room
// after one new level: that level is removed, the folder that was there stays.
TEST_F(FolderTest, CreateFolderRollsBackWhenTheDiskIsFull)
{
    const char* letter = std::getenv("ZR8_SCRATCH_DRIVE");
    ASSERT_NE(letter, nullptr) << "run through CTest: the scratch drive is mounted for it";
    std::string drive = std::string(letter) + ":\\";
    std::string a = drive + "A";
    ASSERT_TRUE(::CreateDirectoryA(a.c_str(), nullptr)) << ::GetLastError();
    std::string path = a + "\\B\\C\\D\\";
    EXPECT_EQ(files.CreateFolder(&path[0], 0, nullptr, 0), 0);
    EXPECT_FALSE(IsFolder(a + "\\B"));
    EXPECT_TRUE(IsFolder(a));
    // With the room given back, the same call succeeds up to the room there is.
    std::string one = a + "\\B\\";
    EXPECT_EQ(files.CreateFolder(&one[0], 0, nullptr, 0), 1);
    EXPECT_TRUE(::RemoveDirectoryA((a + "\\B").c_str()));
    EXPECT_TRUE(::RemoveDirectoryA(a.c_str()));
}

// Open access starts "cacls.exe" for the new tree on NT systems; a
// recorder named cacls.exe beside the program shows the command line.
TEST_F(FolderTest, OpenAccessGrantsEveryoneThroughCacls)
{
    std::string install = MakeFolder("install");
    HelperProgram recorder(install, "cacls.exe");
    std::string log = install + "cacls-log.txt";
    std::string target = root + "\\Open\\" + kHyou + "\\";
    {
        HelperProgram helper(install, "zr8files_app.exe");
        HelperResult run = helper.Run({"createfolder=" + target});
        EXPECT_EQ(run.Value("createfolder"), "1");
    }
    EXPECT_TRUE(IsFolder(root + "\\Open\\" + kHyou));
    ASSERT_TRUE(WaitForFile(log, 15000));
    ::Sleep(200);  // let the recorder finish its line
    EXPECT_EQ(ReadBytes(log),
              "cacls.exe \"" + root + "\\Open\\" + kHyou + "\" /T /E /G Everyone:F\n");
    ::DeleteFileA(log.c_str());

    // Not on Windows 98.
    std::string other = root + "\\Open98\\";
    {
        HelperProgram helper(install, "zr8files_win98.exe", "win98");
        HelperResult run = helper.Run({"createfolder=" + other});
        EXPECT_EQ(run.Value("createfolder"), "1");
    }
    EXPECT_TRUE(IsFolder(root + "\\Open98"));
    EXPECT_FALSE(WaitForFile(log, 1500));
}

TEST_F(FolderTest, FileTakesTheAccessRightsOfItsFolder)
{
    std::string folder = MakeFolder("shared");
    std::string file = folder + "data.txt";
    WriteBytes(file, "x");
    std::string before = Dacl(file);
    ASSERT_FALSE(before.empty());
    // Owner and Everyone may only read the folder (Wine keeps this as the
    // folder's Unix mode, which the file then takes over).
    ASSERT_TRUE(SetDacl(folder, "D:P(A;OICI;FR;;;WD)(A;OICI;FR;;;OW)"));
    std::string folderDacl = Dacl(folder);
    ASSERT_NE(folderDacl, before);

    // Windows 98 has no access rights: success, nothing changed.
    std::string install = MakeFolder("install");
    {
        HelperProgram helper(install, "zr8files_win98.exe", "win98");
        EXPECT_EQ(helper.Run({"setsecurity=" + file}).Value("setsecurity"), "1");
    }
    EXPECT_EQ(Dacl(file), before);

    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(&file[0]), 1);
    std::string after = Dacl(file);
    EXPECT_NE(after, before);
    SetDacl(folder, "D:(A;OICI;FA;;;WD)");  // so that the tree can be removed
    SetDacl(file, "D:(A;;FA;;;WD)");

    char empty[] = "";
    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(empty), 0);
    EXPECT_EQ(files.SetFileSecurityByOwnerFolder(nullptr), 0);
}

} // namespace
