zr8_add_portable_test(zr8_calendar_tests
    calendar/CYmdTest.cpp)

# The clock at midnight and one second before it, natively under a frozen
# clock (libfaketime; not with the sanitizers, which must load first). With -f
# an absolute time stops the clock there; without it the clock runs on and a
# loaded machine sees the next second.
find_program(ZR8_FAKETIME faketime)
if(NOT WIN32 AND NOT ZR8_SANITIZE AND ZR8_FAKETIME)
    foreach(clock "00:00:00" "23:59:59")
        string(REPLACE ":" "" suffix "${clock}")
        # A report of its own beside the others, when reports are asked for.
        add_test(NAME zr8_clock_${suffix}
                 COMMAND sh -c "exec \"$0\" \"$1\" \"$2\" \"$3\" --gtest_filter=CConvTime.* \
                                \${GTEST_OUTPUT:+--gtest_output=$GTEST_OUTPUT}zr8_clock_${suffix}.xml"
                         ${ZR8_FAKETIME} -f "2026-12-05 ${clock}" $<TARGET_FILE:zr8_calendar_tests>)
        set_tests_properties(zr8_clock_${suffix} PROPERTIES
            ENVIRONMENT "ZR8_FROZEN_CLOCK=${clock};TZ=UTC")
    endforeach()
endif()
