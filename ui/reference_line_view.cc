#include "ui/reference_line_view.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>
#include <vector>

#include "ui/language.h"

namespace rq51 {

namespace {

// "参考：最短に近い解法　19 手": the heading with the length.
constexpr char kHeading[] = RQ51_TR_NOOP("Reference", "参考：最短に近い解法　%1 手");
constexpr char kSearching[] = RQ51_TR_NOOP("Reference", "参考：最短に近い解法を計算中…");
constexpr char kCutShort[] = RQ51_TR_NOOP("Reference", "（探索の上限で打ち切り）");
constexpr char kNotFound[] =
    RQ51_TR_NOOP("Reference", "参考：最短に近い解法は探索の上限までに見つかりませんでした");
constexpr char kCopyCaption[] = RQ51_TR_NOOP("Reference", "参考解法をコピー");
constexpr char kCopyTip[] = RQ51_TR_NOOP("Reference", "標準記法（R U2 F' …）でクリップボードへ");
constexpr char kPlayCaption[] = RQ51_TR_NOOP("Reference", "3Dで再生");
constexpr char kPlayTip[] =
    RQ51_TR_NOOP("Reference", "入力されたキューブから参考解法を3Dキューブで再生");

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The time a new entry waits before its search starts.
constexpr int kStartDelayMs = 250;

}  // namespace

// One search on a thread of its own. The thread owns nothing of the view:
// it reports through a queued call, and the view waits for every thread
// before it goes.
struct ReferenceLineView::Search {
  std::atomic<bool> cancel{false};
  std::thread thread;
};

ReferenceLineView::ReferenceLineView(const SolverWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
  setObjectName(QStringLiteral("ReferenceLine"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("ReferenceLabel"));
  heading_->setTextFormat(Qt::PlainText);
  turns_ = new QLabel(this);
  turns_->setObjectName(QStringLiteral("ReferenceTurns"));
  turns_->setTextFormat(Qt::PlainText);
  turns_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A long solution is cut at the label's edge rather than widening the
  // window; the copy holds all of it.
  turns_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  copy_ = new QPushButton(this);
  copy_->setObjectName(QStringLiteral("ReferenceCopy"));
  connect(copy_, &QPushButton::clicked, this, [this] {
    if (solution_) {
      QGuiApplication::clipboard()->setText(Text(shortest::StandardText(solution_->turns)));
    }
  });
  play_ = new QPushButton(this);
  play_->setObjectName(QStringLiteral("ReferencePlay"));
  connect(play_, &QPushButton::clicked, this, &ReferenceLineView::PlayRequested);
  row->addWidget(heading_);
  row->addWidget(turns_, 1);
  row->addWidget(copy_);
  row->addWidget(play_);
  ShowCaptions();
  Show();
}

void ReferenceLineView::ShowCaptions() {
  copy_->setText(Tq("Reference", kCopyCaption));
  copy_->setToolTip(Tq("Reference", kCopyTip));
  play_->setText(Tq("Reference", kPlayCaption));
  play_->setToolTip(Tq("Reference", kPlayTip));
}

void ReferenceLineView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ShowCaptions();
    Show();
  }
}

ReferenceLineView::~ReferenceLineView() {
  Cancel();
  for (std::unique_ptr<Search>& old : cancelled_) {
    if (old->thread.joinable()) old->thread.join();
  }
}

void ReferenceLineView::WindowChanged() {
  const std::optional<StickerColours> entry = window_.AcceptedEntry();
  if (entry == entry_) return;
  Cancel();
  entry_ = entry;
  solution_.reset();
  // A moment later, so that entries confirmed one after another in quick
  // succession start one search, not one each.
  pending_ = entry_.has_value();
  const int generation = ++generation_;
  if (pending_) {
    QTimer::singleShot(kStartDelayMs, this, [this, generation] {
      if (generation != generation_ || !pending_) return;
      pending_ = false;
      Start(*entry_);
      Show();
    });
  }
  Show();
}

namespace {

// Face turns of a solution, the whole-cube turns that a corner-held cube
// gets on top not counted: what a search's length bound limits.
int FaceTurns(const shortest::ReferenceSolution& solution) {
  int faces = 0;
  for (const shortest::ReferenceTurn& turn : solution.turns) {
    if (turn.name != 'x' && turn.name != 'y' && turn.name != 'z') ++faces;
  }
  return faces;
}

// Work each search for a shorter solution may take once one is found.
constexpr int64_t kShorterNodeBudget = 4'000'000;

}  // namespace

void ReferenceLineView::Start(const StickerColours& colours) {
  auto search = std::make_unique<Search>();
  Search* running = search.get();
  const FaceColourRule hold = window_.variant().rule;
  running->thread = std::thread([this, running, colours, hold] {
    const auto report = [this, running](shortest::ReferenceSolution found, bool last) {
      QMetaObject::invokeMethod(
          this,
          [this, running, found = std::move(found), last] {
            // An answer for an entry that has changed since is dropped.
            if (search_.get() != running) return;
            solution_ = found;
            if (last) {
              search_->thread.join();
              search_.reset();
            }
            Show();
            if (last) emit Finished();
          },
          Qt::QueuedConnection);
    };
    shortest::ReferenceLimits limits;
    limits.cancel = &running->cancel;
    shortest::ReferenceSolution best = shortest::FindReferenceSolution(colours, hold, limits);
    // The first solution of at most 20 turns is shown at once; shorter ones
    // are then looked for, each with a bounded amount of work, so that the
    // line comes near the shortest.
    limits.node_budget = kShorterNodeBudget;
    while (best.found() && FaceTurns(best) > 0 && !running->cancel) {
      report(best, false);
      limits.max_length = FaceTurns(best) - 1;
      shortest::ReferenceSolution shorter = shortest::FindReferenceSolution(colours, hold, limits);
      if (!shorter.found()) break;
      best = std::move(shorter);
    }
    report(std::move(best), true);
  });
  search_ = std::move(search);
}

void ReferenceLineView::Cancel() {
  if (search_ == nullptr) return;
  search_->cancel = true;
  // Joined when the view goes: a search still building its tables cannot
  // stop at once, and the window must not wait for it.
  cancelled_.push_back(std::move(search_));
}

void ReferenceLineView::Show() {
  const bool shown = solution_ && !solution_->turns.empty() &&
                     (solution_->outcome == shortest::ReferenceOutcome::kFound ||
                      solution_->outcome == shortest::ReferenceOutcome::kLonger);
  QString heading;
  QString turns;
  if (searching() && !shown) {
    heading = Tq("Reference", kSearching);
  } else if (shown || (solution_ && solution_->found())) {
    heading = Tq("Reference", kHeading).arg(solution_->length());
    if (solution_->outcome == shortest::ReferenceOutcome::kLonger) {
      heading += Tq("Reference", kCutShort);
    }
    turns = Text(shortest::ProgramText(solution_->turns));
  } else if (solution_ && solution_->outcome == shortest::ReferenceOutcome::kNotFound) {
    heading = Tq("Reference", kNotFound);
  }
  heading_->setText(heading);
  turns_->setText(turns);
  turns_->setToolTip(turns);
  copy_->setEnabled(shown);
  play_->setEnabled(shown);
  setVisible(entry_.has_value());
}

}  // namespace rq51
