// The tables of the two-phase search: how each face turn changes each
// coordinate, and for pairs of coordinates the fewest turns that bring both
// home. A search estimates the turns still needed from the pair tables and
// never takes a turn that would need more than it has left.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shortest/cubie.h"
#include "shortest/paged_array.h"

namespace rq51::shortest {

// The ten turns that keep a cube of phase 2 in its group: U, U2, U', D, D2,
// D' and the half turns of R, F, L and B, as face turn numbers.
inline constexpr int kPhase2TurnCount = 10;
inline constexpr std::array<int, kPhase2TurnCount> kPhase2Turns = {0, 1,  2,  4,  7,
                                                                   9, 10, 11, 13, 16};

// Fewest turns, for every pair of two coordinates (a, b) at a * count_b + b,
// that bring both to 0.
class DistanceTable {
 public:
  DistanceTable() = default;
  DistanceTable(int count_a, int count_b)
      : count_b_(count_b), depth_(static_cast<size_t>(count_a) * count_b, 0) {}

  int At(int a, int b) const { return depth_[a * count_b_ + b]; }
  int Entry(size_t i) const { return depth_[i]; }
  size_t size() const { return depth_.size(); }
  int count_b() const { return count_b_; }
  // counts[d]: entries at distance d.
  std::vector<int64_t> CountsByDepth() const;

  PagedArray<uint8_t>& raw() { return depth_; }

 private:
  int count_b_ = 0;
  PagedArray<uint8_t> depth_;
};

// Phase 1's positions are cosets; a coset as one number.
constexpr uint32_t CosetKey(int twist, int flip, int slice) {
  return (static_cast<uint32_t>(twist) * kFlipCount + static_cast<uint32_t>(flip)) * kSliceCount +
         static_cast<uint32_t>(slice);
}

// Every coset within kNearDepth turns of phase 2's group with its exact
// distance: near the end of phase 1 the search knows exactly which turns
// lead home in time.
class NearCosets {
 public:
  static constexpr int kNearDepth = 6;
  // The distance, or kNearDepth + 1 for a coset farther away.
  int Distance(uint32_t key) const {
    for (size_t i = Slot(key);; i = (i + 1) & kMask) {
      if (keys_[i] == key) return depth_[i];
      if (keys_[i] == kEmpty) return kNearDepth + 1;
    }
  }
  // Adds a coset unless it is there; true when it was added.
  bool Add(uint32_t key, int depth);
  void Reset();
  // counts[d]: cosets at distance d.
  std::vector<int64_t> CountsByDepth() const;
  // Calls f(key, depth) for every coset held.
  template <typename F>
  void ForEach(F f) const {
    for (size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i] != kEmpty) f(keys_[i], depth_[i]);
    }
  }
  size_t Bytes() const { return keys_.size() * (sizeof(uint32_t) + 1); }

 private:
  // 1,138,856 cosets in 2^21 places.
  static constexpr size_t kMask = (size_t{1} << 21) - 1;
  static constexpr uint32_t kEmpty = 0xFFFFFFFF;
  static size_t Slot(uint32_t key) { return (key * 2654435761u) >> 11; }
  PagedArray<uint32_t> keys_;
  PagedArray<uint8_t> depth_;
};

// The cosets within seven turns (13,209,134 of them) as a filter that never
// misses one and takes about one in thirty others for one: "maybe within
// seven" lets the search go on, "not within seven" is certain.
class SevenFilter {
 public:
  bool MayContain(uint32_t key) const {
    const uint64_t h = Hash(key);
    const uint64_t bits = (uint64_t{1} << (h & 63)) | (uint64_t{1} << ((h >> 6) & 63));
    return (words_[h >> (64 - kWordBits)] & bits) == bits;
  }
  void Add(uint32_t key) {
    const uint64_t h = Hash(key);
    words_[h >> (64 - kWordBits)] |= (uint64_t{1} << (h & 63)) | (uint64_t{1} << ((h >> 6) & 63));
  }
  // Adds many keys, fetching their words from memory all at once.
  template <size_t N>
  void AddAll(const std::array<uint32_t, N>& keys) {
    std::array<uint64_t, N> hashes;
    for (size_t i = 0; i < N; ++i) {
      hashes[i] = Hash(keys[i]);
      __builtin_prefetch(&words_[hashes[i] >> (64 - kWordBits)], 1);
    }
    for (uint64_t h : hashes) {
      words_[h >> (64 - kWordBits)] |= (uint64_t{1} << (h & 63)) | (uint64_t{1} << ((h >> 6) & 63));
    }
  }
  void Reset() { words_.assign(size_t{1} << kWordBits, 0); }
  size_t Bytes() const { return words_.size() * sizeof(uint64_t); }

 private:
  static constexpr int kWordBits = 21;  // 16 MiB
  static uint64_t Hash(uint32_t key) {
    uint64_t x = (key + uint64_t{1}) * 0x9E3779B97F4A7C15ULL;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ULL;
    return x ^ (x >> 29);
  }
  PagedArray<uint64_t> words_;
};

struct Tables {
  // Coordinate after a face turn: twist_turn[twist * 18 + turn] ...
  std::vector<uint16_t> twist_turn;
  std::vector<uint16_t> flip_turn;
  std::vector<uint16_t> slice_turn;
  // ... and after a phase-2 turn k (kPhase2Turns[k]): corner_order_turn[c * 10 + k].
  std::vector<uint16_t> corner_order_turn;
  std::vector<uint16_t> edge_order_turn;
  std::vector<uint8_t> slice_order_turn;

  // Phase 1 (18 turns): twist and slice, flip and slice, twist and flip.
  DistanceTable twist_slice;
  DistanceTable flip_slice;
  DistanceTable twist_flip;
  // Phase 2 (10 turns): corner order and middle-edge order, edge order and
  // middle-edge order.
  DistanceTable corner_slice_order;
  DistanceTable edge_slice_order;
  // Phase 1 near its end.
  NearCosets near;
  SevenFilter seven;

  // Phase 1's estimate for a position: the largest of its three tables.
  int Phase1Estimate(int twist, int flip, int slice) const;
  int Phase2Estimate(int corner_order, int edge_order, int slice_order) const;
  // Whether the estimate is at most `turns`, reading only as many tables as
  // it takes to know (the largest table last).
  bool Phase1Within(int twist, int flip, int slice, int turns) const {
    if (twist_slice.At(twist, slice) > turns || flip_slice.At(flip, slice) > turns ||
        twist_flip.At(twist, flip) > turns) {
      return false;
    }
    if (turns > NearCosets::kNearDepth + 1) return true;
    const uint32_t key = CosetKey(twist, flip, slice);
    if (turns == NearCosets::kNearDepth + 1) return seven.MayContain(key);
    return near.Distance(key) <= turns;
  }
  // The fewest turns phase 1 can take from a coset, as far as the tables
  // know: exact within six turns.
  int Phase1Bound(int twist, int flip, int slice) const;
  bool Phase2Within(int corner_order, int edge_order, int slice_order, int turns) const {
    return corner_slice_order.At(corner_order, slice_order) <= turns &&
           edge_slice_order.At(edge_order, slice_order) <= turns;
  }

  // The memory the tables hold.
  size_t Bytes() const;
};

// Builds every table afresh (for the benchmark of building them).
Tables BuildTables();
// The tables of this process, built on the first call; every thread that
// calls it meanwhile waits for the one build.
const Tables& SharedTables();

}  // namespace rq51::shortest
