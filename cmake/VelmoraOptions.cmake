# One interface target carries the language standard, the warnings and the
# sanitizers, so every library and test is built the same way.
add_library(velmora_options INTERFACE)
target_compile_features(velmora_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(velmora_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
if(VELMORA_WERROR)
    target_compile_options(velmora_options INTERFACE -Werror)
endif()
if(VELMORA_SANITIZE)
    target_compile_options(velmora_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()
# Hardening as Debian builds its own packages: checked string and memory
# functions where the optimizer lets them be, a guarded stack, and relocations
# made read-only once the program is loaded. The sanitizers check more.
if(NOT VELMORA_SANITIZE)
    target_compile_options(velmora_options INTERFACE
        -fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    target_link_options(velmora_options INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()

# Fuzzing: every library a fuzz target reaches carries libFuzzer's coverage
# instrumentation; only the fuzz targets themselves link the fuzzer's main.
if(VELMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT VELMORA_SANITIZE)
        message(FATAL_ERROR "VELMORA_FUZZ needs clang++ and VELMORA_SANITIZE=ON")
    endif()
    target_compile_options(velmora_options INTERFACE -fsanitize=fuzzer-no-link)
    target_link_options(velmora_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Settings for code that uses Qt: no implicit conversions from 8-bit strings,
# since our 8-bit text is Windows-1252 and must be converted on purpose.
add_library(velmora_qt_options INTERFACE)
target_compile_definitions(velmora_qt_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CONTEXTLESS_CONNECT
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
target_link_libraries(velmora_qt_options INTERFACE velmora_options)
