// Every solver window and the explorer on screens from a small laptop's to a
// large monitor's: each control a user presses or reads to solve a cube lies
// wholly in view without scrolling, and its caption fits it. With
// RQ51_FIT_LANGUAGE=<code> the windows are checked in that language.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>
#include <memory>

#include "shell/solver_window.h"
#include "tests/window_state.h"
#include "ui/app_setup.h"
#include "ui/explorer_window.h"
#include "ui/language.h"
#include "ui/solver_window_view.h"
#include "ui/window_placement.h"

namespace rq51 {
namespace {

// Free screen areas: a 1280 x 720 laptop less a panel, and the client area
// of a window maximised there under a title bar; 1366 x 768 less a panel;
// the size the windows were first drawn for; full HD; a 27-inch monitor.
const QList<QSize> kScreens = {QSize(1280, 660),  QSize(1280, 690),  QSize(1366, 728),
                               QSize(1600, 1000), QSize(1920, 1050), QSize(2560, 1400)};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The part of `widget` the user sees: its rectangle in `window`, clipped by
// the window and by every widget around it (scroll areas' viewports among
// them).
QRect SeenPart(const QWidget* widget, const QWidget* window) {
  QRect seen(widget->mapTo(window, QPoint(0, 0)), widget->size());
  for (const QWidget* around = widget->parentWidget(); around != nullptr && around != window;
       around = around->parentWidget()) {
    seen &= QRect(around->mapTo(window, QPoint(0, 0)), around->size());
  }
  return seen & window->rect();
}

QString WithoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

// Why the caption of `widget` does not fit it, or an empty text.
QString CaptionCut(const QWidget* widget) {
  const QFontMetrics metrics(widget->font());
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    // The room the style leaves the caption and icon inside the button.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int needed = metrics.horizontalAdvance(WithoutMnemonic(button->text())) + icon;
    if (needed > room) return QStringLiteral("needs %1, has %2").arg(needed).arg(room);
  } else if (const auto* button = qobject_cast<const QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const int room =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
    const int needed = metrics.horizontalAdvance(WithoutMnemonic(button->text()));
    if (needed > room) return QStringLiteral("needs %1, has %2").arg(needed).arg(room);
  } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
      if (label->heightForWidth(label->width()) > label->height()) {
        return QStringLiteral("wrapped text needs %1 high, has %2")
            .arg(label->heightForWidth(label->width()))
            .arg(label->height());
      }
    } else {
      const QStringList lines = label->text().split(QLatin1Char('\n'));
      for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > room.width()) {
          return QStringLiteral("line '%1' needs %2, has %3")
              .arg(line)
              .arg(metrics.horizontalAdvance(line))
              .arg(room.width());
        }
      }
      if (lines.size() * metrics.lineSpacing() > room.height() + metrics.leading() + 1) {
        return QStringLiteral("%1 lines do not fit %2 pixels").arg(lines.size()).arg(room.height());
      }
    }
  } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    // The example shown while the line is empty.
    const int room =
        edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    if (metrics.horizontalAdvance(edit->placeholderText()) > room) {
      return QStringLiteral("example needs %1, has %2")
          .arg(metrics.horizontalAdvance(edit->placeholderText()))
          .arg(room);
    }
  } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
    if (metrics.horizontalAdvance(group->title()) + 16 > group->width()) {
      return QStringLiteral("title does not fit %1").arg(group->width());
    }
  }
  return {};
}

// Fails for each control of `names` that is missing, hidden, partly out of
// view or too narrow for its caption, and for each list that shows fewer than
// eight lines.
void ExpectAllInView(const QWidget* window, const QStringList& names) {
  QStringList faults;
  for (const QString& name : names) {
    const QWidget* widget = window->findChild<QWidget*>(name);
    if (widget == nullptr) {
      faults << name + QStringLiteral(": missing");
      continue;
    }
    if (!widget->isVisible()) {
      faults << name + QStringLiteral(": hidden");
      continue;
    }
    const QRect whole(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const QRect seen = SeenPart(widget, window);
    if (seen != whole) {
      faults << QStringLiteral("%1: %2,%3 %4x%5 seen as %6,%7 %8x%9")
                    .arg(name)
                    .arg(whole.x())
                    .arg(whole.y())
                    .arg(whole.width())
                    .arg(whole.height())
                    .arg(seen.x())
                    .arg(seen.y())
                    .arg(seen.width())
                    .arg(seen.height());
      continue;
    }
    if (const QString cut = CaptionCut(widget); !cut.isEmpty()) {
      faults << name + QStringLiteral(": ") + cut;
    }
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
      const int line =
          list->count() > 0 ? list->sizeHintForRow(0) : QFontMetrics(list->font()).height() + 2;
      if (list->viewport()->height() < 8 * line) {
        faults << QStringLiteral("%1: %2 pixels show fewer than 8 lines of %3")
                      .arg(name)
                      .arg(list->viewport()->height())
                      .arg(line);
      }
    }
  }
  if (!faults.isEmpty()) QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
}

