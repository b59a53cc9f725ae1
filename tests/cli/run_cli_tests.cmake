# Runs a command-line program (rq51-cli, search) as a user would and checks
# what it prints.
#
#   cmake -DCLI=<path to the program> [-DCASES=<folder>] -P run_cli_tests.cmake
#
# Every *.cmake file in CASES (default: this folder, but for this script) is
# a set of cases; each case is one call of
#
#   expect_cli(NAME <name> ARGS <arg> ...
#              [EXPECT_STATUS <n>]                 (default 0)
#              [EXPECT_STDOUT_FILE <file>]         (whole output; file relative to this folder)
#              [EXPECT_STDOUT_CONTAINS <text> ...] (each text appears in the output)
#              [EXPECT_STDOUT_LINES <n>]           (number of output lines)
#              [EXPECT_STDOUT_EMPTY]
#              [EXPECT_STDERR_CONTAINS <text> ...]
#              [EXPECT_STDERR_LINES <n>])          (number of error lines)
#
# or of report_case(<name> <problems> <stderr>) after checks of its own.
# All cases run; the script fails at the end if any of them failed.
cmake_minimum_required(VERSION 3.25)

if(NOT CLI)
  message(FATAL_ERROR "run with -DCLI=<path to the program>")
endif()

if(CASES)
  set(CLI_CASE_DIR "${CASES}")
else()
  set(CLI_CASE_DIR "${CMAKE_CURRENT_LIST_DIR}")
endif()
set_property(GLOBAL PROPERTY cli_passed 0)
set_property(GLOBAL PROPERTY cli_failed 0)

function(expect_cli)
  cmake_parse_arguments(E "EXPECT_STDOUT_EMPTY" "NAME;EXPECT_STATUS;EXPECT_STDOUT_FILE;EXPECT_STDOUT_LINES;EXPECT_STDERR_LINES"
                        "ARGS;EXPECT_STDOUT_CONTAINS;EXPECT_STDERR_CONTAINS" ${ARGN})
  if(NOT DEFINED E_EXPECT_STATUS)
    set(E_EXPECT_STATUS 0)
  endif()
  if(NOT E_NAME)
    get_filename_component(program "${CLI}" NAME)
    set(E_NAME "${program} ${E_ARGS}")
  endif()

  execute_process(COMMAND "${CLI}" ${E_ARGS}
                  RESULT_VARIABLE status
                  OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)

  set(problems "")
  if(NOT "${status}" STREQUAL "${E_EXPECT_STATUS}")
    string(APPEND problems "  exit status '${status}', expected '${E_EXPECT_STATUS}'\n")
  endif()
  if(E_EXPECT_STDOUT_FILE)
    file(READ "${CLI_CASE_DIR}/${E_EXPECT_STDOUT_FILE}" expected)
    if(NOT out STREQUAL expected)
      string(APPEND problems "  standard output differs from ${E_EXPECT_STDOUT_FILE}\n"
                             "--- expected\n${expected}--- got\n${out}---\n")
    endif()
  endif()
  if(E_EXPECT_STDOUT_EMPTY AND NOT out STREQUAL "")
    string(APPEND problems "  standard output should be empty, got:\n${out}\n")
  endif()
  if(DEFINED E_EXPECT_STDOUT_LINES)
    string(REGEX MATCHALL "\n" newlines "${out}")
    list(LENGTH newlines lines)
    if(NOT lines EQUAL E_EXPECT_STDOUT_LINES)
      string(APPEND problems "  ${lines} output lines, expected ${E_EXPECT_STDOUT_LINES}\n")
    endif()
  endif()
  if(DEFINED E_EXPECT_STDERR_LINES)
    string(REGEX MATCHALL "\n" newlines "${err}")
    list(LENGTH newlines lines)
    if(NOT lines EQUAL E_EXPECT_STDERR_LINES)
      string(APPEND problems "  ${lines} error lines, expected ${E_EXPECT_STDERR_LINES}\n")
    endif()
  endif()
  foreach(text IN LISTS E_EXPECT_STDOUT_CONTAINS)
    string(FIND "${out}" "${text}" at)
    if(at EQUAL -1)
      string(APPEND problems "  standard output lacks '${text}'\n")
    endif()
  endforeach()
  foreach(text IN LISTS E_EXPECT_STDERR_CONTAINS)
    string(FIND "${err}" "${text}" at)
    if(at EQUAL -1)
      string(APPEND problems "  standard error lacks '${text}'\n")
    endif()
  endforeach()

  report_case("${E_NAME}" "${problems}" "${err}")
endfunction()

# Counts a case as passed when `problems` is empty, else prints them with
# the standard error `err`. For cases that check more than expect_cli can.
function(report_case name problems err)
  if(problems STREQUAL "")
    get_property(n GLOBAL PROPERTY cli_passed)
    math(EXPR n "${n} + 1")
    set_property(GLOBAL PROPERTY cli_passed ${n})
    message(STATUS "ok     ${name}")
  else()
    get_property(n GLOBAL PROPERTY cli_failed)
    math(EXPR n "${n} + 1")
    set_property(GLOBAL PROPERTY cli_failed ${n})
    message(STATUS "FAILED ${name}\n${problems}  standard error was:\n${err}")
  endif()
endfunction()

file(GLOB case_files "${CLI_CASE_DIR}/*.cmake")
list(REMOVE_ITEM case_files "${CMAKE_CURRENT_LIST_FILE}")
list(SORT case_files)
foreach(case_file IN LISTS case_files)
  include("${case_file}")
endforeach()

get_property(passed GLOBAL PROPERTY cli_passed)
get_property(failed GLOBAL PROPERTY cli_failed)
message(STATUS "${passed} passed, ${failed} failed")
if(failed GREATER 0 OR passed EQUAL 0)
  message(FATAL_ERROR "end-to-end cases of ${CLI} failed")
endif()
