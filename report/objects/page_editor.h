#pragma once
// TrpPageEditor: the store of prepared pages as the preview (and the engine, for a page it
// finished) changes them: pages added, deleted or stored anew, and the pages of another report
// appended. The store (report/store) implements it through TrpCustomPreviewPages.
class TrpReport;
class TrpReportPage;

class TrpPageEditor {
 public:
  virtual void AddEmptyPage(int index) = 0;
  virtual void DeletePage(int index) = 0;
  virtual void ModifyPage(int index, TrpReportPage& page) = 0;
  // Appends the prepared pages of another report.
  virtual void AddFrom(TrpReport& report) = 0;

 protected:
  TrpPageEditor() = default;
  ~TrpPageEditor() = default;
};
