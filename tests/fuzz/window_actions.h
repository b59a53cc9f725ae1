// A solver window driven by actions the way a user drives it, and the rules
// that must hold after every action. The window fuzzer and the soak both run
// windows through this one interpreter and this one checker.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/cube_player.h"
#include "shell/solver_window.h"
#include "tests/fuzz/action_bytes.h"

namespace rq51::fuzz {

// What an action did, as far as the rules care.
struct Effect {
  // The list boxes it empties by the window's rules (bit n for ListBox<n>):
  // only the clear buttons, a confirmation (Coloring), Reset and the
  // preparation Sikou empty lists; every other action only appends.
  uint32_t emptied = 0;
  // It checked the entered colours (Coloring or Sikou).
  bool confirmed = false;
  // The colours it confirmed were painted from a real cube.
  bool real_cube = false;
  // It only looked: the cube must be exactly as before (browsing the lines).
  bool keeps_cube = false;
  // It used the 3D cube only: the cube, every list and Label4 must be
  // exactly as before.
  bool view_only = false;
};

// The time the 3D cube's animation runs on; actions move it on.
class ActionClock : public PlayerClock {
 public:
  double NowMs() const override { return now; }
  double now = 0;
};

// A window with the 3D cube that plays its lines, as the Qt window holds
// them.
struct ViewedWindow {
  SolverWindow& window;
  CubePlayer& player;
  ActionClock& clock;
};

struct WindowAction {
  std::string_view name;
  // Performs the action with parameters read from `bytes`: on the window,
  // or on the window and its 3D cube.
  Effect (*perform)(SolverWindow& window, ActionBytes& bytes) = nullptr;
  Effect (*perform_viewed)(ViewedWindow& viewed, ActionBytes& bytes) = nullptr;
};

// Every action, one row each; a new action is one more row.
const std::vector<WindowAction>& WindowActions();

class WindowDriver {
 public:
  explicit WindowDriver(WindowKind kind);

  // Performs the action the bytes choose and checks every rule. Returns what
  // was broken, or an empty string.
  std::string Step(ActionBytes& bytes);

  const SolverWindow& window() const { return *window_; }
  std::string_view last_action() const { return last_action_; }

 private:
  struct ListState {
    size_t size = 0;
    std::string last;
  };

  void Remember();
  std::string Check(const Effect& effect);

  std::unique_ptr<SolverWindow> window_;
  ActionClock clock_;
  std::unique_ptr<CubePlayer> player_;
  std::string_view last_action_;
  std::array<ListState, 8> lists_{};
  StateTable table_before_;
  // Everything a view-only action must leave as it was.
  std::vector<std::vector<std::string>> lists_before_;
  std::string label4_before_;
  // The last confirmation was of a solved cube, and it was accepted.
  bool solved_accepted_ = false;
};

}  // namespace rq51::fuzz
