# cmake -DPROGRAM=<executable> -DPAGE=<man page> -P CheckManOptions.cmake
# Fails when an option the program's --help lists is missing from its manual page, so that a
# new option cannot ship undocumented.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE usage RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help exited with ${status}")
endif()
file(READ ${PAGE} page)
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${usage}")
list(REMOVE_DUPLICATES options)
if(options STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help lists no options")
endif()
foreach(option ${options})
  # roff spells each dash "\-".
  string(REPLACE "-" "\\-" spelled "${option}")
  string(FIND "${page}" "${spelled}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${option} is missing from ${PAGE}")
  endif()
endforeach()
