#include "shortest/search.h"

#include <algorithm>
#include <array>
#include <string>

#include "cube/moves.h"
#include "cube/standard_notation.h"
#include "cube/state_table.h"
#include "shortest/tables.h"

namespace rq51::shortest {

namespace {

// Longer than any solution the search keeps.
constexpr int kNoSolution = 64;
// Phase 2 never needs more turns than this.
constexpr int kPhase2Longest = 18;
// Once a solution is known, phase 2 is tried up to this many turns: longer
// phase-2 searches cost much and seldom lead to a solution within the bound.
constexpr int kPhase2Reach = 12;
// Random cubes all have a solution this short, and the search finds one
// quickly.
constexpr int kEasyBound = 20;
// When the budget ran out before any solution was found, the first phase 1
// found is finished with at most this much more work.
constexpr int64_t kFinishingBudget = 20'000'000;
// The cancel flag is read once per this many nodes.
constexpr int64_t kCancelPollMask = (1 << 12) - 1;

constexpr int OppositeSearchFace(int face) { return (face + 3) % kSearchFaceCount; }

// A turn of `face` may follow a turn of `last_face` (-1 for none): never
// the same face twice, and of two opposite faces, which commute, only one
// order (U before D, R before L, F before B).
constexpr bool MayFollow(int last_face, int face) {
  if (last_face < 0) return true;
  return face != last_face && !(face == OppositeSearchFace(last_face) && face < last_face);
}

// Phase 1 ends with a quarter turn of R, F, L or B: any other last turn
// keeps the cube in phase 2's group, so a shorter phase 1 was there.
constexpr bool LeavesPhase2Group(int turn) {
  const int face = FaceOfTurn(turn);
  return face != 0 && face != 3 && PowerOfTurn(turn) != 2;
}

// The cube as one of the six searches sees it.
struct Direction {
  CubieCube cube;
  // The face of the given cube that each search face of this view is.
  std::array<uint8_t, kSearchFaceCount> given_face;
  bool inverse = false;
  int twist = 0;
  int flip = 0;
  int slice = 0;
  int estimate = 0;
};

int SearchFaceOfProgramFace(int program_face) {
  for (int f = 0; f < kSearchFaceCount; ++f) {
    if (kProgramFace[f] == program_face) return f;
  }
  return 0;
}

// The cube held three ways: as given, turned so that its F-B axis is
// upright, and turned so that its R-L axis is; each also inverted.
std::vector<Direction> Directions(const CubieCube& cube, const Tables& tables) {
  StickerColours solved{};
  for (int k = 1; k <= kFaceletCount; ++k) solved[k] = HomeFaceColour(FaceOf(k));
  const StickerColours colours = ColoursFromCubie(cube, solved);
  std::vector<Direction> directions;
  for (const char* whole_turn : {"", "x", "z"}) {
    const FaceletMap map =
        *whole_turn == 0 ? FaceletMap::Identity() : MapOfMoves(*StandardTurnMoves(whole_turn));
    Direction view;
    view.cube = *CubieFromColours(ApplyToState(map, colours));
    for (int f = 0; f < kSearchFaceCount; ++f) {
      view.given_face[f] =
          static_cast<uint8_t>(SearchFaceOfProgramFace(FaceOf(map(CentreOf(kProgramFace[f])))));
    }
    for (bool inverse : {false, true}) {
      Direction d = view;
      if (inverse) d.cube = Inverse(view.cube);
      d.inverse = inverse;
      d.twist = TwistOf(d.cube);
      d.flip = FlipOf(d.cube);
      d.slice = SliceOf(d.cube);
      d.estimate = tables.Phase1Bound(d.twist, d.flip, d.slice);
      // A cube that looks the same another way (the superflip looks the
      // same all six) is searched once.
      const bool seen = std::any_of(directions.begin(), directions.end(),
                                    [&](const Direction& other) { return other.cube == d.cube; });
      if (!seen) directions.push_back(d);
    }
  }
  return directions;
}

// Of two opposite faces turned one after the other, the order MayFollow
// allows. Turning a view back can reverse them; they commute, so the cube
// does not notice.
void OrderOppositeFaces(std::vector<int>& turns) {
  for (size_t i = 1; i < turns.size(); ++i) {
    if (!MayFollow(FaceOfTurn(turns[i - 1]), FaceOfTurn(turns[i]))) {
      std::swap(turns[i - 1], turns[i]);
    }
  }
}

class Searcher {
 public:
  Searcher(const Tables& tables, const SearchLimits& limits) : t_(tables), limits_(limits) {}

