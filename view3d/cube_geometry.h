// The cube seen in three dimensions, as flat polygons to paint: a cube state
// (the colours the net shows), a turn in progress and how far it has got,
// and a camera give every sticker and every small cube's black body as a
// polygon on the picture, in the order a painter draws them so that nearer
// parts cover farther ones. Nothing here draws; the picture is anything
// that fills polygons.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/turn.h"

namespace rq51::view3d {

// Colours of facelets 1..54; index 0 is unused.
using Colours = std::array<Rgb, kFaceletCount + 1>;

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

// The cube spans -1.5 .. 1.5 on each axis: x towards the right face (6),
// y towards the top face (4), z towards the front face (1). Each small cube
// is a unit cube centred on whole coordinates.
struct FaceletPlace {
  Vec3 centre;  // the middle of the sticker, on the cube's surface
  Vec3 normal;  // outward, along one axis
};
// Where facelet 1..54 lies on the cube at rest, folded from the net.
const FaceletPlace& PlaceOf(int facelet);

// `point` carried by `fraction` (0..1) of `turn` when it lies in the part
// that turns, and left where it is otherwise. A quarter turn is 90 degrees
// about the turn's axis in the sense the move table gives, a half turn 180
// and the third power -90.
Vec3 Turned(const Turn& turn, double fraction, const Vec3& point);
// Whether the small cube centred at `cubie` (whole coordinates -1..1) turns.
bool TurnsWith(const Turn& turn, const Vec3& cubie);

// The eye looks at the cube's centre from the direction given by `yaw`
// (degrees about the vertical axis, 0 from the front face, positive towards
// the right face) and `pitch` (degrees above the horizon).
struct Camera {
  double yaw = 45;
  double pitch = 35.26438968275465;  // atan(1 / sqrt 2)
  bool operator==(const Camera&) const = default;
};
// The corner where faces 1, 4 and 6 meet, straight at the eye, the three
// faces at equal angles.
inline constexpr Camera kDefaultCamera{};
// The tilt stays this far from straight down or up, so that the top of the
// cube is always up on the picture.
inline constexpr double kMaxPitch = 80;
// `camera` with its pitch held within +-kMaxPitch and its yaw in -180..180.
Camera Limited(Camera camera);

struct Scene {
  Colours colours{};
  std::optional<Turn> turn;  // the turn in progress, performed up to `fraction`
  double fraction = 0;
  Camera camera;
  int width = 400;
  int height = 400;
  // Also the back, bottom and left faces: a smaller second cube in the lower
  // right corner, seen from the opposite corner.
  bool hidden_faces = false;
};

struct Point {
  double x = 0;
  double y = 0;
};

enum class Part : uint8_t { kBody, kSticker };
// The main cube, or the second one that shows the hidden faces.
enum class View : uint8_t { kMain, kHidden };

inline constexpr Rgb kBodyColour{0, 0, 0};

struct Polygon {
  Part part = Part::kBody;
  View view = View::kMain;
  // kSticker: the facelet the sticker lay on before the turn began.
  int facelet = 0;
  Rgb fill = kBodyColour;
  // How near the eye the polygon's plane is at a point of the picture
  // (DepthAt); larger is nearer.
  std::array<double, 3> depth{};
  int size = 0;  // corners used, in order round the polygon
  std::array<Point, 8> points{};
};
double DepthAt(const Polygon& polygon, Point point);

struct StickerCentre {
  int facelet;
  View view;
  Point at;
};

struct Frame {
  int width = 0;
  int height = 0;
  std::vector<Polygon> polygons;       // in drawing order, farthest first
  std::vector<StickerCentre> centres;  // of every sticker drawn
};

// Fills `frame` (its storage is reused from frame to frame).
void BuildFrame(const Scene& scene, Frame& frame);
Frame BuildFrame(const Scene& scene);

// The polygon drawn last that covers `point`: what the picture shows there.
// Null where only the background shows.
const Polygon* TopmostAt(const Frame& frame, Point point);
// The drawn centre of facelet `facelet`'s sticker in `view`, if it is drawn.
std::optional<Point> CentreOf(const Frame& frame, int facelet, View view = View::kMain);

}  // namespace rq51::view3d
