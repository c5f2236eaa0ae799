# Installs the build into a scratch prefix and checks that the desktop
# entry and the AppStream file are valid and every installed file is there.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -P checkinstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(app_id com.quendrix.Mixora)
set(expected bin/mixora share/applications/${app_id}.desktop share/metainfo/${app_id}.metainfo.xml)
foreach(size 16 32 48)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

function(validate)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message(STATUS "${out}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGV0} failed")
    endif()
endfunction()
validate(desktop-file-validate "${PREFIX}/share/applications/${app_id}.desktop")
validate(appstreamcli validate --pedantic --no-net "${PREFIX}/share/metainfo/${app_id}.metainfo.xml")
# appstream-util, where the release still ships it (Debian 12 and 13; see
# scripts/install-deps.sh). Debian 12's predates <recommends>, which its
# strict mode calls an unknown tag; its ordinary validation knows the rest.
find_program(APPSTREAM_UTIL appstream-util)
if(APPSTREAM_UTIL)
    validate(${APPSTREAM_UTIL} validate --nonet "${PREFIX}/share/metainfo/${app_id}.metainfo.xml")
else()
    message(STATUS "appstream-util is not installed: appstreamcli alone validated the AppStream file")
endif()
