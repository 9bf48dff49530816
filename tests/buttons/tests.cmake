# Flat and bitmap buttons, the menu bar and the tooltip manager in real
# windows with real mouse input.
zr8_add_windows_test(zr8_buttons_tests
    buttons/ButtonsEnvironment.cpp
    buttons/FlatButtonTest.cpp
    buttons/OwnerBtnTest.cpp
    buttons/MenuBarTest.cpp
    buttons/ToolTipMgrTest.cpp
    buttons/ButtonsTest.rc)
if(WIN32)
    add_dependencies(zr8_buttons_tests zr8_button_faces)
    target_link_libraries(zr8_buttons_tests PRIVATE comctl32)
    target_compile_options(zr8_buttons_tests PRIVATE -fexec-charset=CP932)
endif()

# GDI object balance over many cycles and repaints: its own process, so that
# it runs beside the others.
zr8_add_windows_test(zr8_buttons_leak_tests
    buttons/ButtonsEnvironment.cpp
    buttons/LeakTest.cpp
    buttons/ButtonsTest.rc)
if(WIN32)
    add_dependencies(zr8_buttons_leak_tests zr8_button_faces)
    target_compile_options(zr8_buttons_leak_tests PRIVATE -fexec-charset=CP932)
endif()
