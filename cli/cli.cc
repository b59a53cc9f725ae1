// rq51-cli's command line: the sub-command, --help and --version.
#include <ostream>
#include <string>
#include <vector>

#include "app/version.h"
#include "cli/arguments.h"
#include "cli/commands.h"

namespace rq51::cli {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  rq51-cli explore [MOVE ...]\n"
    "      Press the explorer's turn buttons (Rx, Rx2, Rx3, ..., Mz3) and \"演算\" in order,\n"
    "      then print the word and the cycle table.\n"
    "  rq51-cli solve --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\")\n"
    "                 [--trace] [--notation program|standard] [--save FILE] [PRESS ...]\n"
    "  rq51-cli solve --open FILE [--window ...] [--trace] [--notation ...] [--save FILE]\n"
    "                 [PRESS ...]\n"
    "      Paint a cube into a solver window and confirm it, or open a saved solution,\n"
    "      press the named buttons in order, then print the status, every list box (in\n"
    "      the program's or in standard notation), the trial text, the net and the cube;\n"
    "      --save writes the solution as the window's \"解法を保存…\" does.\n"
    "  rq51-cli stats [--n N] [--seed S] [--window cf0,cf,...] [--format text|csv|json]\n"
    "                 [--plot FILE.png] [--threads T]\n"
    "      Solve N cubes drawn uniformly at random in every method with its one-shot\n"
    "      button and report the turns per solve, per method and per stage\n"
    "      (rq51-cli stats --help says more).\n"
    "  rq51-cli shortest (--cube LETTERS | --scramble \"MOVES\") [--max N]\n"
    "      Find a solution of at most N face turns (default 20) by the two-phase search\n"
    "      and print its length and the turns in the program's and in standard notation.\n"
    "  rq51-cli render --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\")\n"
    "                  [PRESS ...] [--at N] [--progress P] [--hidden on|off] [--size PX]\n"
    "                  --out FILE.png\n"
    "      Draw the window's 3D cube after the presses, or after N turns of the lines\n"
    "      they logged with part of the next turn performed, as a PNG picture\n"
    "      (rq51-cli render --help says more).\n"
    "  rq51-cli --help\n"
    "  rq51-cli --version\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "rq51-cli: no command given (see rq51-cli --help)\n";
    return 2;
  }
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  if (command == "--version") {
    out << "rq51-cli " << kVersion << '\n';
    return 0;
  }
  if (command == "explore") return RunExplore(rest, out, err);
  if (command == "solve") return RunSolve(rest, out, err);
  if (command == "stats") return RunStats(rest, out, err);
  if (command == "shortest") return RunShortest(rest, out, err);
  if (command == "render") return RunRender(rest, out, err);
  err << "rq51-cli: unknown command '" << Printable(command) << "' (see rq51-cli --help)\n";
  return 2;
}

}  // namespace rq51::cli
