// rq51-cli: drives the program's windows without a display.
#include <iostream>
#include <string>
#include <vector>

#include "app/version.h"
#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  rq51-cli explore [MOVE ...]\n"
    "      Press the explorer's turn buttons (Rx, Rx2, Rx3, ..., Mz3) and \"演算\" in order,\n"
    "      then print the word and the cycle table.\n"
    "  rq51-cli solve --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\") [PRESS "
    "...]\n"
    "      Paint a cube into a solver window, confirm it, press the named buttons in order,\n"
    "      then print the status, every list box, the trial text, the net and the cube.\n"
    "  rq51-cli --help\n"
    "  rq51-cli --version\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "--version") {
    std::cout << "rq51-cli " << rq51::kVersion << '\n';
    return 0;
  }
  if (command == "explore") return rq51::cli::RunExplore(args, std::cout, std::cerr);
  if (command == "solve") return rq51::cli::RunSolve(args, std::cout, std::cerr);
  std::cerr << "rq51-cli: unknown command '" << command << "' (see rq51-cli --help)\n";
  return 2;
}
