# The search tool: it must find again the hand-chosen rows of the solver
# tables from a requirement written on its command line, and refuse what no
# cube can do. Each expected sequence below is a table row or is checked by
# hand; the lengths are the table rows' lengths.

# TK-C upper face, target 24 from 4 (row "Mx Lz2Mx   24<- 4"): the upper
# corners stay.
expect_cli(NAME "TK-C row 24<-4 among the four 3-turn sequences"
           ARGS --keep upper-corners --carry 4:24 --carry 33:31 --all
           EXPECT_STDOUT_CONTAINS "3 turns: 4 sequences\n" "\n  Mx Lz2Mx\n")

expect_cli(NAME "TK-C row 35<-33: B24 stays as well"
           ARGS --keep upper-corners,B24 --carry 33:35 --carry 4:40 --all
           EXPECT_STDOUT_CONTAINS "4 turns: 2 sequences\n" "\n  Mx Lz-My-Mx-\n")

expect_cli(NAME "TK-C second face, 24<-35, slots named one by one"
           ARGS --keep A3,A9,A12,A18,B6,B11,B15,B17,upper-corners,B4 --carry 35:24 --carry 40:31
                --all
           EXPECT_STDOUT_CONTAINS "7 turns: " "\n  Lx Ry-Mx Ry2Mx-Ry-Lx-\n")

# Corner arrangement codes: the first two layers stay, corners go to whole
# slots turned any way, upper edges keep their upper sticker on top.
expect_cli(NAME "TK-C arrangement 123: A21 and A27 exchanged"
           ARGS --keep bottom-layer,middle-layer,32 --carry A1:A1 --carry A7:A7
                --carry A27:A21 --carry A21:A27 --carry 29,31,33,35:29,31,33,35 --all
           EXPECT_STDOUT_CONTAINS "8 turns: 4 sequences\n" "\n  Ry Rz-Ly Rz Ry-Rz-Ly-Rz2\n")

expect_cli(NAME "TK-C arrangement 1230: three corners cycled"
           ARGS --keep bottom-layer,middle-layer,32 --carry A21:A1 --carry A1:A7
                --carry A7:A21 --carry A27:A27 --carry 29,31,33,35:29,31,33,35 --all
           EXPECT_STDOUT_CONTAINS "8 turns: " "\n  Ry Lx-Ly Lx Ry-Lx-Ly-Lx\n")

# A macro is its own shortest equivalent when nothing shorter has its map.
expect_cli(NAME "CF-0 twist row A1@- has no shorter equivalent of outer turns"
           ARGS --turns outer --macro "(Rx-Ry)３乗      A1@-" --macro "(RxRy-)３乗"
           EXPECT_STDOUT_CONTAINS "12 turns: 1 sequence\n"
                                  "\n  Rx-Ry Rx-Ry Rx-Ry Rx Ry-Rx Ry-Rx Ry-\n")

# Rx brings the sticker at 28 to 1; with only Rx- allowed that takes three
# Rx- in a row, which the order of generated turns must still allow.
expect_cli(NAME "a single power of a layer may follow itself"
           ARGS --turns Rx3 --carry 28:1
           EXPECT_STDOUT_CONTAINS "3 turns: 1 sequence\n  Rx-Rx-Rx-\n")

expect_cli(NAME "outer turns carry 22 to 4 in two"
           ARGS --turns outer --carry 22:4
           EXPECT_STDOUT_CONTAINS "\n2 turns: ")

expect_cli(NAME "outer turns bring 7 to 1 past the upper cross in five"
           ARGS --turns outer --carry 7:1 --keep upper-cross --show-map
           EXPECT_STDOUT_CONTAINS "\n5 turns: " " 1<-7 ")

expect_cli(NAME "the identity meets a requirement that only keeps"
           ARGS --turns outer --keep centres
           EXPECT_STDOUT_CONTAINS "0 turns: 1 sequence\n  (no turns)\n")

expect_cli(NAME "a pure two-corner twist needs more than six turns"
           ARGS --twist A18:25 --twist A12:19 --max 6
           EXPECT_STATUS 1
           EXPECT_STDOUT_CONTAINS "none within 6 turns\n")

expect_cli(NAME "two corners twisted the same way are no real cube"
           ARGS --twist A18:25 --twist A12:48
           EXPECT_STATUS 2
           EXPECT_STDERR_CONTAINS "corner twist")

expect_cli(NAME "a single flipped edge is no real cube"
           ARGS --twist B4:33
           EXPECT_STATUS 2
           EXPECT_STDERR_CONTAINS "edge flip")

expect_cli(NAME "outer turns never move a centre"
           ARGS --turns outer --carry 5:14
           EXPECT_STATUS 2
           EXPECT_STDERR_CONTAINS "cannot take the stickers at 5 to 14")

expect_cli(NAME "an unknown group is named"
           ARGS --keep upper-crosss
           EXPECT_STATUS 2
           EXPECT_STDERR_CONTAINS "'upper-crosss'")

expect_cli(NAME "both sides of a carry must be as long"
           ARGS --carry 1,2:3
           EXPECT_STATUS 2
           EXPECT_STDERR_CONTAINS "as many distinct facelets")

expect_cli(NAME "help lists the requirements"
           ARGS --help
           EXPECT_STDOUT_CONTAINS "--carry FROM:TO" "--twist SLOT:HOME" "upper-cross")
