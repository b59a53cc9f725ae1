// Fuzzes rq51-cli's command line, in the same process with string streams.
// The input is the argument list, arguments separated by NUL bytes (which no
// real argument holds). Whatever the arguments, the status is 0 or 2 (or 1
// for shortest's unmet bound); with 2, standard output is empty (but for
// shortest's fault line) and standard error is exactly one line; with 0,
// standard error is empty. The files that solve --save writes and --open
// reads are one file in a folder of the fuzzer's own, whatever path the
// input names.
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "tests/fuzz/harness.h"

namespace {

// A solution file in a folder that no other program uses, removed at exit.
class FuzzFolder {
 public:
  FuzzFolder()
      : folder_(std::filesystem::temp_directory_path() /
                ("rq51-cli-fuzz-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(folder_);
  }
  ~FuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string File() const { return (folder_ / "solution.rq51").string(); }

 private:
  std::filesystem::path folder_;
};

const std::string& FuzzFile() {
  static const FuzzFolder folder;
  static const std::string path = folder.File();
  return path;
}

}  // namespace

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

  // A picture is never written: --out becomes an option given twice or
  // missing, and the arguments before it are read all the same.
  if (!args.empty() && args[0] == "render") {
    for (std::string& arg : args) {
      if (arg.starts_with("--out")) arg = "--window";
    }
  }

  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--save" || args[i] == "--open") args[++i] = FuzzFile();
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
