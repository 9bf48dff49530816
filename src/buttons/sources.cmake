list(APPEND WLIB_WINDOWS_SOURCES
    buttons/CFlatButton.cpp
    buttons/CMenuBar.cpp
    buttons/COwnerBtn.cpp
    buttons/CToolTipPictureStatic.cpp
    buttons/CToolTipStatic.cpp
    buttons/CToolTipTextStatic.cpp
    buttons/ClUtyToolTipMgr.cpp)
list(APPEND WLIB_WINDOWS_LIBRARIES comctl32 ole32 oleaut32 uuid)
