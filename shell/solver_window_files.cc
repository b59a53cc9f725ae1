// Keeping a solver window's solution as text and opening it again: the
// saved text, the record of the buttons pressed, and the replay that
// reproduces the window from a saved text.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "shell/solver_window.h"

namespace rq51 {

namespace {

bool IsPrefixOf(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

const std::vector<std::string>* SavedLines(const SavedSolution& saved, int list_box) {
  for (const SavedList& list : saved.lists) {
    if (list.list_box == list_box) return &list.lines;
  }
  return nullptr;
}

}  // namespace

std::string SolverWindow::SolutionText() const {
  std::string text = "RQ51 " + std::string(variant_->title) + " " +
                     std::string(variant_->instructions.front()) + "\n";
  // The cube as entered: the last cube read from the grids.
  const StateTable* entered = &starts_.front();
  for (const Moment& moment : moments_) {
    if (moment.kind == Moment::Kind::kStart) entered = &starts_[moment.start];
  }
  text += std::string(kEnteredLabel) + "\t";
  for (int k = 1; k <= kFaceletCount; ++k) {
    const std::string_view letter = LetterOf(entered->colour(k));
    text += letter.empty() ? std::string_view(".") : letter;
  }
  text += "\n";
  text += std::string(kPressesLabel) + "\t" + presses_ + "\n";
  int total = 0;
  for (const auto& [n, lines] : lists_) {
    std::string heading(n == 4 ? variant_->label5 : std::string_view());
    if (method_ != nullptr) {
      for (const Stage& stage : method_->stages) {
        if (stage.list_box != n) continue;
        if (!heading.empty()) heading += "・";
        heading += stage.caption;
      }
    }
    const int turns = ListTurns(n);
    total += turns;
    text += "ListBox" + std::to_string(n) + "\t" + heading + "\t" + std::to_string(turns) + " 手\n";
    for (const std::string& line : lines) text += line + "\n";
  }
  text += std::string(kTotalLabel) + "\t" + std::to_string(total) + " 手\n";
  return text;
}

void SolverWindow::RecordPress(std::string_view name) {
  if (!presses_.empty()) presses_ += ' ';
  presses_ += name;
}

void SolverWindow::PaintGrids(const StickerColours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    grids_[cell.grid][cell.column][cell.row] = colours[k];
  }
  ClearOutlines();
}

SolverWindow::OpenedText SolverWindow::OpenText(std::string_view bytes) {
  const TextReading reading = ReadOpenedText(bytes);
  switch (reading.kind) {
    case OpenedKind::kRefused:
      file_message_ = reading.refusal;
      return {OpenedKind::kRefused, kind(), file_message_.Text()};
    case OpenedKind::kTurnSequence:
    case OpenedKind::kColours:
      BrowseLive();
      PaintGrids(reading.colours);
      file_message_ = {};
      return {reading.kind, kind(), {}};
    case OpenedKind::kSolution:
    case OpenedKind::kOtherWindow:
      break;
  }
  const SavedSolution& saved = reading.solution;
  if (saved.window != kind()) {
    return {OpenedKind::kOtherWindow, saved.window, OtherWindowMessage(saved.window).Text()};
  }

  // The replay runs in a window of its own, so that a refusal half-way
  // leaves this one as it was and nothing from before it leaks in (the
  // numbering, an earlier entry). What the user is choosing with stays.
  SolverWindow opened(kind(), method_);
  opened.current_colour_ = current_colour_;
  opened.selected_ = selected_;
  opened.scramble_text_ = scramble_text_;
  opened.PaintGrids(saved.entered);
  opened.ColoringClick();
  if (opened.last_fault_ != ArrangementFault::kReal) {
    // The reader checks the colours as the entry does; should the two ever
    // disagree, the window's verdict stands.
    file_message_ = RefusalMessage(2, ImpossibleCubeReason(opened.named_fault_));
    return {OpenedKind::kRefused, kind(), file_message_.Text()};
  }
  if (saved.has_presses) {
    for (const std::string& name : saved.presses) {
      if (!opened.PressButton(name)) {
        file_message_ = RefusalMessage(saved.presses_line, NoSuchButtonReason(name));
        return {OpenedKind::kRefused, kind(), file_message_.Text()};
      }
    }
  } else {
    opened.PressButtonsOf(saved);
  }
  opened.BrowseLive();
  opened.file_message_ = opened.DifferenceFrom(saved);
  *this = std::move(opened);
  return {OpenedKind::kSolution, kind(), file_message_.Text()};
}

void SolverWindow::PressButtonsOf(const SavedSolution& saved) {
  const SolverWindow entered = *this;
  PressStageButtonsOf(saved);
  PressTrialButtonsOf(saved);
  const std::vector<std::string>* trials = SavedLines(saved, 4);
  if (DifferenceFrom(saved).empty() || trials == nullptr || trials->empty()) return;
  SolverWindow trials_first = entered;
  trials_first.PressTrialButtonsOf(saved);
  trials_first.PressStageButtonsOf(saved);
  if (trials_first.DifferenceFrom(saved).empty()) *this = std::move(trials_first);
}

void SolverWindow::PressStageButtonsOf(const SavedSolution& saved) {
  if (method_ == nullptr) return;
  const std::vector<Stage>& stages = method_->stages;
  for (size_t s = 0; s < stages.size(); ++s) {
    const Stage& stage = stages[s];
    if (stage.list_box == 0) {
      // A stage that logs nothing (the turning over) was pressed when a
      // later stage logged lines.
      const bool later_lines =
          std::any_of(stages.begin() + s + 1, stages.end(), [&](const Stage& later) {
            const std::vector<std::string>* lines = SavedLines(saved, later.list_box);
            return later.list_box != 0 && lines != nullptr && !lines->empty();
          });
      if (later_lines) PressButton(stage.button);
      continue;
    }
    const std::vector<std::string>* want = SavedLines(saved, stage.list_box);
    const auto list = lists_.find(stage.list_box);
    if (want == nullptr || list == lists_.end()) continue;
    // Pressed again while its list still falls short of the saved one and
    // each press adds lines the saved list has.
    constexpr int kMostPresses = 8;
    for (int n = 0;
         n < kMostPresses && list->second.size() < want->size() && IsPrefixOf(list->second, *want);
         ++n) {
      const size_t before = list->second.size();
      PressButton(stage.button);
      if (list->second.size() == before) break;
    }
  }
}

void SolverWindow::PressTrialButtonsOf(const SavedSolution& saved) {
  const std::vector<std::string>* trials = SavedLines(saved, 4);
  if (trials == nullptr) return;
  for (const std::string& line : *trials) {
    // The list writes "Rx-" where the button is named "Rx3".
    if (const std::optional<Move> move = MoveFromName(line)) PressButton(ButtonName(*move));
  }
}

Message SolverWindow::DifferenceFrom(const SavedSolution& saved) const {
  for (const SavedList& list : saved.lists) {
    const auto it = lists_.find(list.list_box);
    if (it == lists_.end()) continue;
    const std::vector<std::string>& lines = it->second;
    const auto [here, there] =
        std::mismatch(lines.begin(), lines.end(), list.lines.begin(), list.lines.end());
    if (here != lines.end() || there != list.lines.end()) {
      return DifferentLinesMessage(list.list_box, static_cast<size_t>(here - lines.begin()) + 1);
    }
  }
  return {};
}

}  // namespace rq51
