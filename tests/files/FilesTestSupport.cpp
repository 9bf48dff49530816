#include "FilesTestSupport.h"

#include <cstdio>
#include <cstring>

#include <shlobj.h>

namespace {

const char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kHelperName[] = "zr8_files_helper.exe";

struct RedirectedFolder {
    int csidl;
    HKEY root;
    const char* value;
    const char* subFolder;
};

const RedirectedFolder kRedirected[] = {
    {CSIDL_PERSONAL, HKEY_CURRENT_USER, "Personal", "Documents"},
    {CSIDL_APPDATA, HKEY_CURRENT_USER, "AppData", "AppData"},
    {CSIDL_COMMON_APPDATA, HKEY_LOCAL_MACHINE, "Common AppData", "ProgramData"},
    {CSIDL_COMMON_DOCUMENTS, HKEY_LOCAL_MACHINE, "Common Documents", "Public"},
};

// Quotes each argument. The run-time library splits the command line byte
// by byte: backslashes before the closing quote are doubled, including a
// 0x5C trail byte (so "...\x95\x5C\\" arrives whole).
std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        size_t backslashes = argument.size() - argument.find_last_not_of('\\') - 1;
        line += " \"" + argument + std::string(backslashes, '\\') + "\"";
    }
    return line;
}

} // namespace

std::string BinFolder()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// ------------------------------------------------------ ScopedRegistryValue

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name)
    : root_(root), key_(key), name_(name)
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    DWORD bytes = 0;
    if (::RegQueryValueExA(handle, name_.c_str(), nullptr, &type_, nullptr, &bytes) == ERROR_SUCCESS) {
        data_.resize(bytes);
        existed_ = ::RegQueryValueExA(handle, name_.c_str(), nullptr, &type_, data_.data(), &bytes) ==
                   ERROR_SUCCESS;
        data_.resize(bytes);
    }
    ::RegCloseKey(handle);
}

ScopedRegistryValue::~ScopedRegistryValue()
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS) {
        if (existed_)
            ::RegSetValueExA(handle, name_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
        else
            ::RegDeleteValueA(handle, name_.c_str());
        ::RegCloseKey(handle);
    }
    for (auto key = createdKeys_.rbegin(); key != createdKeys_.rend(); ++key)
        ::RegDeleteKeyA(root_, key->c_str());
}

