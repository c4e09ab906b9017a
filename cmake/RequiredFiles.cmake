# velmora_required_file(<variable> <path>): sets the variable to the path of a
# file that the build or the tests refer to, and stops the configuration when
# that file is missing, rather than letting a test pass or fail for the wrong
# reason later.
function(velmora_required_file variable path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "Missing file, referred to by the build: ${path}")
    endif()
    set(${variable} "${path}" PARENT_SCOPE)
endfunction()
