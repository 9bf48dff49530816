// The folder and file tests' harness under Wine: registry values set for a
// test and put back, shell folders pointed into a temporary tree, and the
// helper program run as a second process (a renamed copy, so that Wine can
// report another Windows version to it; left running when it must hold a
// lock). The drives these tests need come from the CTest fixture
// tests/support/drives.sh.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "files/CValueMgr.h"
#include "support/TempFolder.h"

// The folder of the running test executable, ending in a backslash.
std::string BinFolder();
bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
// Waits up to timeoutMs for a file to appear.
bool WaitForFile(const std::string& path, DWORD timeoutMs);

// One registry value set for the lifetime of the object, then put back as
// it was (old data, or no value); keys created for it are removed again.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name);
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
    ~ScopedRegistryValue();

    bool Set(DWORD type, const std::string& data);
    bool Remove();

private:
    HKEY root_;
    std::string key_, name_;
    std::vector<std::string> createdKeys_;  // deepest last
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// The user's documents and application data and the all-users application
// data and documents, pointed at root\Documents\, root\AppData\,
// root\ProgramData\ and root\Public\ (through "User Shell Folders").
class ShellFolderRedirect {
public:
    explicit ShellFolderRedirect(const std::string& root);

    std::string personal, appData, commonAppData, commonDocuments;  // each ends in a backslash
    // Points one of them somewhere else (a missing folder: the shell cannot locate it).
    void Point(int csidl, const std::string& folder);

private:
    std::vector<std::unique_ptr<ScopedRegistryValue>> values_;
};

// What a helper run printed: one "key words..." line per step.
struct HelperResult {
    DWORD exitCode = 0;
    std::vector<std::string> lines;
    std::string failure;  // why the helper did not start; empty when it did
    // The words after "key" on the first line starting "key "; else a report.
    std::string Value(const std::string& key) const;
    std::string Report() const;
};

// zr8_files_helper.exe copied into folder under name, with Wine reporting
// the Windows version ("winxp", "win2k", "win98"; "" for the default) to
// that copy only. Run starts it, closes its input and collects its output;
// Start leaves it running (reading lines as it writes them) until Finish,
// which closes its input and waits at most 30 s.
class HelperProgram {
public:
    HelperProgram(const std::string& folder, const std::string& name, const std::string& version = "");
    HelperProgram(const HelperProgram&) = delete;
    HelperProgram& operator=(const HelperProgram&) = delete;
    ~HelperProgram();

    HelperResult Run(const std::vector<std::string>& arguments);
    bool Start(const std::vector<std::string>& arguments);
    bool ReadLine(std::string& line);
    DWORD Finish();
    const std::string& Failure() const { return failure_; }

private:
    std::string path_, failure_, pending_;
    std::unique_ptr<ScopedRegistryValue> version_;
    HANDLE process_ = nullptr, input_ = nullptr, output_ = nullptr;
};

// A test with its own folder tree, the shell folders pointed into it and a
// fresh folder manager (product 0, normal mode) that is released afterwards.
class FolderTreeTest : public ::testing::Test {
protected:
    FolderTreeTest();
    ~FolderTreeTest() override;

    // A sub-folder of the tree (created), ending in a backslash.
    std::string MakeFolder(const std::string& name) const;

    TempFolder temp;
    std::string root;  // the tree, without a trailing backslash
    ShellFolderRedirect shell;
    CValueMgr* values;
};
