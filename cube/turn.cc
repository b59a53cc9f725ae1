#include "cube/turn.h"

namespace rq51 {

Turn WholeCubeTurn(BaseTurn base, int power) {
  return Turn{Move{static_cast<BaseTurn>(AxisOf(base)), power}, true};
}

FaceletMap MapOfTurn(const Turn& turn) {
  if (!turn.whole_cube) return MoveMap(turn.move);
  const int axis = AxisOf(turn.move.base);
  // Turns of one axis commute, so the order of the three layers is free.
  return MapOfMoves({Move{static_cast<BaseTurn>(axis), turn.move.power},
                     Move{static_cast<BaseTurn>(axis + 3), turn.move.power},
                     Move{static_cast<BaseTurn>(axis + 6), turn.move.power}});
}

std::optional<Turn> WholeCubeTurnWithMap(const FaceletMap& map) {
  for (BaseTurn base : {BaseTurn::kRx, BaseTurn::kRy, BaseTurn::kRz}) {
    for (int power = 1; power <= 3; ++power) {
      const Turn turn = WholeCubeTurn(base, power);
      if (MapOfTurn(turn) == map) return turn;
    }
  }
  return std::nullopt;
}

}  // namespace rq51
