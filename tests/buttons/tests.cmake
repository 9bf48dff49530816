# Flat and bitmap buttons, the menu bar and the tooltip manager in real
# windows with real mouse input; seeded random input with its GDI count in
# a process of its own, so that it runs beside the others.
zr8_add_windows_test(zr8_buttons_tests buttons/FlatButtonTest.cpp buttons/OwnerBtnTest.cpp buttons/MenuBarTest.cpp
    buttons/ToolTipMgrTest.cpp buttons/ButtonsTest.rc)
zr8_add_windows_test(zr8_buttons_leak_tests buttons/RandomInputTest.cpp buttons/ButtonsTest.rc)
if(WIN32)
    foreach(target zr8_buttons_tests zr8_buttons_leak_tests)
        add_dependencies(${target} zr8_button_faces)
        target_compile_options(${target} PRIVATE -fexec-charset=CP932)
    endforeach()
    target_link_libraries(zr8_buttons_tests PRIVATE comctl32)
    target_link_libraries(zr8_buttons_leak_tests PRIVATE imm32)
endif()
