// The six sticker colours and everything the program writes about them: the
// letter a grid cell shows, the name of the colour the net is painted in,
// its RGB value, and the radio button that chooses it. No other file spells
// a colour out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rq51 {

// A sticker's colour, or none: an empty grid cell, or a net cell that has
// not been drawn yet.
enum class Colour : uint8_t { kNone, kGreen, kRed, kBlue, kOrange, kWhite, kYellow };
inline constexpr int kColourCount = 6;

// A colour on the screen; white unless set.
struct Rgb {
  int red = 255;
  int green = 255;
  int blue = 255;
  bool operator==(const Rgb&) const = default;
};
// What a cell shows before anything paints it.
inline constexpr Rgb kUnpainted{};

struct ColourInfo {
  Colour colour;
  std::string_view letter;        // "G" in the grids and on the command line
  std::string_view display_name;  // "clGreen": the name the net is painted by
  Rgb rgb;
  std::string_view button;  // "GreenBtn"
  // "緑": the name of the colour, marked for translation under "Colour"
  // (Tr("Colour", caption.data()) gives it in the language of the moment).
  std::string_view caption;
};

// The six colours in the order of their buttons.
const std::array<ColourInfo, kColourCount>& ColourTable();
// The row of a colour; kNone has none.
const ColourInfo* InfoOf(Colour colour);

// "G" ... "Y"; empty for kNone.
std::string_view LetterOf(Colour colour);
// The colour a letter names; nullopt for anything but the six letters.
std::optional<Colour> ColourOfLetter(std::string_view letter);
// "clGreen" ... "clYellow"; empty for kNone (a net cell never drawn).
std::string_view DisplayNameOf(Colour colour);
// The RGB value; white for kNone, as an unpainted cell shows.
Rgb RgbOf(Colour colour);
// Green and blue, red and orange, white and yellow are opposite; kNone has no
// opposite.
Colour OppositeOf(Colour colour);

}  // namespace rq51
