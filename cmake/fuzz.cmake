# The launcher's code built with clang for the libFuzzer targets.
find_package(Iconv REQUIRED)

set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer -g -O1)

add_library(launcher_core STATIC ${LAUNCHER_SOURCES})
target_include_directories(launcher_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(launcher_core PUBLIC ${FUZZ_FLAGS})
target_link_options(launcher_core PUBLIC -fsanitize=address,undefined)

add_subdirectory(tests/fuzz)
