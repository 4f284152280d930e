#pragma once
// TrpCustomPreviewPages: the store of prepared pages as the report, the engine and the preview
// see it. The store sits above the model (report/store) and implements this class.
#include <QSizeF>
#include <QString>

#include <memory>

#include "report/units/report_units.h"

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

// What AddPage does when the current page is not the last: move onto the next existing page and
// write over it (vertical bands spreading across pages), or append a new page.
enum TrpAddPageAction { apWriteOver, apAdd };

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
  // After kept content moved to the next page: every anchor after index `from` moves to the next
  // page, the first of them to `newTop` and the others by the same amount.
  virtual void ShiftAnchors(int from, int newTop) = 0;
  // Appends an anchor at the current page and the engine's current position.
  virtual void AddAnchor(const QString& text) = 0;
  // The position (report units) of anchor `index`, in the order they were added; 0 when there
  // is none.
  virtual int AnchorTopAt(int index) const = 0;
  // The page number (from 1) of the first anchor named `text`; 1 when there is none.
  virtual int GetAnchorPage(const QString& text) const = 0;
  // Makes the source page of `page` a custom paper (256) of `width` x `height` report units, in
  // the page object and in its stored description (endless pages grow to their content).
  virtual void UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) = 0;
  // The last column used on the current page and its position (report units), kept with the
  // page; `reset` forgets them.
  virtual void UpdatePageLastColumn(int column, bool reset, Extended columnPosition) = 0;
  // What UpdatePageLastColumn kept for the current page; false when nothing was kept.
  virtual bool GetLastColumnPos(int& column, Extended& columnPosition) const = 0;
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
  // A click at the point (as for ObjectOver): when it hits a drill-down group header, toggles
  // the header's key in the report's drill state and returns true; the caller then prepares the
  // report again.
  virtual bool ToggleDrillDown(int index, Extended x, Extended y, Extended scale,
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
  // True while the pages are those read from a prepared-report file rather than prepared from
  // the report's definition: printing them must not prepare the definition again over them.
  bool LoadedFromFile() const { return FLoadedFromFile; }
  void SetLoadedFromFile(bool value) { FLoadedFromFile = value; }
  // The page being written or read (-1 when empty); the engine moves it back to an earlier page
  // when it continues there (PrintOnPreviousPage, vertical bands).
  int CurPage() const { return FCurPage; }
  void SetCurPage(int value) { FCurPage = value; }
  // The first page of the current report when several reports are joined.
  int FirstPage() const { return FFirstPage; }
  void SetFirstPage(int value) { FFirstPage = value; }
  TrpAddPageAction AddPageAction() const { return FAddPageAction; }
  void SetAddPageAction(TrpAddPageAction value) { FAddPageAction = value; }
  TrpCustomEngine* Engine() const { return FEngine; }
  void SetEngine(TrpCustomEngine* value) { FEngine = value; }
  // The outline of the prepared pages, or none.
  virtual TrpCustomOutline* Outline() const = 0;

 private:
  TrpReport& FReport;
  TrpCustomEngine* FEngine = nullptr;
  int FCurPreviewPage = 1;
  int FCopyNo = 0;
  bool FLoadedFromFile = false;
  Extended FPrintScale = 1;
  int FCurPage = -1;
  int FFirstPage = 0;
  TrpAddPageAction FAddPageAction = apWriteOver;
};
