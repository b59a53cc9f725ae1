// Sub-commands of rq51-cli. Each takes the arguments after its name, writes
// its output and returns the exit status.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace rq51 {
class SolverWindow;
}

namespace rq51::cli {

// The languages rq51-cli can speak besides Japanese, which it always speaks:
// their codes, and what installs one (false for a code it does not speak).
// The program passes Qt's translations; a build without Qt has none.
struct CliLanguages {
  std::vector<std::string> codes;
  std::function<bool(const std::string& code)> use;
};

// The whole command line after the program's name: a sub-command and its
// arguments, --help or --version, and anywhere among them --lang CODE, the
// language of the window texts printed (Japanese unless given). Bad input
// gives status 2, one line on `err` and nothing on `out`. The language of
// the moment is the same again on return.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliLanguages& languages = {});
int RunExplore(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShortest(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// What `solve` prints about a window once its presses are done.
void PrintSolverWindow(const SolverWindow& window, std::ostream& out);

}  // namespace rq51::cli
