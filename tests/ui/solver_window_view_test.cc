#include "ui/solver_window_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "tests/faulty_cubes.h"
#include "ui/app_setup.h"
#include "ui/colour_grid.h"

namespace rq51 {
namespace {

// Colour letters of a solved cube, face 1 (front) .. 6 (right). Its corner at
// 18, 25, 45 is red, blue, white, so it suits both face-colour rules.
constexpr const char* kSolvedFaces[] = {"", "G", "R", "B", "O", "W", "Y"};
constexpr const char* kColourButtonOf[] = {"",          "GreenBtn", "RedBtn",   "BlueBtn",
                                           "OrangeBtn", "WhiteBtn", "YellowBtn"};

const QString kOk = QString::fromUtf8(kArrangementOk.data(), kArrangementOk.size());

template <typename T>
T* Find(QWidget* view, const QString& name) {
  T* widget = view->findChild<T*>(name);
  if (widget == nullptr) qFatal("no control %s", qPrintable(name));
  return widget;
}

std::unique_ptr<SolverWindowView> OpenView(WindowKind kind) {
  auto view = std::make_unique<SolverWindowView>(kind);
  view->resize(1600, 1000);
  view->show();
  if (!QTest::qWaitForWindowExposed(view.get())) qFatal("window not exposed");
  return view;
}

QTableWidget* Grid(QWidget* view, int n) {
  return Find<QTableWidget>(view, QStringLiteral("StringGrid%1").arg(n));
}

void PressOnCell(QTableWidget* grid, Qt::MouseButton button, int column, int row) {
  QTest::mouseClick(grid->viewport(), button, {},
                    grid->visualItemRect(grid->item(row, column)).center());
}

// Clicks a button as a user would. A radio button reacts to the pointer on
// its indicator or caption only, so it is pressed on its indicator.
void Press(QAbstractButton* button) {
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  QTest::mouseClick(button, Qt::LeftButton, {},
                    radio ? QPoint(6, button->height() / 2) : button->rect().center());
}

void Click(QWidget* view, const QString& name) { Press(Find<QAbstractButton>(view, name)); }

// Paints the letter of every facelet as a user would: colour button, then a
// left click on the facelet's grid cell.
void PaintCube(QWidget* view, const std::array<int, kFaceletCount + 1>& face_of_facelet) {
  for (int colour = 1; colour <= kFaceCount; ++colour) {
    Click(view, QString::fromLatin1(kColourButtonOf[colour]));
    for (int k = 1; k <= kFaceletCount; ++k) {
      if (face_of_facelet[k] != colour) continue;
      const GridCell cell = FaceletGridCell(k);
      PressOnCell(Grid(view, cell.grid), Qt::LeftButton, cell.column, cell.row);
    }
  }
}

std::array<int, kFaceletCount + 1> SolvedColours() {
  std::array<int, kFaceletCount + 1> colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = FaceOf(k);
  return colours;
}

QLineEdit* NetBox(QWidget* view, int k) {
  return Find<QLineEdit>(view, QStringLiteral("Edit%1").arg(k));
}

// The colour the box is drawn in, read from its rendered pixels left and
// right of a centred number.
QColor ShownColour(QLineEdit* cell) {
  const QImage image = cell->grab().toImage();
  const QColor left = image.pixelColor(5, image.height() / 2);
  const QColor right = image.pixelColor(image.width() - 6, image.height() / 2);
  return left == right ? left : QColor();
}

QStringList Lines(QWidget* view, int n) {
  QStringList lines;
  auto* list = Find<QListWidget>(view, QStringLiteral("ListBox%1").arg(n));
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

struct NetPicture {
  QStringList texts;
  QList<QColor> colours;
  bool operator==(const NetPicture&) const = default;
};

NetPicture Net(QWidget* view) {
  NetPicture net;
  for (int k = 1; k <= kFaceletCount; ++k) {
    net.texts << NetBox(view, k)->text();
    net.colours << ShownColour(NetBox(view, k));
  }
  return net;
}

// Types the colour letters of every facelet, grid by grid and cell by cell,
// into whichever grid has the keyboard, starting at grid 1's first cell.
void TypeCube(QWidget* view, const std::array<Colour, kFaceletCount + 1>& colours) {
  PressOnCell(Grid(view, 1), Qt::LeftButton, 0, 0);
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        const std::string_view letter = LetterOf(colours[GridCellFacelet(grid, column, row)]);
        QTest::keyClick(QApplication::focusWidget(), letter[0]);
      }
    }
  }
}

