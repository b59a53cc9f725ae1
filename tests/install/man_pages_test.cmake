# The manual pages render without a warning, and say everything the programs'
# --help texts say there is: every command, every option, every environment
# variable.
#
#   cmake -DRQ51=<rq51> -DCLI=<rq51-cli> -DMAN_DIR=<folder of rq51.1, rq51-cli.1>
#         -P man_pages_test.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)
require_variables(RQ51 CLI MAN_DIR)

foreach(page rq51 rq51-cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                          man --warnings -l "${MAN_DIR}/${page}.1"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR out STREQUAL "")
    problem("man ${page}.1 (${status}) warns:\n${err}")
  endif()
  file(READ "${MAN_DIR}/${page}.1" source_${page})
endforeach()

# What a help text names, checked against a page's source, where a '-' is
# written '\-'.
function(expect_options help page)
  string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
  list(REMOVE_DUPLICATES options)
  foreach(option IN LISTS options)
    string(REPLACE "-" "\\-" written "${option}")
    string(FIND "${source_${page}}" "${written}" at)
    if(at EQUAL -1)
      problem("${page}.1 does not mention ${option}")
    endif()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${RQ51}" --help OUTPUT_VARIABLE help)
expect_options("${help}" rq51)
string(REGEX REPLACE ".*Environment:(.*)\n\n.*" "\\1" environment "${help}")
string(REGEX MATCHALL "\n  [A-Z_]+" variables "${environment}")
foreach(variable IN LISTS variables)
  string(STRIP "${variable}" variable)
  string(REPLACE "_" "\\_" escaped "${variable}")
  if(NOT source_rq51 MATCHES "\n\\.B ${variable}\n")
    problem("rq51.1 does not describe ${variable}")
  endif()
endforeach()

execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE help)
expect_options("${help}" rq51-cli)
string(REGEX MATCHALL "\n  rq51-cli [a-z]+" commands "${help}")
foreach(command IN LISTS commands)
  string(REGEX REPLACE ".* " "" command "${command}")
  if(NOT source_rq51-cli MATCHES "\n\\.SS ${command}\n")
    problem("rq51-cli.1 has no section on ${command}")
  endif()
  execute_process(COMMAND "${CLI}" ${command} --help OUTPUT_VARIABLE command_help)
  expect_options("${command_help}" rq51-cli)
endforeach()

if(problems)
  message(FATAL_ERROR "manual pages:\n${problems}")
endif()
message(STATUS "both manual pages render and name every command, option and variable")
