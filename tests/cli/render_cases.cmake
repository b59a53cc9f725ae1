# rq51-cli render: the window's 3D cube as a PNG picture, after the presses or
# at any turn of the lines they logged.

set(render_cube "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY")
set(render_dir "${CMAKE_CURRENT_BINARY_DIR}/render-cases")
file(REMOVE_RECURSE "${render_dir}")
file(MAKE_DIRECTORY "${render_dir}")

# Bad input: one line on standard error, status 2, nothing on standard
# output, no picture.
foreach(bad
    "--cube;${render_cube}|missing --window"
    "--window;lb|missing --cube LETTERS or --scramble"
    "--window;lb;--cube;${render_cube}|missing --out FILE.png"
    "--window;lb;--cube;${render_cube};--out|option --out needs a value"
    "--window;lb;--cube;${render_cube};--at;x;--out;a.png|--at needs a whole number of turns, got 'x'"
    "--window;lb;--cube;${render_cube};--at;-1;--out;a.png|--at needs a whole number"
    "--window;lb;--cube;${render_cube};--at;0;--progress;1;--out;a.png|--progress needs a fraction 0 <= P < 1, got '1'"
    "--window;lb;--cube;${render_cube};--at;0;--progress;-0.5;--out;a.png|--progress needs a fraction"
    "--window;lb;--cube;${render_cube};--at;0;--progress;0.5x;--out;a.png|--progress needs a fraction"
    "--window;lb;--cube;${render_cube};--progress;0.5;--out;a.png|--progress needs --at N"
    "--window;lb;--cube;${render_cube};--hidden;yes;--out;a.png|--hidden needs on or off, got 'yes'"
    "--window;lb;--cube;${render_cube};--size;31;--out;a.png|--size needs a whole number of pixels from 32 to 4096, got '31'"
    "--window;lb;--cube;${render_cube};--size;4097;--out;a.png|--size needs a whole number of pixels"
    "--window;lb;--cube;${render_cube};--fast;--out;a.png|unknown option '--fast'"
    "--window;lb;--cube;${render_cube};Bogus;--out;a.png|the lb window has no button 'Bogus'"
    "--window;lb;--cube;${render_cube};--at;1;--out;a.png|--at 1 is past the end: the lines hold 0 turns"
    "--window;lb;--cube;${render_cube};Rx;--at;1;--progress;0.5;--out;a.png|--progress: no turn follows turn 1"
    "--window;lb;--cube;${render_cube};--out;${render_dir}/no-such-folder/a.png|cannot write"
    "--window;lb;--cube;YGGGGGGGGRRRRRRRRRBBYBBBBBBOOOOOOOOOWWWWWWWWWGYYYYYBYY;--out;a.png|the window refused the cube (parity)"
    "--window;cf0;--cube;......................................................;--out;a.png|the window refused the cube (colours ")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts -1 message)
  list(REMOVE_AT parts -1)
  string(REPLACE ";" " " shown "${parts}")
  expect_cli(NAME "render ${shown}: refused"
             ARGS render ${parts}
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY
             EXPECT_STDERR_CONTAINS "rq51-cli render: " "${message}" EXPECT_STDERR_LINES 1)
endforeach()
if(EXISTS "${CMAKE_CURRENT_BINARY_DIR}/a.png")
  report_case("render: a refused command writes no picture" "  a.png exists\n" "")
endif()

