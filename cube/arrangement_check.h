// Whether 54 entered colours can be a real cube.
#pragma once

#include <array>
#include <string_view>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/state_table.h"

namespace rq51 {

// The first rule an arrangement breaks, in the order they are tested.
enum class ArrangementFault {
  kReal,         // a real cube can look like this
  kCounts,       // not nine "Y", or home numbers missing or repeated
  kLetters,      // a cell without one of the six letters, or a letter not nine times
  kFaceColours,  // centres not distinct and opposite / reference corner not three axes
  kPieces,       // a corner or edge not recognised exactly once, or a mirrored corner
  kCentres,      // centres not a rotation of the solved arrangement
  kCornerTwist,  // corner twists do not sum to 0 mod 3
  kEdgeFlip,     // an odd number of edges flipped
  kParity,       // permutation parity impossible
};

// A short English name of the fault, for logs and the command line.
std::string_view FaultName(ArrangementFault fault);

// Tests the colours (index 1..54) afresh, deriving every piece from them
// alone; `rule` decides how faces get their colours.
using StickerColours = std::array<Colour, kFaceletCount + 1>;
ArrangementFault CheckRealArrangement(const StickerColours& colours, FaceColourRule rule);

// The colour column of a table, index 1..54.
StickerColours ColoursOf(const StateTable& table);

// The whole verdict on an entry that has been read and identified: first the
// counts of "Y" stickers and home numbers (kCounts), then the colours alone
// as CheckRealArrangement does.
ArrangementFault CheckEnteredArrangement(const StateTable& table, FaceColourRule rule);

}  // namespace rq51
