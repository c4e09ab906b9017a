# Run with cmake -D VELMORA_SOURCE_ROOT=<folder> -P: checks the includes of the
# sources below <folder>/src and <folder>/tools against the include rules.
cmake_minimum_required(VERSION 3.25)
if(NOT VELMORA_SOURCE_ROOT)
    message(FATAL_ERROR "Name the folder to check: cmake -D VELMORA_SOURCE_ROOT=<folder> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/IncludeRules.cmake)
velmora_check_include_rules_in("${VELMORA_SOURCE_ROOT}")
