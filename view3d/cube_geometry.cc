#include "view3d/cube_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <tuple>

namespace rq51::view3d {

namespace {

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// How each face lies in the net: its outward normal and the directions on
// the cube of the net's columns (to the right) and rows (downwards), with
// the net cell at its middle. The net is the cross folded round the front:
// the top above it, the bottom below it and the back below the bottom, the
// left and right faces beside it.
struct FaceFold {
  Vec3 normal;
  Vec3 column;
  Vec3 row;
  int middle_row;
  int middle_column;
};
constexpr std::array<FaceFold, kFaceCount + 1> kFolds = {{
    {},
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}, 5, 5},   // 1 front
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}, 8, 5},  // 2 bottom
    {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, 11, 5},  // 3 back
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, 2, 5},    // 4 top
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}, 5, 2},  // 5 left
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}, 5, 8},  // 6 right
}};

const std::array<FaceletPlace, kFaceletCount + 1>& Places() {
  static const std::array<FaceletPlace, kFaceletCount + 1> kPlaces = [] {
    std::array<FaceletPlace, kFaceletCount + 1> places{};
    for (int k = 1; k <= kFaceletCount; ++k) {
      const FaceFold& fold = kFolds[FaceOf(k)];
      const NetPosition net = NetPositionOf(k);
      places[k].normal = fold.normal;
      places[k].centre = 1.5 * fold.normal + (net.column - fold.middle_column) * fold.column +
                         (net.row - fold.middle_row) * fold.row;
    }
    return places;
  }();
  return kPlaces;
}

// The six directions a face of a small cube can look in.
constexpr std::array<Vec3, 6> kDirections = {
    {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}};

int Round(double value) { return static_cast<int>(std::lround(value)); }

int CubieIndex(int x, int y, int z) { return (x + 1) * 9 + (y + 1) * 3 + (z + 1); }

struct Cubie {
  Vec3 centre;
  // The facelet on the face looking in each direction, 0 for an inner face.
  std::array<int, 6> facelets{};
};

const std::array<Cubie, 27>& Cubies() {
  static const std::array<Cubie, 27> kCubies = [] {
    std::array<Cubie, 27> cubies{};
    for (int x = -1; x <= 1; ++x) {
      for (int y = -1; y <= 1; ++y) {
        for (int z = -1; z <= 1; ++z)
          cubies[CubieIndex(x, y, z)].centre = Vec3{1.0 * x, 1.0 * y, 1.0 * z};
      }
    }
    for (int k = 1; k <= kFaceletCount; ++k) {
      const FaceletPlace& place = Places()[k];
      const Vec3 centre = place.centre - 0.5 * place.normal;
      Cubie& cubie = cubies[CubieIndex(Round(centre.x), Round(centre.y), Round(centre.z))];
      for (size_t d = 0; d < kDirections.size(); ++d) {
        if (Dot(kDirections[d], place.normal) > 0.5) cubie.facelets[d] = k;
      }
    }
    return cubies;
  }();
  return kCubies;
}

// The program's axes x, y and z are the left-right, front-back and
// top-bottom axes: here x, z and y.
Vec3 AxisOfTurn(const Turn& turn) {
  switch (AxisOf(turn.move.base)) {
    case 0:
      return {1, 0, 0};
    case 1:
      return {0, 0, 1};
    default:
      return {0, 1, 0};
  }
}

// The coordinate along the axis of the layer that turns: R +1, L -1, M 0.
int LayerCoordinate(const Turn& turn) {
  constexpr int kCoordinate[] = {1, -1, 0};
  return kCoordinate[LayerOf(turn.move.base)];
}

double AngleOf(const Turn& turn, double fraction) {
  const double quarter = std::numbers::pi / 2;
  const double full = turn.move.power == 3 ? -quarter : turn.move.power * quarter;
  return fraction * full;
}

