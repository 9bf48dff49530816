# Keyboard data entry: dialog item table, control subclasses, IME control.
list(APPEND WLIB_PORTABLE_SOURCES
    entry/CDlgTemplateReader.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    entry/CButtonSub.cpp
    entry/CComboSub.cpp
    entry/CDlgSb.cpp
    entry/CEditSub.cpp
    entry/CFep.cpp
    entry/CListSub.cpp)
list(APPEND WLIB_WINDOWS_LIBRARIES imm32)
list(APPEND ZR8_PRIVATE_HEADERS entry/DlgKeys.h)
