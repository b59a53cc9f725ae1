// rq51-cli explore [MOVE ...]: selects each turn button in order and presses
// "演算", then prints the word and the cycle table of the explorer.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/explorer.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cube/moves.h"

namespace rq51::cli {

namespace {

constexpr const char* kExploreUsage =
    "usage: rq51-cli explore [MOVE ...]\n"
    "  MOVE is a turn button: Rx, Rx2, Rx3, Ry, ..., Mz3.\n"
    "  Prints 'word<TAB>' and the word, then every non-blank row r of the cycle\n"
    "  table as 'r<TAB>' and its cells from column 0 to the last non-blank one,\n"
    "  separated by '|'.\n";

// Only the names shown on the buttons ("Rx3", not "Rx-").
std::optional<Move> ButtonMove(const std::string& name) {
  for (const Move& move : AllMoves()) {
    if (ButtonName(move) == name) return move;
  }
  return std::nullopt;
}

void PrintCycleTable(const Explorer& explorer, std::ostream& out) {
  for (int row = 0; row < Explorer::kCycleRows; ++row) {
    int last = -1;
    for (int column = 0; column < Explorer::kCycleColumns; ++column) {
      if (!explorer.cycle_cell(column, row).empty()) last = column;
    }
    if (last < 0) continue;
    out << row << '\t';
    for (int column = 0; column <= last; ++column) {
      if (column > 0) out << '|';
      out << explorer.cycle_cell(column, row);
    }
    out << '\n';
  }
}

}  // namespace

int RunExplore(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<Move> moves;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kExploreUsage;
      return 0;
    }
    const std::optional<Move> move = ButtonMove(arg);
    if (!move) {
      err << "rq51-cli explore: unknown move '" << Printable(arg)
          << "' (expected Rx, Rx2, Rx3, ..., Mz3)\n";
      return 2;
    }
    moves.push_back(*move);
  }

  Explorer explorer;
  for (const Move& move : moves) {
    explorer.SelectMove(move);
    explorer.TransClick();
  }
  out << "word\t" << explorer.word() << '\n';
  PrintCycleTable(explorer, out);
  return 0;
}

}  // namespace rq51::cli
