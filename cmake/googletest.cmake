# GoogleTest for the tests: the one installed for the target, or, where there is none (a
# MinGW build on Debian), built here from the sources Debian's googletest package ships.
set(TALVIRA_GTEST_SOURCE "" CACHE PATH
    "GoogleTest sources to build the tests with instead of an installed GoogleTest")
if(TALVIRA_GTEST_SOURCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${TALVIRA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
