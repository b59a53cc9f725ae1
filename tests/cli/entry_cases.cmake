# rq51-cli solve: scrambles in standard notation, and the line that names the
# fault of a refused entry.

set(refused "Label4\t誤った配置です。再入力して下さい。\n")
set(accepted "Label4\t正しい配置と思われます。次ステップへ移って下さい。\n")

# One impossible cube for each fault: the line right after Label4 names the
# rule and the place, and the window is reset as always.
function(expect_fault name cube line)
  foreach(window cf0 lb)
    expect_cli(NAME "solve ${window}: ${name} is named"
               ARGS solve --window ${window} --cube ${cube}
               EXPECT_STDOUT_CONTAINS "${refused}${line}\nListBox1\t0\n" "solved\tno\n")
  endforeach()
endfunction()

expect_fault("a twisted corner" "OGGGGGGGGRRRRRRRRRBBBBBBBBBOOYOOOOOOWWWWWWWWWYYYYYYGYY" "fault\ttwist\t")
expect_fault("a flipped edge" "GGGOGGGGGRRRRRRRRRBBBBBBBBBOOOOOGOOOWWWWWWWWWYYYYYYYYY" "fault\tflip\t")
expect_fault("two edges exchanged" "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWYWWWWWWWYYYYYYYWY" "fault\tparity\t")
expect_fault("two corners exchanged" "YGGGGGGGGRRRRRRRRRBBYBBBBBBOOOOOOOOOWWWWWWWWWGYYYYYBYY" "fault\tparity\t")
expect_fault("a recoloured sticker" "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOGOOOOOOWWWWWWWWWYYYYYYYYY" "fault\tcolours\tG:10 O:8")
expect_fault("two centres exchanged" "GGGGRGGGGRRRRGRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY" "fault\tcentres\t5 14 23 32")
expect_fault("mirrored centres" "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWYWWWWYYYYWYYYY" "fault\tcentres\t")
expect_fault("a mirrored corner" "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOYOOOOOOWWWWWWWWWYYYYYYOYY" "fault\tpieces\tA1")
expect_fault("an edge found twice" "GGGGGGGGGRYRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYRY" "fault\tpieces\tB2 B6")
expect_cli(NAME "solve lb: cells left empty are counted"
           ARGS solve --window lb --cube "GGGGGGGGGRRRRRRRR.BBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY"
           EXPECT_STDOUT_CONTAINS "${refused}fault\tcolours\tR:8 empty:1\n")
# An accepted entry has no fault line: Label4, four lists, Edit55, the net,
# the homes and the verdict.
expect_cli(NAME "solve tkc: an accepted standard scramble has no fault line"
           ARGS solve --window tkc --scramble "R U R' U'"
           EXPECT_STDOUT_CONTAINS "${accepted}ListBox1\t0\n" "solved\tno\n"
           EXPECT_STDOUT_LINES 9)

expect_cli(NAME "solve lb: R U R' U' six times is solved"
           ARGS solve --window lb --scramble "(R U R' U')6"
           EXPECT_STDOUT_CONTAINS "${accepted}" "solved\tyes\n")
expect_cli(NAME "solve cf0: R in standard notation is Rx turned back"
           ARGS solve --window cf0 --scramble "R" Rx
           EXPECT_STDOUT_CONTAINS "${accepted}" "solved\tyes\n")
expect_cli(NAME "solve cf: U D' y' is the slice E, undone by Mz3"
           ARGS solve --window cf --scramble "U D' y'" Mz3
           EXPECT_STDOUT_CONTAINS "solved\tyes\n")
expect_cli(NAME "solve lb: the superflip moves every edge sticker to its partner"
           ARGS solve --window lb --scramble "U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2"
           EXPECT_STDOUT_CONTAINS "${accepted}" "homes\t1 53 3 33 5 13 7 38 9 10 51 12 6 14 22 16 42 18 19 47 21 15 23 31 25 44 27 28 49 30 24 32 4 34 40 36 37 8 39 35 41 17 43 26 45 46 20 48 29 50 11 52 2 54\n")
expect_cli(NAME "solve --help names both notations and the fault line"
           ARGS solve --help
           EXPECT_STDOUT_CONTAINS "standard notation" "fault<TAB>RULE<TAB>PLACE")

function(expect_scramble_refused name scramble error)
  expect_cli(NAME "solve refuses ${name}" ARGS solve --window lb --scramble "${scramble}"
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY EXPECT_STDERR_CONTAINS "${error}")
endfunction()
expect_scramble_refused("an unknown turn in standard notation" "R U Q F" "unknown move 'Q'")
expect_scramble_refused("the two notations mixed" "Rx Ly U" "unknown move 'U'")
expect_scramble_refused("an open bracket in standard notation" "R (U F" "closing ')' in --scramble at '(U'")
