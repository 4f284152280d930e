#pragma once
// The dialogs of report scripts in a program with windows: ShowMessage and MessageDlg as message
// boxes, InputBox and InputQuery as input boxes, TOpenDialog and TSaveDialog as file dialogs, and
// Application.Minimize/Restore on the active window. Installed with the preview.
#include "script_engine/modules/system_dialogs.h"

class TrpScriptDialogBoxes : public TscSystemDialogs {
 public:
  void ShowMessage(const QString& text) override;
  int MessageDlg(const QString& text, int type, int buttons) override;
  bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
  bool FileDialog(TscFileDialogRequest& request) override;
  void MinimizeApplication() override;
  void RestoreApplication() override;
};
