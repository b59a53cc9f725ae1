// The windows in English and back in Japanese: a change of language shows
// every text of every open window in the new language at once and changes
// nothing else; in English no control shows Japanese writing; the language
// chosen in the main window is the language of every window and is kept for
// the next run.
#include "ui/language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>
#include <memory>

#include "cube/facelets.h"
#include "tests/faulty_cubes.h"
#include "tests/window_state.h"
#include "ui/app_setup.h"
#include "ui/cube_view.h"
#include "ui/explorer_window.h"
#include "ui/main_window.h"
#include "ui/reference_line_view.h"
#include "ui/solver_window_view.h"
#include "ui/window_set.h"

namespace rq51 {
namespace {

const QString kJapaneseCode = QStringLiteral("ja");
const QString kEnglishCode = QStringLiteral("en");

// Lets every window take a change of language in: the application is told,
// and tells each window.
void Settle() {
  for (int pass = 0; pass < 2; ++pass) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  QCoreApplication::processEvents();
}

// Speaks `code` in every window.
void Speak(const QString& code) {
  QVERIFY(UseLanguage(code));
  Settle();
}

// Kana, half-width kana and ideographs: Japanese words.
bool JapaneseWriting(char32_t c) {
  return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF65 && c <= 0xFF9F);
}

// The same, and the punctuation, blanks, letters and digits that are set as
// wide as a kanji: what only a Japanese text holds.
bool JapaneseScript(char32_t c) {
  return JapaneseWriting(c) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF64) ||
         (c >= 0xFFE0 && c <= 0xFFEE);
}

bool Holds(const QString& text, bool (*in_class)(char32_t)) {
  for (const char32_t c : text.toUcs4()) {
    if (in_class(c)) return true;
  }
  return false;
}

QString PlainText(const QLabel* label) {
  return label->textFormat() == Qt::RichText ||
                 (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))
             ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
             : label->text();
}

// Everything `window` shows, control by control, in the order of the
// controls: captions, titles, tips, texts, list lines and which is current,
// grid cells, the net's numbers and colours, what is shown and what hidden,
// and where the 3D cubes are in their solutions.
QStringList Dump(const QWidget* window) {
  QStringList dump = {window->windowTitle()};
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    QString line =
        QStringLiteral("%1 %2 %3 [%4]")
            .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                 widget->isVisible() ? "shown" : "hidden", widget->toolTip());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      line += QStringLiteral(" '%1' %2 %3")
                  .arg(button->text())
                  .arg(button->isChecked())
                  .arg(button->isEnabled());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      line += QStringLiteral(" '%1'").arg(label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      line += QStringLiteral(" '%1'").arg(group->title());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
      line += QStringLiteral(" '%1' '%2' %3")
                  .arg(edit->text(), edit->placeholderText(),
                       edit->palette().color(QPalette::Base).name());
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
      line += QStringLiteral(" current %1:").arg(list->currentRow());
      for (int row = 0; row < list->count(); ++row) line += u'\n' + list->item(row)->text();
    } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
      for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
          const QTableWidgetItem* item = table->item(row, column);
          line += u' ' + (item != nullptr ? item->text() : QString());
        }
      }
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
      line += QStringLiteral(" %1:").arg(box->currentIndex());
      for (int i = 0; i < box->count(); ++i) line += u' ' + box->itemText(i);
    } else if (const auto* view = qobject_cast<const CubeView*>(widget)) {
      const CubePlayer& player = view->player();
      line += QStringLiteral(" turn %1/%2 of %3 lines, hidden faces %4")
                  .arg(player.turn_index())
                  .arg(player.turn_total())
                  .arg(player.line_count())
                  .arg(view->hidden_faces());
    }
    dump << line;
  }
  return dump;
}

