// Whether 54 entered colours can be a real cube.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// --- The named fault ----------------------------------------------------------
// What a person who entered the colours should look at, tested in its own
// order: the colours, the centres, the pieces, the corner twists, the edge
// flips and the parity; the first rule that fails is named. The verdict
// stays CheckEnteredArrangement's; this only explains it.
enum class FaultRule : uint8_t { kNone, kColours, kCentres, kPieces, kTwist, kFlip, kParity };

enum class FaultKind : uint8_t {
  kNone,
  kColourCounts,        // a colour not nine times, or cells without a colour
  kCentreRepeated,      // two centres show one colour
  kCentresNotOpposite,  // opposite centres that do not show opposite colours
  kCentresMirrored,     // the centres are the mirror image of a real cube's
  kNoSuchCorner,        // a corner slot holds colours no corner has (or a mirrored corner)
  kNoSuchEdge,          // an edge slot holds colours no edge has
  kCornerTwice,         // two corner slots hold the same corner
  kEdgeTwice,           // two edge slots hold the same edge
  kTwist,               // the corner twists do not add up
  kFlip,                // an odd number of edges flipped
  kParity,              // two pieces exchanged
};

struct ArrangementDiagnosis {
  FaultRule rule = FaultRule::kNone;
  FaultKind kind = FaultKind::kNone;
  // Stickers of each colour, indexed by Colour; [0] counts cells without one.
  std::array<int, kColourCount + 1> counts{};
  // The slot of a piece that does not exist, or the two slots of a piece
  // found twice ("A1", "B24").
  std::vector<std::string_view> slot_labels;
  // The centre facelets concerned.
  std::vector<int> centres;
  // The colours the named piece or the repeated centre shows.
  std::vector<Colour> shown;
  // Every cell the fault concerns, as facelets in ascending order; empty for
  // a fault that has no place (mirrored centres, twist, flip, parity).
  std::vector<int> facelets;
  bool operator==(const ArrangementDiagnosis&) const = default;
};

ArrangementDiagnosis DiagnoseArrangement(const StickerColours& colours, FaceColourRule rule);

// "colours", "centres", "pieces", "twist", "flip", "parity"; empty for kNone.
std::string_view FaultRuleName(FaultRule rule);
// Where the fault is, for the command line: "G:10 O:8 empty:1" (colours
// whose count is not nine, cells without one), "5 14 23 32" (centre
// facelets), "A1 A3" (slots); empty when the fault has no place.
std::string FaultPlaceText(const ArrangementDiagnosis& diagnosis);

}  // namespace rq51
