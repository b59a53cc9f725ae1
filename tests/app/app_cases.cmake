# rq51 itself: what it answers without a display. VERSION is the project
# version.

expect_cli(ARGS --version
           EXPECT_STDOUT_CONTAINS "rq51 ${VERSION}\n"
           EXPECT_STDOUT_LINES 1)
expect_cli(ARGS --help
           EXPECT_STDOUT_CONTAINS "3x3x3 cube" "QT_QPA_PLATFORM" "offscreen")

# Without a display: one line that says so and how to go on, status 1, no
# abort. Checked with the X11 platform and with the platform left to Qt.
foreach(platform xcb default)
  if(platform STREQUAL "default")
    set(choose --unset=QT_QPA_PLATFORM)
  else()
    set(choose QT_QPA_PLATFORM=${platform})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          ${choose} "${CLI}"
                  RESULT_VARIABLE status
                  OUTPUT_VARIABLE out
                  ERROR_VARIABLE err
                  TIMEOUT 60)
  set(problems "")
  if(NOT status STREQUAL "1")
    string(APPEND problems "  exit status '${status}', expected '1'\n")
  endif()
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT lines EQUAL 1)
    string(APPEND problems "  ${lines} error lines, expected 1\n")
  endif()
  string(FIND "${err}" "no display found" at)
  if(at EQUAL -1)
    string(APPEND problems "  standard error does not say that no display was found\n")
  endif()
  string(FIND "${err}" "rq51-cli" at)
  if(at EQUAL -1)
    string(APPEND problems "  standard error does not name rq51-cli\n")
  endif()
  if(NOT out STREQUAL "")
    string(APPEND problems "  standard output should be empty\n")
  endif()
  report_case("rq51 without a display (${platform})" "${problems}" "${err}")
endforeach()

expect_cli(NAME "rq51 --help names --reset-layout"
           ARGS --help
           EXPECT_STDOUT_CONTAINS "--reset-layout" "rq51.conf")

# --lang: a language the program does not speak, or none, is one line and
# status 2, before any window opens.
expect_cli(NAME "rq51 --lang with an unknown language"
           ARGS --lang xx
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_LINES 1
           EXPECT_STDERR_CONTAINS "unknown language 'xx'" "ja, en")
expect_cli(NAME "rq51 --lang without a language"
           ARGS --lang
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_LINES 1
           EXPECT_STDERR_CONTAINS "--lang")
expect_cli(NAME "rq51 --help names --lang"
           ARGS --help
           EXPECT_STDOUT_CONTAINS "--lang CODE" "en (English)")