  SearchResult Run(const CubieCube& cube) {
    SearchResult result;
    if (RunExhaustive(cube)) {
      result.found = true;
      result.turns = best_;
      result.bound_met = static_cast<int>(best_.size()) <= limits_.max_length;
      result.bound_impossible = !result.bound_met;
      result.nodes = nodes_;
      return result;
    }
    result.bound_impossible = limits_.max_length <= kExhaustiveDepth && !stop_;
    // A bound of 20 or more is met quickly; a tighter one is approached from
    // 20 down, one turn at a time, so that the best found so far is at hand
    // when the budget runs out.
    // When the exhaustive search has shown that the bound cannot be met, any
    // solution will do.
    const int wanted = result.bound_impossible ? kEasyBound : limits_.max_length;
    for (int target = std::max(wanted, kEasyBound); !stop_; target = best_length_ - 1) {
      RunTwoPhase(cube, target);
      if (best_length_ > target || best_length_ <= wanted) break;
    }
    if (best_length_ == kNoSolution && !cancelled_) FinishFirstPhase1();
    result.found = best_length_ < kNoSolution;
    result.turns = best_;
    result.bound_met = result.found && best_length_ <= limits_.max_length;
    result.cancelled = cancelled_;
    result.nodes = nodes_;
    return result;
  }

 private:
  // Counts a position looked at; false once the budget is spent or the search cancelled.
  bool Visit() {
    ++nodes_;
    if (nodes_ > std::max(limits_.node_budget, finishing_budget_)) stop_ = true;
    if ((nodes_ & kCancelPollMask) == 0 && limits_.cancel != nullptr &&
        limits_.cancel->load(std::memory_order_relaxed)) {
      stop_ = true;
      cancelled_ = true;
    }
    return !stop_;
  }

  bool RunExhaustive(const CubieCube& cube) {
    const int twist = TwistOf(cube);
    const int flip = FlipOf(cube);
    const int slice = SliceOf(cube);
    for (int depth = 0; depth <= kExhaustiveDepth && !stop_; ++depth) {
      if (Exhaustive(cube, twist, flip, slice, 0, depth, -1)) {
        best_.assign(path_.begin(), path_.begin() + depth);
        best_length_ = depth;
        return true;
      }
    }
    return false;
  }

  bool Exhaustive(const CubieCube& cube, int twist, int flip, int slice, int depth, int togo,
                  int last_face) {
    if (togo == 0) return cube == CubieCube();
    for (int turn = 0; turn < kFaceTurnCount; ++turn) {
      const int face = FaceOfTurn(turn);
      if (!MayFollow(last_face, face)) continue;
      const int next_twist = t_.twist_turn[twist * kFaceTurnCount + turn];
      const int next_flip = t_.flip_turn[flip * kFaceTurnCount + turn];
      const int next_slice = t_.slice_turn[slice * kFaceTurnCount + turn];
      if (!Visit()) return false;
      if (!t_.Phase1Within(next_twist, next_flip, next_slice, togo - 1)) continue;
      path_[depth] = turn;
      if (Exhaustive(Multiply(cube, FaceTurnCube(turn)), next_twist, next_flip, next_slice,
                     depth + 1, togo - 1, face)) {
        return true;
      }
      if (stop_) return false;
    }
    return false;
  }

  // Searches phase 1 deeper and deeper in all six views until a solution
  // of at most `bound` turns is found, the budget is spent or the search is
  // cancelled.
  void RunTwoPhase(const CubieCube& cube, int bound) {
    target_ = bound;
    const std::vector<Direction> directions = Directions(cube, t_);
    for (int length1 = 0; length1 <= bound && !stop_; ++length1) {
      for (const Direction& direction : directions) {
        if (direction.estimate > length1) continue;
        view_ = &direction;
        prefix_[0] = direction.cube;
        prefix_known_ = 0;
        Phase1(direction.twist, direction.flip, direction.slice, 0, length1, -1);
        if (stop_ || best_length_ <= target_) return;
      }
    }
  }

  // Phase 2 for the first phase 1 found, to its end.
  void FinishFirstPhase1() {
    if (first_length1_ < 0) return;
    stop_ = false;
    const int64_t budget = nodes_ + kFinishingBudget;
    view_ = &first_view_;
    std::copy(first_path_.begin(), first_path_.begin() + first_length1_, path_.begin());
    const CubieCube& cube = first_cube_;
    const int corner = CornerOrderOf(cube);
    const int edge = EdgeOrderOf(cube);
    const int slice = SliceOrderOf(cube);
    const int last_face = first_length1_ > 0 ? FaceOfTurn(path_[first_length1_ - 1]) : -1;
    finishing_budget_ = budget;
    for (int length2 = t_.Phase2Estimate(corner, edge, slice); length2 <= kPhase2Longest && !stop_;
         ++length2) {
      if (Phase2(corner, edge, slice, first_length1_, length2, last_face)) {
        Keep(first_length1_ + length2);
        return;
      }
    }
  }

