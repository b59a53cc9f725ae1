# rq51 itself: what it answers without a display. VERSION is the project
# version.

expect_cli(ARGS --version
           EXPECT_STDOUT_CONTAINS "rq51 ${VERSION}\n"
           EXPECT_STDOUT_LINES 1)
expect_cli(ARGS --help
           EXPECT_STDOUT_CONTAINS "3x3x3 cube" "QT_QPA_PLATFORM" "offscreen")
