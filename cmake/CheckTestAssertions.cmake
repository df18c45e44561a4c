# Keeps Qt's test macros out of the GoogleTest suite. QVERIFY, QCOMPARE,
# QTRY_* and their kin only `return` from the function on failure: inside a
# GoogleTest test nothing is recorded, the test passes and skips the checks
# after it. Tests wait with QTest::qWaitFor and check with EXPECT_/ASSERT_.
#
#   cmake -DSOURCE_DIR=<project root> -P CheckTestAssertions.cmake
#
# Every use is reported as "file:line: MACRO"; the script then fails.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY ${SOURCE_DIR}/tests)
  message(FATAL_ERROR "CheckTestAssertions: pass -DSOURCE_DIR=<project root with tests/>")
endif()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.hpp)
list(SORT sources)
set(macro_pattern "(QVERIFY[A-Z0-9_]*|QCOMPARE[A-Z0-9_]*|QTRY_[A-Z0-9_]+|QFAIL|QSKIP|QEXPECT_FAIL|QFETCH)[ \t]*\\(")
set(found 0)
foreach(source IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/${source} lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    # A mention after // (as in this kind of comment) is no use.
    string(REGEX REPLACE "//.*$" "" code "${line}")
    if(code MATCHES "(^|[^A-Za-z0-9_])${macro_pattern}")
      string(REGEX MATCH "${macro_pattern}" used "${code}")
      string(REGEX REPLACE "[ \t]*\\($" "" used "${used}")
      message("${source}:${number}: ${used}: a Qt test macro does not fail a GoogleTest test; "
              "use EXPECT_/ASSERT_ (and QTest::qWaitFor to wait)")
      math(EXPR found "${found} + 1")
    endif()
  endforeach()
endforeach()
if(found GREATER 0)
  message(FATAL_ERROR "${found} use(s) of Qt's test macros in GoogleTest sources")
endif()
