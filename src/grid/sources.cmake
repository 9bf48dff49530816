# Grids and drawing: the drawing helper, the term bar, the static display.
list(APPEND WLIB_PORTABLE_SOURCES
    grid/GdiLayout.cpp
    grid/TermBarLayout.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    grid/CGdi.cpp
    grid/CSetTerm.cpp
    grid/CStaticDisp.cpp)
