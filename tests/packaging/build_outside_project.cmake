# Builds one outside project against the kit and runs its program.
#   cmake -DMODE=<find_package|add_subdirectory|fetch_content|pkg_config>
#         -DKIND=<static|shared> -DWORK_DIR=... -DPREFIX=... -DCONKIT_SOURCE_DIR=...
#         -DCXX=... [-DCXX_FLAGS=...] [-DLINKER_FLAGS=...]
#         -P build_outside_project.cmake
# find_package and pkg_config use the kit installed in PREFIX (built as
# KIND); the other two build it from CONKIT_SOURCE_DIR inside the outside
# project, as KIND. The compiler and its flags (-m32 in a 32-bit build) are
# the kit's own. The program must link the kit's libraries as KIND says.
cmake_minimum_required(VERSION 3.25)

set(here ${CMAKE_CURRENT_LIST_DIR})
set(build ${WORK_DIR}/${MODE}-${KIND})
if(KIND STREQUAL "shared")
    set(shared ON)
else()
    set(shared OFF)
endif()
file(MAKE_DIRECTORY ${build})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${MODE}: `${command}` failed (${status})")
    endif()
endfunction()

if(MODE STREQUAL "pkg_config")
    set(ENV{PKG_CONFIG_PATH} ${PREFIX}/lib/pkgconfig)
    execute_process(COMMAND pkg-config --cflags --libs conkit
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pkg_config: pkg-config does not know conkit in ${PREFIX}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    separate_arguments(compile UNIX_COMMAND "${CXX_FLAGS}")
    separate_arguments(link UNIX_COMMAND "${LINKER_FLAGS}")
    run(${CXX} -std=c++20 ${compile} ${here}/program/first_program.cpp ${flags} ${link}
        -o ${build}/first_program)
    run(${CXX} -std=c++20 ${compile} ${CONKIT_SOURCE_DIR}/docs/examples/first_program.cpp
        ${flags} ${link} -o ${build}/hello)
else()
    run(${CMAKE_COMMAND} -S ${here}/${MODE} -B ${build} -G Ninja
        -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
        "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}" -DCMAKE_PREFIX_PATH=${PREFIX}
        -DCONKIT_SOURCE_DIR=${CONKIT_SOURCE_DIR} -DBUILD_SHARED_LIBS=${shared})
    run(${CMAKE_COMMAND} --build ${build} --target first_program)
    if(MODE STREQUAL "find_package")
        run(${CMAKE_COMMAND} --build ${build} --target hello)
    endif()
endif()

# A program linked with the installed shared libraries by pkg-config's
# flags alone finds them through the loader's path.
set(ENV{LD_LIBRARY_PATH} ${PREFIX}/lib)
execute_process(COMMAND readelf -d ${build}/first_program OUTPUT_VARIABLE dynamic)
if(shared AND NOT dynamic MATCHES "NEEDED[^\n]*libconkit_support\\.so")
    message(FATAL_ERROR "${MODE}: the program does not link the shared library:\n${dynamic}")
elseif(NOT shared AND dynamic MATCHES "libconkit")
    message(FATAL_ERROR "${MODE}: the program links a shared library of the kit:\n${dynamic}")
endif()
run(${build}/first_program)

# The README's program on a pipe: plain text out, one key in from the pipe.
if(EXISTS ${build}/hello)
    file(WRITE ${build}/key.txt "x")
    execute_process(COMMAND ${build}/hello INPUT_FILE ${build}/key.txt OUTPUT_VARIABLE out
                    RESULT_VARIABLE status TIMEOUT 60)
    if(NOT status EQUAL 0 OR NOT out MATCHES "Hello from conkit! 6 x 7 = 42\r?\nPress any key")
        message(FATAL_ERROR "${MODE}: the README's program ended with ${status} and wrote:\n${out}")
    endif()
endif()
