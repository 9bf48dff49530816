list(APPEND WLIB_PORTABLE_SOURCES
    calendar/CCheckYmd.cpp
    calendar/CConvTime.cpp
    calendar/CConvYmd.cpp
    calendar/CGetYmd.cpp
    calendar/CYmd.cpp
    calendar/CYmdBase.cpp)
