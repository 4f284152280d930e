#pragma once
// TrpCustomExportFilter: the extension point through which prepared pages are written in other
// formats. The store's Export walks the chosen pages and hands each page and each of its objects
// meant for export to the filter: Start, then per page StartPage, ExportObject for every object,
// FinishPage, and at the end Finish. Filters register a maker under their class name; the
// preview's export menu lists every registered filter.
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "report/objects/modal_result.h"

class TrpComponent;
class TrpPageReader;
class TrpReport;
class TrpReportPage;

class TrpCustomExportFilter {
 public:
  TrpCustomExportFilter() = default;
  virtual ~TrpCustomExportFilter() = default;
  TrpCustomExportFilter(const TrpCustomExportFilter&) = delete;
  TrpCustomExportFilter& operator=(const TrpCustomExportFilter&) = delete;

  // The name it is registered and swapped by ("TrpPDFExport", "TrpTextExport").
  virtual QString ClassName() const = 0;
  // What its files are, for menus and file dialogs ("PDF file").
  virtual QString GetDescription() const = 0;
  // The extension of its files, without the dot.
  virtual QString DefaultExt() const = 0;
  // The options dialog: the pages to export and the filter's own options. mrOk to go on.
  virtual TModalResult ShowModal() = 0;
  // The 0-based indexes of the pages to export out of `count`; false (with Error set) when the
  // page selection cannot be read or names no page.
  virtual bool SelectPages(int count, QList<int>& pages) = 0;
  // Opens the output; false with Error set when it cannot.
  virtual bool Start() = 0;
  virtual void StartPage(TrpReportPage& page, int index) = 0;
  virtual void ExportObject(TrpComponent& object) = 0;
  virtual void FinishPage(TrpReportPage& page, int index) = 0;
  // Completes the output; false with Error set when it could not be written.
  virtual bool Finish() = 0;
  // Drops what an export left unfinished (after a cancel or a failure): no output replaces an
  // earlier file.
  virtual void Abort() = 0;

  // --- what to export, set before the store's Export -------------------------------------------
  TrpReport* Report() const { return FReport; }
  // The pages, as a filter reads them.
  TrpPageReader* PreviewPages() const { return FPages; }
  void SetSource(TrpReport* report, TrpPageReader* pages) { FReport = report, FPages = pages; }
  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& value) { FFileName = value; }
  // The page shown when the export was asked for (0-based), for "current page" selections.
  int CurPage() const { return FCurPage; }
  void SetCurPage(int value) { FCurPage = value; }
  // A page range text ("1,3-5,8-"); empty for every page.
  const QString& PageNumbers() const { return FPageNumbers; }
  void SetPageNumbers(const QString& value) { FPageNumbers = value; }
  // The pages the last export handed over.
  int PagesDone() const { return FPagesDone; }
  void SetPagesDone(int value) { FPagesDone = value; }
  const QString& Error() const { return FError; }
  void SetError(const QString& value) { FError = value; }

 private:
  TrpReport* FReport = nullptr;
  TrpPageReader* FPages = nullptr;
  QString FFileName;
  int FCurPage = 0;
  QString FPageNumbers;
  int FPagesDone = 0;
  QString FError;
};

// --- the registry -----------------------------------------------------------------------------
using TrpExportFilterClass = std::function<std::unique_ptr<TrpCustomExportFilter>()>;

// Registers `maker` under `className`, replacing an earlier one of that name; registration order
// is the order of the export menu.
void rpRegisterExportFilter(const QString& className, TrpExportFilterClass maker);
void rpUnregisterExportFilter(const QString& className);
// The registered class names, in registration order.
QList<QString> rpExportFilterClasses();
// A new filter of the registered class `className`; none when no such class is registered.
std::unique_ptr<TrpCustomExportFilter> rpCreateExportFilter(const QString& className);
