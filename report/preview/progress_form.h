#pragma once
// TrpProgress: the small borderless window shown while a report prints, exports or (with
// old-style progress) prepares: a one-line message, an optional bar and a Cancel button. It is
// not modal; the work processes pending events after every page, which is when it repaints and
// the button is noticed. The window that was active meanwhile is disabled.
#include <QFrame>
#include <QPointer>

#include "report/objects/custom_preview.h"

class QLabel;
class QProgressBar;
class QPushButton;

class TrpProgress : public QFrame, public TrpCustomProgress {
  Q_OBJECT
 public:
  explicit TrpProgress(QWidget* parent = nullptr);
  ~TrpProgress() override;

  // Shows the window: bar maximum, message, whether the bar and the Cancel button show.
  void Execute(int maxValue, const QString& message, bool showProgress, bool showCancel);
  void Reset() { SetPosition(0); }
  // One step on the bar while it is below its maximum.
  void Tick();

  bool Terminated() const override { return FTerminated; }
  void SetTerminated(bool value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  const QString& Message() const { return FMessage; }
  void SetMessage(const QString& text) override;
  bool ShowProgress() const { return FProgress; }
  void SetShowProgress(bool value);

  QLabel* MessageLabel() const { return LMessage; }
  QProgressBar* ProgressBar() const { return Bar; }
  QPushButton* CancelButton() const { return CancelB; }
  QWidget* ActiveForm() const { return FActiveForm; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void EnableActiveForm();
  void KeepOnScreen();

  QPointer<QWidget> FActiveForm;
  bool FTerminated = false;
  int FPosition = 0;
  QString FMessage;
  bool FProgress = false;
  QLabel* LMessage = nullptr;
  QProgressBar* Bar = nullptr;
  QPushButton* CancelB = nullptr;
  QPoint FDragFrom;
};
