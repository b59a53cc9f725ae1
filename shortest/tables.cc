#include "shortest/tables.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace rq51::shortest {

namespace {

constexpr uint8_t kUnknown = 0xFF;

// coordinate -> coordinate after each of `turns`, as a flat table.
template <typename T, typename Make, typename Read>
std::vector<T> TurnTable(int count, const int* turns, int turn_count, Make make, Read read) {
  std::vector<T> table(static_cast<size_t>(count) * turn_count);
  for (int c = 0; c < count; ++c) {
    const CubieCube cube = make(c);
    for (int k = 0; k < turn_count; ++k) {
      table[static_cast<size_t>(c) * turn_count + k] =
          static_cast<T>(read(Multiply(cube, FaceTurnCube(turns[k]))));
    }
  }
  return table;
}

// Breadth-first from (0, 0) over pairs of coordinates, `turn_count` turns
// given by the two turn tables. While few entries are known, each pass
// spreads from the entries of the last depth; once most are known, each
// unknown entry looks for a neighbour of the last depth instead, which
// touches fewer entries. The turns come with their inverses, so both ways
// find the same distances.
template <typename A, typename B>
DistanceTable Distances(int count_a, const std::vector<A>& turn_a, int count_b,
                        const std::vector<B>& turn_b, int turn_count) {
  DistanceTable table(count_a, count_b);
  PagedArray<uint8_t>& depth = table.raw();
  depth.assign(depth.size(), kUnknown);
  depth[0] = 0;
  size_t known = 1;
  for (uint8_t d = 0; known < depth.size(); ++d) {
    const bool backward = known > depth.size() / 2;
    const uint8_t wanted = backward ? kUnknown : d;
    for (int a = 0; a < count_a; ++a) {
      const A* next_a = &turn_a[static_cast<size_t>(a) * turn_count];
      for (int b = 0; b < count_b; ++b) {
        const size_t i = static_cast<size_t>(a) * count_b + b;
        if (depth[i] != wanted) continue;
        const B* next_b = &turn_b[static_cast<size_t>(b) * turn_count];
        for (int k = 0; k < turn_count; ++k) {
          const size_t j = static_cast<size_t>(next_a[k]) * count_b + next_b[k];
          if (backward) {
            if (depth[j] == d) {
              depth[i] = static_cast<uint8_t>(d + 1);
              ++known;
              break;
            }
          } else if (depth[j] == kUnknown) {
            depth[j] = static_cast<uint8_t>(d + 1);
            ++known;
          }
        }
      }
    }
  }
  return table;
}

std::array<int, kFaceTurnCount> AllFaceTurns() {
  std::array<int, kFaceTurnCount> turns;
  for (int t = 0; t < kFaceTurnCount; ++t) turns[t] = t;
  return turns;
}

// Breadth-first over cosets to kNearDepth turns, then the cosets one turn
// farther into the filter (some are met more than once; the filter does
// not mind).
void FillNear(const Tables& t, NearCosets& near, SevenFilter& seven) {
  near.Reset();
  seven.Reset();
  near.Add(0, 0);
  seven.Add(0);
  std::vector<uint32_t> frontier = {0};
  for (int depth = 0; depth <= NearCosets::kNearDepth; ++depth) {
    std::vector<uint32_t> next;
    for (uint32_t key : frontier) {
      const int slice = static_cast<int>(key % kSliceCount);
      const int flip = static_cast<int>(key / kSliceCount % kFlipCount);
      const int twist = static_cast<int>(key / kSliceCount / kFlipCount);
      std::array<uint32_t, kFaceTurnCount> neighbours;
      for (int turn = 0; turn < kFaceTurnCount; ++turn) {
        neighbours[turn] = CosetKey(t.twist_turn[twist * kFaceTurnCount + turn],
                                    t.flip_turn[flip * kFaceTurnCount + turn],
                                    t.slice_turn[slice * kFaceTurnCount + turn]);
      }
      seven.AddAll(neighbours);
      if (depth == NearCosets::kNearDepth) continue;
      for (uint32_t neighbour : neighbours) {
        if (near.Add(neighbour, depth + 1)) next.push_back(neighbour);
      }
    }
    frontier = std::move(next);
  }
}

}  // namespace

bool NearCosets::Add(uint32_t key, int depth) {
  for (size_t i = Slot(key);; i = (i + 1) & kMask) {
    if (keys_[i] == key) return false;
    if (keys_[i] == kEmpty) {
      keys_[i] = key;
      depth_[i] = static_cast<uint8_t>(depth);
      return true;
    }
  }
}

