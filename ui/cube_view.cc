#include "ui/cube_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shown_line.h"
#include "ui/cube_picture.h"
#include "ui/language.h"

namespace rq51 {

namespace {

// About one frame of a 60 Hz screen.
constexpr int kFrameMs = 16;
// Degrees the camera turns per pixel dragged.
constexpr double kDegreesPerPixel = 0.5;

constexpr std::array<double, 8> kSpeeds = {0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4};

// Captions. The two step buttons show the arrows of the window's "◀ 前の行"
// and "次の行 ▶"; their tips carry the whole captions.
constexpr char kPreviousLineCaption[] = RQ51_TR_NOOP("Playback", "◀ 前の行");
constexpr char kNextLineCaption[] = RQ51_TR_NOOP("Playback", "次の行 ▶");
constexpr char kLiveCaption[] = RQ51_TR_NOOP("Playback", "最新の状態");

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QToolButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

// A part of a logged line as the lists show it.
QString ShownPart(std::string_view line, size_t begin, size_t end) {
  return Text(ShownLine(line.substr(begin, end - begin))).toHtmlEscaped();
}

// The line with its marked turn on a coloured ground, blanks kept. The line
// is shown as in its list; the parts before, in and after the mark are
// shown each on its own, since the mark's places are those of the line as
// logged.
QString MarkedLine(const MarkedTurn& marked) {
  const std::string_view text = marked.text;
  QString html = QStringLiteral("<span style=\"white-space:pre\">");
  html += ShownPart(text, 0, marked.begin);
  if (marked.end > marked.begin) {
    html += QStringLiteral("<span style=\"background-color:#ffd54f\"><b>");
    html += ShownPart(text, marked.begin, marked.end);
    html += QStringLiteral("</b></span>");
  }
  html += ShownPart(text, marked.end, text.size());
  html += QStringLiteral("</span>");
  if (marked.repetitions > 0) {
    html += Tq("Playback", "　（%1回中%2回目）").arg(marked.repetitions).arg(marked.repetition);
  }
  return html;
}

}  // namespace

class CubeView::SteadyClock : public PlayerClock {
 public:
  SteadyClock() { timer_.start(); }
  double NowMs() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }

 private:
  QElapsedTimer timer_;
};

class CubeView::ForwardingClock : public PlayerClock {
 public:
  explicit ForwardingClock(const PlayerClock* clock) : clock_(clock) {}
  void Set(const PlayerClock* clock) { clock_ = clock; }
  double NowMs() const override { return clock_->NowMs(); }

 private:
  const PlayerClock* clock_;
};

CubeView::CubeView(SolverWindow& window, QWidget* parent)
    : QWidget(parent),
      steady_clock_(std::make_unique<SteadyClock>()),
      clock_(std::make_unique<ForwardingClock>(steady_clock_.get())),
      player_(std::make_unique<CubePlayer>(window, *clock_)) {
  setObjectName(QStringLiteral("CubeView"));
  setFocusPolicy(Qt::StrongFocus);
  ShowTip();
  net_version_ = player_->net_version();
  timer_ = new QTimer(this);
  timer_->setInterval(kFrameMs);
  connect(timer_, &QTimer::timeout, this, &CubeView::Tick);
}

CubeView::~CubeView() = default;

void CubeView::ShowTip() {
  setToolTip(Tq("Playback", "ドラッグで向きを変える。ダブルクリックで元の向き"));
}

void CubeView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) ShowTip();
}

void CubeView::SetClock(const PlayerClock* clock) {
  clock_->Set(clock != nullptr ? clock : steady_clock_.get());
}

void CubeView::Tick() {
  player_->Advance();
  Changes();
}

void CubeView::Changes() {
  // While paused in the middle of a turn nothing moves, but Advance still
  // has to be asked whether anything does.
  const bool moving = player_->busy() && player_->Advance();
  if (moving && !timer_->isActive()) timer_->start();
  if (!moving) timer_->stop();
  update();
  if (player_->net_version() != net_version_) {
    net_version_ = player_->net_version();
    emit NetChanged();
  }
  emit Changed();
}

void CubeView::WindowChanged() {
  player_->WindowChanged();
  Changes();
}

void CubeView::TrialMoved(Move move) {
  player_->TrialMoved(move);
  Changes();
}

void CubeView::StepLine(int delta) {
  player_->StepLine(delta);
  Changes();
}

void CubeView::JumpToLine(size_t line) {
  player_->JumpToLine(line);
  Changes();
}

void CubeView::Home() {
  player_->Home();
  Changes();
}

void CubeView::End() {
  player_->End();
  Changes();
}

void CubeView::PlayPause() {
  player_->PlayPause();
  Changes();
}

