#pragma once
// TrpPDFExport: the pages as a PDF document, drawn by the same page drawing as the preview onto
// Qt's PDF writer (text stays text, fonts are embedded as subsets), with the report's outline as
// bookmarks, its hyperlinks as link annotations, and the report's name and author as the
// document's title and author.
#include <memory>

#include "report/export/export_filter.h"

class TrpPDFExport : public TrpExportFilter {
 public:
  // Pixels per inch of the drawing surface.
  static constexpr int Resolution = 600;

  TrpPDFExport();
  ~TrpPDFExport() override;

  QString ClassName() const override { return QStringLiteral("TrpPDFExport"); }
  QString GetDescription() const override { return QStringLiteral("PDF file"); }
  QString DefaultExt() const override { return QStringLiteral("pdf"); }
  void AddOptions(TrpExportOptionsDialog& dialog) override;

  bool Start() override;
  void StartPage(TrpReportPage& page, int index) override;
  void ExportObject(TrpComponent& object) override;
  void FinishPage(TrpReportPage& page, int index) override;
  bool Finish() override;
  void Abort() override;

  // Whether the outline becomes bookmarks; on by default.
  bool Outline() const { return FOutline; }
  void SetOutline(bool value) { FOutline = value; }
  // Whether hyperlinks become link annotations; on by default.
  bool Links() const { return FLinks; }
  void SetLinks(bool value) { FLinks = value; }

 private:
  struct Document;
  std::unique_ptr<Document> d;
  bool FOutline = true;
  bool FLinks = true;
};
