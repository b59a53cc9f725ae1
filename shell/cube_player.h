// Plays a solver window's solution on a picture of the cube: every listed
// line in the order performed, each of its turns one after the other, and
// the turning over of the cube as one turn of the whole cube. It offers
// stepping line by line (backwards too), jumps, playing to the end with a
// pause between lines, a scrub bar over every turn, speed, and says which
// turn of which line is being performed.
//
// The player reads the window through its public interface only. It never
// changes the window's cube, lists or verdict; it only moves what the net
// shows (the browse calls), so that at rest the net shows the same cube as
// the picture.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/notation.h"
#include "cube/turn.h"
#include "shell/solver_window.h"

namespace rq51 {

// Milliseconds since any fixed moment. The program reads a steady clock;
// tests set the time by hand.
class PlayerClock {
 public:
  virtual ~PlayerClock() = default;
  virtual double NowMs() const = 0;
};

// The colours of facelets 1..54 as the net paints them; index 0 is unused.
using CubeColours = std::array<Rgb, kFaceletCount + 1>;

// What the picture shows: a cube, and a turn being performed on it up to
// `fraction` of its angle.
struct PlayerPicture {
  CubeColours colours{};
  std::optional<Turn> turn;
  double fraction = 0;
};

// The line being performed, with its turn in progress marked.
struct MarkedTurn {
  std::string text;  // the line (for a line whose text cannot carry its turns, those turns)
  size_t begin = 0;  // the bytes of the marked turn in `text`; begin == end marks none
  size_t end = 0;
  int repetition = 0;   // for a turn in a repeated bracket: which performance, 1-based
  int repetitions = 0;  // and how many; 0 outside such a bracket
};

class CubePlayer {
 public:
  // A quarter turn at speed 1; a half turn takes 1.5 times as long.
  static constexpr double kQuarterTurnMs = 450;
  static constexpr double kHalfTurnFactor = 1.5;
  // Between two lines while playing, at speed 1.
  static constexpr double kLinePauseMs = 350;
  static constexpr double kMinSpeed = 0.25;
  static constexpr double kMaxSpeed = 4;

  // Both must outlive the player.
  CubePlayer(SolverWindow& window, const PlayerClock& clock);

  // --- What the window tells the player --------------------------------------
  // After every handler of the window: reads the lines again when they
  // changed and, when the window moved its net by itself (a line clicked,
  // the live cube, a button), follows it at once.
  void WindowChanged();
  // After a trial button's handler: the window's cube has just made `move`;
  // the picture performs it, ending on the live cube.
  void TrialMoved(Move move);

  // --- Controls -----------------------------------------------------------------
  // Each first finishes a turn in progress at once (a paused one too), then
  // does what it says.
  //
  // One line on (1) or back (-1), performing its turns (backwards when
  // stepping back); the net shows that line at once, the picture when its
  // turns are done. From the live cube, on starts at the entered cube and
  // performs the first line; back shows the last line.
  void StepLine(int delta);
  // Entry `line` of the window's Trace(), at once.
  void JumpToLine(size_t line);
  // The entered cube, at once.
  void Home();
  // After the last line, at once.
  void End();
  // The cube after `turn` turns of the listed lines, at once: right before
  // turn `turn` + 1, whatever performs no counted turn before it (the
  // turning over) done.
  void ScrubTo(int turn);
  // Plays from here to the end, line after line; at the end or on the live
  // cube, from the entered cube. While playing: pauses, freezing a turn in
  // progress where it is; pressed again, goes on from there.
  void PlayPause();
  bool playing() const { return playing_; }
  // 0.25 .. 4; a turn in progress keeps its place and goes on at the new
  // speed.
  void SetSpeed(double speed);
  double speed() const { return speed_; }

  // --- Time -------------------------------------------------------------------
  // Moves on to the clock's time: finishes the turns whose time is up and
  // begins the next ones. True while the picture still moves.
  bool Advance();
  // A turn in progress (paused or not), or a pause between lines.
  bool busy() const { return motion_.has_value() || pause_until_.has_value(); }

