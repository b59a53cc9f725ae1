// rq51-cli stats: how many turns each method asks of a person, over many
// cubes drawn uniformly at random, per method and per stage.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/solver_windows.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "solvers/methods.h"
#include "stats/method_stats.h"
#include "stats/stats_report.h"
#ifndef RQ51_NO_CHART
#include "ui/method_chart.h"
#endif

namespace rq51::cli {

namespace {

constexpr const char* kStatsUsage =
    "usage: rq51-cli stats [--n N] [--seed S] [--window cf0,cf,...] [--format text|csv|json]\n"
    "                      [--plot FILE.png] [--threads T]\n"
    "  Draws N cubes uniformly at random among all real cubes, enters each into\n"
    "  every chosen solver window as a user would, presses the one-shot button and\n"
    "  counts the turns of every logged line: per method and per stage, the cubes\n"
    "  solved, turns per solve (mean, median, 95th percentile, maximum; each logged\n"
    "  turn counts 1, and again as quarter turns, a half turn counting 2) and solves\n"
    "  per second. The last row, two-phase, is the yardstick: a near-shortest\n"
    "  solution in face turns by the two-phase search (at most 20, about 20 ms a\n"
    "  cube), whole solve only.\n"
    "  --n N              cubes (default 10000)\n"
    "  --seed S           the same seed gives the same cubes and figures (default 1)\n"
    "  --window LIST      methods by window, comma-separated, two-phase for the\n"
    "                     baseline (default: every one and the baseline)\n"
    "  --format F         text: a table; csv or json: one row or object per method\n"
    "                     and stage (default text)\n"
    "  --plot FILE.png    also draw a histogram of turns per solve for each method\n"
    "  --threads T        threads to solve on (default: one per core)\n"
    "  Progress is shown on standard error when it is a terminal. Ctrl+C stops the\n"
    "  run and prints the figures of the cubes done.\n"
    "  Exit status: 0; 1 when a cube was left unsolved or the chart could not\n"
    "  be written (the figures are printed all the same); 2 for a bad argument\n"
    "  (nothing is written); 130 after Ctrl+C.\n";

constexpr int64_t kMaxCubes = 1'000'000'000'000;
constexpr int kMaxThreads = 256;

// Digits only, no sign, within `max`.
std::optional<uint64_t> WholeNumber(std::string_view text, uint64_t max) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (max - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

struct StatsRequest {
  bool help = false;
  stats::RunOptions run;
  stats::ReportFormat format = stats::ReportFormat::kText;
  std::string plot;
};

// Why the chart could not be written to `path`, or nothing when it can. The
// file is opened for writing to find out, and a file made for the test is
// removed again, so a refused path is left as it was.
[[maybe_unused]] std::string PlotPathProblem(const std::string& path) {
  namespace fs = std::filesystem;
  if (path.empty()) return "no file name given";
  std::error_code error;
  const fs::path file(path);
  if (fs::is_directory(file, error)) return "it is a folder";
  const bool existed = fs::exists(file, error);
  if (!existed) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error)) {
      return "the folder '" + Printable(folder.string()) + "' does not exist";
    }
  }
  const int fd = open(path.c_str(), existed ? O_WRONLY : O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return std::strerror(errno);
  close(fd);
  if (!existed) unlink(path.c_str());
  return {};
}

std::optional<StatsRequest> ParseStatsArguments(const std::vector<std::string>& args,
                                                std::string& error) {
  StatsRequest request;
  std::optional<std::string> n, seed, windows, format, plot, threads;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return request;
    }
    const OptionRead read = TakeValueOption(args, i,
                                            {{"--n", &n},
                                             {"--seed", &seed},
                                             {"--window", &windows},
                                             {"--format", &format},
                                             {"--plot", &plot},
                                             {"--threads", &threads}},
                                            error);
    if (read == OptionRead::kFailed) return std::nullopt;
    if (read == OptionRead::kNotNamed) {
      error = UnexpectedArgument(arg);
      return std::nullopt;
    }
  }

  if (n) {
    const std::optional<uint64_t> cubes = WholeNumber(*n, kMaxCubes);
    if (!cubes || *cubes == 0) {
      error = "--n needs a whole number of cubes from 1 to " + std::to_string(kMaxCubes) +
              ", got '" + Printable(*n) + "'";
      return std::nullopt;
    }
    request.run.cubes = static_cast<int64_t>(*cubes);
  }
  if (seed) {
    const std::optional<uint64_t> value = WholeNumber(*seed, UINT64_MAX);
    if (!value) {
      error = "--seed needs a whole number from 0 to " + std::to_string(UINT64_MAX) + ", got '" +
              Printable(*seed) + "'";
      return std::nullopt;
    }
    request.run.seed = *value;
  }
  if (threads) {
    const std::optional<uint64_t> value = WholeNumber(*threads, kMaxThreads);
    if (!value || *value == 0) {
      error = "--threads needs a whole number from 1 to " + std::to_string(kMaxThreads) +
              ", got '" + Printable(*threads) + "'";
      return std::nullopt;
    }
    request.run.threads = static_cast<int>(*value);
  } else {
    request.run.threads =
        static_cast<int>(std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, kMaxThreads));
  }
  if (format) {
    const std::optional<stats::ReportFormat> value = stats::ReportFormatFromName(*format);
    if (!value) {
      error = "unknown format '" + Printable(*format) + "' (expected text, csv or json)";
      return std::nullopt;
    }
    request.format = *value;
  }

  if (!windows) {
    request.run.methods = Methods();
    request.run.two_phase = true;
  } else {
    std::string_view rest = *windows;
    while (true) {
      const size_t comma = rest.find(',');
      const std::string_view name = rest.substr(0, comma);
      if (name == stats::kTwoPhaseName) {
        if (request.run.two_phase) {
          error = "window 'two-phase' named twice in --window";
          return std::nullopt;
        }
        request.run.two_phase = true;
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
        continue;
      }
      const std::optional<WindowKind> kind = WindowKindFromShortName(name);
      const Method* method = kind ? MethodFor(*kind) : nullptr;
      if (method == nullptr) {
        error = "unknown window '" + Printable(name) + "' in --window (expected";
        for (const Method* known : Methods()) {
          error += std::string(known == Methods().front() ? " " : ", ") +
                   std::string(VariantOf(known->window).short_name);
        }
        error += ")";
        return std::nullopt;
      }
      if (std::find(request.run.methods.begin(), request.run.methods.end(), method) !=
          request.run.methods.end()) {
        error = "window '" + Printable(name) + "' named twice in --window";
        return std::nullopt;
      }
      request.run.methods.push_back(method);
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
  }

  if (plot) {
#ifdef RQ51_NO_CHART
    error = "--plot is not available: this rq51-cli was built without Qt";
    return std::nullopt;
#else
    const std::string problem = PlotPathProblem(*plot);
    if (!problem.empty()) {
      error = "cannot write the chart to '" + Printable(*plot) + "': " + problem;
      return std::nullopt;
    }
    request.plot = *plot;
#endif
  }
  return request;
}

