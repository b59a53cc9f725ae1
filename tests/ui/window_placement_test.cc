// Windows open where the user left them in the last run, never off every
// screen, and as the first time after the places are forgotten.
#include "ui/window_placement.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/app_setup.h"
#include "ui/window_set.h"

namespace rq51 {

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  std::unique_ptr<QSettings> Settings() {
    return std::make_unique<QSettings>(folder_.filePath(QStringLiteral("rq51.conf")),
                                       QSettings::IniFormat);
  }

  // A run of the program: the windows made, `use` done with them, the
  // program ended.
  template <typename Use>
  void Run(Use use) {
    auto settings = Settings();
    {
      WindowSet windows(settings.get());
      windows.ShowMainWindow();
      windows.CreateAllWindows();
      use(windows);
    }
    settings->sync();
  }

  static void Open(WindowSet& windows, int form) {
    windows.main_window()->MenuButton(form)->click();
    QVERIFY(QTest::qWaitForWindowExposed(windows.window(form)));
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    SetUpApplicationFont();
  }
  void init() { QFile::remove(folder_.filePath(QStringLiteral("rq51.conf"))); }

  void WindowsOpenWhereTheyWereLeft() {
    const QRect explorer_place(60, 70, 700, 520);
    const QRect lb_place(30, 40, 640, 500);
    Run([&](WindowSet& windows) {
      windows.main_window()->move(90, 50);
      Open(windows, 2);
      windows.window(2)->setGeometry(explorer_place);
      Open(windows, 5);
      windows.window(5)->showNormal();
      windows.window(5)->setGeometry(lb_place);
      windows.window(5)->close();  // kept when closed
      Open(windows, 6);            // kept maximised when the program ends
      QVERIFY(windows.window(6)->isMaximized());
    });
    Run([&](WindowSet& windows) {
      QCOMPARE(windows.main_window()->pos(), QPoint(90, 50));
      Open(windows, 2);
      QCOMPARE(windows.window(2)->geometry(), explorer_place);
      Open(windows, 5);
      QVERIFY(!windows.window(5)->isMaximized());
      QCOMPARE(windows.window(5)->geometry(), lb_place);
      Open(windows, 6);
      QVERIFY(windows.window(6)->isMaximized());
      // A window the user never moved opens as the first time.
      Open(windows, 4);
      QVERIFY(windows.window(4)->isMaximized());
    });
  }

  void APlaceOffEveryScreenIsNotUsed() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Run([&](WindowSet& windows) {
      Open(windows, 2);
      windows.window(2)->setGeometry(screen.right() + 500, screen.bottom() + 500, 700, 520);
      windows.window(2)->close();
      Open(windows, 7);
      windows.window(7)->showNormal();
      windows.window(7)->setGeometry(-3000, 40, 640, 500);
      windows.window(7)->close();
    });
    Run([&](WindowSet& windows) {
      Open(windows, 2);
      QVERIFY(screen.contains(windows.window(2)->geometry()));
      QCOMPARE(windows.window(2)->size(), QSize(795, std::min(746, screen.height())));
      Open(windows, 7);
      QVERIFY(windows.window(7)->isMaximized());
    });
  }

  void ForgettingGivesTheFirstOpeningBack() {
    Run([&](WindowSet& windows) {
      Open(windows, 3);
      windows.window(3)->showNormal();
      windows.window(3)->setGeometry(30, 40, 640, 500);
    });
    auto settings = Settings();
    WindowPlacement(settings.get()).Forget();
    settings->sync();
    Run([&](WindowSet& windows) {
      Open(windows, 3);
      QVERIFY(windows.window(3)->isMaximized());
    });
  }

  void TheExplorerFitsALowScreen() {
    const QRect low(0, 0, 1280, 690);
    QCOMPARE(OpeningGeometry(QSize(795, 746), low, QMargins()), QRect(242, 0, 795, 690));
    QCOMPARE(OpeningGeometry(QSize(795, 746), low, QMargins(1, 30, 1, 1)),
             QRect(242, 30, 795, 659));
    const QRect roomy(0, 0, 1920, 1050);
    QCOMPARE(OpeningGeometry(QSize(795, 746), roomy, QMargins()).size(), QSize(795, 746));
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::WindowPlacementTest)
#include "window_placement_test.moc"
