#pragma once
// TrpCustomEngine: what the report and the objects of a definition ask of the band layout engine.
// The engine itself sits above the model (report/engine) and implements this class.
#include <QDateTime>
#include <QString>

#include "report/units/report_units.h"
#include "script_engine/interpreter/value.h"

class TrpBand;
class TrpComponent;
class TrpCustomPreviewPages;
class TrpPage;
class TrpReport;
struct TrpClassInfo;

class TrpCustomEngine {
 public:
  explicit TrpCustomEngine(TrpReport& report) : FReport(report) {}
  virtual ~TrpCustomEngine() = default;
  TrpCustomEngine(const TrpCustomEngine&) = delete;
  TrpCustomEngine& operator=(const TrpCustomEngine&) = delete;

  virtual Extended GetPageHeight() const = 0;
  virtual void EndPage() = 0;
  virtual void BreakAllKeep() = 0;
  virtual void NewColumn() = 0;
  virtual void NewPage() = 0;
  virtual void ShowBand(TrpBand& band) = 0;
  // Shows the page's band of that kind, if it has one.
  virtual void ShowBand(const TrpClassInfo& bandClass) = 0;
  virtual Extended HeaderHeight() const = 0;
  virtual Extended FooterHeight() const = 0;
  virtual Extended FreeSpace() const = 0;
  // The running value of the aggregate `name` ("SUM", "AVG", "MIN", "MAX", "COUNT") over
  // `expression`, fed by the rows of `band` (none: the data band of the band being shown), with
  // the flags of the call (1: count invisible bands, 2: do not reset).
  virtual ScriptValue GetAggregateValue(const QString& name, const QString& expression,
                                        TrpBand* band, int flags) = 0;
  // Builds the prepared pages: of `page` alone when given, else of every page. Returns whether
  // the run finished (not terminated, no error).
  virtual bool Run(bool runDialogs, bool clearLastReport = false, TrpPage* page = nullptr) = 0;

  TrpReport& Report() const { return FReport; }
  // The store the engine writes into; the report links them.
  TrpCustomPreviewPages* PreviewPages() const { return FPreviewPages; }
  void SetPreviewPages(TrpCustomPreviewPages* value) { FPreviewPages = value; }
  bool Running() const { return FRunning; }
  // True in the last (or only) pass of a run.
  bool FinalPass() const { return FFinalPass; }

  // --- the state of a run, as expressions and scripts read it ----------------------------------
  // The running position inside the printable area of the current page (report units).
  Extended CurX() const { return FCurX; }
  void SetCurX(Extended value) { FCurX = value; }
  Extended CurY() const { return FCurY; }
  void SetCurY(Extended value) { FCurY = value; }
  // The page column being filled (1-based).
  int CurColumn() const { return FCurColumn; }
  // The row number of the data band being shown, restarting with each group and master row
  // ("Line"), and counted through the whole report ("Line#").
  int CurLine() const { return FCurLine; }
  int CurLineThrough() const { return FCurLineThrough; }
  // The vertical band column being filled (1-based; 0 outside vertical bands).
  int CurVColumn() const { return FCurVColumn; }
  // The page count of the first pass of a two-pass run; 0 in a single pass.
  int TotalPages() const { return FTotalPages; }
  // When the run started: the "Date" and "Time" of every page of one run.
  QDate StartDate() const { return FStartDate; }
  QTime StartTime() const { return FStartTime; }
  // The printable area of the current page (report units).
  Extended PageHeight() const { return FPageHeight; }
  Extended PageWidth() const { return FPageWidth; }
  // The band being shown, or none.
  TrpBand* CurBand() const { return FCurBand; }

 protected:
  void SetRunning(bool value) { FRunning = value; }
  void SetFinalPass(bool value) { FFinalPass = value; }
  void SetCurColumn(int value) { FCurColumn = value; }
  void SetCurLine(int value) { FCurLine = value; }
  void SetCurLineThrough(int value) { FCurLineThrough = value; }
  void SetCurVColumn(int value) { FCurVColumn = value; }
  void SetTotalPages(int value) { FTotalPages = value; }
  void SetStart(const QDateTime& value) { FStartDate = value.date(), FStartTime = value.time(); }
  void SetPageHeight(Extended value) { FPageHeight = value; }
  void SetPageWidth(Extended value) { FPageWidth = value; }
  void SetCurBand(TrpBand* value) { FCurBand = value; }

 private:
  TrpReport& FReport;
  TrpCustomPreviewPages* FPreviewPages = nullptr;
  bool FRunning = false;
  bool FFinalPass = true;
  Extended FCurX = 0;
  Extended FCurY = 0;
  int FCurColumn = 1;
  int FCurLine = 0;
  int FCurLineThrough = 0;
  int FCurVColumn = 0;
  int FTotalPages = 0;
  QDate FStartDate;
  QTime FStartTime;
  Extended FPageHeight = 0;
  Extended FPageWidth = 0;
  TrpBand* FCurBand = nullptr;
};
