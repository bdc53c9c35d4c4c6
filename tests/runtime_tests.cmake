# Unit tests of the shared runtime, one executable per module; included by
# tests/CMakeLists.txt.

function(qmx_runtime_test name)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
  # qmx_test_support brings qmx_runtime and the BMP writer, temp folders and
  # the JSON reader.
  target_link_libraries(${name} PRIVATE qmx_runtime qmx_test_support GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()

qmx_runtime_test(test_surface)
qmx_runtime_test(test_body)
qmx_runtime_test(test_enemy_file)
qmx_runtime_test(test_mouse)
qmx_runtime_test(test_window)
qmx_runtime_test(test_video)
qmx_runtime_test(test_cp932)
qmx_runtime_test(test_trace)
qmx_runtime_test(test_script)
qmx_runtime_test(test_run)
qmx_runtime_test(test_rng)
