# rq51-cli solve: saving a solution, opening it again, and the lines in
# standard notation.

set(files_dir "${CMAKE_CURRENT_BINARY_DIR}/cli-files-cases")
file(REMOVE_RECURSE "${files_dir}")
file(MAKE_DIRECTORY "${files_dir}")
set(saved "${files_dir}/lb.rq51")
set(scramble "R U F' D2 L B")

# Saved, opened, saved again: the same window printed, the same bytes.
execute_process(COMMAND "${CLI}" solve --window lb --scramble "${scramble}" CES --save "${saved}"
                RESULT_VARIABLE status OUTPUT_VARIABLE solved ERROR_VARIABLE err)
set(problems "")
if(NOT status EQUAL 0 OR NOT EXISTS "${saved}")
  string(APPEND problems "  --save: status ${status}, file written: ${saved}\n")
else()
  file(READ "${saved}" text)
  if(NOT text MATCHES "^RQ51 Form5 [^\n]*\n入力された色\t[GRBOWY]+\n押したボタン\tCES\nListBox1\t")
    string(APPEND problems "  the saved file starts otherwise:\n${text}\n")
  endif()
  execute_process(COMMAND "${CLI}" solve --open "${saved}" --save "${files_dir}/again.rq51"
                  RESULT_VARIABLE status OUTPUT_VARIABLE opened ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT opened STREQUAL solved)
    string(APPEND problems "  --open printed another window (status ${status}):\n${opened}\n")
  endif()
  file(READ "${files_dir}/again.rq51" again)
  if(NOT again STREQUAL text)
    string(APPEND problems "  saved again, the file differs:\n${again}\n")
  endif()
endif()
report_case("solve --save, then --open and --save again: the same window, the same file"
            "${problems}" "${err}")

expect_cli(NAME "solve --open: buttons pressed after opening"
           ARGS solve --open "${saved}" Rx
           EXPECT_STDOUT_CONTAINS "ListBox4\t1\nRx\n" "Edit55\tRx\n" "solved\tno\n")
expect_cli(NAME "solve --notation standard: brackets, notes, comments and the turning over"
           ARGS solve --open "${saved}" --notation standard --trace
           EXPECT_STDOUT_CONTAINS "ListBox1\t3\nL' U' // 4<-38\n"
                                  "ListBox5\t5\n// ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動\nL F L' B L F' L' B'\n"
                                  "trace\t-\t-\tx2 // ④．上下反転持ち替え\t"
                                  "trace\t6\t3\tL2 U S U2 S' U L2\t")
expect_cli(NAME "solve --notation standard: the brackets of CF-0"
           ARGS solve --window cf0 --scramble "${scramble}" CC --notation standard
           EXPECT_STDOUT_CONTAINS "(U' R F')5 // A1<->A12\n")

# A line changed as another version of the program might log it.
file(READ "${saved}" text)
string(REPLACE "Lx-Rz    4<-38" "Lx-Rz    4<-39" changed "${text}")
file(WRITE "${files_dir}/changed.rq51" "${changed}")
expect_cli(NAME "solve --open: lines that differ from the saved ones are named"
           ARGS solve --open "${files_dir}/changed.rq51"
           EXPECT_STDOUT_CONTAINS
             "file\tファイルの手順と、いま計算した手順が違います（ListBox1の1行目から）。計算した手順を表示しています。\n"
             "Lx-Rz    4<-38\n")

# A copied standard-notation text and colour letters are painted and confirmed.
file(WRITE "${files_dir}/sequence.txt" "// a scramble\nR U F' // note\nD2 L B\n")
expect_cli(NAME "solve --open: a turn sequence is painted as --scramble paints it"
           ARGS solve --window lb --open "${files_dir}/sequence.txt" CES
           EXPECT_STDOUT_CONTAINS "ListBox1\t3\nLx-Rz    4<-38\n" "solved\tyes\n")
file(WRITE "${files_dir}/colours.txt" "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY\n")
expect_cli(NAME "solve --open: colour letters are painted as --cube paints them"
           ARGS solve --window cf --open "${files_dir}/colours.txt"
           EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "solved\tyes\n")

function(expect_open_refused name error)
  expect_cli(NAME "solve --open refuses ${name}" ARGS ${ARGN}
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY EXPECT_STDERR_LINES 1
             EXPECT_STDERR_CONTAINS "${error}")
endfunction()
file(WRITE "${files_dir}/empty.rq51" "")
expect_open_refused("an empty file" "ファイルの1行目で読み込みを中止しました。ファイルが空です。ウィンドウはそのままです。"
                    solve --open "${files_dir}/empty.rq51")
string(REPLACE "合計" "合" cut "${text}")
file(WRITE "${files_dir}/cut.rq51" "${cut}")
expect_open_refused("a file without its total" "ファイルが途中で切れています"
                    solve --open "${files_dir}/cut.rq51")
expect_open_refused("a missing file" "を読めません（No such file or directory）。"
                    solve --open "${files_dir}/missing.rq51")
expect_open_refused("a folder" "はフォルダです。" solve --open "${files_dir}")
expect_open_refused("a solution of another window" "holds a solution of the lb window, not of cf"
                    solve --window cf --open "${saved}")
expect_open_refused("a turn sequence without a window" "missing --window"
                    solve --open "${files_dir}/sequence.txt")
expect_open_refused("--open with --cube" "give either --open or --cube/--scramble, not both"
                    solve --open "${saved}" --scramble "R")
expect_open_refused("an unknown notation" "unknown notation 'sign' (expected program or standard)"
                    solve --open "${saved}" --notation sign)

expect_cli(NAME "solve --save: a folder that does not exist"
           ARGS solve --window lb --scramble "R" --save "${files_dir}/no-such-folder/a.rq51"
           EXPECT_STATUS 1 EXPECT_STDOUT_EMPTY EXPECT_STDERR_LINES 1
           EXPECT_STDERR_CONTAINS "書き込めません")
expect_cli(NAME "solve --help describes --open, --save and --notation"
           ARGS solve --help
           EXPECT_STDOUT_CONTAINS "--open FILE" "--save FILE" "--notation NAME" "Exit status")

file(REMOVE_RECURSE "${files_dir}")
