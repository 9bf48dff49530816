#include "CLocalFile.h"

#include <windows.h>

#include "afx/CFile.h"

CLocalFile::CLocalFile() = default;

CLocalFile::~CLocalFile() = default;

int CLocalFile::CheckFileExist(const char* path)
{
    if (path == nullptr)
        return 0;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    ::FindClose(search);
    return 1;
}

int CLocalFile::ReadFile(const char* path, long size, unsigned char* buffer, long* read)
{
    if (size < 0 || (size > 0 && buffer == nullptr) || read == nullptr)
        return 0;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareExclusive))
        return 0;
    try {
        UINT count = file.Read(buffer, static_cast<UINT>(size));
        *read = static_cast<long>(count);
        file.Close();
    } catch (CFileException* error) {
        error->Delete();
        return 0;
    }
    return 1;
}

int CLocalFile::WriteFile(const char* path, long size, unsigned char* data)
{
    if (size < 0 || (size > 0 && data == nullptr))
        return 0;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return 0;
    file.Write(data, static_cast<UINT>(size));
    file.Close();
    return 1;
}
