#pragma once
// The dialogs scripts open (ShowMessage, MessageDlg, InputBox, InputQuery, the common file
// dialogs) and the few application commands they give, behind an interface: a window host shows
// real boxes, a command-line runner answers without asking, and tests record and inject answers.
//
// Without a window host (the default here): messages are written to standard output; MessageDlg
// answers as if its first affirmative button were pressed (OK, else Yes, else the first button
// offered, in the order of TMsgDlgButtons); InputBox gives its default and InputQuery answers
// false, leaving the value as it was; file dialogs answer false.
#include <QString>
#include <QStringList>

#include <memory>

// TMsgDlgType and TMsgDlgButtons, as scripts pass them.
enum TscMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
namespace TscMsgDlgButton {
constexpr int mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32,
              mbIgnore = 64, mbAll = 128, mbNoToAll = 256, mbYesToAll = 512, mbHelp = 1024;
}

// What a common dialog asks for and what it answers.
struct TscFileDialogRequest {
  bool Save = false;
  QString Title, InitialDir, Filter, DefaultExt;
  QString FileName;  // in: the proposed name; out: the chosen one
};

class TscSystemDialogs {
 public:
  virtual ~TscSystemDialogs() = default;
  // Shows the text and returns when the user has closed it.
  virtual void ShowMessage(const QString& text) = 0;
  // The modal result (mrOk, mrYes, ...) of the button pressed; buttons is a TMsgDlgButtons set.
  virtual int MessageDlg(const QString& text, int type, int buttons);
  // true and the new text in value when the user confirms; false leaves value alone.
  virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value);
  // true and the chosen name in request.FileName when the user confirms.
  virtual bool FileDialog(TscFileDialogRequest& request);
  virtual void MinimizeApplication() {}
  virtual void RestoreApplication() {}
};

// The modal result of the first affirmative button of a TMsgDlgButtons set (see above).
int scDefaultMessageAnswer(int buttons);

// The dialogs in use; without an installed one, messages are written to standard output.
TscSystemDialogs& scSystemDialogs();
// Installs dialogs (nullptr: back to standard output); returns the previous ones.
std::unique_ptr<TscSystemDialogs> scSetSystemDialogs(std::unique_ptr<TscSystemDialogs> dialogs);
