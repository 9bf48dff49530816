#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include <direct.h>

#include "support/FilesHarness.h"
#include "support/ImportPatch.h"
#include "files/CFileCopy.h"
#include "files/CGetDriveType.h"
#include "files/CLocalFile.h"
#include "files/CSemaFile.h"
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

TEST(CLocalFile, ReadsAndWritesWholeFiles)
{
    TempFolder temp;
    CLocalFile local;
    std::string name = temp.File(kHyou + ".dat"), data = Pattern(100000);
    auto* bytes = reinterpret_cast<unsigned char*>(&data[0]);
    EXPECT_EQ((std::tuple{local.WriteFile(name.c_str(), 1000, bytes), ReadBytes(name),
                          local.CheckFileExist(temp.File("*.dat").c_str()),
                          local.CheckFileExist(temp.File("*.txt").c_str())}),
              std::tuple(1, data.substr(0, 1000), 1, 0));
    std::vector<unsigned char> buffer(4000, 0xEE);
    long read = -1;
    EXPECT_EQ((std::tuple{local.ReadFile(name.c_str(), 4000, buffer.data(), &read), read,
                          std::string(buffer.begin(), buffer.begin() + 1001),
                          local.ReadFile(temp.File("missing").c_str(), 10, buffer.data(), &read)}),
              std::tuple(1, 1000L, data.substr(0, 1000) + "\xEE", 0));

    // The one failure that reaches the caller as an exception: a full disk.
    std::string big = kScratchDrive + "big.dat";
    EXPECT_EQ(FileExceptionOf([&] { local.WriteFile(big.c_str(), 100000, bytes); }),
              std::pair(int(CFileException::diskFull), big));
    EXPECT_TRUE(::DeleteFileA(big.c_str())) << "run through CTest: the scratch drive is mounted for it";
}

