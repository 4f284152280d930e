#pragma once
// The options dialog of an export filter: which pages (all, the current one, or a range typed
// as for printing) and the filter's own options, which each filter adds as check boxes and
// number boxes bound to its settings. OK writes the choices back into the filter. The dialog is
// run through a replaceable runner, so that tests answer it without blocking.
#include <QDialog>

#include <functional>
#include <vector>

#include "report/dialogs/dialog_page.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TrpExportFilter;

class TrpExportOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TrpExportOptionsDialog(TrpExportFilter& filter, QWidget* parent = nullptr);
  ~TrpExportOptionsDialog() override;

  // A check box captioned `caption` bound to `value`.
  QCheckBox* AddCheck(const QString& caption, bool& value);
  // A number box from `min` to `max` bound to `value`.
  QSpinBox* AddNumber(const QString& caption, int& value, int min, int max);
  // The option boxes by caption; none when there is no such option.
  QCheckBox* Check(const QString& caption) const;
  QSpinBox* Number(const QString& caption) const;

  // Shows the dialog through the runner; on mrOk the choices go into the filter.
  TModalResult Run();
  // Writes the choices into the filter and the bound settings.
  void Apply();

  QRadioButton* AllRB = nullptr;
  QRadioButton* CurrentRB = nullptr;
  QRadioButton* PagesRB = nullptr;
  QLineEdit* PagesE = nullptr;

 private:
  TrpExportFilter& FFilter;
  QFormLayout* FOptions = nullptr;
  std::vector<std::function<void()>> FWriteBack;
};

// Runs an options dialog and answers its modal result. The default shows it modally.
using TrpExportDialogRunner = std::function<TModalResult(TrpExportOptionsDialog&)>;
// Installs `runner`; an empty one puts the modal dialog back.
void rpSetExportDialogRunner(TrpExportDialogRunner runner);
