// Set constructors and membership tests.
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/value_ops.h"

TscSetExpression::TscSetExpression() : TscCustomVariable(QString(), fvtVariant, QString()) {}

void TscSetExpression::AddElement(TscCustomVariable* expression) { AddItem(expression); }

void TscSetExpression::AddRange(TscCustomVariable* low, TscCustomVariable* high) {
  AddItem(low);
  AddItem(nullptr);
  AddItem(high);
}

bool TscSetExpression::Check(const ScriptValue& value) {
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    TscCustomVariable* item = Element(i);
    if (!item) continue;  // a range marker already consumed below
    ScriptValue v = item->GetValue();
    if (i + 2 < n && !Element(i + 1) && Element(i + 2)) {
      // lower .. upper
      ScriptValue upper = Element(i + 2)->GetValue();
      if (ValueOps::Compare(v, value) <= 0 && ValueOps::Compare(value, upper) <= 0) return true;
      i += 2;
    } else if (ValueOps::Equals(v, value)) {
      return true;
    }
  }
  return false;
}

ScriptValue TscSetExpression::GetValue() {
  ScriptValue array = ScriptValue::CreateArray({ArrayBound{0, Count() - 1}});
  for (int i = 0; i < Count(); ++i)
    array.ArraySet({i}, Element(i) ? Element(i)->GetValue() : ScriptValue::Null());
  return array;
}

bool scInArray(const ScriptValue& value, const ScriptValue& array) {
  if (array.ArrayDimCount() != 1) return false;
  ArrayBound b = array.ArrayBounds(0);
  for (int i = b.low; i <= b.high; ++i) {
    ScriptValue v = array.ArrayGet({i});
    if (i + 2 <= b.high && array.ArrayGet({i + 1}).IsNull()) {
      ScriptValue upper = array.ArrayGet({i + 2});
      if (ValueOps::Compare(v, value) <= 0 && ValueOps::Compare(value, upper) <= 0) return true;
      i += 2;
    } else if (ValueOps::Equals(v, value)) {
      return true;
    }
  }
  return false;
}

int ValueOps::SetBits(const ScriptValue& set) {
  if (!set.IsArray()) return set.IsEmptyOrNull() ? 0 : set.ToInt32();
  int bits = 0;
  const ArrayBound bounds = set.ArrayBounds(0);
  for (int i = bounds.low; i <= bounds.high; ++i) {
    const ScriptValue element = set.ArrayGet({i});
    if (!element.IsEmptyOrNull()) bits |= element.ToInt32();
  }
  return bits;
}
