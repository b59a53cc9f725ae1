# rq51-cli stats: figures over random cubes in every method, as a table, CSV
# and JSON, and a chart.

# A wrong argument is named on one line of standard error, and nothing is
# written: no figures, no chart.
set(missing_folder "${CMAKE_CURRENT_BINARY_DIR}/no-such-folder")
foreach(bad
    "--n;abc|--n needs a whole number of cubes"
    "--n;0|--n needs a whole number of cubes"
    "--n;99999999999999999999999|--n needs a whole number of cubes"
    "--seed;-1|--seed needs a whole number"
    "--window;cf0,xyz|unknown window 'xyz' in --window (expected cf0, cf, lb, tkc, tkl)"
    "--window;lb,lb|window 'lb' named twice"
    "--format;xml|unknown format 'xml'"
    "--threads;0|--threads needs a whole number"
    "--plot;${missing_folder}/chart.png|cannot write the chart to"
    "--plot;${CMAKE_CURRENT_LIST_DIR}|it is a folder"
    "--n|option --n needs a value"
    "--bogus;1|unknown option '--bogus'"
    "cf0|unexpected argument 'cf0'")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts -1 message)
  list(REMOVE_AT parts -1)
  expect_cli(NAME "stats ${parts}: refused"
             ARGS stats ${parts}
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY
             EXPECT_STDERR_CONTAINS "rq51-cli stats: " "${message}" EXPECT_STDERR_LINES 1)
endforeach()
if(EXISTS "${missing_folder}")
  report_case("stats: a refused --plot creates nothing" "  ${missing_folder} exists\n" "")
endif()

# The three formats of runs with the same seed carry the same figures; only
# the solving speed differs between runs. JSON is parsed as JSON; its
# numbers are compared as written, since CMake reads them into doubles.
set(run stats --n 60 --seed 3 --window cf0,lb,tkl --threads 2)
foreach(format text csv json)
  execute_process(COMMAND "${CLI}" ${run} --format ${format}
                  RESULT_VARIABLE status OUTPUT_VARIABLE ${format} ERROR_VARIABLE err)
  set(problems "")
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    set(problems "  exit status ${status}, standard error not empty\n")
  endif()
  report_case("stats --format ${format}: runs quietly" "${problems}" "${err}")
endforeach()

string(REGEX REPLACE " +" " " text_rows "${text}")
string(REPLACE "\n" ";" csv_lines "${csv}")
# One object a line; the brackets around them would keep a CMake list whole.
string(REGEX REPLACE "^\\[\n(.*)\n\\]\n$" "\\1" json_lines "${json}")
string(REPLACE "\n" ";" json_lines "${json_lines}")
list(POP_FRONT csv_lines csv_header)
string(REPLACE "," ";" csv_header "${csv_header}")
set(problems "")
string(JSON row_count LENGTH "${json}")
list(LENGTH csv_lines csv_count)
if(NOT row_count EQUAL 14 OR NOT csv_count EQUAL 15)  # 1 + 5 + 4 + ... rows, and CSV's last newline
  string(APPEND problems "  ${row_count} JSON objects, ${csv_count} CSV lines\n")
