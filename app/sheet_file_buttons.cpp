#include "app/sheet_file_buttons.h"

#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace stroval {

namespace {

constexpr int kButtonWidth = 66;
constexpr int kGap = 3;
constexpr int kRowHeight = 34;
constexpr int kRowPitch = 40;

}  // namespace

SheetFileButtons::SheetFileButtons(QWidget* parent)
    : QWidget(parent),
      open_(new QPushButton(QStringLiteral("開啟…"), this)),
      save_(new QPushButton(QStringLiteral("儲存…"), this)),
      recent_(new QToolButton(this)),
      menu_(new QMenu(this)) {
  open_->setGeometry(0, 0, kButtonWidth, kRowHeight);
  open_->setToolTip(QStringLiteral("開啟已儲存的工作紙"));
  save_->setGeometry(kButtonWidth + kGap, 0, kButtonWidth, kRowHeight);
  save_->setToolTip(QStringLiteral("把工作紙儲存為檔案"));
  recent_->setText(QStringLiteral("最近的檔案"));
  recent_->setGeometry(0, kRowPitch, 2 * kButtonWidth + kGap, kRowHeight);
  recent_->setPopupMode(QToolButton::InstantPopup);
  recent_->setMenu(menu_);
  connect(open_, &QPushButton::clicked, this, &SheetFileButtons::OpenClicked);
  connect(save_, &QPushButton::clicked, this, &SheetFileButtons::SaveClicked);
  SetRecentFiles({});
}

void SheetFileButtons::SetRecentFiles(const QStringList& files) {
  menu_->clear();
  for (const QString& file : files) {
    QAction* action = menu_->addAction(QFileInfo(file).fileName());
    action->setData(file);
    action->setToolTip(file);
    connect(action, &QAction::triggered, this, [this, file] { emit RecentChosen(file); });
  }
  recent_->setEnabled(!files.isEmpty());
}

QStringList SheetFileButtons::RecentFiles() const {
  QStringList files;
  for (const QAction* action : menu_->actions()) files << action->data().toString();
  return files;
}

}  // namespace stroval
