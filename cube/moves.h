// Facelet maps and the 27 turns of the cube.
//
// A FaceletMap m says, for every position i, which position's sticker
// arrives at i: applying m to a state s gives s'(i) = s(m(i)) for all i at
// once. A sequence t1 t2 ... tn performed in this order has the single map
// i -> t1(t2(...tn(i))).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/facelets.h"

namespace rq51 {

class FaceletMap {
 public:
  // The identity.
  constexpr FaceletMap() {
    for (int i = 0; i <= kFaceletCount; ++i) to_[i] = static_cast<uint8_t>(i);
  }
  static FaceletMap Identity() { return FaceletMap(); }

  // m(i) for i in 1..54.
  int operator()(int i) const { return to_[i]; }
  void Set(int i, int from) { to_[i] = static_cast<uint8_t>(from); }
  bool IsIdentity() const { return *this == FaceletMap(); }
  // True when the 54 entries form a permutation of 1..54.
  bool IsPermutation() const;

  bool operator==(const FaceletMap& other) const = default;

 private:
  std::array<uint8_t, kFaceletCount + 1> to_{};
};

// i -> a(b(i)): perform a, then b.
FaceletMap Compose(const FaceletMap& a, const FaceletMap& b);
// p composed with itself k times (the identity for k <= 0).
FaceletMap Power(const FaceletMap& p, int k);
// The map that undoes p.
FaceletMap Inverse(const FaceletMap& p);

// Applies m to per-position data (index 0 is left alone): every entry is
// computed from the old state before any is written.
template <typename T>
std::array<T, kFaceletCount + 1> ApplyToState(const FaceletMap& m,
                                              const std::array<T, kFaceletCount + 1>& state) {
  std::array<T, kFaceletCount + 1> next = state;
  for (int i = 1; i <= kFaceletCount; ++i) next[i] = state[m(i)];
  return next;
}

// The nine base quarter turns: layer R, M or L on axis x, y or z.
enum class BaseTurn : uint8_t { kRx, kRy, kRz, kLx, kLy, kLz, kMx, kMy, kMz };
inline constexpr int kBaseTurnCount = 9;

// The axis of a base turn (0 x, 1 y, 2 z) and its layer (0 R, 1 L, 2 M).
// Turns on one axis commute with each other.
constexpr int AxisOf(BaseTurn base) { return static_cast<int>(base) % 3; }
constexpr int LayerOf(BaseTurn base) { return static_cast<int>(base) / 3; }

struct Move {
  BaseTurn base;
  int power;  // 1, 2 or 3
  bool operator==(const Move&) const = default;
};

// "Rx", "Ry", ... "Mz".
std::string_view BaseName(BaseTurn base);
const FaceletMap& BaseMap(BaseTurn base);
// X, X∘X or X∘X∘X.
const FaceletMap& MoveMap(Move move);
// The 27 moves in button order: Rx, Rx2, Rx3, Ry, ..., Mz3.
const std::array<Move, 27>& AllMoves();
// Button name: "Rx", "Rx2", "Rx3".
std::string ButtonName(Move move);
// Name in logs: "Rx", "Rx2", "Rx-".
std::string LogName(Move move);
// Reads a button name ("Rx3") or a log name ("Rx-"); nothing else.
std::optional<Move> MoveFromName(std::string_view name);
// The map of a sequence performed in order.
FaceletMap MapOfMoves(const std::vector<Move>& moves);
// A sequence in log notation without blanks: "RxRy2Rz-".
std::string LogText(const std::vector<Move>& moves);

}  // namespace rq51
