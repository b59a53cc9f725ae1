#include "shell/fault_text.h"

#include <string_view>
#include <vector>

#include "cube/colour.h"
#include "cube/translation.h"

namespace rq51 {

namespace {

std::string FaultColourCaption(Colour colour) {
  const ColourInfo* info = InfoOf(colour);
  return info != nullptr ? Tr("Colour", info->caption.data()) : Tr("Fault", "色なし");
}

// The items in one text, each joined to those before it by `pattern`
// ("%1、%2", marked for translation under "Fault" where it is written).
std::string JoinedBy(const std::vector<std::string>& items, const char* pattern) {
  std::string text;
  for (const std::string& item : items) {
    text = text.empty() ? item : Fill(Tr("Fault", pattern), {text, item});
  }
  return text;
}

// "（緑・赤・黄）": the colours a piece shows.
std::string ShownColours(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> captions;
  for (Colour colour : diagnosis.shown) captions.push_back(FaultColourCaption(colour));
  return Fill(Tr("Fault", "（%1）"), {JoinedBy(captions, RQ51_TR_NOOP("Fault", "%1・%2"))});
}

// "A1" or "A1とA3".
std::string Slots(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> labels(diagnosis.slot_labels.begin(), diagnosis.slot_labels.end());
  return JoinedBy(labels, RQ51_TR_NOOP("Fault", "%1と%2"));
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
    pairs.push_back(Fill(Tr("Fault", "%1と%2"),
                         {FaultColourCaption(info.colour), FaultColourCaption(opposite)}));
  }
  return JoinedBy(pairs, RQ51_TR_NOOP("Fault", "%1、%2"));
}

// "緑が10個、オレンジが8個、色のないマスが1個": the colours whose count is
// not nine, and the cells without a colour.
std::string Counts(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> counts;
  for (const ColourInfo& info : ColourTable()) {
    const int count = diagnosis.counts[static_cast<size_t>(info.colour)];
    if (count != 9) {
      counts.push_back(
          Fill(Tr("Fault", "%1が%2個"), {FaultColourCaption(info.colour), std::to_string(count)}));
    }
  }
  if (diagnosis.counts[0] > 0) {
    counts.push_back(
        Fill(Tr("Fault", "色のないマスが%1個"), {std::to_string(diagnosis.counts[0])}));
  }
  return JoinedBy(counts, RQ51_TR_NOOP("Fault", "%1、%2"));
}

}  // namespace

std::string FaultText(const ArrangementDiagnosis& diagnosis) {
  switch (diagnosis.kind) {
    case FaultKind::kNone:
      // A refusal no rule explains can only come from pieces that could not
      // be told apart.
      return diagnosis.rule == FaultRule::kNone ? ""
                                                : Tr("Fault", "見分けられないピースがあります。");
    case FaultKind::kColourCounts:
      return Fill(Tr("Fault", "%1あります。各色とも9個ずつのはずです。"), {Counts(diagnosis)});
    case FaultKind::kCentreRepeated:
      return Fill(Tr("Fault", "センターに同じ色%1が%2つあります。"),
                  {ShownColours(diagnosis), std::to_string(diagnosis.centres.size())});
    case FaultKind::kCentresNotOpposite:
      return Fill(Tr("Fault", "向かい合うセンターの色の組が合いません（%1が向かい合います）。"),
                  {OppositePairs()});
    case FaultKind::kCentresMirrored:
      return Tr("Fault", "センターの並びが、鏡に映したように逆になっています。");
    case FaultKind::kNoSuchCorner:
      return Fill(Tr("Fault", "%1のコーナー%2は、実際のキューブにはありません。"),
                  {Slots(diagnosis), ShownColours(diagnosis)});
    case FaultKind::kNoSuchEdge:
      return Fill(Tr("Fault", "%1のエッジ%2は、実際のキューブにはありません。"),
                  {Slots(diagnosis), ShownColours(diagnosis)});
    case FaultKind::kCornerTwice:
      return Fill(Tr("Fault", "%1に同じコーナー%2があります。"),
                  {Slots(diagnosis), ShownColours(diagnosis)});
    case FaultKind::kEdgeTwice:
      return Fill(Tr("Fault", "%1に同じエッジ%2があります。"),
                  {Slots(diagnosis), ShownColours(diagnosis)});
    case FaultKind::kTwist:
      return Tr("Fault", "コーナーのねじれが合いません（コーナーが1個、ねじれてはまっています）。");
    case FaultKind::kFlip:
      return Tr("Fault", "エッジの向きが合いません（エッジが1個、裏返しにはまっています）。");
    case FaultKind::kParity:
      return Tr("Fault", "ピースの並びが合いません（2個のピースが入れ替わっています）。");
  }
  return "";
}

}  // namespace rq51
