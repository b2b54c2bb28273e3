# A 32-bit build on a machine whose kernel cannot run 32-bit programs (some
# have the ia32 emulation switched off) runs its test programs under qemu's
# user-mode emulation instead.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(probe ${CMAKE_BINARY_DIR}/runs_32bit.cpp)
    file(WRITE ${probe} "int main() { return 0; }\n")
    try_run(conkit_runs_32bit conkit_builds_32bit ${CMAKE_BINARY_DIR}/runs_32bit ${probe})
    if(NOT conkit_runs_32bit STREQUAL "0")
        find_program(CONKIT_QEMU_I386 qemu-i386 REQUIRED)
        message(STATUS "32-bit programs cannot run here: tests run under ${CONKIT_QEMU_I386}")
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CONKIT_QEMU_I386})
    endif()
endif()
