// Fuzzes rq51-cli's command line, in the same process with string streams.
// The input is the argument list, arguments separated by NUL bytes (which no
// real argument holds). Whatever the arguments, the status is 0 or 2 (or 1
// for shortest's unmet bound); with 2, standard output is empty (but for
// shortest's fault line) and standard error is exactly one line; with 0,
// standard error is empty.
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "tests/fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rq51::fuzz::Require;
  std::vector<std::string> args;
  if (size > 0) {
    args.emplace_back();
    for (size_t i = 0; i < size; ++i) {
      if (data[i] == 0) {
        args.emplace_back();
      } else {
        args.back().push_back(static_cast<char>(data[i]));
      }
    }
  }
  // Many presses only make one input slow; the presses themselves are the
  // window fuzzer's business.
  if (args.size() > 40) return 0;
  // A statistics run solves thousands of cubes; a handful reads the same
  // arguments.
  if (!args.empty() && args[0] == "stats") {
    bool counted = false;
    for (size_t i = 1; i + 1 < args.size(); ++i) {
      if (args[i] != "--n") continue;
      counted = true;
      if (args[i + 1].size() > 2) args[i + 1] = "50";
    }
    if (!counted) args.insert(args.begin() + 1, {"--n", "5"});
    for (std::string& arg : args) {
      if (arg.starts_with("--plot")) arg = "--window";  // writes no files
    }
  }

  // A short bound on a scrambled cube spends the whole search budget; a
  // bound of 20 reads the same arguments.
  const bool shortest = !args.empty() && args[0] == "shortest";
  if (shortest) {
    for (size_t i = 1; i + 1 < args.size(); ++i) {
      if (args[i] == "--max") args[i + 1] = "20";
    }
  }

  std::ostringstream out;
  std::ostringstream err;
  const int status = rq51::cli::RunCli(args, out, err);
  const std::string error = err.str();
  // shortest answers 1 when a bound is not met, and names a refused cube's
  // fault on one line of standard output.
  Require(status == 0 || status == 2 || (shortest && status == 1),
          "exit status " + std::to_string(status));
  const bool named_fault =
      shortest && out.str().starts_with("fault\t") && out.str().find('\n') == out.str().size() - 1;
  if (status == 2) {
    Require(out.str().empty() || named_fault, "output on refused input");
    Require(!error.empty() && error.back() == '\n' && error.find('\n') == error.size() - 1,
            "refused input without exactly one line on standard error: " + error);
  } else {
    Require(error.empty(), "standard error on accepted input: " + error);
  }
  return 0;
}
