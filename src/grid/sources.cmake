# Grids and drawing: the drawing helper, the term bar, the static display.
list(APPEND WLIB_PORTABLE_SOURCES
    grid/GdiLayout.cpp
    grid/TermBarLayout.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    grid/CGdi.cpp
    grid/CSetTerm.cpp
    grid/CStaticDisp.cpp)

# The matrix list and the input matrix: the view model and the layout
# arithmetic are portable, the windows are not.
list(APPEND WLIB_PORTABLE_SOURCES
    grid/CMtrxLayout.cpp
    grid/CMtrxModel.cpp
    grid/CMtrxSelection.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    grid/CInterMtrx.cpp
    grid/CMtrxLst.cpp)
