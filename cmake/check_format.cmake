# Run with cmake -D VELMORA_SOURCE_ROOT=<folder> -D VELMORA_CLANG_FORMAT=<program> -P:
# names every source below <folder>/src, tests, tools, bench and fuzz that
# clang-format would change under .clang-format, and fails when there is one.
# Build folders sit beside those folders, so their generated sources are left out.
cmake_minimum_required(VERSION 3.25)
if(NOT VELMORA_SOURCE_ROOT OR NOT VELMORA_CLANG_FORMAT)
    message(FATAL_ERROR "Name the folder and the formatter: cmake -D VELMORA_SOURCE_ROOT=<folder> "
        "-D VELMORA_CLANG_FORMAT=<program> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
get_filename_component(root "${VELMORA_SOURCE_ROOT}" ABSOLUTE)

set(patterns)
foreach(folder IN ITEMS src tests tools bench fuzz)
    list(APPEND patterns "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
endforeach()
file(GLOB_RECURSE found ${patterns})
# tests/build holds the small trees that the build's own checks run on, some
# of them wrong on purpose.
set(sources)
foreach(file IN LISTS found)
    string(FIND "${file}" "${root}/tests/build/" at)
    if(NOT at EQUAL 0)
        list(APPEND sources "${file}")
    endif()
endforeach()
if(NOT sources)
    message(FATAL_ERROR "No sources to check below ${root}")
endif()

# One complaint per file is enough to name it, and keeps the output small
# however badly a file is formatted.
execute_process(COMMAND "${VELMORA_CLANG_FORMAT}" --dry-run --Werror --ferror-limit=1 ${sources}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
    return()
endif()
string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error: code should be clang-formatted" complaints
    "${output}")
if(NOT complaints)
    message(FATAL_ERROR "${VELMORA_CLANG_FORMAT} failed (${result}):\n${output}")
endif()
set(changed)
foreach(complaint IN LISTS complaints)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: [^\n]*$" "" file "${complaint}")
    list(APPEND changed "${file}")
endforeach()
list(REMOVE_DUPLICATES changed)
foreach(file IN LISTS changed)
    message(NOTICE "${file}: clang-format would change it")
endforeach()
execute_process(COMMAND "${VELMORA_CLANG_FORMAT}" --version
    OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
list(LENGTH changed count)
message(FATAL_ERROR "${count} file(s) not formatted as .clang-format says, by ${version}; "
    "run clang-format -i on them")
