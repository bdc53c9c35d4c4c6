# The data set generator: runs the real assetgen binary into temporary
# folders and checks what it writes. Included by tests/CMakeLists.txt.
add_executable(test_assetgen ${CMAKE_CURRENT_LIST_DIR}/test_assetgen.cpp)
target_link_libraries(test_assetgen PRIVATE qmx_runtime GTest::gtest_main)
target_compile_definitions(test_assetgen PRIVATE ASSETGEN_EXE="$<TARGET_FILE:assetgen>")
add_dependencies(test_assetgen assetgen)
gtest_discover_tests(test_assetgen DISCOVERY_TIMEOUT 30)
