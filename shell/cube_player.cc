#include "shell/cube_player.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "cube/translation.h"
#include "shell/shown_line.h"

namespace rq51 {

namespace {

// Slow at both ends of a turn, fastest in the middle.
double Eased(double progress) { return progress * progress * (3 - 2 * progress); }

// The marked line as the language of the moment shows it (ShownLine), the
// mark moved with the text it marks. Where the line shown in parts differs
// from the line shown whole, the line stays as logged, so that the mark is
// never misplaced.
MarkedTurn ShownMarked(MarkedTurn marked) {
  if (SpeakingJapanese() || marked.text.empty()) return marked;
  const std::string_view text = marked.text;
  const std::string before = ShownLine(text.substr(0, marked.begin));
  const std::string turn = ShownLine(text.substr(marked.begin, marked.end - marked.begin));
  const std::string after = ShownLine(text.substr(marked.end));
  std::string whole = ShownLine(text);
  if (before + turn + after != whole) return marked;
  marked.begin = before.size();
  marked.end = before.size() + turn.size();
  marked.text = std::move(whole);
  return marked;
}

}  // namespace

CubePlayer::CubePlayer(SolverWindow& window, const PlayerClock& clock)
    : window_(window), clock_(clock) {
  Rebuild(window_.Trace());
  live_colours_ = LiveColours();
  net_browse_ = WindowBrowse();
  if (net_browse_ == kStart) {
    RestAt({-1, 0});
  } else if (net_browse_ >= 0) {
    RestAt({static_cast<int>(net_browse_), StepCount(static_cast<int>(net_browse_))});
  }
}

// --- Reading the window -----------------------------------------------------------

bool CubePlayer::SameLines(const std::vector<SolverWindow::TraceLine>& trace) const {
  if (trace.size() != lines_.size()) return false;
  for (size_t n = 0; n < trace.size(); ++n) {
    const SolverWindow::PlaybackPlace& place = trace[n].place;
    const Line& line = lines_[n];
    if (place.list_box != line.place.list_box || place.index != line.place.index ||
        place.list_size != line.place.list_size || place.text != line.text ||
        !(trace[n].table == line.after) || !(trace[n].map == line.map)) {
      return false;
    }
  }
  return true;
}

void CubePlayer::Rebuild(const std::vector<SolverWindow::TraceLine>& trace) {
  lines_.clear();
  lines_.reserve(trace.size());
  for (const SolverWindow::TraceLine& traced : trace) {
    Line line;
    line.place = traced.place;
    line.place.text = {};
    line.text = std::string(traced.place.text);
    line.after = traced.table;
    line.before = traced.table;
    line.before.ApplyMap(Inverse(traced.map));
    line.map = traced.map;
    line.turns_after = traced.place.turns_so_far;
    line.turns_before = traced.place.turns_so_far - traced.turns;
    if (traced.place.list_box == 0 && !traced.place.start) {
      // The cube turned over: one turn of the whole cube, counted as none.
      line.marked_text = line.text;
      if (const std::optional<Turn> turn = WholeCubeTurnWithMap(traced.map)) {
        line.steps.push_back({*turn, false, MoveSpan{0, line.text.size()}});
      }
    } else {
      const bool explicit_turns = !traced.turns_text.empty();
      line.marked_text = explicit_turns ? std::string(traced.turns_text) : line.text;
      const MacroReading reading =
          ReadMacroText(line.marked_text, {.accept_power3 = explicit_turns});
      // Only turns that perform what the line performed are shown.
      if (reading.map == traced.map && static_cast<int>(reading.moves.size()) == traced.turns) {
        for (size_t m = 0; m < reading.moves.size(); ++m) {
          line.steps.push_back({Turn{reading.moves[m]}, true, reading.spans[m]});
        }
      }
    }
    lines_.push_back(std::move(line));
  }
}

long CubePlayer::WindowBrowse() const {
  if (window_.browsing_start()) return kStart;
  if (const std::optional<size_t> line = window_.BrowsedTraceLine()) {
    return static_cast<long>(*line);
  }
  return kLive;
}

CubeColours CubePlayer::LiveColours() const {
  CubeColours colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = window_.net(k).colour;
  return colours;
}

void CubePlayer::WindowChanged() {
  const std::vector<SolverWindow::TraceLine> trace = window_.Trace();
  const bool changed = !SameLines(trace);
  if (changed) Rebuild(trace);
  live_colours_ = LiveColours();
  const long browse = WindowBrowse();
  if (!changed && browse == net_browse_) return;
  // The window moved its net by itself: the picture follows at once.
  motion_.reset();
  Stop();
  net_browse_ = browse;
  if (browse == kLive) {
    live_ = true;
  } else if (browse == kStart) {
    live_ = false;
    position_ = {-1, 0};
  } else {
    live_ = false;
    position_ = {static_cast<int>(browse), StepCount(static_cast<int>(browse))};
  }
}

void CubePlayer::TrialMoved(Move move) {
  WindowChanged();
  FinishTurn();
  Stop();
  if (!live_ || lines_.empty()) return;
  Motion motion;
  motion.turn = Turn{move};
  motion.from = window_.NetColoursOf(lines_.back().before);
  motion.start_ms = clock_.NowMs();
  motion.duration_ms = DurationOf(motion.turn);
  motion_ = motion;
}

// --- Places ---------------------------------------------------------------------

int CubePlayer::StepCount(int line) const {
  return line < 0 ? 0 : static_cast<int>(lines_[line].steps.size());
}

CubePlayer::Position CubePlayer::EndPosition() const {
  if (lines_.empty()) return {-1, 0};
  const int last = static_cast<int>(lines_.size()) - 1;
  return {last, StepCount(last)};
}

bool CubePlayer::Before(const Position& a, const Position& b) const {
  return a.line != b.line ? a.line < b.line : a.done < b.done;
}

CubeColours CubePlayer::ColoursBefore(int line, int step) const {
  StateTable table = lines_[line].before;
  for (int s = 0; s < step; ++s) table.ApplyMap(MapOfTurn(lines_[line].steps[s].turn));
  return window_.NetColoursOf(table);
}

CubeColours CubePlayer::ColoursAt(const Position& position) const {
  if (position.line < 0) {
    return lines_.empty() ? live_colours_ : window_.NetColoursOf(lines_.front().before);
  }
  if (position.done >= StepCount(position.line)) {
    return window_.NetColoursOf(lines_[position.line].after);
  }
  return ColoursBefore(position.line, position.done);
}

CubePlayer::ScrubPlace CubePlayer::PlaceOfTurn(int turn) const {
  for (size_t k = 0; k < lines_.size(); ++k) {
    const Line& line = lines_[k];
    if (line.turns_after <= turn) continue;
    // Turn `turn` + 1 is one of this line's.
    int counted = turn - line.turns_before;
    int step = 0;
    std::optional<std::pair<int, int>> next;
    if (!line.steps.empty()) {
      while (!line.steps[step].counted || counted > 0) {
        counted -= line.steps[step].counted ? 1 : 0;
        ++step;
      }
      next = std::make_pair(static_cast<int>(k), step);
    }
    const int at = static_cast<int>(k);
    if (step > 0) return {{at, step}, next};
    return {at > 0 ? Position{at - 1, StepCount(at - 1)} : Position{-1, 0}, next};
  }
  return {EndPosition(), std::nullopt};
}

int CubePlayer::TurnIndexAt(const Position& position) const {
  if (position.line < 0) return 0;
  const Line& line = lines_[position.line];
  if (position.done >= StepCount(position.line)) return line.turns_after;
  int turns = line.turns_before;
  for (int s = 0; s < position.done; ++s) turns += line.steps[s].counted ? 1 : 0;
  return turns;
}

// --- Motion -----------------------------------------------------------------------

double CubePlayer::DurationOf(const Turn& turn) const {
  return kQuarterTurnMs * (turn.move.power == 2 ? kHalfTurnFactor : 1) / speed_;
}

double CubePlayer::Progress(const Motion& motion) const {
  if (motion.frozen) return *motion.frozen;
  if (motion.duration_ms <= 0) return 1;
  return std::clamp((clock_.NowMs() - motion.start_ms) / motion.duration_ms, 0.0, 1.0);
}

void CubePlayer::Begin(int line, int step, bool forward, double time) {
  Motion motion;
  motion.line = line;
  motion.step = step;
  motion.forward = forward;
  motion.start_ms = time;
  motion.duration_ms = DurationOf(lines_[line].steps[step].turn);
  motion_ = motion;
}

void CubePlayer::Complete() {
  const Motion motion = *motion_;
  motion_.reset();
  if (motion.line < 0) return;  // the trial move ends on the live cube
  position_ = {motion.line, motion.forward ? motion.step + 1 : motion.step};
  if (position_.done == 0 && StepCount(position_.line) > 0) {
    // Every turn of the line undone: the end of the line before.
    const int before = position_.line - 1;
    position_ = {before, StepCount(before)};
  }
  ShowOnNet();
}

void CubePlayer::FinishTurn() {
  if (motion_) Complete();
  pause_until_.reset();
}

void CubePlayer::Stop() {
  playing_ = false;
  target_.reset();
  step_target_.reset();
  pause_until_.reset();
}

void CubePlayer::RestAt(const Position& position) {
  live_ = false;
  position_ = position;
  ShowOnNet();
}

void CubePlayer::ShowOnNet() {
  // The net shows the last line performed in full; while a single line is
  // being stepped to, that line at once, as the net alone would show it.
  long browse = kLive;
  if (!live_) {
    const Position& at = step_target_ ? *step_target_ : position_;
    if (at.line >= 0 && at.done >= StepCount(at.line)) {
      browse = at.line;
    } else {
      browse = at.line - 1 >= 0 ? at.line - 1 : kStart;
    }
  }
  if (browse == net_browse_) return;
  if (browse == kStart) {
    window_.BrowseStart();
  } else if (browse >= 0) {
    window_.BrowseTraceLine(static_cast<size_t>(browse));
  } else {
    window_.BrowseLive();
  }
  net_browse_ = browse;
  ++net_version_;
}

bool CubePlayer::StartNext(double time) {
  while (target_) {
    if (position_ == *target_) {
      Stop();
      ShowOnNet();
      return false;
    }
    if (Before(position_, *target_)) {
      if (position_.done < StepCount(position_.line)) {
        Begin(position_.line, position_.done, true, time);
        return true;
      }
      if (playing_ && !paused_after_line_ && StepCount(position_.line) > 0) {
        pause_until_ = time + kLinePauseMs / speed_;
        paused_after_line_ = true;
        return true;
      }
      paused_after_line_ = false;
      position_ = {position_.line + 1, 0};
      ShowOnNet();
    } else {
      if (position_.done > 0) {
        Begin(position_.line, position_.done - 1, false, time);
        return true;
      }
      position_ = {position_.line - 1, StepCount(position_.line - 1)};
      ShowOnNet();
    }
  }
  return false;
}

bool CubePlayer::Advance() {
  const double now = clock_.NowMs();
  while (true) {
    double time = now;
    if (motion_) {
      if (motion_->frozen) return false;
      const double end = motion_->start_ms + motion_->duration_ms;
      if (now < end) return true;
      Complete();
      time = end;  // the next turn starts where this one ended, to the millisecond
    } else if (pause_until_) {
      if (now < *pause_until_) return true;
      time = *pause_until_;
      pause_until_.reset();
    }
    if (!StartNext(time)) return false;
  }
}

// --- Controls ------------------------------------------------------------------------

void CubePlayer::StepLine(int delta) {
  FinishTurn();
  Stop();
  if (lines_.empty() || delta == 0) return;
  if (live_) {
    if (delta < 0) {
      RestAt(EndPosition());
      return;
    }
    RestAt({-1, 0});
    target_ = Position{0, StepCount(0)};
  } else if (delta > 0) {
    const bool mid_line = position_.line >= 0 && position_.done < StepCount(position_.line);
    const int line = mid_line ? position_.line : position_.line + 1;
    if (line >= static_cast<int>(lines_.size())) return;
    target_ = Position{line, StepCount(line)};
  } else {
    if (position_.line < 0) return;
    const int line = position_.line - 1;
    target_ = Position{line, StepCount(line)};
  }
  step_target_ = target_;
  ShowOnNet();
  Advance();
}

void CubePlayer::JumpToLine(size_t line) {
  FinishTurn();
  Stop();
  if (line >= lines_.size()) return;
  const int at = static_cast<int>(line);
  RestAt({at, StepCount(at)});
}

void CubePlayer::Home() {
  FinishTurn();
  Stop();
  if (!lines_.empty()) RestAt({-1, 0});
}

void CubePlayer::End() {
  FinishTurn();
  Stop();
  if (!lines_.empty()) RestAt(EndPosition());
}

void CubePlayer::ScrubTo(int turn) {
  FinishTurn();
  Stop();
  if (lines_.empty()) return;
  RestAt(PlaceOfTurn(std::clamp(turn, 0, turn_total())).rest);
}

void CubePlayer::PlayPause() {
  if (playing_) {
    if (motion_) motion_->frozen = Progress(*motion_);
    Stop();
    return;
  }
  if (lines_.empty()) return;
  if (motion_ && motion_->frozen && motion_->line >= 0) {
    // Goes on from where the pause froze the turn.
    motion_->start_ms = clock_.NowMs() - *motion_->frozen * motion_->duration_ms;
    motion_->frozen.reset();
  } else {
    FinishTurn();
    if (live_ || position_ == EndPosition()) RestAt({-1, 0});
    paused_after_line_ = true;  // no pause before the first line
  }
  playing_ = true;
  target_ = EndPosition();
  Advance();
}

void CubePlayer::SetSpeed(double speed) {
  speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
  const double now = clock_.NowMs();
  if (motion_ && !motion_->frozen) {
    const double progress = Progress(*motion_);
    motion_->duration_ms = motion_->duration_ms * speed_ / speed;
    motion_->start_ms = now - progress * motion_->duration_ms;
  } else if (motion_) {
    motion_->duration_ms = motion_->duration_ms * speed_ / speed;
  }
  if (pause_until_) pause_until_ = now + (*pause_until_ - now) * speed_ / speed;
  speed_ = speed;
}

// --- What is shown ----------------------------------------------------------------

PlayerPicture CubePlayer::Picture() const {
  PlayerPicture picture;
  if (!motion_) {
    picture.colours = live_ ? live_colours_ : ColoursAt(position_);
    return picture;
  }
  const Motion& motion = *motion_;
  const double eased = Eased(Progress(motion));
  if (motion.line < 0) {
    picture.colours = motion.from;
    picture.turn = motion.turn;
    picture.fraction = eased;
    return picture;
  }
  // Backwards, the turn is the same one run from its end to its start.
  picture.colours = ColoursBefore(motion.line, motion.step);
  picture.turn = lines_[motion.line].steps[motion.step].turn;
  picture.fraction = motion.forward ? eased : 1 - eased;
  return picture;
}

std::optional<PlayerPicture> CubePlayer::PictureAtTurn(int turn, double fraction) const {
  const ScrubPlace place = PlaceOfTurn(std::clamp(turn, 0, turn_total()));
  PlayerPicture picture;
  if (fraction == 0 || !place.next) {
    if (fraction != 0) return std::nullopt;
    picture.colours = ColoursAt(place.rest);
    return picture;
  }
  const auto [line, step] = *place.next;
  picture.colours = ColoursBefore(line, step);
  picture.turn = lines_[line].steps[step].turn;
  picture.fraction = fraction;
  return picture;
}

int CubePlayer::turn_index() const {
  if (live_) return turn_total();
  int index = TurnIndexAt(position_);
  if (motion_ && motion_->line >= 0 && motion_->forward &&
      lines_[motion_->line].steps[motion_->step].counted) {
    ++index;  // the turn in progress
  }
  return index;
}

std::string CubePlayer::PlaceText() const {
  if (live_) return {};
  // The line being performed, else the last one performed.
  int at = position_.line;
  if (motion_ && motion_->line >= 0) at = motion_->line;
  if (at < 0) {
    SolverWindow::PlaybackPlace start{0, 0, 0, 0, turn_total(), kStartPlaceText, true};
    return SolverWindow::PlaceText(start);
  }
  SolverWindow::PlaybackPlace place = lines_[at].place;
  place.text = lines_[at].text;
  place.turns_so_far = turn_index();
  return SolverWindow::PlaceText(place);
}

MarkedTurn CubePlayer::Marked() const {
  MarkedTurn marked;
  const auto mark = [&](const Line& line, int step) {
    marked.text = line.marked_text;
    const MoveSpan& span = line.steps[step].span;
    marked.begin = span.begin;
    marked.end = span.end;
    if (span.repetitions > 1) {
      marked.repetition = span.repetition;
      marked.repetitions = span.repetitions;
    }
  };
  if (motion_) {
    if (motion_->line < 0) {
      marked.text = LogName(motion_->turn.move);
      marked.end = marked.text.size();
    } else {
      mark(lines_[motion_->line], motion_->step);
    }
    return ShownMarked(std::move(marked));
  }
  if (live_ || position_.line < 0) return ShownMarked(std::move(marked));
  const Line& line = lines_[position_.line];
  if (position_.done > 0 && position_.done < StepCount(position_.line)) {
    mark(line, position_.done - 1);  // the last turn performed
  } else {
    marked.text = line.marked_text;
  }
  return ShownMarked(std::move(marked));
}

}  // namespace rq51
