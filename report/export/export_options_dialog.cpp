#include "report/export/export_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "report/export/export_filter.h"

namespace {

TrpExportDialogRunner& runner() {
  static TrpExportDialogRunner instance;
  return instance;
}

}  // namespace

void rpSetExportDialogRunner(TrpExportDialogRunner value) { runner() = std::move(value); }

TrpExportOptionsDialog::TrpExportOptionsDialog(TrpExportFilter& filter, QWidget* parent)
    : QDialog(parent), FFilter(filter) {
  setWindowTitle(QStringLiteral("Export: %1").arg(filter.GetDescription()));
  auto* layout = new QVBoxLayout(this);
  auto* range = new QGroupBox(QStringLiteral("Page range"), this);
  auto* rangeLayout = new QVBoxLayout(range);
  AllRB = new QRadioButton(QStringLiteral("All"), range);
  CurrentRB = new QRadioButton(QStringLiteral("Current page"), range);
  PagesRB = new QRadioButton(QStringLiteral("Pages:"), range);
  PagesE = new QLineEdit(filter.PageNumbers(), range);
  PagesE->setPlaceholderText(QStringLiteral("1,3-5,8-"));
  for (QWidget* w : {static_cast<QWidget*>(AllRB), static_cast<QWidget*>(CurrentRB),
                     static_cast<QWidget*>(PagesRB), static_cast<QWidget*>(PagesE)})
    rangeLayout->addWidget(w);
  const bool typed = filter.Range() == erPages || !filter.PageNumbers().isEmpty();
  (filter.Range() == erCurrent ? CurrentRB : typed ? PagesRB : AllRB)->setChecked(true);
  // Typing a range chooses it.
  connect(PagesE, &QLineEdit::textEdited, PagesRB, [this] { PagesRB->setChecked(true); });
  layout->addWidget(range);
  auto* options = new QGroupBox(QStringLiteral("Options"), this);
  FOptions = new QFormLayout(options);
  layout->addWidget(options);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

TrpExportOptionsDialog::~TrpExportOptionsDialog() = default;

QCheckBox* TrpExportOptionsDialog::AddCheck(const QString& caption, bool& value) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(caption);
  box->setChecked(value);
  FOptions->addRow(box);
  FWriteBack.push_back([box, &value] { value = box->isChecked(); });
  return box;
}

QSpinBox* TrpExportOptionsDialog::AddNumber(const QString& caption, int& value, int min, int max) {
  auto* box = new QSpinBox(this);
  box->setObjectName(caption);
  box->setRange(min, max);
  box->setValue(value);
  FOptions->addRow(caption, box);
  FWriteBack.push_back([box, &value] { value = box->value(); });
  return box;
}

QCheckBox* TrpExportOptionsDialog::Check(const QString& caption) const { return findChild<QCheckBox*>(caption); }
QSpinBox* TrpExportOptionsDialog::Number(const QString& caption) const { return findChild<QSpinBox*>(caption); }

TModalResult TrpExportOptionsDialog::Run() {
  const TModalResult result =
      runner() ? runner()(*this) : (exec() == QDialog::Accepted ? mrOk : mrCancel);
  if (result == mrOk) Apply();
  return result;
}

void TrpExportOptionsDialog::Apply() {
  if (CurrentRB->isChecked()) {
    FFilter.SetRange(erCurrent);
    FFilter.SetPageNumbers(QString());
  } else if (PagesRB->isChecked()) {
    FFilter.SetRange(erPages);
    FFilter.SetPageNumbers(PagesE->text().trimmed());
  } else {
    FFilter.SetRange(erAll);
    FFilter.SetPageNumbers(QString());
  }
  for (const auto& write : FWriteBack) write();
}
