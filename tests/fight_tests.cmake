# The fight: the hand, the part physics and tearing off, the flight and
# bleeding, the blood splashes; and one headless score-attack run.
foreach(module hand physics flight blood)
  add_executable(test_${module} ${CMAKE_CURRENT_LIST_DIR}/test_${module}.cpp)
  target_include_directories(test_${module} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(test_${module} PRIVATE qmx_game GTest::gtest_main)
  gtest_discover_tests(test_${module})
endforeach()
