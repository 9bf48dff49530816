#include "CSemaFile.h"

#include <cstring>

#include <windows.h>

#include "afx/CFile.h"
#include "files/GlobalBlock.h"

namespace {

const size_t kMaxComputer = 15;
const size_t kMaxUser = 256;

} // namespace

CSemaFile::CSemaFile() : m_computer(), m_user()
{
    char computer[sizeof m_computer] = {};
    char user[sizeof m_user] = {};
    DWORD computerSize = sizeof computer;
    DWORD userSize = sizeof user;
    if (::GetComputerNameA(computer, &computerSize) && ::GetUserNameA(user, &userSize)) {
        std::memcpy(m_computer, computer, sizeof m_computer);
        std::memcpy(m_user, user, sizeof m_user);
    }
}

CSemaFile::~CSemaFile()
{
    if (!m_lockedPath.IsEmpty())
        UnlockFile();
}

int CSemaFile::ReadRecord(const char* path, Record* record)
{
    if (path == nullptr || path[0] == '\0')
        return badPath;
    std::memset(record, 0, sizeof *record);
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyRead | CFile::typeBinary))
        return cannotOpen;
    ULONGLONG length = 0;
    try {
        length = file.GetLength();
    } catch (CFileException* error) {
        error->Delete();
        return shortRead;
    }
    if (length == 0)
        return 0;
    if (length > 0x7FFFFFFF)
        return noMemory;
    GlobalBlock block(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(length));
    if (block.Data() == nullptr)
        return noMemory;
    UINT read = 0;
    try {
        read = file.Read(block.Data(), static_cast<UINT>(length));
    } catch (CFileException* error) {
        error->Delete();
        return shortRead;
    }
    if (read < length)
        return shortRead;

    const char* data = block.Data();
    const char* colon = static_cast<const char*>(std::memchr(data, ':', static_cast<size_t>(length)));
    if (colon == nullptr)
        return 0;
    size_t computerLength = static_cast<size_t>(colon - data);
    size_t userLength = static_cast<size_t>(length) - computerLength - 1;
    if (computerLength > kMaxComputer || userLength > kMaxUser)
        return badRecord;
    std::memcpy(record->computer, data, computerLength);
    std::memcpy(record->user, colon + 1, userLength);
    return 0;
}

int CSemaFile::WriteRecord(const char* path, bool withRecord)
{
    if (path == nullptr || path[0] == '\0')
        return badPath;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone | CFile::typeBinary))
        return cannotWrite;
    if (!withRecord)
        return 0;
    size_t computerLength = std::strlen(m_computer);
    size_t userLength = std::strlen(m_user);
    size_t length = computerLength + 1 + userLength;
    GlobalBlock block(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
    if (block.Data() == nullptr)
        return noMemory;
    std::memcpy(block.Data(), m_computer, computerLength);
    block.Data()[computerLength] = ':';
    std::memcpy(block.Data() + computerLength + 1, m_user, userLength);
    try {
        file.Write(block.Data(), static_cast<UINT>(length));
        file.Close();
    } catch (CFileException* error) {
        error->Delete();
        return cannotWrite;
    }
    return 0;
}

int CSemaFile::CheckFile(const char* path)
{
    Record record;
    int result = ReadRecord(path, &record);
    if (result != 0)
        return result;
    if (record.computer[0] == '\0' || record.user[0] == '\0')
        return 0;
    if (std::strcmp(record.computer, m_computer) != 0 || std::strcmp(record.user, m_user) != 0)
        return heldByOther;
    return 0;
}

int CSemaFile::LockFile(const char* path)
{
    UnlockFile();
    int result = WriteRecord(path, true);
    if (result == 0)
        m_lockedPath = path;
    return result;
}

int CSemaFile::UnlockFile()
{
    if (m_lockedPath.IsEmpty())
        return 0;
    int result = WriteRecord(m_lockedPath, false);
    if (result == 0)
        m_lockedPath.Empty();
    return result;
}

int CSemaFile::CreateFileA(const char* path)
{
    return WriteRecord(path, false);
}

CString CSemaFile::GetLockedPath()
{
    return m_lockedPath;
}

void CSemaFile::SetLockedPath(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        m_lockedPath.Empty();
    else
        m_lockedPath = path;
}
