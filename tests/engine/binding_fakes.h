#pragma once
// An engine and a store that only hold the run state the script binding reads: start date and
// time, line numbers, total pages, the current page and the logical page numbers. The engine
// records the aggregate calls it is asked for.
#include <QDateTime>
#include <QSizeF>

#include <functional>

#include "idle_engine.h"
#include "report/model/custom_preview_pages.h"
#include "report/model/report.h"

class BindingFakeEngine : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  ScriptValue GetAggregateValue(const QString& name, const QString& expression, TrpBand* band,
                                int flags) override {
    AggregateName = name;
    AggregateExpression = expression;
    AggregateBand = band;
    AggregateFlags = flags;
    return AggregateResult;
  }
  bool Run(bool, bool, TrpPage*) override { return OnRun ? OnRun(Report()) : true; }

  void SetState(const QDateTime& start, int line, int lineThrough, int totalPages) {
    SetStart(start);
    SetCurLine(line);
    SetCurLineThrough(lineThrough);
    SetTotalPages(totalPages);
  }

  std::function<bool(TrpReport&)> OnRun;
  QString AggregateName, AggregateExpression;
  TrpBand* AggregateBand = nullptr;
  int AggregateFlags = -1;
  ScriptValue AggregateResult;
};

class BindingFakeStore : public TrpCustomPreviewPages {
 public:
  using TrpCustomPreviewPages::TrpCustomPreviewPages;
  int GetCount() const override { return 0; }
  TrpReportPage* GetPage(int) override { return nullptr; }
  QSizeF GetPageSize(int) override { return {}; }
  void Clear() override {}
  void Initialize() override {}
  void AddObject(TrpComponent&) override {}
  void AddPage(TrpReportPage&) override {}
  void AddSourcePage(TrpReportPage&) override {}
  void AddToSourcePage(TrpComponent&) override {}
  void BeginPass() override {}
  void ClearFirstPassPages() override {}
  void CutObjects(int) override {}
  void Finish() override {}
  void IncLogicalPageNumber() override {}
  void ResetLogicalPageNumber() override {}
  void PasteObjects(Extended, Extended) override {}
  void ShiftAnchors(int, int) override {}
  void AddAnchor(const QString&) override {}
  void UpdatePageDimensions(TrpReportPage&, Extended, Extended) override {}
  void UpdatePageLastColumn(int, bool, Extended) override {}
  bool GetLastColumnPos(int&, Extended&) const override { return false; }
  void AddPicture(TrpPictureView&) override {}
  bool BandExists(TrpBand&) override { return false; }
  int GetCurPosition() const override { return 0; }
  int GetAnchorCurPosition() const override { return 0; }
  Extended GetLastY(Extended) const override { return 0; }
  int GetLogicalPageNo() const override { return LogicalPageNo; }
  int GetLogicalTotalPages() const override { return LogicalTotalPages; }
  void AddEmptyPage(int) override {}
  void DeletePage(int) override {}
  void ModifyPage(int, TrpReportPage&) override {}
  void DrawPage(int, QPainter&, Extended, Extended, Extended, Extended) override {}
  TrpComponent* ObjectOver(int, Extended, Extended, Extended, Extended, Extended) override { return nullptr; }
  void AddFrom(TrpReport&) override {}
  void LoadFromStream(QIODevice&, bool) override {}
  void SaveToStream(QIODevice&) override {}
  bool LoadFromFile(const QString&, bool) override { return false; }
  bool SaveToFile(const QString&) override { return false; }
  bool Print() override { return false; }
  bool Export(TrpCustomExportFilter&) override { return false; }
  TrpCustomOutline* Outline() const override { return nullptr; }

  int LogicalPageNo = 0;
  int LogicalTotalPages = 0;
};
