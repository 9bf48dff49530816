#include "CUtyFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "files/CValueMgr.h"
#include "files/SjisPath.h"

namespace {

const char kGeneration[] = "8";
const char kFormsFolder[] = "PForm";
const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kTaiouSection[] = "TAIOU_INFORMATION";
const char kTaiouFile[] = "TAIOU.INI";
const char kStampSection[] = "FILE_INFORMATION";
const char kStampKey[] = "VER";
const char kEnvModeFile[] = "EsMode.acd";
const char kDemoFolder[] = "demo\\";
const char* const kDemoFiles[] = {"DATA.RM8", "KANRI.RM5", "SYOUHIZEI.ZEI", "CLSDATA.ACC"};

const char* const kAppFiles[] = {"Dumy", "SYSTEM.RM6", "ENV.ACD", "SYOUHIZEI.XML", "CHOHYO.INI",
                                 "PRI_MODE.INI", "CHOHYO_S.INI", "PRI_MODE_S.INI", "CTRLTBL.INI",
                                 "CHOHYO_C.INI", "PRI_MODE_C.INI"};
const char* const kTaiouFiles[] = {"TAIOU.REN", "TAIOU1.REN", "TAIOU2.REN", "TAIOU3.REN", "TAIOU.INI"};
const int kTaiouFileCount = 5;

const char* const kExtEnvKeys[] = {"AO_U_KCODE", "AO_U_HCODE", "AO_U_BCODE", "AO_B_KCODE",
                                   "AO_B_HCODE", "AO_B_BCODE", "SI_U_KCODE", "SI_U_HCODE",
                                   "SI_U_BCODE", "SI_B_KCODE", "SI_B_HCODE", "SI_B_BCODE",
                                   "HO_U_KCODE", "HO_U_HCODE", "HO_U_BCODE", "HO_B_KCODE",
                                   "HO_B_HCODE", "HO_B_BCODE"};

// Location codes of the path builders.
enum Where : long {
    whereShared = 2,      // special folder 3
    wherePersonal = 4,    // special folder 2
    whereExe = 8,         // special folder 4
    whereGiven = 16,      // the folder already in the caller's buffer
    whereAppData = 32     // special folder 7
};

struct ShellFolderFallback {
    int csidl;
    HKEY root;
    const char* value;
};

const ShellFolderFallback kShellFolderFallbacks[] = {
    {CSIDL_PERSONAL, HKEY_CURRENT_USER, "Personal"},
    {CSIDL_APPDATA, HKEY_LOCAL_MACHINE, "Common AppData"},
    {CSIDL_COMMON_DOCUMENTS, HKEY_LOCAL_MACHINE, "Common Documents"},
};

OSVERSIONINFOA SystemVersion()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    return version;
}

bool IsNt()
{
    return SystemVersion().dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool Is2000OrLater()
{
    return SystemVersion().dwMajorVersion >= 5;
}

long ProductNo()
{
    CValueMgr* values = CValueMgr::Instance();
    return values != nullptr ? values->GetNo() : 0;
}

bool IsVistaOrLater()
{
    CValueMgr* values = CValueMgr::Instance();
    return values != nullptr && values->GetOSType() >= CValueMgr::osVistaOrLater;
}

bool FileExists(const char* path)
{
    return path != nullptr && path[0] != '\0' && ::PathFileExistsA(path);
}

// Copies text into buffer when it fits with its terminator.
int CopyIfFits(const std::string& text, char* buffer, long size)
{
    if (text.size() >= static_cast<size_t>(size))
        return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 1;
}

std::string FormatProductFolder(const char* base, const char* word, int generation)
{
    char folder[MAX_PATH * 2];
    std::snprintf(folder, sizeof folder, "%sVelmora\\%s%d\\", base, word, generation);
    return folder;
}

// The "VER" stamp of a settings file; empty when it has none.
std::string ReadStamp(const char* path)
{
    char stamp[20] = {};
    ::GetPrivateProfileStringA(kStampSection, kStampKey, "", stamp, sizeof stamp, path);
    return stamp;
}

signed char ReadInt8(const char* key, const char* path)
{
    return static_cast<signed char>(::GetPrivateProfileIntA(kTaiouSection, key, 0, path));
}

short ReadInt16(const char* key, const char* path)
{
    return static_cast<short>(::GetPrivateProfileIntA(kTaiouSection, key, 0, path));
}

void WriteInt(const char* key, int value, const char* path)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    ::WritePrivateProfileStringA(kTaiouSection, key, text, path);
}