  // --- What is shown -------------------------------------------------------------
  PlayerPicture Picture() const;
  // The picture with turn `turn` + 1 performed up to `fraction` of its angle
  // after the first `turn` turns (as ScrubTo); nullopt when there is no such
  // turn and `fraction` is not 0.
  std::optional<PlayerPicture> PictureAtTurn(int turn, double fraction) const;
  // Turns performed so far, the turn in progress included; and all turns of
  // the listed lines. A half turn counts one, the turning over none.
  int turn_index() const;
  int turn_total() const { return lines_.empty() ? 0 : lines_.back().turns_after; }
  // "ListBox2 12/31 · 57/134 手" for the line being performed or last
  // performed, in the language of the moment; empty on the live cube.
  std::string PlaceText() const;
  // The line being performed with its turn marked, as the language of the
  // moment shows it (ShownLine).
  MarkedTurn Marked() const;
  size_t line_count() const { return lines_.size(); }
  bool live() const { return live_; }
  // Changes whenever the player moved the window's net; the window then
  // redraws it.
  int net_version() const { return net_version_; }

 private:
  struct Step {
    Turn turn;
    bool counted;  // a logged turn; the turning over is not one
    MoveSpan span;
  };
  struct Line {
    SolverWindow::PlaybackPlace place;  // without its text, which is `text`
    std::string text;
    std::string marked_text;  // what the steps' spans point into
    StateTable before;
    StateTable after;
    FaceletMap map;
    // Empty when the text does not tell its turns: the line is then shown
    // done at once.
    std::vector<Step> steps;
    int turns_before = 0;
    int turns_after = 0;
  };
  // At rest: after `done` steps of line `line`; line -1 is the entered cube.
  struct Position {
    int line = -1;
    int done = 0;
    bool operator==(const Position&) const = default;
  };
  struct Motion {
    int line = -1;  // -1: the trial move on the live cube
    int step = 0;
    bool forward = true;
    double start_ms = 0;
    double duration_ms = 0;
    std::optional<double> frozen;  // the progress where a pause froze it
    Turn turn;                     // the trial move's turn
    CubeColours from{};            // the trial move's cube
  };
  // What the window's net shows: kLive, kStart, or a line of Trace().
  static constexpr long kLive = -2;
  static constexpr long kStart = -1;

  bool SameLines(const std::vector<SolverWindow::TraceLine>& trace) const;
  void Rebuild(const std::vector<SolverWindow::TraceLine>& trace);
  long WindowBrowse() const;
  CubeColours LiveColours() const;

  int StepCount(int line) const;
  Position EndPosition() const;
  bool Before(const Position& a, const Position& b) const;
  // The cube before step `step` of line `line`.
  CubeColours ColoursBefore(int line, int step) const;
  CubeColours ColoursAt(const Position& position) const;
  // The rest position for ScrubTo(turn), and the step of turn `turn` + 1.
  struct ScrubPlace {
    Position rest;
    std::optional<std::pair<int, int>> next;  // line and step
  };
  ScrubPlace PlaceOfTurn(int turn) const;
  int TurnIndexAt(const Position& position) const;

  double DurationOf(const Turn& turn) const;
  double Progress(const Motion& motion) const;
  void Begin(int line, int step, bool forward, double time);
  void Complete();
  void FinishTurn();
  void Stop();
  // Sets the place to rest at, showing it on the net.
  void RestAt(const Position& position);
  // Starts the next step towards the target at `time`; false on arrival.
  bool StartNext(double time);
  void ShowOnNet();

  SolverWindow& window_;
  const PlayerClock& clock_;
  std::vector<Line> lines_;
  CubeColours live_colours_{};
  bool live_ = true;
  Position position_;
  std::optional<Position> target_;
  // The line a single step goes to, which the net shows from the start.
  std::optional<Position> step_target_;
  std::optional<Motion> motion_;
  std::optional<double> pause_until_;
  bool paused_after_line_ = false;
  bool playing_ = false;
  double speed_ = 1;
  long net_browse_ = kLive;
  int net_version_ = 0;
};

}  // namespace rq51
