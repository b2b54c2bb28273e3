# run(command...): runs a command, in SOURCE_DIR when the script was given
# one; stops the script with the command's output when it fails, and
# otherwise returns that output in out.
function(run)
    set(where)
    if(SOURCE_DIR)
        set(where WORKING_DIRECTORY ${SOURCE_DIR})
    endif()
    execute_process(COMMAND ${ARGN} ${where} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "`${command}` failed (${status}):\n${output}")
    endif()
    set(out "${output}" PARENT_SCOPE)
endfunction()
