# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# the C++ standard library's threads and Qt need). Used for Qt itself and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALVIRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALVIRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVIRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVIRA_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW root and the prefixes named by the caller
# (CMAKE_PREFIX_PATH: the Qt and GoogleTest built for Windows); programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TALVIRA_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
