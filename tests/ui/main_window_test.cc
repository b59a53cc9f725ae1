#include "ui/main_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/app_setup.h"
#include "ui/window_set.h"

namespace rq51 {
namespace {

// Describes the runs of blanks at the end of `text` in reading order, in the
// words the captions are described with: "10 blanks, 2 ideographic blanks".
QString DescribeTrailingBlanks(const QString& text, QString* visible) {
  int end = text.size();
  QStringList runs;
  while (end > 0 && (text[end - 1] == u' ' || text[end - 1] == QChar(0x3000))) {
    const QChar kind = text[end - 1];
    int start = end;
    while (start > 0 && text[start - 1] == kind) --start;
    const int count = end - start;
    runs.prepend(QStringLiteral("%1 %2").arg(count).arg(
        kind == u' ' ? (count == 1 ? "blank" : "blanks")
                     : (count == 1 ? "ideographic blank" : "ideographic blanks")));
    end = start;
  }
  *visible = text.left(end);
  return runs.join(QStringLiteral(", "));
}

QWidget* FocusAfterTab(QWidget* from) {
  QTest::keyClick(from, Qt::Key_Tab);
  return QApplication::focusWidget();
}

// Runs the event loop until it quits or `timeout_ms` pass; returns the exit
// code, or -1 after the time-out.
int RunEventLoop(int timeout_ms) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(-1); });
  guard.start(timeout_ms);
  return QApplication::exec();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetUpApplicationFont();
    windows_ = std::make_unique<WindowSet>();
    // Until the main window has been painted, it is the only window.
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    windows_->ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(windows_->main_window()));
    QTRY_VERIFY(windows_->AllWindowsExist());
  }

  void cleanupTestCase() { windows_.reset(); }

  void MainWindowHasTitleSizeAndControls() {
    MainWindow* main = windows_->main_window();
    QCOMPARE(main->objectName(), QStringLiteral("TForm1"));
    QCOMPARE(main->windowTitle(),
             QString::fromUtf16(u"RQ51 ルービック・キューブ解法プログラム試論"));
    QCOMPARE(main->size(), QSize(596, 468));
    for (const char* name : {"toForm2", "toForm3", "toForm4", "toForm5", "toForm6", "toForm7",
                             "BitBtn1", "Label1", "Image1", "Image2"}) {
      QWidget* control = main->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(control != nullptr, name);
      QVERIFY2(control->isVisible(), name);
      QVERIFY2(main->rect().contains(control->geometry()), name);
    }
    QCOMPARE(main->findChild<QWidget*>("toForm4")->geometry(), QRect(38, 138, 192, 29));
    // The note starts where it is placed and is at least as large as placed,
    // but grows to show its whole text in the substitute font.
    auto* note = main->findChild<QLabel*>("Label1");
    QCOMPARE(note->pos(), QPoint(313, 37));
    QVERIFY(note->width() >= 238 && note->height() >= 210);
    QVERIFY(note->width() >= note->sizeHint().width());
    QVERIFY(note->height() >= note->sizeHint().height());
    auto* close_button = main->findChild<QPushButton*>("BitBtn1");
    QCOMPARE(close_button->text(), QString::fromUtf16(u"閉じる(&C)"));
    QVERIFY(!close_button->icon().isNull());
    for (const char* name : {"Image1", "Image2"}) {
      const QPixmap picture = main->findChild<QLabel*>(name)->pixmap();
      QVERIFY2(!picture.isNull(), name);
      // A drawing, not a blank area: it holds more than a few colours.
      const QImage image = picture.toImage();
      QSet<QRgb> colours;
      for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
      }
      QVERIFY2(colours.size() > 2, name);
    }
  }

  void MenuCaptionsKeepTheirTrailingBlanks() {
    struct Expected {
      int form;
      const char16_t* visible;
      const char* blanks;
    };
    const Expected expected[] = {
        {2, u"１．（置換群としての）変換", "4 blanks"},
        {3, u"２．解法CF…基本操作編", "2 ideographic blanks"},
        {4, u"３．解法CF", "10 blanks, 2 ideographic blanks, 8 blanks"},
        {5, u"４．解法LB", "5 blanks, 2 ideographic blanks, 13 blanks"},
        {6, u"５．解法TK-C", "8 blanks, 2 ideographic blanks, 6 blanks"},
        {7, u"６．解法TK-L", "6 blanks, 2 ideographic blanks, 9 blanks"},
    };
    for (const Expected& e : expected) {
      const QString caption = windows_->main_window()->MenuButton(e.form)->text();
      QString visible;
      QCOMPARE(DescribeTrailingBlanks(caption, &visible), QString::fromLatin1(e.blanks));
      QCOMPARE(visible, QString::fromUtf16(e.visible));
      QCOMPARE(caption, MenuButtonCaption(e.form));
    }
  }

  void Label1HoldsFourteenLinesSeparatedByCrLf() {
    const QString ideographic_blank(QChar(0x3000));
    struct Expected {
      QString lead;
      const char16_t* text;
      QString tail;
    };
    const QString none;
    const Expected expected[] = {
        {none, u"ｺｰﾅｰ･ｷｭｰﾌﾞ", " "},
        {"   ", u"３つで一組のコーナーが８つ", none},
        {"         ", u"8!×3の7乗", " "},
        {"     ", u"一組だけの循環は不可能", none},
        {none, u"ｴｯｼﾞ・ｷｭｰﾌﾞ", "\t"},
        {"   ", u"２つで一組のエッジが１２個", none},
        {"        ", u"12!×2の11乗", none},
        {"     ", u"一組だけの循環は不可能", none},
        {none, u"ｾﾝﾀｰ・ｷｭｰﾌﾞ", "\t"},
        {"   ", u"向かい合うエッジは組で３つ", none},
        {"         ", u"(3×2)×2", none},
        {none, u"考えられる配置は", " "},
        {ideographic_blank + " ", u"43,252,003,274,489,856,000 通り。", none},
        {" ", u"(4,325京2,003兆2,744億8,985万6千)", none},
    };
    const QStringList lines = Label1Text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 14);
    for (int i = 0; i < 14; ++i) {
      QVERIFY2(!lines[i].contains(u'\n') && !lines[i].contains(u'\r'), qPrintable(lines[i]));
      QCOMPARE(lines[i],
               expected[i].lead + QString::fromUtf16(expected[i].text) + expected[i].tail);
    }
    QVERIFY(!Label1Text().endsWith(QStringLiteral("\r\n")));

    auto* label = windows_->main_window()->findChild<QLabel*>("Label1");
    QCOMPARE(label->text(), lines.join(QStringLiteral("\r\n")));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(label->autoFillBackground());
    QCOMPARE(QFontInfo(label->font()).pixelSize(), 15);
  }

  void JapaneseTextUsesTheProportionalGothicFace() {
    const QString family = QString::fromUtf16(kWindowFontFamily);
    QCOMPARE(QFont::substitute(family).toLower(), QStringLiteral("ipapgothic"));
    QCOMPARE(QApplication::font().family(), family);
    QPushButton* button = windows_->main_window()->MenuButton(2);
    QCOMPARE(QFontInfo(button->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(button->font()).pixelSize(), 12);
    auto* label = windows_->main_window()->findChild<QLabel*>("Label1");
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
    // The note is drawn from that face alone, so every character but its
    // line breaks must be in it.
    const QFontMetrics metrics(label->font());
    for (const QChar c : Label1Text()) {
      if (c != u'\r' && c != u'\n') QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }
  }

  void CloseButtonHasFocusAndTabFollowsMenuOrder() {
    MainWindow* main = windows_->main_window();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto* close_button = main->findChild<QWidget*>("BitBtn1");
    QCOMPARE(QApplication::focusWidget(), close_button);
    QStringList order;
    QWidget* focus = close_button;
    for (int i = 0; i < 7; ++i) {
      focus = FocusAfterTab(focus);
      QVERIFY(focus != nullptr);
      order << focus->objectName();
    }
    QCOMPARE(order, QStringList({"toForm3", "toForm4", "toForm2", "toForm5", "toForm6", "toForm7",
                                 "BitBtn1"}));
  }

  void SevenWindowsExistAfterTheFirstPaintSixHidden() {
    QCOMPARE(QApplication::topLevelWidgets().size(), WindowSet::kWindowCount);
    for (int form = 1; form <= WindowSet::kWindowCount; ++form) {
      QWidget* window = windows_->window(form);
      QVERIFY(window != nullptr);
      QVERIFY(window->isWindow());
      QCOMPARE(window->objectName(), QStringLiteral("TForm%1").arg(form));
      if (form >= 2) {
        QCOMPARE(window->windowTitle(), QStringLiteral("Form%1").arg(form));
        QVERIFY(!window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(windows_->main_window()->MenuTarget(form), window);
      }
    }
    QVERIFY(windows_->window(0) == nullptr);
    QVERIFY(windows_->window(8) == nullptr);
  }

  void EachMenuButtonShowsItsOwnWindow() {
    MainWindow* main = windows_->main_window();
    for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
      QWidget* window = windows_->window(form);
      QTest::mouseClick(main->MenuButton(form), Qt::LeftButton);
      QVERIFY(QTest::qWaitForWindowExposed(window));
      QVERIFY(window->isVisible());
      QCOMPARE(QApplication::topLevelWidgets().size(), WindowSet::kWindowCount);
      if (form == 2) {
        QCOMPARE(window->size(), QSize(795, 746));
      } else {
        QVERIFY2(window->isMaximized(), qPrintable(window->objectName()));
      }
    }
    QVERIFY(main->isVisible());
    for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) windows_->window(form)->hide();
  }

  void AMenuButtonPressedBeforeTheOtherWindowsExistOpensItsWindow() {
    auto early = std::make_unique<WindowSet>();
    for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
      QVERIFY(early->window(form) == nullptr);
    }
    // The windows up to the pressed one are made, in window order.
    early->main_window()->MenuButton(5)->click();
    QPointer<QWidget> solver = early->window(5);
    QVERIFY(solver != nullptr && solver->isVisible());
    for (int form : {2, 3, 4}) QVERIFY(early->window(form) && !early->window(form)->isVisible());
    QVERIFY(early->window(6) == nullptr);
    // The first paint of the main window makes the rest, and none again.
    early->ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(early->main_window()));
    QTRY_VERIFY(early->AllWindowsExist());
    QCOMPARE(early->window(5), solver.data());
    QVERIFY(!early->window(6)->isVisible() && !early->window(7)->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), 2 * WindowSet::kWindowCount);
    early.reset();
    QCOMPARE(QApplication::topLevelWidgets().size(), WindowSet::kWindowCount);
  }

  void PressingAgainBringsTheSameWindowBackUnchanged() {
    MainWindow* main = windows_->main_window();
    QPointer<QWidget> explorer = windows_->window(2);
    main->MenuButton(2)->click();
    explorer->resize(700, 600);
    explorer->setProperty("marker", 42);
    main->activateWindow();
    main->MenuButton(2)->click();
    QVERIFY(explorer);
    QCOMPARE(windows_->window(2), explorer.data());
    QVERIFY(explorer->isVisible());
    QCOMPARE(explorer->size(), QSize(700, 600));
    QCOMPARE(explorer->property("marker").toInt(), 42);
    QCOMPARE(QApplication::topLevelWidgets().size(), WindowSet::kWindowCount);
  }

  void ClosingASecondaryWindowHidesItAndKeepsItsState() {
    MainWindow* main = windows_->main_window();
    QPointer<QWidget> solver = windows_->window(5);
    main->MenuButton(5)->click();
    solver->setProperty("marker", 7);
    QVERIFY(solver->close());
    QVERIFY(solver);
    QVERIFY(!solver->isVisible());
    QVERIFY(main->isVisible());
    main->MenuButton(5)->click();
    QVERIFY(solver->isVisible());
    QCOMPARE(solver->property("marker").toInt(), 7);
    solver->close();
  }

  void ClosingTheLastSecondaryWindowDoesNotEndTheProgram() {
    MainWindow* main = windows_->main_window();
    main->MenuButton(3)->click();
    main->hide();
    QTimer::singleShot(0, windows_->window(3), &QWidget::close);
    // Still running after the close: the time-out ends the loop.
    QCOMPARE(RunEventLoop(300), -1);
    QVERIFY(!windows_->window(3)->isVisible());
    windows_->ShowMainWindow();
  }

  void ClosingTheMainWindowEndsTheProgramAtOnce() {
    MainWindow* main = windows_->main_window();
    main->MenuButton(2)->click();
    main->MenuButton(6)->click();
    QTimer::singleShot(0, main, &QWidget::close);
    QCOMPARE(RunEventLoop(5000), 0);
    QVERIFY(!main->isVisible());

    // The close button does the same.
    windows_->ShowMainWindow();
    QTimer::singleShot(0, main->findChild<QPushButton*>("BitBtn1"), &QPushButton::click);
    QCOMPARE(RunEventLoop(5000), 0);
    QVERIFY(!main->isVisible());
  }

 private:
  std::unique_ptr<WindowSet> windows_;
};

}  // namespace rq51

QTEST_MAIN(rq51::MainWindowTest)
#include "main_window_test.moc"
