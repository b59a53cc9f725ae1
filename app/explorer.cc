#include "app/explorer.h"

#include "cube/number_text.h"

namespace rq51 {

Rgb ExplorerColourOfHome(int home) {
  static constexpr std::array<Colour, kFaceCount> kColours = {Colour::kGreen, Colour::kOrange,
                                                              Colour::kBlue,  Colour::kRed,
                                                              Colour::kWhite, Colour::kYellow};
  if (home < 1 || home > kFaceletCount) return kUnpainted;
  return RgbOf(kColours[FaceOf(home) - 1]);
}

Explorer::Explorer() {
  selected_ = Move{BaseTurn::kRx, 1};
  ResetClick();
}

void Explorer::ResetClick() {
  for (int p = 1; p <= kFaceletCount; ++p) home_[p] = p;
  RedrawNet();
  word_.clear();
}

void Explorer::TransClick() {
  const std::string name = LogName(selected_);
  word_ = word_.empty() ? name : word_ + std::string(kWordJoiner) + name;
  home_ = ApplyToState(MoveMap(selected_), home_);
  RedrawNet();
}

void Explorer::NumdukeClick() {
  const bool numbering_on = !net_[1].text.empty();
  for (int p = 1; p <= kFaceletCount; ++p) {
    net_[p].text = numbering_on ? std::string() : Format2d(home_[p]);
  }
}

void Explorer::RedrawNet() {
  for (int p = 1; p <= kFaceletCount; ++p) {
    colour_[p] = ExplorerColourOfHome(home_[p]);
    net_[p].colour = colour_[p];
  }
  ListCycles();
}

int Explorer::PositionOfHome(int home) const {
  for (int p = 1; p <= kFaceletCount; ++p) {
    if (home_[p] == home) return p;
  }
  return 0;
}

// Every cycle gets its own row: a trace starts only from a moved sticker
// that no earlier row contains, and stickers are visited in ascending order,
// so each row starts with its cycle's smallest member and the rows come out
// ordered by it. A permutation of 54 points has at most 27 cycles of length
// two or more, so rows 3..29 always hold them all.
void Explorer::ListCycles() {
  for (auto& row : cycles_) row.fill(std::string());
  cycles_[0][0] = "id";

  std::array<int, kFaceletCount + 1> where{};  // home number -> position
  for (int p = 1; p <= kFaceletCount; ++p) where[home_[p]] = p;

  int moved = 0;
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (where[i] == i) continue;
    cycles_[0][moved] = Format2d(i);
    cycles_[1][moved] = Format2d(where[i]);
    ++moved;
  }

  std::array<bool, kFaceletCount + 1> listed{};
  int row = kFirstCycleRow;
  for (int start = 1; start <= kFaceletCount && row < kCycleRows; ++start) {
    if (where[start] == start || listed[start]) continue;
    int column = 1;
    for (int s = start; !listed[s] && column < kCycleColumns; s = where[s]) {
      listed[s] = true;
      cycles_[row][column++] = Format2d(s);
    }
    ++row;
  }
}

}  // namespace rq51