void NearCosets::Reset() {
  keys_.assign(kMask + 1, kEmpty);
  depth_.assign(kMask + 1, 0);
}

std::vector<int64_t> NearCosets::CountsByDepth() const {
  std::vector<int64_t> counts(kNearDepth + 1);
  ForEach([&](uint32_t, int depth) { ++counts[depth]; });
  return counts;
}

int Tables::Phase1Bound(int twist, int flip, int slice) const {
  const uint32_t key = CosetKey(twist, flip, slice);
  const int near_distance = near.Distance(key);
  if (near_distance <= NearCosets::kNearDepth) return near_distance;
  const int beyond =
      seven.MayContain(key) ? NearCosets::kNearDepth + 1 : NearCosets::kNearDepth + 2;
  return std::max(beyond, Phase1Estimate(twist, flip, slice));
}

std::vector<int64_t> DistanceTable::CountsByDepth() const {
  std::vector<int64_t> counts;
  for (size_t i = 0; i < depth_.size(); ++i) {
    const uint8_t d = depth_[i];
    if (d >= counts.size()) counts.resize(d + 1);
    ++counts[d];
  }
  return counts;
}

int Tables::Phase1Estimate(int twist, int flip, int slice) const {
  return std::max(
      {twist_slice.At(twist, slice), flip_slice.At(flip, slice), twist_flip.At(twist, flip)});
}

int Tables::Phase2Estimate(int corner_order, int edge_order, int slice_order) const {
  return std::max(corner_slice_order.At(corner_order, slice_order),
                  edge_slice_order.At(edge_order, slice_order));
}

size_t Tables::Bytes() const {
  return sizeof(uint16_t) * (twist_turn.size() + flip_turn.size() + slice_turn.size() +
                             corner_order_turn.size() + edge_order_turn.size()) +
         slice_order_turn.size() + twist_slice.size() + flip_slice.size() + twist_flip.size() +
         corner_slice_order.size() + edge_slice_order.size() + near.Bytes() + seven.Bytes();
}

Tables BuildTables() {
  const std::array<int, kFaceTurnCount> all = AllFaceTurns();
  const int* p2 = kPhase2Turns.data();
  Tables t;
  t.twist_turn =
      TurnTable<uint16_t>(kTwistCount, all.data(), kFaceTurnCount, CubeWithTwist, TwistOf);
  t.flip_turn = TurnTable<uint16_t>(kFlipCount, all.data(), kFaceTurnCount, CubeWithFlip, FlipOf);
  t.slice_turn =
      TurnTable<uint16_t>(kSliceCount, all.data(), kFaceTurnCount, CubeWithSlice, SliceOf);
  t.corner_order_turn = TurnTable<uint16_t>(kCornerOrderCount, p2, kPhase2TurnCount,
                                            CubeWithCornerOrder, CornerOrderOf);
  t.edge_order_turn =
      TurnTable<uint16_t>(kEdgeOrderCount, p2, kPhase2TurnCount, CubeWithEdgeOrder, EdgeOrderOf);
  t.slice_order_turn =
      TurnTable<uint8_t>(kSliceOrderCount, p2, kPhase2TurnCount, CubeWithSliceOrder, SliceOrderOf);

  // The cosets near phase 2's group need only the phase-1 turn tables: a
  // second thread finds them while this one fills the pair tables.
  std::thread near_thread([&t] { FillNear(t, t.near, t.seven); });
  t.twist_slice = Distances(kTwistCount, t.twist_turn, kSliceCount, t.slice_turn, kFaceTurnCount);
  t.flip_slice = Distances(kFlipCount, t.flip_turn, kSliceCount, t.slice_turn, kFaceTurnCount);
  t.twist_flip = Distances(kTwistCount, t.twist_turn, kFlipCount, t.flip_turn, kFaceTurnCount);
  t.corner_slice_order = Distances(kCornerOrderCount, t.corner_order_turn, kSliceOrderCount,
                                   t.slice_order_turn, kPhase2TurnCount);
  t.edge_slice_order = Distances(kEdgeOrderCount, t.edge_order_turn, kSliceOrderCount,
                                 t.slice_order_turn, kPhase2TurnCount);
  near_thread.join();
  return t;
}

const Tables& SharedTables() {
  static std::once_flag once;
  static Tables tables;
  std::call_once(once, [] { tables = BuildTables(); });
  return tables;
}

}  // namespace rq51::shortest
