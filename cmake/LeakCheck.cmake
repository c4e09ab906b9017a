# Whether LeakSanitizer can run on this machine: it stops the process's threads
# through ptrace, which some containers forbid. Where it cannot, the tests run
# without leak checks (the leak canaries then say so as skipped) instead of
# every sanitized program failing at exit. Sets VELMORA_LEAK_CHECKS to ON or OFF.
function(velmora_probe_leak_checks)
    set(source "${CMAKE_BINARY_DIR}/leak_probe/leak_probe.cpp")
    file(WRITE "${source}"
        "#include <cstdlib>\nvoid* volatile kept;\n"
        "int main() { kept = std::malloc(8); kept = nullptr; return 0; }\n")
    try_run(probe_ran probe_built "${CMAKE_BINARY_DIR}/leak_probe" "${source}"
        CMAKE_FLAGS "-DCMAKE_CXX_FLAGS=-fsanitize=address"
        LINK_OPTIONS -fsanitize=address
        RUN_OUTPUT_VARIABLE probe_output)
    if(probe_output MATCHES "ERROR: LeakSanitizer: detected memory leaks")
        set(checks ON)
        message(STATUS "LeakSanitizer: checks for leaks")
    else()
        set(checks OFF)
        string(REGEX MATCH "[^\n]*LeakSanitizer[^\n]*" reason "${probe_output}")
        message(STATUS "LeakSanitizer: cannot run here, tests go without leak checks: ${reason}")
    endif()
    set(VELMORA_LEAK_CHECKS ${checks} PARENT_SCOPE)
endfunction()
