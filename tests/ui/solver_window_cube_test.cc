// The 3D cube and the reference solution in the solver windows, through
// their real widgets: the trial buttons and the line buttons animate, keys
// reach the cube, and the reference solution solves the entered cube, is
// copied in standard notation and plays on a cube of its own, never
// touching the window's cube, lists or verdict.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

#include "cube/state_table.h"
#include "shortest/reference_solution.h"
#include "ui/app_setup.h"
#include "ui/cube_view.h"
#include "ui/reference_line_view.h"
#include "ui/solver_window_view.h"

namespace rq51 {

class SolverWindowCubeTest : public QObject {
  Q_OBJECT

 private:
  static void Enter(SolverWindowView& view, const char* scramble) {
    view.window().scramble_text() = scramble;
    view.window().ScrambleClick();
    view.window().ColoringClick();
    view.Render();
  }

  static CubeView* Cube(QWidget* view) {
    return view->findChild<CubeView*>(QStringLiteral("CubeView"));
  }

  static void Click(QWidget* view, const char* name) {
    auto* button = view->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
  }

  // The reference solution of the window's entry, once its search is over.
  static const shortest::ReferenceSolution& Reference(SolverWindowView& view) {
    auto* line = view.findChild<ReferenceLineView*>(QStringLiteral("ReferenceLine"));
    if (!QTest::qWaitFor([line] { return !line->searching(); }, 60000)) qFatal("no answer");
    return *line->solution();
  }

 private slots:
  void initTestCase() { SetUpApplicationFont(); }

  void TheReferenceSolutionSolvesTheEntryAndLeavesTheWindowAlone_data() {
    QTest::addColumn<int>("kind");
    for (const WindowKind kind : AllWindowKinds()) {
      QTest::addRow("%s", VariantOf(kind).short_name.data()) << static_cast<int>(kind);
    }
  }
  void TheReferenceSolutionSolvesTheEntryAndLeavesTheWindowAlone() {
    QFETCH(int, kind);
    SolverWindowView view(static_cast<WindowKind>(kind));
    view.show();
    for (const char* scramble : {"R U R' U' F2", "x D2 L' B R2 U' F E"}) {
      Enter(view, scramble);
      view.window().PressButton("CES");
      view.Render();
      const std::string before = view.window().SolutionText();
      const shortest::ReferenceSolution& found = Reference(view);
      QVERIFY(found.found());
      QVERIFY(found.length() <= 20);
      // Performed on the entered cube, it leaves the window's idea of solved.
      SolverWindowView entered(static_cast<WindowKind>(kind));
      Enter(entered, scramble);
      StateTable cube = entered.window().table();
      for (const Move move : shortest::ProgramMoves(found.turns)) cube.ApplyMap(MoveMap(move));
      QVERIFY(cube.IsSolved());
      // The line says so, the copy is in standard notation.
      QCOMPARE(view.findChild<QLabel*>(QStringLiteral("ReferenceLabel"))->text(),
               QStringLiteral("参考：最短に近い解法\u3000%1 手").arg(found.length()));
      Click(&view, "ReferenceCopy");
      QCOMPARE(QGuiApplication::clipboard()->text(),
               QString::fromStdString(shortest::StandardText(found.turns)));
      // Played on a cube of its own, and back to the method's cube.
      Click(&view, "ReferencePlay");
      auto* cubes = view.findChild<QStackedWidget*>(QStringLiteral("CubeViews"));
      QCOMPARE(cubes->currentWidget()->objectName(), QStringLiteral("ReferenceCubeView"));
      QVERIFY(static_cast<CubeView*>(cubes->currentWidget())->player().playing());
      Click(&view, "ReferenceBack");
      QCOMPARE(cubes->currentWidget(), static_cast<QWidget*>(Cube(&view)));
      QCOMPARE(view.window().SolutionText(), before);
    }
    // Within five turns of solved, the shortest itself (these turns leave
    // the corner at 18, 25, 45 home, so the corner-held windows need no turn
    // of the whole cube).
    Enter(view, "R U R' U'");
    QCOMPARE(Reference(view).length(), 4);
  }

  void TurnsAndLinesAreAnimatedWhileTheNetShowsTheirEnd() {
    SolverWindowView view(WindowKind::kTkc);
    view.show();
    Enter(view, "R U2 F' L");
    Click(&view, "Rx");
    QVERIFY(Cube(&view)->player().busy());
    QVERIFY(!view.window().browsing());
    Click(&view, "Sikou");  // the trial turn's line goes
    view.window().PressButton("CES");
    view.Render();
    Click(&view, "NextLine");
    QVERIFY(Cube(&view)->player().busy());
    QCOMPARE(view.window().BrowsedTraceLine(), std::optional<size_t>(0));
    QVERIFY(
        view.findChild<QLabel*>(QStringLiteral("PlaybackLabel"))->text().startsWith("ListBox1"));
    // Space, which no control takes, plays; Esc goes back to the live cube.
    QTest::keyClick(&view, Qt::Key_Space);
    QVERIFY(Cube(&view)->player().playing());
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(!view.window().browsing());
    QVERIFY(!Cube(&view)->player().playing());
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::SolverWindowCubeTest)
#include "solver_window_cube_test.moc"