// Every control of a solver window a user presses or reads to solve a cube.
QStringList SolverControls(const SolverWindow& window) {
  QStringList names = {
      "GroupBox1", "Label1", "Label2", "ScrambleEdit", "ScrambleBtn", "Coloring", "Label4",
      "Translations", "Label5", "ListBox4", "TurnCount4", "Edit55", "Sikou", "PrevLine", "NextLine",
      "LiveState", "SaveSolution", "PlaybackLabel", "RunTurns", "BitBtn1", "OpenSolution",
      "RecentFiles", "CopyStandard",
      // The 3D cube, its controls and the reference solution.
      "CubeView", "HomeButton", "PlayPause", "EndButton", "ScrubBar", "SpeedBox", "HiddenFaces",
      "ResetView", "TurnLine", "ReferenceLabel", "ReferenceCopy", "ReferencePlay"};
  for (const ColourInfo& colour : ColourTable()) names << Text(colour.button);
  for (int n = 1; n <= kFaceCount; ++n) names << QStringLiteral("StringGrid%1").arg(n);
  for (int k = 1; k <= kFaceletCount; ++k) names << QStringLiteral("Edit%1").arg(k);
  for (const Move move : AllMoves()) names << QString::fromStdString(ButtonName(move));
  for (const StageButton& button : window.stage_buttons()) names << Text(button.name);
  for (int n : window.ListBoxNumbers()) {
    names << QStringLiteral("ListBox%1").arg(n) << QStringLiteral("TurnCount%1").arg(n);
  }
  for (int n : window.variant().clear_buttons) names << QStringLiteral("Lbx%1clear").arg(n);
  if (window.variant().has_numtuke) names << QStringLiteral("Numtuke");
  if (window.variant().has_reset) names << QStringLiteral("Reset");
  return names;
}

}  // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetUpApplicationFont();
    const QString language = qEnvironmentVariable("RQ51_FIT_LANGUAGE");
    if (!language.isEmpty()) QVERIFY2(UseLanguage(language), qPrintable(language));
  }

  void cleanupTestCase() { UseLanguage(QStringLiteral("ja")); }

  void SolverWindowsFit_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("screen");
    for (const WindowKind kind : AllWindowKinds()) {
      for (const QSize& screen : kScreens) {
        QTest::addRow("%s %dx%d", VariantOf(kind).short_name.data(), screen.width(),
                      screen.height())
            << static_cast<int>(kind) << screen;
      }
    }
  }

  // With a solution in every list and a refused entry's fault named, as the
  // window is at its fullest.
  void SolverWindowsFit() {
    QFETCH(int, kind);
    QFETCH(QSize, screen);
    SolverWindowView view(static_cast<WindowKind>(kind));
    view.resize(screen);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    SolverWindow& window = view.window();
    test::SolveScrambledInOneRun(window);
    view.Render();
    QCoreApplication::processEvents();
    // The reference solution's line as it stands once found.
    auto* reference = view.findChild<QLabel*>(QStringLiteral("ReferenceTurns"));
    QTRY_VERIFY_WITH_TIMEOUT(!reference->text().isEmpty(), 30000);
    QCOMPARE(view.size(), screen);
    ExpectAllInView(&view, SolverControls(window));
    // The window is as the user left it: no band of it is hidden.
    QVERIFY(view.compact() == (screen.width() < 1560 || screen.height() < 940));
    // At small sizes the instructions and pictures are one press away.
    auto* explain = view.findChild<QPushButton*>(QStringLiteral("ExplainBtn"));
    QVERIFY(explain != nullptr);
    QCOMPARE(explain->isVisible(), view.compact());
    if (view.compact()) {
      QVERIFY(!view.findChild<QWidget*>(QStringLiteral("Label3"))->isVisible());
      explain->click();
      QStringList shown = {"ExplainPanel", "Label3", "Image1", "Image2"};
      if (window.kind() != WindowKind::kCf0) shown << "Image3";
      ExpectAllInView(&view, shown);
      if (!qEnvironmentVariableIsEmpty("RQ51_FIT_SHOTS")) {
        view.grab().save(QStringLiteral("%1/%2-%3x%4-explain.png")
                             .arg(qEnvironmentVariable("RQ51_FIT_SHOTS"))
                             .arg(Text(window.variant().short_name))
                             .arg(screen.width())
                             .arg(screen.height()));
      }
      explain->click();
      QVERIFY(!view.findChild<QWidget*>(QStringLiteral("Label3"))->isVisible());
    } else {
      ExpectAllInView(&view, {"Label3", "Image1", "Image2"});
    }
    if (!qEnvironmentVariableIsEmpty("RQ51_FIT_SHOTS")) {
      view.grab().save(QStringLiteral("%1/%2-%3x%4.png")
                           .arg(qEnvironmentVariable("RQ51_FIT_SHOTS"))
                           .arg(Text(window.variant().short_name))
                           .arg(screen.width())
                           .arg(screen.height()));
    }
  }

  void ExplorerFits_data() {
    QTest::addColumn<QSize>("screen");
    for (const QSize& screen : kScreens) {
      QTest::addRow("%dx%d", screen.width(), screen.height()) << screen;
    }
  }

  void ExplorerFits() {
    QFETCH(QSize, screen);
    ExplorerWindow explorer;
    explorer.setGeometry(OpeningGeometry(explorer.size(), QRect(QPoint(0, 0), screen), {}));
    explorer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&explorer));
    QCOMPARE(explorer.width(), 795);
    QCOMPARE(explorer.height(), std::min(746, screen.height()));
    QStringList names = {"Edit55",  "Translations", "Trans",       "Reset",
                         "Numduke", "BitBtn1",      "StringGrid2", "Label1"};
    for (int k = 1; k <= kFaceletCount; ++k) names << QStringLiteral("Edit%1").arg(k);
    for (const Move move : AllMoves()) names << QString::fromStdString(ButtonName(move));
    ExpectAllInView(&explorer, names);
    // Its pictures are drawn for the screen's pixel density, so stay sharp.
    for (const char* name : {"Image1", "Image2", "Image3"}) {
      const auto* picture = explorer.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY(picture != nullptr);
      QCOMPARE(picture->pixmap().devicePixelRatio(), explorer.devicePixelRatioF());
    }
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::WindowFitTest)
#include "window_fit_test.moc"
