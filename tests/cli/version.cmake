# rq51-cli --version: the same version as rq51 (VERSION, the project version).

expect_cli(ARGS --version
           EXPECT_STDOUT_CONTAINS "rq51-cli ${VERSION}\n"
           EXPECT_STDOUT_LINES 1)
