// The folder and file tests' harness under Wine. The drives come from the
// CTest fixture tests/support/drives.sh: R: is a 64 KiB tmpfs; F:, G:, N:
// and O: are a floppy, a floppy without a medium, a network drive and a CD-ROM.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "support/CaughtFileException.h"
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
    return text;
}

// One registry value set for the lifetime of the object, then put back as
// it was: old data, or no value.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name, const std::string& data,
                        DWORD type = REG_SZ)
        : root_(root), key_(key), name_(name)
    {
        DWORD size = 0;
        existed_ = ::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr,
                                  &size) == ERROR_SUCCESS;
        old_.resize(size);
        existed_ = existed_ && ::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_,
                                              old_.data(), &size) == ERROR_SUCCESS;
        ::RegSetKeyValueA(root, key.c_str(), name.c_str(), type, data.c_str(), static_cast<DWORD>(data.size() + 1));
    }
    ~ScopedRegistryValue()
    {
        if (existed_)
            ::RegSetKeyValueA(root_, key_.c_str(), name_.c_str(), type_, old_.data(), static_cast<DWORD>(old_.size()));
        else
            ::RegDeleteKeyValueA(root_, key_.c_str(), name_.c_str());
    }

private:
    HKEY root_;
    std::string key_, name_;
    bool existed_ = false;
    std::vector<BYTE> old_;
    DWORD type_ = 0;
};