endif()
math(EXPR last "${row_count} - 1")
foreach(r RANGE ${last})
  list(GET csv_lines ${r} csv_line)
  list(GET json_lines ${r} json_line)
  string(REPLACE "," ";" csv_fields "${csv_line}")
  set(text_row "")
  set(column 0)
  foreach(name IN LISTS csv_header)
    list(GET csv_fields ${column} csv_value)
    math(EXPR column "${column} + 1")
    string(JSON type ERROR_VARIABLE missing TYPE "${json}" ${r} ${name})
    if(missing OR type STREQUAL "NULL")
      set(json_value "")  # stage rows have no solves_per_second
    elseif(type STREQUAL "STRING")
      string(JSON json_value GET "${json}" ${r} ${name})
    elseif(type STREQUAL "NUMBER" AND json_line MATCHES "\"${name}\": ([-0-9.e]+)")
      set(json_value "${CMAKE_MATCH_1}")
    else()
      string(APPEND problems "  row ${r} ${name}: a ${type}\n")
    endif()
    if(name STREQUAL "solves_per_second")
      continue()
    endif()
    if(NOT csv_value STREQUAL json_value)
      string(APPEND problems "  row ${r} ${name}: CSV '${csv_value}', JSON '${json_value}'\n")
    endif()
    if(NOT name STREQUAL "caption")
      string(APPEND text_row "${json_value} ")
    endif()
  endforeach()
  string(JSON caption GET "${json}" ${r} caption)
  string(JSON stage GET "${json}" ${r} stage)
  if(stage STREQUAL "all")
    string(JSON speed GET "${json}" ${r} solves_per_second)
    if(NOT speed GREATER 0)
      string(APPEND problems "  row ${r}: no solving speed\n")
    endif()
    string(APPEND text_row "[0-9]+ ")  # another run, another speed
  endif()
  string(JSON window GET "${json}" ${r} window)
  string(JSON cubes GET "${json}" ${r} cubes)
  string(JSON solved GET "${json}" ${r} solved)
  if(NOT cubes EQUAL 60 OR NOT solved EQUAL 60)
    string(APPEND problems "  ${window} ${stage}: ${solved} of ${cubes} cubes solved\n")
  endif()
  string(REPLACE "." "[.]" text_row "${text_row}")
  if(NOT text_rows MATCHES "\n${text_row}${caption}\n")
    string(APPEND problems "  no text row '${text_row}${caption}'\n")
  endif()
endforeach()
report_case("stats: text, CSV and JSON give the same figures" "${problems}" "")

foreach(expected "60 cubes drawn uniformly at random among all real cubes (seed 3)"
                 "each logged turn of the 27 counts 1" "a half turn counts 2")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    report_case("stats: the text header says how turns are counted" "  no '${expected}'\n" "")
  endif()
endforeach()

# A chart drawn without a display; Qt's caches are still held at exit, which
# is no leak of the program's.
set(chart "${CMAKE_CURRENT_BINARY_DIR}/stats_chart_case.png")
file(REMOVE "${chart}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY
                        ASAN_OPTIONS=detect_leaks=0
                        "${CLI}" stats --n 30 --format csv --plot "${chart}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(problems "")
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  string(APPEND problems "  exit status ${status}, standard error not empty\n")
endif()
if(EXISTS "${chart}")
  file(READ "${chart}" signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    string(APPEND problems "  ${chart} is no PNG file\n")
  endif()
else()
  string(APPEND problems "  no chart written\n")
endif()
file(REMOVE "${chart}")
report_case("stats --plot: a PNG chart without a display" "${problems}" "${err}")

# The two-phase baseline: its own row after the methods', whole solve only,
# every cube in at most 20 face turns; named in --window, or there by default.
execute_process(COMMAND "${CLI}" stats --n 12 --seed 5 --window lb,two-phase --format csv
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(problems "")
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  string(APPEND problems "  exit status ${status}, standard error not empty\n")
endif()
if(NOT out MATCHES "\ntwo-phase,all,参考：最短に近い解法,12,12,[0-9.]+,[0-9.]+,[0-9]+,(1[0-9]|20),[^\n]*\n$")
  string(APPEND problems "  no last row for two-phase with 12 cubes solved in at most 20 turns:\n${out}\n")
endif()
report_case("stats --window lb,two-phase: the baseline's row" "${problems}" "${err}")
expect_cli(NAME "stats: the baseline is there by default, after the methods"
           ARGS stats --n 3 --format csv --threads 1
           EXPECT_STDOUT_CONTAINS "\ntkl,Middle," "\ntwo-phase,all," EXPECT_STDOUT_LINES 24)
expect_cli(NAME "stats: two-phase named twice is refused"
           ARGS stats --window two-phase,lb,two-phase
           EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY EXPECT_STDERR_CONTAINS "two-phase' named twice"
           EXPECT_STDERR_LINES 1)
