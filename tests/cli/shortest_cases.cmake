# rq51-cli shortest: a near-shortest solution of an entered cube.

set(solved_cube "GGGGGGGGGRRRRRRRRRBBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY")

expect_cli(NAME "shortest: a solved cube takes no turn"
           ARGS shortest --cube ${solved_cube}
           EXPECT_STDOUT_FILE shortest_solved.out)
expect_cli(NAME "shortest: three turns are undone in three, in both notations"
           ARGS shortest --scramble "R U F"
           EXPECT_STDOUT_CONTAINS "length\t3\n" "own\tRy Rz Rx\n" "standard\tF' U' R'\n"
           EXPECT_STDOUT_LINES 3)
expect_cli(NAME "shortest: the program's notation reads as well"
           ARGS shortest --scramble "Rx- Rz-"
           EXPECT_STDOUT_CONTAINS "length\t2\n" "standard\tU' R'\n")
# A random cube from its colours: at most 20 face turns.
expect_cli(NAME "shortest: a scrambled cube within the default bound"
           ARGS shortest --scramble "D2 F2 U' B2 R2 D L2 U' F2 D' F' L D2 U' B' R' F D' L2 F2"
           EXPECT_STDOUT_CONTAINS "length\t" "own\t" "standard\t" EXPECT_STDOUT_LINES 3)
expect_cli(NAME "shortest: a bound shorter than the shortest solution is said so"
           ARGS shortest --scramble "R U F D" --max 3
           EXPECT_STATUS 1
           EXPECT_STDOUT_CONTAINS "unmet\tno solution of at most 3 turns exists; the shortest found has 4\n"
           EXPECT_STDOUT_LINES 1)
expect_cli(NAME "shortest: an impossible cube is refused with its fault"
           ARGS shortest --cube "OGGGGGGGGRRRRRRRRRBBBBBBBBBOOYOOOOOOWWWWWWWWWYYYYYYGYY"
           EXPECT_STATUS 2 EXPECT_STDOUT_CONTAINS "fault\ttwist\t\n" EXPECT_STDOUT_LINES 1
           EXPECT_STDERR_CONTAINS "rq51-cli shortest: " EXPECT_STDERR_LINES 1)
expect_cli(NAME "shortest: an empty cell is a colour fault"
           ARGS shortest --cube "GGGGGGGGGRRRRRRRR.BBBBBBBBBOOOOOOOOOWWWWWWWWWYYYYYYYYY"
           EXPECT_STATUS 2 EXPECT_STDOUT_CONTAINS "fault\tcolours\tR:8 empty:1\n"
           EXPECT_STDERR_LINES 1)
expect_cli(NAME "shortest --help names both notations and the exit status"
           ARGS shortest --help
           EXPECT_STDOUT_CONTAINS "standard notation" "--max N" "Exit status")

foreach(bad
    "--max;21x|--max needs a whole number of turns from 0 to 50"
    "--max;51|--max needs a whole number of turns from 0 to 50"
    "--scramble;R;--max|option --max needs a value"
    "--scramble;R Q|unknown move 'Q' in --scramble"
    "--cube;GGG|--cube needs 54 colours, got 3"
    "--scramble;R;--cube;${solved_cube}|give either --cube or --scramble, not both"
    "--max;5|missing --cube LETTERS or --scramble"
    "--bogus|unknown option '--bogus'")
  string(REPLACE "|" ";" parts "${bad}")
  list(GET parts -1 message)
  list(REMOVE_AT parts -1)
  expect_cli(NAME "shortest ${parts}: refused"
             ARGS shortest ${parts}
             EXPECT_STATUS 2 EXPECT_STDOUT_EMPTY
             EXPECT_STDERR_CONTAINS "rq51-cli shortest: " "${message}" EXPECT_STDERR_LINES 1)
endforeach()
