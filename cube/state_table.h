// The cube of one solver window: for every position the colour of the
// sticker there, its face code, its home facelet and its cubie, with the
// operations that fill, identify, move and query it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"

namespace rq51 {

// How the six face colours are found from an entry.
enum class FaceColourRule {
  kReferenceCorner,  // from the corner at 18, 25, 45 (corners-first windows)
  kCentre,           // from the six centres
};

// How the net paints a position: in the colour of the sticker there, or in
// the fixed colour of the face its code names (the corners-first exercise
// window).
enum class NetPalette { kStickerColour, kHomeFace };

// Colours of the six colour-entry grids: [grid 1..6][column 0..2][row 0..2].
using GridColours = std::array<std::array<std::array<Colour, 3>, 3>, kFaceCount + 1>;

// The fixed colour of face k on the corners-first net and on a solved cube
// as the command line paints it: front green, bottom red, back blue, top
// orange, left white, right yellow. Face 0 (no face) is yellow.
Colour HomeFaceColour(int face);

// One position, packed so that moving the whole table is a copy of 54 small
// words. Every field travels with its sticker.
struct Sticker {
  Colour colour = Colour::kNone;
  uint8_t home = 0;   // home facelet, 0 while unknown
  uint8_t cubie = 0;  // 1..8 corner slots, 9..20 edge slots in identification order; 0 none
  uint8_t face = 0;   // face whose code the sticker carries, 0 for none
  bool operator==(const Sticker&) const = default;
};

// A reading of one position with the texts the table shows.
struct StateRow {
  Colour colour;
  int home;
  std::string_view label;    // "A1", "B24", or empty
  std::string_view display;  // "clGreen" ..., or empty before the first redraw
  int code;                  // face code, 0 for none
};

class StateTable {
 public:
  StateTable() = default;

  Colour colour(int position) const { return stickers_[position].colour; }
  int Home(int position) const { return stickers_[position].home; }
  int Code(int position) const;
  std::string_view Label(int position) const;
  // The colour the last redraw of the net gave this position; kNone before
  // the first redraw.
  Colour Display(int position) const;
  StateRow row(int position) const;

  Colour face_colour(int face) const { return face_colours_[face]; }
  void set_face_colour(int face, Colour colour) { face_colours_[face] = colour; }

  // Copies the grid colours into the table, sets the face colours by `rule`
  // and gives every sticker the code of its colour's face.
  void ReadGrids(const GridColours& grids, FaceColourRule rule);
  void AssignFaceColours(FaceColourRule rule);
  // Gives every sticker the code of the face whose colour it shows; the last
  // matching face wins and a colour that matches none keeps its old code.
  void AssignCodes();
  // Writes home facelets and labels for every slot whose codes name a
  // cubie. Slots that are not recognised keep what they held.
  void IdentifyAll();
  // Moves colour, home, cubie and code of every sticker by `map`; every entry
  // is read before any is written.
  void ApplyMap(const FaceletMap& map);
  // The net has been redrawn in `palette`: from now on Display follows the
  // stickers.
  void MarkDrawn(NetPalette palette) { drawn_ = palette; }
  // Writes a home number alone, as a mistyped entry can leave it; for tests
  // of states a real cube never shows.
  void SetHomeForTesting(int position, int home) {
    stickers_[position].home = static_cast<uint8_t>(home);
  }

  // The last position holding home k, or 0.
  int PositionOfHome(int k) const;
  // The slot label of PositionOfHome(k); empty for a centre or 0.
  std::string_view SlotLabelOfHome(int k) const;
  // Exactly nine yellow stickers and every home number 1..54 exactly once.
  bool CountsAreConsistent() const;
  // Every position holds its own home number.
  bool IsSolved() const;

  bool operator==(const StateTable&) const = default;

 private:
  void IdentifySlot(const int* facelets, int size, int first_cubie, int cubies);

  std::array<Sticker, kFaceletCount + 1> stickers_{};
  std::array<Colour, kFaceCount + 1> face_colours_{};
  std::optional<NetPalette> drawn_;
};

}  // namespace rq51
