# rq51-cli explore: the permutation explorer driven from the command line.

expect_cli(NAME "explore with no turns shows the identity"
           ARGS explore
           EXPECT_STDOUT_CONTAINS "word\t\n0\tid\n"
           EXPECT_STDOUT_LINES 2)

expect_cli(NAME "explore Rx: moved stickers, new places and five cycles"
           ARGS explore Rx
           EXPECT_STDOUT_FILE explore_rx.out)

expect_cli(NAME "explore Rx Ry: four cycles"
           ARGS explore Rx Ry
           EXPECT_STDOUT_CONTAINS
             "\n3\t| 1|52|30\n"
             "\n4\t| 2|11|20|29| 4| 8| 6\n"
             "\n5\t| 3|12|21|37|16|54|48|46|36|39|10|19|28| 7| 9\n"
             "\n6\t|13|53|51|47|49|33|38\n"
           EXPECT_STDOUT_LINES 7)

expect_cli(NAME "explore Rx Lx: all ten cycles, also those starting after 27 moved stickers"
           ARGS explore Rx Lx
           EXPECT_STDOUT_CONTAINS
             "\n0\t 1| 2| 3| 7| 8| 9|10|11|12|16|17|18|19|20|21|25|26|27|28|29|30|34|35|36|37|38|39|40|42|43|44|45|46|47|48|49|51|52|53|54\n"
             "\n3\t| 1|10|19|28\n"
             "\n4\t| 2|11|20|29\n"
             "\n5\t| 3|12|21|30\n"
             "\n6\t| 7|16|25|34\n"
             "\n7\t| 8|17|26|35\n"
             "\n8\t| 9|18|27|36\n"
             "\n9\t|37|39|45|43\n"
             "\n10\t|38|42|44|40\n"
             "\n11\t|46|52|54|48\n"
             "\n12\t|47|49|53|51\n"
           EXPECT_STDOUT_LINES 13)

expect_cli(NAME "explore Rx four times is the identity again"
           ARGS explore Rx Rx Rx Rx
           EXPECT_STDOUT_FILE explore_rx_four_times.out)

expect_cli(NAME "explore Rx Mx Lx moves every sticker but the two x centres"
           ARGS explore Rx Mx Lx
           EXPECT_STDOUT_CONTAINS "\n7\t| 5|14|23|32\n" "\n12\t|37|39|45|43\n" "\n15\t|47|49|53|51\n"
           EXPECT_STDOUT_LINES 16)

expect_cli(NAME "explore with an unknown turn fails without output"
           ARGS explore Rx Foo Ry
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_CONTAINS "Foo")

expect_cli(NAME "explore takes button names only, not log names"
           ARGS explore Rx-
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_CONTAINS "Rx-")

expect_cli(NAME "explore survives odd arguments"
           ARGS explore "--" "-" "R" "rx" "Rx4" "Rx22" "\n"
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY)

expect_cli(NAME "explore --help"
           ARGS explore --help
           EXPECT_STDOUT_CONTAINS "rq51-cli explore [MOVE ...]")

expect_cli(NAME "--help describes explore"
           ARGS --help
           EXPECT_STDOUT_CONTAINS "rq51-cli explore [MOVE ...]")
