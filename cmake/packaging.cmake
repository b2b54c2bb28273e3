# The Debian package of the library and the game: `cpack -G DEB` in the build
# tree. It holds everything `cmake --install` puts in place, under /usr.
if(NOT PROJECT_IS_TOP_LEVEL OR NOT CONKIT_INSTALL OR WIN32)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME conkit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "C++20 console support library and a block game built on it")
set(CPACK_PACKAGE_DESCRIPTION
    "Static libraries of console services and console support routines, with their headers, a \
CMake package and a pkg-config file, and blockgame, the game built on them.")
set(CPACK_PACKAGE_CONTACT "conkit maintainers <conkit@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The game's run-time dependencies (the C++ run-time library) come from
# dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
