#include "support/FilesHarness.h"

#include <algorithm>

namespace {

const char* const kShellKeys[] = {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"};

HKEY ShellRoot(const std::string& value)
{
    return value.compare(0, 7, "Common ") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
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
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WaitForText(const std::string& path, DWORD timeoutMs)
{
    std::string text = ReadBytes(path);
    for (DWORD start = ::GetTickCount(); text.empty() && ::GetTickCount() - start < timeoutMs; text = ReadBytes(path))
        ::Sleep(50);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& key, const std::string& name,
                                         const std::string& data, DWORD type)
    : root_(root), key_(key), name_(name), data_(4096)
{
    DWORD bytes = 4096;
    existed_ = ::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_, data_.data(),
                              &bytes) == ERROR_SUCCESS;
    data_.resize(bytes);
    set = ::RegSetKeyValueA(root, key.c_str(), name.c_str(), type, data.c_str(),
                            static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

ScopedRegistryValue::~ScopedRegistryValue()
{
    if (existed_)
        ::RegSetKeyValueA(root_, key_.c_str(), name_.c_str(), type_, data_.data(), static_cast<DWORD>(data_.size()));
    else
        ::RegDeleteKeyValueA(root_, key_.c_str(), name_.c_str());
}

Helper::Helper(const std::string& folder, const std::string& name, const std::string& version)
    : path_(folder + (folder.back() == '\\' ? "" : "\\") + name), versionKey_("Software\\Wine\\AppDefaults\\" + name)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, versionKey_.c_str());
    if (!version.empty())
        ::RegSetKeyValueA(HKEY_CURRENT_USER, versionKey_.c_str(), "Version", REG_SZ, version.c_str(),
                          static_cast<DWORD>(version.size() + 1));
    ::CopyFileA((BinFolder() + "zr8_files_helper.exe").c_str(), path_.c_str(), FALSE);
}

Helper::~Helper()
{
    Finish();
    ::DeleteFileA(path_.c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, versionKey_.c_str());
}

// The helper's output goes to a new file in the test's folder, outside the
// test's tree: a program the library starts may hold it open for a while
// after the helper ended. The helper starts in the test's folder too, where
// it finds the library's DLLs.
void Helper::Start(const std::vector<std::string>& steps)
{
    static int runs = 0;
    output_ = BinFolder() + "zr8files-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++runs);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = ::CreateFileA(output_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherit,
                                       CREATE_ALWAYS, 0, nullptr);
    ::CreatePipe(&startup.hStdInput, &input_, &inherit, 0);
    ::SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    // Each argument quoted; backslashes before the closing quote are doubled.
    std::string line = "\"" + path_ + "\"";
    for (const std::string& step : steps)
        line += " \"" + step + std::string(step.size() - step.find_last_not_of('\\') - 1, '\\') + "\"";
    // Now and then Wine's new process dies in its own start-up, before the
    // program runs (ERROR_INTERNAL_ERROR): the library has not run, so start again.
    PROCESS_INFORMATION info = {};
    for (int attempt = 0; attempt < 3 && info.hProcess == nullptr; ++attempt) {
        if (!::CreateProcessA(path_.c_str(), &std::string(line)[0], nullptr, nullptr, TRUE, 0, nullptr,
                              BinFolder().c_str(), &startup, &info))
            ::Sleep(200);
    }
    process_ = info.hProcess;
    ::CloseHandle(info.hThread);
    ::CloseHandle(startup.hStdInput);
    ::CloseHandle(startup.hStdOutput);
}

std::string Helper::Finish()
{
    ::CloseHandle(input_);
    input_ = nullptr;
    if (process_ == nullptr)
        return "(not started)";
    if (::WaitForSingleObject(process_, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(process_, 0xDEAD);
    ::GetExitCodeProcess(process_, &exitCode);
    ::CloseHandle(process_);
    process_ = nullptr;
    std::string text = WaitForText(output_, 0);
    ::DeleteFileA(output_.c_str());
    return text;
}

FolderTreeTest::FolderTreeTest()
{
    // The shell copies what it finds into "Shell Folders": set and put back both.
    const std::pair<const char*, std::string> folders[] = {
        {"Personal", personal}, {"AppData", appData}, {"Common AppData", commonAppData},
        {"Common Documents", commonDocuments}};
    for (const auto& folder : folders) {
        std::string path = folder.second.substr(0, folder.second.size() - 1);
        shell.push_back(std::make_unique<ScopedRegistryValue>(ShellRoot(folder.first), kShellKeys[0], folder.first,
                                                              path));
        shell.push_back(std::make_unique<ScopedRegistryValue>(ShellRoot(folder.first), kShellKeys[1], folder.first,
                                                              path, REG_EXPAND_SZ));
    }
    char name[] = "";
    values->Set(name, 0);
    values->SetMode(0);
}

FolderTreeTest::~FolderTreeTest()
{
    // Newest first: a folder pointed elsewhere goes back to the tree, then to the original.
    while (!shell.empty())
        shell.pop_back();
    CValueMgr::Instance()->Release();
}

std::string FolderTreeTest::MakeFolder(const std::string& name) const
{
    ::CreateDirectoryA((root + "\\" + name).c_str(), nullptr);
    return root + "\\" + name + "\\";
}

std::string FolderTreeTest::PointAtMissing(const std::string& value)
{
    std::string missing = root + "\\missing-" + value;
    shell.push_back(std::make_unique<ScopedRegistryValue>(ShellRoot(value), kShellKeys[1], value, missing,
                                                          REG_EXPAND_SZ));
    return missing;
}
