# Cross build for macOS on x86-64 with Zig's toolchain.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CONKIT_ZIG_TARGET x86_64-macos)
include(${CMAKE_CURRENT_LIST_DIR}/zig-macos-common.cmake)