bool Outlined(QWidget* view, int facelet) {
  const GridCell cell = FaceletGridCell(facelet);
  return Grid(view, cell.grid)
      ->item(cell.row, cell.column)
      ->data(ColourGrid::kOutlineRole)
      .toBool();
}

void AddKinds() {
  QTest::addColumn<WindowKind>("kind");
  for (WindowKind kind : AllWindowKinds()) {
    QTest::newRow(VariantOf(kind).short_name.data()) << kind;
  }
}

}  // namespace

class SolverWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplicationFont(); }

  void PaintConfirmTurnAndReturn_data() { AddKinds(); }
  void PaintConfirmTurnAndReturn() {
    QFETCH(WindowKind, kind);
    auto view = OpenView(kind);
    QCOMPARE(view->objectName(), QString::fromLatin1(VariantOf(kind).class_name.data()));
    PaintCube(view.get(), SolvedColours());
    QCOMPARE(Grid(view.get(), 1)->item(0, 2)->text(), QStringLiteral("G"));  // facelet 1
    Click(view.get(), QStringLiteral("Coloring"));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(), kOk);
    // Every window shows a solved cube in the six face colours.
    const QColor face_colours[] = {
        {}, {0, 128, 0}, {255, 0, 0}, {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {255, 255, 0}};
    for (int k = 1; k <= kFaceletCount; ++k) {
      QCOMPARE(ShownColour(NetBox(view.get(), k)), face_colours[FaceOf(k)]);
    }
    const NetPicture entered = Net(view.get());

    Click(view.get(), QStringLiteral("Rx"));
    Click(view.get(), QStringLiteral("Ry2"));
    Click(view.get(), QStringLiteral("Mz3"));
    QCOMPARE(Lines(view.get(), 4), QStringList({"Rx", "Ry2", "Mz-"}));
    QCOMPARE(Find<QLineEdit>(view.get(), QStringLiteral("Edit55"))->text(),
             QStringLiteral("Rx・Ry2・Mz-"));
    QVERIFY(Net(view.get()) != entered);

    Click(view.get(), QStringLiteral("Sikou"));
    QCOMPARE(Net(view.get()), entered);
    QVERIFY(Lines(view.get(), 4).isEmpty());
    QVERIFY(Find<QLineEdit>(view.get(), QStringLiteral("Edit55"))->text().isEmpty());
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(), kOk);
  }

  void RightAndMiddlePressPaintTheSelectedCell() {
    auto view = OpenView(WindowKind::kTkc);
    QTableWidget* grid = Grid(view.get(), 3);
    Click(view.get(), QStringLiteral("GreenBtn"));
    PressOnCell(grid, Qt::LeftButton, 1, 2);
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("G"));
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 1);

    Click(view.get(), QStringLiteral("RedBtn"));
    PressOnCell(grid, Qt::RightButton, 0, 0);
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("R"));
    QVERIFY(grid->item(0, 0)->text().isEmpty());
    Click(view.get(), QStringLiteral("YellowBtn"));
    PressOnCell(grid, Qt::MiddleButton, 2, 0);
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("Y"));
    QVERIFY(grid->item(0, 2)->text().isEmpty());
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 1);
    QCOMPARE(view->window().grid_cell(3, 1, 2), Colour::kYellow);

    // Keys move the selection the next right press paints.
    QTest::keyClick(grid, Qt::Key_Up);
    PressOnCell(grid, Qt::RightButton, 0, 0);
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Y"));
    // Cells are never edited as text: a colour letter paints the selected
    // cell and moves on, any other letter does nothing.
    QTest::keyClicks(grid, QStringLiteral("x"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Y"));
    QTest::keyClicks(grid, QStringLiteral("G"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("G"));
    QCOMPARE(grid->currentColumn(), 2);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
  }

  void NetAtCreation_data() { AddKinds(); }
  void NetAtCreation() {
    QFETCH(WindowKind, kind);
    auto view = OpenView(kind);
    for (int k = 1; k <= kFaceletCount; ++k) {
      QString text;
      QColor colour(255, 255, 255);
      if (kind == WindowKind::kCf0 && k == 18) colour = QColor(255, 0, 0);
      if (kind == WindowKind::kCf0 && k == 25) colour = QColor(0, 0, 255);
      if (kind == WindowKind::kCf0 && (k == 18 || k == 25 || k == 45)) text = QString::number(k);
      QCOMPARE(NetBox(view.get(), k)->text(), text);
      QCOMPARE(ShownColour(NetBox(view.get(), k)), colour);
      QVERIFY(NetBox(view.get(), k)->styleSheet().isEmpty());
    }
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(),
             QString::fromUtf8(kNotEntered.data(), kNotEntered.size()));
    if (kind == WindowKind::kCf0) {
      QCOMPARE(Grid(view.get(), 2)->item(0, 0)->text(), QStringLiteral("R"));
      QCOMPARE(Grid(view.get(), 3)->item(2, 0)->text(), QStringLiteral("B"));
      QCOMPARE(Grid(view.get(), 5)->item(2, 2)->text(), QStringLiteral("W"));
    }
  }

  void NetCellsLineUpAsTheCross() {
    auto view = OpenView(WindowKind::kLb);
    // Facelet 1 is right of 4 on the front face, 34 above 35, 43 left of 40.
    auto x = [&](int k) { return NetBox(view.get(), k)->geometry().x(); };
    auto y = [&](int k) { return NetBox(view.get(), k)->geometry().y(); };
    QVERIFY(x(4) < x(1) && y(4) == y(1));
    QVERIFY(y(34) < y(35) && x(34) == x(35));
    QVERIFY(x(43) < x(40) && x(45) < x(9) && x(9) < x(3) && x(3) < x(54));
    QVERIFY(y(36) < y(7) && y(9) < y(16) && y(18) < y(25) && x(27) == x(7));
  }

  void NumtukeTogglesNumbers() {
    auto view = OpenView(WindowKind::kCf);
    PaintCube(view.get(), SolvedColours());
    Click(view.get(), QStringLiteral("Coloring"));
    QVERIFY(NetBox(view.get(), 1)->text().isEmpty());
    Click(view.get(), QStringLiteral("Numtuke"));
    QCOMPARE(NetBox(view.get(), 1)->text(), QStringLiteral(" 1"));
    QCOMPARE(NetBox(view.get(), 54)->text(), QStringLiteral("54"));
    // Numbers follow their stickers.
    Click(view.get(), QStringLiteral("Rx"));
    QVERIFY(NetBox(view.get(), 1)->text() != QStringLiteral(" 1"));
    Click(view.get(), QStringLiteral("Numtuke"));
    for (int k = 1; k <= kFaceletCount; ++k) QVERIFY(NetBox(view.get(), k)->text().isEmpty());
    QCOMPARE(ShownColour(NetBox(view.get(), 5)), QColor(0, 128, 0));
  }

  void TypingIntoTheNetOnlyChangesText() {
    auto view = OpenView(WindowKind::kTkl);
    PaintCube(view.get(), SolvedColours());
    Click(view.get(), QStringLiteral("Coloring"));
    QTest::keyClicks(NetBox(view.get(), 10), QStringLiteral("x"));
    QCOMPARE(view->window().net(10).text, std::string("x"));
    QCOMPARE(ShownColour(NetBox(view.get(), 10)), QColor(255, 0, 0));
    QVERIFY(!view->window().NumberingOn());
    // A non-empty Edit1 is numbering on: the next turn writes every number.
    QTest::keyClicks(NetBox(view.get(), 1), QStringLiteral("?"));
    QVERIFY(view->window().NumberingOn());
    Click(view.get(), QStringLiteral("Mx"));
    QCOMPARE(NetBox(view.get(), 10)->text().size(), 2);
    QVERIFY(!NetBox(view.get(), 1)->text().contains(u'?'));

    // Edit55 is editable; a trial move appends to what it holds.
    auto* edit55 = Find<QLineEdit>(view.get(), QStringLiteral("Edit55"));
    edit55->clear();
    QTest::keyClicks(edit55, QStringLiteral("abc"));
    QCOMPARE(view->window().edit55(), std::string("abc"));
    Click(view.get(), QStringLiteral("Lz2"));
    QCOMPARE(edit55->text(), QStringLiteral("abc・Lz2"));
  }

  void TrialButtonCanBePressedAgainAtOnce() {
    auto view = OpenView(WindowKind::kCf0);
    PaintCube(view.get(), SolvedColours());
    Click(view.get(), QStringLiteral("Coloring"));
    const NetPicture entered = Net(view.get());
    auto* rx = Find<QRadioButton>(view.get(), QStringLiteral("Rx"));
    Press(rx);
    QVERIFY(!rx->isChecked());
    Press(rx);
    QVERIFY(!rx->isChecked());
    QCOMPARE(Lines(view.get(), 4), QStringList({"Rx", "Rx"}));

    auto other = OpenView(WindowKind::kCf0);
    PaintCube(other.get(), SolvedColours());
    Click(other.get(), QStringLiteral("Coloring"));
    Click(other.get(), QStringLiteral("Rx2"));
    QCOMPARE(Net(view.get()), Net(other.get()));

    Click(view.get(), QStringLiteral("Rx"));
    Click(view.get(), QStringLiteral("Rx"));
    QCOMPARE(Net(view.get()), entered);
    QCOMPARE(Lines(view.get(), 4).size(), 4);
  }

  void ResetAndListClear() {
    auto view = OpenView(WindowKind::kLb);
    PaintCube(view.get(), SolvedColours());
    Click(view.get(), QStringLiteral("Coloring"));
    for (int n : {1, 2, 3, 5, 6}) view->window().AppendLine(n, "line " + std::to_string(n));
    view->Render();
    Click(view.get(), QStringLiteral("Lbx3clear"));
    QVERIFY(Lines(view.get(), 3).isEmpty());
    for (int n : {1, 2, 5, 6})
      QCOMPARE(Lines(view.get(), n), QStringList({QStringLiteral("line %1").arg(n)}));
    Click(view.get(), QStringLiteral("Lbx6clear"));
    QVERIFY(Lines(view.get(), 6).isEmpty());
    QCOMPARE(Lines(view.get(), 5).size(), 1);

    Click(view.get(), QStringLiteral("Rx"));
    Click(view.get(), QStringLiteral("Reset"));
    for (int n : {1, 2, 3, 4, 5, 6}) QVERIFY(Lines(view.get(), n).isEmpty());
    for (int k = 1; k <= kFaceletCount; ++k) {
      QVERIFY(NetBox(view.get(), k)->text().isEmpty());
      QCOMPARE(ShownColour(NetBox(view.get(), k)), QColor(255, 255, 255));
    }
    for (int n = 1; n <= kFaceCount; ++n) {
      for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
          QVERIFY(Grid(view.get(), n)->item(row, column)->text().isEmpty());
        }
      }
    }
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(), kOk);
  }

  void ControlsEachWindowHas_data() { AddKinds(); }
  void ControlsEachWindowHas() {
    QFETCH(WindowKind, kind);
    auto view = OpenView(kind);
    const WindowVariant& variant = VariantOf(kind);
    QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("Reset")) != nullptr, variant.has_reset);
    QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("Numtuke")) != nullptr,
             variant.has_numtuke);
    for (int n = 1; n <= 6; ++n) {
      const bool listed = std::find(variant.clear_buttons.begin(), variant.clear_buttons.end(),
                                    n) != variant.clear_buttons.end();
      QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("Lbx%1clear").arg(n)) != nullptr,
               listed);
      QCOMPARE(view->findChild<QListWidget*>(QStringLiteral("ListBox%1").arg(n)) != nullptr,
               view->window().HasListBox(n));
    }
    QCOMPARE(view->findChildren<QRadioButton*>(QString(), Qt::FindChildrenRecursively).size(),
             6 + 27);
    QStringList lines;
    for (std::string_view line : variant.instructions) {
      lines << QString::fromUtf8(line.data(), line.size());
    }
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label3"))->text(), lines.join('\n'));
    // Each stage button with a list of its own sits above that list.
    for (const StageButton& stage : view->window().stage_buttons()) {
      auto* button =
          Find<QPushButton>(view.get(), QString::fromUtf8(stage.name.data(), stage.name.size()));
      QCOMPARE(button->text(), QString::fromUtf8(stage.caption.data(), stage.caption.size()));
    }
    const std::pair<const char*, int> placed[] = {{"CC", 1},     {"EC", 2},     {"SC", 3},
                                                  {"Upper1", 1}, {"Upper2", 2}, {"Middle", 3},
                                                  {"CROSS", 1},  {"OL", 5},     {"PL", 6}};
    for (const auto& [name, n] : placed) {
      auto* button = view->findChild<QPushButton*>(QString::fromLatin1(name));
      if (button == nullptr) continue;
      auto* list = Find<QListWidget>(view.get(), QStringLiteral("ListBox%1").arg(n));
      const QRect b(button->mapTo(view.get(), QPoint()), button->size());
      const QRect l(list->mapTo(view.get(), QPoint()), list->size());
      QVERIFY2(b.bottom() < l.top() && b.left() < l.right() && l.left() < b.right(), name);
    }
  }

  void StageButtonsStandWithTheirLists() {
    // Each stage logs one heading to its list; the flip has no list.
    auto heading = [](std::string_view line) {
      return Phase{[](const StateTable&) { return 0; }, {}, {line}, std::nullopt};
    };
    static const Method method{WindowKind::kTkc,
                               {{"Upper1", "two", 1, {heading("a")}},
                                {"Mochikae", "three", 0, {heading("flip")}},
                                {"Upper2", "four", 2, {heading("b")}},
                                {"Middle", "five", 3, {heading("c")}}},
                               "six"};
    SolverWindowView view(std::make_unique<SolverWindow>(WindowKind::kTkc, &method));
    view.resize(1600, 1000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto box = [&](const char* name) {
      QWidget* widget = Find<QWidget>(&view, QString::fromLatin1(name));
      return QRect(widget->mapTo(&view, QPoint()), widget->size());
    };
    for (const auto& [button, list] :
         {std::pair{"Upper1", "ListBox1"}, {"Upper2", "ListBox2"}, {"Middle", "ListBox3"}}) {
      QVERIFY2(box(button).bottom() < box(list).top(), button);
      QVERIFY2(box(button).left() >= box(list).left() && box(button).right() <= box(list).right(),
               button);
    }
    // The flip stands between the lists of the stages around it, the
    // one-shot run after the last list.
    QVERIFY(box("ListBox1").right() < box("Mochikae").left());
    QVERIFY(box("Mochikae").right() < box("ListBox2").left());
    QVERIFY(box("ListBox3").right() < box("CES").left());
    QCOMPARE(Find<QPushButton>(&view, QStringLiteral("CES"))->text(), QStringLiteral("six"));

    Click(&view, QStringLiteral("Upper2"));
    Click(&view, QStringLiteral("Mochikae"));
    Click(&view, QStringLiteral("CES"));
    QCOMPARE(Lines(&view, 2), QStringList({"b", "b"}));
    QCOMPARE(Lines(&view, 4), QStringList());
    QCOMPARE(Lines(&view, 1), QStringList({"a"}));
    QCOMPARE(Lines(&view, 3), QStringList({"c"}));
  }

  void ClosingHidesAndKeepsState() {
    auto view = OpenView(WindowKind::kTkc);
    PaintCube(view.get(), SolvedColours());
    Click(view.get(), QStringLiteral("Coloring"));
    Click(view.get(), QStringLiteral("Lx"));
    auto* close = Find<QPushButton>(view.get(), QStringLiteral("BitBtn1"));
    QVERIFY(!close->icon().isNull());
    Press(close);
    QVERIFY(view->isHidden());
    view->ShowFromMenu();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QVERIFY(view->isMaximized());
    QCOMPARE(Lines(view.get(), 4), QStringList({"Lx"}));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(), kOk);
    QCOMPARE(Grid(view.get(), 6)->item(1, 1)->text(), QStringLiteral("Y"));
  }

  void NineKeysFillAGridAndMoveOnToTheNext() {
    auto view = OpenView(WindowKind::kLb);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    PressOnCell(Grid(view.get(), 1), Qt::LeftButton, 0, 0);
    QCOMPARE(QApplication::focusWidget(), Grid(view.get(), 1));
    const QString letters = QStringLiteral("grbowyGRB");
    for (QChar letter : letters) QTest::keyClick(QApplication::focusWidget(), letter.toLatin1());
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(Grid(view.get(), 1)->item(i / 3, i % 3)->text(), letters[i].toUpper());
    }
    // The radio buttons show the colour last typed; the next grid has the
    // keyboard with its first cell selected.
    QVERIFY(Find<QRadioButton>(view.get(), QStringLiteral("BlueBtn"))->isChecked());
    QCOMPARE(QApplication::focusWidget(), Grid(view.get(), 2));
    QCOMPARE(Grid(view.get(), 2)->currentRow(), 0);
    QCOMPARE(Grid(view.get(), 2)->currentColumn(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), 'w');
    QCOMPARE(Grid(view.get(), 2)->item(0, 1)->text(), QStringLiteral("W"));
  }

  void SequenceEntryPaintsTheGrids() {
    auto view = OpenView(WindowKind::kCf0);
    auto* edit = Find<QLineEdit>(view.get(), QStringLiteral("ScrambleEdit"));
    auto* message = Find<QLabel>(view.get(), QStringLiteral("ScrambleMessage"));
    QVERIFY(message->isHidden());
    QTest::keyClicks(edit, QStringLiteral("R U R' U' Q"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!message->isHidden());
    QCOMPARE(message->text(), QStringLiteral("「Q」が読めません。グリッドの色はそのままです。"));
    QVERIFY(Grid(view.get(), 1)->item(0, 0)->text().isEmpty());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("R"));
    Click(view.get(), QStringLiteral("ScrambleBtn"));
    QVERIFY(message->isHidden());
    // R carries the front's right column to the top and the bottom's to the
    // front.
    QCOMPARE(Grid(view.get(), 1)->item(0, 2)->text(), QStringLiteral("R"));
    QCOMPARE(Grid(view.get(), 4)->item(0, 2)->text(), QStringLiteral("G"));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(),
             QString::fromUtf8(kNotEntered.data(), kNotEntered.size()));
    Click(view.get(), QStringLiteral("Coloring"));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(), kOk);
  }

  void ARefusedCubeIsNamed_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<int>("cube");
    const auto cubes = test::FaultyCubes();
    for (WindowKind kind : {WindowKind::kCf, WindowKind::kTkc}) {
      for (int i = 0; i < static_cast<int>(cubes.size()); ++i) {
        QTest::addRow("%s %s", VariantOf(kind).short_name.data(), cubes[i].name) << kind << i;
      }
    }
  }
  void ARefusedCubeIsNamed() {
    QFETCH(WindowKind, kind);
    QFETCH(int, cube);
    const test::FaultyCube faulty = test::FaultyCubes()[cube];
    auto view = OpenView(kind);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto* fault = Find<QLabel>(view.get(), QStringLiteral("FaultLabel"));
    QVERIFY(fault->isHidden());
    TypeCube(view.get(), faulty.colours);
    Click(view.get(), QStringLiteral("Coloring"));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(),
             QString::fromUtf8(kArrangementWrong.data(), kArrangementWrong.size()));
    QVERIFY(!fault->isHidden());
    QVERIFY2(fault->text().contains(QString::fromUtf8(faulty.phrase)), qPrintable(fault->text()));
    for (int k = 1; k <= kFaceletCount; ++k) {
      const bool expected = std::count(faulty.outlined.begin(), faulty.outlined.end(), k) == 1;
      QVERIFY2(Outlined(view.get(), k) == expected, qPrintable(QString::number(k)));
    }
    // A paint takes the outlines away; a correct entry the text too.
    PressOnCell(Grid(view.get(), 3), Qt::LeftButton, 1, 1);
    for (int k = 1; k <= kFaceletCount; ++k) QVERIFY(!Outlined(view.get(), k));
    QTest::keyClicks(Find<QLineEdit>(view.get(), QStringLiteral("ScrambleEdit")),
                     QStringLiteral("x"));
    Click(view.get(), QStringLiteral("ScrambleBtn"));
    Click(view.get(), QStringLiteral("Coloring"));
    QVERIFY(fault->isHidden());
  }

  void FailedEntryEmptiesTheGrids() {
    auto view = OpenView(WindowKind::kCf0);
    Click(view.get(), QStringLiteral("Coloring"));
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("Label4"))->text(),
             QString::fromUtf8(kArrangementWrong.data(), kArrangementWrong.size()));
    QCOMPARE(Grid(view.get(), 2)->item(0, 0)->text(), QStringLiteral("R"));
    QCOMPARE(NetBox(view.get(), 25)->text(), QStringLiteral("25"));
    QVERIFY(NetBox(view.get(), 1)->text().isEmpty());
  }

  // Stepping through a solution on the net: a click on a line, the arrow
  // keys, the step buttons and Esc; a button of the window acts on the live
  // cube.
  void FollowingASolution() {
    auto view = OpenView(WindowKind::kTkc);
    PaintCube(view.get(), SolvedColours());
    view->window().ColoringClick();
    for (const Move& move : {Move{BaseTurn::kRz, 1}, Move{BaseTurn::kLx, 1}}) {
      view->window().TrialMove(move);  // a scramble the upper face undoes
    }
    Click(view.get(), QStringLiteral("Upper1"));
    const NetPicture live = Net(view.get());
    auto* list1 = Find<QListWidget>(view.get(), QStringLiteral("ListBox1"));
    QVERIFY(list1->count() >= 2);
    // The first line of the stage: the cube as it stood right after it.
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                      list1->visualItemRect(list1->item(0)).center());
    QVERIFY(view->window().browsing());
    const NetPicture first = Net(view.get());
    QVERIFY(first != live);
    QVERIFY(Find<QLabel>(view.get(), QStringLiteral("PlaybackLabel"))
                ->text()
                .startsWith("ListBox1 1/"));
    QCOMPARE(list1->currentRow(), 0);
    // The right arrow steps on, the left arrow back; the next line is the
    // same moment whichever way it is reached.
    QTest::keyClick(list1, Qt::Key_Right);
    const NetPicture second = Net(view.get());
    Click(view.get(), QStringLiteral("PrevLine"));
    QCOMPARE(Net(view.get()), first);
    Click(view.get(), QStringLiteral("NextLine"));
    QCOMPARE(Net(view.get()), second);
    QTest::keyClick(list1, Qt::Key_Up);
    QCOMPARE(Net(view.get()), first);
    // Esc returns to the live cube, and so does any button of the window.
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!view->window().browsing());
    QCOMPARE(Net(view.get()), live);
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("PlaybackLabel"))->text(), QString());
    Click(view.get(), QStringLiteral("NextLine"));
    QVERIFY(view->window().browsing());
    Click(view.get(), QStringLiteral("Rx"));
    QVERIFY(!view->window().browsing());
    QCOMPARE(view->window().list_box(4).back(), std::string("Rx"));
    Click(view.get(), QStringLiteral("Rx3"));
    QCOMPARE(Net(view.get()), live);
    // Turn counts beside the lists and under the net.
    QCOMPARE(Find<QLabel>(view.get(), QStringLiteral("TurnCount1"))->text(),
             QStringLiteral("%1 手").arg(view->window().ListTurns(1)));
    QVERIFY(Find<QLabel>(view.get(), QStringLiteral("RunTurns"))->text().contains(" 手"));
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::SolverWindowViewTest)
#include "solver_window_view_test.moc"
