// One turn as a person performs it on a real cube: a layer turned (one of the
// 27 moves), or the whole cube turned about an axis, its three layers at once
// in the sense of that axis's moves.
#pragma once

#include <optional>

#include "cube/moves.h"

namespace rq51 {

struct Turn {
  // The layer and how far it turns; for a whole-cube turn the axis and how
  // far, with the R layer's base turn (Rx, Ry or Rz).
  Move move;
  bool whole_cube = false;
  bool operator==(const Turn&) const = default;
};

// The whole cube turned about the axis of `base` by `power` quarter turns.
Turn WholeCubeTurn(BaseTurn base, int power);
FaceletMap MapOfTurn(const Turn& turn);
// The whole-cube turn whose map is `map`, if there is one.
std::optional<Turn> WholeCubeTurnWithMap(const FaceletMap& map);

}  // namespace rq51
