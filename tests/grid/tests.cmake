# Column layout and text placement: portable, also under ASan + UBSan.
zr8_add_portable_test(zr8_grid_layout_tests grid/GdiLayoutTest.cpp)

# The drawing helper on memory DCs; the term bar (and the static display it
# sits with) on a real window.
zr8_add_windows_test(zr8_grid_draw_tests grid/CGdiTest.cpp grid/CSetTermTest.cpp)

# The matrix list's view model and the input matrix's layout: portable, so
# they also run natively under ASan + UBSan.
zr8_add_portable_test(zr8_grid_model_tests grid/MtrxModelTest.cpp grid/MtrxLayoutTest.cpp)

# The matrix list and input matrix as windows: owner messages under real
# input, reference images, the auto-scroll timer, bitmaps, GDI objects.
zr8_add_windows_test(zr8_grid_matrix_tests grid/MatrixWindowTest.cpp grid/MatrixBitmaps.rc)

# The random input switches the IME.
if(WIN32)
    target_link_libraries(zr8_grid_draw_tests PRIVATE imm32)
    target_link_libraries(zr8_grid_matrix_tests PRIVATE imm32)
endif()
