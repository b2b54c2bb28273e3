# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build,
# so a fault in library code is caught whichever test reaches it.
if(CONKIT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
