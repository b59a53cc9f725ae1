// The explorer window driven through its real widgets.
#include "ui/explorer_window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "app/explorer.h"
#include "cube/moves.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Joined(const QStringList& names) { return names.join(QChar(0x30FB)); }

}  // namespace

class ExplorerWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* Find(const QString& name) {
    T* widget = window_->findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
  }

  void Click(const QString& name) {
    QAbstractButton* button = Find<QAbstractButton>(name);
    // The left edge is on the radio indicator or the push button itself.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  void Turn(const QStringList& names) {
    for (const QString& name : names) {
      Click(name);
      Click("Trans");
    }
  }

  QString Cell(int column, int row) {
    QTableWidgetItem* item = Find<QTableWidget>("StringGrid2")->item(row, column);
    return item == nullptr ? QString() : item->text();
  }

  // The cycle rows (3..29) as the grid shows them, cells joined by '|'.
  QStringList CycleRows() {
    QStringList rows;
    for (int row = 3; row < 30; ++row) {
      QStringList cells;
      for (int column = 1; column < 54 && !Cell(column, row).isEmpty(); ++column) {
        cells << Cell(column, row);
      }
      if (!cells.isEmpty()) rows << cells.join('|');
    }
    return rows;
  }

  QColor BoxColour(int position) {
    return Find<QLineEdit>(QString("Edit%1").arg(position))->palette().color(QPalette::Base);
  }

  std::unique_ptr<rq51::ExplorerWindow> window_;

 private slots:
  void init() {
    window_ = std::make_unique<rq51::ExplorerWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void HasTheNamedControlsWithTheirCaptions() {
    QCOMPARE(window_->objectName(), QString("TForm2"));
    QCOMPARE(window_->windowTitle(), Text(rq51::kExplorerTitle));
    QCOMPARE(window_->size(), QSize(795, 746));
    QVERIFY(!window_->isMaximized());
    QCOMPARE(Find<QPushButton>("Trans")->text(), Text(rq51::kTransCaption));
    QCOMPARE(Find<QPushButton>("Reset")->text(), Text(rq51::kResetCaption));
    QCOMPARE(Find<QPushButton>("Numduke")->text(), Text(rq51::kNumdukeCaption));
    QCOMPARE(Find<QPushButton>("BitBtn1")->text(), Text(rq51::kCloseCaption));
    QVERIFY(!Find<QPushButton>("BitBtn1")->icon().isNull());
    QCOMPARE(Find<QGroupBox>("Translations")->title(), Text(rq51::kTranslationsCaption));
    QCOMPARE(Find<QLabel>("Label1")->text().split('\n').size(), 7);
    for (const char* image : {"Image1", "Image2", "Image3"}) {
      QVERIFY(!Find<QLabel>(image)->pixmap().isNull());
    }
    QCOMPARE(Find<QLineEdit>("Edit55")->width(), 773);

    for (const rq51::Move& move : rq51::AllMoves()) {
      const QString name = Text(rq51::ButtonName(move));
      QCOMPARE(Find<QRadioButton>(name)->text(), name);
    }
    QVERIFY(Find<QRadioButton>("Rx")->isChecked());

    QTableWidget* grid = Find<QTableWidget>("StringGrid2");
    QCOMPARE(grid->rowCount(), 30);
    QCOMPARE(grid->columnCount(), 54);
    QCOMPARE(grid->size(), QSize(667, 396));
    QCOMPARE(grid->columnWidth(53), 15);
    QCOMPARE(grid->rowHeight(29), 15);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
  }

  void NetIsTheCrossWithBoxOneAtItsPlace() {
    QLineEdit* one = Find<QLineEdit>("Edit1");
    QCOMPARE(one->geometry(), QRect(158, 99, 25, 23));
    QVERIFY(one->font().bold());
    QCOMPARE(one->font().pixelSize(), 15);
    // 2 below 1, 4 left of 1, 37 leftmost column of the middle row,
    // 28 top right of the top block, 19 top right of the bottom block.
    QCOMPARE(Find<QLineEdit>("Edit2")->pos(), QPoint(158, 123));
    QCOMPARE(Find<QLineEdit>("Edit4")->pos(), QPoint(129, 99));
    QCOMPARE(Find<QLineEdit>("Edit37")->pos(), QPoint(158 - 3 * 29, 99));
    QCOMPARE(Find<QLineEdit>("Edit28")->pos(), QPoint(158, 99 - 3 * 24));
    QCOMPARE(Find<QLineEdit>("Edit19")->pos(), QPoint(158, 99 + 6 * 24));
    QCOMPARE(Find<QLineEdit>("Edit46")->pos(), QPoint(158 + 3 * 29, 99));
    for (int p = 1; p <= 54; ++p) {
      QVERIFY(Find<QLineEdit>(QString("Edit%1").arg(p))->styleSheet().isEmpty());
    }
    QCOMPARE(BoxColour(1), QColor(0, 128, 0));
    QCOMPARE(BoxColour(18), QColor(255, 0, 255));
    QCOMPARE(BoxColour(19), QColor(0, 0, 255));
    QCOMPARE(BoxColour(36), QColor(255, 0, 0));
    QCOMPARE(BoxColour(37), QColor(255, 255, 255));
    QCOMPARE(BoxColour(54), QColor(255, 255, 0));
  }

  void StartsWithIdAndAnEmptyWord() {
    QCOMPARE(Cell(0, 0), QString("id"));
    QCOMPARE(Cell(1, 0), QString());
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), QString());
  }

  void RadioButtonsAreExclusive() {
    Click("Lz2");
    QVERIFY(Find<QRadioButton>("Lz2")->isChecked());
    QVERIFY(!Find<QRadioButton>("Rx")->isChecked());
    QCOMPARE(window_->explorer().selected_move(), *rq51::MoveFromName("Lz2"));
  }

  void RxThenRyShowsFourCycles() {
    Turn({"Rx", "Ry"});
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), Joined({"Rx", "Ry"}));
    QCOMPARE(Cell(0, 0), QString(" 1"));
    QCOMPARE(Cell(0, 1), QString("52"));
    QCOMPARE(Cell(0, 2), QString());
    QCOMPARE(CycleRows(),
             QStringList({" 1|52|30", " 2|11|20|29| 4| 8| 6",
                          " 3|12|21|37|16|54|48|46|36|39|10|19|28| 7| 9", "13|53|51|47|49|33|38"}));
    // Position 1 now holds sticker 30 (red), position 10 sticker 39 (white).
    QCOMPARE(BoxColour(1), QColor(255, 0, 0));
    QCOMPARE(BoxColour(10), QColor(255, 255, 255));
  }

  void RxThenLxShowsAllTenCycles() {
    Turn({"Rx", "Lx"});
    const QStringList rows = CycleRows();
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows[8], QString("46|52|54|48"));
    QCOMPARE(rows[9], QString("47|49|53|51"));
  }

  void FourQuarterTurnsAndResetShowId() {
    Turn({"Rx", "Rx", "Rx", "Rx3"});
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), Joined({"Rx", "Rx", "Rx", "Rx-"}));
    QCOMPARE(Cell(0, 0), QString(" 1"));
    Click("Reset");
    QCOMPARE(Cell(0, 0), QString("id"));
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), QString());
    QCOMPARE(BoxColour(1), QColor(0, 128, 0));
    QVERIFY(Find<QRadioButton>("Rx3")->isChecked());
  }

  void NumberingStaysStaleAfterATurn() {
    Click("Numduke");
    QCOMPARE(Find<QLineEdit>("Edit1")->text(), QString(" 1"));
    Turn({"Rx"});
    QCOMPARE(Find<QLineEdit>("Edit1")->text(), QString(" 1"));
    Click("Numduke");
    QCOMPARE(Find<QLineEdit>("Edit1")->text(), QString());
    Click("Numduke");
    QCOMPARE(Find<QLineEdit>("Edit1")->text(), QString("28"));
  }

  void TypedTextIsTakenAsTheUserLeftIt() {
    QTest::keyClicks(Find<QLineEdit>("Edit55"), "abc");
    Turn({"My"});
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), Joined({"abc", "My"}));

    QTest::keyClicks(Find<QLineEdit>("Edit1"), "7");
    Click("Numduke");
    for (int p = 1; p <= 54; ++p) {
      QCOMPARE(Find<QLineEdit>(QString("Edit%1").arg(p))->text(), QString());
    }
  }

  void ClosingHidesAndKeepsTheState() {
    Turn({"Mz"});
    Click("BitBtn1");
    QVERIFY(!window_->isVisible());
    window_->show();
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), QString("Mz"));
    window_->close();  // the title bar's close button
    QVERIFY(!window_->isVisible());
    window_->show();
    QCOMPARE(Find<QLineEdit>("Edit55")->text(), QString("Mz"));
    QVERIFY(Find<QRadioButton>("Mz")->isChecked());
  }
};

QTEST_MAIN(ExplorerWindowTest)
#include "explorer_window_test.moc"
