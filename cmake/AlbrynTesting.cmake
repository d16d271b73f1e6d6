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