struct Rotation {
  std::array<Vec3, 3> rows{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  Vec3 operator()(const Vec3& p) const {
    return {Dot(rows[0], p), Dot(rows[1], p), Dot(rows[2], p)};
  }
};

// Right-handed rotation by `angle` about the unit axis `axis`.
Rotation RotationAbout(const Vec3& axis, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double t = 1 - c;
  const Vec3& a = axis;
  Rotation r;
  r.rows[0] = {t * a.x * a.x + c, t * a.x * a.y - s * a.z, t * a.x * a.z + s * a.y};
  r.rows[1] = {t * a.x * a.y + s * a.z, t * a.y * a.y + c, t * a.y * a.z - s * a.x};
  r.rows[2] = {t * a.x * a.z - s * a.y, t * a.y * a.z + s * a.x, t * a.z * a.z + c};
  return r;
}

// A face at exactly right angles to the line of sight shows nothing.
constexpr double kEdgeOn = 1e-6;

// Half the side of a sticker on its unit face, and how much its corners are
// cut off: the black of the body shows round it.
constexpr double kStickerHalf = 0.43;
constexpr double kStickerCut = 0.09;

// An orthographic view: the eye direction and the picture's axes.
struct Eye {
  Vec3 towards_eye;
  Vec3 right;
  Vec3 up;
  Point origin;  // where the cube's centre is drawn
  double scale;  // pixels per unit
  Point Project(const Vec3& p) const {
    return {origin.x + scale * Dot(p, right), origin.y - scale * Dot(p, up)};
  }
  Point ProjectVector(const Vec3& v) const { return {scale * Dot(v, right), -scale * Dot(v, up)}; }
  // The depth on the picture of the plane through `p` with normal `n`,
  // which must face the eye.
  std::array<double, 3> DepthPlane(const Vec3& p, const Vec3& n) const {
    const double facing = Dot(n, towards_eye);
    const double across = Dot(n, right) / (scale * facing);
    const double down = -Dot(n, up) / (scale * facing);
    return {Dot(n, p) / facing + across * origin.x + down * origin.y, -across, -down};
  }
};

Eye EyeOf(const Camera& camera, Point origin, double scale) {
  const double yaw = camera.yaw * std::numbers::pi / 180;
  const double pitch = camera.pitch * std::numbers::pi / 180;
  Eye eye;
  eye.towards_eye = {std::cos(pitch) * std::sin(yaw), std::sin(pitch),
                     std::cos(pitch) * std::cos(yaw)};
  eye.right = {std::cos(yaw), 0, -std::sin(yaw)};
  eye.up = Cross(eye.towards_eye, eye.right);
  eye.origin = origin;
  eye.scale = scale;
  return eye;
}

// Small cubes are drawn by slab, then by depth, then by where they are
// drawn; depths and places are rounded so that a cube turned a whole quarter
// is drawn in the order of the cube it has become.
struct Entry {
  int order;       // slab along the turn's axis, farthest first
  int64_t depth;   // nearer the eye is larger
  int64_t across;  // place on the picture, for equal depths
  int64_t down;
  int cubie;
  auto Key() const { return std::make_tuple(order, depth, across, down); }
};

// How the faces looking in each direction are drawn, for the small cubes
// that stand still and for those that turn.
struct FaceLook {
  bool visible;
  Vec3 normal;
  Point half_normal;  // from a small cube's centre to its face's centre
  Point side_a;       // along the face's two sides, a whole unit
  Point side_b;
};

void AddCube(const Scene& scene, View view, const Eye& eye, Frame& frame) {
  const std::array<Cubie, 27>& cubies = Cubies();
  const bool turning = scene.turn.has_value();
  const bool layer_turn = turning && !scene.turn->whole_cube;
  Rotation rotation;
  Vec3 axis;
  // The turning layer stands out of line with the rest: the cutting planes
  // are open and show the black of the small cubes' inner faces.
  bool open = false;
  if (turning) {
    axis = AxisOfTurn(*scene.turn);
    const double angle = AngleOf(*scene.turn, scene.fraction);
    rotation = RotationAbout(axis, angle);
    open = layer_turn && std::abs(std::remainder(angle, std::numbers::pi / 2)) > 1e-9;
  }
  // [0] still, [1] turning.
  std::array<std::array<FaceLook, 6>, 2> looks{};
  for (int turns = 0; turns < 2; ++turns) {
    for (size_t d = 0; d < kDirections.size(); ++d) {
      const Vec3& direction = kDirections[d];
      // The face's two sides along the other axes.
      const Vec3 side_a = d < 2 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
      const Vec3 side_b = Cross(direction, side_a);
      const auto moved = [&](const Vec3& v) { return turns == 1 ? rotation(v) : v; };
      looks[turns][d] = {Dot(moved(direction), eye.towards_eye) > kEdgeOn, moved(direction),
                         eye.ProjectVector(0.5 * moved(direction)),
                         eye.ProjectVector(moved(side_a)), eye.ProjectVector(moved(side_b))};
    }
  }
  // During a layer turn the cube falls into three slabs across the axis,
  // each drawn whole; the slab on the far side of each cutting plane first.
  const bool eye_on_plus_side = Dot(eye.towards_eye, axis) > 0;

  std::array<Entry, 27> entries{};
  std::array<bool, 27> turns{};
  std::array<Point, 27> centres{};
  std::array<Vec3, 27> centres_3d{};
  for (int i = 0; i < 27; ++i) {
    const Cubie& cubie = cubies[i];
    turns[i] = turning && TurnsWith(*scene.turn, cubie.centre);
    const Vec3 centre = turns[i] ? rotation(cubie.centre) : cubie.centre;
    centres[i] = eye.Project(centre);
    centres_3d[i] = centre;
    int order = 0;
    if (open) {
      const int slab = Round(Dot(cubie.centre, axis));
      order = eye_on_plus_side ? slab : -slab;
    }
    entries[i] = {order, std::llround(Dot(centre, eye.towards_eye) * 1e6),
                  std::llround(centres[i].x * 1e3), std::llround(centres[i].y * 1e3), i};
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.Key() < b.Key(); });

