# Tests of the platform seam; included by tests/CMakeLists.txt.

function(qmx_platform_test name)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE qmx_runtime GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()

qmx_platform_test(test_platform_keys)
qmx_platform_test(test_platform_event_queue)
qmx_platform_test(test_platform_headless)
qmx_platform_test(test_platform_bmp)
# The SDL backend itself, on SDL's dummy video and audio drivers.
qmx_platform_test(test_platform_sdl)

# The real SDL backend under Xvfb, driven by real X input; skipped (77)
# where Xvfb or xdotool is missing.
if(TARGET game)
  add_test(NAME desktop_game
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/desktop_test.sh $<TARGET_FILE:game> ${QMX_DATA_DIR})
  set_tests_properties(desktop_game PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 90)
endif()
