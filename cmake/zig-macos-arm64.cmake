# Cross build for macOS on arm64 (Apple silicon) with Zig's toolchain.
set(CMAKE_SYSTEM_PROCESSOR arm64)
set(CONKIT_ZIG_TARGET aarch64-macos)
include(${CMAKE_CURRENT_LIST_DIR}/zig-macos-common.cmake)
