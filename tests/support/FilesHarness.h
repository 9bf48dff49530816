// The folder and file tests' harness under Wine: registry values set for a
// test and put back, shell folders pointed into a temporary tree, and the
// helper program run as a second process. The drives come from the CTest
// fixture tests/support/drives.sh: R: is a 64 KiB tmpfs; F:, G:, N: and O:
// are a floppy, a floppy without a medium, a network drive and a CD-ROM.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "files/CValueMgr.h"
#include "support/TempFolder.h"

// 表 and ソ: double-byte characters whose trail byte is 0x5C.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kScratchDrive = "R:\\";

// The folder of the running test executable, ending in a backslash.
std::string BinFolder();
bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
// The text of a file once it has any, waiting up to timeoutMs ("" if none by then).
std::string WaitForText(const std::string& path, DWORD timeoutMs);

// One registry value (of a key that exists) set for the lifetime of the
// object, then put back as it was: old data, or no value.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name, const std::string& data,
                        DWORD type = REG_SZ);
    ~ScopedRegistryValue();

    bool set = false;

private:
    HKEY root_;
    std::string key_, name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// zr8_files_helper.exe copied into folder under name, with Wine reporting
// the Windows version ("winxp", "win98"; "" for its default) to that copy
// only (its own key under AppDefaults, removed again). Start runs it with a list of steps; Finish closes its input (a
// helper holding a lock lets go then), waits at most 30 s and returns what
// it printed, one "step result..." line per step.
class Helper {
public:
    Helper(const std::string& folder, const std::string& name, const std::string& version = "");
    ~Helper();

    void Start(const std::vector<std::string>& steps);
    std::string Finish();
    std::string Run(const std::vector<std::string>& steps)
    {
        Start(steps);
        return Finish();
    }
    // What it printed so far, waiting up to 30 s for a first line.
    std::string Output() const { return WaitForText(output_, 30000); }

    DWORD exitCode = 0xFFFFFFFF;

private:
    std::string path_, versionKey_, output_;
    HANDLE process_ = nullptr;
    HANDLE input_ = nullptr;
};

// A test with its own folder tree, the shell folders pointed into it (the
// user's Documents and AppData, the all-users ProgramData and Public) and a
// fresh folder manager (product 0, normal mode) that is released afterwards.
class FolderTreeTest : public ::testing::Test {
protected:
    FolderTreeTest();
    ~FolderTreeTest() override;

    // A sub-folder of the tree (created), ending in a backslash.
    std::string MakeFolder(const std::string& name) const;
    // Points a shell folder ("Personal", "AppData", "Common AppData" or
    // "Common Documents") at a missing folder until the test ends; returns that folder.
    std::string PointAtMissing(const std::string& value);

    TempFolder temp;
    std::string root = temp.Path().string();
    std::string personal = MakeFolder("Documents");
    std::string appData = MakeFolder("AppData");
    std::string commonAppData = MakeFolder("ProgramData");
    std::string commonDocuments = MakeFolder("Public");
    std::vector<std::unique_ptr<ScopedRegistryValue>> shell;
    CValueMgr* values = CValueMgr::Instance();
};
