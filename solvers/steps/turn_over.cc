#include "solvers/steps/turn_over.h"

namespace rq51::steps {

const ReHold& TurnOver() {
  // Face 1 takes the colour now at 23, face 2 the one at 32, face 3 at 5,
  // face 4 at 14; left and right stay.
  static const ReHold kTurnOver{
      {23, 32, 5, 14, 41, 50},
      MapOfMoves({Move{BaseTurn::kRx, 2}, Move{BaseTurn::kMx, 2}, Move{BaseTurn::kLx, 2}})};
  return kTurnOver;
}

Stage TurnOverStage(std::string_view caption) {
  return Stage{"Mochikae", caption, 0, {TurnOver()}};
}

}  // namespace rq51::steps
