# Flat and bitmap buttons, the menu bar and the tooltip manager in real
# windows with real mouse input; the GDI leak test in its own process, so
# that it runs beside the others.
zr8_add_windows_test(zr8_buttons_tests buttons/FlatButtonTest.cpp buttons/OwnerBtnTest.cpp buttons/MenuBarTest.cpp
    buttons/ToolTipMgrTest.cpp buttons/ButtonsTest.rc)
zr8_add_windows_test(zr8_buttons_leak_tests buttons/LeakTest.cpp buttons/ButtonsTest.rc)
if(WIN32)
    foreach(target zr8_buttons_tests zr8_buttons_leak_tests)
        add_dependencies(${target} zr8_button_faces)
        target_compile_options(${target} PRIVATE -fexec-charset=CP932)
    endforeach()
    target_link_libraries(zr8_buttons_tests PRIVATE comctl32)
endif()
