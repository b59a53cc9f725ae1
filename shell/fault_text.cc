#include "shell/fault_text.h"

#include <string_view>
#include <vector>

#include "cube/colour.h"

namespace rq51 {

namespace {

std::string Caption(Colour colour) {
  const ColourInfo* info = InfoOf(colour);
  return info != nullptr ? std::string(info->caption) : std::string("色なし");
}

std::string Join(const std::vector<std::string>& items, std::string_view joiner) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += joiner;
    text += item;
  }
  return text;
}

// "（緑・赤・黄）": the colours a piece shows.
std::string Shown(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> captions;
  for (Colour colour : diagnosis.shown) captions.push_back(Caption(colour));
  return "（" + Join(captions, "・") + "）";
}

// "A1" or "A1とA3".
std::string Slots(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> labels(diagnosis.slot_labels.begin(), diagnosis.slot_labels.end());
  return Join(labels, "と");
}

// "緑と青、赤とオレンジ、白と黄": the colours that face each other.
std::string OppositePairs() {
  std::vector<std::string> pairs;
  std::vector<Colour> named;
  for (const ColourInfo& info : ColourTable()) {
    const Colour opposite = OppositeOf(info.colour);
    bool seen = false;
    for (Colour colour : named) seen = seen || colour == info.colour;
    if (seen) continue;
    named.push_back(opposite);
    pairs.push_back(std::string(info.caption) + "と" + Caption(opposite));
  }
  return Join(pairs, "、");
}

}  // namespace

std::string FaultText(const ArrangementDiagnosis& diagnosis) {
  switch (diagnosis.kind) {
    case FaultKind::kNone:
      // A refusal no rule explains can only come from pieces that could not
      // be told apart.
      return diagnosis.rule == FaultRule::kNone ? "" : "見分けられないピースがあります。";
    case FaultKind::kColourCounts: {
      std::vector<std::string> counts;
      for (const ColourInfo& info : ColourTable()) {
        const int count = diagnosis.counts[static_cast<size_t>(info.colour)];
        if (count != 9)
          counts.push_back(std::string(info.caption) + "が" + std::to_string(count) + "個");
      }
      if (diagnosis.counts[0] > 0) {
        counts.push_back("色のないマスが" + std::to_string(diagnosis.counts[0]) + "個");
      }
      return Join(counts, "、") + "あります。各色とも9個ずつのはずです。";
    }
    case FaultKind::kCentreRepeated:
      return "センターに同じ色" + Shown(diagnosis) + "が" +
             std::to_string(diagnosis.centres.size()) + "つあります。";
    case FaultKind::kCentresNotOpposite:
      return "向かい合うセンターの色の組が合いません（" + OppositePairs() + "が向かい合います）。";
    case FaultKind::kCentresMirrored:
      return "センターの並びが、鏡に映したように逆になっています。";
    case FaultKind::kNoSuchCorner:
      return Slots(diagnosis) + "のコーナー" + Shown(diagnosis) +
             "は、実際のキューブにはありません。";
    case FaultKind::kNoSuchEdge:
      return Slots(diagnosis) + "のエッジ" + Shown(diagnosis) +
             "は、実際のキューブにはありません。";
    case FaultKind::kCornerTwice:
      return Slots(diagnosis) + "に同じコーナー" + Shown(diagnosis) + "があります。";
    case FaultKind::kEdgeTwice:
      return Slots(diagnosis) + "に同じエッジ" + Shown(diagnosis) + "があります。";
    case FaultKind::kTwist:
      return "コーナーのねじれが合いません（コーナーが1個、ねじれてはまっています）。";
    case FaultKind::kFlip:
      return "エッジの向きが合いません（エッジが1個、裏返しにはまっています）。";
    case FaultKind::kParity:
      return "ピースの並びが合いません（2個のピースが入れ替わっています）。";
  }
  return "";
}

}  // namespace rq51
