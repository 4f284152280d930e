#include "report/printer/printer_properties_dialog.h"

#include "report/res/resources.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace {

struct DuplexChoice {
  const char* TextId;
  int Mode;
};

constexpr DuplexChoice kDuplexChoices[] = {
    {"dupSimpl", rpDuplexSimplex},
    {"dupVert", rpDuplexVertical},
    {"dupHorz", rpDuplexHorizontal},
};

void SelectData(QComboBox* box, int value) {
  const int i = box->findData(value);
  if (i >= 0) box->setCurrentIndex(i);
}

}  // namespace

bool rpPrinterPropertiesDialog(const QString& printerName, const QList<TrpDeviceItem>& bins,
                               TrpDeviceSettings& settings) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  TrpResources* res = rpResources();
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(printerName);
  auto* form = new QFormLayout(&dialog);

  auto* sources = new QComboBox(&dialog);
  bool hasAuto = false;
  for (const TrpDeviceItem& bin : bins) {
    sources->addItem(bin.Name, bin.Number);
    hasAuto = hasAuto || bin.Number == rpAutoSource;
  }
  if (!hasAuto) sources->insertItem(0, res->Get(QStringLiteral("prDefault")), rpAutoSource);
  SelectData(sources, settings.DefaultSource);
  form->addRow(QStringLiteral("Paper source:"), sources);

  auto* duplex = new QComboBox(&dialog);
  for (const DuplexChoice& choice : kDuplexChoices)
    duplex->addItem(res->Get(QLatin1String(choice.TextId)), choice.Mode);
  SelectData(duplex, settings.Duplex);
  form->addRow(rpGet(216), duplex);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(rpGet(1));
  buttons->button(QDialogButtonBox::Cancel)->setText(rpGet(2));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);

  if (dialog.exec() != QDialog::Accepted) return false;
  settings.DefaultSource = sources->currentData().toInt();
  settings.Duplex = duplex->currentData().toInt();
  return true;
}
