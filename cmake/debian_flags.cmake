# The release build's flags: Debian's hardening flags as this system's
# dpkg-buildflags gives them (hardening=+all), so that a newer Debian's or
# Ubuntu's defaults (_FORTIFY_SOURCE=3, stack-clash protection, ...) come in
# by themselves; Debian 12's where dpkg-buildflags is missing. Beside them,
# the source folder mapped to '.', and control-flow protection, which the
# linker is told to keep: Debian 12's crt1.o and crti.o carry no note saying
# they have it.
set(debian_CPPFLAGS "-Wdate-time -D_FORTIFY_SOURCE=2")
set(debian_CXXFLAGS "-g -O2 -fstack-protector-strong -Wformat -Werror=format-security")
set(debian_LDFLAGS "-Wl,-z,relro -Wl,-z,now")
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # From the source folder, which its file-prefix map names.
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE status)
        if(status EQUAL 0)
            set(debian_${kind} "${flags}")
        endif()
    endforeach()
endif()
message(STATUS "Debian's flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
string(APPEND CMAKE_CXX_FLAGS
    " ${debian_CPPFLAGS} ${debian_CXXFLAGS} -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -fcf-protection")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS} -Wl,-z,ibt -Wl,-z,shstk")