short* ExtEnvFields(S_EXTENV* ext)
{
    return &ext->AO_U_KCODE;
}

// Copies the shipped file over the destination, making its folders first.
int CopyWithFolders(CUtyFile& files, const char* destination, const char* source)
{
    std::vector<char> folder(destination, destination + std::strlen(destination) + 1);
    return files.CreateFolder(folder.data(), 0, nullptr, 0) && ::CopyFileA(source, destination, FALSE) ? 1 : 0;
}

} // namespace

// One row of the settings-file copy tables.
struct CUtyFile::AppFileRow {
    enum Rule { copyIfMissing, copyIfNewer };
    unsigned short kind;
    Rule rule;
    bool rightsFromFolder;
};

CUtyFile::CUtyFile() = default;

CUtyFile::~CUtyFile() = default;

// ---------------------------------------------------------------- folders

int CUtyFile::GetSpFolderPath(unsigned short kind, char* buffer, long size)
{
    return ComposeSpFolder(kind, buffer, size, 0);
}

// The variants accept kind 2 only; any other kind fails like an unknown one.
int CUtyFile::GetSpFolderPathForQV6(unsigned short kind, char* buffer, long size)
{
    return ComposeSpFolder(kind == 2 ? kind : 0, buffer, size, 6);
}

int CUtyFile::GetSpFolderPathForQV7(unsigned short kind, char* buffer, long size)
{
    int result = ComposeSpFolder(kind == 2 ? kind : 0, buffer, size, 0);
    size_t length = result ? std::strlen(buffer) : 0;
    if (length >= 2)
        buffer[length - 2] = '7';
    return result;
}

// qvGeneration, when not 0, replaces the generation of the QV edition's
// per-user folder (kind 2 with product number 10).
int CUtyFile::ComposeSpFolder(unsigned short kind, char* buffer, long size, int qvGeneration)
{
    if (buffer == nullptr || size < 1)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    const int generation = std::atoi(kGeneration);
    const long number = ProductNo();
    char base[MAX_PATH] = {};
    std::string folder;
    switch (kind) {
    case 1:
        return GetSpecialFolderPath(CSIDL_PERSONAL, buffer, size);
    case 2:
    case 6: {
        if (!GetSpecialFolderPath(CSIDL_PERSONAL, base, MAX_PATH))
            return 0;
        if (number == 10)
            folder = FormatProductFolder(base, "QV", qvGeneration != 0 ? qvGeneration : generation);
        else
            folder = FormatProductFolder(base, number == 0 ? "ZR" : "TD", generation);
        break;
    }
    case 3:
    case 7:
        if (!Is2000OrLater()) {
            if (!ComposeSpFolder(4, base, MAX_PATH, 0))
                return 0;
            folder = base;
            break;
        }
        if (kind == 3) {
            if (!GetSpecialFolderPath(IsNt() ? CSIDL_COMMON_DOCUMENTS : CSIDL_APPDATA, base, MAX_PATH))
                return 0;
        } else {
            if (!GetSpecialFolderPath(IsNt() ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA, base, MAX_PATH))
                return 0;
        }
        folder = FormatProductFolder(base, number >= 10 ? "QV" : "ZR", generation);
        break;
    case 4:
    case 5: {
        char module[MAX_PATH];
        DWORD length = ::GetModuleFileNameA(nullptr, module, MAX_PATH);
        if (length == 0 || length >= MAX_PATH || !SjisPath::GetFolderPart(module, base, MAX_PATH))
            return 0;
        folder = base;
        break;
    }
    default:
        return 0;
    }
    if (kind == 5 || kind == 6) {
        // The base already ends in a backslash; the forms folder gets one too.
        folder += kFormsFolder;
        folder += '\\';
    }
    return CopyIfFits(folder, buffer, size);
}

