# The layer check's own test: a small program tree that holds its layers, then one wrong
# change at a time, each of which must fail with its own message.
#   cmake -DWORK_DIR=<dir> -P cmake/CheckLayersTest.cmake
cmake_minimum_required(VERSION 3.20)
set(check "${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake")

function(tree dir)
  file(REMOVE_RECURSE "${dir}")
  file(WRITE "${dir}/layers.txt" "qt: kit app\nmodel:\nmodel/qt: model kit\nkit: model\n"
    "app: model model/qt kit  # the top\n")
  file(WRITE "${dir}/model/Bet.h" "#pragma once\n#include <vector>\n")
  file(WRITE "${dir}/model/Bet.cpp" "#include \"Bet.h\"\n#include \"model/Bet.h\"\n")
  file(WRITE "${dir}/model/qt/BetView.h" "#include <QWidget>\n#include \"model/Bet.h\"\n#include \"kit/Button.h\"\n")
  file(WRITE "${dir}/kit/Button.h" "#include <QtWidgets/QPushButton>\n")
  file(WRITE "${dir}/app/main.cpp" "#include <QApplication>\n#include \"model/qt/BetView.h\"\n#include \"gtest/gtest.h\"\n")
  file(WRITE "${dir}/tests/AnyTest.cpp" "#include <QWidget>\n#include \"app/Anything.h\"\n")
endfunction()

function(expect dir outcome pattern)
  execute_process(COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${dir} -P ${check}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(outcome STREQUAL "pass" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "a sound tree was refused:\n${out}")
  elseif(outcome STREQUAL "fail" AND rc EQUAL 0)
    message(FATAL_ERROR "a wrong tree passed (expected: ${pattern}):\n${out}")
  endif()
  if(NOT out MATCHES "${pattern}")
    message(FATAL_ERROR "expected \"${pattern}\" in:\n${out}")
  endif()
endfunction()

set(t "${WORK_DIR}/layers-tree")
tree(${t})
expect(${t} pass "Layers hold: 5 files in 4 folders")

# An include upwards: the rules reach into a window.
file(APPEND "${t}/model/Bet.cpp" "#include \"model/qt/BetView.h\"\n")
expect(${t} fail "model/Bet.cpp: includes \"model/qt/BetView.h\", but model may not use model/qt")

# Qt in the rules.
tree(${t})
file(APPEND "${t}/model/Bet.h" "#include <QString>\n")
expect(${t} fail "model/Bet.h: includes <QString...>, but Qt belongs")

# A folder the table does not know.
tree(${t})
file(WRITE "${t}/extra/Thing.h" "#pragma once\n")
expect(${t} fail "extra/Thing.h: its folder extra is not in the layer table")

# A table whose edges close a cycle, and one that names an unknown folder.
tree(${t})
file(WRITE "${t}/layers.txt" "qt: kit app\nmodel: kit\nmodel/qt: model kit\nkit: model\napp: model model/qt kit\n")
expect(${t} fail "the allowed edges close a cycle through (model, kit|kit, model)")
file(WRITE "${t}/layers.txt" "qt: kit app\nmodel: ghost\nmodel/qt: model kit\nkit: model\napp: model model/qt kit\n")
expect(${t} fail "model may use \"ghost\", which has no line of its own")
message(STATUS "The layer check passes a sound tree and refuses each wrong one")
