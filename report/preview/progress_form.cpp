#include "report/preview/progress_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "report/res/resources.h"

TrpProgress::TrpProgress(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setFixedSize(271, 101);
  QFont tahoma(QStringLiteral("Tahoma"));
  LMessage = new QLabel(this);
  LMessage->setGeometry(16, 11, 237, 20);
  LMessage->setAlignment(Qt::AlignCenter);
  LMessage->setFont(tahoma);
  Bar = new QProgressBar(this);
  Bar->setGeometry(16, 37, 237, 17);
  Bar->setRange(0, 100);
  Bar->setValue(0);
  Bar->setTextVisible(false);
  CancelB = new QPushButton(rpGet(2), this);
  CancelB->setGeometry(100, 64, 75, 25);
  CancelB->setFont(tahoma);
  connect(CancelB, &QPushButton::clicked, this, [this] { SetTerminated(true); });
  // The window that was being worked in waits until the work ends.
  FActiveForm = QApplication::activeWindow();
  if (FActiveForm) FActiveForm->setEnabled(false);
  if (layoutDirection() == Qt::RightToLeft) setLayoutDirection(Qt::RightToLeft);
}

TrpProgress::~TrpProgress() {
  EnableActiveForm();
}

void TrpProgress::EnableActiveForm() {
  if (FActiveForm) FActiveForm->setEnabled(true);
}

void TrpProgress::Execute(int maxValue, const QString& message, bool showProgress, bool showCancel) {
  FTerminated = false;
  CancelB->setVisible(showCancel);
  SetShowProgress(showProgress);
  FPosition = 0;
  Bar->setRange(0, std::max(0, maxValue));
  Bar->setValue(0);
  SetMessage(message);
  KeepOnScreen();
  show();
  QCoreApplication::processEvents();
}

// Centred over the remembered window's screen, and wholly on it.
void TrpProgress::KeepOnScreen() {
  QScreen* screen = FActiveForm ? FActiveForm->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void TrpProgress::SetShowProgress(bool value) {
  FProgress = value;
  Bar->setVisible(value);
  LMessage->move(LMessage->x(), value ? 15 : 35);
}

void TrpProgress::SetMessage(const QString& text) {
  FMessage = text;
  LMessage->setText(text);
  LMessage->repaint();
}

void TrpProgress::SetPosition(int value) {
  FPosition = value;
  Bar->setValue(value);
  raise();
  QCoreApplication::processEvents();
}

void TrpProgress::Tick() {
  if (FPosition >= Bar->minimum() && FPosition < Bar->maximum()) SetPosition(FPosition + 1);
}

void TrpProgress::SetTerminated(bool value) {
  FTerminated = value;
  if (value) close();
}

void TrpProgress::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && CancelB->isVisible()) {
    CancelB->click();
    return;
  }
  QFrame::keyPressEvent(event);
}

void TrpProgress::hideEvent(QHideEvent* event) {
  EnableActiveForm();
  QFrame::hideEvent(event);
}

void TrpProgress::closeEvent(QCloseEvent* event) {
  EnableActiveForm();
  QFrame::closeEvent(event);
}

// A press anywhere on the body drags the window, as on a caption.
void TrpProgress::mousePressEvent(QMouseEvent* event) {
  FDragFrom = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TrpProgress::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - FDragFrom);
}
