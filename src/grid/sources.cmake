# Grids and drawing: the matrix list's view model and the input matrix's
# layout are portable; the windows are not.
list(APPEND WLIB_PORTABLE_SOURCES
    grid/CMtrxLayout.cpp
    grid/CMtrxModel.cpp)
