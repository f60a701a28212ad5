# LX7314.EXE and the Windows programs of the end-to-end tests.
enable_language(RC)

# Small and reproducible: size-optimised, unused sections dropped, stripped at
# link time (a later strip would write a time stamp back), no time stamp in
# the PE header, no build paths in the binary.  --no-seh marks the image as
# registering no SEH handler, so none can be planted in it: C++ errors unwind
# through DWARF tables here, never through SEH frames.
set(WINDOWS_COMPILE_OPTIONS
  -Os -ffunction-sections -fdata-sections -fno-rtti -fno-threadsafe-statics
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
  -Wall -Wextra -Werror)
set(WINDOWS_LINK_OPTIONS
  -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp -Wl,--no-seh -mwindows)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_library(launcher_core STATIC ${LAUNCHER_SOURCES})
target_include_directories(launcher_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(launcher_core PUBLIC ${WINDOWS_COMPILE_OPTIONS})

# The launcher binds USER32 and ADVAPI32 at first use (runtime/late_binding.cpp).
# No C++ error ever unwinds through its stubs (nothing the bound functions call
# back raises), so they need no unwind tables.
add_executable(launcher WIN32 src/main.cpp runtime/late_binding.cpp res/launcher.rc)
set_source_files_properties(runtime/late_binding.cpp PROPERTIES
  COMPILE_OPTIONS "-fno-exceptions;-fno-asynchronous-unwind-tables")
set_target_properties(launcher PROPERTIES OUTPUT_NAME LX7314 SUFFIX .EXE)
target_link_libraries(launcher PRIVATE launcher_core)
target_link_options(launcher PRIVATE ${WINDOWS_LINK_OPTIONS})

add_subdirectory(tests/wine)

# Checks on the built file itself, run natively.
add_test(NAME build.load_time_imports
         COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check_imports.sh $<TARGET_FILE:launcher>)
add_test(NAME build.reproducible
         COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check_reproducible.sh ${CMAKE_SOURCE_DIR}
                 $<TARGET_FILE:launcher>)
add_test(NAME build.windows_image
         COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/build/check_windows_image.py
                 $<TARGET_FILE:launcher>)
# 67,584 bytes when first set, with a margin of two file-alignment pages
# (68,608); the fuller manifest took one of them.  Binding USER32 and
# ADVAPI32 at first use was allowed three more pages (1,536 bytes) and took two.
set(LAUNCHER_SIZE_BUDGET 70144)
add_test(NAME build.size_budget
         COMMAND ${CMAKE_SOURCE_DIR}/tests/build/check_size.sh $<TARGET_FILE:launcher>
                 ${LAUNCHER_SIZE_BUDGET})
add_subdirectory(bench)
