list(APPEND WLIB_PORTABLE_SOURCES
    text/CCheck.cpp
    text/CConv.cpp
    text/CConvPath.cpp
    text/CDlgSub.cpp
    text/CEveryValue.cpp
    text/CFixDecimal.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    text/ClTxtCnvOut.cpp)
# The text helpers' shared limit.
list(APPEND ZR8_PRIVATE_HEADERS text/ConvText.h)
