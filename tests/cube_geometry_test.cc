// The cube in three dimensions: every facelet's place agrees with the move
// maps, and every turn is drawn as the turn it is.
#include "view3d/cube_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "cube/moves.h"
#include "cube/turn.h"

namespace rq51::view3d {
namespace {

bool Near(const Vec3& a, const Vec3& b) {
  return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9 && std::abs(a.z - b.z) < 1e-9;
}

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

std::string NameOf(const Turn& turn) {
  return (turn.whole_cube ? "whole cube " : "") + ButtonName(turn.move);
}

// The 27 moves and the nine turns of the whole cube.
std::vector<Turn> EveryTurn() {
  std::vector<Turn> turns;
  for (const Move& move : AllMoves()) turns.push_back(Turn{move});
  for (BaseTurn base : {BaseTurn::kRx, BaseTurn::kRy, BaseTurn::kRz}) {
    for (int power = 1; power <= 3; ++power) turns.push_back(WholeCubeTurn(base, power));
  }
  return turns;
}

// Every facelet in a colour of its own, so that a sticker is known by it.
Colours Numbered() {
  Colours colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = Rgb{k, 255 - k, 2 * k};
  return colours;
}

Colours Apply(const FaceletMap& map, const Colours& colours) {
  Colours next = colours;
  for (int k = 1; k <= kFaceletCount; ++k) next[k] = colours[map(k)];
  return next;
}

Frame FrameOf(const Colours& colours, std::optional<Turn> turn, double fraction) {
  Scene scene;
  scene.colours = colours;
  scene.turn = turn;
  scene.fraction = fraction;
  scene.hidden_faces = true;
  return BuildFrame(scene);
}

// The place where a base turn carries facelet m(i)'s sticker is facelet i's:
// the places folded from the net turn as the move table says, each layer
// about its axis and in its sense, and nothing outside the layer moves.
TEST(CubeGeometryTest, FaceletPlacesTurnAsTheMoveMapsSay) {
  for (int b = 0; b < kBaseTurnCount; ++b) {
    const auto base = static_cast<BaseTurn>(b);
    const Turn turn{Move{base, 1}};
    const FaceletMap& map = BaseMap(base);
    int moved = 0;
    for (int i = 1; i <= kFaceletCount; ++i) {
      const FaceletPlace& from = PlaceOf(map(i));
      const Vec3 centre = Turned(turn, 1, from.centre);
      const Vec3 tip =
          Turned(turn, 1,
                 {from.centre.x + 0.25 * from.normal.x, from.centre.y + 0.25 * from.normal.y,
                  from.centre.z + 0.25 * from.normal.z});
      const Vec3 normal{4 * (tip.x - centre.x), 4 * (tip.y - centre.y), 4 * (tip.z - centre.z)};
      EXPECT_TRUE(Near(centre, PlaceOf(i).centre)) << BaseName(base) << " " << i;
      EXPECT_TRUE(Near(normal, PlaceOf(i).normal)) << BaseName(base) << " " << i;
      moved += map(i) != i;
    }
    // An outer layer moves 20 facelets, a slice 12.
    EXPECT_EQ(moved, LayerOf(base) == 2 ? 12 : 20) << BaseName(base);
  }
  // 54 different places, each on the surface and facing out of it.
  for (int i = 1; i <= kFaceletCount; ++i) {
    const FaceletPlace& place = PlaceOf(i);
    EXPECT_NEAR(place.centre.x * place.normal.x + place.centre.y * place.normal.y +
                    place.centre.z * place.normal.z,
                1.5, 1e-12);
    for (int j = 1; j < i; ++j) EXPECT_FALSE(Near(place.centre, PlaceOf(j).centre));
  }
}

// A turn performed to the end is drawn exactly as the cube after it: the
// same stickers in the same places, in both views.
TEST(CubeGeometryTest, ATurnAtItsEndIsTheStillCubeAfterIt) {
  const Colours colours = Numbered();
  const auto stickers = [](const Frame& frame) {
    std::vector<std::vector<double>> found;
    for (const Polygon& polygon : frame.polygons) {
      if (polygon.part != Part::kSticker) continue;
      std::vector<double> key = {static_cast<double>(polygon.fill.red),
                                 static_cast<double>(polygon.view)};
      std::vector<std::pair<double, double>> points;
      for (int p = 0; p < polygon.size; ++p) {
        points.emplace_back(std::round(polygon.points[p].x * 1e6) / 1e6,
                            std::round(polygon.points[p].y * 1e6) / 1e6);
      }
      std::sort(points.begin(), points.end());
      for (const auto& [x, y] : points) key.insert(key.end(), {x, y});
      found.push_back(key);
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  for (const Turn& turn : EveryTurn()) {
    const auto after = stickers(FrameOf(Apply(MapOfTurn(turn), colours), std::nullopt, 0));
    EXPECT_EQ(stickers(FrameOf(colours, turn, 1)), after) << NameOf(turn);
    EXPECT_EQ(after.size(), 54u);
  }
}

// A quarter of the way through, every sticker of the turning part is on its
// way to where the turn's first quarter takes it (a turn drawn the wrong way
// round moves it away), and every other sticker is where it was.
TEST(CubeGeometryTest, AQuarterOfTheWayEveryStickerHeadsWhereTheTurnTakesIt) {
  const Colours colours = Numbered();
  const Frame still = FrameOf(colours, std::nullopt, 0);
  for (const Turn& turn : EveryTurn()) {
    // Rx2 and Rx3 first turn the way Rx and Rx- do.
    Turn first = turn;
    first.move.power = turn.move.power == 3 ? 3 : 1;
    const FaceletMap quarter = MapOfTurn(first);
    const Frame moving = FrameOf(colours, turn, 0.25);
    int tracked = 0;
    for (int i = 1; i <= kFaceletCount; ++i) {
      for (View view : {View::kMain, View::kHidden}) {
        const std::optional<Point> start = CentreOf(still, i, view);
        const std::optional<Point> now = CentreOf(moving, i, view);
        if (!start || !now) continue;
        const FaceletPlace& place = PlaceOf(i);
        const Vec3 cubie{place.centre.x - 0.5 * place.normal.x,
                         place.centre.y - 0.5 * place.normal.y,
                         place.centre.z - 0.5 * place.normal.z};
        if (!TurnsWith(turn, cubie)) {
          EXPECT_LT(Distance(*start, *now), 1e-9) << NameOf(turn) << " moved " << i;
          continue;
        }
        // The sticker at i goes to the j that receives it: quarter(j) == i.
        int j = 1;
        while (quarter(j) != i) ++j;
        const std::optional<Point> goal = CentreOf(still, j, view);
        if (!goal || i == j) continue;
        EXPECT_LT(Distance(*now, *goal), Distance(*start, *goal) - 1) << NameOf(turn) << " " << i;
        ++tracked;
      }
    }
    EXPECT_GE(tracked, 3) << NameOf(turn);
  }
}

// At rest the sticker drawn on top at each drawn centre is that sticker:
// no other part covers it.
TEST(CubeGeometryTest, EveryDrawnStickerIsSeenAtItsCentre) {
  for (const Camera camera : {kDefaultCamera, Camera{-130, 20}, Camera{10, -75}}) {
    Scene scene;
    scene.colours = Numbered();
    scene.camera = camera;
    scene.hidden_faces = true;
    const Frame frame = BuildFrame(scene);
    for (const StickerCentre& centre : frame.centres) {
      const Polygon* top = TopmostAt(frame, centre.at);
      ASSERT_NE(top, nullptr);
      EXPECT_EQ(top->facelet, centre.facelet);
      EXPECT_EQ(top->view, centre.view);
    }
    // The default view shows the front, top and right faces whole.
    if (camera == kDefaultCamera) {
      for (int k = 1; k <= kFaceletCount; ++k) {
        const int face = FaceOf(k);
        EXPECT_EQ(CentreOf(frame, k, View::kMain).has_value(), face == 1 || face == 4 || face == 6)
            << k;
        EXPECT_EQ(CentreOf(frame, k, View::kHidden).has_value(),
                  !(face == 1 || face == 4 || face == 6))
            << k;
      }
    }
  }
}

// Whatever turns, however far and from wherever it is seen, the part drawn
// last at any point of the picture is the nearest part there: no face drawn
// over one in front of it.
TEST(CubeGeometryTest, WhatIsDrawnLastIsNearest) {
  // Inside by more than a hair: on a shared edge two parts both count.
  const auto inside = [](const Polygon& polygon, Point point) {
    for (int i = 0; i < polygon.size; ++i) {
      const Point& p = polygon.points[i];
      const Point& q = polygon.points[(i + 1) % polygon.size];
      const double cross = (q.x - p.x) * (point.y - p.y) - (q.y - p.y) * (point.x - p.x);
      if (cross < 0.01 * std::hypot(q.x - p.x, q.y - p.y)) return false;
    }
    return true;
  };
  Scene scene;
  scene.colours = Numbered();
  scene.width = 120;
  scene.height = 120;
  scene.hidden_faces = true;
  int checked = 0;
  for (const Camera camera : {kDefaultCamera, Camera{200, -30}, Camera{-60, 75}}) {
    for (const Turn& turn : EveryTurn()) {
      for (double fraction : {0.3, 0.7}) {
        scene.camera = camera;
        scene.turn = turn;
        scene.fraction = fraction;
        const Frame frame = BuildFrame(scene);
        std::vector<std::array<double, 4>> boxes;
        for (const Polygon& polygon : frame.polygons) {
          std::array<double, 4> box = {1e9, -1e9, 1e9, -1e9};
          for (int i = 0; i < polygon.size; ++i) {
            box = {std::min(box[0], polygon.points[i].x), std::max(box[1], polygon.points[i].x),
                   std::min(box[2], polygon.points[i].y), std::max(box[3], polygon.points[i].y)};
          }
          boxes.push_back(box);
        }
        for (double y = 0.5; y < scene.height; y += 4) {
          for (double x = 0.5; x < scene.width; x += 4) {
            const Point point{x, y};
            const Polygon* last = nullptr;
            double nearest = -1e9;
            for (size_t n = 0; n < frame.polygons.size(); ++n) {
              const Polygon& polygon = frame.polygons[n];
              const std::array<double, 4>& box = boxes[n];
              if (x < box[0] || x > box[1] || y < box[2] || y > box[3]) continue;
              if (!inside(polygon, point)) continue;
              last = &polygon;
              nearest = std::max(nearest, DepthAt(polygon, point));
            }
            if (last == nullptr) continue;
            ++checked;
            ASSERT_GE(DepthAt(*last, point), nearest - 1e-9)
                << NameOf(turn) << " at " << fraction << ", yaw " << camera.yaw << ": " << x << ", "
                << y;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 50000);
}

TEST(CubeGeometryTest, TheTiltStopsShortOfUpsideDown) {
  EXPECT_EQ(Limited({0, 120}).pitch, kMaxPitch);
  EXPECT_EQ(Limited({0, -95}).pitch, -kMaxPitch);
  EXPECT_NEAR(Limited({370, 0}).yaw, 10, 1e-12);
  EXPECT_EQ(Limited(kDefaultCamera), kDefaultCamera);
}

}  // namespace
}  // namespace rq51::view3d
