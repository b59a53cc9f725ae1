// A solver window's files: saving its solution, opening a saved solution, a
// turn sequence or colour letters (by the dialog, the recent files, a drop
// or the command line), and copying lines in standard notation.
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include "shell/solution_text.h"
#include "ui/language.h"
#include "ui/recent_files.h"
#include "ui/solver_window_view.h"

namespace rq51 {

namespace {

constexpr char kSaveCaption[] = RQ51_TR_NOOP("Files", "解法を保存…");
constexpr char kOpenCaption[] = RQ51_TR_NOOP("Files", "解法を開く…");
constexpr char kRecentCaption[] = RQ51_TR_NOOP("Files", "最近のファイル");
constexpr char kCopyStandardCaption[] = RQ51_TR_NOOP("Files", "標準記法でコピー");
constexpr char kSaveTitle[] = RQ51_TR_NOOP("Files", "解法を保存");
constexpr char kOpenTitle[] = RQ51_TR_NOOP("Files", "解法を開く");
constexpr char kSaveFilter[] =
    RQ51_TR_NOOP("Files", "RQ51 の解法 (*.rq51);;テキスト (*.txt);;すべてのファイル (*)");
constexpr char kOpenFilter[] =
    RQ51_TR_NOOP("Files", "RQ51 の解法・手順・色 (*.rq51 *.txt);;すべてのファイル (*)");
constexpr char kNoRecentFiles[] = RQ51_TR_NOOP("Files", "（まだありません）");
constexpr char kCopyLines[] = RQ51_TR_NOOP("Files", "選んだ行をコピー");
constexpr char kCopyLinesStandard[] = RQ51_TR_NOOP("Files", "選んだ行を標準記法でコピー");
constexpr char kCopyListStandard[] = RQ51_TR_NOOP("Files", "この一覧を標準記法でコピー");

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeButton(const QString& name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  return button;
}

QString Files(const char* text) { return Tq("Files", text); }

// The first local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

QWidget* SolverWindowView::BuildFileButtons() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("FileButtons"));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 4, 0, 0);
  grid->setSpacing(4);
  auto* open = MakeButton(QStringLiteral("OpenSolution"), panel);
  Caption(open, "Files", kOpenCaption);
  connect(open, &QPushButton::clicked, this, [this] { OpenSolution(); });
  auto* save = MakeButton(QStringLiteral("SaveSolution"), panel);
  Caption(save, "Files", kSaveCaption);
  connect(save, &QPushButton::clicked, this, [this] { SaveSolution(); });
  // The menu is made when the button is pressed, so that no window of its
  // own exists before.
  auto* recent = MakeButton(QStringLiteral("RecentFiles"), panel);
  Caption(recent, "Files", kRecentCaption);
  connect(recent, &QPushButton::clicked, this, [this, recent] {
    QMenu menu(this);
    const QStringList files = recent_ != nullptr ? recent_->files() : QStringList();
    if (files.isEmpty()) menu.addAction(Files(kNoRecentFiles))->setEnabled(false);
    for (const QString& path : files) {
      QAction* action = menu.addAction(QFileInfo(path).fileName(), this, [this, path] {
        // Opened once the menu is closed.
        QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
      });
      action->setToolTip(path);
    }
    menu.exec(recent->mapToGlobal(QPoint(0, recent->height())));
  });
  auto* copy = MakeButton(QStringLiteral("CopyStandard"), panel);
  Caption(copy, "Files", kCopyStandardCaption);
  connect(copy, &QPushButton::clicked, this, [this] {
    QGuiApplication::clipboard()->setText(QString::fromStdString(window_->StandardSolutionText()));
  });
  // Open and save above, the recent files and the copy below.
  grid->addWidget(open, 0, 0);
  grid->addWidget(save, 0, 1);
  grid->addWidget(recent, 1, 0);
  grid->addWidget(copy, 1, 1);

  auto* open_key = new QShortcut(QKeySequence::Open, this);
  connect(open_key, &QShortcut::activated, this, [this] { OpenSolution(); });
  auto* save_key = new QShortcut(QKeySequence::Save, this);
  connect(save_key, &QShortcut::activated, this, [this] { SaveSolution(); });
  // A file dropped anywhere on the window opens, the edit boxes included.
  setAcceptDrops(true);
  return panel;
}

