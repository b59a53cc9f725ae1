#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace rq51 {

namespace {

constexpr char kKey[] = "recentFiles";

}  // namespace

RecentFiles::RecentFiles(QSettings* settings) : settings_(settings) {
  if (settings_ != nullptr) files_ = settings_->value(QLatin1String(kKey)).toStringList();
  while (files_.size() > kKept) files_.removeLast();
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kKept) files_.removeLast();
  Store();
}

void RecentFiles::Remove(const QString& path) {
  files_.removeAll(QFileInfo(path).absoluteFilePath());
  Store();
}

void RecentFiles::Store() {
  if (settings_ == nullptr) return;
  settings_->setValue(QLatin1String(kKey), files_);
}

}  // namespace rq51
