# The Debian packages: `cpack -G DEB` in a build configured for /usr (the
# debian preset, where the libraries go to the multiarch directory). One
# package per install component:
#   libconkit-console0.1, libconkit-support0.1  the shared libraries (a
#                                               BUILD_SHARED_LIBS build)
#   libconkit-dev   headers, static libraries or the shared ones' link
#                   names, the CMake package and the pkg-config file
#   blockgame       the game, when CONKIT_INSTALL_GAME asks for it
if(NOT PROJECT_IS_TOP_LEVEL OR NOT CONKIT_INSTALL OR WIN32)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME conkit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "conkit maintainers <maintainers@conkit.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE conkit)
set(CPACK_STRIP_FILES ON)

set(soversion ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(version_pin "(= ${PROJECT_VERSION})")
if(BUILD_SHARED_LIBS)
    set(development_libraries "with the link names of the shared libraries")
else()
    set(development_libraries "with the static libraries")
endif()
# What every package of the kit says about it, below its own first line.
set(kit_description
    "Console services (cursor, colours, characters and texts, key presses) and\n\
support routines (line input, number parsing and output, strings, files,\n\
message boxes, clock, dumps) for console programs.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libconkit-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "C++20 console support library: development files\n${kit_description}\n\
.\n\
This package holds the headers, the CMake package and the pkg-config file,\n\
${development_libraries}.")
set(CPACK_DEBIAN_GAME_PACKAGE_NAME blockgame)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_COMPONENT_GAME_DESCRIPTION
    "block game for the console\n\
Moves, switches and recolours a block inside a frame on the console, a key\n\
at a time; built on the conkit console support library.")
set(packaged development)
if(CONKIT_INSTALL_GAME)
    list(APPEND packaged game)
endif()

# The run-time packages carry the libraries' dependencies (dpkg-shlibdeps,
# which finds the console library in the build tree for the support
# library) and a shlibs file, and the loader's cache follows through the
# ldconfig trigger. Naming postinst and postrm among the control files,
# though none exist, keeps CPack from writing the scripts that call
# ldconfig itself, which the trigger replaces; CPack reports each as a
# missing file and leaves it out.
if(BUILD_SHARED_LIBS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/console)
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
    set(absent ${PROJECT_BINARY_DIR}/debian/no-maintainer-scripts)
    set(runtime_control ${CMAKE_CURRENT_LIST_DIR}/debian/triggers ${absent}/postinst
                        ${absent}/postrm)
    foreach(library console support)
        string(TOUPPER ${library}_RUNTIME component)
        set(CPACK_DEBIAN_${component}_PACKAGE_NAME libconkit-${library}${soversion})
        set(CPACK_DEBIAN_${component}_PACKAGE_SECTION libs)
        set(CPACK_DEBIAN_${component}_PACKAGE_CONTROL_EXTRA ${runtime_control})
        set(CPACK_COMPONENT_${component}_DESCRIPTION
            "C++20 console support library: ${library} library\n${kit_description}\n\
.\n\
This package holds the shared ${library} library.")
        list(APPEND packaged ${library}_runtime)
    endforeach()
    set(CPACK_DEBIAN_SUPPORT_RUNTIME_PACKAGE_DEPENDS "libconkit-console${soversion} ${version_pin}")
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
        "libconkit-console${soversion} ${version_pin}, libconkit-support${soversion} ${version_pin}")
    set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "libconkit-console${soversion} ${version_pin}")
else()
    set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
endif()
set(CPACK_COMPONENTS_ALL ${packaged})

# Debian's policy: in every package a copyright file and a compressed
# changelog (without a time stamp in the gzip header, so the package builds
# reproducibly), in the package's own folder under /usr/share/doc.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog
               @ONLY)
execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/debian/changelog COMMAND_ERROR_IS_FATAL ANY)
foreach(component IN LISTS packaged)
    string(TOUPPER ${component} upper)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
                  ${PROJECT_BINARY_DIR}/debian/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
            COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

include(CPack)