# Renders into render_dir/<name>.png; `place` gets standard output.
function(render name place)
  execute_process(COMMAND "${CLI}" render ${ARGN} --out "${render_dir}/${name}.png"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    report_case("render ${name}" "  exit status ${status}\n" "${err}")
  endif()
  set(${place} "${out}" PARENT_SCOPE)
endfunction()

function(expect_same_picture name a b)
  file(SHA256 "${render_dir}/${a}.png" first)
  file(SHA256 "${render_dir}/${b}.png" second)
  set(problems "")
  if(NOT first STREQUAL second)
    set(problems "  ${a}.png and ${b}.png differ\n")
  endif()
  report_case("render: ${name}" "${problems}" "")
endfunction()

function(expect_other_picture name a b)
  file(SHA256 "${render_dir}/${a}.png" first)
  file(SHA256 "${render_dir}/${b}.png" second)
  set(problems "")
  if(first STREQUAL second)
    set(problems "  ${a}.png and ${b}.png are the same\n")
  endif()
  report_case("render: ${name}" "${problems}" "")
endfunction()

# A PNG file of the size asked for: the width and height stand in the
# header's first chunk.
render(sized place --window tkc --cube ${render_cube} --size 123 --hidden on)
file(READ "${render_dir}/sized.png" header LIMIT 24 HEX)
set(problems "")
if(NOT header STREQUAL "89504e470d0a1a0a0000000d494844520000007b0000007b")
  set(problems "  not a 123 x 123 PNG picture: ${header}\n")
endif()
if(NOT place STREQUAL "")
  string(APPEND problems "  printed '${place}' for the cube as the presses left it\n")
endif()
report_case("render: a PNG picture of the size asked for, without a display" "${problems}" "")

# The cube after the presses is the cube of the last turn; the entered cube
# is turn 0; a turn performed to its end is the cube after it.
render(entered place --window lb --scramble "Rx Ly2" --size 96)
render(trial_start start_place --window lb --cube ${render_cube} Rx Ly2 --at 0 --size 96)
render(trial_one one_place --window lb --cube ${render_cube} Rx Ly2 --at 1 --size 96)
render(trial_end end_place --window lb --cube ${render_cube} Rx Ly2 --at 2 --size 96)
render(trial_live live_place --window lb --cube ${render_cube} Rx Ly2 --size 96)
render(trial_zero_progress zero_place --window lb --cube ${render_cube} Rx Ly2 --at 1 --progress 0 --size 96)
render(trial_half half_place --window lb --cube ${render_cube} Rx Ly2 --at 1 --progress 0.5 --size 96)
render(solved place --window lb --cube ${render_cube} --size 96)
render(scrambled_by_rx place --window lb --scramble "Rx" --size 96)
expect_same_picture("the last turn of the lines is the cube the presses left" trial_end trial_live)
expect_same_picture("turn 0 is the entered cube" trial_start solved)
expect_same_picture("turn 1 of the trial moves is the cube the first one made" trial_one scrambled_by_rx)
expect_same_picture("--progress 0 is the cube right before the turn" trial_zero_progress trial_one)
expect_same_picture("the presses performed on the cube entered" trial_live entered)
expect_other_picture("halfway through a turn is neither end" trial_half trial_one)
expect_other_picture("halfway through a turn is neither end" trial_half trial_end)
set(problems "")
foreach(pair "start_place|入力されたキューブ · 0/2 手" "one_place|ListBox4 1/2 · 1/2 手"
             "end_place|ListBox4 2/2 · 2/2 手" "live_place|" "half_place|ListBox4 1/2 · 1/2 手")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 variable)
  list(GET pair 1 expected)
  if(NOT expected STREQUAL "")
    string(APPEND expected "\n")
  endif()
  if(NOT "${${variable}}" STREQUAL "${expected}")
    string(APPEND problems "  ${variable}: '${${variable}}', expected '${expected}'\n")
  endif()
endforeach()
report_case("render prints where the cube is in the lines" "${problems}" "")

# The turning over of LB is a turn of the whole cube that counts none: at the
# turns before it, the cube is already turned over.
render(lb_solved place --window lb --scramble "R U F" CES --at 0)
string(REGEX MATCH "· 0/([0-9]+) 手" found "${place}")
set(total "${CMAKE_MATCH_1}")
render(lb_end end_place --window lb --scramble "R U F" CES --at ${total})
render(lb_live place --window lb --scramble "R U F" CES)
expect_same_picture("LB: the last turn is the solved cube" lb_end lb_live)
# Rz, Rx and Ry-Lz-Ry Lz come before it.
render(lb_before_over over_place --window lb --scramble "R U F" CES --at 6)
set(problems "")
if(NOT over_place STREQUAL "④．上下反転持ち替え：ここでキューブを上下反転 · 6/${total} 手\n")
  set(problems "  '${over_place}'\n")
endif()
report_case("render lb --at 6: the cube turned over before turn 7" "${problems}" "")

file(REMOVE_RECURSE "${render_dir}")
