# Helpers shared by the two programs' CMake files.

# Core library: standard C++ only. Subsystem folders add their files with
# target_sources(<prog>_core PRIVATE ...) in their own CMakeLists.txt.
function(program_core_library name)
  add_library(${name}_core STATIC)
  target_include_directories(${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  program_precompile(${name}_core ${CORE_PRECOMPILED_HEADERS})
endfunction()

# Tests: every tests/<folder>/*.cpp is a core test linked against the core alone; the files of
# any qt/ folder under tests/ (tests/<feature>/qt/, tests/qt/) are window tests, run on Qt's
# offscreen platform.
function(program_tests name)
  file(GLOB_RECURSE core_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  list(FILTER core_tests EXCLUDE REGEX "/tests/(.*/)?qt/")
  list(FILTER core_tests EXCLUDE REGEX "/tests/fuzz/")
  list(FILTER core_tests EXCLUDE REGEX "/tests/xserver/") # tests that need a real X server
  if(core_tests AND CORE_TESTS)
    add_executable(${name}_core_tests ${core_tests})
    target_link_libraries(${name}_core_tests PRIVATE ${name}_core GTest::gtest_main GTest::gmock)
    program_precompile(${name}_core_tests ${TEST_PRECOMPILED_HEADERS})
    target_compile_definitions(${name}_core_tests PRIVATE
      TEST_BUILD_DIR="${CMAKE_CURRENT_BINARY_DIR}"
      TEST_PROGRAM_DIR="${${name}_PROGRAM_DIR}")
    gtest_discover_tests(${name}_core_tests DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS core)
  endif()
  if(NOT CORE_ONLY AND WINDOW_TESTS)
    file(GLOB_RECURSE qt_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
    list(FILTER qt_tests INCLUDE REGEX "/tests/(.*/)?qt/")
    if(qt_tests)
      add_executable(${name}_qt_tests ${qt_tests} ${PROJECT_SOURCE_DIR}/cmake/qt_test_main.cpp)
      target_link_libraries(${name}_qt_tests PRIVATE ${name}_qt Qt6::Test GTest::gtest GTest::gmock)
      program_reuse_precompiled(${name}_qt_tests ${name}_qt)
      target_compile_definitions(${name}_qt_tests PRIVATE
        TEST_PROGRAM_DIR="${${name}_PROGRAM_DIR}")
      gtest_discover_tests(${name}_qt_tests DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS qt ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
  endif()
endfunction()

# Benchmarks: every bench/*.cpp becomes its own executable.
function(program_benchmarks name)
  if(NOT BUILD_BENCHMARKS)
    return()
  endif()
  file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/*.cpp)
  foreach(src ${benches})
    get_filename_component(stem ${src} NAME_WE)
    add_executable(${name}_bench_${stem} ${src})
    target_link_libraries(${name}_bench_${stem} PRIVATE ${name}_core benchmark::benchmark)
    set_target_properties(${name}_bench_${stem} PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endforeach()
endfunction()

# Fuzzers: every tests/fuzz/*.cpp defines LLVMFuzzerTestOneInput. With FUZZ=ON and clang
# each becomes a libFuzzer executable (scripts/fuzz.sh). In a sanitizer build without FUZZ
# each is linked with cmake/fuzz_replay_main.cpp instead and a test runs it over its kept
# corpus, tests/fuzz/corpus/<name>/, and then on random changes of those inputs for
# FUZZ_SECONDS seconds.
set(FUZZ_SECONDS 3 CACHE STRING "Seconds of random changes each fuzzer's test runs")
function(program_fuzzers name)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/*.cpp)
  foreach(src ${fuzzers})
    get_filename_component(stem ${src} NAME_WE)
    if(FUZZ)
      add_executable(${name}_fuzz_${stem} ${src})
      target_compile_options(${name}_fuzz_${stem} PRIVATE -fsanitize=fuzzer)
      target_link_options(${name}_fuzz_${stem} PRIVATE -fsanitize=fuzzer)
    elseif(SANITIZE)
      add_executable(${name}_fuzz_${stem} ${src} ${PROJECT_SOURCE_DIR}/cmake/fuzz_replay_main.cpp)
      add_test(NAME ${name}_fuzz_${stem} COMMAND ${name}_fuzz_${stem} ${FUZZ_SECONDS}
        ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus/${stem})
      set_tests_properties(${name}_fuzz_${stem} PROPERTIES LABELS fuzz TIMEOUT 300)
    else()
      continue()
    endif()
    target_link_libraries(${name}_fuzz_${stem} PRIVATE ${name}_core)
    set_target_properties(${name}_fuzz_${stem} PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endfunction()
