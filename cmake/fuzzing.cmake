# libFuzzer targets, built only in the clang `fuzz` configuration. Each one
# is also a test: a short, seeded run that must end without a sanitizer
# report.
option(CONKIT_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(CONKIT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "CONKIT_FUZZ needs clang")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# conkit_add_fuzzer(name source [LIBS libs...])
function(conkit_add_fuzzer name source)
    if(NOT CONKIT_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} conkit_warnings)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME ${name}.short_run
             COMMAND ${name} -seed=1 -max_total_time=15 -rss_limit_mb=1024)
    set_tests_properties(${name}.short_run PROPERTIES LABELS fuzz TIMEOUT 120)
endfunction()
