#pragma once
// TrpImageExport: every page as a picture file at a chosen resolution, drawn by the same page
// drawing as the preview. The files are numbered by page: "sheet.png" becomes "sheet-001.png",
// "sheet-002.png", ... TrpPNGExport and TrpJPEGExport are its two formats.
#include <QImage>
#include <QStringList>

#include "report/export/export_filter.h"

class TrpImageExport : public TrpExportFilter {
 public:
  // The largest resolution: an A4 page at 1200 pixels per inch is already 140 million pixels.
  static constexpr int kMaxResolution = 1200;

  void AddOptions(TrpExportOptionsDialog& dialog) override;
  bool Start() override;
  void StartPage(TrpReportPage& page, int index) override;
  void ExportObject(TrpComponent&) override {}
  void FinishPage(TrpReportPage& page, int index) override;
  bool Finish() override;
  void Abort() override;

  // Pixels per inch; 96 draws a page as the preview does at 100 %.
  int Resolution() const { return FResolution; }
  void SetResolution(int value) { FResolution = value; }
  // The file page `index` (0-based) is written to.
  QString PageFileName(int index) const;
  // The files written by the last export.
  const QStringList& Written() const { return FWritten; }

 protected:
  // The format's name for QImageWriter ("png") and its quality (-1: the default).
  virtual const char* Format() const = 0;
  virtual int Quality() const { return -1; }

 private:
  int FResolution = 96;
  QImage FImage;
  QStringList FWritten;
};

class TrpPNGExport : public TrpImageExport {
 public:
  QString ClassName() const override { return QStringLiteral("TrpPNGExport"); }
  QString GetDescription() const override { return QStringLiteral("PNG picture"); }
  QString DefaultExt() const override { return QStringLiteral("png"); }

 protected:
  const char* Format() const override { return "png"; }
};

class TrpJPEGExport : public TrpImageExport {
 public:
  QString ClassName() const override { return QStringLiteral("TrpJPEGExport"); }
  QString GetDescription() const override { return QStringLiteral("JPEG picture"); }
  QString DefaultExt() const override { return QStringLiteral("jpg"); }
  void AddOptions(TrpExportOptionsDialog& dialog) override;

  // 1 to 100.
  int JPEGQuality() const { return FQuality; }
  void SetJPEGQuality(int value) { FQuality = value; }

 protected:
  const char* Format() const override { return "jpeg"; }
  int Quality() const override { return FQuality; }

 private:
  int FQuality = 90;
};
