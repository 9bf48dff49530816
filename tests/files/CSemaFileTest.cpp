#include <gtest/gtest.h>

#include <string>

#include "support/FilesHarness.h"
#include "files/CSemaFile.h"

namespace {

const char kComputerKey[] = "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";

std::string ComputerName()
{
    char name[16] = {};
    DWORD size = sizeof name;
    ::GetComputerNameA(name, &size);
    return name;
}

std::string UserName()
{
    char name[257] = {};
    DWORD size = sizeof name;
    ::GetUserNameA(name, &size);
    return name;
}

class CSemaFileTest : public ::testing::Test {
protected:
    std::string Own() const { return ComputerName() + ":" + UserName(); }

    TempFolder temp;
    std::string lock = temp.File("DATA.SEM");
};

TEST_F(CSemaFileTest, CheckReadsTheRecord)
{
    CSemaFile semaphore;
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -3);  // missing
    EXPECT_FALSE(IsFile(lock));
    EXPECT_EQ(semaphore.CheckFile(nullptr), -1);
    EXPECT_EQ(semaphore.CheckFile(""), -1);

    WriteBytes(lock, "");
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
    WriteBytes(lock, "no colon at all");
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
    WriteBytes(lock, Own());
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
    WriteBytes(lock, ComputerName() + ":someone-else");
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -7);
    WriteBytes(lock, "OTHERPC:" + UserName());
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -7);
    WriteBytes(lock, ComputerName() + ":");  // no user: free
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
    // 15 bytes of computer name are a name, 16 are not a record.
    WriteBytes(lock, std::string(15, 'C') + ":" + UserName());
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -7);
    WriteBytes(lock, std::string(16, 'C') + ":" + UserName());
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -6);
    WriteBytes(lock, "PC:" + std::string(256, 'u'));
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -7);
    WriteBytes(lock, "PC:" + std::string(257, 'u'));
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -6);
}

TEST_F(CSemaFileTest, LockWritesTheRecordAndUnlockEmptiesIt)
{
    {
        CSemaFile semaphore;
        EXPECT_EQ(semaphore.UnlockFile(), 0);  // holds nothing
        ASSERT_EQ(semaphore.LockFile(lock.c_str()), 0);
        EXPECT_EQ(ReadBytes(lock), Own());
        EXPECT_STREQ(semaphore.GetLockedPath(), lock.c_str());
        EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);

        // A second lock releases the first.
        std::string second = temp.File("OTHER.SEM");
        ASSERT_EQ(semaphore.LockFile(second.c_str()), 0);
        EXPECT_TRUE(IsFile(lock));
        EXPECT_EQ(ReadBytes(lock), "");
        EXPECT_EQ(ReadBytes(second), Own());
        ASSERT_EQ(semaphore.UnlockFile(), 0);
        EXPECT_TRUE(IsFile(second));
        EXPECT_EQ(ReadBytes(second), "");
        EXPECT_STREQ(semaphore.GetLockedPath(), "");

        ASSERT_EQ(semaphore.LockFile(lock.c_str()), 0);
    }
    // Destroyed while holding: released.
    EXPECT_TRUE(IsFile(lock));
    EXPECT_EQ(ReadBytes(lock), "");
}

TEST_F(CSemaFileTest, FailuresAndTheLockedPath)
{
    CSemaFile semaphore;
    ASSERT_EQ(semaphore.LockFile(lock.c_str()), 0);
    std::string nowhere = temp.File("no-such-folder\\DATA.SEM");
    EXPECT_EQ(semaphore.LockFile(nowhere.c_str()), -5);
    EXPECT_EQ(ReadBytes(lock), "");  // the earlier lock was released first
    EXPECT_STREQ(semaphore.GetLockedPath(), "");
    EXPECT_EQ(semaphore.LockFile(nullptr), -1);
    EXPECT_EQ(semaphore.CreateFileA(""), -1);
    EXPECT_EQ(semaphore.CreateFileA(nowhere.c_str()), -5);

    // Forgetting a path touches no file.
    WriteBytes(lock, Own());
    semaphore.SetLockedPath(lock.c_str());
    EXPECT_STREQ(semaphore.GetLockedPath(), lock.c_str());
    semaphore.SetLockedPath(nullptr);
    EXPECT_EQ(semaphore.UnlockFile(), 0);
    EXPECT_EQ(ReadBytes(lock), Own());

    EXPECT_EQ(semaphore.CreateFileA(lock.c_str()), 0);
    EXPECT_EQ(ReadBytes(lock), "");
    std::string fresh = temp.File("NEW.SEM");
    EXPECT_EQ(semaphore.CreateFileA(fresh.c_str()), 0);
    EXPECT_TRUE(IsFile(fresh));
    EXPECT_EQ(ReadBytes(fresh), "");

    // Held open by someone who refuses readers: cannot be checked.
    HANDLE held = ::CreateFileA(lock.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -3);
    ::CloseHandle(held);
}

// A second process, started while the computer is called OTHERPC, holds
// the lock; this process sees it as taken until that process lets go.
TEST_F(CSemaFileTest, LockHeldByAnotherProcess)
{
    std::string install = temp.Path().string();
    HelperProgram holder(install, "zr8files_lock.exe");
    {
        ScopedRegistryValue computer(HKEY_LOCAL_MACHINE, kComputerKey, "ComputerName");
        ASSERT_TRUE(computer.Set(REG_SZ, "OTHERPC"));
        ASSERT_TRUE(holder.Start({"lock=" + lock})) << holder.Failure();
        std::string line;
        ASSERT_TRUE(holder.ReadLine(line));
        EXPECT_EQ(line, "lock 0");
    }
    ASSERT_NE(ComputerName(), "OTHERPC");
    EXPECT_EQ(ReadBytes(lock), "OTHERPC:" + UserName());
    CSemaFile semaphore;
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), -7);

    EXPECT_EQ(holder.Finish(), 0u);
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
    EXPECT_TRUE(IsFile(lock));
    EXPECT_EQ(ReadBytes(lock), "");
}

// A process of this computer and user that ended without unlocking left
// its record behind: the same computer and user may go on.
TEST_F(CSemaFileTest, StaleLockOfThisUserIsAccepted)
{
    HelperProgram helper(temp.Path().string(), "zr8files_crash.exe");
    HelperResult run = helper.Run({"stale-lock=" + lock});
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_EQ(run.Value("lock"), "0");
    EXPECT_EQ(ReadBytes(lock), Own());
    CSemaFile semaphore;
    EXPECT_EQ(semaphore.CheckFile(lock.c_str()), 0);
}

} // namespace
