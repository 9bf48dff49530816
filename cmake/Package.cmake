# The Windows SDK that `cmake --install` lays out and `cpack` zips:
#   include/              zr8wlib.h, zr8version.h and the public headers in their
#                         folders ("afx/afx.h", "text/CConv.h", ...): the two
#                         libraries' HEADERS file sets (src/CMakeLists.txt)
#   bin/                  zr8afx.dll, zr8wlib.dll, log4cxx and the MinGW run-time
#   lib/                  the import libraries
#   lib/cmake/zr8wlib/    the CMake package: targets zr8wlib::zr8afx, zr8wlib::zr8wlib
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZR8_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/zr8wlib")

install(TARGETS zr8afx zr8wlib EXPORT zr8wlibTargets
    RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}"
    LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}"
    ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}"
    FILE_SET HEADERS DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")

# What the two DLLs load at run time besides the system's own DLLs.
install(FILES ${ZR8_RUNTIME_DLLS} DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(EXPORT zr8wlibTargets NAMESPACE zr8wlib:: DESTINATION "${ZR8_PACKAGE_DIR}")
configure_package_config_file(cmake/zr8wlibConfig.cmake.in
    "${CMAKE_BINARY_DIR}/cmake-package/zr8wlibConfig.cmake"
    INSTALL_DESTINATION "${ZR8_PACKAGE_DIR}"
    PATH_VARS CMAKE_INSTALL_INCLUDEDIR CMAKE_INSTALL_BINDIR)
write_basic_package_version_file("${CMAKE_BINARY_DIR}/cmake-package/zr8wlibConfigVersion.cmake"
    VERSION "${PROJECT_VERSION}" COMPATIBILITY SameMajorVersion)
install(FILES "${CMAKE_BINARY_DIR}/cmake-package/zr8wlibConfig.cmake"
              "${CMAKE_BINARY_DIR}/cmake-package/zr8wlibConfigVersion.cmake"
        DESTINATION "${ZR8_PACKAGE_DIR}")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "zr8WLIB: the framework and library DLLs with headers and CMake package")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
include(CPack)
