# radioprog_add_test(NAME SOURCES src... [LIBS lib...] [GUI])
# One GoogleTest executable; each test case becomes a CTest test.
# GUI tests run on the offscreen platform so that no display is needed.
function(radioprog_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(T_GUI AND NOT RADIOPROG_GUI)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_GUI)
    # Widget tests need a QApplication before the first test runs.
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} radiogui Qt6::Test GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    RADIOPROG_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    RADIOPROG_BINARY_DIR="${CMAKE_BINARY_DIR}"
    RADIOPROG_PROGRAM_DIR="${RADIOPROG_PROGRAM_DIR}")
  radioprog_warnings(${name})
  set(env "QT_QPA_PLATFORM=offscreen")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
