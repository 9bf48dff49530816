list(APPEND WLIB_PORTABLE_SOURCES
    files/SjisPath.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    files/CFileCopy.cpp
    files/CGetDriveType.cpp
    files/CLocalFile.cpp
    files/CSemaFile.cpp
    files/CUtyFile.cpp
    files/CValueMgr.cpp
    files/DirOpe.cpp)
# Path tests (PathFileExistsA, PathIsDirectoryA, PathSkipRootA, PathStripToRootA).
list(APPEND WLIB_WINDOWS_LIBRARIES shlwapi)
list(APPEND ZR8_PRIVATE_HEADERS files/GlobalBlock.h)
