# Column layout and text placement: portable, also under ASan + UBSan.
zr8_add_portable_test(zr8_grid_layout_tests grid/GdiLayoutTest.cpp grid/TermBarLayoutTest.cpp)

# The drawing helper, the term bar and the static display on memory DCs and
# real windows.
zr8_add_windows_test(zr8_grid_draw_tests
    grid/CGdiTest.cpp
    grid/CSetTermTest.cpp
    grid/CStaticDispTest.cpp)
