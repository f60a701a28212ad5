# The launcher's code built natively against a fake of the Win32 calls, for
# the unit tests, under AddressSanitizer and UndefinedBehaviorSanitizer.
find_package(GTest REQUIRED)
find_package(Iconv REQUIRED)

set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(launcher_core STATIC ${LAUNCHER_SOURCES})
target_include_directories(launcher_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(launcher_core PUBLIC ${SANITIZERS} -g -Wall -Wextra -Werror)
target_link_options(launcher_core PUBLIC ${SANITIZERS})

add_subdirectory(tests/host)