// The texts of `window` a user sees that hold Japanese. Logged lines keep
// their move text, numbers and symbols, which may be set wide, but no
// Japanese words. The language label reads "言語 / Language" in every
// language.
QStringList JapaneseShown(const QWidget* window) {
  QStringList found;
  auto check = [&found](const QWidget* widget, const QString& text, bool logged = false) {
    if (Holds(text, logged ? JapaneseWriting : JapaneseScript)) {
      found << QStringLiteral("%1: %2").arg(widget->objectName(), text);
    }
  };
  check(window, window->windowTitle());
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->objectName() == QLatin1String("LanguageLabel")) {
      continue;
    }
    check(widget, widget->toolTip());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      check(widget, button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      // The line being performed on the 3D cube is a logged line.
      check(widget, PlainText(label), widget->objectName() == QLatin1String("TurnLine"));
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      check(widget, group->title());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
      check(widget, edit->text().isEmpty() ? edit->placeholderText() : edit->text());
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
      for (int row = 0; row < list->count(); ++row) check(widget, list->item(row)->text(), true);
    } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
      for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
          if (const QTableWidgetItem* item = table->item(row, column)) check(widget, item->text());
        }
      }
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
      check(widget, box->currentText());
    }
  }
  return found;
}

// The reference line once its first solution is shown.
bool ReferenceShown(const QWidget* view) {
  const auto* turns = view->findChild<QLabel*>(QStringLiteral("ReferenceTurns"));
  return turns != nullptr && !turns->text().isEmpty();
}

// A scrambled cube entered, solved in one run, a trial turn logged, and the
// net on the solution's second line.
void SolveInOneRun(SolverWindowView& view) {
  SolverWindow& window = view.window();
  test::SolveScrambledInOneRun(window);
  view.Render();
}

// `colours` painted into the grids and confirmed.
void Enter(SolverWindowView& view, const std::array<Colour, kFaceletCount + 1>& colours) {
  SolverWindow& window = view.window();
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    window.ChooseColour(colours[k]);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
  window.ColoringClick();
  view.Render();
}