void SolverWindowView::SetRecentFiles(RecentFiles* recent) { recent_ = recent; }

void SolverWindowView::SetOpenElsewhere(OpenElsewhere open) { open_elsewhere_ = std::move(open); }

void SolverWindowView::SaveSolution() {
  const QString suggested = QStringLiteral("rq51-%1%2")
                                .arg(Text(window_->variant().short_name), Text(kSolutionExtension));
  const QString path =
      QFileDialog::getSaveFileName(this, Files(kSaveTitle), suggested, Files(kSaveFilter));
  if (path.isEmpty()) return;
  QString error;
  if (!SaveSolutionTo(path, error)) {
    QMessageBox::warning(this, Files(kSaveTitle),
                         Tq("Files", "解法を保存できませんでした。\n") + error);
  }
}

bool SolverWindowView::SaveSolutionTo(const QString& path, QString& error) {
  // The old file is replaced only once the new one is whole.
  QSaveFile file(path);
  const QByteArray text = QByteArray::fromStdString(window_->SolutionText());
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
    error = Tq("Files", "%1 に書き込めません（%2）。").arg(path, file.errorString());
    return false;
  }
  if (recent_ != nullptr) recent_->Add(path);
  return true;
}

void SolverWindowView::OpenSolution() {
  const QString path =
      QFileDialog::getOpenFileName(this, Files(kOpenTitle), QString(), Files(kOpenFilter));
  if (!path.isEmpty()) OpenFile(path);
}

bool SolverWindowView::OpenFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (recent_ != nullptr && !file.exists()) recent_->Remove(path);
    QMessageBox::warning(this, Files(kOpenTitle),
                         Tq("Files", "%1 を開けません（%2）。").arg(path, file.errorString()));
    return false;
  }
  // One byte more than is accepted, so that a larger file is told apart.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxOpenedBytes) + 1);
  return OpenBytes(bytes, path);
}

bool SolverWindowView::OpenBytes(const QByteArray& bytes, const QString& path) {
  BrowseLive();
  const SolverWindow::OpenedText opened =
      window_->OpenText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (opened.kind == OpenedKind::kOtherWindow && open_elsewhere_) {
    if (recent_ != nullptr) recent_->Add(path);
    open_elsewhere_(opened.window, path, bytes);
    return true;
  }
  const bool opened_here =
      opened.kind != OpenedKind::kRefused && opened.kind != OpenedKind::kOtherWindow;
  if (opened_here && recent_ != nullptr) recent_->Add(path);
  Render();
  return opened_here;
}

void SolverWindowView::ShowListMenu(QListWidget* list, int list_box, const QPoint& at) {
  std::vector<size_t> rows;
  QStringList shown;
  for (int row = 0; row < list->count(); ++row) {
    if (!list->item(row)->isSelected()) continue;
    rows.push_back(static_cast<size_t>(row));
    shown << list->item(row)->text();
  }
  QMenu menu(this);
  QAction* copy = menu.addAction(Files(kCopyLines), this, [shown] {
    QGuiApplication::clipboard()->setText(shown.join(QLatin1Char('\n')));
  });
  copy->setEnabled(!rows.empty());
  QAction* copy_standard = menu.addAction(Files(kCopyLinesStandard), this, [=, this] {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(window_->StandardLinesText(list_box, rows)));
  });
  copy_standard->setEnabled(!rows.empty());
  QAction* copy_list = menu.addAction(Files(kCopyListStandard), this, [=, this] {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(window_->StandardListText(list_box)));
  });
  copy_list->setEnabled(list->count() > 0);
  menu.exec(list->viewport()->mapToGlobal(at));
}

void SolverWindowView::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void SolverWindowView::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenFile(path);
}

bool SolverWindowView::TakeDroppedFile(QEvent* event) {
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (DraggedFile(drag->mimeData()).isEmpty()) return false;
    drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DraggedFile(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    OpenFile(path);
    return true;
  }
  return false;
}

}  // namespace rq51