  void Phase1(int twist, int flip, int slice, int depth, int togo, int last_face) {
    if (togo == 0) {
      Phase1Leaf(depth);
      return;
    }
    for (int turn = 0; turn < kFaceTurnCount; ++turn) {
      const int face = FaceOfTurn(turn);
      if (!MayFollow(last_face, face)) continue;
      if (togo == 1 && !LeavesPhase2Group(turn)) continue;
      const int next_twist = t_.twist_turn[twist * kFaceTurnCount + turn];
      const int next_flip = t_.flip_turn[flip * kFaceTurnCount + turn];
      const int next_slice = t_.slice_turn[slice * kFaceTurnCount + turn];
      if (!Visit()) return;
      if (!t_.Phase1Within(next_twist, next_flip, next_slice, togo - 1)) continue;
      path_[depth] = turn;
      prefix_known_ = std::min(prefix_known_, depth);
      Phase1(next_twist, next_flip, next_slice, depth + 1, togo - 1, face);
      if (stop_ || best_length_ <= target_) return;
    }
  }

  void Phase1Leaf(int length1) {
    const int limit = std::min(std::min(best_length_ - 1, target_) - length1, kPhase2Reach);
    while (prefix_known_ < length1) {
      prefix_[prefix_known_ + 1] =
          Multiply(prefix_[prefix_known_], FaceTurnCube(path_[prefix_known_]));
      ++prefix_known_;
    }
    if (first_length1_ < 0) {
      first_length1_ = length1;
      first_view_ = *view_;
      first_cube_ = prefix_[length1];
      std::copy(path_.begin(), path_.begin() + length1, first_path_.begin());
    }
    if (limit < 0) return;
    const CubieCube& cube = prefix_[length1];
    const int corner = CornerOrderOf(cube);
    const int edge = EdgeOrderOf(cube);
    const int slice = SliceOrderOf(cube);
    const int estimate = t_.Phase2Estimate(corner, edge, slice);
    const int last_face = length1 > 0 ? FaceOfTurn(path_[length1 - 1]) : -1;
    for (int length2 = estimate; length2 <= limit; ++length2) {
      if (Phase2(corner, edge, slice, length1, length2, last_face)) {
        Keep(length1 + length2);
        return;
      }
      if (stop_) return;
    }
  }

  bool Phase2(int corner, int edge, int slice, int depth, int togo, int last_face) {
    if (togo == 0) return true;  // the estimates let only the solved cube get here
    for (int k = 0; k < kPhase2TurnCount; ++k) {
      const int turn = kPhase2Turns[k];
      const int face = FaceOfTurn(turn);
      if (!MayFollow(last_face, face)) continue;
      const int next_corner = t_.corner_order_turn[corner * kPhase2TurnCount + k];
      const int next_edge = t_.edge_order_turn[edge * kPhase2TurnCount + k];
      const int next_slice = t_.slice_order_turn[slice * kPhase2TurnCount + k];
      if (!Visit()) return false;
      if (!t_.Phase2Within(next_corner, next_edge, next_slice, togo - 1)) continue;
      path_[depth] = turn;
      if (Phase2(next_corner, next_edge, next_slice, depth + 1, togo - 1, face)) return true;
      if (stop_) return false;
    }
    return false;
  }

  // The path as turns of the given cube.
  void Keep(int length) {
    std::vector<int> turns(path_.begin(), path_.begin() + length);
    if (view_->inverse) {
      std::reverse(turns.begin(), turns.end());
      for (int& turn : turns) turn = FaceTurn(FaceOfTurn(turn), 4 - PowerOfTurn(turn));
    }
    for (int& turn : turns) turn = FaceTurn(view_->given_face[FaceOfTurn(turn)], PowerOfTurn(turn));
    OrderOppositeFaces(turns);
    best_ = std::move(turns);
    best_length_ = length;
  }

  const Tables& t_;
  const SearchLimits& limits_;
  int64_t nodes_ = 0;
  bool stop_ = false;
  bool cancelled_ = false;
  int target_ = 0;
  int best_length_ = kNoSolution;
  std::vector<int> best_;
  const Direction* view_ = nullptr;
  std::array<int, kNoSolution> path_{};
  // prefix_[i]: the view's cube after path_[0 .. i-1]; known up to
  // prefix_known_.
  std::array<CubieCube, kNoSolution> prefix_{};
  int prefix_known_ = 0;
  // The first phase 1 found: its view, its turns and the cube after them.
  int first_length1_ = -1;
  Direction first_view_;
  std::array<int, kNoSolution> first_path_{};
  CubieCube first_cube_;
  int64_t finishing_budget_ = 0;
};

}  // namespace

SearchResult SearchSolution(const CubieCube& cube, const SearchLimits& limits) {
  Searcher searcher(SharedTables(), limits);
  return searcher.Run(cube);
}

}  // namespace rq51::shortest