int CUtyFile::GetSpecialFolderPath(int csidl, char* buffer, long size)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return 0;
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &items))) {
        // Wine returns the user's documents with a trailing backslash
        // already, Windows without: add one only when missing. A missing
        // documents folder converts to a text that is no path under Wine.
        char path[MAX_PATH] = {};
        int result = 0;
        if (::SHGetPathFromIDListA(items, path) && !::PathIsRelativeA(path) &&
            SjisPath::AddBackSlash(path, MAX_PATH))
            result = CopyIfFits(path, buffer, size);
        allocator->Free(items);
        allocator->Release();
        return result;
    }
    allocator->Release();

    const ShellFolderFallback* fallback = nullptr;
    for (const ShellFolderFallback& entry : kShellFolderFallbacks) {
        if (entry.csidl == csidl)
            fallback = &entry;
    }
    if (fallback == nullptr)
        return 0;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(fallback->root, kShellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD bytes = static_cast<DWORD>(size);
    LONG status = ::RegQueryValueExA(key, fallback->value, nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(buffer), &bytes);
    ::RegCloseKey(key);
    // Text that fills the buffer without its terminator is not a path.
    if (status != ERROR_SUCCESS || std::memchr(buffer, '\0', static_cast<size_t>(size)) == nullptr) {
        std::memset(buffer, 0, static_cast<size_t>(size));
        return 0;
    }
    return SjisPath::AddBackSlash(buffer, size);
}

int CUtyFile::CheckFolderExist(char* path)
{
    char folder[MAX_PATH];
    if (!SjisPath::GetFolderPart(path, folder, MAX_PATH))
        return 0;
    return ::PathIsDirectoryA(folder) ? 1 : 0;
}

int CUtyFile::CreateFolder(char* path, long security, char* existing, unsigned long existingSize)
{
    char folder[MAX_PATH];
    if (!SjisPath::GetFolderPart(path, folder, MAX_PATH))
        return 0;
    const char* afterRoot = ::PathSkipRootA(folder);
    if (afterRoot == nullptr)
        return 0;  // a relative path
    char root[MAX_PATH];
    std::strcpy(root, folder);
    if (!::PathStripToRootA(root) || !SjisPath::AddBackSlash(root, MAX_PATH))
        return 0;

    // Folders are made with a null DACL when open access is asked for.
    SECURITY_DESCRIPTOR descriptor;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
    char deepest[MAX_PATH];
    std::strcpy(deepest, root);
    for (size_t i = 0; afterRoot[i] != '\0'; ++i) {
        unsigned char c = static_cast<unsigned char>(afterRoot[i]);
        if (SjisPath::IsLeadByte(c) && SjisPath::IsTrailByte(static_cast<unsigned char>(afterRoot[i + 1]))) {
            ++i;
            continue;
        }
        if (c != '\\')
            continue;
        char prefix[MAX_PATH];
        std::snprintf(prefix, sizeof prefix, "%s%.*s", root, static_cast<int>(i), afterRoot);
        if (!SjisPath::AddBackSlash(prefix, MAX_PATH)) {
            RollBack(prefix, deepest);
            return 0;
        }
        if (CheckFolderExist(prefix)) {
            std::strcpy(deepest, prefix);
            continue;
        }
        if (security == 1 &&
            (!::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
             !::SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))) {
            RollBack(prefix, deepest);
            return 0;
        }
        if (!::CreateDirectoryA(prefix, security == 1 ? &attributes : nullptr)) {
            RollBack(prefix, deepest);
            return 0;
        }
    }
    if (existing != nullptr && std::strlen(deepest) < existingSize)
        std::strcpy(existing, deepest);
    if (security == 1) {
        SjisPath::RemoveBackSlash(folder);
        GrantEveryone(folder);
    }
    return 1;
}

