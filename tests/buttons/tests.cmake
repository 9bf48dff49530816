# Flat and bitmap buttons, the menu bar and the tooltip manager in real
# windows with real mouse input.
zr8_add_windows_test(zr8_buttons_tests
    buttons/ButtonsEnvironment.cpp
    buttons/FlatButtonTest.cpp
    buttons/OwnerBtnTest.cpp
    buttons/MenuBarTest.cpp
    buttons/ToolTipMgrTest.cpp
    buttons/LeakTest.cpp
    buttons/ButtonsTest.rc)
if(WIN32)
    add_dependencies(zr8_buttons_tests zr8_button_faces)
    target_link_libraries(zr8_buttons_tests PRIVATE comctl32)
    target_compile_options(zr8_buttons_tests PRIVATE -fexec-charset=CP932)
endif()
