# The stock button faces are drawn at build time by make_faces.py (Debian's
# python3 with python3-pil and the IPA Gothic font) into the build tree; the
# library's resource script includes the generated faces.rc.
find_program(ZR8_FACES_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(ZR8_FACES_FONT "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf")
set(ZR8_FACES_DIR "${CMAKE_BINARY_DIR}/generated/faces")
add_custom_command(
    OUTPUT "${ZR8_FACES_DIR}/faces.rc"
    COMMAND "${ZR8_FACES_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/resources/make_faces.py"
            "${CMAKE_CURRENT_SOURCE_DIR}/resources/button-faces.tsv" "${ZR8_FACES_FONT}" "${ZR8_FACES_DIR}"
    DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/resources/make_faces.py"
            "${CMAKE_CURRENT_SOURCE_DIR}/resources/button-faces.tsv"
    COMMENT "Drawing the stock button faces"
    VERBATIM)
add_custom_target(zr8_button_faces DEPENDS "${ZR8_FACES_DIR}/faces.rc")
set_source_files_properties(resources/zr8wlib.rc PROPERTIES OBJECT_DEPENDS "${ZR8_FACES_DIR}/faces.rc")
