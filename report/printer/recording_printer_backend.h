#pragma once
// A printer back end of made-up printers that records everything sent to them: settings records,
// documents with their pages, and what was drawn on each page. Tests describe the printers
// (papers, sources, resolution, margins, failures) and read back the recordings.
#include "report/printer/printer_device.h"
#include "report/printer/recording_paint_device.h"

#include <functional>
#include <memory>

struct TrpRecordedPage {
  TrpDeviceSettings Settings;  // the record the page was printed with
  TrpDeviceCaps Caps;
  QList<TrpDrawRecord> Draws;
};

struct TrpRecordedDocument {
  enum State { dsOpen, dsEnded, dsAborted };
  QString Title;
  QString FileName;
  TrpDeviceSettings Settings;  // the record at the start of the document
  bool Raw = false;
  QByteArray RawData;
  QList<TrpRecordedPage> Pages;
  State State = dsOpen;
};

// One made-up printer: its description and its recordings.
struct TrpRecordingPrinter {
  QString Name;
  QString Ports;                // comma-separated; empty: known by name only
  TrpDeviceSettings Settings;   // the printer's own settings, handed out on open
  QList<TrpDeviceItem> Papers;  // in driver order; sizes come from the standard table
  QList<TrpDeviceItem> Bins;
  int DpiX = 600;
  int DpiY = 600;
  Extended MarginLeft = 4, MarginTop = 4, MarginRight = 4, MarginBottom = 4;  // mm
  bool CanOpen = true;  // false: its settings cannot be read
  bool FailBeginDoc = false;
  bool FailBeginPage = false;
  bool FailEndDoc = false;  // the spooler rejects the finished document
  // The properties dialog: changes the settings and returns whether the user confirmed.
  std::function<bool(TrpDeviceSettings&)> PropertiesDialog;

  int OpenCount = 0;
  QList<TrpDeviceSettings> Resets;  // every settings record the printer was reset with
  QList<TrpRecordedDocument> Documents;
};

class TrpRecordingPrinterBackend : public TrpPrinterBackend {
 public:
  TrpRecordingPrinterBackend();
  ~TrpRecordingPrinterBackend() override;

  // A printer with A4, Letter and A3 papers and Default-only sources at 600 dpi.
  TrpRecordingPrinter& AddPrinter(const QString& name, const QString& ports = QString());
  void SetDefaultPrinter(const QString& name) { FDefault = name; }
  TrpRecordingPrinter* Find(const QString& name);

  QList<TrpPrinterEntry> EnumPrinters() override;
  QString DefaultPrinter() override { return FDefault; }
  std::unique_ptr<TrpPrinterDevice> Open(const QString& name) override;

 private:
  QList<std::shared_ptr<TrpRecordingPrinter>> FPrinters;
  QString FDefault;
};

// Device geometry of `settings` on `printer`: the paper from the standard table (or the custom
// size), turned by the orientation, less the printer's margins.
TrpDeviceCaps rpRecordingCaps(const TrpRecordingPrinter& printer,
                              const TrpDeviceSettings& settings);
