// The 3D cube as it is painted: hidden faces never show through, a turn at
// its end paints the cube after it, the colours painted at the stickers'
// centres are the net's, and the controls under the cube drive the player
// without touching the window's cube.
#include "ui/cube_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>
#include <vector>

#include "cube/random_cube.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"
#include "tests/window_state.h"
#include "ui/app_setup.h"
#include "ui/cube_picture.h"
#include "view3d/cube_geometry.h"

namespace rq51 {
namespace {

class ManualClock : public PlayerClock {
 public:
  double NowMs() const override { return now; }
  double now = 0;
};

// No colour of a sticker.
const QColor kGround(128, 128, 128);

QImage Paint(const view3d::Scene& scene) {
  QImage image(scene.width, scene.height, QImage::Format_RGB32);
  image.fill(kGround);
  QPainter painter(&image);
  PaintCubeFrame(painter, view3d::BuildFrame(scene));
  return image;
}

view3d::Colours SolvedRgb() {
  view3d::Colours colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = RgbOf(HomeFaceColour(FaceOf(k)));
  return colours;
}

std::vector<Turn> EveryMoveAndRotation() {
  std::vector<Turn> turns;
  for (const Move& move : AllMoves()) turns.push_back(Turn{move});
  for (BaseTurn base : {BaseTurn::kRx, BaseTurn::kRy, BaseTurn::kRz}) {
    for (int power = 1; power <= 3; ++power) turns.push_back(WholeCubeTurn(base, power));
  }
  return turns;
}

template <typename T>
T* Find(QWidget* parent, const char* name) {
  T* widget = parent->findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget;
}

using test::WindowState;

}  // namespace

class CubeViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplicationFont(); }

  // Drawn whole cube by whole cube, back to front, the solved cube never
  // shows a pixel of the back, bottom or left face's colour: not at rest and
  // not while any turn turns up to where a hidden face stands edge-on.
  void HiddenFacesNeverShowThrough() {
    const QColor hidden[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 255)};
    view3d::Scene scene;
    scene.colours = SolvedRgb();
    scene.width = 300;
    scene.height = 300;
    std::vector<std::pair<std::optional<Turn>, double>> moments = {{std::nullopt, 0}};
    for (const Turn& turn : EveryMoveAndRotation()) {
      if (turn.whole_cube) continue;  // turns the hidden faces into view, as it should
      const double half = turn.move.power == 2 ? 0.25 : 0.5;
      for (double fraction : {0.2 * half, 0.5 * half, half}) moments.push_back({turn, fraction});
    }
    for (const auto& [turn, fraction] : moments) {
      scene.turn = turn;
      scene.fraction = fraction;
      const QImage image = Paint(scene);
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QColor pixel = image.pixelColor(x, y);
          for (const QColor& colour : hidden) {
            if (pixel == colour) {
              QFAIL(qPrintable(QStringLiteral("%1 at %2: a hidden colour at %3, %4")
                                   .arg(turn ? QString::fromStdString(ButtonName(turn->move))
                                             : QStringLiteral("rest"))
                                   .arg(fraction)
                                   .arg(x)
                                   .arg(y)));
            }
          }
        }
      }
    }
  }

  // The picture at the end of every turn is the picture of the cube after
  // it: the same polygons drawn in the same order.
  void ATurnAtItsEndPaintsTheCubeAfterIt() {
    view3d::Scene scene;
    for (int k = 1; k <= kFaceletCount; ++k) scene.colours[k] = Rgb{k * 4, 255 - k * 4, k * 2};
    scene.width = 200;
    scene.height = 200;
    scene.hidden_faces = true;
    for (const Turn& turn : EveryMoveAndRotation()) {
      view3d::Scene after = scene;
      const FaceletMap map = MapOfTurn(turn);
      for (int k = 1; k <= kFaceletCount; ++k) after.colours[k] = scene.colours[map(k)];
      view3d::Scene end = scene;
      end.turn = turn;
      end.fraction = 1;
      const QImage a = Paint(end);
      const QImage b = Paint(after);
      int differing = 0;
      for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
          const QColor p = a.pixelColor(x, y);
          const QColor q = b.pixelColor(x, y);
          // Coordinates a rounding error apart may shade an edge pixel by a
          // level.
          differing += std::abs(p.red() - q.red()) > 2 || std::abs(p.green() - q.green()) > 2 ||
                       std::abs(p.blue() - q.blue()) > 2;
        }
      }
      QVERIFY2(differing == 0,
               qPrintable((turn.whole_cube ? QStringLiteral("the whole cube ") : QString()) +
                          QString::fromStdString(ButtonName(turn.move))));
    }
  }

  // The window's picture, painted by the widget: at every line of a few
  // solves of every method, the pixel at every sticker's drawn centre has
  // the net's colour of that facelet.
  void PaintedStickerCentresShowTheNetsColours() {
    for (const Method* method : Methods()) {
      for (uint64_t n = 0; n < 2; ++n) {
        SolverWindow window(method->window, method);
        CubeRandom random(77, n);
        QVERIFY(test::EnterColours(window, HeldFor(RandomRealCube(random), window.variant().rule)));
        window.PressButton("CES");
        CubeView view(window);
        view.resize(270, 270);
        for (size_t line = 0; line < view.player().line_count(); ++line) {
          view.JumpToLine(line);
          const QImage image = view.grab().toImage();
          const view3d::Frame frame = view.CurrentFrame();
          QCOMPARE(frame.centres.size(), size_t{54});
          for (const view3d::StickerCentre& centre : frame.centres) {
            const Rgb net = window.ShownNet(centre.facelet).colour;
            const QColor pixel =
                image.pixelColor(static_cast<int>(centre.at.x), static_cast<int>(centre.at.y));
            QCOMPARE(pixel, QColor(net.red, net.green, net.blue));
          }
        }
      }
    }
  }

  void TheStripDrivesThePlayerAndLeavesTheWindowAlone() {
    SolverWindow window = test::WindowFor(WindowKind::kLb);
    QVERIFY(test::EnterColours(window,
                               test::Turned(test::SolvedColours(), test::Moves("Rz Rx Ly3 Mz"))));
    window.PressButton("CES");
    const WindowState before(window);
    ManualClock clock;
    QWidget panel;
    auto* layout = new QVBoxLayout(&panel);
    auto* view = new CubeView(window, &panel);
    view->SetClock(&clock);
    auto* strip = new CubeStrip(view, &panel);
    layout->addWidget(view);
    layout->addWidget(strip);
    // Small enough to stand beside the net on a 1280 x 690 screen.
    QVERIFY(panel.minimumSizeHint().width() <= 300);
    QVERIFY(strip->minimumSizeHint().height() <= 160);
    panel.resize(300, 460);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy net_changed(view, &CubeView::NetChanged);
    const auto tick = [&](double ms) {
      clock.now += ms;
      view->Tick();
    };
    auto* position = Find<QLabel>(&panel, "PositionLine");
    auto* turn_line = Find<QLabel>(&panel, "TurnLine");
    auto* scrub = Find<QSlider>(&panel, "ScrubBar");
    QCOMPARE(view->objectName(), QStringLiteral("CubeView"));
    QCOMPARE(position->text(), QStringLiteral("最新の状態"));
    QCOMPARE(scrub->maximum(), view->player().turn_total());

    // A line on from the live cube: the entered cube, then the first line
    // turn by turn, its turn marked; the net shows that line at once.
    QTest::mouseClick(Find<QAbstractButton>(&panel, "StepForward"), Qt::LeftButton);
    QVERIFY(view->player().busy());
    QVERIFY(turn_line->text().contains("background-color"));
    QCOMPARE(window.BrowsedTraceLine(), std::optional<size_t>(0));
    for (int n = 0; n < 100 && view->player().busy(); ++n) tick(50);
    QCOMPARE(window.BrowsedTraceLine(), std::optional<size_t>(0));
    QCOMPARE(position->text(), QString::fromStdString(window.PlaybackText()));
    QVERIFY(net_changed.count() >= 1);

    // Space plays; a key during a turn finishes it at once and does its own.
    QTest::keyClick(view, Qt::Key_Space);
    QVERIFY(view->player().playing());
    QCOMPARE(Find<QAbstractButton>(&panel, "PlayPause")->text(), QStringLiteral("❚❚ 停止"));
    tick(100);
    const int during = view->player().turn_index();
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(!view->player().playing());
    QVERIFY(view->player().turn_index() >= during);
    QTest::keyClick(view, Qt::Key_End);
    QVERIFY(!view->player().busy());
    QCOMPARE(scrub->value(), view->player().turn_total());
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(position->text(),
             QStringLiteral("入力されたキューブ · 0/%1 手").arg(view->player().turn_total()));
    QVERIFY(window.browsing_start());
    QTest::keyClick(view, Qt::Key_Left);  // nothing before the entered cube
    QVERIFY(!view->player().busy());

    // The scrub bar and the speed.
    scrub->setValue(5);
    QCOMPARE(view->player().turn_index(), 5);
    auto* speed = Find<QComboBox>(&panel, "SpeedBox");
    speed->setCurrentIndex(speed->findData(2.0));
    QCOMPARE(view->player().speed(), 2.0);
    QTest::mouseClick(Find<QAbstractButton>(&panel, "PlayPause"), Qt::LeftButton);
    tick(CubePlayer::kQuarterTurnMs * CubePlayer::kHalfTurnFactor / 2);
    QVERIFY(view->player().turn_index() >= 6);
    QTest::mouseClick(Find<QAbstractButton>(&panel, "PlayPause"), Qt::LeftButton);
    QVERIFY(!view->player().playing());

    // The hidden faces off and on; the camera dragged, held short of upside
    // down, and reset by a double click.
    auto* hidden = Find<QCheckBox>(&panel, "HiddenFaces");
    QVERIFY(hidden->isChecked());
    hidden->click();
    QVERIFY(!view->hidden_faces());
    for (const view3d::StickerCentre& centre : view->CurrentFrame().centres) {
      QCOMPARE(centre.view, view3d::View::kMain);
    }
    hidden->click();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(160, 400), view->mapToGlobal(QPointF(160, 400)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(160, 400));
    QCOMPARE(view->camera().pitch, view3d::kMaxPitch);
    QVERIFY(view->camera().yaw != view3d::kDefaultCamera.yaw);
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(view->camera(), view3d::kDefaultCamera);

    // A trial button's turn is performed on the live cube.
    window.TrialMove({BaseTurn::kRx, 1});
    view->TrialMoved({BaseTurn::kRx, 1});
    QVERIFY(view->player().busy());
    QCOMPARE(turn_line->text().contains(QStringLiteral(">Rx<")), true);
    for (int n = 0; n < 100 && view->player().busy(); ++n) tick(50);
    QVERIFY(view->player().live());
    QCOMPARE(position->text(), QStringLiteral("最新の状態"));

    // Nothing of it changed the window but the trial move.
    window.ListClearClick(4);
    window.TrialMove({BaseTurn::kRx, 3});
    window.ListClearClick(4);
    view->WindowChanged();
    QVERIFY(WindowState(window).table == before.table);
    QCOMPARE(WindowState(window).label4, before.label4);
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::CubeViewTest)
#include "cube_view_test.moc"
