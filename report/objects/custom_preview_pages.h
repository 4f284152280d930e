#pragma once
// TrpCustomPreviewPages: the store of prepared pages, joining the roles in which the engine, the
// preview and files see it, with the state they share. Each role is an interface of its own:
// TrpPageBuilder (page_builder.h), what the engine writes into; TrpPageAnchors (page_anchors.h),
// the anchors and page numbering kept beside the pages; TrpPageReader (page_reader.h), what the
// preview, printing and export read; TrpPageEditor (page_editor.h), the preview's changes to
// prepared pages; TrpPageFiles (page_files.h), loading, saving, printing and exporting the whole.
// A consumer that needs one role names it; one that also needs the shared state takes this class.
// The store sits above the model (report/store) and implements this class.
#include <QSizeF>
#include <QString>

#include <memory>

#include "report/objects/page_anchors.h"
#include "report/objects/page_builder.h"
#include "report/objects/page_editor.h"
#include "report/objects/page_files.h"
#include "report/objects/page_reader.h"
#include "report/units/report_units.h"

class TrpCustomEngine;
class TrpReport;

// What AddPage does when the current page is not the last: move onto the next existing page and
// write over it (vertical bands spreading across pages), or append a new page.
enum TrpAddPageAction { apWriteOver, apAdd };

// The building role comes first: the engine's calls reach the store as through a class of its
// own, with no adjustment of `this` on the way.
class TrpCustomPreviewPages : public TrpPageBuilder,
                              public TrpPageAnchors,
                              public TrpPageReader,
                              public TrpPageEditor,
                              public TrpPageFiles {
 public:
  explicit TrpCustomPreviewPages(TrpReport& report) : FReport(report) {}
  virtual ~TrpCustomPreviewPages() = default;
  TrpCustomPreviewPages(const TrpCustomPreviewPages&) = delete;
  TrpCustomPreviewPages& operator=(const TrpCustomPreviewPages&) = delete;

  // --- printing --------------------------------------------------------------------------------
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