// Blocks of 32,000 bytes; each failure to open has its own code and leaves
// the destination alone; a full disk keeps what was written.
TEST(CFileCopy, CopiesInBlocksAndTellsFailuresApart)
{
    TempFolder temp;
    CFileCopy copier;
    std::string source = temp.File("source.dat"), destination = temp.File("copy.dat"), data = Pattern(100000);
    const std::pair<size_t, std::vector<DWORD>> copies[] = {{70000, {32000, 32000, 6000}}, {32000, {32000}}, {0, {}}};
    for (const auto& copy : copies) {
        WriteBytes(source, data.substr(0, copy.first));
        ImportPatch writes(::GetModuleHandleA("zr8afx.dll"), "kernel32.dll", "WriteFile",
                           reinterpret_cast<void*>(&RecordingWriteFile));
        g_writes.clear();
        EXPECT_EQ((std::tuple{copier.CopyFileA(&destination[0], &source[0]), g_writes, ReadBytes(destination)}),
                  std::tuple(0, copy.second, data.substr(0, copy.first)));
    }
    const struct { std::string from, to, heldOpen; short result; } rows[] = {
        {temp.File("missing.dat"), destination, "", -1231}, {source, destination, source, -1230},
        {temp.Path().string(), destination, "", -1232},  // a folder is no file
        {source, destination, destination, -1233}, {source, temp.File("no-folder\\copy.dat"), "", -1234}};
    for (auto row : rows) {
        WriteBytes(destination, "old");
        HANDLE held = ::CreateFileA(row.heldOpen.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(copier.CopyFileA(&row.to[0], &row.from[0]), row.result);
        ::CloseHandle(held);
        EXPECT_EQ(ReadBytes(destination), "old") << row.result;
    }
    // Drive R: holds 64 KiB: the copy stops there.
    WriteBytes(source, data);
    destination = kScratchDrive + "large.dat";
    EXPECT_EQ(copier.CopyFileA(&destination[0], &source[0]), -1050);
    std::string written = ReadBytes(destination);
    EXPECT_TRUE(written.size() >= 32000u && written.size() < data.size() && written == data.substr(0, written.size()));
    EXPECT_TRUE(::DeleteFileA(destination.c_str())) << "run through CTest: the scratch drive is mounted for it";
}

// DirOpe changes and restores the current folder; then every kind of drive:
// besides C: and Z: (the Unix root), the drives of the CTest fixture.
TEST(CGetDriveType, DirOpeChangesAndRestoresTheCurrentFolderThenEveryKindOfDrive)
{
    TempFolder temp;
    const std::filesystem::path start = std::filesystem::current_path();
    std::string folder = temp.Path().string() + "\\", hyou = folder + kHyou + "\\";
    ASSERT_TRUE(::CreateDirectoryA(hyou.c_str(), nullptr));
    std::string lower = folder;
    ::CharLowerA(&lower[0]);
    {
        DirOpe directory;
        // {path, result, drive after, get() after ("" to skip)}: a drive root
        // keeps its backslash, a bare or missing drive only switches the
        // drive, and 表 ends in a 0x5C trail byte but still gets a backslash.
        const struct { std::string path; int result, drive; std::string after; } rows[] = {
            {lower, 1, 3, folder}, {"C:\\", 1, 3, "C:\\"}, {"z:", 1, 26, ""}, {hyou, 1, 3, hyou},
            {folder + "missing", 0, 3, hyou}, {"Q:", 1, 3, hyou}, {"Q:\\DATA", 0, 3, hyou}};
        for (auto row : rows) {
            CString path(row.path.c_str());
            // The caller's text is left alone.
            EXPECT_EQ((std::tuple{directory.change(path), std::string(path), _getdrive()}),
                      std::tuple(row.result, row.path, row.drive));
            EXPECT_TRUE(row.after.empty() || directory.get().CompareNoCase(row.after.c_str()) == 0) << row.path;
        }
    }
    EXPECT_EQ(std::filesystem::current_path(), start);

    // check: of DirOpe, 0 for a floppy without a medium.
    const struct { char letter; UINT system; short kind, check; } drives[] = {
        {'C', DRIVE_FIXED, 2, 1}, {'Z', DRIVE_FIXED, 2, 1}, {'Q', DRIVE_NO_ROOT_DIR, 4, 1},
        {'F', DRIVE_REMOVABLE, 1, 1}, {'G', DRIVE_REMOVABLE, 1, 0}, {'N', DRIVE_REMOTE, 3, 1},
        {'O', DRIVE_CDROM, 4, 1}};
    CGetDriveType types;
    DirOpe directory;
    for (const auto& drive : drives) {
        std::string lower = std::string(1, static_cast<char>(drive.letter - 'A' + 'a')) + ":\\data";
        ASSERT_EQ(::GetDriveTypeA((drive.letter + std::string(":\\")).c_str()), drive.system) << drive.letter;
        CString path(lower.c_str());
        EXPECT_EQ(std::make_tuple(types.GetDriveTypeA(static_cast<short>(drive.letter)),
                                  types.GetDriveTypeA(lower.c_str()), directory.CheckDrive(path)),
                  std::make_tuple(drive.kind, drive.kind, drive.check)) << drive.letter;
    }
    // A lead byte is no drive letter.
    EXPECT_EQ(
        std::make_pair(types.GetDriveTypeA(kHyou.c_str()), types.GetDriveTypeA(static_cast<const char*>(nullptr))),
        std::make_pair(short(4), short(4)));
    CString root("C:\\");
    ASSERT_EQ(directory.change(root), 1);
    EXPECT_EQ(types.GetCurrentDriveType(), 2);
    for (const char* text : {"1:\\data", "", "\\\\server\\share"}) {
        CString path(text);
        EXPECT_EQ(directory.CheckDrive(path), text[0] == '\\' ? 1 : -1) << text;
    }
}

// The lock file holds "computer:user"; an empty one is free. CSemaFile
// holds no handle on it: what another process sees is the record alone.
TEST(CSemaFileTest, LockWritesTheRecordCheckReadsIt)
{
    TempFolder temp;
    std::string lock = temp.File("DATA.SEM"), second = temp.File("OTHER.SEM");
    std::string nowhere = temp.File("no-such-folder\\DATA.SEM");
    char computerName[16] = "", userName[257] = "";
    DWORD computerSize = sizeof computerName, userSize = sizeof userName;
    ASSERT_TRUE(::GetComputerNameA(computerName, &computerSize) && ::GetUserNameA(userName, &userSize));
    const std::string computer = computerName, user = userName, own = computer + ":" + user;
    {
        CSemaFile semaphore;
        // A missing file.
        EXPECT_EQ((std::tuple{semaphore.CheckFile(lock.c_str()), IsFile(lock), semaphore.CheckFile("")}),
                  std::tuple(-3, false, -1));
        // 15 bytes of computer name are a name, 16 are not a record; no user is free.
        const std::pair<std::string, int> records[] = {
            {"", 0}, {"no colon at all", 0}, {own, 0}, {computer + ":someone-else", -7}, {"OTHERPC:" + user, -7},
            {computer + ":", 0}, {std::string(15, 'C') + ":" + user, -7}, {std::string(16, 'C') + ":" + user, -6},
            {"PC:" + std::string(256, 'u'), -7}, {"PC:" + std::string(257, 'u'), -6}};
        for (const auto& record : records) {
            WriteBytes(lock, record.first);
            EXPECT_EQ(semaphore.CheckFile(lock.c_str()), record.second) << record.first;
        }
        // Unlocking holds nothing yet; a second lock releases the first, even when it fails.
        EXPECT_EQ((std::tuple{semaphore.UnlockFile(), semaphore.LockFile(lock.c_str()), ReadBytes(lock),
                              std::string(semaphore.GetLockedPath())}), std::tuple(0, 0, own, lock));
        EXPECT_EQ((std::tuple{semaphore.LockFile(second.c_str()), ReadBytes(lock), ReadBytes(second)}),
                  std::tuple(0, "", own));
        EXPECT_EQ((std::tuple{semaphore.LockFile(nowhere.c_str()), ReadBytes(second),
                              std::string(semaphore.GetLockedPath())}), std::tuple(-5, "", ""));
        EXPECT_EQ((std::tuple{semaphore.LockFile(second.c_str()), semaphore.UnlockFile(), ReadBytes(second),
                              std::string(semaphore.GetLockedPath()), semaphore.LockFile(nullptr)}),
                  std::tuple(0, 0, "", "", -1));
        // Creating a lock file empties it.
        WriteBytes(lock, own);
        EXPECT_EQ((std::tuple{semaphore.CreateFileA(lock.c_str()), ReadBytes(lock), semaphore.LockFile(lock.c_str())}),
                  std::tuple(0, "", 0));
    }
    // Destroyed while holding: released, the files stay.
    EXPECT_TRUE(IsFile(lock) && IsFile(second) && ReadBytes(lock).empty());
}

} // namespace
