# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, which C++ threads need). Used for Qt and for Mixora alike;
# MIXORA_WINDOWS_QT, when set, is where the Windows Qt is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
if(DEFINED ENV{MIXORA_WINDOWS_QT})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{MIXORA_WINDOWS_QT})
endif()
# Programs run here come from this machine; what is linked, from the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
