#include "CValueMgr.h"

#include <cstdio>
#include <cstring>
#include <new>

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "afx/AfxModule.h"
#include "files/SjisPath.h"

namespace {

const char kProductFolder[] = "Velmora\\ZR8\\";
const char kDemoProductFolder[] = "Velmora\\ZR8Demo\\";
const char kInstallKey[] = "SOFTWARE\\Velmora\\ZR%d\\Registration";
const char kDemoInstallKey[] = "SOFTWARE\\Velmora\\ZR%dTaiken\\Registration";
const char kInstallValue[] = "InstallFolder";
const char kMenuFolder[] = "DMenu\\";
const int kGeneration = 8;

// Appends text to the MAX_PATH buffer; false (buffer unchanged) if it does not fit.
bool Append(char* buffer, const char* text)
{
    size_t length = std::strlen(buffer);
    size_t extra = std::strlen(text);
    if (length + extra >= MAX_PATH)
        return false;
    std::memcpy(buffer + length, text, extra + 1);
    return true;
}

} // namespace

CValueMgr* CValueMgr::pInstance = nullptr;

CValueMgr::CValueMgr() : m_name(), m_number(0), m_mode(0) {}

CValueMgr::CValueMgr(const CValueMgr& other) : m_number(other.m_number), m_mode(other.m_mode)
{
    std::memcpy(m_name, other.m_name, sizeof m_name);
}

CValueMgr& CValueMgr::operator=(const CValueMgr& other)
{
    std::memcpy(m_name, other.m_name, sizeof m_name);
    m_number = other.m_number;
    m_mode = other.m_mode;
    return *this;
}

CValueMgr::~CValueMgr()
{
    // A copy made by a derived class does not end the instance.
    if (pInstance == this)
        pInstance = nullptr;
}

CValueMgr* CValueMgr::Instance()
{
    if (pInstance == nullptr)
        pInstance = new (std::nothrow) CValueMgr;
    return pInstance;
}

void CValueMgr::Release()
{
    if (pInstance != nullptr)
        delete pInstance;
}

void CValueMgr::Set(char* name, long number)
{
    if (name != nullptr && std::strlen(name) < sizeof m_name)
        std::memcpy(m_name, name, std::strlen(name) + 1);
    m_number = number;
}

long CValueMgr::GetNo()
{
    return m_number;
}

char* CValueMgr::GetName()
{
    return m_name;
}

void CValueMgr::SetMode(short mode)
{
    m_mode = mode;
}

short CValueMgr::GetOSType()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return osNotNT;
    return version.dwMajorVersion < 6 ? osNTBeforeVista : osVistaOrLater;
}

int CValueMgr::GetFolderName(short kind, char* buffer)
{
    if (buffer == nullptr)
        return 0;
    buffer[0] = '\0';
    int perUser = GetOSType() >= osVistaOrLater;
    switch (kind) {
    case 1: return GetDataFolder(buffer, perUser);
    case 2: return GetDtListFolder(buffer, perUser);
    case 3: return GetPrnFolder(buffer, perUser);
    case 4: return GetChoIniFolder(buffer, perUser);
    case 5: return GetDMenuFolder(buffer, perUser);
    case 6: return GetSvMgrFolder(buffer, perUser);
    case 7: return GetWinPosFolder(buffer, perUser);
    case 8: return GetSZeiFolder(buffer, perUser);
    case 9: return GetSanBaseFolder(buffer, perUser);
    case 10: return GetTempFolder(buffer, perUser);
    case 11: return GetSwOutFolder(buffer, perUser);
    case 12: return GetSwInFolder(buffer, perUser);
    case 13: return GetXmlOutFolder(buffer, perUser);
    case 14: return GetXmlInFolder(buffer, perUser);
    case 15: return GetExcelOFolder(buffer, perUser);
    case 16: return GetBackupFolder(buffer, perUser);
    case 17: return GetRestoreFolder(buffer, perUser);
    case 18: return GetPrnFormFolder(buffer, perUser);
    case 19: return GetTextOFolder(buffer, perUser);
    case 20: return GetRefFilDlgFolder(buffer, perUser);
    case 21: return GetJcheckFolder(buffer, perUser);
    default: return 1;
    }
}

int CValueMgr::GetInstFolder(char* buffer)
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(AfxGetInstanceHandle(), path, MAX_PATH);
    if (buffer == nullptr || length == 0 || length >= MAX_PATH)
        return 1;
    SjisPath::GetFolderPart(path, buffer, MAX_PATH);
    return 1;
}

int CValueMgr::GetCmnDocFld(char* buffer)
{
    char path[MAX_PATH] = {};
    if (buffer == nullptr || !GetShellFolder(CSIDL_COMMON_DOCUMENTS, path) || !Append(path, ProductSubFolder()))
        return 0;
    std::strcpy(buffer, path);
    return 1;
}

