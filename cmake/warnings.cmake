# Warnings every conkit target is built with; CI turns them into errors.
add_library(conkit_warnings INTERFACE)
if(MSVC)
    target_compile_options(conkit_warnings INTERFACE /W4)
else()
    target_compile_options(conkit_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
        -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
endif()
if(CONKIT_WARNINGS_AS_ERRORS)
    target_compile_options(conkit_warnings INTERFACE $<IF:$<BOOL:${MSVC}>,/WX,-Werror>)
endif()
