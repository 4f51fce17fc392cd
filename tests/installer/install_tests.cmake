# The installation's handlers: paths, bar, chooser, worker and completion.
add_executable(install_tests
  ${CMAKE_CURRENT_LIST_DIR}/folder_chooser_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_paths_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_worker_test.cpp)
target_compile_options(install_tests PRIVATE -fexec-charset=GBK)
target_link_libraries(install_tests PRIVATE installer_frame gtest_main)
gtest_discover_tests(install_tests DISCOVERY_MODE PRE_TEST)
