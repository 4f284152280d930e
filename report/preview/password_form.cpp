#include "report/preview/password_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "report/preview/dialog_buttons.h"

namespace {

// Two keys on a ring, drawn once at the dialog's picture size.
QPixmap keysPicture() {
  QPixmap picture(43, 48);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 90, 90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(12, 2, 18, 18));  // the ring
  const auto key = [&p](qreal angle, const QColor& metal) {
    p.save();
    p.translate(21, 19);
    p.rotate(angle);
    p.setPen(QPen(metal.darker(160), 1));
    p.setBrush(metal);
    p.drawEllipse(QRectF(-5, 0, 10, 10));  // the bow
    QPainterPath blade;
    blade.addRect(QRectF(-1.5, 9, 3, 18));
    blade.addRect(QRectF(1.5, 20, 4, 2.5));
    blade.addRect(QRectF(1.5, 24, 3, 2.5));
    p.drawPath(blade.simplified());
    p.restore();
  };
  key(25, QColor(214, 170, 40));
  key(-25, QColor(170, 170, 180));
  return picture;
}

}  // namespace

TrpPasswordForm::TrpPasswordForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Password"));
  setFixedSize(252, 92);
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  Image1 = new QLabel(this);
  Image1->setGeometry(8, 8, 43, 48);
  Image1->setPixmap(keysPicture());
  Image1->setAttribute(Qt::WA_TranslucentBackground);
  PasswordL = new QLabel(QStringLiteral("Enter the password:"), this);
  PasswordL->setGeometry(88, 8, 157, 16);
  PasswordE = new QLineEdit(this);
  PasswordE->setGeometry(88, 28, 157, 21);
  PasswordE->setEchoMode(QLineEdit::Password);
  PasswordE->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoPredictiveText);
  const TrpDialogButtons buttons = rpAddDialogButtons(*this, {88, 60}, {168, 60});
  OkB = buttons.Ok;
  CancelB = buttons.Cancel;
  MirrorForRightToLeft();
  PasswordE->setFocus();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

QString TrpPasswordForm::Password() const { return PasswordE->text(); }

// In a right-to-left dialog every control sits mirrored.
void TrpPasswordForm::MirrorForRightToLeft() {
  if (layoutDirection() != Qt::RightToLeft) return;
  for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(PasswordL),
                     static_cast<QWidget*>(PasswordE), static_cast<QWidget*>(OkB), static_cast<QWidget*>(CancelB)})
    w->move(width() - w->x() - w->width(), w->y());
}
