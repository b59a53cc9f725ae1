// A solver window's solution in standard notation, for sharing with people
// who know the face-turn notation of timers and books.
#include <algorithm>
#include <optional>
#include <string>

#include "cube/standard_notation.h"
#include "shell/shown_line.h"
#include "shell/solver_window.h"

namespace rq51 {

namespace {

// StandardLine with its note in the language of the moment.
std::string ShownStandardLine(std::string_view line, std::string_view turns) {
  const StandardParts parts = StandardLineParts(line, turns);
  return JoinStandardLine(parts.turns, ShownLine(parts.note));
}

}  // namespace

std::vector<SolverWindow::SharedLine> SolverWindow::StandardSolution() const {
  std::vector<SharedLine> shared;
  // What the window turned without a line of its own, written where the
  // turning over that it belongs to is noted.
  FaceletMap unlisted;
  for (size_t n = 0; n < moments_.size(); ++n) {
    const Moment& moment = moments_[n];
    switch (moment.kind) {
      case Moment::Kind::kStart:
        if (!shared.empty()) shared.push_back({-1, 0, "// " + ShownLine(variant_->sikou_caption)});
        unlisted = FaceletMap();
        break;
      case Moment::Kind::kSilent:
        unlisted = Compose(unlisted, moment.map);
        break;
      case Moment::Kind::kTurnedOver: {
        const std::optional<std::string> turns = StandardRotation(unlisted);
        const std::string caption = ShownLine(moment.caption);
        shared.push_back(
            {0, 0, turns && !turns->empty() ? *turns + " // " + caption : "// " + caption});
        unlisted = FaceletMap();
        break;
      }
      case Moment::Kind::kLine:
        if (moment.list_box > 0) {
          shared.push_back(
              {moment.list_box, moment.index,
               ShownStandardLine(lists_.at(moment.list_box)[moment.index], moment.turns_text)});
        }
        break;
    }
  }
  return shared;
}

std::string SolverWindow::StandardSolutionText() const {
  std::string text;
  for (const SharedLine& line : StandardSolution()) text += line.text + "\n";
  return text;
}

std::string SolverWindow::StandardListText(int list_box) const {
  std::vector<size_t> rows;
  if (HasListBox(list_box)) {
    for (size_t row = 0; row < lists_.at(list_box).size(); ++row) rows.push_back(row);
  }
  return StandardLinesText(list_box, rows);
}

std::string SolverWindow::StandardLinesText(int list_box, const std::vector<size_t>& rows) const {
  if (!HasListBox(list_box)) return {};
  const std::vector<std::string>& lines = lists_.at(list_box);
  // Each line with the turns its moment keeps for it.
  std::vector<std::string_view> written(lines.size());
  for (const Moment& moment : moments_) {
    if (moment.kind == Moment::Kind::kLine && moment.list_box == list_box &&
        moment.index < lines.size()) {
      written[moment.index] = moment.turns_text;
    }
  }
  std::vector<size_t> chosen = rows;
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  std::string text;
  for (size_t row : chosen) {
    if (row < lines.size()) text += ShownStandardLine(lines[row], written[row]) + "\n";
  }
  return text;
}

}  // namespace rq51
