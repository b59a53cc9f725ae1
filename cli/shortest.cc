// rq51-cli shortest: a near-shortest solution of a cube by the two-phase
// search, as a yardstick for the methods' solutions.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cube/arrangement_check.h"
#include "shortest/reference_solution.h"

namespace rq51::cli {

namespace {

constexpr int kLongestBound = 50;

constexpr const char* kShortestUsage =
    "usage: rq51-cli shortest (--cube LETTERS | --scramble \"MOVES\") [--max N]\n"
    "  Finds a solution of at most N face turns (half turns count 1) by the\n"
    "  two-phase search, for the cube held by its centres as the LB, TK-C and\n"
    "  TK-L windows hold it: each face ends in the colour of its centre.\n"
    "  --cube LETTERS     54 colours of facelets 1..54, each G R B O W Y.\n"
    "  --scramble MOVES   turns performed on a solved cube coloured front G, bottom R,\n"
    "                     back B, top O, left W, right Y, in the program's notation\n"
    "                     (\"Rx Rz- Ly2\") or, when that cannot read them, in standard\n"
    "                     notation (\"R U' F2 M x Rw\").\n"
    "  --max N            the longest solution wanted, 0 to 50 (default 20). Every\n"
    "                     cube has one of at most 20; a shorter bound may take the\n"
    "                     whole search budget.\n"
    "  Prints three lines: length<TAB>N, own<TAB>the turns in the program's notation\n"
    "  (\"Rz- Rx2 Ry\"), standard<TAB>the same in standard notation (\"U R2 F'\").\n"
    "  The search counts its work, not its time, so every machine gives the same\n"
    "  answer.\n"
    "  Exit status: 0; 1 when no solution of at most N turns was found within the\n"
    "  search budget, or none exists (one line 'unmet<TAB>why' instead of the\n"
    "  three); 2 for a bad argument, and for a cube that cannot be real: then\n"
    "  the line 'fault<TAB>RULE<TAB>PLACE' names what is wrong, as in solve.\n";

struct ShortestRequest {
  bool help = false;
  StickerColours colours{};
  int max_length = shortest::kDefaultMaxLength;
};

std::optional<ShortestRequest> ParseShortestArguments(const std::vector<std::string>& args,
                                                      std::string& error) {
  ShortestRequest request;
  std::optional<std::string> cube, scramble, max;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return request;
    }
    const OptionRead read = TakeValueOption(
        args, i, {{"--cube", &cube}, {"--scramble", &scramble}, {"--max", &max}}, error);
    if (read == OptionRead::kFailed) return std::nullopt;
    if (read == OptionRead::kNotNamed) {
      error = UnexpectedArgument(arg);
      return std::nullopt;
    }
  }
  if (max) {
    int value = 0;
    bool digits = !max->empty() && max->size() <= 2;
    for (char c : *max) {
      digits = digits && c >= '0' && c <= '9';
      if (digits) value = value * 10 + (c - '0');
    }
    if (!digits || value > kLongestBound) {
      error = "--max needs a whole number of turns from 0 to " + std::to_string(kLongestBound) +
              ", got '" + Printable(*max) + "'";
      return std::nullopt;
    }
    request.max_length = value;
  }
  const std::optional<StickerColours> colours = CubeFromArguments(cube, scramble, error);
  if (!colours) return std::nullopt;
  request.colours = *colours;
  return request;
}

}  // namespace

int RunShortest(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<ShortestRequest> request = ParseShortestArguments(args, error);
  if (!request) {
    err << "rq51-cli shortest: " << error << '\n';
    return 2;
  }
  if (request->help) {
    out << kShortestUsage;
    return 0;
  }

  const shortest::ReferenceSolution solution = shortest::FindReferenceSolution(
      request->colours, FaceColourRule::kCentre, {.max_length = request->max_length});
  switch (solution.outcome) {
    case shortest::ReferenceOutcome::kRefused:
      out << "fault\t" << FaultRuleName(solution.fault.rule) << '\t'
          << FaultPlaceText(solution.fault) << '\n';
      err << "rq51-cli shortest: these colours cannot be a real cube ("
          << FaultRuleName(solution.fault.rule) << ")\n";
      return 2;
    case shortest::ReferenceOutcome::kFound:
      out << "length\t" << solution.length() << '\n'
          << "own\t" << shortest::ProgramText(solution.turns) << '\n'
          << "standard\t" << shortest::StandardText(solution.turns) << '\n';
      return 0;
    case shortest::ReferenceOutcome::kImpossible:
      out << "unmet\tno solution of at most " << request->max_length
          << " turns exists; the shortest found has " << solution.length() << '\n';
      return 1;
    default:
      out << "unmet\tthe search found no solution of at most " << request->max_length
          << " turns within its budget";
      if (!solution.turns.empty()) out << "; the shortest it found has " << solution.length();
      out << '\n';
      return 1;
  }
}

}  // namespace rq51::cli
