# The form runtime and the installer's frame: texts, product selection, disk
# space, properties, events, pictures and the end service.
add_executable(frame_tests
  ${CMAKE_CURRENT_LIST_DIR}/disk_space_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/end_service_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/product_selection_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/properties_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/runtime_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_test.cpp)
target_include_directories(frame_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/installer)
target_compile_options(frame_tests PRIVATE -fexec-charset=GBK)
target_link_libraries(frame_tests PRIVATE installer_frame gtest_main)
gtest_discover_tests(frame_tests DISCOVERY_MODE PRE_TEST)
