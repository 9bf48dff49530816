# The template reader: portable, so it also runs natively under ASan + UBSan.
zr8_add_portable_test(zr8_entry_template_tests entry/DlgTemplateReaderTest.cpp)

# The table, its subclasses and the IME control in real modal dialogs.
zr8_add_windows_test(zr8_entry_tests
    entry/DlgSbTest.cpp
    entry/FepTest.cpp
    entry/EntryDialogs.rc)
if(WIN32)
    target_link_libraries(zr8_entry_tests PRIVATE imm32)
endif()
