# The Qt-test-macro check fails on a test that uses one and passes one that
# waits and checks the GoogleTest way.
#   cmake -DCHECK=<CheckTestAssertions.cmake> -DWORK_DIR=<scratch dir> -P test_assertions_check_test.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expect_check_result.cmake)

function(expect_check name text expect)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/tests/area/area_test.cpp "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${root} -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_check_result(${name} "${rc}" "${out}${err}" "${expect}")
endfunction()

expect_check(clean
  "TEST(A, B) {\n  // QVERIFY(x) would not fail this test\n  ASSERT_TRUE(QTest::qWaitFor([] { return true; }, 100));\n}\n"
  PASS)
expect_check(try_verify
  "TEST(A, B) {\n  int x = 1;\n  QTRY_VERIFY_WITH_TIMEOUT(x == 1, 2000);\n}\n"
  "tests/area/area_test.cpp:3: QTRY_VERIFY_WITH_TIMEOUT")
expect_check(compare "TEST(A, B) { QCOMPARE(1, 1); }\n" "tests/area/area_test.cpp:1: QCOMPARE")
expect_check(verify "TEST(A, B) {\n\n  QVERIFY (true);\n}\n" "tests/area/area_test.cpp:3: QVERIFY")
