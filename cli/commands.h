// Sub-commands of rq51-cli. Each takes the arguments after its name, writes
// its output and returns the exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace rq51 {
class SolverWindow;
}

namespace rq51::cli {

// The whole command line after the program's name: a sub-command and its
// arguments, --help or --version. Bad input gives status 2, one line on
// `err` and nothing on `out`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExplore(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShortest(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// What `solve` prints about a window once its presses are done.
void PrintSolverWindow(const SolverWindow& window, std::ostream& out);

}  // namespace rq51::cli
