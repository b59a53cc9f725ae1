// One picture of the 3D cube in the middle of a turn: the polygons alone, and
// the polygons painted anti-aliased into a 600 x 600 picture as the window
// paints them. A 60 Hz screen leaves 16.7 ms a frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "cube/colour.h"
#include "cube/moves.h"
#include "cube/state_table.h"
#include "cube/turn.h"
#include "ui/cube_picture.h"
#include "view3d/cube_geometry.h"

namespace {

// A scrambled cube, the right layer a third of the way through Rx, the
// hidden faces shown too.
rq51::view3d::Scene MidTurn(int size) {
  std::mt19937 random(5);
  std::vector<rq51::Move> moves;
  for (int n = 0; n < 30; ++n) moves.push_back(rq51::AllMoves()[random() % 27]);
  const rq51::FaceletMap scramble = rq51::MapOfMoves(moves);
  rq51::view3d::Scene scene;
  for (int k = 1; k <= rq51::kFaceletCount; ++k) {
    scene.colours[k] = rq51::RgbOf(rq51::HomeFaceColour(rq51::FaceOf(scramble(k))));
  }
  scene.turn = rq51::Turn{rq51::Move{rq51::BaseTurn::kRx, 1}};
  scene.fraction = 0.33;
  scene.width = size;
  scene.height = size;
  scene.hidden_faces = true;
  return scene;
}

void BM_CubeGeometry(benchmark::State& state) {
  const rq51::view3d::Scene scene = MidTurn(600);
  rq51::view3d::Frame frame;
  for (auto _ : state) {
    rq51::view3d::BuildFrame(scene, frame);
    benchmark::DoNotOptimize(frame.polygons.data());
  }
}
BENCHMARK(BM_CubeGeometry)->Unit(benchmark::kMicrosecond);

void BM_CubeFrame600(benchmark::State& state) {
  const rq51::view3d::Scene scene = MidTurn(600);
  rq51::view3d::Frame frame;
  QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    rq51::view3d::BuildFrame(scene, frame);
    image.fill(QColor(239, 239, 239));
    QPainter painter(&image);
    rq51::PaintCubeFrame(painter, frame);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_CubeFrame600)->Unit(benchmark::kMillisecond);

}  // namespace
