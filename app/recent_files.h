#pragma once

#include <QStringList>

// The sheet files opened or saved last, newest first, kept in the user's settings so that the
// window offers them again after a restart.
namespace stroval {

class RecentFiles {
 public:
  static constexpr int kMaxFiles = 8;

  QStringList Files() const;
  // Puts `fileName` first (moving it when it is already listed) and drops the oldest beyond the
  // maximum.
  void Add(const QString& fileName);
  void Remove(const QString& fileName);

 private:
  void Store(const QStringList& files);
};

}  // namespace stroval
