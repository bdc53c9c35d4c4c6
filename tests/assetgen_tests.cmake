# The data set generator: runs the real assetgen binary into temporary
# folders and checks what it writes.
qmx_program_test(test_assetgen assetgen)