  for (const Entry& entry : entries) {
    const Cubie& cubie = cubies[entry.cubie];
    const bool cubie_turns = turns[entry.cubie];
    // The small cube's black faces first, then its stickers, so that no
    // black edge is drawn over a sticker's.
    const size_t first_sticker = frame.polygons.size();
    int stickers = 0;
    for (size_t d = 0; d < kDirections.size(); ++d) {
      const FaceLook& look = looks[cubie_turns ? 1 : 0][d];
      if (!look.visible) continue;
      const int facelet = cubie.facelets[d];
      // Inner faces show only where a turn opens a cutting plane.
      if (facelet == 0) {
        if (!open) continue;
        const Vec3 neighbour = cubie.centre + kDirections[d];
        if (std::abs(neighbour.x) > 1.5 || std::abs(neighbour.y) > 1.5 ||
            std::abs(neighbour.z) > 1.5 ||
            turns[CubieIndex(Round(neighbour.x), Round(neighbour.y), Round(neighbour.z))] ==
                cubie_turns) {
          continue;
        }
      }
      const Point at{centres[entry.cubie].x + look.half_normal.x,
                     centres[entry.cubie].y + look.half_normal.y};
      const auto corner = [&](double s, double t) {
        return Point{at.x + s * look.side_a.x + t * look.side_b.x,
                     at.y + s * look.side_a.y + t * look.side_b.y};
      };

      Polygon body;
      body.part = Part::kBody;
      body.view = view;
      body.depth = eye.DepthPlane(centres_3d[entry.cubie] + 0.5 * look.normal, look.normal);
      body.size = 4;
      body.points[0] = corner(0.5, 0.5);
      body.points[1] = corner(0.5, -0.5);
      body.points[2] = corner(-0.5, -0.5);
      body.points[3] = corner(-0.5, 0.5);
      frame.polygons.insert(frame.polygons.begin() + static_cast<std::ptrdiff_t>(first_sticker),
                            body);
      if (facelet == 0) continue;

      Polygon& sticker = frame.polygons.emplace_back();
      sticker.part = Part::kSticker;
      sticker.view = view;
      sticker.facelet = facelet;
      sticker.fill = scene.colours[facelet];
      sticker.depth = body.depth;
      sticker.size = 8;
      constexpr double h = kStickerHalf;
      constexpr double c = kStickerHalf - kStickerCut;
      sticker.points = {corner(c, h),   corner(h, c),   corner(h, -c), corner(c, -h),
                        corner(-c, -h), corner(-h, -c), corner(-h, c), corner(-c, h)};
      frame.centres.push_back({facelet, view, at});
      ++stickers;
    }
    // Stickers of one small cube never touch: any order does, but the same
    // cube turned to the same place draws them in the same order.
    const auto sticker_begin = frame.polygons.end() - stickers;
    const auto place = [](const Polygon& sticker) {
      // Opposite corners: the sticker's middle, twice.
      const Point& a = sticker.points[0];
      const Point& b = sticker.points[4];
      return std::make_pair(std::llround((a.y + b.y) * 1e6), std::llround((a.x + b.x) * 1e6));
    };
    std::sort(sticker_begin, frame.polygons.end(),
              [&](const Polygon& a, const Polygon& b) { return place(a) < place(b); });
  }
}

}  // namespace

