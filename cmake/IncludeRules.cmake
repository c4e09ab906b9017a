# Which folder's headers a source file may #include "...": those of its own
# folder, of the folders its row names, and of everything those may include in
# turn. A file's folder is the directory it sits in, so src/users/windows is a
# folder apart from src/users, and a file in a folder without a row is refused
# until the folder has one. Includes in angle brackets are not checked.
set(VELMORA_INCLUDE_RULES
    "src/platform"
    "src/platform/qt:   src/platform"
    "src/platform/sodium: src/platform"
    "src/settings:      src/platform"
    "src/station:       src/settings"
    "src/link:          src/station"
    "src/users:         src/station"
    "src/planning:      src/link"
    "src/widgets:       src/platform/qt src/planning src/users"
    "src/editors:       src/widgets"
    "src/users/windows: src/widgets"
    "src/shell:         src/widgets"
    "src/app:           src/editors src/users/windows src/shell src/platform/sodium"
    "src/cli:           src/link src/platform/qt"
    "tools/encoder-sim")

# velmora_include_rule_sources(<variable> <root> [CONFIGURE_DEPENDS]): the
# sources the rules cover, below <root>/src and <root>/tools.
function(velmora_include_rule_sources variable root)
    file(GLOB_RECURSE sources ${ARGN}
        "${root}/src/*.h" "${root}/src/*.cpp" "${root}/tools/*.h" "${root}/tools/*.cpp")
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# Sets <variable> to the folders whose headers <folder> may include.
function(_velmora_includable_folders variable folder)
    set(reached ${folder})
    set(pending ${folder})
    while(pending)
        list(POP_FRONT pending current)
        foreach(next IN LISTS _velmora_row_${current})
            if(NOT DEFINED _velmora_row_${next})
                message(FATAL_ERROR "The include rules name ${next}, which has no row of its own")
            endif()
            if(NOT next IN_LIST reached)
                list(APPEND reached ${next})
                list(APPEND pending ${next})
            endif()
        endforeach()
    endwhile()
    set(${variable} ${reached} PARENT_SCOPE)
endfunction()

# Sets <variable> to the folder, relative to <root>, of the header that
# `#include "<header>"` in <file> reaches: the compiler looks beside the
# including file first and then below src/, where every other include starts.
function(_velmora_header_folder variable root file header)
    get_filename_component(beside "${file}" DIRECTORY)
    if(EXISTS "${beside}/${header}")
        set(path "${beside}/${header}")
    else()
        set(path "${root}/src/${header}")
    endif()
    cmake_path(NORMAL_PATH path)
    file(RELATIVE_PATH path "${root}" "${path}")
    get_filename_component(folder "${path}" DIRECTORY)
    set(${variable} "${folder}" PARENT_SCOPE)
endfunction()

# Prints every include below <root> that the rules forbid, and every file in a
# folder without a row, as <file>:<line>: <message>; fails when there is one.
function(velmora_check_include_rules_in root)
    get_filename_component(root "${root}" ABSOLUTE)
    foreach(row IN LISTS VELMORA_INCLUDE_RULES)
        if(row MATCHES "^([^:]+):?(.*)$")
            separate_arguments(_velmora_row_${CMAKE_MATCH_1} UNIX_COMMAND "${CMAKE_MATCH_2}")
        endif()
    endforeach()

    velmora_include_rule_sources(sources "${root}")
    if(NOT sources)
        message(FATAL_ERROR "No sources to check below ${root}/src or ${root}/tools")
    endif()
    set(problems 0)
    foreach(file IN LISTS sources)
        file(RELATIVE_PATH relative "${root}" "${file}")
        get_filename_component(folder "${relative}" DIRECTORY)
        if(NOT DEFINED _velmora_row_${folder})
            message(NOTICE "${file}: the include rules have no row for ${folder}")
            math(EXPR problems "${problems} + 1")
            continue()
        endif()
        _velmora_includable_folders(includable ${folder})

        # One list element per line: semicolons and brackets would split or
        # join elements, and no include needs them.
        file(READ "${file}" text)
        string(REGEX REPLACE "[][;]" " " text "${text}")
        string(REPLACE "\n" ";" lines "${text}")
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(header "${CMAKE_MATCH_1}")
                _velmora_header_folder(header_folder "${root}" "${file}" "${header}")
                if(NOT header_folder IN_LIST includable)
                    message(NOTICE "${file}:${number}: ${folder} may not include \"${header}\"")
                    math(EXPR problems "${problems} + 1")
                endif()
            endif()
        endforeach()
    endforeach()

    if(problems GREATER 0)
        message(FATAL_ERROR
            "${problems} problem(s) with the include rules in ${CMAKE_CURRENT_FUNCTION_LIST_FILE}")
    endif()
endfunction()

# velmora_check_include_rules(): checks the project's includes in every build
# in which a source or the rules changed, before the program is linked.
function(velmora_check_include_rules)
    set(check ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_include_rules.cmake)
    set(stamp ${CMAKE_BINARY_DIR}/include_rules.stamp)
    velmora_include_rule_sources(sources ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -D VELMORA_SOURCE_ROOT=${PROJECT_SOURCE_DIR} -P ${check}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${check} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Checking the includes against the include rules"
        VERBATIM)
    add_custom_target(include_rules ALL DEPENDS ${stamp})
    if(TARGET velmora)
        add_dependencies(velmora include_rules)
    endif()
endfunction()
