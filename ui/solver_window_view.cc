#include "ui/solver_window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "app/solver_windows.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/shown_line.h"
#include "shortest/reference_solution.h"
#include "ui/app_setup.h"
#include "ui/colour_grid.h"
#include "ui/cube_view.h"
#include "ui/language.h"
#include "ui/list_line_delegate.h"
#include "ui/net_cell_box.h"
#include "ui/pictures.h"
#include "ui/reference_line_view.h"
#include "ui/solver_pictures.h"

namespace rq51 {

namespace {

constexpr char kColourGroupCaption[] = RQ51_TR_NOOP("SolverWindow", "色の選択");
constexpr char kColoringCaption[] = RQ51_TR_NOOP("SolverWindow", "①．色の入力終了");
constexpr char kTranslationsCaption[] = RQ51_TR_NOOP("SolverWindow", "自分で変換を試行する。");
constexpr char kResetCaption[] = "Reset";
constexpr char kNumtukeCaption[] = RQ51_TR_NOOP("SolverWindow", "番号を着ける。");
constexpr char kListClearCaption[] = RQ51_TR_NOOP("SolverWindow", "このListをClear。");
constexpr char kCloseCaption[] = RQ51_TR_NOOP("SolverWindow", "閉じる(&C)");
constexpr char kExplainCaption[] = RQ51_TR_NOOP("SolverWindow", "説明");
// The colours' captions as the colour table gives them, for the translation
// tools.
[[maybe_unused]] constexpr const char* kColourCaptions[] = {
    RQ51_TR_NOOP("SolverWindow", "緑"), RQ51_TR_NOOP("SolverWindow", "赤"),
    RQ51_TR_NOOP("SolverWindow", "青"), RQ51_TR_NOOP("SolverWindow", "オレンジ"),
    RQ51_TR_NOOP("SolverWindow", "白"), RQ51_TR_NOOP("SolverWindow", "黄"),
};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

// Net cells are coloured through their palette only: a style sheet on a line
// edit would make the style ignore the palette's base colour.
void PaintNetCell(QLineEdit* cell, Rgb rgb) {
  const QColor colour(rgb.red, rgb.green, rgb.blue);
  QPalette palette = cell->palette();
  if (palette.color(QPalette::Base) == colour) return;
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Window, colour);
  const int luminance = (299 * rgb.red + 587 * rgb.green + 114 * rgb.blue) / 1000;
  palette.setColor(QPalette::Text, luminance < 110 ? Qt::white : Qt::black);
  cell->setPalette(palette);
}

// The logged lines as the lists show them, in the language of the moment.
QStringList ShownLines(const std::vector<std::string>& lines) {
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) shown << Text(ShownLine(line));
  return shown;
}

void ShowLines(QListWidget* list, const QStringList& lines) {
  bool same = list->count() == lines.size();
  for (int i = 0; same && i < list->count(); ++i) {
    same = list->item(i)->text() == lines[i];
  }
  if (same) return;
  // Lines are only ever appended or all cleared: keep what is already shown.
  // (After a change of language every line is shown anew.)
  int keep = 0;
  while (keep < list->count() && keep < lines.size() && list->item(keep)->text() == lines[keep]) {
    ++keep;
  }
  if (keep == 0) {
    list->clear();
  } else {
    while (list->count() > keep) delete list->takeItem(list->count() - 1);
  }
  list->addItems(lines.mid(keep));
  list->scrollToBottom();
}

// Net cells, pictures and the window size from which they stand in the
// window as drawn for a large screen.
constexpr int kNetCellWidth = 40;
constexpr int kNetCellHeight = 28;
constexpr int kOutlinePicture = 140;
constexpr int kDecorationWidth = 112;
constexpr int kDecorationHeight = 104;
constexpr int kUpsideDownWidth = 300;
constexpr int kUpsideDownHeight = 110;
constexpr int kListMinimumLines = 8;
constexpr int kListMinimumWidth = 110;
constexpr int kFullLayoutWidth = 1560;
constexpr int kFullLayoutHeight = 940;
// On a smaller screen: the height the controls need with the smallest net
// and grid cells, and those cells.
constexpr int kCompactLayoutHeight = 650;
constexpr int kCompactNetCellHeight = 20;
constexpr int kCompactGridCell = 19;
constexpr int kCompactGridCellMax = 28;
// The height of the colour entry's controls other than the four rows of
// grids.
constexpr int kEntryHeightBesideGrids = 300;

}  // namespace

SolverWindowView::SolverWindowView(WindowKind kind, QWidget* parent)
    : SolverWindowView(CreateSolverWindow(kind), parent) {}

