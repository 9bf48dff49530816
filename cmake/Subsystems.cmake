# Includes <subsystem>/<file> of the current source folder for each subsystem
# of ZR8_SUBSYSTEMS (top-level CMakeLists.txt). A listed subsystem without
# the file, or a folder with one that is not listed, stops the configure: a
# renamed or new list is never skipped. A macro, so that the lists the files
# append to stay in the caller's scope.
macro(zr8_include_subsystem_lists file)
    file(GLOB zr8_unlisted RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/*/${file}")
    foreach(zr8_subsystem IN LISTS ZR8_SUBSYSTEMS)
        if(NOT EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${zr8_subsystem}/${file}")
            message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${zr8_subsystem}/${file} is missing: "
                                "each subsystem of ZR8_SUBSYSTEMS has one")
        endif()
        list(REMOVE_ITEM zr8_unlisted "${zr8_subsystem}/${file}")
        include("${CMAKE_CURRENT_SOURCE_DIR}/${zr8_subsystem}/${file}")
    endforeach()
    if(zr8_unlisted)
        message(FATAL_ERROR "${zr8_unlisted} in ${CMAKE_CURRENT_SOURCE_DIR}: the folder is not in "
                            "ZR8_SUBSYSTEMS (top-level CMakeLists.txt)")
    endif()
endmacro()
