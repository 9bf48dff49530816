// The folder and file tests' harness under Wine: registry values set for a
// test and put back, and the helper program run as a second process. The
// drives come from the CTest fixture tests/support/drives.sh: R: is a 64 KiB
// tmpfs; F:, G:, N: and O: are a floppy, a floppy without a medium, a
// network drive and a CD-ROM.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "support/TempFolder.h"

// 表 and ソ: double-byte characters whose trail byte is 0x5C.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kScratchDrive = "R:\\";

// The folder of the running test executable, ending in a backslash.
inline std::string BinFolder()
{
    char path[MAX_PATH];
    std::string folder(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.rfind('\\') + 1);
}

// INVALID_FILE_ATTRIBUTES has the directory bit set too.
inline bool IsFile(const std::string& path)
{
    return (::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

inline bool IsFolder(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES && !IsFile(path);
}

// The text of a file once it has any, waiting up to timeoutMs ("" if none by then).
inline std::string WaitForText(const std::string& path, DWORD timeoutMs)
{
    std::string text = ReadBytes(path);
    for (DWORD start = ::GetTickCount(); text.empty() && ::GetTickCount() - start < timeoutMs; text = ReadBytes(path))
        ::Sleep(50);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// One registry value (of a key that exists) set for the lifetime of the
// object, then put back as it was: old data, or no value.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name, const std::string& data,
                        DWORD type = REG_SZ)
        : root_(root), key_(key), name_(name), data_(4096)
    {
        DWORD bytes = 4096;
        existed_ = ::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_, data_.data(),
                                  &bytes) == ERROR_SUCCESS;
        data_.resize(bytes);
        ::RegSetKeyValueA(root, key.c_str(), name.c_str(), type, data.c_str(), static_cast<DWORD>(data.size() + 1));
    }
    ~ScopedRegistryValue()
    {
        if (existed_)
            ::RegSetKeyValueA(root_, key_.c_str(), name_.c_str(), type_, data_.data(), DWORD(data_.size()));
        else
            ::RegDeleteKeyValueA(root_, key_.c_str(), name_.c_str());
    }

private:
    HKEY root_;
    std::string key_, name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// Runs zr8_files_helper.exe copied into folder (ending in a backslash) under
// a name of its own, Wine reporting the Windows version ("winxp", "win98";
// "" for its default) to that copy only, with a list of steps; returns what it
// printed, one "step result..." line per step. The output goes to a new
// file beside the tests, outside the test's tree: a program the library
// starts may hold it open for a while after the helper ended.
inline std::string RunHelper(const std::string& folder, const std::vector<std::string>& steps,
                             const std::string& version = "")
{
    static int runs = 0;
    const std::string name = "zr8files_" + (version.empty() ? std::string("app") : version) + ".exe";
    const std::string path = folder + name, versionKey = "Software\\Wine\\AppDefaults\\" + name;
    const std::string output = BinFolder() + "zr8files-" + std::to_string(::GetCurrentProcessId()) + "-" +
                               std::to_string(++runs);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, versionKey.c_str());
    if (!version.empty())
        ::RegSetKeyValueA(HKEY_CURRENT_USER, versionKey.c_str(), "Version", REG_SZ, version.c_str(),
                          static_cast<DWORD>(version.size() + 1));
    ::CopyFileA((BinFolder() + "zr8_files_helper.exe").c_str(), path.c_str(), FALSE);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = ::CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherit,
                                       CREATE_ALWAYS, 0, nullptr);
    // Each argument quoted; backslashes before the closing quote are doubled.
    std::string line = "\"" + path + "\"";
    for (const std::string& step : steps)
        line += " \"" + step + std::string(step.size() - step.find_last_not_of('\\') - 1, '\\') + "\"";
    // Now and then Wine's new process dies in its own start-up, before the
    // program runs (ERROR_INTERNAL_ERROR): start again. It starts beside the
    // tests, where it finds the library's DLLs.
    PROCESS_INFORMATION info = {};
    for (int attempt = 0; attempt < 3 && info.hProcess == nullptr; ++attempt) {
        if (!::CreateProcessA(path.c_str(), &std::string(line)[0], nullptr, nullptr, TRUE, 0, nullptr,
                              BinFolder().c_str(), &startup, &info))
            ::Sleep(200);
    }
    ::CloseHandle(startup.hStdOutput);
    if (::WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(info.hProcess, 0xDEAD);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
    std::string text = WaitForText(output, 0);
    ::DeleteFileA(output.c_str());
    ::DeleteFileA(path.c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, versionKey.c_str());
    return text;
}