SolverWindowView::SolverWindowView(std::unique_ptr<SolverWindow> window, QWidget* parent)
    : QWidget(parent), window_(std::move(window)) {
  const WindowVariant& variant = window_->variant();
  setObjectName(Text(variant.class_name));
  captions_.Keep(this, [title = std::string(variant.title)](QWidget* window) {
    window->setWindowTitle(Tq("SolverWindow", title.c_str()));
  });

  // Below the smallest size the controls need, the window scrolls instead of
  // squeezing its grids, net and buttons on top of each other.
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  outer->addWidget(scroll);
  auto* content = new QWidget(scroll);
  auto* layout = new QGridLayout(content);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setHorizontalSpacing(14);
  layout->setVerticalSpacing(8);
  // The colour entry runs down the whole left side; the net, the trial
  // moves and the stage lists share the rest.
  layout->addWidget(BuildColourEntry(), 0, 0, 2, 1);

  centre_column_ = new QVBoxLayout();
  centre_column_->setSpacing(4);
  label3_ = MakeLabel(QStringLiteral("Label3"), QString(), this);
  captions_.Keep(label3_, [&variant](QLabel* label) {
    QStringList lines;
    for (std::string_view line : variant.instructions) {
      lines << Tq("Instructions", std::string(line).c_str());
    }
    label->setText(lines.join(QLatin1Char('\n')));
  });
  // The net and the 3D cube side by side, the player's controls under both,
  // then where the cube is and the reference solution.
  auto* cubes = new QHBoxLayout();
  cubes->setSpacing(12);
  cubes->addWidget(BuildNet(), 0, Qt::AlignTop);
  cubes->addWidget(BuildCubeView(), 1);
  centre_column_->addLayout(cubes);
  centre_column_->addWidget(BuildPlayback());
  reference_ = new ReferenceLineView(*window_, this);
  connect(reference_, &ReferenceLineView::PlayRequested, this, [this] { PlayReference(true); });
  centre_column_->addWidget(reference_);
  centre_column_->addStretch();
  layout->addLayout(centre_column_, 0, 1);

  layout->addWidget(BuildTrialPanel(), 0, 2);
  layout->addWidget(BuildStageLists(), 1, 1, 1, 2);

  layout->setColumnStretch(2, 1);
  layout->setRowStretch(1, 1);
  scroll->setWidget(content);

  // "説明": the instructions and pictures when the window is too small to
  // show them beside the controls, in a panel over the window's top.
  auto* explain_panel = new QFrame(this);
  explain_panel->setObjectName(QStringLiteral("ExplainPanel"));
  explain_panel->setFrameShape(QFrame::StyledPanel);
  explain_panel->setAutoFillBackground(true);
  explain_panel->hide();
  explain_panel_ = explain_panel;
  // The instructions above the two outlines, the other pictures beside them.
  auto* explain_layout = new QHBoxLayout(explain_panel_);
  explain_layout->setSizeConstraint(QLayout::SetFixedSize);
  explain_column_ = new QVBoxLayout();
  explain_layout->addLayout(explain_column_);
  explain_pictures_ = new QHBoxLayout();
  explain_pictures_->addStretch();
  explain_column_->addLayout(explain_pictures_);
  explain_column_->addStretch();

  // The pictures are decoration; they carry the names Image1, Image2, ...
  int image = 0;
  for (QWidget* child : findChildren<QWidget*>()) {
    if (dynamic_cast<SolverPicture*>(child) != nullptr) {
      child->setObjectName(QStringLiteral("Image%1").arg(++image));
    }
  }
  // A file dragged onto an edit box opens instead of being typed into it.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->installEventFilter(this);
  ApplyMetrics(MetricsFor(size()));
  Render();
}

SolverWindowView::~SolverWindowView() = default;

void SolverWindowView::ShowFromMenu() {
  showMaximized();
  raise();
  activateWindow();
}

SolverWindowView::Metrics SolverWindowView::MetricsFor(QSize size) {
  Metrics metrics;
  metrics.compact = size.width() < kFullLayoutWidth || size.height() < kFullLayoutHeight;
  if (metrics.compact) {
    // Everything a user presses or reads to solve a cube fits from 1280 x 660
    // up: the net and the grids take what the height leaves them.
    const int spare = std::max(0, size.height() - kCompactLayoutHeight);
    metrics.net_cell_height = std::min(kNetCellHeight, kCompactNetCellHeight + spare / 24 * 2);
    metrics.net_cell_width = metrics.net_cell_height * kNetCellWidth / kNetCellHeight;
    // The colour entry has the whole height of the window to itself.
    metrics.grid_cell = std::clamp((size.height() - kEntryHeightBesideGrids) / 12, kCompactGridCell,
                                   kCompactGridCellMax);
    metrics.net_font = kWindowFontPixelSize;
    metrics.grid_font = kWindowFontPixelSize;
    metrics.outline_picture = kOutlinePicture;
    metrics.decoration_width = kDecorationWidth;
    metrics.decoration_height = kDecorationHeight;
    return metrics;
  }
  // On a larger screen the net, the grids and the pictures grow with the
  // window instead of leaving empty bands.
  // In steps of an eighth, so that dragging the window's edge rarely
  // changes them.
  const double fit = std::min(size.width() / double(kFullLayoutWidth + 40),
                              size.height() / double(kFullLayoutHeight + 20));
  const double scale = std::clamp(std::floor(fit * 8) / 8, 1.0, 3.0);
  auto scaled = [scale](int length) { return static_cast<int>(length * scale); };
  metrics.net_cell_width = scaled(kNetCellWidth);
  metrics.net_cell_height = scaled(kNetCellHeight);
  metrics.net_font = scaled(kWindowFontPixelSize);
  metrics.grid_cell = scaled(ColourGrid::kCellSize);
  metrics.grid_font = scaled(kWindowFontPixelSize);
  metrics.outline_picture = scaled(kOutlinePicture);
  metrics.decoration_width = scaled(kDecorationWidth);
  metrics.decoration_height = scaled(kDecorationHeight);
  return metrics;
}

void SolverWindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ApplyMetrics(MetricsFor(event->size()));
}

void SolverWindowView::ApplyMetrics(const Metrics& metrics) {
  if (metrics == metrics_) return;
  const bool place = metrics_.net_cell_width == 0 || metrics.compact != metrics_.compact;
  metrics_ = metrics;
  QFont net_font = font();
  net_font.setPixelSize(metrics.net_font);
  for (int k = 1; k <= kFaceletCount; ++k) {
    net_[k]->setFixedSize(metrics.net_cell_width, metrics.net_cell_height);
    if (net_[k]->font().pixelSize() != metrics.net_font) net_[k]->setFont(net_font);
  }
  for (int n = 1; n <= kFaceCount; ++n)
    grids_[n]->SetCellSize(metrics.grid_cell, metrics.grid_font);
  front_picture_->setFixedSize(metrics.outline_picture, metrics.outline_picture);
  back_picture_->setFixedSize(metrics.outline_picture, metrics.outline_picture);
  if (decorations_ != nullptr) {
    for (SolverPicture* picture : decorations_->findChildren<SolverPicture*>()) {
      const bool wide = picture->kind() == SolverPictureKind::kUpsideDown;
      picture->setFixedSize(wide ? metrics.decoration_width * kUpsideDownWidth / kDecorationWidth
                                 : metrics.decoration_width,
                            wide ? metrics.decoration_height * kUpsideDownHeight / kDecorationHeight
                                 : metrics.decoration_height);
    }
  }
  if (place) PlaceExplanation(!metrics.compact);
  // In the narrow colour entry of a small screen the button goes under the
  // turn-sequence line, which keeps room for its example.
  scramble_row_->setDirection(metrics.compact ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void SolverWindowView::PlaceExplanation(bool in_window) {
  std::vector<QWidget*> moving = {label3_, front_picture_, back_picture_};
  if (decorations_ != nullptr) moving.push_back(decorations_);
  for (QLayout* layout : {static_cast<QLayout*>(centre_column_), static_cast<QLayout*>(front_row_),
                          static_cast<QLayout*>(back_row_), static_cast<QLayout*>(entry_column_),
                          explain_panel_->layout(), static_cast<QLayout*>(explain_column_),
                          static_cast<QLayout*>(explain_pictures_)}) {
    for (QWidget* widget : moving) layout->removeWidget(widget);
  }
  if (in_window) {
    centre_column_->insertWidget(0, label3_);
    front_row_->insertWidget(1, front_picture_, 0, Qt::AlignVCenter);
    back_row_->insertWidget(1, back_picture_, 0, Qt::AlignVCenter);
    // Under the entry, before the stretch that closes the column.
    if (decorations_ != nullptr) {
      entry_column_->insertWidget(entry_column_->count() - 1, decorations_);
    }
    explain_panel_->hide();
  } else {
    explain_column_->insertWidget(0, label3_);
    explain_pictures_->insertWidget(0, front_picture_);
    explain_pictures_->insertWidget(1, back_picture_);
    if (decorations_ != nullptr) {
      static_cast<QBoxLayout*>(explain_panel_->layout())->addWidget(decorations_, 0, Qt::AlignTop);
    }
  }
  for (QWidget* widget : moving) widget->show();
  explain_button_->setVisible(!in_window);
  if (in_window) explain_button_->setChecked(false);
}

QWidget* SolverWindowView::BuildColourEntry() {
  const WindowVariant& variant = window_->variant();
  auto* panel = new QWidget(this);
  entry_column_ = new QVBoxLayout(panel);
  entry_column_->setContentsMargins(0, 0, 0, 0);
  entry_column_->setSpacing(4);

  auto* group = new QGroupBox(panel);
  group->setObjectName(QStringLiteral("GroupBox1"));
  Caption(group, "SolverWindow", kColourGroupCaption);
  auto* buttons = new QGridLayout(group);
  buttons->setContentsMargins(8, 4, 8, 4);
  buttons->setVerticalSpacing(2);
  int index = 0;
  for (const ColourInfo& colour : ColourTable()) {
    auto* button = new QRadioButton(group);
    button->setObjectName(Text(colour.button));
    Caption(button, "SolverWindow", colour.caption);
    const Colour chosen = colour.colour;
    connect(button, &QRadioButton::clicked, this,
            [this, chosen] { Act([chosen](SolverWindow& w) { w.ChooseColour(chosen); }); });
    colour_buttons_[chosen] = button;
    buttons->addWidget(button, index / 3, index % 3);
    ++index;
  }
  entry_column_->addWidget(group);

  entry_column_->addWidget(Caption(MakeLabel(QStringLiteral("Label1"), QString(), panel),
                                   "SolverWindow", variant.label1));
  entry_column_->addLayout(BuildGridGroup({4, 1, 6}, true));
  entry_column_->addWidget(Caption(MakeLabel(QStringLiteral("Label2"), QString(), panel),
                                   "SolverWindow", variant.label2));
  entry_column_->addLayout(BuildGridGroup({5, 3, 2}, false));
  entry_column_->addWidget(BuildScrambleEntry(panel));
  entry_column_->addSpacing(2);

  auto* coloring = MakeButton(QStringLiteral("Coloring"), QString(), panel);
  Caption(coloring, "SolverWindow", kColoringCaption);
  connect(coloring, &QPushButton::clicked, this, [this] { Act(&SolverWindow::ColoringClick); });
  entry_column_->addWidget(coloring);
  label4_ = MakeLabel(QStringLiteral("Label4"), QString(), panel);
  label4_->setWordWrap(true);
  entry_column_->addWidget(label4_);
  entry_column_->addWidget(BuildFaultLabel(panel));
  file_message_ = MakeLabel(QStringLiteral("FileMessage"), QString(), panel);
  file_message_->setWordWrap(true);
  entry_column_->addWidget(file_message_);
  entry_column_->addWidget(BuildExplainButton(panel), 0, Qt::AlignLeft);
  entry_column_->addWidget(BuildFileButtons());
  if (variant.kind != WindowKind::kCf0) decorations_ = BuildDecorations();
  entry_column_->addStretch();
  return panel;
}

QWidget* SolverWindowView::BuildExplainButton(QWidget* parent) {
  explain_button_ = MakeButton(QStringLiteral("ExplainBtn"), QString(), parent);
  Caption(explain_button_, "SolverWindow", kExplainCaption);
  explain_button_->setCheckable(true);
  connect(explain_button_, &QPushButton::toggled, this, [this](bool open) {
    if (!open) {
      explain_panel_->hide();
      return;
    }
    // Beside the colour entry, at the top, over the net.
    const QWidget* entry = explain_button_->parentWidget();
    explain_panel_->move(entry->mapTo(this, QPoint(entry->width() + 8, 0)).x(), 4);
    explain_panel_->show();
    explain_panel_->raise();
  });
  return explain_button_;
}

// Front view: the top grid above the front grid, the right grid beside it.
// Back view, as seen from inside the cube: the left grid beside the back
// grid, the bottom grid below it. Neighbouring cells of two grids show
// stickers of the same cubie.
QLayout* SolverWindowView::BuildGridGroup(const std::array<int, 3>& grids, bool front_view) {
  auto* row = new QHBoxLayout();
  auto* cluster = new QGridLayout();
  cluster->setSpacing(4);
  const std::array<std::pair<int, int>, 3> places =
      front_view ? std::array<std::pair<int, int>, 3>{{{0, 0}, {1, 0}, {1, 1}}}
                 : std::array<std::pair<int, int>, 3>{{{0, 0}, {0, 1}, {1, 1}}};
  for (int i = 0; i < 3; ++i) {
    const int n = grids[i];
    auto* grid = new ColourGrid(
        [this, n](MouseButton button, CellRef cell) {
          window_->GridMouseDown(n, button, cell);
          Render();
        },
        this);
    grid->setObjectName(QStringLiteral("StringGrid%1").arg(n));
    grid->SetColourKeyHandler([this, n](Colour colour) { TypeColour(n, colour); });
    connect(grid, &QTableWidget::currentCellChanged, this, [this, n](int row, int column) {
      if (row >= 0 && column >= 0) window_->SelectCell(n, CellRef{column, row});
    });
    grids_[n] = grid;
    cluster->addWidget(grid, places[i].first, places[i].second);
  }
  row->addLayout(cluster);
  SolverPictureKind kind = SolverPictureKind::kFrontOutline;
  if (!front_view) {
    kind = window_->kind() == WindowKind::kCf0 ? SolverPictureKind::kInsideViewReference
                                               : SolverPictureKind::kInsideView;
  }
  auto* picture = new SolverPicture(kind, QSize(kOutlinePicture, kOutlinePicture), this);
  (front_view ? front_picture_ : back_picture_) = picture;
  (front_view ? front_row_ : back_row_) = row;
  row->addStretch();
  return row;
}

QWidget* SolverWindowView::BuildDecorations() {
  auto* panel = new QWidget(this);
  auto* pictures = new QGridLayout(panel);
  pictures->setContentsMargins(0, 0, 0, 0);
  pictures->setSpacing(4);
  const QSize size(kDecorationWidth, kDecorationHeight);
  pictures->addWidget(new SolverPicture(SolverPictureKind::kGriddedFront, size, panel), 0, 0);
  pictures->addWidget(new SolverPicture(SolverPictureKind::kGriddedBack, size, panel), 0, 1);
  pictures->addWidget(new SolverPicture(SolverPictureKind::kLegendX, size, panel), 1, 0);
  pictures->addWidget(new SolverPicture(SolverPictureKind::kLegendY, size, panel), 1, 1);
  pictures->addWidget(new SolverPicture(SolverPictureKind::kLegendZ, size, panel), 1, 2);
  if (window_->kind() == WindowKind::kLb) {
    pictures->addWidget(new SolverPicture(SolverPictureKind::kUpsideDown,
                                          QSize(kUpsideDownWidth, kUpsideDownHeight), panel),
                        2, 0, 1, 3, Qt::AlignLeft);
  }
  return panel;
}

// Edit1 .. Edit54 on the cross-shaped net: top face above the front face,
// bottom and back faces below it, left and right faces beside it.
QWidget* SolverWindowView::BuildNet() {
  auto* panel = new QWidget(this);
  auto* net = new QGridLayout(panel);
  net->setContentsMargins(0, 0, 0, 0);
  net->setSpacing(2);
  for (int k = 1; k <= kFaceletCount; ++k) {
    auto* cell = new NetCellBox(panel);
    cell->setObjectName(QStringLiteral("Edit%1").arg(k));
    cell->setAlignment(Qt::AlignCenter);
    cell->setAutoFillBackground(true);
    connect(cell, &QLineEdit::textEdited, this, [this, k](const QString& text) {
      window_->SetNetText(k, text.toStdString());
      Render();
    });
    net_[k] = cell;
    const NetPosition place = NetPositionOf(k);
    net->addWidget(cell, place.row - 1, place.column - 1);
  }
  // The numbers toggle and Reset stand in the net's empty corners beside
  // its lowest faces.
  const WindowVariant& variant = window_->variant();
  if (variant.has_numtuke) {
    auto* numtuke = MakeButton(QStringLiteral("Numtuke"), QString(), panel);
    Caption(numtuke, "SolverWindow", kNumtukeCaption);
    connect(numtuke, &QPushButton::clicked, this, [this] { Act(&SolverWindow::NumtukeClick); });
    net->addWidget(numtuke, 10, 0, 2, 3, Qt::AlignLeft | Qt::AlignBottom);
  }
  if (variant.has_reset) {
    auto* reset = MakeButton(QStringLiteral("Reset"), QString::fromUtf8(kResetCaption), panel);
    connect(reset, &QPushButton::clicked, this, [this] { Act(&SolverWindow::ResetClick); });
    net->addWidget(reset, 10, 6, 2, 3, Qt::AlignRight | Qt::AlignBottom);
  }
  return panel;
}

QWidget* SolverWindowView::BuildCubeView() {
  // The method's solution and the reference solution each on a cube of its
  // own; the reference one is made when it is first played.
  cube_views_ = new QStackedWidget(this);
  cube_views_->setObjectName(QStringLiteral("CubeViews"));
  cube_view_ = new CubeView(*window_, cube_views_);
  cube_views_->addWidget(cube_view_);
  connect(cube_view_, &CubeView::NetChanged, this, [this] { Render(); });
  connect(cube_view_, &CubeView::Changed, this, [this] { RenderPlace(); });
  return cube_views_;
}

QWidget* SolverWindowView::BuildTrialPanel() {
  const WindowVariant& variant = window_->variant();
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* group = new QGroupBox(panel);
  group->setObjectName(QStringLiteral("Translations"));
  Caption(group, "SolverWindow", kTranslationsCaption);
  auto* moves = new QGridLayout(group);
  moves->setHorizontalSpacing(6);
  // Rows R, L, M; columns x, y, z, each with the turn, its square and its
  // cube, a gap between the axes.
  for (int i = 0; i < 27; ++i) {
    const Move move = AllMoves()[i];
    const int base = i / 3;
    const int power = i % 3;
    auto* button = new QRadioButton(QString::fromStdString(ButtonName(move)), group);
    button->setObjectName(QString::fromStdString(ButtonName(move)));
    // Never stays selected, so the same turn can be chosen again at once.
    button->setAutoExclusive(false);
    connect(button, &QRadioButton::clicked, this, [this, button, move] {
      button->setChecked(false);
      PlayReference(false);
      window_->TrialMove(move);
      // The 3D cube performs the turn; the net shows its end at once.
      cube_view_->TrialMoved(move);
      Render();
    });
    moves->addWidget(button, base / 3, (base % 3) * 4 + power);
  }
  moves->setColumnMinimumWidth(3, 10);
  moves->setColumnMinimumWidth(7, 10);
  column->addWidget(group);

  auto* log_row = new QHBoxLayout();
  log_row->addWidget(Caption(MakeLabel(QStringLiteral("Label5"), QString(), panel), "SolverWindow",
                             variant.label5),
                     0, Qt::AlignTop);
  auto* list4 = new QListWidget(panel);
  list4->setObjectName(QStringLiteral("ListBox4"));
  SetUpList(list4, 4);
  log_row->addWidget(list4, 1);
  column->addLayout(log_row, 1);
  column->addWidget(list_turns_[4] = MakeLabel(QStringLiteral("TurnCount4"), QString(), panel));

  edit55_ = new QLineEdit(panel);
  edit55_->setObjectName(QStringLiteral("Edit55"));
  connect(edit55_, &QLineEdit::textEdited, this, [this](const QString& text) {
    window_->edit55() = text.toStdString();
    Render();
  });
  column->addWidget(edit55_);

  auto* sikou = MakeButton(QStringLiteral("Sikou"), QString(), panel);
  Caption(sikou, "SolverWindow", variant.sikou_caption);
  connect(sikou, &QPushButton::clicked, this, [this] { Act(&SolverWindow::SikouClick); });
  column->addWidget(sikou);
  return panel;
}

QWidget* SolverWindowView::MakeStageButton(std::string_view name, std::string_view caption) {
  auto* button = MakeButton(Text(name), QString(), this);
  Caption(button, "SolverWindow", caption);
  connect(button, &QPushButton::clicked, this,
          [this, name] { Act([name](SolverWindow& w) { w.PressButton(name); }); });
  return button;
}

// One column per stage list, in the order of the lists, each with its stage
// buttons above and its clear button below; a stage button that logs to no
// list of its own (the flip, the one-shot run) gets a column of its own
// after the list of the stage it follows.
QWidget* SolverWindowView::BuildStageLists() {
  struct Column {
    int list_box = 0;  // 0 for a stage button standing alone
    std::vector<const StageButton*> buttons;
  };
  std::vector<Column> columns;
  for (int n : window_->ListBoxNumbers()) {
    if (n != 4) columns.push_back({n, {}});
  }
  size_t insert_at = 0;
  for (const StageButton& button : window_->stage_buttons()) {
    const int n = button.list_box;
    auto it = std::find_if(columns.begin(), columns.end(),
                           [n](const Column& c) { return n != 0 && c.list_box == n; });
    if (it != columns.end()) {
      it->buttons.push_back(&button);
      insert_at = static_cast<size_t>(it - columns.begin()) + 1;
    } else {
      columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(insert_at), {0, {&button}});
      ++insert_at;
    }
  }

  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(10);
  // The close button stands under the last stage button, at the window's
  // bottom right.
  if (columns.empty() || columns.back().list_box != 0) columns.push_back({0, {}});
  for (const Column& column : columns) {
    if (column.list_box == 0) {
      auto* alone = new QVBoxLayout();
      for (const StageButton* button : column.buttons) {
        alone->addWidget(MakeStageButton(button->name, button->caption));
      }
      alone->addStretch();
      if (&column == &columns.back()) {
        auto* close = MakeButton(QStringLiteral("BitBtn1"), QString(), this);
        Caption(close, "SolverWindow", kCloseCaption);
        close->setIcon(CloseButtonIcon());
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        alone->addWidget(close, 0, Qt::AlignRight);
      }
      row->addLayout(alone);
    } else {
      AddListColumn(row, column.list_box, column.buttons);
    }
  }
  return panel;
}

void SolverWindowView::AddListColumn(QLayout* row, int list_box,
                                     const std::vector<const StageButton*>& buttons) {
  auto* column = new QVBoxLayout();
  for (const StageButton* button : buttons) {
    column->addWidget(MakeStageButton(button->name, button->caption));
  }
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("ListBox%1").arg(list_box));
  SetUpList(list, list_box);
  column->addWidget(list, 1);
  column->addWidget(list_turns_[list_box] =
                        MakeLabel(QStringLiteral("TurnCount%1").arg(list_box), QString(), this));
  const std::vector<int>& clear = window_->variant().clear_buttons;
  if (std::find(clear.begin(), clear.end(), list_box) != clear.end()) {
    auto* button = MakeButton(QStringLiteral("Lbx%1clear").arg(list_box), QString(), this);
    Caption(button, "SolverWindow", kListClearCaption);
    connect(button, &QPushButton::clicked, this,
            [this, list_box] { Act([list_box](SolverWindow& w) { w.ListClearClick(list_box); }); });
    column->addWidget(button);
  }
  static_cast<QHBoxLayout*>(row)->addLayout(column, 1);
}

