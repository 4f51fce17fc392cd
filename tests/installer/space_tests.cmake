# The free-space check before unpacking: the archive's declared total, the
# drive's free bytes and the message.
add_executable(space_tests
  ${CMAKE_CURRENT_LIST_DIR}/declared_size_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/free_space_test.cpp)
target_compile_options(space_tests PRIVATE -fexec-charset=GBK)
target_link_libraries(space_tests PRIVATE installer_frame test_support gtest_main)
gtest_discover_tests(space_tests DISCOVERY_MODE PRE_TEST)
