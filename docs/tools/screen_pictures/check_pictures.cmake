# Draws the game's screens afresh and fails when a committed picture no
# longer matches, is missing, or shows a screen the tool no longer draws.
#   cmake -DTOOL=screen_pictures -DDRAWN=dir -DCOMMITTED=docs/pictures -P check_pictures.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${DRAWN})
execute_process(COMMAND ${TOOL} ${DRAWN} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "screen_pictures failed (${status})")
endif()

file(GLOB drawn RELATIVE ${DRAWN} ${DRAWN}/*.svg)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*.svg)
set(problems "")
foreach(name IN LISTS drawn)
    if(NOT EXISTS ${COMMITTED}/${name})
        list(APPEND problems "docs/pictures/${name} is missing")
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${DRAWN}/${name}
                                ${COMMITTED}/${name} RESULT_VARIABLE different)
        if(different)
            list(APPEND problems "docs/pictures/${name} no longer matches what the game draws")
        endif()
    endif()
endforeach()
foreach(name IN LISTS committed)
    if(NOT name IN_LIST drawn)
        list(APPEND problems "docs/pictures/${name} shows a screen the tool no longer draws")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " problems)
    message(FATAL_ERROR "  ${problems}\n"
                        "Redraw them with: cmake --build <build dir> --target update_pictures")
endif()
list(LENGTH drawn count)
message(STATUS "${count} pictures match the game")
