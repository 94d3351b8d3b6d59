# The sanitizer build (scripts/test --sanitize): AddressSanitizer with leak checking and
# UndefinedBehaviorSanitizer on every target.
set(marker_sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer)
add_compile_options(${marker_sanitizers})
add_link_options(${marker_sanitizers})

# With clang the same build holds the fuzz targets: the code they reach is instrumented for
# libFuzzer's coverage, which costs the other tests little.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link)
  set(MARKER_FUZZ ON)
endif()

# How every program of this build runs under CTest and scripts/fuzz. Undefined behaviour
# stops the program (halt_on_error), so a test that meets it fails instead of printing a
# line nobody reads; the suppression file names whose code each entry excuses.
set(marker_suppressions ${CMAKE_SOURCE_DIR}/tests/sanitizers)
set(MARKER_SANITIZER_ENVIRONMENT
  "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1"
  "LSAN_OPTIONS=suppressions=${marker_suppressions}/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
# The same for programs started outside CTest (scripts/fuzz sources it).
file(WRITE ${CMAKE_BINARY_DIR}/sanitizer-environment "")
foreach(entry ${MARKER_SANITIZER_ENVIRONMENT})
  file(APPEND ${CMAKE_BINARY_DIR}/sanitizer-environment "export ${entry}\n")
endforeach()
