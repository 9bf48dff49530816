#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <direct.h>

#include "support/FilesHarness.h"
#include "support/ImportPatch.h"
#include "files/CFileCopy.h"
#include "files/CGetDriveType.h"
#include "files/CLocalFile.h"
#include "files/DirOpe.h"

namespace {

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 251) & 0xFF);
    return bytes;
}

// The sizes the framework's file class writes, in order.
std::vector<DWORD> g_writes;

BOOL WINAPI RecordingWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped)
{
    g_writes.push_back(size);
    return ::WriteFile(file, data, size, written, overlapped);
}

std::string ScratchDrive()
{
    const char* letter = std::getenv("ZR8_SCRATCH_DRIVE");
    return letter != nullptr ? std::string(letter) + ":\\" : "";
}

std::string CurrentDirectory()
{
    char buffer[MAX_PATH];
    return _getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

TEST(CLocalFile, ReadsAndWritesWholeFiles)
{
    TempFolder temp;
    CLocalFile local;
    std::string name = temp.File("\x95\x5C.dat");  // 表.dat
    std::string data = Pattern(1000);
    EXPECT_EQ(local.WriteFile(name.c_str(), 1000, reinterpret_cast<unsigned char*>(&data[0])), 1);
    EXPECT_EQ(ReadBytes(name), data);
    EXPECT_EQ(local.CheckFileExist(name.c_str()), 1);
    EXPECT_EQ(local.CheckFileExist(temp.File("*.dat").c_str()), 1);
    EXPECT_EQ(local.CheckFileExist(temp.File("*.txt").c_str()), 0);

    std::vector<unsigned char> buffer(4000, 0xEE);
    long read = -1;
    ASSERT_EQ(local.ReadFile(name.c_str(), 4000, buffer.data(), &read), 1);
    EXPECT_EQ(read, 1000);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 1000), data);
    EXPECT_EQ(buffer[1000], 0xEE);
    ASSERT_EQ(local.ReadFile(name.c_str(), 10, buffer.data(), &read), 1);
    EXPECT_EQ(read, 10);

    // Opened exclusively: a file someone else has open cannot be read.
    HANDLE held = ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    read = -1;
    EXPECT_EQ(local.ReadFile(name.c_str(), 10, buffer.data(), &read), 0);
    EXPECT_EQ(read, -1);
    EXPECT_EQ(local.WriteFile(name.c_str(), 3, buffer.data()), 0);
    ::CloseHandle(held);
    EXPECT_EQ(ReadBytes(name), data);
    EXPECT_EQ(local.ReadFile(temp.File("missing").c_str(), 10, buffer.data(), &read), 0);
}

// The one failure that reaches the caller as an exception.
TEST(CLocalFile, WriteOnAFullDiskThrows)
{
    std::string drive = ScratchDrive();
    ASSERT_FALSE(drive.empty()) << "run through CTest: the scratch drive is mounted for it";
    std::string name = drive + "big.dat";
    std::string data = Pattern(100000);
    CLocalFile local;
    int cause = -1;
    try {
        local.WriteFile(name.c_str(), 100000, reinterpret_cast<unsigned char*>(&data[0]));
        ADD_FAILURE() << "no exception";
    } catch (CFileException* error) {
        cause = error->m_cause;
        error->Delete();
    }
    EXPECT_EQ(cause, CFileException::diskFull);
    EXPECT_TRUE(::DeleteFileA(name.c_str()));
}

TEST(CFileCopy, CopiesInBlocks)
{
    TempFolder temp;
    CFileCopy copier;
    std::string source = temp.File("source.dat");
    std::string destination = temp.File("copy.dat");
    std::string data = Pattern(70000);
    WriteBytes(source, data);
    {
        ImportPatch writes(::GetModuleHandleA("zr8afx.dll"), "kernel32.dll", "WriteFile",
                           reinterpret_cast<void*>(&RecordingWriteFile));
        ASSERT_TRUE(writes.Ok());
        g_writes.clear();
        EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), 0);
        EXPECT_EQ(g_writes, (std::vector<DWORD> {32000, 32000, 6000}));
    }
    EXPECT_EQ(ReadBytes(destination), data);
    EXPECT_EQ(ReadBytes(source), data);

    // Exactly one block, and an empty file.
    WriteBytes(source, data.substr(0, 32000));
    EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), 0);
    EXPECT_EQ(ReadBytes(destination), data.substr(0, 32000));
    WriteBytes(source, "");
    EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), 0);
    EXPECT_TRUE(IsFile(destination));
    EXPECT_EQ(ReadBytes(destination), "");
}

TEST(CFileCopy, TellsOpenFailuresApart)
{
    TempFolder temp;
    CFileCopy copier;
    std::string source = temp.File("source.dat");
    std::string destination = temp.File("copy.dat");
    std::string missing = temp.File("missing.dat");
    EXPECT_EQ(copier.CopyFileA(&destination[0], &missing[0]), -1231);
    EXPECT_FALSE(IsFile(destination));

    WriteBytes(source, "payload");
    {
        HANDLE held = ::CreateFileA(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), -1230);
        ::CloseHandle(held);
    }
    EXPECT_FALSE(IsFile(destination));
    std::string folder = temp.Path().string();
    EXPECT_EQ(copier.CopyFileA(&destination[0], &folder[0]), -1232);  // a folder is no file

    WriteBytes(destination, "old");
    {
        HANDLE held = ::CreateFileA(destination.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), -1233);
        ::CloseHandle(held);
    }
    EXPECT_EQ(ReadBytes(destination), "old");
    std::string nowhere = temp.File("no-folder\\copy.dat");
    EXPECT_EQ(copier.CopyFileA(&nowhere[0], &source[0]), -1234);
}

