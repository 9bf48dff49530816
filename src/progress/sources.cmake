# Progress and images: the progress dialog and DIB images.
list(APPEND WLIB_PORTABLE_SOURCES
    progress/CDibHeader.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    progress/CDIB.cpp
    progress/CScaleDlg.cpp)
