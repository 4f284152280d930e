#include "report/binding/aggregate.h"

#include "report/objects/custom_report.h"
#include "report/pages/band.h"
#include "script_engine/interpreter/value_ops.h"

namespace {

struct FunctionName {
  const char* Name;
  TrpAggregateFunction Function;
};

constexpr FunctionName kFunctions[] = {
    {"SUM", agSum}, {"AVG", agAvg}, {"MIN", agMin}, {"MAX", agMax}, {"COUNT", agCount}};

// A Boolean true counts as 1 (and false as 0), so that conditions can be summed.
ScriptValue rowValue(const ScriptValue& value) {
  if (value.IsBoolean()) return ScriptValue(value.ToBool() ? 1 : 0);
  return value;
}

// Expressions written with different spacing around them are the same call.
QString normalised(const QString& text) { return text.trimmed(); }

}  // namespace

bool rpAggregateFunctionOf(const QString& name, TrpAggregateFunction& function) {
  for (const FunctionName& f : kFunctions)
    if (name.compare(QLatin1String(f.Name), Qt::CaseInsensitive) == 0) {
      function = f.Function;
      return true;
    }
  return false;
}

// --- TrpAggregateItem -----------------------------------------------------------------------------

bool TrpAggregateItem::PerVerticalColumn() const {
  return VerticalBand && Band && !Band->Vertical();
}

bool TrpAggregateItem::Counts(const ScriptValue& value) const {
  return Function != agAvg || !value.IsEmptyOrNull();
}

void TrpAggregateItem::Combine(ScriptValue& total, const ScriptValue& value) const {
  if (value.IsEmptyOrNull()) return;
  if (total.IsEmptyOrNull()) {
    total = value;
    return;
  }
  switch (Function) {
    case agSum:
    case agAvg: total = ValueOps::Add(total, value); break;
    case agMin: if (ValueOps::Compare(value, total) < 0) total = value; break;
    case agMax: if (ValueOps::Compare(value, total) > 0) total = value; break;
    case agCount: break;
  }
}

void TrpAggregateItem::AddToColumn(const ScriptValue& value, int vColumn) {
  const auto size = static_cast<std::size_t>(vColumn) + 1;
  if (FVValues.size() < size) {
    FVValues.resize(size);
    FVCounts.resize(size, 0);
  }
  if (Counts(value)) ++FVCounts[std::size_t(vColumn)];
  Combine(FVValues[std::size_t(vColumn)], value);
}

void TrpAggregateItem::AddValue(const ScriptValue& raw, int vColumn) {
  const ScriptValue value = rowValue(raw);
  if (vColumn >= 1) {
    AddToColumn(value, vColumn);
    return;
  }
  if (FKeeping) {
    if (Counts(value)) ++FKeepCount;
    Combine(FKeepValue, value);
    return;
  }
  FLastCount = FCount;
  FLastValue = FValue;
  if (Counts(value)) ++FCount;
  Combine(FValue, value);
}

void TrpAggregateItem::DeleteValue() {
  FCount = FLastCount;
  FValue = FLastValue;
}

void TrpAggregateItem::Reset() {
  if (DontReset && FCount > 0) return;
  ResetRunning();
  FVValues.clear();
  FVCounts.clear();
}

void TrpAggregateItem::ResetRunning() {
  if (DontReset && FCount > 0) return;
  FCount = 0;
  FValue = ScriptValue();
}

void TrpAggregateItem::AddColumn(int vColumn) {
  const auto i = static_cast<std::size_t>(vColumn);
  if (vColumn < 1 || i >= FVValues.size()) return;
  FCount += FVCounts[i];
  Combine(FValue, FVValues[i]);
}

void TrpAggregateItem::StartKeep() {
  if (!IsPageFooter) return;
  FKeeping = true;
  FKeepCount = 0;
  FKeepValue = ScriptValue();
}

void TrpAggregateItem::EndKeep() {
  if (!FKeeping) return;
  FKeeping = false;
  FCount += FKeepCount;
  Combine(FValue, FKeepValue);
  FKeepCount = 0;
  FKeepValue = ScriptValue();
}

void TrpAggregateItem::ClearValues() {
  FCount = FLastCount = FKeepCount = 0;
  FValue = FLastValue = FKeepValue = ScriptValue();
  FKeeping = false;
  FVValues.clear();
  FVCounts.clear();
}

ScriptValue TrpAggregateItem::Value(int vColumn) const {
  int count = FCount;
  ScriptValue value = FValue;
  if (vColumn >= 1) {
    const auto i = static_cast<std::size_t>(vColumn);
    count = i < FVCounts.size() ? FVCounts[i] : 0;
    value = i < FVValues.size() ? FVValues[i] : ScriptValue();
  }
  if (Function == agCount) return ScriptValue(count);
  if (value.IsEmptyOrNull()) return ScriptValue(0);
  if (Function == agAvg) return count == 0 ? ScriptValue(0) : ValueOps::Divide(value, ScriptValue(count));
  return value;
}

