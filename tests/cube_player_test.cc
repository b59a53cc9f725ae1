// Playing a solution on the 3D cube: at every line the picture shows the
// cube the net shows, stepping retraces the lines both ways, turns take their
// time, and the line being performed is marked turn by turn.
#include "shell/cube_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cube/notation.h"
#include "cube/random_cube.h"
#include "shell/stage_frame.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"
#include "tests/window_state.h"
#include "view3d/cube_geometry.h"

namespace rq51 {
namespace {

class ManualClock : public PlayerClock {
 public:
  double NowMs() const override { return now; }
  double now = 0;
};

view3d::Scene SceneOf(const PlayerPicture& picture) {
  view3d::Scene scene;
  scene.colours = picture.colours;
  scene.turn = picture.turn;
  scene.fraction = picture.fraction;
  scene.width = 120;
  scene.height = 120;
  scene.hidden_faces = true;
  return scene;
}

view3d::Frame FrameOf(const PlayerPicture& picture) { return view3d::BuildFrame(SceneOf(picture)); }

// The same polygons in the same places, in the same order; with
// `colours`, in the same colours too.
bool SameFrame(const view3d::Frame& a, const view3d::Frame& b, bool colours = true) {
  if (a.polygons.size() != b.polygons.size()) return false;
  for (size_t n = 0; n < a.polygons.size(); ++n) {
    const view3d::Polygon& p = a.polygons[n];
    const view3d::Polygon& q = b.polygons[n];
    if (p.part != q.part || p.view != q.view || p.facelet != q.facelet ||
        (colours && !(p.fill == q.fill)) || p.size != q.size) {
      return false;
    }
    for (int i = 0; i < p.size; ++i) {
      if (p.points[i].x != q.points[i].x || p.points[i].y != q.points[i].y) return false;
    }
  }
  return true;
}

using test::WindowState;

// Lets the clock run until the player rests.
void RunToRest(CubePlayer& player, ManualClock& clock) {
  for (int n = 0; n < 100000 && player.busy(); ++n) {
    clock.now += 10;
    player.Advance();
  }
  ASSERT_FALSE(player.busy());
}

class EveryMethodsPlayer : public ::testing::TestWithParam<const Method*> {
 protected:
  // A cube drawn uniformly among all real cubes, entered as a user enters
  // it and solved by the one-shot button.
  SolverWindow Solved(uint64_t index) {
    SolverWindow window(GetParam()->window, GetParam());
    CubeRandom random(20261208, index);
    const StickerColours cube = HeldFor(RandomRealCube(random), window.variant().rule);
    EXPECT_TRUE(test::EnterColours(window, cube));
    window.PressButton("CES");
    return window;
  }
};

INSTANTIATE_TEST_SUITE_P(Registry, EveryMethodsPlayer, ::testing::ValuesIn(Methods()),
                         [](const ::testing::TestParamInfo<const Method*>& info) {
                           return std::string(VariantOf(info.param->window).short_name);
                         });

// At rest on every line, and at the entered cube, the colour drawn at the
// centre of every sticker, hidden faces included, is the net's colour of
// that facelet, and the line under the picture says what the window says.
TEST_P(EveryMethodsPlayer, AtEveryLineThePictureShowsTheNetsColours) {
  ManualClock clock;
  // At rest the polygons lie where they lie whatever the colours: which one
  // is drawn on top at each sticker's centre is found once, and every
  // picture is checked to have those polygons.
  const view3d::Frame layout = FrameOf(PlayerPicture{});
  std::vector<const view3d::Polygon*> on_top;
  for (const view3d::StickerCentre& centre : layout.centres) {
    on_top.push_back(view3d::TopmostAt(layout, centre.at));
    ASSERT_NE(on_top.back(), nullptr);
  }
  view3d::Frame frame;
  for (uint64_t n = 0; n < 1000; ++n) {
    SolverWindow window = Solved(n);
    const WindowState before(window);
    CubePlayer player(window, clock);
    ASSERT_GT(player.line_count(), 0u);
    for (long line = -1; line < static_cast<long>(player.line_count()); ++line) {
      if (line < 0) {
        player.Home();
        ASSERT_TRUE(window.browsing_start());
      } else {
        player.JumpToLine(static_cast<size_t>(line));
        ASSERT_EQ(window.BrowsedTraceLine(), static_cast<size_t>(line));
      }
      ASSERT_EQ(player.PlaceText(), window.PlaybackText());
      view3d::BuildFrame(SceneOf(player.Picture()), frame);
      ASSERT_TRUE(SameFrame(frame, layout, false));
      ASSERT_EQ(frame.centres.size(), 54u);
      for (size_t c = 0; c < layout.centres.size(); ++c) {
        const int facelet = layout.centres[c].facelet;
        const view3d::Polygon& top = frame.polygons[on_top[c] - layout.polygons.data()];
        ASSERT_EQ(top.fill, window.ShownNet(facelet).colour)
            << "cube " << n << " line " << line << " facelet " << facelet;
      }
    }
    ASSERT_TRUE(WindowState(window) == before);
  }
}

// Stepping on line by line from the entered cube ends each line on the
// picture a click on that line gives; stepping back as often retraces every
// picture. The window's cube, lists and verdict stay as they were.
TEST_P(EveryMethodsPlayer, SteppingOnAndBackRetracesTheLines) {
  ManualClock clock;
  for (uint64_t n = 0; n < 10; ++n) {
    SolverWindow window = Solved(n);
    const WindowState before(window);
    CubePlayer player(window, clock);
    const size_t lines = player.line_count();
    std::vector<view3d::Frame> clicked;
    for (size_t line = 0; line < lines; ++line) {
      player.JumpToLine(line);
      clicked.push_back(FrameOf(player.Picture()));
    }
    player.Home();
    const view3d::Frame home = FrameOf(player.Picture());
    std::vector<view3d::Frame> stepped;
    for (size_t line = 0; line < lines; ++line) {
      player.StepLine(1);
      RunToRest(player, clock);
      stepped.push_back(FrameOf(player.Picture()));
      ASSERT_TRUE(SameFrame(stepped.back(), clicked[line])) << "cube " << n << " line " << line;
      ASSERT_EQ(window.BrowsedTraceLine(), line);
    }
    for (size_t line = lines; line-- > 0;) {
      player.StepLine(-1);
      RunToRest(player, clock);
      ASSERT_TRUE(SameFrame(FrameOf(player.Picture()), line > 0 ? stepped[line - 1] : home))
          << "cube " << n << " back to line " << line;
    }
    EXPECT_TRUE(window.browsing_start());
    EXPECT_TRUE(WindowState(window) == before);
  }
}

// The scrub bar's turn N is the cube right before turn N + 1; that turn
// performed in full is the cube of turn N + 1 (the turning over aside,
// which comes between two turns without being one).
TEST_P(EveryMethodsPlayer, ScrubbingWalksTurnByTurn) {
  ManualClock clock;
  SolverWindow window = Solved(7);
  CubePlayer player(window, clock);
  const int total = player.turn_total();
  ASSERT_GT(total, 0);
  for (int turn = 0; turn <= total; ++turn) {
    player.ScrubTo(turn);
    ASSERT_EQ(player.turn_index(), turn);
    const PlayerPicture rest = player.Picture();
    const std::optional<PlayerPicture> still = player.PictureAtTurn(turn, 0);
    ASSERT_TRUE(still.has_value());
    EXPECT_EQ(still->colours, rest.colours);
    const std::optional<PlayerPicture> moving = player.PictureAtTurn(turn, 0.5);
    ASSERT_EQ(moving.has_value(), turn < total);
    if (!moving) continue;
    ASSERT_TRUE(moving->turn.has_value());
    EXPECT_FALSE(moving->turn->whole_cube);
    CubeColours done = moving->colours;
    const FaceletMap map = MapOfTurn(*moving->turn);
    for (int k = 1; k <= kFaceletCount; ++k) done[k] = moving->colours[map(k)];
    const CubeColours next = player.PictureAtTurn(turn + 1, 0)->colours;
    if (done != next) {
      // Only the cube turned over lies between.
      const FaceletMap over = MapOfTurn(WholeCubeTurn(BaseTurn::kRx, 2));
      CubeColours turned = done;
      for (int k = 1; k <= kFaceletCount; ++k) turned[k] = done[over(k)];
      EXPECT_EQ(turned, next) << "turn " << turn;
    }
  }
  player.ScrubTo(0);
  const CubeColours first = player.Picture().colours;
  player.Home();
  EXPECT_EQ(player.Picture().colours, first);
  player.ScrubTo(total);
  const CubeColours last = player.Picture().colours;
  player.End();
  EXPECT_EQ(player.Picture().colours, last);
  EXPECT_TRUE(window.table().IsSolved());
}

// Trial moves logged in ListBox4: Rx, then Ry2.
SolverWindow WithTrialMoves() {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  EXPECT_TRUE(test::EnterColours(window, test::SolvedColours()));
  window.PressButton("Rx");
  window.PressButton("Ry2");
  return window;
}

TEST(CubePlayerTest, TurnsTakeTheirTimeDividedByTheSpeed) {
  SolverWindow window = WithTrialMoves();
  ManualClock clock;
  CubePlayer player(window, clock);
  player.Home();
  player.StepLine(1);  // Rx, a quarter turn, from time 0
  clock.now = CubePlayer::kQuarterTurnMs - 0.001;
  EXPECT_TRUE(player.Advance());
  EXPECT_LT(player.Picture().fraction, 1);
  clock.now = CubePlayer::kQuarterTurnMs;
  EXPECT_FALSE(player.Advance());
  EXPECT_FALSE(player.Picture().turn.has_value());
  EXPECT_EQ(player.turn_index(), 1);

  // Ry2, a half turn, at twice the speed.
  player.SetSpeed(2);
  player.StepLine(1);
  const double half = CubePlayer::kQuarterTurnMs * CubePlayer::kHalfTurnFactor / 2;
  clock.now += half - 0.001;
  EXPECT_TRUE(player.Advance());
  clock.now += 0.001;
  EXPECT_FALSE(player.Advance());
  EXPECT_EQ(player.turn_index(), 2);

  // Halfway through the quarter turn at speed 1 the eased turn is half done;
  // a pause keeps it there however long it lasts, and play goes on from it.
  player.SetSpeed(1);
  player.Home();
  clock.now = 10000;
  player.PlayPause();
  clock.now += CubePlayer::kQuarterTurnMs / 2;
  player.Advance();
  EXPECT_DOUBLE_EQ(player.Picture().fraction, 0.5);
  player.PlayPause();
  EXPECT_FALSE(player.playing());
  clock.now += 60000;
  EXPECT_FALSE(player.Advance());
  EXPECT_DOUBLE_EQ(player.Picture().fraction, 0.5);
  player.PlayPause();
  clock.now += CubePlayer::kQuarterTurnMs / 2 - 0.001;
  player.Advance();
  EXPECT_EQ(player.turn_index(), 1);  // still turning Rx
  clock.now += 0.001;
  player.Advance();
  EXPECT_EQ(player.turn_index(), 1);  // Rx done, pausing before the next line
  EXPECT_FALSE(player.Picture().turn.has_value());
  clock.now += CubePlayer::kLinePauseMs;
  player.Advance();
  EXPECT_EQ(player.Picture().turn, (Turn{Move{BaseTurn::kRy, 2}}));
  RunToRest(player, clock);
  EXPECT_FALSE(player.playing());
  EXPECT_EQ(player.turn_index(), 2);
}

// Any other control during a turn finishes it at once, then does its own.
TEST(CubePlayerTest, AControlDuringATurnFinishesItFirst) {
  SolverWindow window = WithTrialMoves();
  ManualClock clock;
  CubePlayer player(window, clock);
  player.Home();
  player.StepLine(1);
  clock.now = 100;
  player.Advance();
  ASSERT_TRUE(player.Picture().turn.has_value());
  player.StepLine(1);  // Rx finished, Ry2 begins at once
  EXPECT_EQ(player.Picture().turn, (Turn{Move{BaseTurn::kRy, 2}}));
  EXPECT_EQ(player.Picture().fraction, 0);
  EXPECT_EQ(player.turn_index(), 2);
  player.StepLine(-1);  // Ry2 finished, then undone
  EXPECT_EQ(player.Picture().turn, (Turn{Move{BaseTurn::kRy, 2}}));
  EXPECT_EQ(player.Picture().fraction, 1);
  RunToRest(player, clock);
  EXPECT_EQ(player.turn_index(), 1);
  EXPECT_EQ(player.PlaceText(), "ListBox4 1/2 · 1/2 手");
}

// A repeated bracket is performed as often as its count says, each turn
// marked with the performance it belongs to; a line whose text cannot carry
// its turns performs the turns it names.
TEST(CubePlayerTest, TheMarkedTurnFollowsTheLineAndItsBracket) {
  SolverWindow window = test::WindowFor(WindowKind::kTkc);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  const std::string bracket = "(RxRy-)３乗  A1";
  window.AppendLine(1, bracket, EffectOfLine(bracket));
  window.ApplyWorkMap(EffectOfLine(bracket).map);
  const FaceletMap named = MapOfMoves(test::Moves("Rx3 Ly2"));
  window.AppendLine(1, "see the picture", LineEffect{named, 2, "Rx3 Ly2"});
  window.ApplyWorkMap(named);

  ManualClock clock;
  CubePlayer player(window, clock);
  player.Home();
  player.StepLine(1);
  std::vector<std::string> marks;
  while (player.busy()) {
    const MarkedTurn marked = player.Marked();
    marks.push_back(marked.text.substr(marked.begin, marked.end - marked.begin) + " " +
                    std::to_string(marked.repetition) + "/" + std::to_string(marked.repetitions));
    clock.now += CubePlayer::kQuarterTurnMs;
    player.Advance();
  }
  EXPECT_EQ(marks, (std::vector<std::string>{"Rx 1/3", "Ry- 1/3", "Rx 2/3", "Ry- 2/3", "Rx 3/3",
                                             "Ry- 3/3"}));
  EXPECT_EQ(player.Marked().text, bracket);
  EXPECT_EQ(player.Marked().begin, player.Marked().end);

  player.StepLine(1);
  EXPECT_EQ(player.Marked().text, "Rx3 Ly2");
  EXPECT_EQ(player.Picture().turn, (Turn{Move{BaseTurn::kRx, 3}}));
  RunToRest(player, clock);
  EXPECT_EQ(player.Picture().colours, window.NetColoursOf(window.table()));
  EXPECT_EQ(player.turn_index(), 8);
}

// LB, TK-C and TK-L turn the cube over between two lines: one half turn of
// the whole cube, which counts as no turn.
TEST(CubePlayerTest, TurningTheCubeOverIsAHalfTurnOfTheWholeCube) {
  for (WindowKind kind : {WindowKind::kLb, WindowKind::kTkc, WindowKind::kTkl}) {
    SolverWindow window = test::WindowFor(kind);
    ASSERT_TRUE(
        test::EnterColours(window, test::Turned(test::SolvedColours(), test::Moves("Rz Rx Ly3"))));
    window.PressButton("CES");
    ManualClock clock;
    CubePlayer player(window, clock);
    const std::vector<SolverWindow::TraceLine> trace = window.Trace();
    size_t over = 0;
    while (trace[over].place.list_box != 0) ++over;
    player.JumpToLine(over - 1);
    const int turns = player.turn_index();
    player.StepLine(1);
    EXPECT_EQ(player.Picture().turn, WholeCubeTurn(BaseTurn::kRx, 2));
    EXPECT_EQ(player.turn_index(), turns);
    EXPECT_EQ(player.PlaceText(), std::string(trace[over].place.text) +
                                      "：ここでキューブを上下反転 · " + std::to_string(turns) +
                                      "/" + std::to_string(player.turn_total()) + " 手");
    clock.now += CubePlayer::kQuarterTurnMs * CubePlayer::kHalfTurnFactor;
    EXPECT_FALSE(player.Advance());
    EXPECT_EQ(window.BrowsedTraceLine(), over);
  }
}

// The trial buttons' turn is performed on the live cube; the window stays
// live.
TEST(CubePlayerTest, ATrialMoveIsPerformedOnTheLiveCube) {
  SolverWindow window = test::WindowFor(WindowKind::kCf);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  ManualClock clock;
  CubePlayer player(window, clock);
  EXPECT_EQ(player.Picture().colours, window.NetColoursOf(window.table()));
  window.TrialMove({BaseTurn::kMz, 3});
  player.TrialMoved({BaseTurn::kMz, 3});
  EXPECT_EQ(player.Picture().turn, (Turn{Move{BaseTurn::kMz, 3}}));
  EXPECT_EQ(player.Marked().text, "Mz-");
  StateTable before = window.table();
  before.ApplyMap(Inverse(MoveMap({BaseTurn::kMz, 3})));
  EXPECT_EQ(player.Picture().colours, window.NetColoursOf(before));
  RunToRest(player, clock);
  EXPECT_TRUE(player.live());
  EXPECT_FALSE(window.browsing());
  EXPECT_EQ(player.Picture().colours, window.NetColoursOf(window.table()));
  // Browsing from the window is followed at once.
  window.BrowseStep(-1);
  player.WindowChanged();
  EXPECT_EQ(player.PlaceText(), window.PlaybackText());
  window.BrowseLive();
  player.WindowChanged();
  EXPECT_TRUE(player.live());
}

}  // namespace
}  // namespace rq51
