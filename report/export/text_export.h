#pragma once
// TrpTextExport: the pages as plain text (UTF-8), each page's texts laid out in character cells
// of 9.6 by 17 report units, the cell of a text-mode page. Texts of one height share a row; a row
// that would fall on the row of the texts above it moves below them, so that no line is lost.
// Pages are separated by a form feed. This is the export a text-mode report is given in place of
// any other. The objects of a text-mode page (TrpDMPMemoView, TrpDMPLineView) lie on that grid
// and go exactly into their own cells; their printer commands (TrpDMPCommand) are written, as
// the bytes they stand for, only with PrinterCommands, the output a text-mode printer is sent.
#include <memory>

#include "report/export/export_filter.h"

class TrpTextExport : public TrpExportFilter {
 public:
  TrpTextExport();
  ~TrpTextExport() override;

  QString ClassName() const override { return QStringLiteral("TrpTextExport"); }
  QString GetDescription() const override { return QStringLiteral("Text file"); }
  QString DefaultExt() const override { return QStringLiteral("txt"); }
  void AddOptions(TrpExportOptionsDialog& dialog) override;

  bool Start() override;
  void StartPage(TrpReportPage& page, int index) override;
  void ExportObject(TrpComponent& object) override;
  void FinishPage(TrpReportPage& page, int index) override;
  bool Finish() override;
  void Abort() override;

  // A form feed between pages (on by default); else an empty line.
  bool PageBreaks() const { return FPageBreaks; }
  void SetPageBreaks(bool value) { FPageBreaks = value; }
  // The bytes of printer commands at their places in the text (off by default).
  bool PrinterCommands() const { return FPrinterCommands; }
  void SetPrinterCommands(bool value) { FPrinterCommands = value; }

 private:
  struct Page;
  std::unique_ptr<Page> FPage;
  QString FText;
  int FPages = 0;
  bool FPageBreaks = true;
  bool FPrinterCommands = false;
};
