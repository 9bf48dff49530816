# The era list and year texts (portable); the input controls in windows, the parent's messages recorded.
zr8_add_portable_test(zr8_controls_era_tests controls/DateEraListTest.cpp)
zr8_add_windows_test(zr8_controls_tests controls/ControlsTest.cpp)
if(WIN32)
    target_link_libraries(zr8_controls_tests PRIVATE imm32 comctl32)
endif()
