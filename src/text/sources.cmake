list(APPEND WLIB_PORTABLE_SOURCES
    text/CCheck.cpp
    text/CConv.cpp
    text/CDlgSub.cpp
    text/CEveryValue.cpp
    text/CFixDecimal.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    text/ClTxtCnvOut.cpp)
