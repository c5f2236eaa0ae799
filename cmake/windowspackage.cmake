# Mixora for Windows: everything a fresh Windows needs beside Mixora.exe,
# installed into the program's own folder, and the installer (NSIS) that puts
# it under Program Files.

# Others' DLLs are shipped as the program is: without their symbols and
# debugging information, which are most of their size.
function(ship_dll file name destination)
    install(FILES "${file}" DESTINATION ${destination})
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/${name}\" COMMAND_ERROR_IS_FATAL ANY)")
endfunction()

# Qt as DLLs beside the program, with the plugins it loads: the platform
# plugin every window needs and the native style. The artwork is compiled in,
# so no image-format plugin is needed.
foreach(module Core Gui Widgets)
    ship_dll($<TARGET_FILE:Qt6::${module}> $<TARGET_FILE_NAME:Qt6::${module}> .)
endforeach()
ship_dll($<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> $<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin> platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
    ship_dll($<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> $<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin> styles)
endif()

# Qt is used under the LGPL, whose texts go with its DLLs, as do the notices
# of the libraries built into them.
set(MIXORA_QT_LICENSES "${QT6_INSTALL_PREFIX}/licenses" CACHE PATH
    "Folder of the licence and copyright texts of the Windows Qt")
if(NOT EXISTS "${MIXORA_QT_LICENSES}/LGPL-3.txt")
    message(FATAL_ERROR "Qt's licence texts are not in ${MIXORA_QT_LICENSES}; "
        "they must ship with its DLLs (set MIXORA_QT_LICENSES)")
endif()
install(DIRECTORY "${MIXORA_QT_LICENSES}/" DESTINATION licenses/Qt)

# The compiler's C++ runtime, which Qt's DLLs and the program share, with the
# copyright files of the packages it comes from.
find_program(DPKG dpkg REQUIRED)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    # The compiler answers with the bare name when it does not have the file.
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    file(REAL_PATH "${path}" path)
    ship_dll("${path}" ${dll} .)
    execute_process(COMMAND ${DPKG} -S "${path}" OUTPUT_VARIABLE owner ERROR_QUIET)
    string(REGEX REPLACE ":.*" "" owner "${owner}")
    if(NOT EXISTS "/usr/share/doc/${owner}/copyright")
        message(FATAL_ERROR "no copyright file for ${path} (package '${owner}')")
    endif()
    install(FILES "/usr/share/doc/${owner}/copyright" DESTINATION licenses/runtime RENAME ${owner}.txt)
endforeach()

# NSIS commands below are handed to the installer script as written.
set(CPACK_VERBATIM_VARIABLES ON)
# Compressed as one stream: Qt's DLLs share much, which file-by-file
# compression cannot use.
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")

# The installer: Mixora in Program Files (the 64-bit one), a Start-menu entry
# with the program's icon, and an entry in Add or Remove Programs. A second
# install removes the first; /S runs either silently.
set(CPACK_PACKAGE_FILE_NAME "Mixora-${MIXORA_VERSION_TEXT}-setup")
# A 64-bit installer for the 64-bit program: it writes to the 64-bit Program
# Files and registry, and a Wine without its 32-bit half runs it.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Mixora")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Mixora")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Mixora")
set(CPACK_NSIS_DISPLAY_NAME "Mixora")
set(CPACK_PACKAGE_EXECUTABLES "Mixora;Mixora")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALLED_ICON_NAME "Mixora.exe")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/mixora.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/mixora.ico")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstaller takes out the installer's own key under the vendor's, by
# then; the vendor's, once empty, goes too.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "mixora@quendrix.com")
# Nothing to agree to: Qt's licences are installed as files.
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
