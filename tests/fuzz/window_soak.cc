// window_soak: random actions on each of the five solver windows, every rule
// of window_actions.h checked after every action. The actions follow from
// the seed alone, so a failure is replayed by running the printed command.
//
//   window_soak [--actions N] [--seed S] [--window cf0|cf|lb|tkc|tkl]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/solver_windows.h"
#include "shell/window_variant.h"
#include "tests/fuzz/window_actions.h"

namespace {

constexpr uint64_t kDefaultSeed = 20261208;

struct Options {
  long long actions = 10000;
  uint64_t seed = kDefaultSeed;
  std::optional<rq51::WindowKind> only;
};

bool ParseNumber(const char* text, unsigned long long& value) {
  char* end = nullptr;
  value = std::strtoull(text, &end, 0);
  return end != text && *end == '\0';
}

std::optional<Options> Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const char* value = argv[++i];
    unsigned long long number = 0;
    if (arg == "--actions" && ParseNumber(value, number)) {
      options.actions = static_cast<long long>(number);
    } else if (arg == "--seed" && ParseNumber(value, number)) {
      options.seed = number;
    } else if (arg == "--window" && rq51::WindowKindFromShortName(value)) {
      options.only = rq51::WindowKindFromShortName(value);
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = Parse(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: window_soak [--actions N] [--seed S] [--window cf0|cf|lb|tkc|tkl]\n");
    return 2;
  }
  std::printf("seed %llu, %lld actions per window\n",
              static_cast<unsigned long long>(options->seed), options->actions);
  long long total = 0;
  double total_seconds = 0;
  const std::vector<rq51::WindowKind>& kinds = rq51::AllWindowKinds();
  for (size_t w = 0; w < kinds.size(); ++w) {
    if (options->only && *options->only != kinds[w]) continue;
    const std::string_view name = rq51::VariantOf(kinds[w]).short_name;
    // Each window has its own stream, so that one window replays alone.
    rq51::fuzz::ActionBytes bytes(options->seed * 8 + w);
    rq51::fuzz::WindowDriver driver(kinds[w]);
    const auto start = std::chrono::steady_clock::now();
    for (long long n = 1; n <= options->actions; ++n) {
      const std::string broken = driver.Step(bytes);
      if (!broken.empty()) {
        std::printf("%.*s: action %lld (%.*s) broke a rule: %s\n", static_cast<int>(name.size()),
                    name.data(), n, static_cast<int>(driver.last_action().size()),
                    driver.last_action().data(), broken.c_str());
        std::printf("replay: window_soak --seed %llu --window %.*s --actions %lld\n",
                    static_cast<unsigned long long>(options->seed), static_cast<int>(name.size()),
                    name.data(), n);
        return 1;
      }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    total += options->actions;
    total_seconds += seconds;
    std::printf("%-3.*s %lld actions in %.1f s, %.0f actions/s, faults 0\n",
                static_cast<int>(name.size()), name.data(), options->actions, seconds,
                options->actions / seconds);
    std::fflush(stdout);
  }
  std::printf("all windows: %lld actions in %.1f s, %.0f actions/s, faults 0\n", total,
              total_seconds, total / total_seconds);
  return 0;
}
