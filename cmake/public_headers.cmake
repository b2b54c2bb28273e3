# The headers a program built on the kit may include: the umbrella header and
# every header of console/ and support/ except the platform bindings behind
# the seams (terminal, win32 and POSIX internals), which only the library's
# own sources include. New headers are picked up without editing this list.
function(conkit_public_headers out)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
         ${PROJECT_SOURCE_DIR}/console/*.hpp ${PROJECT_SOURCE_DIR}/support/*.hpp)
    list(FILTER headers EXCLUDE REGEX "/(terminal|win32|posix)/")
    list(SORT headers)
    set(${out} conkit.hpp ${headers} PARENT_SCOPE)
endfunction()
