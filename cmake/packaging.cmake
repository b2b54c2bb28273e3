# The Debian package of the library and the game: `cpack -G DEB` in the build
# tree. It holds everything `cmake --install` puts in place, under /usr: the
# static libraries, or the shared ones in a BUILD_SHARED_LIBS build.
if(NOT PROJECT_IS_TOP_LEVEL OR NOT CONKIT_INSTALL OR WIN32)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME conkit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "C++20 console support library and a block game built on it")
set(CPACK_PACKAGE_DESCRIPTION
    "Console services and console support routines as C++ libraries, with their\n\
headers, a CMake package and a pkg-config file, and blockgame, the game\n\
built on them.")
set(CPACK_PACKAGE_CONTACT "conkit maintainers <maintainers@conkit.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The game's run-time dependencies (the C++ run-time library) come from
# dpkg-shlibdeps; shared libraries get a shlibs file and the loader's cache
# is refreshed when the package comes and goes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_STRIP_FILES ON)
if(BUILD_SHARED_LIBS)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
endif()

# Debian's policy: a copyright file and a compressed changelog (without a
# time stamp in the gzip header, so the package builds reproducibly).
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog
               @ONLY)
execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/debian/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${doc_dir} COMPONENT development)

include(CPack)
