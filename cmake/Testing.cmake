# The Windows programs of a cross-build run under Wine, which sees the host's
# files on drive Z:; the folders the tests are given must be Windows paths.
if(WIN32 AND CMAKE_HOST_UNIX)
  set(RADIOPROG_TEST_PATH_PREFIX "Z:")
  set(RADIOPROG_LINUX_BIN_DIR ${CMAKE_SOURCE_DIR}/build/bin CACHE PATH
      "The Linux build's programs, which the Windows tests under Wine compare with and talk to")
else()
  set(RADIOPROG_TEST_PATH_PREFIX "")
endif()

# radioprog_add_test(NAME SOURCES src... [LIBS lib...] [GUI] [POSIX])
# One GoogleTest executable; each test case becomes a CTest test.
# GUI tests run on the offscreen platform so that no display is needed.
# POSIX tests need pseudo-terminals, fork, signals or other POSIX-only
# parts: they carry the label "posix" and are not built for Windows
# (scripts/test-windows.sh lists them).
function(radioprog_add_test name)
  cmake_parse_arguments(T "GUI;POSIX" "" "SOURCES;LIBS" ${ARGN})
  if(T_GUI AND NOT RADIOPROG_GUI)
    return()
  endif()
  if(T_POSIX AND WIN32)
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
    RADIOPROG_SOURCE_DIR="${RADIOPROG_TEST_PATH_PREFIX}${CMAKE_SOURCE_DIR}"
    RADIOPROG_BINARY_DIR="${RADIOPROG_TEST_PATH_PREFIX}${CMAKE_BINARY_DIR}"
    RADIOPROG_PROGRAM_DIR="${RADIOPROG_TEST_PATH_PREFIX}${RADIOPROG_PROGRAM_DIR}"
    RADIOPROG_EXE_SUFFIX="${CMAKE_EXECUTABLE_SUFFIX}")
  radioprog_warnings(${name})
  set(env "QT_QPA_PLATFORM=offscreen")
  set(labels)
  if(T_POSIX)
    set(labels posix)
  endif()
  # Under Wine a test that hangs is Wine's start-up stalling, not the test:
  # end it sooner so that test-windows.sh can run it again.
  if(CMAKE_CROSSCOMPILING)
    set(timeout 60)
  else()
    set(timeout 120)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${timeout} LABELS "${labels}")
endfunction()
