#include "shortest/reference_solution.h"

#include <optional>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/standard_notation.h"
#include "shortest/cubie.h"
#include "shortest/search.h"

namespace rq51::shortest {

namespace {

std::string StandardWord(const ReferenceTurn& turn) {
  std::string word(1, turn.name);
  if (turn.power == 2) word += '2';
  if (turn.power == 3) word += '\'';
  return word;
}

std::vector<Move> MovesOf(const ReferenceTurn& turn) {
  return StandardTurnMoves(StandardWord(turn)).value_or(std::vector<Move>{});
}

// The whole-cube turns, at most one per axis in the order x, y, z and as
// few as can be, after which a cube whose faces show their centres' colours
// shows the face colours the corner at 18, 25, 45 gives: bottom, back and
// left its colours, top, front and right their opposites.
std::vector<ReferenceTurn> TurnsHome(const StickerColours& colours) {
  std::array<Colour, kFaceCount + 1> wanted{};
  wanted[2] = colours[kReferenceCorner[0]];
  wanted[3] = colours[kReferenceCorner[1]];
  wanted[5] = colours[kReferenceCorner[2]];
  wanted[4] = OppositeOf(wanted[2]);
  wanted[1] = OppositeOf(wanted[3]);
  wanted[6] = OppositeOf(wanted[5]);
  std::vector<ReferenceTurn> best;
  bool found = false;
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 4; ++y) {
      for (int z = 0; z < 4; ++z) {
        std::vector<ReferenceTurn> turns;
        for (const ReferenceTurn& turn :
             {ReferenceTurn{'x', x}, ReferenceTurn{'y', y}, ReferenceTurn{'z', z}}) {
          if (turn.power != 0) turns.push_back(turn);
        }
        if (found && turns.size() >= best.size()) continue;
        std::vector<Move> moves;
        for (const ReferenceTurn& turn : turns) {
          for (const Move& move : MovesOf(turn)) moves.push_back(move);
        }
        const FaceletMap map = MapOfMoves(moves);
        bool home = true;
        for (int face = 1; face <= kFaceCount; ++face) {
          home = home && colours[map(CentreOf(face))] == wanted[face];
        }
        if (home) {
          best = turns;
          found = true;
        }
      }
    }
  }
  return best;
}

}  // namespace

ReferenceSolution FindReferenceSolution(const StickerColours& colours, FaceColourRule hold,
                                        const ReferenceLimits& limits) {
  ReferenceSolution solution;
  const std::optional<CubieCube> cube =
      CheckRealArrangement(colours, hold) == ArrangementFault::kReal ? CubieFromColours(colours)
                                                                     : std::nullopt;
  if (!cube) {
    solution.fault = DiagnoseArrangement(colours, hold);
    solution.outcome = ReferenceOutcome::kRefused;
    return solution;
  }
  const std::vector<ReferenceTurn> home =
      hold == FaceColourRule::kReferenceCorner ? TurnsHome(colours) : std::vector<ReferenceTurn>{};
  const SearchLimits search_limits{limits.max_length, limits.node_budget, limits.cancel};
  const SearchResult result = SearchSolution(*cube, search_limits);
  solution.nodes = result.nodes;
  if (result.found) {
    for (int turn : result.turns) {
      solution.turns.push_back({kFaceLetters[FaceOfTurn(turn)], PowerOfTurn(turn)});
    }
    solution.turns.insert(solution.turns.end(), home.begin(), home.end());
  }
  if (result.bound_met) {
    solution.outcome = ReferenceOutcome::kFound;
  } else if (result.cancelled) {
    solution.outcome = ReferenceOutcome::kCancelled;
  } else if (result.bound_impossible) {
    solution.outcome = ReferenceOutcome::kImpossible;
  } else {
    solution.outcome = result.found ? ReferenceOutcome::kLonger : ReferenceOutcome::kNotFound;
  }
  return solution;
}

std::string ProgramText(const std::vector<ReferenceTurn>& turns) {
  std::string text;
  for (const ReferenceTurn& turn : turns) {
    if (!text.empty()) text += ' ';
    text += LogText(MovesOf(turn));
  }
  return text;
}

std::string StandardText(const std::vector<ReferenceTurn>& turns) {
  std::string text;
  for (const ReferenceTurn& turn : turns) {
    if (!text.empty()) text += ' ';
    text += StandardWord(turn);
  }
  return text;
}

std::vector<Move> ProgramMoves(const std::vector<ReferenceTurn>& turns) {
  std::vector<Move> moves;
  for (const ReferenceTurn& turn : turns) {
    for (const Move& move : MovesOf(turn)) moves.push_back(move);
  }
  return moves;
}

}  // namespace rq51::shortest
