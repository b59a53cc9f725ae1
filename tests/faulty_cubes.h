// Cubes no real cube can be, one for each fault a refused entry is named by,
// with the rule, the place and a phrase of the text the window names it by.
// The same under both face-colour rules.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/facelets.h"

namespace rq51::test {

struct FaultyCube {
  const char* name;
  std::array<Colour, kFaceletCount + 1> colours;
  FaultRule rule;
  const char* place;          // as FaultPlaceText writes it
  const char* phrase;         // part of FaultLabel's text
  std::vector<int> outlined;  // the cells outlined, as facelets
};

inline std::vector<FaultyCube> FaultyCubes() {
  // Front green, bottom red, back blue, top orange, left white, right yellow.
  std::array<Colour, kFaceletCount + 1> solved{};
  constexpr Colour kFaces[] = {Colour::kNone,   Colour::kGreen, Colour::kRed,   Colour::kBlue,
                               Colour::kOrange, Colour::kWhite, Colour::kYellow};
  for (int k = 1; k <= kFaceletCount; ++k) solved[k] = kFaces[FaceOf(k)];
  auto swapped = [&](std::vector<std::pair<int, int>> pairs) {
    auto colours = solved;
    for (auto [a, b] : pairs) std::swap(colours[a], colours[b]);
    return colours;
  };
  auto recoloured = solved;
  recoloured[30] = Colour::kGreen;
  std::vector<int> greens = {1, 2, 3, 4, 5, 6, 7, 8, 9, 30};
  return {
      // Corner A1 (1, 30, 52) turned a third in its slot.
      {"twisted corner", swapped({{1, 30}, {30, 52}}), FaultRule::kTwist, "", "ねじれ", {}},
      {"flipped edge", swapped({{4, 33}}), FaultRule::kFlip, "", "裏返し", {}},
      // B2 and B8 exchanged, each keeping its front sticker at the front.
      {"two edges exchanged", swapped({{53, 38}}), FaultRule::kParity, "", "入れ替わって", {}},
      // A1 and A21 exchanged by the quarter turn that carries one onto the
      // other.
      {"two corners exchanged",
       swapped({{1, 46}, {30, 28}, {52, 21}}),
       FaultRule::kParity,
       "",
       "入れ替わって",
       {}},
      {"recoloured sticker", recoloured, FaultRule::kColours, "G:10 O:8",
       "緑が10個、オレンジが8個あります", greens},
      {"front and bottom centres exchanged",
       swapped({{5, 14}}),
       FaultRule::kCentres,
       "5 14 23 32",
       "向かい合うセンター",
       {5, 14, 23, 32}},
      {"left and right centres exchanged",
       swapped({{41, 50}}),
       FaultRule::kCentres,
       "",
       "鏡に映した",
       {}},
      {"mirrored corner",
       swapped({{30, 52}}),
       FaultRule::kPieces,
       "A1",
       "A1のコーナー（緑・黄・オレンジ）",
       {1, 30, 52}},
      // B2 shows green and red, the edge B6 holds.
      {"edge twice",
       swapped({{53, 11}}),
       FaultRule::kPieces,
       "B2 B6",
       "B2とB6に同じエッジ（緑・赤）",
       {2, 6, 13, 53}},
  };
}

}  // namespace rq51::test
