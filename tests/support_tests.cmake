# Shared helpers of the tests: tiny data sets, running a program binary,
# reading its JSON-lines trace.
add_library(qmx_test_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/support/data_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/support/program_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/support/trace_reader.cpp)
target_include_directories(qmx_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR}/support)
target_link_libraries(qmx_test_support PUBLIC qmx_runtime)

qmx_test(test_support)
