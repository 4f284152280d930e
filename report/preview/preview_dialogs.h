#pragma once
// The dialogs and message boxes the preview opens, behind one small interface, so that tests
// answer them without blocking. The Qt dialogs are the default.
#include <QString>

class QWidget;

class TrpPreviewDialogs {
 public:
  virtual ~TrpPreviewDialogs() = default;
  // A save dialog over `filters` (Qt filter texts); the chosen name, empty when cancelled.
  // `filterIndex` receives the index of the chosen filter.
  virtual QString GetSaveFileName(QWidget* parent, const QStringList& filters, int& filterIndex) = 0;
  // An open dialog over `filters`; the chosen name, empty when cancelled.
  virtual QString GetOpenFileName(QWidget* parent, const QStringList& filters) = 0;
  // A plain message box with an OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
};

TrpPreviewDialogs& rpPreviewDialogs();
// Installs `dialogs` (not owned); none puts the Qt dialogs back.
void rpSetPreviewDialogs(TrpPreviewDialogs* dialogs);
