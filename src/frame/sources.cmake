list(APPEND WLIB_PORTABLE_SOURCES
    frame/CZrTrace.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    frame/InitWinLibDLL.cpp)
