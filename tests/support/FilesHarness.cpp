#include "support/FilesHarness.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

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

DWORD Attributes(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str());
}

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

// This process's environment with the test's folder in front of PATH, so
// that the helper finds the library's DLLs.
std::vector<char> EnvironmentWithPath()
{
    std::vector<char> block;
    std::string path = "PATH=" + BinFolder();
    char* strings = ::GetEnvironmentStringsA();
    for (const char* entry = strings; entry != nullptr && *entry != '\0'; entry += std::strlen(entry) + 1) {
        if (_strnicmp(entry, "PATH=", 5) == 0)
            path += std::string(";") + (entry + 5);
        else
            block.insert(block.end(), entry, entry + std::strlen(entry) + 1);
    }
    if (strings != nullptr)
        ::FreeEnvironmentStringsA(strings);
    block.insert(block.end(), path.c_str(), path.c_str() + path.size() + 1);
    block.push_back('\0');
    return block;
}

} // namespace

std::string BinFolder()
{
    char path[MAX_PATH];
    std::string folder(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.rfind('\\') + 1);
}

bool IsFolder(const std::string& path)
{
    return Attributes(path) != INVALID_FILE_ATTRIBUTES && (Attributes(path) & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    return Attributes(path) != INVALID_FILE_ATTRIBUTES && (Attributes(path) & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    for (DWORD start = ::GetTickCount(); !IsFile(path); ::Sleep(50)) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// ------------------------------------------------------ ScopedRegistryValue

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name)
    : root_(root), key_(key), name_(name)
{
    HKEY handle = nullptr;
    DWORD bytes = 0;
    if (::RegOpenKeyExA(root_, key_.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    if (::RegQueryValueExA(handle, name_.c_str(), nullptr, &type_, nullptr, &bytes) == ERROR_SUCCESS) {
        data_.resize(bytes);
        existed_ = ::RegQueryValueExA(handle, name_.c_str(), nullptr, &type_, data_.data(), &bytes) == 0;
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
    // Missing keys are created one level at a time, to be removed later.
    for (size_t end = key_.find('\\'); ; end = key_.find('\\', end + 1)) {
        std::string partial = key_.substr(0, end);
        HKEY handle = nullptr;
        DWORD disposition = 0;
        if (::RegCreateKeyExA(root_, partial.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                              &disposition) != ERROR_SUCCESS)
            return false;
        if (disposition == REG_CREATED_NEW_KEY)
            createdKeys_.push_back(partial);
        if (end == std::string::npos) {
            LONG status = ::RegSetValueExA(handle, name_.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                                           static_cast<DWORD>(data.size() + 1));
            ::RegCloseKey(handle);
            return status == ERROR_SUCCESS;
        }
        ::RegCloseKey(handle);
    }
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
        for (const char* key : {kShellFolders, kUserShellFolders}) {
            values_.push_back(std::make_unique<ScopedRegistryValue>(folder.root, key, folder.value));
            values_.back()->Set(key == kShellFolders ? REG_SZ : REG_EXPAND_SZ, path);
        }
    }
}

void ShellFolderRedirect::Point(int csidl, const std::string& folder)
{
    for (size_t i = 0; i < 4; ++i) {
        if (kRedirected[i].csidl == csidl)
            values_[i * 2 + 1]->Set(REG_EXPAND_SZ, folder);
    }
}

// ------------------------------------------------------------ the helper

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
    std::string text = "exit code " + std::to_string(exitCode) + (failure.empty() ? "" : ", " + failure);
    text += lines.empty() ? ", no output" : ", output:";
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

HelperProgram::HelperProgram(const std::string& folder, const std::string& name, const std::string& version)
    : path_(folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + name),
      version_(std::make_unique<ScopedRegistryValue>(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + name,
                                                     "Version"))
{
    if (!::CopyFileA((BinFolder() + "zr8_files_helper.exe").c_str(), path_.c_str(), FALSE))
        failure_ = "copying the helper to " + path_ + " failed (error " + std::to_string(::GetLastError()) + ")";
    else if (!(version.empty() ? version_->Remove() : version_->Set(REG_SZ, version)))
        failure_ = "the Windows version \"" + version + "\" could not be set for " + name;
}

HelperProgram::~HelperProgram()
{
    Finish();
    for (HANDLE handle : {process_, output_})
        if (handle != nullptr)
            ::CloseHandle(handle);
    version_.reset();
    ::DeleteFileA(path_.c_str());
}

bool HelperProgram::Start(const std::vector<std::string>& arguments)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr, childOutput = nullptr;
    if (failure_.empty() &&
        (!::CreatePipe(&childInput, &input_, &inherit, 0) || !::CreatePipe(&output_, &childOutput, &inherit, 0)))
        failure_ = "no pipe for the helper (error " + std::to_string(::GetLastError()) + ")";
    if (!failure_.empty()) {
        if (childInput != nullptr)
            ::CloseHandle(childInput);
        return false;
    }
    ::SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::string line = CommandLine(path_, arguments);
    std::vector<char> environment = EnvironmentWithPath();
    // Now and then Wine's new process dies in its own start-up, before the
    // program runs (ERROR_INTERNAL_ERROR): the library has not run, so start again.
    DWORD error = 0;
    for (int attempt = 1; attempt <= 3 && process_ == nullptr; ++attempt) {
        std::vector<char> buffer(line.c_str(), line.c_str() + line.size() + 1);
        PROCESS_INFORMATION info = {};
        if (::CreateProcessA(path_.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, environment.data(), nullptr,
                             &startup, &info)) {
            process_ = info.hProcess;
            ::CloseHandle(info.hThread);
        } else {
            error = ::GetLastError();
            std::fprintf(stderr, "starting %s failed (error %lu), attempt %d of 3\n", path_.c_str(), error, attempt);
            ::Sleep(200);
        }
    }
    if (process_ == nullptr)
        failure_ = "starting " + path_ + " failed 3 times (error " + std::to_string(error) + ")";
    ::CloseHandle(childInput);
    ::CloseHandle(childOutput);
    return process_ != nullptr;
}

bool HelperProgram::ReadLine(std::string& line)
{
    for (size_t end; (end = pending_.find('\n')) == std::string::npos;) {
        char chunk[512];
        DWORD read = 0;
        if (output_ == nullptr || !::ReadFile(output_, chunk, sizeof chunk, &read, nullptr) || read == 0) {
            line.swap(pending_);
            pending_.clear();
            return !line.empty();
        }
        pending_.append(chunk, read);
    }
    size_t end = pending_.find('\n');
    line = pending_.substr(0, end > 0 && pending_[end - 1] == '\r' ? end - 1 : end);
    pending_.erase(0, end + 1);
    return true;
}

DWORD HelperProgram::Finish()
{
    if (input_ != nullptr)
        ::CloseHandle(input_);
    input_ = nullptr;
    if (process_ == nullptr)
        return 0xFFFFFFFF;
    if (::WaitForSingleObject(process_, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(process_, 0xDEAD);
    DWORD code = 0;
    ::GetExitCodeProcess(process_, &code);
    return code;
}

HelperResult HelperProgram::Run(const std::vector<std::string>& arguments)
{
    HelperResult result;
    if (Start(arguments)) {
        if (input_ != nullptr)
            ::CloseHandle(input_);
        input_ = nullptr;
        for (std::string line; ReadLine(line);)
            result.lines.push_back(line);
    }
    result.exitCode = Finish();
    result.failure = failure_;
    ::CloseHandle(process_);
    ::CloseHandle(output_);
    process_ = output_ = nullptr;
    return result;
}

// ---------------------------------------------------------- FolderTreeTest

FolderTreeTest::FolderTreeTest() : root(temp.Path().string()), shell(root), values(CValueMgr::Instance())
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
