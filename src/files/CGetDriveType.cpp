#include "CGetDriveType.h"

#include <cstdio>

#include <direct.h>
#include <windows.h>

CGetDriveType::CGetDriveType() = default;

CGetDriveType::~CGetDriveType() = default;

short CGetDriveType::GetDriveTypeA(short letter)
{
    int index = letter >= 'A' && letter <= 'Z' ? letter - 'A' : letter - 'a';
    if (index < 0 || index > 25)
        return 4;
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", 'A' + index);
    switch (::GetDriveTypeA(root)) {
    case DRIVE_REMOVABLE:
        return 1;
    case DRIVE_FIXED:
        return 2;
    case DRIVE_REMOTE:
        return 3;
    default:
        return 4;
    }
}

short CGetDriveType::GetDriveTypeA(char* path)
{
    return GetDriveTypeA(static_cast<const char*>(path));
}

short CGetDriveType::GetDriveTypeA(const char* path)
{
    if (path == nullptr)
        return 4;
    return GetDriveTypeA(static_cast<short>(static_cast<signed char>(path[0])));
}

short CGetDriveType::GetCurrentDriveType()
{
    int drive = _getdrive();  // 1 = A
    if (drive < 1 || drive > 26)
        return 4;
    return GetDriveTypeA(static_cast<short>('A' + drive - 1));
}
