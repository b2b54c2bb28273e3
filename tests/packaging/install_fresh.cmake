# Installs the kit into an empty PREFIX, so a header or file dropped from the
# install rules cannot linger there from an earlier run, and checks what was
# installed: the headers under include/conkit and nothing else under
# include/; built shared, libraries whose SONAME carries the version and that
# export the public routines and none of the kit's internals.
#   cmake -DBUILD_DIR=... -DPREFIX=... [-DSHARED_FROM=<source dir> -DCXX=...
#         -DCXX_FLAGS=... -DLINKER_FLAGS=...] -P install_fresh.cmake
# With SHARED_FROM, the kit is first built there shared, in BUILD_DIR, with
# the given compiler and flags.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/run_command.cmake)

if(SHARED_FROM)
    run(${CMAKE_COMMAND} -S ${SHARED_FROM} -B ${BUILD_DIR} -G Ninja -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
        "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}" "-DCMAKE_SHARED_LINKER_FLAGS=${LINKER_FLAGS}"
        -DBUILD_SHARED_LIBS=ON -DCONKIT_WARNINGS_AS_ERRORS=ON -DCONKIT_BUILD_TESTS=OFF
        -DCONKIT_BUILD_BENCH=OFF -DCONKIT_BUILD_EXAMPLES=OFF -DCONKIT_BUILD_DOCS=OFF)
    run(${CMAKE_COMMAND} --build ${BUILD_DIR})
endif()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

file(GLOB include_entries RELATIVE ${PREFIX}/include ${PREFIX}/include/*)
if(NOT include_entries STREQUAL "conkit")
    message(FATAL_ERROR "include/ holds more than conkit/: ${include_entries}")
endif()

if(SHARED_FROM)
    foreach(library conkit_console conkit_support)
        file(GLOB installed ${PREFIX}/lib/lib${library}.so.*.*.*)
        if(NOT installed)
            message(FATAL_ERROR "no shared lib${library} installed in ${PREFIX}/lib")
        endif()
        execute_process(COMMAND readelf -d ${installed} OUTPUT_VARIABLE dynamic)
        if(NOT dynamic MATCHES "SONAME[^\n]*lib${library}\\.so\\.[0-9]+\\.[0-9]+\\]")
            message(FATAL_ERROR "lib${library} has no SONAME of the version:\n${dynamic}")
        endif()
        execute_process(COMMAND nm -D -C --defined-only ${installed} OUTPUT_VARIABLE symbols)
        string(APPEND exported "${symbols}")
    endforeach()
    # Public routines of both libraries; internals of hosts, line editing and
    # number formatting.
    foreach(public "conkit::EmitText\\(char const\\*\\)" "conkit::MemoryConsole::MemoryConsole"
                   "conkit::ParseSignedText" "conkit::host::InstallHost")
        if(NOT exported MATCHES "${public}")
            message(FATAL_ERROR "the shared libraries do not export ${public}")
        endif()
    endforeach()
    foreach(internal MemoryHost ScreenBuffer LineEditor InputQueue TerminalHost KeyDecoder)
        if(exported MATCHES "::${internal}::")
            message(FATAL_ERROR "the shared libraries export the internal ${internal}")
        endif()
    endforeach()
endif()