void AddKinds() {
  QTest::addColumn<WindowKind>("kind");
  for (const WindowKind kind : AllWindowKinds()) {
    QTest::addRow("%s", VariantOf(kind).short_name.data()) << kind;
  }
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetUpApplicationFont();
    QVERIFY(AvailableLanguages().contains(kEnglishCode));
  }

  void cleanup() { Speak(kJapaneseCode); }

  // English and back: the window is as it was, text for text, with the
  // solution in its lists, the net on one of its lines and the 3D cube there
  // too; in English its captions are another language's.
  void SolverWindowsSwitchAndComeBackUnchanged_data() { AddKinds(); }
  void SolverWindowsSwitchAndComeBackUnchanged() {
    QFETCH(WindowKind, kind);
    SolverWindowView view(kind);
    view.resize(1600, 1000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    SolveInOneRun(view);
    QTRY_VERIFY_WITH_TIMEOUT(ReferenceShown(&view), 30000);
    auto* reference = view.findChild<ReferenceLineView*>();
    QTRY_VERIFY_WITH_TIMEOUT(!reference->searching(), 60000);
    const QStringList japanese = Dump(&view);
    QVERIFY(view.window().BrowsedPlace().has_value());

    Speak(kEnglishCode);
    const QStringList english = Dump(&view);
    QCOMPARE(english.size(), japanese.size());
    QVERIFY(english != japanese);
    QVERIFY(view.window().BrowsedPlace().has_value());
    QVERIFY(!Holds(view.findChild<QAbstractButton*>(QStringLiteral("Coloring"))->text(),
                   JapaneseScript));

    Speak(kJapaneseCode);
    QCOMPARE(Dump(&view), japanese);
  }

  void ExplorerSwitchesAndComesBackUnchanged() {
    ExplorerWindow explorer;
    explorer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&explorer));
    explorer.findChild<QAbstractButton*>(QStringLiteral("Ry"))->click();
    explorer.findChild<QAbstractButton*>(QStringLiteral("Trans"))->click();
    const QStringList japanese = Dump(&explorer);
    Speak(kEnglishCode);
    QVERIFY(Dump(&explorer) != japanese);
    const QStringList shown = JapaneseShown(&explorer);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'\n')));
    Speak(kJapaneseCode);
    QCOMPARE(Dump(&explorer), japanese);
  }

  void MainWindowSwitchesAndComesBackUnchanged() {
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QStringList japanese = Dump(&main);
    const QList<QRect> places = [&main] {
      QList<QRect> rects;
      for (const QWidget* widget : main.findChildren<QWidget*>()) rects << widget->geometry();
      return rects;
    }();
    Speak(kEnglishCode);
    QVERIFY(Dump(&main) != japanese);
    const QStringList shown = JapaneseShown(&main);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'\n')));
    // Every control in the window, the note clear of the pictures and the
    // language under them.
    for (const QWidget* widget : main.findChildren<QWidget*>()) {
      if (widget->parentWidget() != &main) continue;
      QVERIFY2(main.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
    }
    const QRect note = main.findChild<QWidget*>(QStringLiteral("Label1"))->geometry();
    for (const char* name : {"Image1", "Image2", "LanguageLabel", "LanguageBox"}) {
      QVERIFY2(!note.intersects(main.findChild<QWidget*>(QString::fromLatin1(name))->geometry()),
               name);
    }
    Speak(kJapaneseCode);
    QCOMPARE(Dump(&main), japanese);
    QList<QRect> again;
    for (const QWidget* widget : main.findChildren<QWidget*>()) again << widget->geometry();
    QCOMPARE(again, places);
  }

  // In English, after a solution and after a refused entry, nothing a user
  // sees in a solver window is Japanese but the move text of logged lines.
  void EnglishSolverWindowsShowNoJapanese_data() { AddKinds(); }
  void EnglishSolverWindowsShowNoJapanese() {
    QFETCH(WindowKind, kind);
    Speak(kEnglishCode);
    SolverWindowView view(kind);
    view.resize(1600, 1000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // What is shown in Japanese, told once for each text however often it
    // is seen.
    QStringList shown;
    auto look = [&view, &shown] {
      for (const QString& text : JapaneseShown(&view)) {
        if (!shown.contains(text)) shown << text;
      }
    };
    look();
    SolveInOneRun(view);
    QTRY_VERIFY_WITH_TIMEOUT(ReferenceShown(&view), 30000);
    look();
    for (const test::FaultyCube& faulty : test::FaultyCubes()) {
      Enter(view, faulty.colours);
      QVERIFY(!view.window().fault_text().empty());
      look();
    }
    // The small screen's panel of instructions and pictures.
    view.resize(1280, 690);
    QTRY_VERIFY(view.compact());
    view.findChild<QAbstractButton*>(QStringLiteral("ExplainBtn"))->click();
    look();
    // One line each: a failure's message would cut a long list short.
    for (const QString& text : shown) qInfo("%s", qPrintable(text));
    QVERIFY2(shown.isEmpty(),
             qPrintable(QStringLiteral("%1 texts in Japanese (listed above)").arg(shown.size())));
  }

  // The language chosen in the main window: every window speaks it at once
  // and the next run starts in it; Japanese is the first run's.
  void TheChosenLanguageIsEveryWindowsAndIsKept() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QSettings settings(folder.filePath(QStringLiteral("rq51.conf")), QSettings::IniFormat);
    QCOMPARE(RememberedLanguage(settings), kJapaneseCode);
    WindowSet windows(&settings);
    windows.ShowMainWindow();
    windows.CreateAllWindows();
    auto* box = windows.main_window()->findChild<QComboBox*>(QStringLiteral("LanguageBox"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->count(), AvailableLanguages().size());
    QCOMPARE(box->currentText(), LanguageName(kJapaneseCode));
    auto* label = windows.main_window()->findChild<QLabel*>(QStringLiteral("LanguageLabel"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QString::fromUtf8("言語 / Language"));
    windows.main_window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(windows.main_window()));
    QTest::keyClick(windows.main_window(), Qt::Key_L, Qt::AltModifier);
    QVERIFY(box->hasFocus());
    auto* coloring = windows.window(4)->findChild<QAbstractButton*>(QStringLiteral("Coloring"));
    const QString japanese = coloring->text();

    const int english = box->findData(kEnglishCode);
    QVERIFY(english > 0);
    box->setCurrentIndex(english);
    emit box->activated(english);
    Settle();
    QCOMPARE(QString::fromStdString(CurrentLanguage()), kEnglishCode);
    QCOMPARE(RememberedLanguage(settings), kEnglishCode);
    QVERIFY(coloring->text() != japanese);
    QCOMPARE(box->currentText(), QStringLiteral("English"));

    const int back = box->findData(kJapaneseCode);
    box->setCurrentIndex(back);
    emit box->activated(back);
    Settle();
    QCOMPARE(RememberedLanguage(settings), kJapaneseCode);
    QCOMPARE(coloring->text(), japanese);
  }
};

}  // namespace rq51

QTEST_MAIN(rq51::LanguageTest)
#include "language_test.moc"
