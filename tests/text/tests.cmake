zr8_add_portable_test(zr8_text_tests
    text/TextTest.cpp)

# CSV output goes through the framework's CFile; the help context through
# the application object.
zr8_add_windows_test(zr8_text_win_tests
    text/WindowsTextTest.cpp)
