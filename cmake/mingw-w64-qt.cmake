# The program's Windows build: the MinGW-w64 toolchain, with the Qt that scripts/windows-qt
# builds into its cache, and the host's Qt tools (moc, rcc, uic) for the code they generate.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-qt --path
                OUTPUT_VARIABLE TALVIRA_WINDOWS_QT OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT EXISTS ${TALVIRA_WINDOWS_QT}/.complete)
    message(FATAL_ERROR "No Qt for Windows in ${TALVIRA_WINDOWS_QT}: build it with scripts/windows-qt")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${TALVIRA_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${TALVIRA_WINDOWS_QT})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
