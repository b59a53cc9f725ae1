#include "ui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/app_setup.h"
#include "ui/language.h"
#include "ui/pictures.h"

namespace rq51 {
namespace {

constexpr QChar kIdeographicSpace(0x3000);

constexpr char kCloseCaption[] = RQ51_TR_NOOP("MainWindow", "閉じる(&C)");
// Left as it is in every language.
constexpr char kLanguageLabel[] = "言語 / Language";

QString Blanks(int count) { return QString(count, QChar(u' ')); }
QString IdeographicBlanks(int count) { return QString(count, kIdeographicSpace); }

struct Label1Line {
  QString lead;
  const char* text;
  QString tail;
};

// A push button whose centred caption keeps its trailing blanks, so that the
// blanks push the visible text to the left as the captions intend. Qt's own
// push button drops trailing white space before centring.
class CaptionButton : public QPushButton {
 public:
  CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect text_area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(text_area,
                         Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextIncludeTrailingSpaces,
                         palette(), isEnabled(), caption, QPalette::ButtonText);
  }
};

struct ControlPlace {
  int x;
  int y;
  int width;
  int height;
};

QLabel* MakePicture(const char* name, const QPixmap& picture, ControlPlace place, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place.x, place.y, place.width, place.height);
  label->setPixmap(picture);
  return label;
}

// A line's leading blanks: in another language than Japanese an ideographic
// blank is two plain ones.
QString Indent(QString lead) {
  if (!SpeakingJapanese()) lead.replace(kIdeographicSpace, QStringLiteral("  "));
  return lead;
}

// The visible text of the menu captions toForm2 .. toForm7.
constexpr const char* kMenuTexts[] = {
    RQ51_TR_NOOP("MainWindow", "１．（置換群としての）変換"),
    RQ51_TR_NOOP("MainWindow", "２．解法CF…基本操作編"),
    RQ51_TR_NOOP("MainWindow", "３．解法CF"),
    RQ51_TR_NOOP("MainWindow", "４．解法LB"),
    RQ51_TR_NOOP("MainWindow", "５．解法TK-C"),
    RQ51_TR_NOOP("MainWindow", "６．解法TK-L"),
};

}  // namespace

QString MenuButtonCaption(int form) {
  if (form < kFirstMenuForm || form > kLastMenuForm) return QString();
  const QString text = Tq("MainWindow", kMenuTexts[form - kFirstMenuForm]);
  // Another language's caption is centred as it is.
  if (!SpeakingJapanese()) return text;
  switch (form) {
    case 2:
      return text + Blanks(4);
    case 3:
      return text + IdeographicBlanks(2);
    case 4:
      return text + Blanks(10) + IdeographicBlanks(2) + Blanks(8);
    case 5:
      return text + Blanks(5) + IdeographicBlanks(2) + Blanks(13);
    case 6:
      return text + Blanks(8) + IdeographicBlanks(2) + Blanks(6);
    case 7:
      return text + Blanks(6) + IdeographicBlanks(2) + Blanks(9);
    default:
      return QString();
  }
}

QStringList Label1Lines() {
  const QString none;
  const QString blank = Blanks(1);
  const QString tab = QStringLiteral("\t");
  const Label1Line lines[] = {
      {none, RQ51_TR_NOOP("MainWindow", "ｺｰﾅｰ･ｷｭｰﾌﾞ"), blank},
      {Blanks(3), RQ51_TR_NOOP("MainWindow", "３つで一組のコーナーが８つ"), none},
      {Blanks(9), RQ51_TR_NOOP("MainWindow", "8!×3の7乗"), blank},
      {Blanks(5), RQ51_TR_NOOP("MainWindow", "一組だけの循環は不可能"), none},
      {none, RQ51_TR_NOOP("MainWindow", "ｴｯｼﾞ・ｷｭｰﾌﾞ"), tab},
      {Blanks(3), RQ51_TR_NOOP("MainWindow", "２つで一組のエッジが１２個"), none},
      {Blanks(8), RQ51_TR_NOOP("MainWindow", "12!×2の11乗"), none},
      {Blanks(5), RQ51_TR_NOOP("MainWindow", "一組だけの循環は不可能"), none},
      {none, RQ51_TR_NOOP("MainWindow", "ｾﾝﾀｰ・ｷｭｰﾌﾞ"), tab},
      {Blanks(3), RQ51_TR_NOOP("MainWindow", "向かい合うエッジは組で３つ"), none},
      {Blanks(9), RQ51_TR_NOOP("MainWindow", "(3×2)×2"), none},
      {none, RQ51_TR_NOOP("MainWindow", "考えられる配置は"), blank},
      {IdeographicBlanks(1) + blank,
       RQ51_TR_NOOP("MainWindow", "43,252,003,274,489,856,000 通り。"), none},
      {blank, RQ51_TR_NOOP("MainWindow", "(4,325京2,003兆2,744億8,985万6千)"), none},
  };
  QStringList result;
  for (const Label1Line& line : lines) {
    result << Indent(line.lead) + Tq("MainWindow", line.text) + line.tail;
  }
  return result;
}

