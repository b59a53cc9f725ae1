// rq51-cli's command line: the sub-command, --help and --version, and the
// language of the window texts it prints.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/version.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cube/translation.h"

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
    "  rq51-cli --version\n"
    "  Every command also takes --lang CODE, anywhere on its line: the language of\n"
    "  the window texts printed (Label4, messages, list lines, captions): ja, the\n"
    "  default, or en. Keys, field names, tabs and move text stay as they are.\n";

constexpr std::string_view kLangOption = "--lang";

// Takes --lang CODE (or --lang=CODE) out of `args`; false, with `error` set,
// when it has no value or is given twice.
bool TakeLanguage(std::vector<std::string>& args, std::optional<std::string>& code,
                  std::string& error) {
  for (size_t i = 0; i < args.size();) {
    std::optional<std::string> value;
    if (args[i] == kLangOption) {
      if (i + 1 >= args.size()) {
        error = "option --lang needs a value";
        return false;
      }
      value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    } else if (args[i].starts_with(std::string(kLangOption) + "=")) {
      value = args[i].substr(kLangOption.size() + 1);
      args.erase(args.begin() + static_cast<long>(i));
    } else {
      ++i;
      continue;
    }
    if (code) {
      error = "option --lang given twice";
      return false;
    }
    code = *value;
  }
  return true;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
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

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliLanguages& languages) {
  std::vector<std::string> rest = args;
  std::optional<std::string> code;
  std::string error;
  if (!TakeLanguage(rest, code, error)) {
    err << "rq51-cli: " << error << '\n';
    return 2;
  }
  if (!code) return RunCommand(rest, out, err);
  const bool japanese = *code == kJapanese;
  if (!languages.use) {
    // Without translations the texts are Japanese, as written.
    if (japanese) return RunCommand(rest, out, err);
    err << "rq51-cli: --lang " << Printable(*code)
        << ": this rq51-cli was built without Qt and speaks Japanese (ja) only\n";
    return 2;
  }
  if (!japanese &&
      std::find(languages.codes.begin(), languages.codes.end(), *code) == languages.codes.end()) {
    std::string known(kJapanese);
    for (const std::string& other : languages.codes) {
      if (other != kJapanese) known += ", " + other;
    }
    err << "rq51-cli: --lang " << Printable(*code) << ": not a language rq51-cli speaks (" << known
        << ")\n";
    return 2;
  }
  const std::string before = CurrentLanguage();
  if (!languages.use(*code)) {
    err << "rq51-cli: --lang " << Printable(*code) << ": its translation cannot be read\n";
    return 2;
  }
  const int status = RunCommand(rest, out, err);
  languages.use(before);
  return status;
}

}  // namespace rq51::cli
