# Fails when any of HEADERS (paths under SOURCE_DIR, separated by |) includes
# <windows.h>, in any spelling of its case.
#   cmake -DSOURCE_DIR=... -DHEADERS=a.hpp|b.hpp -P check_no_windows_header.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" headers "${HEADERS}")
set(offenders "")
foreach(header IN LISTS headers)
    file(READ ${SOURCE_DIR}/${header} text)
    string(TOLOWER "${text}" text)
    if(text MATCHES "#[ \t]*include[ \t]*[<\"]windows\\.h[>\"]")
        list(APPEND offenders ${header})
    endif()
endforeach()

list(LENGTH headers count)
if(offenders)
    list(JOIN offenders ", " offenders)
    message(FATAL_ERROR "public headers that include <windows.h>: ${offenders}")
endif()
message(STATUS "${count} public headers, none includes <windows.h>")
