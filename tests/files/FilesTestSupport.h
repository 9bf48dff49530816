// Support for the folder and file tests under Wine: registry values set for
// one test and put back afterwards, shell folders redirected into a
// temporary tree, and the helper program run as a separate process (under
// a chosen name, from a chosen install folder, with a chosen Windows
// version).
#pragma once

#include <map>
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

// Sets one registry value for the lifetime of the object and then puts
// back what was there (the old data, or no value at all). Keys it had to
// create are removed again.
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
    std::string key_;
    std::string name_;
    std::vector<std::string> createdKeys_;  // deepest last
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// Points the user's documents, the user's application data, the all-users
// application data and the all-users documents at sub-folders of a
// temporary folder (through "User Shell Folders", as the shell reads them),
// so that tests and the helper lay out application folders there.
class ShellFolderRedirect {
public:
    explicit ShellFolderRedirect(const std::string& root);
    ShellFolderRedirect(const ShellFolderRedirect&) = delete;
    ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;

    // Each ends in a backslash: root\Documents\, root\AppData\,
    // root\ProgramData\, root\Public\.
    std::string personal;
    std::string appData;
    std::string commonAppData;
    std::string commonDocuments;

    // Points one "User Shell Folders" value somewhere else (for example at
    // a folder that does not exist, so that the shell cannot locate it).
    void Point(int csidl, const std::string& folder);

private:
    std::vector<std::unique_ptr<ScopedRegistryValue>> values_;
};

// Result of a helper run: exit code and its standard output as lines.
struct HelperResult {
    DWORD exitCode = 0;
    std::vector<std::string> lines;
    std::string failure;  // why the helper did not start; empty when it did
    // The words after "key" on the first line that starts with "key ";
    // when there is none, "(no key: " + Report() + ")".
    std::string Value(const std::string& key) const;
    // Exit code, start failure and output, for assertion messages.
    std::string Report() const;
};

// A copy of zr8_files_helper.exe in a folder, under a chosen name. With a
// Windows version ("winxp", "win2k", "win98"), Wine reports that version to
// this copy only (HKCU\Software\Wine\AppDefaults\<name>\Version).
class HelperCopy {
public:
    HelperCopy(const std::string& folder, const std::string& name, const std::string& version = "");
    HelperCopy(const HelperCopy&) = delete;
    HelperCopy& operator=(const HelperCopy&) = delete;
    ~HelperCopy();

    const std::string& Path() const { return path_; }
    // Runs the copy with arguments, standard input closed, and waits.
    HelperResult Run(const std::vector<std::string>& arguments) const;

private:
    std::string path_;
    std::string failure_;  // set when the copy or its version setting failed
    std::unique_ptr<ScopedRegistryValue> version_;
};

// A helper started and left running: lines are read as it writes them;
// closing its input tells it to finish. The program finds the library's
// DLLs through PATH, which it gets with the test's folder in front (the
// test's own environment is left alone).
class RunningHelper {
public:
    RunningHelper(const std::string& program, const std::vector<std::string>& arguments);
    RunningHelper(const RunningHelper&) = delete;
    RunningHelper& operator=(const RunningHelper&) = delete;
    ~RunningHelper();

    bool Started() const { return process_ != nullptr; }
    // Why it did not start ("" when it did).
    const std::string& Failure() const { return failure_; }
    // The next line of output; false at the end of the output.
    bool ReadLine(std::string& line);
    void CloseInput();
    // Waits for the end (at most 30 s, then ends it); the exit code.
    DWORD Wait();

private:
    HANDLE process_ = nullptr;
    HANDLE input_ = nullptr;
    HANDLE output_ = nullptr;
    std::string pending_;
    std::string failure_;
};

// Waits up to timeoutMs for a file to appear.
bool WaitForFile(const std::string& path, DWORD timeoutMs);

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
