#include "DirOpe.h"

#include <cstdio>
#include <cstring>

#include <direct.h>
#include <windows.h>

#include "files/SjisPath.h"

DirOpe::DirOpe() : m_savedDrive(0), m_savedDirectory(), m_changedDrive(0), m_currentDirectory()
{
    if (_getcwd(m_savedDirectory, sizeof m_savedDirectory) == nullptr)
        m_savedDirectory[0] = '\0';
    char letter = m_savedDirectory[0];
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    m_savedDrive = letter - 64;
}

DirOpe::~DirOpe()
{
    if (m_savedDirectory[0] == '\0')
        return;
    _chdrive(m_savedDrive);
    _chdir(m_savedDirectory);
}

int DirOpe::change(CString& directory)
{
    CString copy(directory);
    SjisPath::MakeUpperAscii(copy.GetBuffer(copy.GetLength()));
    copy.ReleaseBuffer();

    int length = copy.GetLength();
    bool driveRoot = length == 3 && copy[1] == ':';
    if (length != 1 && !driveRoot && SjisPath::EndsWithBackslash(copy))
        copy = copy.Left(length - 1);

    m_changedDrive = 0;
    if (copy[1] == ':') {
        m_changedDrive = copy[0] - 64;
        _chdrive(m_changedDrive);
    }
    // Only the directory change is reported: a bare drive always gives 1.
    if (length == 2)
        return 1;
    return _chdir(copy) == 0 ? 1 : 0;
}

CString DirOpe::get()
{
    if (_getcwd(m_currentDirectory, sizeof m_currentDirectory) == nullptr)
        return CString();
    CString current(m_currentDirectory);
    // Drive roots (C:\) already end in a backslash; a 0x5C trail byte does not count.
    if (current.GetLength() >= 4 && !SjisPath::EndsWithBackslash(current))
        current += '\\';
    return current;
}

short DirOpe::CheckDrive(CString& path)
{
    char c = path[0];
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && c != '\\' && path[1] != '\\')
        return -1;
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", c);
    if (::GetDriveTypeA(root) != DRIVE_REMOVABLE)
        return 1;
    DWORD sectors, bytes, freeClusters, clusters;
    return ::GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &clusters) ? 1 : 0;
}