// Removes the folders between failed (not made) and existing (there before
// the call), deepest first. Never touches existing or anything above it.
void CUtyFile::RollBack(const char* failed, const char* existing)
{
    char failedFolder[MAX_PATH];
    char existingFolder[MAX_PATH];
    if (!SjisPath::GetFolderPart(failed, failedFolder, MAX_PATH) ||
        !SjisPath::GetFolderPart(existing, existingFolder, MAX_PATH))
        return;
    const char* failedRest = ::PathSkipRootA(failedFolder);
    const char* existingRest = ::PathSkipRootA(existingFolder);
    if (failedRest == nullptr || existingRest == nullptr)
        return;
    size_t rootLength = static_cast<size_t>(failedRest - failedFolder);
    size_t existingLength = std::strlen(existingFolder);
    if (static_cast<size_t>(existingRest - existingFolder) != rootLength ||
        std::strlen(failedFolder) < existingLength ||
        !SjisPath::EqualNoCase(failedFolder, existingFolder, existingLength))
        return;

    // The pre-existing folder below the root, without its trailing backslash.
    std::string keep(existingRest);
    if (!keep.empty())
        keep.pop_back();
    size_t length = std::strlen(failedRest);
    for (size_t i = length >= 2 ? length - 1 : 0; i-- > 0;) {
        if (failedRest[i] != '\\' || SjisPath::IsTrailByteAt(failedRest, i))
            continue;
        if (i == keep.size() && SjisPath::EqualNoCase(failedRest, keep.c_str(), i))
            return;
        std::string folder = std::string(failedFolder, rootLength) + std::string(failedRest, i) + "\\";
        if (::PathIsDirectoryA(folder.c_str()) && !::RemoveDirectoryA(folder.c_str()))
            return;
    }
}

