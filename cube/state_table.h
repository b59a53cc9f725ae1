// The cube of one solver window: for every position the colour of the
// sticker there, its face code, its home facelet and its cubie label, with
// the operations that fill, identify, move and query it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cube/facelets.h"
#include "cube/moves.h"

namespace rq51 {

// How the six face colours are found from an entry.
enum class FaceColourRule {
  kReferenceCorner,  // from the corner at 18, 25, 45 (corners-first windows)
  kCentre,           // from the six centres
};

// One position of the table. The numeric fields read 0 where the table is
// empty.
struct StateRow {
  std::string colour;   // colour letter of the sticker here, or the grid's text
  int home = 0;         // home facelet of the sticker here
  std::string label;    // cubie label of the sticker's cubie ("A1", "B24")
  std::string display;  // name of the colour the net shows here ("clGreen")
  int code = 0;         // face code of the sticker here
};

// Texts of the six colour-entry grids: [grid 1..6][column 0..2][row 0..2].
using GridTexts = std::array<std::array<std::array<std::string, 3>, 3>, kFaceCount + 1>;

// "G", "R", "B", "O", "W", "Y": true for these six only.
bool IsColourLetter(std::string_view text);
// The opposite colour letter ("G" <-> "B", "R" <-> "O", "W" <-> "Y"); empty
// for anything else.
std::string_view OppositeColour(std::string_view letter);

class StateTable {
 public:
  StateTable() = default;

  StateRow& row(int position) { return rows_[position]; }
  const StateRow& row(int position) const { return rows_[position]; }
  int Home(int position) const { return rows_[position].home; }
  const std::string& face_colour(int face) const { return face_colours_[face]; }
  void set_face_colour(int face, std::string colour) { face_colours_[face] = std::move(colour); }

  // Copies the grid texts into the colour column, sets the face colours by
  // `rule` and gives every sticker the code of its colour's face.
  void ReadGrids(const GridTexts& grids, FaceColourRule rule);
  void AssignFaceColours(FaceColourRule rule);
  // Gives every sticker the code of the face whose colour it shows; the last
  // matching face wins and a colour that matches none keeps its old code.
  void AssignCodes();
  // Writes home facelets and labels for every slot whose codes name a
  // cubie. Slots that are not recognised keep what they held.
  void IdentifyAll();
  // Moves colour, home, label and code of every sticker by `map`.
  void ApplyMap(const FaceletMap& map);
  // The last position holding home k, or 0.
  int PositionOfHome(int k) const;
  // The slot label of PositionOfHome(k); empty for a centre or 0.
  std::string_view SlotLabelOfHome(int k) const;
  // Exactly nine "Y" stickers and every home number 1..54 exactly once.
  bool CountsAreConsistent() const;
  // Every position holds its own home number.
  bool IsSolved() const;

 private:
  std::array<StateRow, kFaceletCount + 1> rows_{};
  std::array<std::string, kFaceCount + 1> face_colours_{};
};

}  // namespace rq51