const FaceletPlace& PlaceOf(int facelet) { return Places()[facelet]; }

bool TurnsWith(const Turn& turn, const Vec3& cubie) {
  if (turn.whole_cube) return true;
  return Round(Dot(cubie, AxisOfTurn(turn))) == LayerCoordinate(turn);
}

Vec3 Turned(const Turn& turn, double fraction, const Vec3& point) {
  // A point on the surface belongs to the small cube just inside it.
  const Vec3 cubie{std::clamp(std::round(point.x), -1.0, 1.0),
                   std::clamp(std::round(point.y), -1.0, 1.0),
                   std::clamp(std::round(point.z), -1.0, 1.0)};
  if (!TurnsWith(turn, cubie)) return point;
  return RotationAbout(AxisOfTurn(turn), AngleOf(turn, fraction))(point);
}

Camera Limited(Camera camera) {
  camera.pitch = std::clamp(camera.pitch, -kMaxPitch, kMaxPitch);
  camera.yaw = std::remainder(camera.yaw, 360.0);
  return camera;
}

void BuildFrame(const Scene& scene, Frame& frame) {
  frame.width = scene.width;
  frame.height = scene.height;
  frame.polygons.clear();
  frame.centres.clear();
  const Camera camera = Limited(scene.camera);
  const double side = std::min(scene.width, scene.height);
  // Scales keep the whole cube, a turning layer's corners included, inside
  // its part of the picture: a sphere round the cube fits it.
  const double sphere = 1.5 * std::sqrt(3.0);
  if (!scene.hidden_faces) {
    AddCube(scene, View::kMain,
            EyeOf(camera, {scene.width / 2.0, scene.height / 2.0}, 0.47 * side / sphere), frame);
    return;
  }
  // The second cube first: it never overlaps the main one.
  const Camera opposite{camera.yaw + 180, -camera.pitch};
  AddCube(scene, View::kHidden,
          EyeOf(opposite, {0.80 * scene.width, 0.80 * scene.height}, 0.18 * side / sphere), frame);
  AddCube(scene, View::kMain,
          EyeOf(camera, {0.40 * scene.width, 0.40 * scene.height}, 0.38 * side / sphere), frame);
}

Frame BuildFrame(const Scene& scene) {
  Frame frame;
  BuildFrame(scene, frame);
  return frame;
}

double DepthAt(const Polygon& polygon, Point point) {
  return polygon.depth[0] + polygon.depth[1] * point.x + polygon.depth[2] * point.y;
}

const Polygon* TopmostAt(const Frame& frame, Point point) {
  for (auto it = frame.polygons.rbegin(); it != frame.polygons.rend(); ++it) {
    const Polygon& polygon = *it;
    // Inside a convex polygon the point lies on one side of every edge.
    int side = 0;
    bool inside = true;
    for (int i = 0; i < polygon.size && inside; ++i) {
      const Point& p = polygon.points[i];
      const Point& q = polygon.points[i + 1 < polygon.size ? i + 1 : 0];
      const double cross = (q.x - p.x) * (point.y - p.y) - (q.y - p.y) * (point.x - p.x);
      const int here = cross > 0 ? 1 : (cross < 0 ? -1 : 0);
      if (here != 0) {
        inside = side == 0 || side == here;
        side = here;
      }
    }
    if (inside) return &polygon;
  }
  return nullptr;
}

std::optional<Point> CentreOf(const Frame& frame, int facelet, View view) {
  for (const StickerCentre& centre : frame.centres) {
    if (centre.facelet == facelet && centre.view == view) return centre.at;
  }
  return std::nullopt;
}

}  // namespace rq51::view3d
