#pragma once
// TrpCustomEngine: what the report and the objects of a definition ask of the band layout engine.
// The engine itself sits above the model (report/engine) and implements this class.
#include <QString>

#include "report/model/report_units.h"
#include "script/value.h"

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
  virtual ScriptValue GetAggregateValue(const QString& name, TrpComponent* aggregate) = 0;
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

 protected:
  void SetRunning(bool value) { FRunning = value; }
  void SetFinalPass(bool value) { FFinalPass = value; }

 private:
  TrpReport& FReport;
  TrpCustomPreviewPages* FPreviewPages = nullptr;
  bool FRunning = false;
  bool FFinalPass = true;
};
