# Input controls: numeric and string edits, the return combo, the date control.
list(APPEND WLIB_PORTABLE_SOURCES
    controls/CDateEraList.cpp)
list(APPEND WLIB_WINDOWS_SOURCES
    controls/CDateCtrlEx.cpp
    controls/CEditNum.cpp
    controls/CEditStr.cpp
    controls/CEditStrEx.cpp
    controls/CRetCombo.cpp)
