#include "stats/method_stats.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/notation.h"
#include "cube/random_cube.h"
#include "shortest/reference_solution.h"

namespace rq51::stats {

namespace {

using Clock = std::chrono::steady_clock;

// Cubes a thread takes at a time: few enough that the threads finish
// together, enough that they rarely meet at the counter.
constexpr int64_t kCubesPerTake = 64;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

const std::array<GridCell, kFaceletCount + 1>& GridCells() {
  static const std::array<GridCell, kFaceletCount + 1> kCells = [] {
    std::array<GridCell, kFaceletCount + 1> cells{};
    for (int k = 1; k <= kFaceletCount; ++k) cells[k] = FaceletGridCell(k);
    return cells;
  }();
  return kCells;
}

}  // namespace

TurnCount& TurnCount::operator+=(const TurnCount& other) {
  turns += other.turns;
  quarter_turns += other.quarter_turns;
  return *this;
}

TurnCount CountLineTurns(std::string_view line) {
  TurnCount count;
  for (const Move& move : ReadMacroText(line).moves) {
    ++count.turns;
    count.quarter_turns += move.power == 2 ? 2 : 1;
  }
  return count;
}

std::vector<const Stage*> CountedStages(const Method& method) {
  std::vector<const Stage*> stages;
  for (const Stage& stage : method.stages) {
    if (stage.list_box != 0) stages.push_back(&stage);
  }
  return stages;
}

MethodSolver::MethodSolver(const Method& method)
    : method_(&method), window_(method.window, &method), stages_(CountedStages(method)) {
  for (const Stage* stage : stages_) {
    if (std::find(list_boxes_.begin(), list_boxes_.end(), stage->list_box) == list_boxes_.end()) {
      list_boxes_.push_back(stage->list_box);
    }
  }
}

TurnCount MethodSolver::CountList(int list_box) {
  TurnCount count;
  for (const std::string& line : window_.list_box(list_box)) {
    auto known = known_lines_.find(line);
    if (known == known_lines_.end()) known = known_lines_.emplace(line, CountLineTurns(line)).first;
    count += known->second;
  }
  return count;
}

SolveCounts MethodSolver::Solve(const StickerColours& colours) {
  const auto& cells = GridCells();
  for (const ColourInfo& info : ColourTable()) {
    window_.PressButton(info.button);
    for (int k = 1; k <= kFaceletCount; ++k) {
      if (colours[k] != info.colour) continue;
      window_.GridMouseDown(cells[k].grid, MouseButton::kLeft, {cells[k].column, cells[k].row});
    }
  }
  // A cell without one of the six colours is emptied, so that nothing of
  // the cube before stays in the grids; the check then rejects the entry.
  window_.ChooseColour(Colour::kNone);
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (InfoOf(colours[k]) != nullptr) continue;
    window_.GridMouseDown(cells[k].grid, MouseButton::kLeft, {cells[k].column, cells[k].row});
  }

  SolveCounts counts;
  counts.stages.resize(stages_.size());
  window_.PressButton("Coloring");
  if (window_.last_fault() != ArrangementFault::kReal) return counts;
  window_.PressButton("CES");
  counts.solved = window_.table().IsSolved();
  for (size_t s = 0; s < stages_.size(); ++s) counts.stages[s] = CountList(stages_[s]->list_box);
  for (int list_box : list_boxes_) counts.total += CountList(list_box);
  return counts;
}

void Tally::Add(int value) {
  value = std::max(value, 0);
  if (static_cast<size_t>(value) >= histogram_.size()) histogram_.resize(value + 1);
  ++histogram_[value];
  ++count_;
  sum_ += value;
}

void Tally::Merge(const Tally& other) {
  if (other.histogram_.size() > histogram_.size()) histogram_.resize(other.histogram_.size());
  for (size_t v = 0; v < other.histogram_.size(); ++v) histogram_[v] += other.histogram_[v];
  count_ += other.count_;
  sum_ += other.sum_;
}

double Tally::Mean() const {
  return count_ == 0 ? 0 : static_cast<double>(sum_) / static_cast<double>(count_);
}

namespace {

// The value at 0-based rank `rank` of the sorted counts.
int ValueAtRank(const std::vector<int64_t>& histogram, int64_t rank) {
  int64_t below = 0;
  for (size_t v = 0; v < histogram.size(); ++v) {
    below += histogram[v];
    if (below > rank) return static_cast<int>(v);
  }
  return histogram.empty() ? 0 : static_cast<int>(histogram.size()) - 1;
}

}  // namespace

double Tally::Median() const {
  if (count_ == 0) return 0;
  return (ValueAtRank(histogram_, (count_ - 1) / 2) + ValueAtRank(histogram_, count_ / 2)) / 2.0;
}

int Tally::Percentile(int percent) const {
  if (count_ == 0) return 0;
  // The 1-based nearest rank is ceil(percent / 100 * count).
  const int64_t rank = std::max<int64_t>((percent * count_ + 99) / 100, 1);
  return ValueAtRank(histogram_, rank - 1);
}

int Tally::Max() const {
  for (size_t v = histogram_.size(); v > 0; --v) {
    if (histogram_[v - 1] != 0) return static_cast<int>(v) - 1;
  }
  return 0;
}

