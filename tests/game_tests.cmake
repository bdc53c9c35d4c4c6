# The game's spine: wave files, sound bank, high score, title and frame of
# play driven directly, and headless runs of the real game binary.
foreach(name test_wave_file test_highscore test_soundbank test_game_spine)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE qmx_game qmx_test_support GTest::gtest_main)
  gtest_discover_tests(${name})
endforeach()

add_executable(test_game_run ${CMAKE_CURRENT_LIST_DIR}/test_game_run.cpp)
target_link_libraries(test_game_run PRIVATE qmx_test_support GTest::gtest_main)
target_compile_definitions(test_game_run PRIVATE GAME_BINARY="$<TARGET_FILE:game>")
add_dependencies(test_game_run game)
gtest_discover_tests(test_game_run)
