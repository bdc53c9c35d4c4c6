# Unit tests of the shared runtime, one executable per module; included by
# tests/CMakeLists.txt.

qmx_test(test_surface qmx_runtime)
qmx_test(test_body qmx_runtime)
qmx_test(test_enemy_file qmx_runtime)
qmx_test(test_mouse qmx_runtime)
qmx_test(test_window qmx_runtime)
qmx_test(test_video qmx_runtime)
qmx_test(test_cp932 qmx_runtime)
qmx_test(test_trace qmx_runtime)
qmx_test(test_script qmx_runtime)
qmx_test(test_run qmx_runtime)
qmx_test(test_rng qmx_runtime)
