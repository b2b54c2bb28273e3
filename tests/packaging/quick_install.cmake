# The README's quick install in a fresh build directory: the install preset
# links the two libraries and nothing else, and installs them with the
# headers, the CMake package, the pkg-config file and the licence, but no
# game; asked for with CONKIT_INSTALL_GAME, the game and its manual page
# come too, and the game is all that is built in addition.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DCXX=... [-DCXX_FLAGS=...]
#         [-DLINKER_FLAGS=...] -P quick_install.cmake
cmake_minimum_required(VERSION 3.25)

set(build ${WORK_DIR}/build)
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/run_command.cmake)

# Builds, checks that exactly the given files were linked, and installs.
function(build_and_install)
    run(${CMAKE_COMMAND} --build ${build})
    string(REGEX MATCHALL "Linking CXX [a-z ]+ [^\n]+" linked "${out}")
    list(TRANSFORM linked REPLACE "^Linking CXX [a-z ]+ " "")
    list(SORT linked)
    if(NOT linked STREQUAL ARGN)
        message(FATAL_ERROR "the build linked ${linked}, not ${ARGN} alone")
    endif()
    run(${CMAKE_COMMAND} --install ${build} --prefix ${prefix})
endfunction()

function(expect_installed)
    foreach(file IN LISTS ARGN)
        if(NOT EXISTS ${prefix}/${file})
            message(FATAL_ERROR "the install lacks ${file}")
        endif()
    endforeach()
endfunction()

run(${CMAKE_COMMAND} --preset install -B ${build} -DCMAKE_CXX_COMPILER=${CXX}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
build_and_install(console/libconkit_console.a support/libconkit_support.a)
expect_installed(include/conkit/conkit.hpp lib/libconkit_console.a lib/libconkit_support.a
                 lib/cmake/conkit/conkitConfig.cmake lib/pkgconfig/conkit.pc
                 share/doc/conkit/LICENSE)
if(EXISTS ${prefix}/bin)
    message(FATAL_ERROR "the install put programs in bin/ without being asked")
endif()

run(${CMAKE_COMMAND} -DCONKIT_INSTALL_GAME=ON ${build})
build_and_install(game/blockgame game/libconkit_game.a)
expect_installed(bin/blockgame share/man/man6/blockgame.6.gz)
