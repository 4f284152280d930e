#pragma once

#include <QWidget>

class QMenu;
class QPushButton;
class QToolButton;

// The sheet file commands of the input bar: open, save, and a menu of the files used last.
namespace stroval {

class SheetFileButtons : public QWidget {
  Q_OBJECT

 public:
  explicit SheetFileButtons(QWidget* parent = nullptr);

  QPushButton* OpenButton() const { return open_; }
  QPushButton* SaveButton() const { return save_; }
  QToolButton* RecentButton() const { return recent_; }
  // The files the recent menu offers, newest first; an empty list disables it.
  void SetRecentFiles(const QStringList& files);
  QStringList RecentFiles() const;

 signals:
  void OpenClicked();
  void SaveClicked();
  // The user chose a file of the recent menu.
  void RecentChosen(const QString& fileName);

 private:
  QPushButton* open_;
  QPushButton* save_;
  QToolButton* recent_;
  QMenu* menu_;
};

}  // namespace stroval
