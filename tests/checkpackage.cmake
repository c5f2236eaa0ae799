# Builds the .deb and checks what it holds and what it depends on.
# Usage: cmake -DBUILD_DIR=... -DOUT_DIR=... -P checkpackage.cmake
file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB packages "${OUT_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Depends OUTPUT_VARIABLE depends)
message(STATUS "Depends: ${depends}")
# libqt6widgets6 can only come from reading the binary's libraries.
foreach(needed libqt6widgets6 libc6 fonts-liberation)
    if(NOT depends MATCHES "(^|[ ,])${needed}([ ,(]|$)")
        message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
foreach(path usr/bin/mixora usr/share/applications/com.quendrix.Mixora.desktop
        usr/share/metainfo/com.quendrix.Mixora.metainfo.xml
        usr/share/icons/hicolor/32x32/apps/com.quendrix.Mixora.png)
    string(FIND "${contents}" "./${path}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}")
    endif()
endforeach()
