# The matrix list's view model and the input matrix's layout: portable, so
# they also run natively under ASan + UBSan.
zr8_add_portable_test(zr8_grid_model_tests grid/MtrxModelTest.cpp grid/MtrxLayoutTest.cpp)
