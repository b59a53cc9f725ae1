// The files the user opened or saved last, newest first, shared by every
// solver window and kept between runs.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace rq51 {

class RecentFiles {
 public:
  static constexpr int kKept = 8;

  // `settings` outlives this list; null keeps the list for this run only.
  explicit RecentFiles(QSettings* settings);

  QStringList files() const { return files_; }
  // `path` becomes the newest; the oldest beyond kKept is dropped.
  void Add(const QString& path);
  // A file that could not be opened any more leaves the list.
  void Remove(const QString& path);

 private:
  void Store();

  QSettings* settings_;
  QStringList files_;
};

}  // namespace rq51
