# Builds Mixora twice as a release, in two trees, packs each build as a .deb
# and checks: the two packages are the same bytes; lintian finds no error and
# no warning; the program is stripped, has no run path and is hardened; the
# package holds what it must and depends on what it needs.
# Usage: cmake -DSOURCE_DIR=... -DOUT_DIR=... -P checkpackage.cmake
file(REMOVE_RECURSE "${OUT_DIR}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGV0} failed:\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

set(packages)
foreach(tree first second)
    set(build "${OUT_DIR}/${tree}")
    run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${build}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        -DMIXORA_BENCHMARKS=OFF)
    run(${CMAKE_COMMAND} --build "${build}" --parallel)
    run(cpack -G DEB --config "${build}/CPackConfig.cmake" -B "${build}/deb")
    file(GLOB deb "${build}/deb/*.deb")
    list(APPEND packages ${deb})
endforeach()
list(GET packages 0 package)
file(SHA256 "${package}" first)
list(GET packages 1 second_package)
file(SHA256 "${second_package}" second)
if(NOT first STREQUAL second)
    message(FATAL_ERROR "two builds of the same sources gave different packages:\n${packages}")
endif()

# Info lines are shown but do not fail; errors and warnings do.
run(lintian --fail-on error,warning --info --display-info "${package}")
message(STATUS "lintian: ${out}")

set(root "${OUT_DIR}/root")
run(dpkg-deb -x "${package}" "${root}")
# Fortify is compiled in, but none of the program's own calls has a size the
# compiler can check, so the check finds no fortified call to count. Control-
# flow protection is compiled in on Debian 13, but neither release's C start-up
# objects (crti.o) carry its marker, so no program linked with them can. Branch
# protection is arm64's alone; Debian 13's hardening-check asks for it on
# every architecture, Debian 12's does not know it.
execute_process(COMMAND hardening-check --help OUTPUT_VARIABLE help ERROR_VARIABLE help)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE)
set(hardening_options --nofortify --nocfprotection)
if(help MATCHES "--nobranchprotection" AND NOT architecture STREQUAL "arm64")
    list(APPEND hardening_options --nobranchprotection)
endif()
run(hardening-check ${hardening_options} "${root}/usr/bin/mixora")
message(STATUS "${out}")
run(readelf --dynamic "${root}/usr/bin/mixora")
if(out MATCHES "RPATH|RUNPATH")
    message(FATAL_ERROR "the installed program has a run path:\n${out}")
endif()
run(file "${root}/usr/bin/mixora")
if(NOT out MATCHES ", stripped")
    message(FATAL_ERROR "the installed program is not stripped: ${out}")
endif()

run(dpkg-deb --field "${package}" Depends)
message(STATUS "Depends: ${out}")
# libqt6widgets6 can only come from reading the binary's libraries.
foreach(needed libqt6widgets6 libc6 fonts-liberation hicolor-icon-theme)
    if(NOT out MATCHES "(^|[ ,])${needed}([ ,(\n]|$)")
        message(FATAL_ERROR "Depends lacks ${needed}: ${out}")
    endif()
endforeach()

foreach(path usr/bin/mixora usr/share/applications/com.quendrix.Mixora.desktop
        usr/share/metainfo/com.quendrix.Mixora.metainfo.xml
        usr/share/icons/hicolor/32x32/apps/com.quendrix.Mixora.png
        usr/share/man/man1/mixora.1.gz usr/share/doc/mixora/copyright usr/share/doc/mixora/changelog.gz)
    if(NOT EXISTS "${root}/${path}")
        message(FATAL_ERROR "the package lacks ${path}")
    endif()
endforeach()
