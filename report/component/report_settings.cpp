// Where the report keeps the preview and printer choices of its user, the program's folder, and
// the printer its print options name.
#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include "report/component/report.h"
#include "report/options/print_options.h"
#include "report/printer/printers.h"

namespace {
const QLatin1String kRegistryPrefix("\\Software\\");
}

std::unique_ptr<QSettings> TrpReport::GetIniFile() const {
  // "\Software\Org\App" names a per-user store (the platform's native one); anything else is the
  // path of an ini file.
  if (FIniFile.startsWith(kRegistryPrefix, Qt::CaseInsensitive)) {
    const QStringList parts = FIniFile.mid(kRegistryPrefix.size()).split(u'\\', Qt::SkipEmptyParts);
    const QString organization = parts.value(0);
    const QString application = parts.mid(1).join(u'/');
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization, application);
  }
  return std::make_unique<QSettings>(FIniFile, QSettings::IniFormat);
}

QString TrpReport::GetApplicationFolder() const {
  const QString folder = IsDesigning() ? QDir::currentPath() : QCoreApplication::applicationDirPath();
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

void TrpReport::SelectPrinter() {
  TrpPrinters* printers = rpPrinters();
  const int index = printers->IndexOf(FPrintOptions->Printer());
  if (index != -1) printers->SetPrinterIndex(index);
}