void CubeView::ScrubTo(int turn) {
  player_->ScrubTo(turn);
  Changes();
}

void CubeView::SetSpeed(double speed) {
  player_->SetSpeed(speed);
  Changes();
}

bool CubeView::HandleKey(int key) {
  switch (key) {
    case Qt::Key_Space:
      PlayPause();
      return true;
    case Qt::Key_Left:
      StepLine(-1);
      return true;
    case Qt::Key_Right:
      StepLine(1);
      return true;
    case Qt::Key_Home:
      Home();
      return true;
    case Qt::Key_End:
      End();
      return true;
    default:
      return false;
  }
}

void CubeView::ResetCamera() { SetCamera(view3d::kDefaultCamera); }

void CubeView::SetCamera(view3d::Camera camera) {
  camera_ = view3d::Limited(camera);
  update();
}

void CubeView::SetHiddenFaces(bool on) {
  if (hidden_faces_ == on) return;
  hidden_faces_ = on;
  update();
  emit Changed();
}

view3d::Scene CubeView::SceneNow() const {
  const PlayerPicture picture = player_->Picture();
  view3d::Scene scene;
  scene.colours = picture.colours;
  scene.turn = picture.turn;
  scene.fraction = picture.fraction;
  scene.camera = camera_;
  scene.width = width();
  scene.height = height();
  scene.hidden_faces = hidden_faces_;
  return scene;
}

view3d::Frame CubeView::CurrentFrame() const { return view3d::BuildFrame(SceneNow()); }

void CubeView::paintEvent(QPaintEvent*) {
  view3d::BuildFrame(SceneNow(), frame_);
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  PaintCubeFrame(painter, frame_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CubeView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  drag_from_ = event->position().toPoint();
  drag_camera_ = camera_;
}

void CubeView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint moved = event->position().toPoint() - drag_from_;
  // Dragging right turns the cube to the right; dragging down tilts its top
  // towards the eye.
  SetCamera({drag_camera_.yaw - kDegreesPerPixel * moved.x(),
             drag_camera_.pitch + kDegreesPerPixel * moved.y()});
}

void CubeView::mouseDoubleClickEvent(QMouseEvent*) { ResetCamera(); }

void CubeView::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event->key())) QWidget::keyPressEvent(event);
}

// --- The strip ------------------------------------------------------------------------