std::atomic<bool> stop_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void StopOnInterrupt(int) {
  stop_requested.store(true);
  // A second Ctrl+C ends the program at once.
  std::signal(SIGINT, SIG_DFL);
}

// "1:05" for 65 seconds, "1:01:05" past an hour.
std::string Duration(double seconds) {
  const int64_t total = static_cast<int64_t>(std::max(seconds, 0.0) + 0.5);
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(total / 3600),
                  static_cast<long long>(total / 60 % 60), static_cast<long long>(total % 60));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(total / 60),
                  static_cast<long long>(total % 60));
  }
  return text;
}

#ifndef RQ51_NO_CHART
std::string WriteChart(const stats::RunResult& result, uint64_t seed, const std::string& path) {
  std::vector<TurnsHistogram> histograms;
  for (const stats::MethodTally& tally : result.methods) {
    histograms.push_back(
        {std::string(tally.method == nullptr ? stats::kTwoPhaseName
                                             : VariantOf(tally.method->window).name),
         tally.total.turns.histogram(), tally.method == nullptr});
  }
  const ChartText text{"Turns per solve, " + stats::Grouped(result.cubes) + " random cubes (seed " +
                           std::to_string(seed) + ")",
                       "turns per solve (each logged turn counts 1, Rx2 too)", "cubes (%)"};
  return WriteTurnsChart(histograms, text, path);
}
#endif

}  // namespace

int RunStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<StatsRequest> request = ParseStatsArguments(args, error);
  if (!request) {
    err << "rq51-cli stats: " << error << '\n';
    return 2;
  }
  if (request->help) {
    out << kStatsUsage;
    return 0;
  }

  // A single line on a terminal, rewritten in place: cubes done, the rate
  // and the time left.
  // Progress only on a terminal, and only when the messages go to it.
  const bool show_progress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
  const auto start = std::chrono::steady_clock::now();
  const int64_t asked = request->run.cubes;
  const auto progress = [&](int64_t done) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    std::ostringstream line;
    line << "\r\x1b[K" << stats::Grouped(done) << " / " << stats::Grouped(asked) << " cubes, "
         << stats::Grouped(static_cast<int64_t>(rate)) << " cubes/s";
    if (rate > 0) line << ", " << Duration((asked - done) / rate) << " left";
    err << line.str() << std::flush;
  };

  stop_requested.store(false);
  const auto previous_handler = std::signal(SIGINT, StopOnInterrupt);
  const stats::RunResult result =
      stats::RunMethodStats(request->run, stop_requested,
                            show_progress ? std::function<void(int64_t)>(progress) : nullptr);
  std::signal(SIGINT, previous_handler == SIG_ERR ? SIG_DFL : previous_handler);
  if (show_progress) err << "\r\x1b[K" << std::flush;

  std::ostringstream report;
  stats::WriteReport(result, asked, request->run.seed, request->format, report);
  out << report.str() << std::flush;

  int status = 0;
  for (const stats::MethodTally& tally : result.methods) {
    if (tally.solved < tally.cubes) {
      if (tally.method == nullptr) {
        err << "rq51-cli stats: the two-phase search left ";
      } else {
        err << "rq51-cli stats: the " << VariantOf(tally.method->window).short_name
            << " window left ";
      }
      err << tally.cubes - tally.solved << " of " << tally.cubes << " cubes unsolved\n";
      status = 1;
    }
  }
#ifndef RQ51_NO_CHART
  if (!request->plot.empty()) {
    const std::string problem = WriteChart(result, request->run.seed, request->plot);
    if (!problem.empty()) {
      err << "rq51-cli stats: cannot write the chart to '" << Printable(request->plot)
          << "': " << problem << '\n';
      status = 1;
    }
  }
#endif
  if (result.cubes < asked) {
    err << "rq51-cli stats: interrupted after " << result.cubes << " of " << asked << " cubes\n";
    return 130;
  }
  return status;
}

}  // namespace rq51::cli
