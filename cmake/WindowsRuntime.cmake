# Imported log4cxx from the cross-built dependency prefix, and the DLLs that
# Windows programs need beside them (log4cxx and the MinGW run-time).
set(ZR8_DEPS_PREFIX "/opt/zr8wlib-deps/current" CACHE PATH "Cross-built log4cxx prefix")

find_file(ZR8_LOG4CXX_DLL NAMES liblog4cxx.dll log4cxx.dll
          PATHS "${ZR8_DEPS_PREFIX}/bin" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(ZR8_LOG4CXX_IMPLIB NAMES liblog4cxx.dll.a log4cxx.dll.a
          PATHS "${ZR8_DEPS_PREFIX}/lib" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

add_library(log4cxx SHARED IMPORTED)
set_target_properties(log4cxx PROPERTIES
    IMPORTED_LOCATION "${ZR8_LOG4CXX_DLL}"
    IMPORTED_IMPLIB "${ZR8_LOG4CXX_IMPLIB}"
    INTERFACE_INCLUDE_DIRECTORIES "${ZR8_DEPS_PREFIX}/include")

set(ZR8_RUNTIME_DLLS "${ZR8_LOG4CXX_DLL}")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW run-time ${dll} not found")
    endif()
    list(APPEND ZR8_RUNTIME_DLLS "${path}")
endforeach()

# Copies the run-time DLLs into the folder of the programs.
add_custom_target(zr8_runtime_dlls ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ZR8_RUNTIME_DLLS} "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
    VERBATIM)
