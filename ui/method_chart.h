// A chart of how many turns each method takes: one histogram per method,
// drawn with Qt's painting into an image and saved as PNG. The header is
// free of Qt so that rq51-cli, which includes no Qt header, can call it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rq51 {

struct TurnsHistogram {
  std::string name;                     // "CF-0"
  std::vector<int64_t> cubes_by_turns;  // [t]: cubes solved in t turns
  // A yardstick whose turns lie close together (the near-shortest
  // solution): drawn as a line at its mean, and left out of the height of
  // the chart so that it does not flatten the other histograms.
  bool mean_only = false;
};

struct ChartText {
  std::string title;
  std::string x_axis;
  std::string y_axis;  // the chart adds the width of its bars: "per 5 turns"
};

// Draws the histograms, each in its own colour with a legend, and saves the
// picture as PNG at `path`. Works without a display: when the program has no
// Qt application, one is made for the drawing on the offscreen platform
// (unless QT_QPA_PLATFORM names another). Returns an empty string on
// success, else what went wrong.
std::string WriteTurnsChart(const std::vector<TurnsHistogram>& histograms, const ChartText& text,
                            const std::string& path);

}  // namespace rq51
