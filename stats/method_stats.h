// How many turns each method asks of a person: cubes drawn uniformly at
// random are entered into each method's window as a user enters them,
// solved by the one-shot button, and the turns of every logged line are
// counted, over the whole solve and stage by stage.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cube/arrangement_check.h"
#include "shell/solver_window.h"
#include "shell/stage_frame.h"

namespace rq51::stats {

struct TurnCount {
  int turns = 0;          // every logged turn of the 27 counts one, "Rx2" too
  int quarter_turns = 0;  // a half turn counts two
  TurnCount& operator+=(const TurnCount& other);
  bool operator==(const TurnCount&) const = default;
};

// The turns in the move part of one log line, brackets expanded; none in a
// heading or a status line.
TurnCount CountLineTurns(std::string_view line);

// The stages of `method` that log their sequences to a list, in order. A
// stage without a list (turning the cube over) performs no turn of the 27
// and has no figures.
std::vector<const Stage*> CountedStages(const Method& method);

struct SolveCounts {
  bool solved = false;
  TurnCount total;
  std::vector<TurnCount> stages;  // as CountedStages
};

// One window of a method, reused for cube after cube.
class MethodSolver {
 public:
  explicit MethodSolver(const Method& method);

  // Paints the colours into the grids as a user does (a colour button, then
  // a click on every cell of that colour), confirms them with Coloring,
  // presses the one-shot button and counts the turns logged in every list.
  SolveCounts Solve(const StickerColours& colours);
  const SolverWindow& window() const { return window_; }

 private:
  TurnCount CountList(int list_box);

  const Method* method_;
  SolverWindow window_;
  std::vector<const Stage*> stages_;
  std::vector<int> list_boxes_;  // every list a counted stage logs to, once
  // Log lines come from the tables and repeat: each is read once.
  std::unordered_map<std::string, TurnCount> known_lines_;
};

// Counts of cubes by a whole number of turns. The histogram gives exact
// medians and percentiles in little memory, and tallies of several threads
// add up.
class Tally {
 public:
  void Add(int value);
  void Merge(const Tally& other);

  int64_t count() const { return count_; }
  // 0 when empty, as every figure below.
  double Mean() const;
  // The middle value; the mean of the two middle values of an even count.
  double Median() const;
  // Nearest rank: the smallest value that `percent` percent of the counts do
  // not exceed.
  int Percentile(int percent) const;
  int Max() const;
  // histogram()[v]: how many counts are v.
  const std::vector<int64_t>& histogram() const { return histogram_; }

  bool operator==(const Tally&) const = default;

 private:
  std::vector<int64_t> histogram_;
  int64_t count_ = 0;
  int64_t sum_ = 0;
};

struct TurnTally {
  Tally turns;
  Tally quarter_turns;
  void Add(const TurnCount& count);
  void Merge(const TurnTally& other);
  bool operator==(const TurnTally&) const = default;
};

// The figures of one method, or of the two-phase baseline (method nullptr:
// the near-shortest solution in face turns, whole solve only).
struct MethodTally {
  const Method* method = nullptr;
  int64_t cubes = 0;
  int64_t solved = 0;
  // Turns of the solved cubes: a cube left unsolved performed no solve.
  TurnTally total;
  std::vector<TurnTally> stages;  // as CountedStages
  // Time spent entering and solving, summed over the threads.
  double solve_seconds = 0;

  explicit MethodTally(const Method* counted);
  void Add(const SolveCounts& counts);
  void Merge(const MethodTally& other);
  // Everything but the time, which no two runs share.
  bool SameFigures(const MethodTally& other) const;
};

struct RunOptions {
  int64_t cubes = 10000;
  uint64_t seed = 1;
  std::vector<const Method*> methods;
  // Also the two-phase baseline, as a last row.
  bool two_phase = false;
  int threads = 1;
};

// The two-phase search's solution of a cube held by its centres, counted
// as a method's: every face turn one turn, a half turn two quarter turns;
// solved when the turns leave every face in its centre's colour.
SolveCounts CountReferenceSolve(const StickerColours& centres_home);

struct RunResult {
  std::vector<MethodTally> methods;
  int64_t cubes = 0;  // solved in every method; fewer than asked when stopped
  int threads = 1;
  double wall_seconds = 0;
};

// Draws cubes 0 .. options.cubes - 1 (cube i from CubeRandom(seed, i)),
// holds each as every window expects it and solves it in every method; the
// cubes are shared out among `threads` threads, each with its own windows,
// and the figures do not depend on how. `progress` (may be empty) is called
// on the calling thread a few times a second with the cubes done. Once
// `stop` is set no new cube is started.
RunResult RunMethodStats(const RunOptions& options, const std::atomic<bool>& stop,
                         const std::function<void(int64_t done)>& progress);

}  // namespace rq51::stats