void SolverWindowView::SetUpList(QListWidget* list, int list_box) {
  lists_[list_box] = list;
  // Every list shows at least eight lines and takes whatever height the
  // window has beyond that.
  list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  list->setItemDelegate(new ListLineDelegate(list));
  list->setMinimumSize(kListMinimumWidth, kListMinimumLines * ListLineDelegate::LineHeight(list) +
                                              2 * list->frameWidth());
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->installEventFilter(this);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QListWidget::customContextMenuRequested, this,
          [this, list, list_box](const QPoint& at) { ShowListMenu(list, list_box, at); });
  connect(list, &QListWidget::itemClicked, this,
          [this, list, list_box](QListWidgetItem* item) { BrowseLine(list_box, list->row(item)); });
  connect(list, &QListWidget::currentRowChanged, this, [this, list_box](int row) {
    if (!rendering_ && row >= 0) BrowseLine(list_box, row);
  });
  auto* copy = new QShortcut(QKeySequence::Copy, list, nullptr, nullptr, Qt::WidgetShortcut);
  connect(copy, &QShortcut::activated, this, [list] {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->isSelected()) lines << list->item(row)->text();
    }
    if (lines.isEmpty() && list->currentItem() != nullptr) lines << list->currentItem()->text();
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
  });
}

// Under the net: stepping through the logged lines, where the net is in the
// solution, and keeping the solution as a text file.
QWidget* SolverWindowView::BuildPlayback() {
  strips_ = new QStackedWidget(this);
  strips_->setObjectName(QStringLiteral("CubeStrips"));
  auto* panel = new QWidget(strips_);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  auto* strip = new CubeStrip(cube_view_, panel, CubeStrip::Shape::kWide);
  auto* previous = MakeButton(QStringLiteral("PrevLine"), QString(), panel);
  Caption(previous, "Playback", RQ51_TR_NOOP("Playback", "◀ 前の行"));
  connect(previous, &QPushButton::clicked, this, [this] { BrowseStep(-1); });
  auto* next = MakeButton(QStringLiteral("NextLine"), QString(), panel);
  Caption(next, "Playback", RQ51_TR_NOOP("Playback", "次の行 ▶"));
  connect(next, &QPushButton::clicked, this, [this] { BrowseStep(1); });
  auto* live = MakeButton(QStringLiteral("LiveState"), QString(), panel);
  Caption(live, "Playback", RQ51_TR_NOOP("Playback", "最新の状態"));
  connect(live, &QPushButton::clicked, this, [this] { BrowseLive(); });
  // |◀ ◀ 前の行 ▶ 再生 次の行 ▶ ▶| 最新の状態
  strip->AddButton(previous, 1);
  strip->AddButton(next, 3);
  strip->AddButton(live, 5);
  column->addWidget(strip);
  auto* place = new QHBoxLayout();
  playback_ = MakeLabel(QStringLiteral("PlaybackLabel"), QString(), panel);
  place->addWidget(playback_, 1);
  run_turns_ = MakeLabel(QStringLiteral("RunTurns"), QString(), panel);
  place->addWidget(run_turns_);
  column->addLayout(place);
  strips_->addWidget(panel);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { BrowseLive(); });
  return strips_;
}

