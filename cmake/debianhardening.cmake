# Hardening of release builds on Debian (ELF programs, GCC or clang).
# Release builds take Debian's hardening flags, as dpkg-buildflags gives them
# with hardening=+all: stack protector, fortified functions, full RELRO and
# immediate binding, and source paths mapped out of the binary.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(hardening_${kind} UNIX_COMMAND "${flags}")
    endforeach()
else()
    # What it gives on Debian 12, for machines without dpkg-dev.
    set(hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(hardening_CXXFLAGS -O2 -fstack-protector-strong -Wformat -Werror=format-security
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
    set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()
# Debian 13 adds this one to the set (and control-flow protection on amd64).
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-fstack-clash-protection HAVE_STACK_CLASH_PROTECTION)
if(HAVE_STACK_CLASH_PROTECTION)
    list(APPEND hardening_CXXFLAGS -fstack-clash-protection)
endif()
# Generated sources live in the build tree; mapped too, two builds in
# different places link to the same bytes, build ID and all.
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS} -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
add_link_options(${hardening_LDFLAGS})
set(MIXORA_HARDENED ON)
