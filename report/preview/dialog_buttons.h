#pragma once
// The OK and Cancel buttons of the preview's dialogs: 75 x 25 at their designed places, texts
// from the string table, OK the default button; they accept and reject the dialog.
#include <QPoint>

class QDialog;
class QPushButton;

struct TrpDialogButtons {
  QPushButton* Ok = nullptr;
  QPushButton* Cancel = nullptr;
};

TrpDialogButtons rpAddDialogButtons(QDialog& dialog, QPoint ok, QPoint cancel);
