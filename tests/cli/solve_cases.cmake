# rq51-cli solve: a solver window painted, confirmed and driven from the
# command line.

set(solved_cube "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY")
set(solved_homes "homes\t1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54\n")

foreach(window cf0 cf lb tkc tkl)
  if(window STREQUAL "lb")
    set(lines 11)
  else()
    set(lines 9)
  endif()
  expect_cli(NAME "solve ${window}: a solved cube is accepted and solved"
             ARGS solve --window ${window} --cube ${solved_cube}
             EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "ListBox4\t0\n" "Edit55\t\n"
                                    "${solved_homes}" "solved\tyes\n"
             EXPECT_STDOUT_LINES ${lines})
  expect_cli(NAME "solve ${window}: a half turn done twice"
             ARGS solve --window ${window} --scramble "Rx2 Rx2"
             EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "solved\tyes\n")
endforeach()

expect_cli(NAME "solve cf0: the net shows home numbers on their home faces' colours"
           ARGS solve --window cf0 --cube ${solved_cube}
           EXPECT_STDOUT_CONTAINS
             "net\t 1#008000\t 2#008000\t"
             "\t17#FF0000\t18#FF0000\t19#0000FF\t"
             "\t45#FFFFFF\t46#FFFF00\t"
             "\t54#FFFF00\n")

expect_cli(NAME "solve lb: the net shows colours without numbers, then numbers after Numtuke"
           ARGS solve --window lb --cube ${solved_cube}
           EXPECT_STDOUT_CONTAINS "net\t#008000\t#008000\t" "\t#FF00FF\t#FFFFFF\t" "\t#FFFF00\n")
expect_cli(NAME "solve lb Numtuke"
           ARGS solve --window lb --cube ${solved_cube} Numtuke
           EXPECT_STDOUT_CONTAINS "net\t 1#008000\t 2#008000\t" "\t54#FFFF00\n")

expect_cli(NAME "solve lb: a scramble Rx undone by the trial button Rx3"
           ARGS solve --window lb --scramble "Rx" Rx3
           EXPECT_STDOUT_CONTAINS "ListBox4\t1\nRx-\n" "Edit55\tRx-\n" "solved\tyes\n")
expect_cli(NAME "solve lb: trial buttons Rx then Rx3 are logged and return to the entry"
           ARGS solve --window lb --cube ${solved_cube} Rx Rx3
           EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "ListBox4\t2\nRx\nRx-\nListBox5\t0\n"
                                  "Edit55\tRx・Rx-\n" "solved\tyes\n")
expect_cli(NAME "solve lb: a scrambled cube is accepted but not solved"
           ARGS solve --window lb --scramble "Rx Rz- Ly2 Mx3"
           EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "solved\tno\n")
expect_cli(NAME "solve tkc: four times a bracket is no turn at all"
           ARGS solve --window tkc --scramble "(RxLx)４乗 Mz Mz3"
           EXPECT_STDOUT_CONTAINS "solved\tyes\n")
expect_cli(NAME "solve cf: Sikou returns to the entered cube after trial moves"
           ARGS solve --window cf --scramble "Ry" Rx My2 Sikou
           EXPECT_STDOUT_CONTAINS "ListBox4\t0\n" "Edit55\t\n" "solved\tno\n")
expect_cli(NAME "solve cf: Reset empties the net but keeps the cube and the verdict"
           ARGS solve --window cf --cube ${solved_cube} Numtuke Reset
           EXPECT_STDOUT_CONTAINS "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n" "net\t#FFFFFF\t#FFFFFF\t" "${solved_homes}")

expect_cli(NAME "solve cf0: dots keep the preset corner, and an incomplete cube is rejected"
           ARGS solve --window cf0
                --cube "......................................................"
           EXPECT_STDOUT_CONTAINS "Label4\t誤った配置です。再入力して下さい。\n"
                                  "\t18#FF0000\t" "\t25#0000FF\t" "\t45#FFFFFF\t" "solved\tno\n")
