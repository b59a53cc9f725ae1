// A solver window's files through its real widgets: saving, opening (also in
// the window a file names, by dropping and at start), the recent files and
// the copies in standard notation.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include "ui/app_setup.h"
#include "ui/recent_files.h"
#include "ui/solver_window_view.h"
#include "ui/window_set.h"

namespace rq51 {

class SolverWindowFilesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

  // A window with a scrambled cube entered and solved in one run.
  static void Solve(SolverWindowView& view, const char* scramble = "R U2 F' L D B2 x") {
    view.window().scramble_text() = scramble;
    view.window().ScrambleClick();
    view.window().ColoringClick();
    view.window().PressButton("CES");
    view.Render();
  }

  static QStringList Lines(QWidget* view, int n) {
    QStringList lines;
    auto* list = view->findChild<QListWidget*>(QStringLiteral("ListBox%1").arg(n));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

  static QByteArray Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  // Drops `path` onto `target` as a file manager would.
  static void Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    SetUpApplicationFont();
  }

  void SavedThenOpenedIsTheSameWindowAndJoinsTheRecentFiles() {
    RecentFiles recent(nullptr);
    SolverWindowView saved(WindowKind::kTkl);
    saved.SetRecentFiles(&recent);
    Solve(saved);
    saved.window().PressButton("Rx");
    saved.Render();
    QString error;
    QVERIFY(saved.SaveSolutionTo(Path("tkl.rq51"), error));
    QCOMPARE(Read(Path("tkl.rq51")), QByteArray::fromStdString(saved.window().SolutionText()));

    SolverWindowView opened(WindowKind::kTkl);
    opened.SetRecentFiles(&recent);
    QVERIFY(opened.OpenFile(Path("tkl.rq51")));
    for (int n : {1, 2, 3, 4}) QCOMPARE(Lines(&opened, n), Lines(&saved, n));
    for (int k = 1; k <= kFaceletCount; ++k)
      QCOMPARE(opened.window().net(k), saved.window().net(k));
    QCOMPARE(opened.window().SolutionText(), saved.window().SolutionText());
    QCOMPARE(recent.files().size(), 1);
    QVERIFY(recent.files().front().endsWith(QStringLiteral("tkl.rq51")));

    // "最近のファイル" opens it again in a third window.
    SolverWindowView again(WindowKind::kTkl);
    again.SetRecentFiles(&recent);
    again.show();
    QTimer::singleShot(0, [] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        if (menu == nullptr || !menu->isVisible()) continue;
        QCOMPARE(menu->actions().size(), 1);
        menu->actions()[0]->trigger();
        menu->close();
      }
    });
    again.findChild<QPushButton*>(QStringLiteral("RecentFiles"))->click();
    QTRY_COMPARE(Lines(&again, 2), Lines(&saved, 2));
  }

  void AFailedSaveKeepsTheOldFileAndSaysWhy() {
    SolverWindowView view(WindowKind::kLb);
    Solve(view);
    QString error;
    QVERIFY(!view.SaveSolutionTo(Path("no-such-folder/lb.rq51"), error));
    QVERIFY(error.contains(QStringLiteral("lb.rq51")));
    QVERIFY(!QFile::exists(Path("no-such-folder")));
  }

  void ARefusedFileLeavesTheWindowAsItWasAndSaysWhere() {
    QFile bad(Path("bad.rq51"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("RQ51 Form5 x\n入力された色\tGGGG\n");
    bad.close();
    SolverWindowView view(WindowKind::kLb);
    view.show();
    Solve(view);
    const QStringList before = Lines(&view, 3);
    QVERIFY(!view.OpenFile(Path("bad.rq51")));
    QCOMPARE(Lines(&view, 3), before);
    auto* message = view.findChild<QLabel*>(QStringLiteral("FileMessage"));
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("2行目")));
  }

  void ASolutionOfAnotherWindowOpensThere() {
    SolverWindowView lb(WindowKind::kLb);
    Solve(lb);
    QString error;
    QVERIFY(lb.SaveSolutionTo(Path("lb.rq51"), error));

    WindowSet windows;
    windows.CreateAllWindows();
    auto* cf = static_cast<SolverWindowView*>(windows.window(4));
    auto* lb_window = static_cast<SolverWindowView*>(windows.window(5));
    QVERIFY(cf->OpenFile(Path("lb.rq51")));
    QVERIFY(lb_window->isVisible());
    QCOMPARE(Lines(lb_window, 5), Lines(&lb, 5));
    QCOMPARE(Lines(cf, 1), QStringList());

    // And at start, as `rq51 FILE` opens it.
    SolverWindowView tkc(WindowKind::kTkc);
    Solve(tkc);
    QVERIFY(tkc.SaveSolutionTo(Path("tkc.rq51"), error));
    windows.OpenAtStart(Path("tkc.rq51"));
    QVERIFY(windows.window(6)->isVisible());
    QCOMPARE(Lines(windows.window(6), 2), Lines(&tkc, 2));
  }

  void ADroppedFileOpensWhereverItLands() {
    QFile sequence(Path("scramble.txt"));
    QVERIFY(sequence.open(QIODevice::WriteOnly));
    sequence.write("R U R' U' // a sexy move\nF2\n");
    sequence.close();
    SolverWindowView view(WindowKind::kCf);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* cell = view.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    const QString cell_text = cell->text();
    Drop(cell, Path("scramble.txt"));
    QCOMPARE(cell->text(), cell_text);
    SolverWindowView painted(WindowKind::kCf);
    painted.window().scramble_text() = "R U R' U' F2";
    painted.window().ScrambleClick();
    QCOMPARE(view.window().grids(), painted.window().grids());

    SolverWindowView other(WindowKind::kCf);
    other.show();
    Drop(&other, Path("scramble.txt"));
    QCOMPARE(other.window().grids(), painted.window().grids());
  }

  void CopiesInStandardNotation() {
    SolverWindowView view(WindowKind::kLb);
    view.show();
    Solve(view);
    view.findChild<QPushButton*>(QStringLiteral("CopyStandard"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(view.window().StandardSolutionText()));

    // The list's menu: the chosen lines, then the whole list.
    auto* list = view.findChild<QListWidget*>(QStringLiteral("ListBox3"));
    QVERIFY(list->count() >= 2);
    list->clearSelection();
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    auto choose = [&](int action) {
      QTimer::singleShot(0, [action] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
          auto* menu = qobject_cast<QMenu*>(widget);
          if (menu == nullptr || !menu->isVisible()) continue;
          menu->actions()[action]->trigger();
          menu->close();
        }
      });
      emit list->customContextMenuRequested(QPoint(5, 5));
    };
    choose(1);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(view.window().StandardLinesText(3, {0, 1})));
    choose(2);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(view.window().StandardListText(3)));
    choose(0);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             list->item(0)->text() + QLatin1Char('\n') + list->item(1)->text());
  }

  void RecentFilesAreKeptBetweenRunsNewestFirst() {
    const QString file = Path("recent.conf");
    {
      QSettings settings(file, QSettings::IniFormat);
      RecentFiles recent(&settings);
      for (int i = 0; i < RecentFiles::kKept + 2; ++i) recent.Add(Path("f%1").arg(i));
      recent.Add(Path("f3"));
    }
    QSettings settings(file, QSettings::IniFormat);
    const QStringList files = RecentFiles(&settings).files();
    QCOMPARE(files.size(), RecentFiles::kKept);
    QVERIFY(files.front().endsWith(QStringLiteral("f3")));
    QVERIFY(files[1].endsWith(QStringLiteral("f9")));
    QCOMPARE(files.count(Path("f3")), 1);
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::SolverWindowFilesTest)
#include "solver_window_files_test.moc"
