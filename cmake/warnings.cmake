# Warnings every conkit target is built with; CI turns them into errors.
# They hold only inside this build: the installed package exports the target
# empty, since the static libraries name it as a link-only dependency.
add_library(conkit_warnings INTERFACE)
if(MSVC)
    target_compile_options(conkit_warnings INTERFACE $<BUILD_INTERFACE:/W4>)
else()
    target_compile_options(conkit_warnings INTERFACE $<BUILD_INTERFACE:
        -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
        -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough>)
endif()
if(CONKIT_WARNINGS_AS_ERRORS)
    target_compile_options(conkit_warnings INTERFACE
        $<BUILD_INTERFACE:$<IF:$<BOOL:${MSVC}>,/WX,-Werror>>)
endif()