QString Label1Text() { return Label1Lines().join(QStringLiteral("\r\n")); }

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TForm1"));
  resize(596, 468);

  for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
    auto* button = new CaptionButton(QString(), this);
    button->setObjectName(QStringLiteral("toForm%1").arg(form));
    button->setGeometry(38, 38 + 50 * (form - kFirstMenuForm), 192, 29);
    buttons_[form - kFirstMenuForm] = button;
  }
  connect(MenuButton(2), &QPushButton::clicked, this, &MainWindow::toForm2Click);
  connect(MenuButton(3), &QPushButton::clicked, this, &MainWindow::toForm3Click);
  connect(MenuButton(4), &QPushButton::clicked, this, &MainWindow::toForm4Click);
  connect(MenuButton(5), &QPushButton::clicked, this, &MainWindow::toForm5Click);
  connect(MenuButton(6), &QPushButton::clicked, this, &MainWindow::toForm6Click);
  connect(MenuButton(7), &QPushButton::clicked, this, &MainWindow::toForm7Click);

  auto* close_button = new QPushButton(this);
  close_button->setObjectName(QStringLiteral("BitBtn1"));
  close_button_ = close_button;
  close_button->setIcon(CloseButtonIcon());
  close_button->setGeometry(59, 368, 86, 25);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  auto* note = new QLabel(this);
  note_ = note;
  note->setObjectName(QStringLiteral("Label1"));
  note->setTextFormat(Qt::PlainText);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  note->setAutoFillBackground(true);
  QPalette note_palette = note->palette();
  note_palette.setColor(QPalette::Window, Qt::black);
  note_palette.setColor(QPalette::WindowText, Qt::white);
  note->setPalette(note_palette);
  QFont note_font = note->font();
  note_font.setPixelSize(15);
  // The CR LF line breaks have no glyph in any face, and looking for a face
  // that has them costs a fontconfig search at start-up. Every character of
  // the note is in the Gothic face, so where that face is installed the note
  // is drawn from it alone.
  if (QFontInfo(note_font).family() == QString::fromUtf16(kSubstituteFontFamily)) {
    note_font.setStyleStrategy(QFont::NoFontMerging);
  }
  note->setFont(note_font);

  MakePicture("Image1", SolvedCubePicture(QSize(120, 119)), {257, 277, 120, 119}, this);
  MakePicture("Image2", CubeLineDrawing(QSize(128, 115)), {425, 281, 128, 115}, this);

  // The language, under the pictures. The label reads the same in every
  // language, so that it is found whichever the windows speak.
  auto* language_label = new QLabel(QString::fromUtf8(kLanguageLabel), this);
  language_label->setObjectName(QStringLiteral("LanguageLabel"));
  language_label->setGeometry(257, 424, 120, 22);
  language_box_ = new QComboBox(this);
  language_box_->setObjectName(QStringLiteral("LanguageBox"));
  language_box_->setGeometry(385, 421, 168, 27);
  for (const QString& code : AvailableLanguages()) language_box_->addItem(LanguageName(code), code);
  // Tab keeps going round the menu and the close button only; Alt+L goes to
  // the choice (the label shows no mnemonic, so that it reads the same in
  // every language).
  language_box_->setFocusPolicy(Qt::ClickFocus);
  auto* to_language = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_L), this);
  connect(to_language, &QShortcut::activated, this,
          [this] { language_box_->setFocus(Qt::ShortcutFocusReason); });
  connect(language_box_, &QComboBox::activated, this, [this](int index) {
    const QString code = language_box_->itemData(index).toString();
    if (code.toStdString() == CurrentLanguage() || !UseLanguage(code)) return;
    emit LanguageChosen(code);
  });

  ShowCaptions();

  setTabOrder(close_button, MenuButton(3));
  setTabOrder(MenuButton(3), MenuButton(4));
  setTabOrder(MenuButton(4), MenuButton(2));
  setTabOrder(MenuButton(2), MenuButton(5));
  setTabOrder(MenuButton(5), MenuButton(6));
  setTabOrder(MenuButton(6), MenuButton(7));
  // The first control in the tab order holds the focus when the window opens.
  close_button->setFocus();
}

void MainWindow::ShowCaptions() {
  setWindowTitle(Tq("MainWindow", "RQ51 ルービック・キューブ解法プログラム試論"));
  for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
    MenuButton(form)->setText(MenuButtonCaption(form));
  }
  close_button_->setText(Tq("MainWindow", kCloseCaption));
  // Lines are separated by "\r\n"; a plain-text label draws that exactly
  // as a line break.
  note_->setText(Label1Text());
  // The Gothic face that stands in for the windows' font sets its lines a
  // little wider and taller than the box was drawn for; the box grows to show
  // the whole text rather than cut off its last lines.
  note_->setGeometry(313, 37, 238, 210);
  note_->resize(note_->size().expandedTo(note_->sizeHint()));
  const int language = language_box_->findData(QString::fromStdString(CurrentLanguage()));
  if (language >= 0) language_box_->setCurrentIndex(language);
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) ShowCaptions();
}

void MainWindow::SetMenuTarget(int form, QWidget* window) {
  if (form < kFirstMenuForm || form > kLastMenuForm) return;
  targets_[form - kFirstMenuForm] = window;
}

QWidget* MainWindow::MenuTarget(int form) const {
  if (form < kFirstMenuForm || form > kLastMenuForm) return nullptr;
  return targets_[form - kFirstMenuForm];
}

QPushButton* MainWindow::MenuButton(int form) const {
  if (form < kFirstMenuForm || form > kLastMenuForm) return nullptr;
  return buttons_[form - kFirstMenuForm];
}

void MainWindow::toForm2Click() { ShowMenuTarget(2); }
void MainWindow::toForm3Click() { ShowMenuTarget(3); }
void MainWindow::toForm4Click() { ShowMenuTarget(4); }
void MainWindow::toForm5Click() { ShowMenuTarget(5); }
void MainWindow::toForm6Click() { ShowMenuTarget(6); }
void MainWindow::toForm7Click() { ShowMenuTarget(7); }

void MainWindow::ShowMenuTarget(int form) {
  if (MenuTarget(form) == nullptr && make_missing_) make_missing_(form);
  QWidget* window = MenuTarget(form);
  if (window == nullptr) return;
  if (window->isMinimized()) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // The main window ends the program even while other windows are open.
  QCoreApplication::quit();
}

}  // namespace rq51
