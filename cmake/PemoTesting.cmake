include(GoogleTest)

# pemo_add_test(name sources... LIBS libs... [QT])
# Each test case runs in its own process with its own XDG_CONFIG_HOME (see
# platform/testing/test_main.cpp). QT tests get a QApplication on the offscreen platform.
function(pemo_add_test name)
  cmake_parse_arguments(ARG "QT" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                                           BUILD_RPATH "${PEMO_BIN_DIR}")
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE pemo_test_main_qt)
  else()
    target_link_libraries(${name} PRIVATE pemo_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE PEMO_BIN_DIR="${PEMO_BIN_DIR}"
                                             PEMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # One variable only: discovery at test time loses the escape of a list, which turned a
  # second variable into a property name and dropped the time limit. The test main sets
  # PEMO_POWER_DRY_RUN itself.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
