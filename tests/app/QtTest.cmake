# ostrel_add_qttest(name SOURCES a.cpp LIBS lib1 lib2): a Qt Test executable run by ctest on
# the offscreen platform, so that the real windows are driven without a display.

find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

function(ostrel_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  ostrel_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