CubeStrip::CubeStrip(CubeView* view, QWidget* parent, Shape shape) : QWidget(parent), view_(view) {
  setObjectName(QStringLiteral("CubeStrip"));
  const bool wide = shape == Shape::kWide;
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);

  buttons_ = new QHBoxLayout();
  buttons_->setSpacing(2);
  auto* home = MakeButton(QStringLiteral("HomeButton"), QStringLiteral("|◀"), this);
  captions_.Keep(home, [](QToolButton* button) {
    button->setToolTip(Tq("Playback", "入力されたキューブ (Home)"));
  });
  play_ = MakeButton(QStringLiteral("PlayPause"), QString(), this);
  captions_.Keep(play_, [](QToolButton* button) {
    button->setToolTip(Tq("Playback", "最後まで再生／一時停止 (Space)"));
  });
  auto* end = MakeButton(QStringLiteral("EndButton"), QStringLiteral("▶|"), this);
  captions_.Keep(end,
                 [](QToolButton* button) { button->setToolTip(Tq("Playback", "最後の行 (End)")); });
  connect(home, &QToolButton::clicked, view_, &CubeView::Home);
  connect(play_, &QToolButton::clicked, view_, &CubeView::PlayPause);
  connect(end, &QToolButton::clicked, view_, &CubeView::End);
  std::vector<QToolButton*> row = {home, play_, end};
  if (!wide) {
    auto* back = MakeButton(QStringLiteral("StepBack"), QStringLiteral("◀"), this);
    captions_.Keep(back, [](QToolButton* button) {
      button->setToolTip(Tq("Playback", kPreviousLineCaption) + QStringLiteral(" (←)"));
    });
    auto* on = MakeButton(QStringLiteral("StepForward"), QStringLiteral("▶"), this);
    captions_.Keep(on, [](QToolButton* button) {
      button->setToolTip(Tq("Playback", kNextLineCaption) + QStringLiteral(" (→)"));
    });
    connect(back, &QToolButton::clicked, view_, [this] { view_->StepLine(-1); });
    connect(on, &QToolButton::clicked, view_, [this] { view_->StepLine(1); });
    row = {home, back, play_, on, end};
  }
  for (QToolButton* button : row) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons_->addWidget(button, button == play_ ? 2 : 1);
  }

  scrub_ = new QSlider(Qt::Horizontal, this);
  scrub_->setObjectName(QStringLiteral("ScrubBar"));
  captions_.Keep(scrub_, [](QSlider* scrub) {
    scrub->setToolTip(Tq("Playback", "何手目のキューブを見るか"));
  });
  scrub_->setFocusPolicy(Qt::NoFocus);
  connect(scrub_, &QSlider::valueChanged, this, [this](int turn) {
    if (!rendering_) view_->ScrubTo(turn);
  });

  auto* speed_label = captions_.Keep(new QLabel(this),
                                     [](QLabel* label) { label->setText(Tq("Playback", "速さ")); });
  speed_ = new QComboBox(this);
  speed_->setObjectName(QStringLiteral("SpeedBox"));
  speed_->setFocusPolicy(Qt::NoFocus);
  for (double speed : kSpeeds) speed_->addItem(QStringLiteral("%1×").arg(speed), speed);
  speed_->setCurrentIndex(speed_->findData(1.0));
  connect(speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!rendering_ && index >= 0) view_->SetSpeed(speed_->itemData(index).toDouble());
  });
  speed_label->setBuddy(speed_);
  hidden_ = new QCheckBox(this);
  hidden_->setObjectName(QStringLiteral("HiddenFaces"));
  captions_.Keep(hidden_, [](QCheckBox* box) {
    box->setText(Tq("Playback", "裏側も表示"));
    box->setToolTip(Tq("Playback", "後ろ・下・左の面を反対側から見た小さなキューブで表示"));
  });
  hidden_->setFocusPolicy(Qt::NoFocus);
  connect(hidden_, &QCheckBox::toggled, view_, &CubeView::SetHiddenFaces);
  auto* reset = MakeButton(QStringLiteral("ResetView"), QString(), this);
  captions_.Keep(reset, [](QToolButton* button) {
    button->setText(Tq("Playback", "視点を戻す"));
    button->setToolTip(Tq("Playback", "元の向き（ダブルクリックでも）"));
  });
  connect(reset, &QToolButton::clicked, view_, &CubeView::ResetCamera);

  turn_line_ = new QLabel(this);
  turn_line_->setObjectName(QStringLiteral("TurnLine"));
  turn_line_->setTextFormat(Qt::RichText);

  if (wide) {
    // The buttons and the speed; the scrub bar with the hidden faces and the
    // camera; the line being performed.
    buttons_->addSpacing(8);
    buttons_->addWidget(speed_label);
    buttons_->addWidget(speed_);
    column->addLayout(buttons_);
    auto* bar = new QHBoxLayout();
    bar->setSpacing(6);
    bar->addWidget(scrub_, 1);
    bar->addWidget(hidden_);
    bar->addWidget(reset);
    column->addLayout(bar);
    column->addWidget(turn_line_);
  } else {
    column->addLayout(buttons_);
    column->addWidget(scrub_);
    auto* options = new QHBoxLayout();
    options->setSpacing(4);
    options->addWidget(speed_label);
    options->addWidget(speed_);
    options->addWidget(hidden_);
    options->addStretch();
    options->addWidget(reset);
    column->addLayout(options);
    turn_line_->setWordWrap(true);
    column->addWidget(turn_line_);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("PositionLine"));
    position_->setTextFormat(Qt::PlainText);
    column->addWidget(position_);
  }

  connect(view_, &CubeView::Changed, this, &CubeStrip::Render);
  Render();
}

void CubeStrip::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    captions_.Renew();
    Render();
  }
}

void CubeStrip::AddButton(QWidget* button, int index) {
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  buttons_->insertWidget(index, button, 2);
}

void CubeStrip::Render() {
  const CubePlayer& player = view_->player();
  rendering_ = true;
  play_->setText(player.playing() ? Tq("Playback", "❚❚ 停止") : Tq("Playback", "▶ 再生"));
  if (scrub_->maximum() != player.turn_total()) scrub_->setRange(0, player.turn_total());
  if (scrub_->value() != player.turn_index()) scrub_->setValue(player.turn_index());
  scrub_->setEnabled(player.line_count() > 0);
  const int speed = speed_->findData(player.speed());
  if (speed >= 0 && speed != speed_->currentIndex()) speed_->setCurrentIndex(speed);
  if (hidden_->isChecked() != view_->hidden_faces()) hidden_->setChecked(view_->hidden_faces());
  rendering_ = false;
  turn_line_->setText(MarkedLine(player.Marked()));
  const std::string place = player.PlaceText();
  if (position_ != nullptr) {
    position_->setText(place.empty() ? Tq("Playback", kLiveCaption) : Text(place));
  }
}

}  // namespace rq51
