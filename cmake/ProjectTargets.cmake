# Warnings for the project's own targets, and one test executable per test file.

function(qingwu_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# qingwu_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one GoogleTest executable and registers it with ctest.
function(qingwu_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  qingwu_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
