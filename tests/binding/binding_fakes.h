#pragma once
// An engine and a store that only hold the run state the script binding reads: start date and
// time, line numbers, total pages, the current page and the logical page numbers. The engine
// records the aggregate calls it is asked for.
#include <QDateTime>
#include <QSizeF>

#include <functional>

#include "idle_engine.h"
#include "idle_preview_pages.h"
#include "report/component/report.h"

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

class BindingFakeStore : public IdlePreviewPages {
 public:
  using IdlePreviewPages::IdlePreviewPages;
  int GetLogicalPageNo() const override { return LogicalPageNo; }
  int GetLogicalTotalPages() const override { return LogicalTotalPages; }

  int LogicalPageNo = 0;
  int LogicalTotalPages = 0;
};