// Drive R: holds 64 KiB: the copy stops with a full disk and leaves what
// it wrote.
TEST(CFileCopy, FullDisk)
{
    std::string drive = ScratchDrive();
    ASSERT_FALSE(drive.empty()) << "run through CTest: the scratch drive is mounted for it";
    TempFolder temp;
    std::string source = temp.File("large.dat");
    std::string data = Pattern(100000);
    WriteBytes(source, data);
    std::string destination = drive + "large.dat";
    CFileCopy copier;
    EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), -1050);
    std::string written = ReadBytes(destination);
    EXPECT_GE(written.size(), 32000u);
    EXPECT_LT(written.size(), data.size());
    EXPECT_EQ(written, data.substr(0, written.size()));
    EXPECT_TRUE(::DeleteFileA(destination.c_str()));
}

TEST(DirOpe, ChangesAndRestoresTheCurrentFolder)
{
    TempFolder temp;
    std::string start = CurrentDirectory();
    std::string folder = temp.Path().string();
    std::string lower = folder;
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    {
        DirOpe directory;
        CString target((lower + "\\").c_str());
        ASSERT_EQ(directory.change(target), 1);
        EXPECT_STREQ(target, (lower + "\\").c_str());  // the caller's text is left alone
        EXPECT_EQ(_getdrive(), 3);
        EXPECT_EQ(CString(CurrentDirectory().c_str()).CompareNoCase(folder.c_str()), 0);
        CString got = directory.get();
        EXPECT_EQ(got.CompareNoCase((folder + "\\").c_str()), 0);

        CString root("C:\\");
        ASSERT_EQ(directory.change(root), 1);
        EXPECT_STREQ(directory.get(), "C:\\");
        EXPECT_EQ(CurrentDirectory(), "C:\\");

        // A bare drive only switches the drive.
        CString zDrive("z:");
        ASSERT_EQ(directory.change(zDrive), 1);
        EXPECT_EQ(_getdrive(), 26);

        // A folder named 表 ends in a 0x5C trail byte: get() still adds the backslash.
        std::string hyou = folder + "\\\x95\x5C";
        ASSERT_TRUE(::CreateDirectoryA(hyou.c_str(), nullptr));
        CString withTrail((hyou + "\\").c_str());
        ASSERT_EQ(directory.change(withTrail), 1);
        EXPECT_EQ(directory.get().CompareNoCase((hyou + "\\").c_str()), 0);

        CString missing((folder + "\\missing").c_str());
        EXPECT_EQ(directory.change(missing), 0);
        // A missing drive: only a directory change is reported.
        CString badDrive("Q:");
        EXPECT_EQ(directory.change(badDrive), 1);
        EXPECT_EQ(_getdrive(), 3);
        CString badFolder("Q:\\DATA");
        EXPECT_EQ(directory.change(badFolder), 0);
    }
    EXPECT_EQ(CurrentDirectory(), start);
}

TEST(DirOpe, CheckDrive)
{
    DirOpe directory;
    CString digit("1:\\data");
    EXPECT_EQ(directory.CheckDrive(digit), -1);
    CString empty("");
    EXPECT_EQ(directory.CheckDrive(empty), -1);
    CString network("\\\\server\\share");
    EXPECT_EQ(directory.CheckDrive(network), 1);
    CString fixed("c:\\windows");
    EXPECT_EQ(directory.CheckDrive(fixed), 1);
    CString absent("Q:\\");
    EXPECT_EQ(directory.CheckDrive(absent), 1);  // not removable
}

TEST(CGetDriveType, KindsOfDrives)
{
    CGetDriveType drives;
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('C')), 2);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('c')), 2);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('Z')), 2);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('1')), 4);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('[')), 4);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<short>('Q')), 4);  // no such drive
    const char* path = "c:\\windows";
    EXPECT_EQ(drives.GetDriveTypeA(path), 2);
    char text[] = "\x95\x5C";  // a lead byte is no drive letter
    EXPECT_EQ(drives.GetDriveTypeA(text), 4);
    EXPECT_EQ(drives.GetDriveTypeA(static_cast<const char*>(nullptr)), 4);

    DirOpe directory;
    CString c("C:\\");
    ASSERT_EQ(directory.change(c), 1);
    EXPECT_EQ(drives.GetCurrentDriveType(), 2);
}

// The drives of the CTest fixture: a floppy with a medium, a floppy without
// one, a network drive and a CD-ROM (Wine types them from its registry).
TEST(CGetDriveType, EveryKindOfDrive)
{
    const char* letters = std::getenv("ZR8_TYPED_DRIVES");
    ASSERT_TRUE(letters != nullptr && std::strlen(letters) == 4) << "run through CTest: the drives are typed for it";
    const struct {
        UINT system;
        short kind;
        short check;
    } drives[] = {{DRIVE_REMOVABLE, 1, 1}, {DRIVE_REMOVABLE, 1, 0}, {DRIVE_REMOTE, 3, 1}, {DRIVE_CDROM, 4, 1}};
    CGetDriveType types;
    DirOpe directory;
    for (int i = 0; i < 4; ++i) {
        char lower = static_cast<char>(letters[i] - 'A' + 'a'), root[] = {letters[i], ':', '\\', '\0'};
        ASSERT_EQ(::GetDriveTypeA(root), drives[i].system) << root << ": the fixture did not type it";
        EXPECT_EQ(types.GetDriveTypeA(static_cast<short>(letters[i])), drives[i].kind) << root;
        EXPECT_EQ(types.GetDriveTypeA(static_cast<short>(lower)), drives[i].kind) << root;
        CString path((std::string(1, lower) + ":\\data").c_str());
        EXPECT_EQ(directory.CheckDrive(path), drives[i].check) << root;
    }
}

} // namespace
