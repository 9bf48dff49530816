# Shift-JIS path bytes: natively, under the sanitizers and under Wine.
zr8_add_portable_test(zr8_files_path_tests files/SjisPathTest.cpp)

if(WIN32)
    # The second program of the folder and file tests (copied, renamed and
    # run by them); it is not a test itself.
    add_executable(zr8_files_helper files/FilesHelper.cpp)
    target_link_libraries(zr8_files_helper PRIVATE zr8wlib zr8afx)

    zr8_add_windows_test(zr8_files_tests
        files/FilesTestSupport.cpp
        files/CValueMgrTest.cpp
        files/FolderTest.cpp
        files/TaiouTest.cpp
        files/StartupFilesTest.cpp
        files/CSemaFileTest.cpp
        files/FileUtilityTest.cpp)
    add_dependencies(zr8_files_tests zr8_files_helper)

    # Drive R: is a 64 KiB tmpfs while the tests run (disk full, and a
    # folder creation that runs out of room half-way).
    set(scratch_folder "${CMAKE_BINARY_DIR}/scratch-drive")
    set(scratch_script "${CMAKE_CURRENT_SOURCE_DIR}/files/scratch-drive.sh")
    add_test(NAME zr8_files_scratch_mount COMMAND bash "${scratch_script}" mount "${scratch_folder}" R)
    add_test(NAME zr8_files_scratch_unmount COMMAND bash "${scratch_script}" unmount "${scratch_folder}" R)
    set_tests_properties(zr8_files_scratch_mount PROPERTIES FIXTURES_SETUP zr8_scratch_drive)
    set_tests_properties(zr8_files_scratch_unmount PROPERTIES FIXTURES_CLEANUP zr8_scratch_drive)
    set_tests_properties(zr8_files_tests PROPERTIES
        FIXTURES_REQUIRED zr8_scratch_drive
        ENVIRONMENT "ZR8_SCRATCH_DRIVE=R")
endif()
