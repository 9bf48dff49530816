# The trace log keeps process-wide state, so it has a process of its own.
zr8_add_portable_test(zr8_trace_tests frame/CZrTraceTest.cpp)
target_link_libraries(zr8_trace_tests PRIVATE log4cxx)

if(WIN32)
    # Stands for a host: links the framework only and loads the library itself.
    zr8_add_test_executable(zr8_host_tests frame/HostLoadTest.cpp frame/HostStrings.rc)
    target_link_libraries(zr8_host_tests PRIVATE zr8afx)
    add_dependencies(zr8_host_tests zr8wlib)
endif()