bool ScopedRegistryValue::Set(DWORD type, const std::string& data)
{
    // Create the missing keys one level at a time, to remove them later.
    size_t position = 0;
    while (position != std::string::npos) {
        position = key_.find('\\', position + 1);
        std::string partial = key_.substr(0, position);
        HKEY probe = nullptr;
        if (::RegOpenKeyExA(root_, partial.c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS) {
            ::RegCloseKey(probe);
            continue;
        }
        HKEY created = nullptr;
        if (::RegCreateKeyExA(root_, partial.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                              nullptr) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(created);
        createdKeys_.push_back(partial);
    }
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    LONG status = ::RegSetValueExA(handle, name_.c_str(), 0, type,
                                   reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>(data.size() + 1));
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool ScopedRegistryValue::Remove()
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return true;
    LONG status = ::RegDeleteValueA(handle, name_.c_str());
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// ------------------------------------------------------ ShellFolderRedirect

ShellFolderRedirect::ShellFolderRedirect(const std::string& root)
{
    std::string* targets[] = {&personal, &appData, &commonAppData, &commonDocuments};
    for (size_t i = 0; i < 4; ++i) {
        const RedirectedFolder& folder = kRedirected[i];
        std::string path = root + "\\" + folder.subFolder;
        ::CreateDirectoryA(path.c_str(), nullptr);
        *targets[i] = path + "\\";
        // The shell copies what it finds into "Shell Folders": set and put back both.
        values_.push_back(std::make_unique<ScopedRegistryValue>(folder.root, kShellFolders, folder.value));
        values_.back()->Set(REG_SZ, path);
        values_.push_back(std::make_unique<ScopedRegistryValue>(folder.root, kUserShellFolders, folder.value));
        values_.back()->Set(REG_EXPAND_SZ, path);
    }
}

void ShellFolderRedirect::Point(int csidl, const std::string& folder)
{
    for (size_t i = 0; i < 4; ++i) {
        if (kRedirected[i].csidl == csidl)
            values_[i * 2 + 1]->Set(REG_EXPAND_SZ, folder);
    }
}

// ------------------------------------------------------------ helper runs

namespace {

// This process's environment with folder put in front of PATH, as a block
// for CreateProcessA.
std::vector<char> EnvironmentWithPath(const std::string& folder)
{
    std::vector<char> block;
    bool hasPath = false;
    char* strings = ::GetEnvironmentStringsA();
    for (const char* entry = strings; entry != nullptr && *entry != '\0'; entry += std::strlen(entry) + 1) {
        std::string text = entry;
        if (_strnicmp(entry, "PATH=", 5) == 0) {
            text = "PATH=" + folder + ";" + text.substr(5);
            hasPath = true;
        }
        block.insert(block.end(), text.c_str(), text.c_str() + text.size() + 1);
    }
    if (strings != nullptr)
        ::FreeEnvironmentStringsA(strings);
    if (!hasPath) {
        std::string text = "PATH=" + folder;
        block.insert(block.end(), text.c_str(), text.c_str() + text.size() + 1);
    }
    block.push_back('\0');
    return block;
}

} // namespace

std::string HelperResult::Value(const std::string& key) const
{
    for (const std::string& line : lines) {
        if (line.compare(0, key.size() + 1, key + " ") == 0)
            return line.substr(key.size() + 1);
    }
    return "(no " + key + ": " + Report() + ")";
}

std::string HelperResult::Report() const
{
    char code[32];
    std::snprintf(code, sizeof code, "exit code 0x%lX", static_cast<unsigned long>(exitCode));
    std::string text = code;
    if (!failure.empty())
        text += ", " + failure;
    text += lines.empty() ? ", no output" : ", output:";
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

HelperCopy::HelperCopy(const std::string& folder, const std::string& name, const std::string& version)
    : path_(folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + name)
{
    if (!::CopyFileA((BinFolder() + kHelperName).c_str(), path_.c_str(), FALSE))
        failure_ = "copying the helper to " + path_ + " failed (error " + std::to_string(::GetLastError()) + ")";
    version_ = std::make_unique<ScopedRegistryValue>(HKEY_CURRENT_USER,
                                                     "Software\\Wine\\AppDefaults\\" + name, "Version");
    bool versionSet = version.empty() ? version_->Remove() : version_->Set(REG_SZ, version);
    if (!versionSet && failure_.empty())
        failure_ = "the Windows version \"" + version + "\" could not be set for " + name;
}

HelperCopy::~HelperCopy()
{
    version_.reset();
    ::DeleteFileA(path_.c_str());
}

HelperResult HelperCopy::Run(const std::vector<std::string>& arguments) const
{
    HelperResult result;
    if (!failure_.empty()) {
        result.exitCode = 0xFFFFFFFF;
        result.failure = failure_;
        return result;
    }
    RunningHelper helper(path_, arguments);
    if (!helper.Started()) {
        result.exitCode = 0xFFFFFFFF;
        result.failure = helper.Failure();
        return result;
    }
    helper.CloseInput();
    std::string line;
    while (helper.ReadLine(line))
        result.lines.push_back(line);
    result.exitCode = helper.Wait();
    return result;
}

RunningHelper::RunningHelper(const std::string& program, const std::vector<std::string>& arguments)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    if (!::CreatePipe(&childInput, &input_, &inherit, 0) || !::CreatePipe(&output_, &childOutput, &inherit, 0)) {
        failure_ = "no pipe for the helper (error " + std::to_string(::GetLastError()) + ")";
        if (childInput != nullptr)
            ::CloseHandle(childInput);
        return;
    }
    ::SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::string line = CommandLine(program, arguments);
    std::vector<char> environment = EnvironmentWithPath(BinFolder());
    // Now and then Wine's new process dies in its own start-up, before the
    // program runs, and CreateProcess fails with ERROR_INTERNAL_ERROR: the
    // library has not run then, so start again, and say so.
    DWORD error = 0;
    for (int attempt = 1; attempt <= 3 && process_ == nullptr; ++attempt) {
        std::vector<char> buffer(line.c_str(), line.c_str() + line.size() + 1);
        PROCESS_INFORMATION info = {};
        if (::CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, environment.data(),
                             nullptr, &startup, &info)) {
            process_ = info.hProcess;
            ::CloseHandle(info.hThread);
        } else {
            error = ::GetLastError();
            std::fprintf(stderr, "starting %s failed (error %lu), attempt %d of 3\n", program.c_str(),
                         static_cast<unsigned long>(error), attempt);
            ::Sleep(200);
        }
    }
    if (process_ == nullptr)
        failure_ = "starting " + program + " failed 3 times (error " + std::to_string(error) + ")";
    ::CloseHandle(childInput);
    ::CloseHandle(childOutput);
}

RunningHelper::~RunningHelper()
{
    if (process_ != nullptr) {
        Wait();
        ::CloseHandle(process_);
    }
    if (input_ != nullptr)
        ::CloseHandle(input_);
    if (output_ != nullptr)
        ::CloseHandle(output_);
}

bool RunningHelper::ReadLine(std::string& line)
{
    for (;;) {
        size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        char chunk[512];
        DWORD read = 0;
        if (output_ == nullptr || !::ReadFile(output_, chunk, sizeof chunk, &read, nullptr) || read == 0) {
            line.swap(pending_);
            pending_.clear();
            return !line.empty();
        }
        pending_.append(chunk, read);
    }
}

void RunningHelper::CloseInput()
{
    if (input_ != nullptr) {
        ::CloseHandle(input_);
        input_ = nullptr;
    }
}

DWORD RunningHelper::Wait()
{
    if (process_ == nullptr)
        return 0xFFFFFFFF;
    CloseInput();
    if (::WaitForSingleObject(process_, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(process_, 0xDEAD);
    DWORD code = 0;
    ::GetExitCodeProcess(process_, &code);
    return code;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    while (!IsFile(path)) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(50);
    }
    return true;
}

// ---------------------------------------------------------- FolderTreeTest

FolderTreeTest::FolderTreeTest()
    : root(temp.Path().string()), shell(root), values(CValueMgr::Instance())
{
    char name[] = "";
    values->Set(name, 0);
    values->SetMode(0);
}

FolderTreeTest::~FolderTreeTest()
{
    CValueMgr::Instance()->Release();
}

std::string FolderTreeTest::MakeFolder(const std::string& name) const
{
    std::string folder = root + "\\" + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}
