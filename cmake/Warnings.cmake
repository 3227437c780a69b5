# Strict warnings for our own targets; third-party headers come in as system includes.
function(zelvani_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(ZELVANI_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
option(ZELVANI_WERROR "Treat warnings in our code as errors" OFF)
