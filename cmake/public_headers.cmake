# The headers a program built on the kit may include: conkit.hpp and the
# few headers a program reaches for beside it (the console's static state,
# the console seam, the memory console for tests, the console message box),
# together with every header they include in turn. Host and platform
# internals that no public header includes stay out of the list.
set(CONKIT_PUBLIC_HEADER_ROOTS
    conkit.hpp
    console/console_state.hpp
    console/host/console_host.hpp
    console/host/memory/memory_host.hpp
    support/files/console_message_box.hpp
)

function(conkit_public_headers out)
    set(pending ${CONKIT_PUBLIC_HEADER_ROOTS})
    set(found "")
    while(pending)
        list(POP_FRONT pending header)
        if(header IN_LIST found)
            continue()
        endif()
        list(APPEND found ${header})
        # A header that gains an include changes the list: configure again.
        set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                     ${PROJECT_SOURCE_DIR}/${header})
        file(STRINGS ${PROJECT_SOURCE_DIR}/${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            list(APPEND pending ${included})
        endforeach()
    endwhile()
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()
