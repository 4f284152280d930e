#pragma once
// Aggregates: running totals (SUM, AVG, MIN, MAX, COUNT) over the rows of a data band, shown by
// text objects of a result band (a footer, a group footer, the page footer, ...).
//
// The engine owns one TrpAggregateList per run. When a run starts, AddItems(page) discovers the
// calls in the text objects that can show totals; afterwards the engine reports each shown data
// row (AddValue), a row taken back (DeleteValue), each shown result band (Reset), and the start
// and end of a keep. GetValue answers the current result for the text object being evaluated.
#include <QList>
#include <QString>

#include <memory>
#include <vector>

#include "script_engine/interpreter/value.h"

class TrpBand;
class TrpComponent;
class TrpCustomMemoView;
class TrpCustomReport;
class TrpPage;

enum TrpAggregateFunction { agSum, agAvg, agMin, agMax, agCount };

// The numbers of an aggregate's flags argument.
constexpr int rpAggregateCountInvisible = 1;  // rows of invisible bands count too
constexpr int rpAggregateDontReset = 2;       // the total runs through the whole report

// The function named by `name` (ignoring case), if it is one of the five.
bool rpAggregateFunctionOf(const QString& name, TrpAggregateFunction& function);

class TrpAggregateItem {
 public:
  TrpAggregateFunction Function = agSum;
  QString Expression;  // empty for COUNT
  TrpBand* Band = nullptr;        // the data band whose rows feed the total
  TrpBand* ParentBand = nullptr;  // the band that shows the result
  QString MemoName;               // the text object holding the call
  QString CallText;               // the call as written, e.g. "SUM([Amount], MasterData1)"
  bool DontReset = false;
  bool CountInvisibleBands = false;
  bool IsPageFooter = false;  // the result band is a page footer: it takes part in keeps
  int VColumn = 0;
  // The vertical band that shows the call across ParentBand, or none.
  TrpBand* VerticalBand = nullptr;
  // For a call where a horizontal footer (ParentBand) meets a vertical footer (VerticalBand):
  // the horizontal data band whose rows feed it cell by cell, kept per vertical column; the
  // vertical rows across the footer then add the columns up. None for every other call.
  TrpBand* RowBand = nullptr;

  // A call shown in a vertical band and fed by a horizontal data band keeps one total per
  // vertical column; every other call keeps one running total.
  bool PerVerticalColumn() const;

  // One shown row: `value` is the evaluated expression (empty for COUNT).
  void AddValue(const ScriptValue& value, int vColumn);
  // Takes the last row back.
  void DeleteValue();
  // The result band was shown.
  void Reset();
  // The running total restarts; the totals kept per vertical column stay.
  void ResetRunning();
  // Adds the total kept for vertical column `vColumn` to the running total.
  void AddColumn(int vColumn);
  void StartKeep();
  void EndKeep();
  void ClearValues();
  // AVG = value / count, COUNT = count, others = value; an empty result is 0. A vertical column
  // of 1 or more answers that column's total.
  ScriptValue Value(int vColumn = 0) const;

  bool Keeping() const { return FKeeping; }
  int Count() const { return FCount; }

 private:
  // Combines `value` into `total` by the item's function; the first non-empty value is taken.
  void Combine(ScriptValue& total, const ScriptValue& value) const;
  bool Counts(const ScriptValue& value) const;
  void AddToColumn(const ScriptValue& value, int vColumn);

  int FCount = 0;
  ScriptValue FValue;
  int FLastCount = 0;
  ScriptValue FLastValue;
  int FKeepCount = 0;
  ScriptValue FKeepValue;
  bool FKeeping = false;
  // Per vertical column, index = column; grown on demand (no fixed upper bound).
  std::vector<ScriptValue> FVValues;
  std::vector<int> FVCounts;
};

class TrpAggregateList {
 public:
  // The report evaluates the expressions of the rows (its Calc).
  explicit TrpAggregateList(TrpCustomReport& report) : FReport(report) {}
  TrpAggregateList(const TrpAggregateList&) = delete;
  TrpAggregateList& operator=(const TrpAggregateList&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  TrpAggregateItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }

  // Discovers the aggregate calls of `page` (its band tree must be prepared: data bands know
  // their footers and groups, FSubBands holds their detail bands).
  void AddItems(TrpPage& page);
  // Adds one parsed call shown by `memo` in `parentBand`; `dataBand` is used when the call
  // names none. Returns the item, or none when the call text is no aggregate call.
  TrpAggregateItem* AddCall(const QString& callText, const QString& memoName, TrpBand* parentBand,
                            TrpBand* dataBand);
  // Adds the calls of `object`, which `verticalBand` shows across `parentBand`; `dataBand` feeds
  // the calls that name no band. `rowBand`, when given, makes them totals over the cells of its
  // rows (TrpAggregateItem::RowBand).
  void AddVerticalObject(TrpComponent& object, TrpBand* parentBand, TrpBand* dataBand,
                         TrpBand& verticalBand, TrpBand* rowBand = nullptr);
  // One row of `band` was shown. Within vertical column `vColumn` (1 or more) only the totals
  // kept per vertical column are fed, outside them (0) only the others; with `parentBand` only
  // the totals shown there. Totals over cells are fed by AddCell only.
  void AddValue(TrpBand& band, int vColumn = 0, const TrpBand* parentBand = nullptr);
  // A row of vertical data band `verticalData` crossed `master` in vertical column `vColumn`:
  // the totals over cells of `master`'s rows take the cell's value into that column, and those
  // shown by `master` add up the column.
  void AddCell(TrpBand& verticalData, const TrpBand& master, int vColumn);
  // The last row of `band` is taken back.
  void DeleteValue(TrpBand& band);
  // `parentBand` was shown: its totals restart (unless kept running by flag 2).
  void Reset(TrpBand& parentBand);
  // `verticalBand` was shown across `parentBand`: the totals it shows there restart.
  void ResetVertical(TrpBand& parentBand, TrpBand& verticalBand);
  void StartKeep();
  void EndKeep();
  void ClearValues();
  void Clear() { FItems.clear(); }

  // The result of the call `callText` shown in `parentBand`; empty when there is no such item.
  ScriptValue GetValue(TrpBand* parentBand, const QString& callText, int vColumn = 0) const;
  // The result of the item with these parts shown in `parentBand`; `band` none means the data
  // band the discovery chose; `verticalBand` is the vertical band showing the call, if any.
  // Empty when there is no such item.
  ScriptValue GetValue(TrpBand* parentBand, int vColumn, const QString& name,
                       const QString& expression, TrpBand* band, int flags,
                       const TrpBand* verticalBand = nullptr) const;

 private:
  TrpAggregateItem* Find(TrpBand* parentBand, TrpAggregateFunction function,
                         const QString& expression, TrpBand* band, int flags, int vColumn,
                         const TrpBand* verticalBand) const;
  // Adds the calls in the bracketed expressions of `object`, if it is a text object.
  void AddObjectCalls(TrpComponent& object, TrpBand* parentBand, TrpBand* dataBand,
                      TrpBand* verticalBand, TrpBand* rowBand = nullptr);
  bool Shown(const TrpBand& band) const;

  TrpCustomReport& FReport;
  std::vector<std::unique_ptr<TrpAggregateItem>> FItems;
};
