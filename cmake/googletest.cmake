# GoogleTest for the test suite: the packaged libraries, or, where they do
# not match the processor the tests are built for (a -m32 build on a 64-bit
# machine), a build of the sources that Debian ships beside them.
option(CONKIT_GTEST_FROM_SOURCE "Build GoogleTest from /usr/src/googletest" OFF)

if(CONKIT_GTEST_FROM_SOURCE)
    set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest along with conkit")
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
