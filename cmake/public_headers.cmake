# The public headers: every header under include/conkit, as the paths a
# program includes them by (conkit/...). Nothing else is installed.
function(conkit_public_headers out)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/include
         ${PROJECT_SOURCE_DIR}/include/conkit/*.hpp)
    list(SORT headers)
    set(${out} ${headers} PARENT_SCOPE)
endfunction()
