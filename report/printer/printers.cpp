#include "report/printer/printers.h"

#include "report/printer/printer_device.h"
#include "report/printer/qt_printer_backend.h"
#include "report/printer/real_printer.h"
#include "report/printer/virtual_printer.h"
#include "report/res/resources.h"

#include <QCoreApplication>

#include <algorithm>

TrpPrinters::TrpPrinters(std::shared_ptr<TrpPrinterBackend> ABackend)
    : FBackend(std::move(ABackend)) {
  FillPrinters();
}

TrpPrinters::~TrpPrinters() { Clear(); }

void TrpPrinters::Clear() {
  FPrinterList.clear();
  FPrinters.clear();
  FPrinterIndex = -1;
}

void TrpPrinters::AddPrinter(std::unique_ptr<TrpCustomPrinter> printer) {
  FPrinters.append(printer->Name());
  FPrinterList.push_back(std::move(printer));
}

// A printer known by name only is listed once; one with ports is listed once per port.
void TrpPrinters::FillPrinters() {
  Clear();
  const QList<TrpPrinterEntry> entries =
      FBackend ? FBackend->EnumPrinters() : QList<TrpPrinterEntry>{};
  for (const TrpPrinterEntry& entry : entries) {
    const QStringList ports = entry.Ports.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (ports.isEmpty()) AddPrinter(std::make_unique<TrpPrinter>(entry.Name, QString(), FBackend));
    for (const QString& port : ports)
      AddPrinter(std::make_unique<TrpPrinter>(entry.Name, port.trimmed(), FBackend));
  }
  FHasPhysicalPrinters = !FPrinterList.empty();
  if (!FHasPhysicalPrinters)
    AddPrinter(std::make_unique<TrpVirtualPrinter>(rpResources()->Get(QStringLiteral("prVirtual")),
                                                   QString()));
  SetPrinterIndex(FHasPhysicalPrinters ? -1 : 0);
}

int TrpPrinters::IndexOf(const QString& AName) const {
  for (int i = 0; i < FPrinters.size(); ++i)
    if (FPrinters[i].compare(AName, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString TrpPrinters::GetDefaultPrinter() const {
  return FBackend ? FBackend->DefaultPrinter() : QString();
}

TrpCustomPrinter* TrpPrinters::Items(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FPrinterList[static_cast<size_t>(Index)].get();
}

void TrpPrinters::SetPrinterIndex(int Value) {
  if (Value == -1) Value = IndexOf(GetDefaultPrinter());
  if (Value < 0 || Value >= Count()) Value = std::max(IndexOf(GetDefaultPrinter()), 0);
  FPrinterIndex = Count() > 0 ? Value : -1;
  if (TrpCustomPrinter* printer = Printer()) printer->Init();
}

namespace {

std::shared_ptr<TrpPrinterBackend>& InstalledBackend() {
  static std::shared_ptr<TrpPrinterBackend> backend;
  return backend;
}

std::unique_ptr<TrpPrinters>& ProcessPrinters() {
  static std::unique_ptr<TrpPrinters> printers;
  return printers;
}

std::shared_ptr<TrpPrinterBackend> CurrentBackend() {
  if (!InstalledBackend()) InstalledBackend() = std::make_shared<TrpQtPrinterBackend>();
  return InstalledBackend();
}

// Open printers hold Qt print devices, which must go before the application object does; a list
// made without an application is freed at program end.
void FreeProcessPrinters() { ProcessPrinters().reset(); }

}  // namespace

TrpPrinters* rpPrinters() {
  if (!ProcessPrinters()) {
    ProcessPrinters() = std::make_unique<TrpPrinters>(CurrentBackend());
    static bool freedWithApplication = false;
    if (!freedWithApplication && QCoreApplication::instance()) {
      qAddPostRoutine(FreeProcessPrinters);
      freedWithApplication = true;
    }
  }
  return ProcessPrinters().get();
}

void rpSetPrinterBackend(std::shared_ptr<TrpPrinterBackend> ABackend) {
  InstalledBackend() = std::move(ABackend);
  ProcessPrinters().reset();
  rpPrinters();
}
