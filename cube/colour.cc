#include "cube/colour.h"

#include "cube/translation.h"

namespace rq51 {

const std::array<ColourInfo, kColourCount>& ColourTable() {
  // Orange is shown in fuchsia, as the windows always have.
  static constexpr std::array<ColourInfo, kColourCount> kTable = {{
      {Colour::kGreen, "G", "clGreen", {0, 128, 0}, "GreenBtn", RQ51_TR_NOOP("Colour", "緑")},
      {Colour::kRed, "R", "clRed", {255, 0, 0}, "RedBtn", RQ51_TR_NOOP("Colour", "赤")},
      {Colour::kBlue, "B", "clBlue", {0, 0, 255}, "BlueBtn", RQ51_TR_NOOP("Colour", "青")},
      {Colour::kOrange,
       "O",
       "clFuchsia",
       {255, 0, 255},
       "OrangeBtn",
       RQ51_TR_NOOP("Colour", "オレンジ")},
      {Colour::kWhite, "W", "clWhite", {255, 255, 255}, "WhiteBtn", RQ51_TR_NOOP("Colour", "白")},
      {Colour::kYellow, "Y", "clYellow", {255, 255, 0}, "YellowBtn", RQ51_TR_NOOP("Colour", "黄")},
  }};
  return kTable;
}

const ColourInfo* InfoOf(Colour colour) {
  if (colour == Colour::kNone) return nullptr;
  return &ColourTable()[static_cast<size_t>(colour) - 1];
}

std::string_view LetterOf(Colour colour) {
  const ColourInfo* info = InfoOf(colour);
  return info != nullptr ? info->letter : std::string_view();
}

std::optional<Colour> ColourOfLetter(std::string_view letter) {
  for (const ColourInfo& info : ColourTable()) {
    if (info.letter == letter) return info.colour;
  }
  return std::nullopt;
}

std::string_view DisplayNameOf(Colour colour) {
  const ColourInfo* info = InfoOf(colour);
  return info != nullptr ? info->display_name : std::string_view();
}

Rgb RgbOf(Colour colour) {
  const ColourInfo* info = InfoOf(colour);
  return info != nullptr ? info->rgb : kUnpainted;
}

Colour OppositeOf(Colour colour) {
  switch (colour) {
    case Colour::kGreen:
      return Colour::kBlue;
    case Colour::kBlue:
      return Colour::kGreen;
    case Colour::kRed:
      return Colour::kOrange;
    case Colour::kOrange:
      return Colour::kRed;
    case Colour::kWhite:
      return Colour::kYellow;
    case Colour::kYellow:
      return Colour::kWhite;
    case Colour::kNone:
      break;
  }
  return Colour::kNone;
}

}  // namespace rq51
