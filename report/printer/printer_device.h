#pragma once
// What the printer layer needs from the system's printer interface: the list of printers, and per
// open printer its settings record, capabilities, paper and source lists, properties dialog,
// documents, pages and raw pass-through documents. A Qt/CUPS back end implements it for real
// printers, a recording one for tests.
#include "report/printer/paper_table.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QPainter;

// Which members of a settings record are set, so that a driver applies them.
enum TrpDeviceField : unsigned {
  dfPaperSize = 1u << 0,
  dfOrientation = 1u << 1,
  dfPaperLength = 1u << 2,
  dfPaperWidth = 1u << 3,
  dfCopies = 1u << 4,
  dfCollate = 1u << 5,
  dfDefaultSource = 1u << 6,
  dfDuplex = 1u << 7,
};

// Platform numbering of orientation, duplex and paper source as the settings record holds it.
constexpr int rpOrientPortrait = 1;
constexpr int rpOrientLandscape = 2;
constexpr int rpDuplexSimplex = 1;
constexpr int rpDuplexVertical = 2;    // long-edge binding
constexpr int rpDuplexHorizontal = 3;  // short-edge binding
constexpr int rpAutoSource = 7;        // the printer's automatic (default) source

// A printer's device settings record.
struct TrpDeviceSettings {
  unsigned Fields = 0;
  int PaperSize = rpA4Paper;
  int Orientation = rpOrientPortrait;
  int PaperLength = 0;  // custom size, tenths of a millimetre (with PaperSize 256)
  int PaperWidth = 0;
  int Copies = 1;
  bool Collate = false;
  int DefaultSource = rpAutoSource;
  int Duplex = rpDuplexSimplex;
  bool operator==(const TrpDeviceSettings&) const = default;
};

// Device geometry for one settings record, in device pixels.
struct TrpDeviceCaps {
  int DpiX = 0;
  int DpiY = 0;
  int PhysicalWidth = 0;
  int PhysicalHeight = 0;
  int OffsetX = 0;  // unprintable left edge
  int OffsetY = 0;  // unprintable top edge
  int PrintableWidth = 0;
  int PrintableHeight = 0;
};

// A paper or paper source as the driver lists it.
struct TrpDeviceItem {
  int Number = 0;
  QString Name;
};

// A printer as the system enumerates it. `Ports` is a comma-separated port list; an empty list
// means the printer is known by name only.
struct TrpPrinterEntry {
  QString Name;
  QString Ports;
  bool operator==(const TrpPrinterEntry&) const = default;
};

// One open printer. Document calls come in the order BeginDoc, (ResetDC, BeginPage, drawing on
// Painter(), EndPage)*, EndDoc or AbortDoc.
class TrpPrinterDevice {
 public:
  virtual ~TrpPrinterDevice() = default;

  virtual TrpDeviceSettings Settings() const = 0;  // the printer's current settings
  // Geometry the printer would have with `settings`; a zero resolution means it cannot print.
  virtual TrpDeviceCaps Capabilities(const TrpDeviceSettings& settings) = 0;
  virtual QList<TrpDeviceItem> Papers() = 0;  // in the driver's order
  virtual QList<TrpDeviceItem> Bins() = 0;    // in the driver's order; names may be empty
  // The driver's own properties dialog on `settings`; true when the user confirmed.
  virtual bool PropertiesDialog(TrpDeviceSettings& settings) = 0;

  // A document named `title`, written to `fileName` when that is not empty.
  virtual bool BeginDoc(const QString& title, const QString& fileName,
                        const TrpDeviceSettings& settings) = 0;
  virtual void ResetDC(const TrpDeviceSettings& settings) = 0;  // settings of the next page
  virtual bool BeginPage() = 0;
  virtual QPainter* Painter() = 0;  // valid between BeginPage and EndPage, otherwise nullptr
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
  virtual void AbortDoc() = 0;

  // A document of data type "RAW": bytes go to the printer (or to `fileName`) unchanged.
  virtual bool BeginRawDoc(const QString& title, const QString& fileName) = 0;
  virtual bool WriteRaw(const QByteArray& buffer) = 0;
  virtual bool EndRawDoc() = 0;

  // What went wrong in the last failed call.
  virtual QString LastError() const = 0;
};

class TrpPrinterBackend {
 public:
  virtual ~TrpPrinterBackend() = default;
  virtual QList<TrpPrinterEntry> EnumPrinters() = 0;
  virtual QString DefaultPrinter() = 0;  // empty when the system has none
  // Opens a printer and reads its settings; nullptr when they cannot be read.
  virtual std::unique_ptr<TrpPrinterDevice> Open(const QString& name) = 0;
};
