# The build's product selection over lists that show the splitting rule:
# cmake -P product_name_test.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../resources/product_name.cmake)

set(failures 0)
# list | number | expected name, with "-" for none
foreach(case IN ITEMS
    "A|B|C;2;B"
    "A|B|C;3;C"
    "A|B|C;4;-"
    "A|B|C;0;-"
    "|A|B;1;-"
    "|A|B;2;A"
    "A||B;3;B"
    "A|B|;3;-"
    "A|B||;3;-"
    "A|B||C;4;C"
    ";1;-"
    "产品甲|产品乙 Pro|丙;2;产品乙 Pro"
    "Lunetra Product A|Lunetra Product B|Lunetra Product C|Lunetra Product D|Lunetra Product E|Lunetra Product F|Lunetra Product G|Lunetra Product H|Lunetra Product I|Lunetra Product J;9;Lunetra Product I")
  list(GET case 0 list_text)
  list(GET case 1 number)
  list(GET case 2 expected)
  if(expected STREQUAL "-")
    set(expected "")
  endif()
  select_product_name("${list_text}" "${number}" name)
  if(NOT name STREQUAL expected)
    message("\"${list_text}\" number ${number}: got \"${name}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} product selections wrong")
endif()
