#include "ui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/app_setup.h"
#include "ui/pictures.h"

namespace rq51 {
namespace {

constexpr QChar kIdeographicSpace(0x3000);

QString Blanks(int count) { return QString(count, QChar(u' ')); }
QString IdeographicBlanks(int count) { return QString(count, kIdeographicSpace); }

struct Label1Line {
  QString lead;
  const char16_t* text;
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

}  // namespace

QString MenuButtonCaption(int form) {
  switch (form) {
    case 2:
      return QString::fromUtf16(u"１．（置換群としての）変換") + Blanks(4);
    case 3:
      return QString::fromUtf16(u"２．解法CF…基本操作編") + IdeographicBlanks(2);
    case 4:
      return QString::fromUtf16(u"３．解法CF") + Blanks(10) + IdeographicBlanks(2) + Blanks(8);
    case 5:
      return QString::fromUtf16(u"４．解法LB") + Blanks(5) + IdeographicBlanks(2) + Blanks(13);
    case 6:
      return QString::fromUtf16(u"５．解法TK-C") + Blanks(8) + IdeographicBlanks(2) + Blanks(6);
    case 7:
      return QString::fromUtf16(u"６．解法TK-L") + Blanks(6) + IdeographicBlanks(2) + Blanks(9);
    default:
      return QString();
  }
}

QStringList Label1Lines() {
  const QString none;
  const QString blank = Blanks(1);
  const QString tab = QStringLiteral("\t");
  const Label1Line lines[] = {
      {none, u"ｺｰﾅｰ･ｷｭｰﾌﾞ", blank},
      {Blanks(3), u"３つで一組のコーナーが８つ", none},
      {Blanks(9), u"8!×3の7乗", blank},
      {Blanks(5), u"一組だけの循環は不可能", none},
      {none, u"ｴｯｼﾞ・ｷｭｰﾌﾞ", tab},
      {Blanks(3), u"２つで一組のエッジが１２個", none},
      {Blanks(8), u"12!×2の11乗", none},
      {Blanks(5), u"一組だけの循環は不可能", none},
      {none, u"ｾﾝﾀｰ・ｷｭｰﾌﾞ", tab},
      {Blanks(3), u"向かい合うエッジは組で３つ", none},
      {Blanks(9), u"(3×2)×2", none},
      {none, u"考えられる配置は", blank},
      {IdeographicBlanks(1) + blank, u"43,252,003,274,489,856,000 通り。", none},
      {blank, u"(4,325京2,003兆2,744億8,985万6千)", none},
  };
  QStringList result;
  for (const Label1Line& line : lines) {
    result << line.lead + QString::fromUtf16(line.text) + line.tail;
  }
  return result;
}

QString Label1Text() { return Label1Lines().join(QStringLiteral("\r\n")); }

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QString::fromUtf16(u"RQ51 ルービック・キューブ解法プログラム試論"));
  resize(596, 468);

  for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
    auto* button = new CaptionButton(MenuButtonCaption(form), this);
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

  auto* close_button = new QPushButton(QString::fromUtf16(u"閉じる(&C)"), this);
  close_button->setObjectName(QStringLiteral("BitBtn1"));
  close_button->setIcon(CloseButtonIcon());
  close_button->setGeometry(59, 368, 86, 25);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  auto* note = new QLabel(this);
  note->setObjectName(QStringLiteral("Label1"));
  note->setGeometry(313, 37, 238, 210);
  note->setTextFormat(Qt::PlainText);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Lines are separated by "\r\n"; a plain-text label draws that exactly
  // as a line break.
  note->setText(Label1Text());
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
  // The Gothic face that stands in for the windows' font sets its lines a
  // little wider and taller than the box was drawn for; the box grows to show
  // the whole text rather than cut off its last lines.
  note->resize(note->size().expandedTo(note->sizeHint()));

  MakePicture("Image1", SolvedCubePicture(QSize(120, 119)), {257, 277, 120, 119}, this);
  MakePicture("Image2", CubeLineDrawing(QSize(128, 115)), {425, 281, 128, 115}, this);

  setTabOrder(close_button, MenuButton(3));
  setTabOrder(MenuButton(3), MenuButton(4));
  setTabOrder(MenuButton(4), MenuButton(2));
  setTabOrder(MenuButton(2), MenuButton(5));
  setTabOrder(MenuButton(5), MenuButton(6));
  setTabOrder(MenuButton(6), MenuButton(7));
  // The first control in the tab order holds the focus when the window opens.
  close_button->setFocus();
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
