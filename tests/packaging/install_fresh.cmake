# Installs the build tree into an empty PREFIX, so a header or file dropped
# from the install rules cannot linger there from an earlier run.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P install_fresh.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed (${status})")
endif()
