# qx_add_tests(<target> <dir> LIBS ... [MAIN | APP] [RECURSE]): one gtest executable
# from every *_test.cpp and *_support.cpp in <dir> (and its subfolders with
# RECURSE), registered with CTest. With MAIN
# the folder brings its own main(); with APP the tests run inside a
# QApplication (application_main.cpp).
function(qx_add_tests target dir)
  cmake_parse_arguments(ARG "MAIN;APP;RECURSE" "" "LIBS" ${ARGN})
  set(glob GLOB)
  if(ARG_RECURSE)
    set(glob GLOB_RECURSE)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS ${dir}/*_test.cpp ${dir}/*_support.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest)
  if(ARG_APP)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/application_main.cpp)
    target_link_libraries(${target} PRIVATE Qt6::Widgets)
  elseif(NOT ARG_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp")
endfunction()
