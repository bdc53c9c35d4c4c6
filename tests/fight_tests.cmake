# The fight: the hand, the part physics and tearing off, the flight and
# bleeding, the blood splashes; and one headless score-attack run.
foreach(module hand physics flight blood)
  add_executable(test_${module} ${CMAKE_CURRENT_LIST_DIR}/test_${module}.cpp)
  target_include_directories(test_${module} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(test_${module} PRIVATE qmx_game GTest::gtest_main)
  gtest_discover_tests(test_${module})
endforeach()

add_executable(test_fight_run ${CMAKE_CURRENT_LIST_DIR}/test_fight_run.cpp)
target_link_libraries(test_fight_run PRIVATE qmx_test_support GTest::gtest_main)
target_compile_definitions(test_fight_run PRIVATE GAME_BINARY="$<TARGET_FILE:game>")
add_dependencies(test_fight_run game)
gtest_discover_tests(test_fight_run)
