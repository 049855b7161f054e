# A fontconfig file that offers DejaVu alone, for tests of a desktop without
# Japanese fonts: its mono face is too wide for twelve digits at 15 pixels.
# Sets FONTS_WITHOUT_JAPANESE to the file's path.
find_program(FC_MATCH fc-match REQUIRED)
execute_process(COMMAND ${FC_MATCH} -f "%{file}" "DejaVu Sans Mono"
    OUTPUT_VARIABLE dejavu_mono OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT dejavu_mono MATCHES "DejaVuSansMono")
    message(FATAL_ERROR "DejaVu Sans Mono is not installed (fonts-dejavu-core); fontconfig offers ${dejavu_mono}")
endif()
get_filename_component(dejavu_dir "${dejavu_mono}" DIRECTORY)
set(FONTS_WITHOUT_JAPANESE ${CMAKE_BINARY_DIR}/fonts-without-cjk.conf)
file(WRITE ${FONTS_WITHOUT_JAPANESE}
    "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
    "  <dir>${dejavu_dir}</dir>\n"
    "  <cachedir>${CMAKE_BINARY_DIR}/fontconfig-cache</cachedir>\n</fontconfig>\n")
