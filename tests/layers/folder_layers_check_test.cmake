# The folder-layer check fails on what it must catch and passes a tree that
# keeps its layers. Each case writes a small project (rules file and src/)
# under WORK_DIR and runs the check on it.
#   cmake -DCHECK=<CheckFolderLayers.cmake> -DWORK_DIR=<scratch dir> -P folder_layers_check_test.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expect_check_result.cmake)

set(rules "low:\nmid: low\ntop: low mid\n")

# Writes `files` (pairs of path, text) and `rule_text` into a fresh tree.
function(make_tree name rule_text)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/layers.txt "${rule_text}")
  file(WRITE ${root}/src/low/low.h "#pragma once\n")
  file(WRITE ${root}/src/mid/mid.h "#pragma once\n#include \"low/low.h\"\n")
  file(WRITE ${root}/src/top/top.cpp "#include \"mid/mid.h\"\n#include \"low/low.h\"\n#include <vector>\n")
  set(files ${ARGN})
  while(files)
    list(POP_FRONT files path text)
    file(WRITE ${root}/${path} "${text}")
  endwhile()
endfunction()

# Runs the check on tree `name`; `expect` is PASS or a text the failure
# output must contain.
function(expect_check name expect)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/${name} -DRULES=${WORK_DIR}/${name}/layers.txt
            -P ${CHECK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_check_result(${name} "${rc}" "${out}${err}" "${expect}")
endfunction()

make_tree(keeps_layers "${rules}"
  src/mid/mid.cpp "#include \"mid/mid.h\"\n// #include \"top/top.h\" is not an include\n")
expect_check(keeps_layers PASS)

make_tree(upward "${rules}"
  src/mid/mid.cpp "#include \"mid/mid.h\"\n\n#include \"low/low.h\"\n  #  include \"top/top.h\"\n")
expect_check(upward
  "src/mid/mid.cpp:4: #  include \"top/top.h\": mid may include only its own headers and low (layers.txt)")

make_tree(below_but_not_allowed "low:\nmid:\ntop: low mid\n")
expect_check(below_but_not_allowed
  "src/mid/mid.h:2: #include \"low/low.h\": mid may include only its own headers and nothing (layers.txt)")

make_tree(relative_path "${rules}" src/low/low.cpp "#include \"../top/top.h\"\n")
expect_check(relative_path "src/low/low.cpp:1: #include \"../top/top.h\": a header of another folder")

make_tree(rule_names_a_higher_folder "low: top\nmid: low\ntop: low mid\n")
expect_check(rule_names_a_higher_folder
  "layers.txt: low may include top, which is not listed before it")

make_tree(folder_without_rule "${rules}" src/extra/extra.cpp "int x;\n")
expect_check(folder_without_rule "src/extra/: no rule in layers.txt")

make_tree(source_outside_folders "${rules}" src/loose.cpp "int y;\n")
expect_check(source_outside_folders "src/loose.cpp: not in a folder of src/")

file(REMOVE_RECURSE ${WORK_DIR})
