list(APPEND WLIB_WINDOWS_SOURCES
    buttons/CFlatButton.cpp
    buttons/COwnerBtn.cpp
    buttons/CMenuBar.cpp)