// --- TrpAggregateList -----------------------------------------------------------------------------

bool TrpAggregateList::Shown(const TrpBand& band) const { return band.Visible(); }

void TrpAggregateList::AddValue(TrpBand& band, int vColumn, const TrpBand* parentBand) {
  for (const auto& item : FItems) {
    if (item->Band != &band || item->PerVerticalColumn() != (vColumn >= 1)) continue;
    if (item->RowBand || (parentBand && item->ParentBand != parentBand)) continue;
    if (!Shown(band) && !item->CountInvisibleBands) continue;
    // COUNT counts rows without evaluating anything.
    const ScriptValue value =
        item->Function == agCount ? ScriptValue() : FReport.Calc(item->Expression);
    item->AddValue(value, vColumn);
  }
}

void TrpAggregateList::AddCell(TrpBand& verticalData, const TrpBand& master, int vColumn) {
  for (const auto& item : FItems) {
    if (item->Band != &verticalData || !item->RowBand) continue;
    if (item->ParentBand == &master) {
      item->AddColumn(vColumn);
    } else if (item->RowBand == &master && vColumn >= 1 &&
               (Shown(verticalData) || item->CountInvisibleBands)) {
      const ScriptValue value =
          item->Function == agCount ? ScriptValue() : FReport.Calc(item->Expression);
      item->AddValue(value, vColumn);
    }
  }
}

void TrpAggregateList::DeleteValue(TrpBand& band) {
  for (const auto& item : FItems)
    if (item->Band == &band) item->DeleteValue();
}

void TrpAggregateList::Reset(TrpBand& parentBand) {
  for (const auto& item : FItems)
    if (item->ParentBand == &parentBand) item->Reset();
}

void TrpAggregateList::ResetVertical(TrpBand& parentBand, TrpBand& verticalBand) {
  // Totals over cells keep their columns until their footer's own reset.
  for (const auto& item : FItems)
    if (item->ParentBand == &parentBand && item->VerticalBand == &verticalBand)
      item->ResetRunning();
}

void TrpAggregateList::StartKeep() {
  for (const auto& item : FItems) item->StartKeep();
}

void TrpAggregateList::EndKeep() {
  for (const auto& item : FItems) item->EndKeep();
}

void TrpAggregateList::ClearValues() {
  for (const auto& item : FItems) item->ClearValues();
}

ScriptValue TrpAggregateList::GetValue(TrpBand* parentBand, const QString& callText, int vColumn) const {
  const QString call = normalised(callText);
  for (const auto& item : FItems)
    if (item->ParentBand == parentBand && item->CallText.compare(call, Qt::CaseInsensitive) == 0)
      return item->Value(item->PerVerticalColumn() ? vColumn : 0);
  return ScriptValue();
}

// The same call can be shown by a band both within vertical columns and beside them: the one
// the vertical band showing the call holds answers first; else within a vertical column
// (vColumn 1 or more) the per-column total, outside the other.
TrpAggregateItem* TrpAggregateList::Find(TrpBand* parentBand, TrpAggregateFunction function,
                                         const QString& expression, TrpBand* band, int flags,
                                         int vColumn, const TrpBand* verticalBand) const {
  const QString wanted = normalised(expression);
  const bool dontReset = (flags & rpAggregateDontReset) != 0;
  const bool countInvisible = (flags & rpAggregateCountInvisible) != 0;
  TrpAggregateItem* sameKind = nullptr;
  TrpAggregateItem* fallback = nullptr;
  for (const auto& item : FItems) {
    if (item->ParentBand != parentBand || item->Function != function) continue;
    if (band && item->Band != band) continue;
    if (item->DontReset != dontReset || item->CountInvisibleBands != countInvisible) continue;
    if (function != agCount && item->Expression.compare(wanted, Qt::CaseInsensitive) != 0) continue;
    if (verticalBand && item->VerticalBand == verticalBand) return item.get();
    if (!sameKind && item->PerVerticalColumn() == (vColumn >= 1)) {
      if (!verticalBand) return item.get();
      sameKind = item.get();
    }
    if (!fallback) fallback = item.get();
  }
  return sameKind ? sameKind : fallback;
}

ScriptValue TrpAggregateList::GetValue(TrpBand* parentBand, int vColumn, const QString& name,
                                       const QString& expression, TrpBand* band, int flags,
                                       const TrpBand* verticalBand) const {
  TrpAggregateFunction function;
  if (!rpAggregateFunctionOf(name, function)) return ScriptValue();
  const TrpAggregateItem* item =
      Find(parentBand, function, expression, band, flags, vColumn, verticalBand);
  if (!item) return ScriptValue();
  return item->Value(item->PerVerticalColumn() ? vColumn : 0);
}