expect_cli(NAME "solve lb: a twisted corner is rejected"
           ARGS solve --window lb
                --cube "OGGGGGGGGRRRRRRRRRBBBBBBBBBOOYOOOOOOWWWWWWWWWYYYYYYGYY"
           EXPECT_STDOUT_CONTAINS "Label4\t誤った配置です。再入力して下さい。\n" "net\t#FFFFFF\t")

# Bad input: one line on standard error, status 2, nothing on standard output.
function(expect_refused name)
  cmake_parse_arguments(R "" "ERROR" "ARGS" ${ARGN})
  expect_cli(NAME "solve refuses ${name}" ARGS solve ${R_ARGS}
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY EXPECT_STDERR_CONTAINS "${R_ERROR}")
endfunction()

expect_refused("no arguments" ERROR "missing --window")
expect_refused("a missing window" ARGS --cube ${solved_cube} ERROR "missing --window")
expect_refused("an unknown window" ARGS --window lbx --cube ${solved_cube} ERROR "unknown window 'lbx'")
expect_refused("a window given twice" ARGS --window lb --window cf --cube ${solved_cube}
               ERROR "given twice")
expect_refused("an option without its value" ARGS --window lb --cube ERROR "needs a value")
expect_refused("neither cube nor scramble" ARGS --window lb ERROR "missing --cube")
expect_refused("both cube and scramble" ARGS --window lb --cube ${solved_cube} --scramble Rx
               ERROR "not both")
expect_refused("a short cube" ARGS --window lb --cube GGG ERROR "got 3")
expect_refused("a long cube" ARGS --window lb --cube "${solved_cube}G" ERROR "got 55")
expect_refused("a bad letter" ARGS --window lb
               --cube "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYx"
               ERROR "'x' at position 54")
expect_refused("a lower-case letter" ARGS --window lb
               --cube "gGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY"
               ERROR "'g' at position 1")
expect_refused("an unknown move" ARGS --window lb --scramble "Rx Qy2" ERROR "unknown move 'Qy2'")
expect_refused("a move with a stray suffix" ARGS --window lb --scramble "Rx2-" ERROR "'Rx2-'")
expect_refused("an open bracket" ARGS --window lb --scramble "(RxRy" ERROR "'(RxRy'")
expect_refused("an unknown option" ARGS --window lb --cube ${solved_cube} --fast
               ERROR "unknown option '--fast'")
expect_refused("an unknown button" ARGS --window lb --cube ${solved_cube} Rx Bogus
               ERROR "no button 'Bogus'")
expect_refused("a button the window lacks" ARGS --window cf0 --cube ${solved_cube} Reset
               ERROR "no button 'Reset'")
expect_refused("a list-clear button the window lacks" ARGS --window tkc --cube ${solved_cube}
               Lbx5clear ERROR "no button 'Lbx5clear'")
expect_refused("an unknown move between good ones" ARGS --window cf0 --scramble "Rx Rx4 Ry"
               ERROR "'Rx4'")
expect_cli(NAME "solve takes the close button as a press that keeps everything"
           ARGS solve --window lb --scramble "Rx" BitBtn1 Rx3
           EXPECT_STATUS 0 EXPECT_STDOUT_CONTAINS "solved\tyes")

# --trace: every listed line in the order performed, with the cube after it;
# the turning over is an entry of its own.
expect_cli(NAME "solve lb --trace"
           ARGS solve --window lb --scramble "Rz Rx" --trace CES
           EXPECT_STDOUT_CONTAINS
             "solved\tyes\ntrace\t1\t1\tRx-Rz-   4<-53\t1 2 3 4 5 6 7 8 9 10 "
             "\ntrace\t-\t-\t④．上下反転持ち替え\t1 2 3 4 5 6 7 8 9 10 "
             "\ntrace\t6\t1\tｴｯｼﾞ･ｷｭｰﾌﾞの入替無し\t1 2 3 4 5 6 7 8 9 10 ")
expect_cli(NAME "solve tkc --trace: a cleared list leaves the trace"
           ARGS solve --window tkc --scramble "Rz" --trace Upper1 Lbx1clear Rx
           EXPECT_STDOUT_CONTAINS "\nsolved\tno\ntrace\t4\t1\tRx\t")
