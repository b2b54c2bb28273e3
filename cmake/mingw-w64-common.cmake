# What both MinGW-w64 toolchains share. The posix thread model gives the
# complete standard library; everything is linked statically so the .exe
# files need no MinGW DLLs at run time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${CONKIT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CONKIT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CONKIT_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CONKIT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages are looked for in the MinGW root and, for a kit installed
# elsewhere, in CMAKE_PREFIX_PATH as given; the kit's version file passes
# over a kit built for another system.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