int CValueMgr::GetMyDocFolder(char* buffer)
{
    return GetShellFolder(CSIDL_PERSONAL, buffer);
}

// The shell folder with a trailing backslash. Wine's CSIDL_PERSONAL path
// already ends in one, Windows' does not: append only when missing. When
// the documents folder is missing, Wine still converts its item list, to a
// text that is no path ("?4"): only an absolute path counts.
int CValueMgr::GetShellFolder(int csidl, char* buffer)
{
    if (buffer == nullptr)
        return 0;
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return 0;
    int result = 0;
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &items))) {
        char path[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(items, path) && !::PathIsRelativeA(path) &&
            AddBackSlash(path, MAX_PATH)) {
            std::strcpy(buffer, path);
            result = 1;
        }
        allocator->Free(items);
    }
    allocator->Release();
    return result;
}

const char* CValueMgr::ProductSubFolder() const
{
    return m_mode == 1 ? kDemoProductFolder : kProductFolder;
}

int CValueMgr::GetRegInstallPath(char* buffer, long size)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    char keyName[64];
    std::snprintf(keyName, sizeof keyName, m_mode == 1 ? kDemoInstallKey : kInstallKey, kGeneration);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    // Read into a scratch copy so that a value without its terminator
    // never reaches the caller.
    char* data = new (std::nothrow) char[static_cast<size_t>(size)];
    DWORD bytes = static_cast<DWORD>(size);
    LONG status = data == nullptr ? ERROR_OUTOFMEMORY
                                  : ::RegQueryValueExA(key, kInstallValue, nullptr, nullptr,
                                                       reinterpret_cast<BYTE*>(data), &bytes);
    ::RegCloseKey(key);
    int result = 0;
    if (status == ERROR_SUCCESS && std::memchr(data, '\0', bytes) != nullptr) {
        std::memcpy(buffer, data, bytes);
        result = 1;
    }
    delete[] data;
    return result;
}

int CValueMgr::AddBackSlash(char* path, long size)
{
    return SjisPath::AddBackSlash(path, size);
}

int CValueMgr::GetPersonalProductFolder(char* buffer)
{
    int result = GetMyDocFolder(buffer);
    if (!Append(buffer, ProductSubFolder()))
        return 0;
    return result;
}

int CValueMgr::GetExeOrShared(char* buffer, int perUser)
{
    return perUser ? GetCmnDocFld(buffer) : GetInstFolder(buffer);
}

int CValueMgr::GetExeOrPersonalProduct(char* buffer, int perUser)
{
    return perUser ? GetPersonalProductFolder(buffer) : GetInstFolder(buffer);
}

int CValueMgr::GetExeOrPersonal(char* buffer, int perUser)
{
    return perUser ? GetMyDocFolder(buffer) : GetInstFolder(buffer);
}

int CValueMgr::GetDataFolder(char* buffer, int perUser)
{
    return GetExeOrShared(buffer, perUser);
}

int CValueMgr::GetDtListFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetPrnFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetChoIniFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetDMenuFolder(char* buffer, int perUser)
{
    if (!GetExeOrShared(buffer, perUser))
        return 0;
    return Append(buffer, kMenuFolder) ? 1 : 0;
}

int CValueMgr::GetSvMgrFolder(char* buffer, int /*perUser*/)
{
    return GetPersonalProductFolder(buffer);
}

int CValueMgr::GetWinPosFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetSZeiFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetSanBaseFolder(char* buffer, int perUser)
{
    return GetExeOrShared(buffer, perUser);
}

int CValueMgr::GetTempFolder(char* buffer, int perUser)
{
    return GetExeOrPersonalProduct(buffer, perUser);
}

int CValueMgr::GetSwOutFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

// Before Vista, imports start at the root of the executable's drive.
int CValueMgr::GetSwInFolder(char* buffer, int perUser)
{
    if (perUser)
        return GetMyDocFolder(buffer);
    int result = GetInstFolder(buffer);
    if (std::strlen(buffer) > 3)
        buffer[3] = '\0';
    return result;
}

int CValueMgr::GetXmlOutFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetXmlInFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetExcelOFolder(char* buffer, int /*perUser*/)
{
    buffer[0] = '\0';
    return 1;
}

int CValueMgr::GetBackupFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetRestoreFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetPrnFormFolder(char* buffer, int /*perUser*/)
{
    return GetInstFolder(buffer);
}

int CValueMgr::GetTextOFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetRefFilDlgFolder(char* buffer, int perUser)
{
    return GetExeOrPersonal(buffer, perUser);
}

int CValueMgr::GetJcheckFolder(char* buffer, int perUser)
{
    return GetExeOrShared(buffer, perUser);
}
