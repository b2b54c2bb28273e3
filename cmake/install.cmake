# Installation: the public headers under include/conkit (so a program writes
# #include <conkit/conkit.hpp>; the include root is <prefix>/include), the two
# libraries (static, or shared with BUILD_SHARED_LIBS; a Windows DLL goes
# beside the programs), a CMake package that gives
# find_package(conkit) the targets conkit::console and conkit::support, a
# pkg-config file, and the game when CONKIT_INSTALL_GAME asks for it.
#
# Components, one Debian package each (packaging.cmake): console_runtime and
# support_runtime hold a shared library each; development holds the
# headers, the static libraries or the shared libraries' link names, the
# CMake package and the pkg-config file; game holds blockgame.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
include(${CMAKE_CURRENT_LIST_DIR}/public_headers.cmake)

# A library built with the sanitizers needs their run-time libraries wherever
# it is linked, in a parent project as much as against the installed package.
if(CONKIT_SANITIZE OR CONKIT_FUZZ)
    target_link_options(conkit_console INTERFACE -fsanitize=address,undefined)
endif()

option(CONKIT_INSTALL "Generate the install rules" ${PROJECT_IS_TOP_LEVEL})
if(NOT CONKIT_INSTALL)
    return()
endif()

set(CONKIT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/conkit)

conkit_public_headers(conkit_headers)
foreach(header IN LISTS conkit_headers)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/include/${header}
            DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder} COMPONENT development)
endforeach()

foreach(library console support)
    install(TARGETS conkit_${library}
            EXPORT conkitTargets
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${library}_runtime
                    NAMELINK_COMPONENT development
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${library}_runtime
            INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endforeach()
# conkit_warnings rides along only because the static libraries name it as a
# link-only dependency; exported, it is empty and gives a consumer nothing.
install(TARGETS conkit_warnings EXPORT conkitTargets)
install(EXPORT conkitTargets NAMESPACE conkit:: DESTINATION ${CONKIT_INSTALL_CMAKEDIR}
        COMPONENT development)

# The exported names are the ones programs use: conkit::console, conkit::support.
set_target_properties(conkit_console PROPERTIES EXPORT_NAME console)
set_target_properties(conkit_support PROPERTIES EXPORT_NAME support)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/conkitConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/conkitConfig.cmake
                              INSTALL_DESTINATION ${CONKIT_INSTALL_CMAKEDIR})
# 0.x releases may change the interface between minor versions.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/conkitConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
# A kit built for another system does not fit either: a cross build for
# Windows that also searches the host's prefixes passes over a Linux kit
# there, as every build passes over one of the other word size.
file(APPEND ${PROJECT_BINARY_DIR}/conkitConfigVersion.cmake "
if(NOT CMAKE_SYSTEM_NAME STREQUAL \"${CMAKE_SYSTEM_NAME}\")
  set(PACKAGE_VERSION \"\${PACKAGE_VERSION} (${CMAKE_SYSTEM_NAME})\")
  set(PACKAGE_VERSION_UNSUITABLE TRUE)
endif()
")
install(FILES ${PROJECT_BINARY_DIR}/conkitConfig.cmake
              ${PROJECT_BINARY_DIR}/conkitConfigVersion.cmake
        DESTINATION ${CONKIT_INSTALL_CMAKEDIR} COMPONENT development)

# The pkg-config file finds its prefix from its own place, so the installed
# tree can be moved or installed with cmake --install --prefix. It asks of a
# program what the targets ask: their compile definitions and options (a
# shared build's import marks, the dumps' frame pointers), their link options
# (a sanitized build's run-time libraries) and the system libraries they link.
file(RELATIVE_PATH CONKIT_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" CONKIT_PC_TO_PREFIX "${CONKIT_PC_TO_PREFIX}")
set(pc_cflags "")
set(pc_libs "")
foreach(target conkit_support conkit_console)
    get_target_property(options ${target} INTERFACE_COMPILE_OPTIONS)
    get_target_property(definitions ${target} INTERFACE_COMPILE_DEFINITIONS)
    if(definitions)
        list(TRANSFORM definitions PREPEND -D)
        list(APPEND pc_cflags ${definitions})
    endif()
    get_target_property(link_options ${target} INTERFACE_LINK_OPTIONS)
    get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
    list(APPEND pc_cflags ${options})
    list(APPEND pc_libs ${link_options})
    foreach(library IN LISTS libraries)
        if(NOT TARGET ${library} AND library MATCHES "^[A-Za-z0-9_.+-]+$")
            list(APPEND pc_libs -l${library})
        endif()
    endforeach()
endforeach()
foreach(list pc_cflags pc_libs)
    list(FILTER ${list} EXCLUDE REGEX "(-NOTFOUND$|^\\$<)")
    list(REMOVE_DUPLICATES ${list})
endforeach()
list(JOIN pc_cflags " " CONKIT_PC_CFLAGS)
list(JOIN pc_libs " " CONKIT_PC_LIBS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/conkit.pc.in ${PROJECT_BINARY_DIR}/conkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/conkit.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# The licence, for an install by hand; a Debian package has it in its
# copyright file instead.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/conkit COMPONENT licence)

# The game and its manual page (compressed without a time stamp, so it
# installs the same every time). Debian keeps games in /usr/games.
set(CONKIT_INSTALL_GAMEDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Where the game is installed")
if(CONKIT_INSTALL_GAME)
    install(TARGETS blockgame RUNTIME DESTINATION ${CONKIT_INSTALL_GAMEDIR} COMPONENT game)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/man)
    file(COPY_FILE ${PROJECT_SOURCE_DIR}/game/blockgame.6 ${PROJECT_BINARY_DIR}/man/blockgame.6)
    execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/man/blockgame.6
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${PROJECT_BINARY_DIR}/man/blockgame.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
endif()
