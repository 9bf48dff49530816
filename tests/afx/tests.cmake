zr8_add_portable_test(zr8_afx_tests
    afx/COleDateTimeTest.cpp
    afx/CSemaphoreTest.cpp
    afx/CStringTest.cpp
    afx/RuntimeClassTest.cpp)

if(WIN32)
    zr8_add_test_executable(zr8_afx_win_tests afx/CFileTest.cpp)
    target_link_libraries(zr8_afx_win_tests PRIVATE zr8afx)
endif()

# The window layer, driven under Wine with real input; links the library for
# the resource-chain case.
zr8_add_windows_test(zr8_afx_window_tests
    afx/WindowTest.cpp
    afx/DialogTest.cpp
    afx/GdiTest.cpp
    afx/AfxWindows.rc)
