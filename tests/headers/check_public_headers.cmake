# Fails when a public header (paths under INCLUDE_DIR, separated by |)
# includes anything but another public header or a header of the C++
# standard library, or defines a macro outside the kit's CONKIT_ prefix: a
# program that includes the kit must get no private header of the kit, no
# platform header (<windows.h>, <unistd.h>, with their macros) and no macro
# that could clash with its own names.
#   cmake -DINCLUDE_DIR=... -DHEADERS=conkit/a.hpp|conkit/b.hpp -P check_public_headers.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" headers "${HEADERS}")
set(faults "")
foreach(header IN LISTS headers)
    file(STRINGS ${INCLUDE_DIR}/${header} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        # The C++ standard library's headers have no extension and no folder.
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<[a-z_]+>")
            continue()
        endif()
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(conkit/[^\"]+)\"")
            set(included ${CMAKE_MATCH_1})
            if(included IN_LIST headers)
                continue()
            endif()
        endif()
        list(APPEND faults "${header}: ${line}")
    endforeach()
    file(STRINGS ${INCLUDE_DIR}/${header} defines REGEX "^[ \t]*#[ \t]*define[ \t]")
    foreach(line IN LISTS defines)
        if(NOT line MATCHES "^[ \t]*#[ \t]*define[ \t]+CONKIT_[A-Z0-9_]+")
            list(APPEND faults "${header}: ${line}")
        endif()
    endforeach()
endforeach()

list(LENGTH headers count)
if(faults)
    list(JOIN faults "\n  " faults)
    message(FATAL_ERROR "public headers that reach outside the public set:\n  ${faults}")
endif()
message(STATUS "${count} public headers: only public and standard headers, only CONKIT_ macros")