// Starts "cacls.exe" to give Everyone full control of folder and all below
// it; waits at most 30 s for it to start. The outcome is not reported.
void CUtyFile::GrantEveryone(const char* folder)
{
    if (!IsNt())
        return;
    char format[] = "cacls.exe \"%s\" /T /E /G Everyone:F";
    std::vector<char> commandLine(std::strlen(format) + std::strlen(folder) + 1);
    std::snprintf(commandLine.data(), commandLine.size(), format, folder);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE,
                          nullptr, nullptr, &startup, &process))
        return;
    ::WaitForInputIdle(process.hProcess, 30000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

int CUtyFile::SetFileSecurityByOwnerFolder(char* path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (!IsNt())
        return 1;
    char folder[MAX_PATH];
    if (!SjisPath::GetFolderPart(path, folder, MAX_PATH))
        return 0;
    DWORD needed = 0;
    if (!::GetFileSecurityA(folder, DACL_SECURITY_INFORMATION, nullptr, 0, &needed) &&
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return 0;
    std::vector<BYTE> descriptor(needed);
    if (needed == 0)
        return 0;
    if (!::GetFileSecurityA(folder, DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
        return 0;
    return ::SetFileSecurityA(path, DACL_SECURITY_INFORMATION, descriptor.data()) ? 1 : 0;
}

// ------------------------------------------------------------- TAIOU.INI

// The path of "TAIOU.INI" in folder (or the record's data folder); 0 when
// it cannot be formed or no file is there.
int CUtyFile::GetTaiouPath(S_ENV* env, char* folder, char* path)
{
    if (env == nullptr && folder == nullptr)
        return 0;
    // A record's folder without its terminator is no folder.
    if (folder == nullptr && strnlen(env->DATAFOLDER, sizeof env->DATAFOLDER) == sizeof env->DATAFOLDER)
        return 0;
    const char* chosen = folder != nullptr ? folder : env->DATAFOLDER;
    int length = std::snprintf(path, MAX_PATH, "%s%s", chosen, kTaiouFile);
    return length > 0 && length < MAX_PATH && FileExists(path);
}

short CUtyFile::ReadTaiouToEnv(S_ENV* env)
{
    char path[MAX_PATH];
    if (env == nullptr || !GetTaiouPath(env, nullptr, path))
        return -1;
    env->EINOU = ReadInt8("EINOU", path);
    env->FORMAT = ReadInt8("FORMAT", path);
    env->DELETE_MODE = ReadInt8("DELETE_MODE", path);
    env->FUSEN = ReadInt8("FUSEN", path);
    env->KUMI_CODE = ReadInt16("KUMI_CODE", path);
    ::GetPrivateProfileStringA(kTaiouSection, "DIRFOLDER", "", env->DIRFOLDER, sizeof env->DIRFOLDER, path);
    env->HIDUKE = ReadInt8("HIDUKE", path);
    return 0;
}

short CUtyFile::WriteEnvToTaiou(S_ENV* env, char* folder)
{
    char path[MAX_PATH];
    if (env == nullptr || !GetTaiouPath(env, folder, path))
        return -1;
    WriteInt("EINOU", env->EINOU, path);
    WriteInt("FORMAT", env->FORMAT, path);
    WriteInt("DELETE_MODE", env->DELETE_MODE, path);
    WriteInt("FUSEN", env->FUSEN, path);
    WriteInt("KUMI_CODE", env->KUMI_CODE, path);
    std::string folderText(env->DIRFOLDER, strnlen(env->DIRFOLDER, sizeof env->DIRFOLDER));
    ::WritePrivateProfileStringA(kTaiouSection, "DIRFOLDER", folderText.c_str(), path);
    WriteInt("HIDUKE", env->HIDUKE, path);
    return 0;
}

short CUtyFile::ReadTaiouOption(S_ENV* env, S_ENVOPTION* option)
{
    char path[MAX_PATH];
    if (env == nullptr || option == nullptr || !GetTaiouPath(env, nullptr, path))
        return -1;
    option->KUMI_KETA = ReadInt8("KUMI_KETA", path);
    return 0;
}

short CUtyFile::WriteTaiouOption(S_ENV* env, S_ENVOPTION* option, char* folder)
{
    char path[MAX_PATH];
    if (option == nullptr || !GetTaiouPath(env, folder, path))
        return -1;
    WriteInt("KUMI_KETA", option->KUMI_KETA, path);
    return 0;
}

short CUtyFile::ReadTaiouToExtEnv(S_ENV* env, S_EXTENV* ext, char* folder)
{
    char path[MAX_PATH];
    if (ext == nullptr || !GetTaiouPath(env, folder, path))
        return -1;
    short* fields = ExtEnvFields(ext);
    for (size_t i = 0; i < sizeof kExtEnvKeys / sizeof kExtEnvKeys[0]; ++i)
        fields[i] = ReadInt16(kExtEnvKeys[i], path);
    return 0;
}

short CUtyFile::WriteExtEnvToTaiou(S_ENV* env, S_EXTENV* ext, char* folder)
{
    char path[MAX_PATH];
    if (ext == nullptr || !GetTaiouPath(env, folder, path))
        return -1;
    const short* fields = ExtEnvFields(ext);
    for (size_t i = 0; i < sizeof kExtEnvKeys / sizeof kExtEnvKeys[0]; ++i)
        WriteInt(kExtEnvKeys[i], fields[i], path);
    return 0;
}

int CUtyFile::GetTaiouFileName(unsigned short index, char* buffer)
{
    if (index >= kTaiouFileCount || buffer == nullptr)
        return 0;
    std::strcpy(buffer, kTaiouFiles[index]);
    return 1;
}

int CUtyFile::GetTaiouFileCount()
{
    return kTaiouFileCount;
}

// ------------------------------------------------------- start-up files

int CUtyFile::GetFilePath(unsigned short kind, char* buffer, long size, long where)
{
    if (buffer == nullptr || size < 1)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    if (kind < 1 || kind > 10 || (where & (whereShared | wherePersonal | whereExe)) == 0)
        return 0;
    char base[MAX_PATH] = {};
    unsigned short folderKind = where == whereShared ? 3 : where == wherePersonal ? 2 : where == whereExe ? 4 : 0;
    if (folderKind != 0 && !GetSpFolderPath(folderKind, base, MAX_PATH))
        return 0;
    return CopyIfFits(std::string(base) + kAppFiles[kind], buffer, size);
}

int CUtyFile::GetFilePath2(char* name, char* buffer, long size, long where)
{
    if (buffer == nullptr || size < 1 || name == nullptr)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    if ((where & (whereExe | whereAppData)) == 0)
        return 0;
    char base[MAX_PATH] = {};
    unsigned short folderKind = where == whereExe ? 4 : where == whereAppData ? 7 : 0;
    if (folderKind != 0 && !GetSpFolderPath(folderKind, base, MAX_PATH))
        return 0;
    return CopyIfFits(std::string(base) + name, buffer, size);
}

// Correspondence file index in the executable's folder (whereExe) or in
// the folder that buffer already holds (whereGiven).
int CUtyFile::GetCorrespondencePath(unsigned short index, char* buffer, long size, long where)
{
    if (buffer == nullptr || size < 1)
        return 0;
    if (where == whereExe)
        std::memset(buffer, 0, static_cast<size_t>(size));
    if (index >= kTaiouFileCount || (where & (whereExe | whereGiven)) == 0)
        return 0;
    std::string base;
    if (where == whereExe) {
        char folder[MAX_PATH] = {};
        if (!GetSpFolderPath(4, folder, MAX_PATH))
            return 0;
        base = folder;
    } else if (where == whereGiven) {
        if (std::memchr(buffer, '\0', static_cast<size_t>(size)) == nullptr)
            return 0;
        base = buffer;
    }
    return CopyIfFits(base + kTaiouFiles[index], buffer, size);
}

int CUtyFile::CreateMissingFolder(char* folder, long security)
{
    return CheckFolderExist(folder) || CreateFolder(folder, security, nullptr, 0);
}

int CUtyFile::MakeAppFolder()
{
    struct FolderRow {
        unsigned short kind;
        long security;
    };
    const FolderRow rows[] = {{2, 1}, {7, 1}, {3, 1}, {6, 0}};
    const long number = ProductNo();
    const bool vista = IsVistaOrLater();
    for (const FolderRow& row : rows) {
        if (number < 10 && ((!vista && row.kind != 2) || (vista && row.kind == 7)))
            continue;
        char folder[MAX_PATH];
        if (!GetSpFolderPath(row.kind, folder, MAX_PATH) || !CreateMissingFolder(folder, row.security))
            return 0;
    }
    if (number >= 10 || !vista)
        return 1;

    char data[MAX_PATH];
    CValueMgr* values = CValueMgr::Instance();
    if (values == nullptr || !values->GetFolderName(1, data))
        return 0;
    std::string demo = std::string(data) + kDemoFolder;
    std::string forms[] = {demo, demo + "AO\\", demo + "SIRO\\"};
    for (std::string& folder : forms) {
        if (folder.size() >= MAX_PATH || !CreateMissingFolder(&folder[0], 1))
            return 0;
    }
    return 1;
}

int CUtyFile::CopyAppFiles(const AppFileRow* rows, int count)
{
    for (int i = 0; i < count; ++i) {
        char destination[MAX_PATH];
        char source[MAX_PATH];
        if (!GetFilePath(rows[i].kind, destination, MAX_PATH, wherePersonal) ||
            !GetFilePath(rows[i].kind, source, MAX_PATH, whereExe))
            return 0;
        int copied = rows[i].rule == AppFileRow::copyIfMissing ? CopyIfMissing(destination, source)
                                                               : CopyIfNewer(destination, source);
        if (!copied)
            return 0;
        if (rows[i].rightsFromFolder)
            SetFileSecurityByOwnerFolder(destination);
    }
    return 1;
}

int CUtyFile::MakeAppFile()
{
    const AppFileRow rows[] = {
        {1, AppFileRow::copyIfMissing, true},  {2, AppFileRow::copyIfMissing, false},
        {4, AppFileRow::copyIfNewer, false},   {5, AppFileRow::copyIfNewer, false},
        {6, AppFileRow::copyIfNewer, false},   {7, AppFileRow::copyIfNewer, false},
        {8, AppFileRow::copyIfNewer, true},    {9, AppFileRow::copyIfNewer, false},
        {10, AppFileRow::copyIfNewer, false},
    };
    return CopyAppFiles(rows, sizeof rows / sizeof rows[0]);
}

int CUtyFile::MakeAppFile_ZR()
{
    const AppFileRow rows[] = {
        {1, AppFileRow::copyIfMissing, true}, {4, AppFileRow::copyIfNewer, false},
        {5, AppFileRow::copyIfNewer, false},  {6, AppFileRow::copyIfNewer, false},
        {7, AppFileRow::copyIfNewer, false},  {9, AppFileRow::copyIfNewer, false},
        {10, AppFileRow::copyIfNewer, false},
    };
    if (!CopyAppFiles(rows, sizeof rows / sizeof rows[0]))
        return 0;
    if (ProductNo() >= 10 || !IsVistaOrLater())
        return 1;

    CValueMgr* values = CValueMgr::Instance();
    char data[MAX_PATH];
    char exe[MAX_PATH] = {};
    if (values == nullptr || !values->GetFolderName(1, data) || !values->GetInstFolder(exe) || exe[0] == '\0')
        return 0;
    for (const char* name : kDemoFiles) {
        for (const char* format : {"%sdemo\\AO\\%s", "%sdemo\\SIRO\\%s"}) {
            char destination[MAX_PATH];
            char source[MAX_PATH];
            int destinationLength = std::snprintf(destination, sizeof destination, format, data, name);
            int sourceLength = std::snprintf(source, sizeof source, format, exe, name);
            if (destinationLength >= MAX_PATH || sourceLength >= MAX_PATH ||
                !CopyIfMissing(destination, source))
                return 0;
        }
    }
    return 1;
}

int CUtyFile::MakeBaseFolderFile(char* folder, int* existed)
{
    if (folder == nullptr || folder[0] == '\0')
        return 0;
    for (unsigned short index = 0; index < kTaiouFileCount; ++index) {
        char source[MAX_PATH];
        char destination[MAX_PATH];
        if (std::strlen(folder) >= MAX_PATH)
            return 0;
        std::strcpy(destination, folder);
        if (!GetCorrespondencePath(index, source, MAX_PATH, whereExe) ||
            !GetCorrespondencePath(index, destination, MAX_PATH, whereGiven))
            return 0;
        int result = CopyIfMissingCounted(destination, source);
        if (result < 0)
            return 0;
        if (index == kTaiouFileCount - 1 && existed != nullptr)
            *existed = result == 1 ? 1 : 0;
        if (!SetFileSecurityByOwnerFolder(destination))
            return 0;
    }
    return 1;
}

short CUtyFile::MakeAppEnvFile()
{
    char name[sizeof kEnvModeFile];
    std::strcpy(name, kEnvModeFile);
    char destination[MAX_PATH];
    char source[MAX_PATH];
    if (!GetFilePath2(name, destination, MAX_PATH, whereAppData) ||
        !GetFilePath2(name, source, MAX_PATH, whereExe))
        return 0;
    return CopyIfMissingLenient(destination, source) ? 1 : 0;
}

// Copy rules: the source is the shipped file beside the executable.

int CUtyFile::CopyIfMissing(const char* destination, const char* source)
{
    if (!FileExists(source))
        return 0;
    if (FileExists(destination))
        return 1;
    return CopyWithFolders(*this, destination, source);
}

int CUtyFile::CopyIfNewer(const char* destination, const char* source)
{
    if (!FileExists(source))
        return 0;
    std::string installed = ReadStamp(destination);
    std::string shipped = ReadStamp(source);
    if (shipped.empty())
        return 0;
    if (!SjisPath::IsNewerStamp(shipped.c_str(), installed.c_str()))
        return 1;
    return CopyWithFolders(*this, destination, source);
}

int CUtyFile::CopyIfMissingLenient(const char* destination, const char* source)
{
    if (!FileExists(source))
        return 1;
    return CopyIfMissing(destination, source);
}

int CUtyFile::CopyIfMissingCounted(const char* destination, const char* source)
{
    if (!FileExists(source))
        return -1;
    if (FileExists(destination))
        return 1;
    return ::CopyFileA(source, destination, FALSE) ? 0 : -1;
}
