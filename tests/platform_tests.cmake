# Tests of the platform seam; included by tests/CMakeLists.txt.

qmx_test(test_platform_keys qmx_runtime)
qmx_test(test_platform_event_queue qmx_runtime)
qmx_test(test_platform_headless qmx_runtime)
qmx_test(test_platform_bmp qmx_runtime)
# The SDL backend itself, on SDL's dummy video and audio drivers.
qmx_test(test_platform_sdl qmx_runtime)

# The real SDL backend under Xvfb, driven by real X input; skipped (77)
# where Xvfb or xdotool is missing.
if(TARGET game)
  add_test(NAME desktop_game
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/desktop_test.sh $<TARGET_FILE:game> ${QMX_DATA_DIR})
  set_tests_properties(desktop_game PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 90)
endif()
