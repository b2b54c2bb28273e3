# What the two libraries share. Programs see only the public headers under
# include/ (installed as <prefix>/include/conkit); the private headers beside
# the sources are for the kit's own code. Built shared (BUILD_SHARED_LIBS),
# a library exports only the routines marked in the public headers and
# carries a SONAME from the version: 0.x releases may change the interface
# between minor versions, so the minor version is part of it.
function(conkit_library target building_macro)
    target_include_directories(${target}
        PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
        PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_link_libraries(${target} PRIVATE conkit_warnings)
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
    if(BUILD_SHARED_LIBS)
        target_compile_definitions(${target} PUBLIC CONKIT_SHARED PRIVATE ${building_macro})
    endif()
endfunction()
