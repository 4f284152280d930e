#pragma once
// TrpCustomPreviewPages: the store of prepared pages as the report, the engine and the preview
// see it. The store sits above the model (report/store) and implements this class.
#include <QSizeF>
#include <QString>

#include <memory>

#include "report/model/report_units.h"

class QIODevice;
class QPainter;
class TrpBand;
class TrpComponent;
class TrpCustomEngine;
class TrpCustomExportFilter;
class TrpCustomOutline;
class TrpPictureView;
class TrpReport;
class TrpReportPage;

class TrpCustomPreviewPages {
 public:
  explicit TrpCustomPreviewPages(TrpReport& report) : FReport(report) {}
  virtual ~TrpCustomPreviewPages() = default;
  TrpCustomPreviewPages(const TrpCustomPreviewPages&) = delete;
  TrpCustomPreviewPages& operator=(const TrpCustomPreviewPages&) = delete;

  // --- the pages -------------------------------------------------------------------------------
  virtual int GetCount() const = 0;
  // Page `index` rebuilt from its records; the store keeps ownership.
  virtual TrpReportPage* GetPage(int index) = 0;
  // Page `index`'s size in report units.
  virtual QSizeF GetPageSize(int index) = 0;
  virtual void Clear() = 0;
  virtual void Initialize() = 0;

  // --- building, called by the engine ----------------------------------------------------------
  virtual void AddObject(TrpComponent& object) = 0;
  virtual void AddPage(TrpReportPage& page) = 0;
  virtual void AddSourcePage(TrpReportPage& page) = 0;
  virtual void AddToSourcePage(TrpComponent& object) = 0;
  virtual void BeginPass() = 0;
  virtual void ClearFirstPassPages() = 0;
  virtual void CutObjects(int position) = 0;
  virtual void Finish() = 0;
  virtual void IncLogicalPageNumber() = 0;
  virtual void ResetLogicalPageNumber() = 0;
  virtual void PasteObjects(Extended x, Extended y) = 0;
  virtual void ShiftAnchors(int from, int amount) = 0;
  virtual void AddPicture(TrpPictureView& picture) = 0;
  virtual bool BandExists(TrpBand& band) = 0;
  virtual int GetCurPosition() const = 0;
  virtual int GetAnchorCurPosition() const = 0;
  virtual Extended GetLastY(Extended x = 0) const = 0;
  virtual int GetLogicalPageNo() const = 0;
  virtual int GetLogicalTotalPages() const = 0;

  // --- editing, drawing and finding, called by the preview -------------------------------------
  virtual void AddEmptyPage(int index) = 0;
  virtual void DeletePage(int index) = 0;
  virtual void ModifyPage(int index, TrpReportPage& page) = 0;
  // Draws page `index` at the given scale (device pixels per report unit) and offset (pixels).
  virtual void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY,
                        Extended offsetX, Extended offsetY) = 0;
  // The object of page `index` under the point (pixels at `scale` and offset), or none.
  virtual TrpComponent* ObjectOver(int index, Extended x, Extended y, Extended scale,
                                   Extended offsetX, Extended offsetY) = 0;
  // Appends the prepared pages of another report.
  virtual void AddFrom(TrpReport& report) = 0;

  // --- files and output ------------------------------------------------------------------------
  virtual void LoadFromStream(QIODevice& stream, bool allowPartialLoading = false) = 0;
  virtual void SaveToStream(QIODevice& stream) = 0;
  virtual bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false) = 0;
  virtual bool SaveToFile(const QString& fileName) = 0;
  virtual bool Print() = 0;
  virtual bool Export(TrpCustomExportFilter& filter) = 0;

  // --- printing --------------------------------------------------------------------------------
  // Drops the pages rebuilt for drawing; the print job calls it after every printed page so that
  // memory stays bounded however long the report is.
  virtual void ClearPageCache() {}
  // The page number (1-based) the preview shows; the print dialog's "Current page" prints it.
  int CurPreviewPage() const { return FCurPreviewPage; }
  void SetCurPreviewPage(int value) { FCurPreviewPage = value; }
  // The copy being printed (0 when not printing) and the scale of a scaled print; text objects
  // receive both when they are drawn.
  int CopyNo() const { return FCopyNo; }
  void SetCopyNo(int value) { FCopyNo = value; }
  Extended PrintScale() const { return FPrintScale; }
  void SetPrintScale(Extended value) { FPrintScale = value; }

  TrpReport& Report() const { return FReport; }
  TrpCustomEngine* Engine() const { return FEngine; }
  void SetEngine(TrpCustomEngine* value) { FEngine = value; }
  // The outline of the prepared pages, or none.
  virtual TrpCustomOutline* Outline() const = 0;

 private:
  TrpReport& FReport;
  TrpCustomEngine* FEngine = nullptr;
  int FCurPreviewPage = 1;
  int FCopyNo = 0;
  Extended FPrintScale = 1;
};
