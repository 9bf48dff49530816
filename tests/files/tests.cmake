# Shift-JIS path bytes: natively, under the sanitizers and under Wine.
zr8_add_portable_test(zr8_files_path_tests files/SjisPathTest.cpp)

if(WIN32)
    # The stand-in for cacls.exe of the folder tests; it is not a test itself.
    add_executable(zr8_files_helper files/FilesHelper.cpp)

    zr8_add_windows_test(zr8_files_tests files/FileTest.cpp files/FolderTest.cpp)
    add_dependencies(zr8_files_tests zr8_files_helper)

    # Drive R: is a 64 KiB tmpfs while the tests run (disk full, and a
    # folder creation that runs out of room half-way); F, G, N and O are a
    # floppy, a floppy without a medium, a network drive and a CD-ROM.
    set(drives_folder "${CMAKE_BINARY_DIR}/test-drives")
    set(drives_script "${CMAKE_CURRENT_SOURCE_DIR}/support/drives.sh")
    add_test(NAME zr8_files_drives_mount COMMAND bash "${drives_script}" mount "${drives_folder}")
    add_test(NAME zr8_files_drives_unmount COMMAND bash "${drives_script}" unmount "${drives_folder}")
    set_tests_properties(zr8_files_drives_mount PROPERTIES FIXTURES_SETUP zr8_test_drives)
    set_tests_properties(zr8_files_drives_unmount PROPERTIES FIXTURES_CLEANUP zr8_test_drives)
    set_tests_properties(zr8_files_tests PROPERTIES FIXTURES_REQUIRED zr8_test_drives)
endif()
