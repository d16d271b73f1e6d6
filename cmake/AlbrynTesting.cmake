# Test registration helpers. Every test runs with its own class registry, settings store and
# temporary folder (see automation/testing), and widget tests with the offscreen platform.
find_package(GTest REQUIRED)

set(ALBRYN_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "QTWEBENGINE_DISABLE_SANDBOX=1"
  "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"
  "ASAN_OPTIONS=detect_leaks=1"
)

# albryn_gtest(name SOURCES ... LIBS ...): a GoogleTest binary registered test by test.
function(albryn_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  albryn_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} albryn_testing GTest::gtest GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${ALBRYN_TEST_ENV}" DISCOVERY_TIMEOUT 60)
endfunction()

# albryn_qtest(name SOURCES ... LIBS ...): a Qt Test binary, one ctest entry.
function(albryn_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  albryn_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} albryn_testing Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ALBRYN_TEST_ENV}" TIMEOUT 600)
endfunction()

# albryn_fuzz(name SOURCES ... LIBS ... CORPUS dir [SECONDS n]): a libFuzzer target (clang,
# ALBRYN_FUZZ builds only). It is registered with the label "fuzz" and runs for a bounded time
# from a copy of its seed corpus; a crash, a leak, a hang over 10 s or over 2 GB fails it.
function(albryn_fuzz name)
  cmake_parse_arguments(F "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ALBRYN_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  add_executable(${name} ${F_SOURCES})
  albryn_warnings(${name})
  target_link_libraries(${name} PRIVATE ${F_LIBS} albryn_testing)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
      sh -c "rm -rf '${work}' && mkdir -p '${work}' && cp -r '${F_CORPUS}'/. '${work}'/ && exec '$<TARGET_FILE:${name}>' -max_total_time=${F_SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 '${work}'")
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