void SolverWindowView::BrowseLine(int list_box, int row) {
  if (row < 0) return;
  window_->BrowseLine(list_box, static_cast<size_t>(row));
  Render();
}

void SolverWindowView::BrowseStep(int delta) {
  // The 3D cube performs the line's turns; the net follows at its end.
  PlayReference(false);
  cube_view_->StepLine(delta);
  Render();
}

void SolverWindowView::BrowseLive() {
  PlayReference(false);
  window_->BrowseLive();
  Render();
}

bool SolverWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (TakeDroppedFile(event)) return true;
  if (event->type() == QEvent::KeyPress && qobject_cast<QListWidget*>(watched) != nullptr) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
      BrowseStep(key == Qt::Key_Right ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SolverWindowView::Render() {
  const SolverWindow& window = *window_;
  for (auto& [colour, button] : colour_buttons_) {
    const bool chosen = colour == window.current_colour();
    if (button->isChecked() == chosen) continue;
    // Lets the set be left with nothing chosen, as before the first choice.
    button->setAutoExclusive(false);
    button->setChecked(chosen);
    button->setAutoExclusive(true);
  }
  for (int n = 1; n <= kFaceCount; ++n) {
    grids_[n]->ShowCells(window.grids()[n], window.selected_cell(n));
  }
  for (int k = 1; k <= kFaceletCount; ++k) {
    const NetCell& cell = window.ShownNet(k);
    const QString text = QString::fromStdString(cell.text);
    if (net_[k]->text() != text) net_[k]->setText(text);
    PaintNetCell(net_[k], cell.colour);
  }
  label4_->setText(QString::fromStdString(window.label4()));
  const QString edit55 = QString::fromStdString(window.edit55());
  if (edit55_->text() != edit55) edit55_->setText(edit55);
  rendering_ = true;
  const std::optional<SolverWindow::PlaybackPlace> place = window.BrowsedPlace();
  for (auto& [n, list] : lists_) {
    if (!window.HasListBox(n)) continue;
    ShowLines(list, ShownLines(window.list_box(n)));
    // The browsed line is the list's current line; no other list has one.
    const int row = place && place->list_box == n ? static_cast<int>(place->index) : -1;
    if (list->currentRow() != row) list->setCurrentRow(row);
    if (row >= 0) list->scrollToItem(list->item(row));
    list_turns_[n]->setText(Tq("SolverWindow", "%1 手").arg(window.ListTurns(n)));
  }
  rendering_ = false;
  run_turns_->setText(Tq("SolverWindow", "直前の変換：%1 手").arg(window.last_run_turns()));
  RenderEntryAids();
  file_message_->setText(QString::fromStdString(window.file_message()));
  file_message_->setVisible(!window.file_message().empty());
  // The 3D cube and the reference solution follow what the handler did; a
  // new entry puts the method's cube back in view.
  cube_view_->WindowChanged();
  reference_->WindowChanged();
  if (reference_window_ != nullptr && reference_->entry() != reference_entry_) {
    PlayReference(false);
  }
  RenderPlace();
}

void SolverWindowView::RenderPlace() {
  // While a line is performed, the turn it has got to; at rest, the line.
  const std::string turning = cube_view_->player().busy() ? cube_view_->player().PlaceText() : "";
  const std::string place = turning.empty() ? window_->PlaybackText() : turning;
  playback_->setText(Text(place));
}

void SolverWindowView::PlayReference(bool on) {
  if (!on) {
    if (cube_views_->currentIndex() != 0) {
      cube_views_->setCurrentIndex(0);
      strips_->setCurrentIndex(0);
    }
    if (reference_window_ != nullptr && reference_->entry() != reference_entry_) {
      // Its entry is gone: so is its cube.
      cube_views_->removeWidget(reference_view_);
      strips_->removeWidget(reference_strip_);
      delete reference_view_;
      delete reference_strip_;
      reference_view_ = nullptr;
      reference_strip_ = nullptr;
      reference_window_.reset();
    }
    return;
  }
  const std::optional<shortest::ReferenceSolution>& solution = reference_->solution();
  if (!solution || !reference_->entry()) return;
  if (reference_window_ == nullptr || reference_entry_ != reference_->entry()) {
    PlayReference(false);
    reference_entry_ = reference_->entry();
    // A window of its own holds the entered cube and performs the reference
    // turns as trial turns, one line each, for the second 3D cube to play.
    reference_window_ = CreateSolverWindow(window_->kind());
    for (int k = 1; k <= kFaceletCount; ++k) {
      const GridCell cell = FaceletGridCell(k);
      reference_window_->ChooseColour((*reference_entry_)[k]);
      reference_window_->GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
    }
    reference_window_->ColoringClick();
    for (const Move move : shortest::ProgramMoves(solution->turns)) {
      reference_window_->TrialMove(move);
    }
    reference_view_ = new CubeView(*reference_window_, cube_views_);
    reference_view_->setObjectName(QStringLiteral("ReferenceCubeView"));
    reference_view_->SetHiddenFaces(cube_view_->hidden_faces());
    cube_views_->addWidget(reference_view_);
    reference_strip_ = BuildReferenceStrip();
    strips_->addWidget(reference_strip_);
  }
  cube_views_->setCurrentWidget(reference_view_);
  strips_->setCurrentWidget(reference_strip_);
  reference_view_->Home();
  reference_view_->PlayPause();
}

QWidget* SolverWindowView::BuildReferenceStrip() {
  auto* panel = new QWidget(strips_);
  panel->setObjectName(QStringLiteral("ReferenceStrip"));
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  auto* strip = new CubeStrip(reference_view_, panel, CubeStrip::Shape::kWide);
  auto* previous = MakeButton(QStringLiteral("ReferencePrev"), QString(), panel);
  Caption(previous, "Playback", RQ51_TR_NOOP("Playback", "◀ 前の手"));
  connect(previous, &QPushButton::clicked, this, [this] { reference_view_->StepLine(-1); });
  auto* next = MakeButton(QStringLiteral("ReferenceNext"), QString(), panel);
  Caption(next, "Playback", RQ51_TR_NOOP("Playback", "次の手 ▶"));
  connect(next, &QPushButton::clicked, this, [this] { reference_view_->StepLine(1); });
  auto* back = MakeButton(QStringLiteral("ReferenceBack"), QString(), panel);
  Caption(back, "Playback", RQ51_TR_NOOP("Playback", "解法に戻る"));
  connect(back, &QPushButton::clicked, this, [this] { PlayReference(false); });
  strip->AddButton(previous, 1);
  strip->AddButton(next, 3);
  strip->AddButton(back, 5);
  column->addWidget(strip);
  auto* place = MakeLabel(QStringLiteral("ReferencePlace"), QString(), panel);
  column->addWidget(place);
  const auto show_place = [this, place] {
    const CubePlayer& player = reference_view_->player();
    place->setText(Tq("Reference", "参考：最短に近い解法 · %1/%2 手")
                       .arg(player.turn_index())
                       .arg(player.turn_total()));
  };
  connect(reference_view_, &CubeView::Changed, place, show_place);
  captions_.Keep(place, [show_place](QLabel*) { show_place(); });
  return panel;
}

void SolverWindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    // Every caption again, and everything the window object composes:
    // nothing it holds changes.
    captions_.Renew();
    Render();
  }
}

QWidget* SolverWindowView::Caption(QWidget* control, const char* context, std::string_view text) {
  captions_.Keep(control, [context, text = std::string(text)](QWidget* widget) {
    const QString caption = Tq(context, text.c_str());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      group->setTitle(caption);
    }
  });
  return control;
}

void SolverWindowView::keyPressEvent(QKeyEvent* event) {
  // Keys no control took: Space plays, ← → step a line, Home and End jump,
  // Esc goes back to the live cube.
  if (event->key() == Qt::Key_Escape) {
    BrowseLive();
    return;
  }
  CubeView* view = cube_views_->currentIndex() == 0 ? cube_view_ : reference_view_;
  if (view != nullptr && view->HandleKey(event->key())) {
    if (view == cube_view_) Render();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace rq51
