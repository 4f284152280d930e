#pragma once
// TrpDialogPageForm: a report's dialog page shown as a modal window before the report runs. It
// takes the page's caption, client size, colour, border style, position and window state, runs
// the page's script events (show, activate, hide, click, resize, keys, mouse) through the
// report's script, and closes with the modal result a script sets (ModalResult), mrOk on Enter,
// mrCancel on Escape or when the window is closed.
#include <QDialog>

#include <vector>

#include "script_engine/interpreter/value.h"

class TrpComponent;
class TrpDialogPage;
class TrpCustomReport;

class TrpDialogPageForm : public QDialog {
  Q_OBJECT

 public:
  TrpDialogPageForm(TrpCustomReport& report, TrpDialogPage& page, QWidget* parent = nullptr);
  ~TrpDialogPageForm() override;

  // Shows the window modally and returns the modal result, also kept in the page. An event
  // procedure that fails closes the window with mrCancel; its message joins the report's errors.
  int Execute();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ApplyLook();
  void CloseWith(int result);
  void PlaceOnScreen();
  // Runs `procedure` (nothing when empty) with the page as sender followed by `args`; by-reference
  // arguments come back changed. False when it failed (the window is then closing).
  // The sender is the page unless a control's event names another.
  bool RunEvent(const QString& procedure, std::vector<ScriptValue>& args, TrpComponent* sender = nullptr);
  bool RunEvent(const QString& procedure);
  void RunMouseEvent(const QString& procedure, QMouseEvent* event);

  TrpCustomReport& FReport;
  TrpDialogPage& FPage;
  bool FFailed = false;
};
