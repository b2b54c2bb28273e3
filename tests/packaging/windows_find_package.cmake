# A Windows program built against a kit installed for Windows, as the README
# says: the kit built with the install preset and the MinGW-w64 toolchain,
# installed into a prefix, and the outside find_package project built with
# the same toolchain and that prefix in CMAKE_PREFIX_PATH, behind a Linux
# kit (LINUX_PREFIX) that must be passed over.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DLINUX_PREFIX=... -P windows_find_package.cmake
cmake_minimum_required(VERSION 3.25)

set(toolchain ${SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake)
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/run_command.cmake)

run(${CMAKE_COMMAND} --preset install --toolchain ${toolchain} -B ${WORK_DIR}/kit)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/kit)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/kit --prefix ${prefix})

# A list in one argument: run() would split it.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/packaging/find_package
                        -B ${WORK_DIR}/outside -G Ninja --toolchain ${toolchain}
                        "-DCMAKE_PREFIX_PATH=${LINUX_PREFIX};${prefix}"
                        -DCONKIT_SOURCE_DIR=${SOURCE_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "configuring the Windows program failed (${status}):\n${output}")
endif()
file(STRINGS ${WORK_DIR}/outside/CMakeCache.txt found REGEX "^conkit_DIR:")
if(NOT found STREQUAL "conkit_DIR:PATH=${prefix}/lib/cmake/conkit")
    message(FATAL_ERROR "find_package(conkit) took ${found}, not the Windows kit in ${prefix}")
endif()
run(${CMAKE_COMMAND} --build ${WORK_DIR}/outside)
foreach(program first_program hello)
    if(NOT EXISTS ${WORK_DIR}/outside/${program}.exe)
        message(FATAL_ERROR "no ${program}.exe was built")
    endif()
endforeach()
