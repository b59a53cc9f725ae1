#include "ui/cube_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
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

#include "ui/cube_picture.h"

namespace rq51 {

namespace {

// About one frame of a 60 Hz screen.
constexpr int kFrameMs = 16;
// Degrees the camera turns per pixel dragged.
constexpr double kDegreesPerPixel = 0.5;

constexpr std::array<double, 8> kSpeeds = {0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4};

// Captions. The two step buttons show the arrows of the window's "◀ 前の行"
// and "次の行 ▶"; their tips carry the whole captions.
constexpr char kPreviousLineCaption[] = "◀ 前の行";
constexpr char kNextLineCaption[] = "次の行 ▶";
constexpr char kLiveCaption[] = "最新の状態";

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QToolButton* MakeButton(const QString& name, const QString& caption, const QString& tip,
                        QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setObjectName(name);
  button->setToolTip(tip);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

// The line with its marked turn on a coloured ground, blanks kept.
QString MarkedLine(const MarkedTurn& marked) {
  const std::string& text = marked.text;
  QString html = QStringLiteral("<span style=\"white-space:pre\">");
  html += Text(std::string_view(text).substr(0, marked.begin)).toHtmlEscaped();
  if (marked.end > marked.begin) {
    html += QStringLiteral("<span style=\"background-color:#ffd54f\"><b>");
    html += Text(std::string_view(text).substr(marked.begin, marked.end - marked.begin))
                .toHtmlEscaped();
    html += QStringLiteral("</b></span>");
  }
  html += Text(std::string_view(text).substr(marked.end)).toHtmlEscaped();
  html += QStringLiteral("</span>");
  if (marked.repetitions > 0) {
    html += QStringLiteral("　（%1回中%2回目）").arg(marked.repetitions).arg(marked.repetition);
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
  setToolTip(QStringLiteral("ドラッグで向きを変える。ダブルクリックで元の向き"));
  net_version_ = player_->net_version();
  timer_ = new QTimer(this);
  timer_->setInterval(kFrameMs);
  connect(timer_, &QTimer::timeout, this, &CubeView::Tick);
}

CubeView::~CubeView() = default;

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
  auto* home = MakeButton(QStringLiteral("HomeButton"), QStringLiteral("|◀"),
                          QStringLiteral("入力されたキューブ (Home)"), this);
  play_ = MakeButton(QStringLiteral("PlayPause"), QString(),
                     QStringLiteral("最後まで再生／一時停止 (Space)"), this);
  auto* end = MakeButton(QStringLiteral("EndButton"), QStringLiteral("▶|"),
                         QStringLiteral("最後の行 (End)"), this);
  connect(home, &QToolButton::clicked, view_, &CubeView::Home);
  connect(play_, &QToolButton::clicked, view_, &CubeView::PlayPause);
  connect(end, &QToolButton::clicked, view_, &CubeView::End);
  std::vector<QToolButton*> row = {home, play_, end};
  if (!wide) {
    auto* back = MakeButton(QStringLiteral("StepBack"), QStringLiteral("◀"),
                            QString::fromUtf8(kPreviousLineCaption) + QStringLiteral(" (←)"), this);
    auto* on = MakeButton(QStringLiteral("StepForward"), QStringLiteral("▶"),
                          QString::fromUtf8(kNextLineCaption) + QStringLiteral(" (→)"), this);
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
  scrub_->setToolTip(QStringLiteral("何手目のキューブを見るか"));
  scrub_->setFocusPolicy(Qt::NoFocus);
  connect(scrub_, &QSlider::valueChanged, this, [this](int turn) {
    if (!rendering_) view_->ScrubTo(turn);
  });

  auto* speed_label = new QLabel(QStringLiteral("速さ"), this);
  speed_ = new QComboBox(this);
  speed_->setObjectName(QStringLiteral("SpeedBox"));
  speed_->setFocusPolicy(Qt::NoFocus);
  for (double speed : kSpeeds) speed_->addItem(QStringLiteral("%1×").arg(speed), speed);
  speed_->setCurrentIndex(speed_->findData(1.0));
  connect(speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!rendering_ && index >= 0) view_->SetSpeed(speed_->itemData(index).toDouble());
  });
  speed_label->setBuddy(speed_);
  hidden_ = new QCheckBox(QStringLiteral("裏側も表示"), this);
  hidden_->setObjectName(QStringLiteral("HiddenFaces"));
  hidden_->setToolTip(QStringLiteral("後ろ・下・左の面を反対側から見た小さなキューブで表示"));
  hidden_->setFocusPolicy(Qt::NoFocus);
  connect(hidden_, &QCheckBox::toggled, view_, &CubeView::SetHiddenFaces);
  auto* reset = MakeButton(QStringLiteral("ResetView"), QStringLiteral("視点を戻す"),
                           QStringLiteral("元の向き（ダブルクリックでも）"), this);
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

void CubeStrip::AddButton(QWidget* button, int index) {
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  buttons_->insertWidget(index, button, 2);
}

void CubeStrip::Render() {
  const CubePlayer& player = view_->player();
  rendering_ = true;
  play_->setText(player.playing() ? QStringLiteral("❚❚ 停止") : QStringLiteral("▶ 再生"));
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
    position_->setText(place.empty() ? QString::fromUtf8(kLiveCaption) : Text(place));
  }
}

}  // namespace rq51
