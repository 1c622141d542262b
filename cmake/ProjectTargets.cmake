# Warnings for the project's own targets, and one test executable per test file.

function(qingwu_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# qingwu_add_test(<name> [WINDOW_TEST] SOURCES <files...> LIBRARIES <targets...>)
# Builds one GoogleTest executable and registers it with ctest. A WINDOW_TEST
# runs in an offscreen QApplication with the window-test fixture.
function(qingwu_add_test name)
  cmake_parse_arguments(ARG "WINDOW_TEST" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WINDOW_TEST)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} window_test_support)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  endif()
  qingwu_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
