# One Qt Test executable per source file, registered as <prefix>.<name> and run headless.
#   add_qt_test(<prefix> <name> [SOURCES extra...] [LIBS libraries...])
function(add_qt_test prefix name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${name}.cpp ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${prefix}.${name} COMMAND ${name})
  set_tests_properties(${prefix}.${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
endfunction()
