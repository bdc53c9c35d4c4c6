# The editor's tests: its modules driven directly, and headless runs of the
# editor binary (and of the game on what the editor saved).
foreach(name test_editor_menu test_part_edit test_editor_commands test_editor_frame)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE qmx_editor qmx_test_support GTest::gtest_main)
  gtest_discover_tests(${name})
endforeach()

add_executable(test_editor_run ${CMAKE_CURRENT_LIST_DIR}/test_editor_run.cpp)
target_link_libraries(test_editor_run PRIVATE qmx_test_support GTest::gtest_main)
target_compile_definitions(test_editor_run PRIVATE QMX_EDITOR_BIN="$<TARGET_FILE:editor>")
add_dependencies(test_editor_run editor)
if(TARGET game)
  target_compile_definitions(test_editor_run PRIVATE QMX_GAME_BIN="$<TARGET_FILE:game>")
  add_dependencies(test_editor_run game)
endif()
gtest_discover_tests(test_editor_run)
