#pragma once
// The process-wide list of printers: every printer of the system, or the one virtual printer
// ("Virtual") when the system has none. Printers are opened only when selected.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TrpCustomPrinter;
class TrpPrinterBackend;

class TrpPrinters {
 public:
  explicit TrpPrinters(std::shared_ptr<TrpPrinterBackend> ABackend);
  ~TrpPrinters();
  TrpPrinters(const TrpPrinters&) = delete;
  TrpPrinters& operator=(const TrpPrinters&) = delete;

  // Rebuilds the list from the system and selects the default printer (else the first one).
  void FillPrinters();
  void Clear();  // frees every printer; no printer is current afterwards
  // Position of the printer of that name, compared without regard to case, or -1.
  int IndexOf(const QString& AName) const;
  QString GetDefaultPrinter() const;

  const QStringList& Printers() const { return FPrinters; }
  int Count() const { return static_cast<int>(FPrinterList.size()); }
  TrpCustomPrinter* Items(int Index) const;  // nullptr outside the list
  TrpCustomPrinter* Printer() const { return Items(FPrinterIndex); }
  int PrinterIndex() const { return FPrinterIndex; }
  // -1 selects the system's default printer. An index that names no printer (also -1 when the
  // default printer is not listed) selects the default printer, else the first. The selected
  // printer is initialised.
  void SetPrinterIndex(int Value);
  bool HasPhysicalPrinters() const { return FHasPhysicalPrinters; }

 private:
  void AddPrinter(std::unique_ptr<TrpCustomPrinter> printer);

  std::shared_ptr<TrpPrinterBackend> FBackend;
  std::vector<std::unique_ptr<TrpCustomPrinter>> FPrinterList;
  QStringList FPrinters;
  int FPrinterIndex = -1;
  bool FHasPhysicalPrinters = false;
};

// The one printer list of the process, built on first call from the installed back end (the
// system's printers unless rpSetPrinterBackend installed another).
TrpPrinters* rpPrinters();
// Installs the back end of the process-wide list and rebuilds the list from it; nullptr returns
// to the system's printers. Printer pointers taken from the old list are no longer valid. Used by
// tests and by hosts that bring their own printing.
void rpSetPrinterBackend(std::shared_ptr<TrpPrinterBackend> ABackend);