void TurnTally::Add(const TurnCount& count) {
  turns.Add(count.turns);
  quarter_turns.Add(count.quarter_turns);
}

void TurnTally::Merge(const TurnTally& other) {
  turns.Merge(other.turns);
  quarter_turns.Merge(other.quarter_turns);
}

SolveCounts CountReferenceSolve(const StickerColours& centres_home) {
  SolveCounts counts;
  const shortest::ReferenceSolution solution =
      shortest::FindReferenceSolution(centres_home, FaceColourRule::kCentre);
  if (solution.outcome != shortest::ReferenceOutcome::kFound) return counts;
  const StickerColours after =
      ApplyToState(MapOfMoves(shortest::ProgramMoves(solution.turns)), centres_home);
  counts.solved = true;
  for (int k = 1; k <= kFaceletCount; ++k) {
    counts.solved = counts.solved && after[k] == after[CentreOf(FaceOf(k))];
  }
  for (const shortest::ReferenceTurn& turn : solution.turns) {
    ++counts.total.turns;
    counts.total.quarter_turns += turn.power == 2 ? 2 : 1;
  }
  return counts;
}

MethodTally::MethodTally(const Method* counted)
    : method(counted), stages(counted == nullptr ? 0 : CountedStages(*counted).size()) {}

void MethodTally::Add(const SolveCounts& counts) {
  ++cubes;
  if (!counts.solved) return;
  ++solved;
  total.Add(counts.total);
  for (size_t s = 0; s < stages.size() && s < counts.stages.size(); ++s) {
    stages[s].Add(counts.stages[s]);
  }
}

void MethodTally::Merge(const MethodTally& other) {
  cubes += other.cubes;
  solved += other.solved;
  total.Merge(other.total);
  for (size_t s = 0; s < stages.size() && s < other.stages.size(); ++s) {
    stages[s].Merge(other.stages[s]);
  }
  solve_seconds += other.solve_seconds;
}

bool MethodTally::SameFigures(const MethodTally& other) const {
  return method == other.method && cubes == other.cubes && solved == other.solved &&
         total == other.total && stages == other.stages;
}

RunResult RunMethodStats(const RunOptions& options, const std::atomic<bool>& stop,
                         const std::function<void(int64_t done)>& progress) {
  const Clock::time_point start = Clock::now();
  RunResult result;
  result.threads = std::max(options.threads, 1);
  for (const Method* method : options.methods) result.methods.emplace_back(method);
  if (options.two_phase) result.methods.emplace_back(nullptr);

  std::atomic<int64_t> next{0};
  std::atomic<int64_t> done{0};
  std::vector<std::vector<MethodTally>> tallies(result.threads, result.methods);
  std::mutex mutex;
  std::condition_variable all_finished;
  int finished = 0;

  const auto work = [&](std::vector<MethodTally>& mine) {
    std::vector<MethodSolver> solvers;
    std::vector<FaceColourRule> rules;
    for (const Method* method : options.methods) {
      solvers.emplace_back(*method);
      rules.push_back(VariantOf(method->window).rule);
    }
    while (!stop.load(std::memory_order_relaxed)) {
      const int64_t first = next.fetch_add(kCubesPerTake);
      if (first >= options.cubes) break;
      const int64_t end = std::min(first + kCubesPerTake, options.cubes);
      for (int64_t n = first; n < end && !stop.load(std::memory_order_relaxed); ++n) {
        CubeRandom random(options.seed, static_cast<uint64_t>(n));
        const StickerColours centres_home = RandomRealCube(random);
        std::optional<StickerColours> corner_home;
        for (size_t m = 0; m < solvers.size(); ++m) {
          const StickerColours* held = &centres_home;
          if (rules[m] == FaceColourRule::kReferenceCorner) {
            if (!corner_home) corner_home = HeldOnReferenceCorner(centres_home);
            held = &*corner_home;
          }
          const Clock::time_point solve_start = Clock::now();
          const SolveCounts counts = solvers[m].Solve(*held);
          mine[m].solve_seconds += SecondsSince(solve_start);
          mine[m].Add(counts);
        }
        if (options.two_phase) {
          const Clock::time_point solve_start = Clock::now();
          const SolveCounts counts = CountReferenceSolve(centres_home);
          mine.back().solve_seconds += SecondsSince(solve_start);
          mine.back().Add(counts);
        }
        done.fetch_add(1, std::memory_order_relaxed);
      }
    }
    const std::lock_guard<std::mutex> lock(mutex);
    ++finished;
    all_finished.notify_all();
  };

  std::vector<std::thread> threads;
  for (int t = 0; t < result.threads; ++t) threads.emplace_back(work, std::ref(tallies[t]));
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!all_finished.wait_for(lock, std::chrono::milliseconds(200),
                                  [&] { return finished == result.threads; })) {
      if (progress) {
        lock.unlock();
        progress(done.load());
        lock.lock();
      }
    }
  }
  for (std::thread& thread : threads) thread.join();

  for (const std::vector<MethodTally>& mine : tallies) {
    for (size_t m = 0; m < mine.size(); ++m) result.methods[m].Merge(mine[m]);
  }
  result.cubes = done.load();
  result.wall_seconds = SecondsSince(start);
  return result;
}

}  // namespace rq51::stats
