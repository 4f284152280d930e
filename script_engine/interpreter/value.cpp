// Storage of script values: construction, copying, kinds and variant arrays.
#include "script_engine/interpreter/value.h"

#include <atomic>
#include <new>

#include "script_engine/front/script_error.h"

ScriptObject::~ScriptObject() = default;

// Shared block of a variant array. Elements are stored with the first index varying slowest
// (row-major); FBounds has one entry per dimension. Invariant: FItems.size() is the product of
// the dimension lengths.
struct ScriptValue::ArrayData {
  std::atomic<int> refs{1};
  int elementType = VarTypeCode::varVariant;
  std::vector<ArrayBound> bounds;
  std::vector<ScriptValue> items;
};

ScriptValue::ScriptValue(const QString& s) : FKind(ValueKind::String) {
  new (FData.s) QString(s);
}

ScriptValue::ScriptValue(const char* s) : ScriptValue(QString::fromUtf8(s)) {}

void ScriptValue::releaseHeap() noexcept {
  if (FKind == ValueKind::String) {
    reinterpret_cast<QString*>(FData.s)->~QString();
  } else if (FKind == ValueKind::Array) {
    if (FData.a->refs.fetch_sub(1) == 1) delete FData.a;
  }
  FKind = ValueKind::Empty;
  FData.l = 0;
}

// FKind is already other's kind.
void ScriptValue::copyHeap(const ScriptValue& other) {
  if (other.FKind == ValueKind::String) {
    new (FData.s) QString(other.str());
  } else {
    FData = other.FData;
    FData.a->refs.fetch_add(1);
  }
}

void ScriptValue::assignHeap(const ScriptValue& other) {
  ScriptValue copy(other);  // other may live inside what this value releases (an array element)
  *this = std::move(copy);
}

ScriptValue ScriptValue::Null() {
  ScriptValue v;
  v.FKind = ValueKind::Null;
  return v;
}

ScriptValue ScriptValue::DateTime(double dayNumber) {
  ScriptValue v(dayNumber);
  v.FKind = ValueKind::Date;
  return v;
}

ScriptValue ScriptValue::FromInteger(std::int64_t v) {
  if (v >= INT32_MIN && v <= INT32_MAX) return ScriptValue(static_cast<int>(v));
  return ScriptValue(v);
}

ScriptValue ScriptValue::CreateArray(const std::vector<ArrayBound>& bounds, int elementType) {
  if (bounds.empty()) throw ScriptError(QStringLiteral("An array needs at least one dimension"));
  std::size_t count = 1;
  for (const ArrayBound& b : bounds) {
    std::int64_t len = std::int64_t(b.high) - b.low + 1;
    if (len < 0) len = 0;
    // A limit well below memory exhaustion: a script asking for more is a script error.
    if (len > 0 && count > std::size_t(64) * 1024 * 1024 / std::size_t(len))
      throw ScriptError(QStringLiteral("Array is too large"));
    count *= std::size_t(len);
  }
  ScriptValue v;
  v.FData.a = new ArrayData;
  v.FData.a->elementType = elementType & VarTypeCode::varTypeMask;
  v.FData.a->bounds = bounds;
  v.FData.a->items.resize(count);
  v.FKind = ValueKind::Array;
  return v;
}

ScriptValue ScriptValue::ArrayOf(std::initializer_list<ScriptValue> items) {
  ScriptValue v = CreateArray({ArrayBound{0, int(items.size()) - 1}});
  std::size_t i = 0;
  for (const ScriptValue& item : items) v.FData.a->items[i++] = item;
  return v;
}

bool ScriptValue::IsNumeric() const {
  switch (FKind) {
    case ValueKind::Integer:
    case ValueKind::Int64:
    case ValueKind::Double:
    case ValueKind::Date:
      return true;
    default:
      return false;
  }
}

int ScriptValue::VarType() const {
  using namespace VarTypeCode;
  static constexpr int kCodes[] = {varEmpty, varNull,   varBoolean, varInteger, varInt64,
                                   varDouble, varDate, varString, varUnknown, varArray};
  int code = kCodes[static_cast<int>(FKind)];
  if (FKind == ValueKind::Array) code |= FData.a->elementType;
  return code;
}

QString ScriptValue::KindName() const {
  static const char* const kNames[] = {"Empty", "Null",   "Boolean", "Integer", "Int64",
                                       "Double", "Date", "String",  "Object",  "Array"};
  return QString::fromLatin1(kNames[static_cast<int>(FKind)]);
}

// --- arrays ---

int ScriptValue::ArrayDimCount() const {
  return FKind == ValueKind::Array ? int(FData.a->bounds.size()) : 0;
}

ArrayBound ScriptValue::ArrayBounds(int dim) const {
  if (dim < 0 || dim >= ArrayDimCount())
    throw ScriptError(QStringLiteral("Array dimension out of range"));
  return FData.a->bounds[dim];
}

int ScriptValue::ArrayElementType() const {
  return FKind == ValueKind::Array ? FData.a->elementType : VarTypeCode::varEmpty;
}

int ScriptValue::ArrayLength() const {
  if (FKind != ValueKind::Array) return 0;
  const ArrayBound& b = FData.a->bounds[0];
  return b.high >= b.low ? b.high - b.low + 1 : 0;
}

std::size_t ScriptValue::flatIndex(const std::vector<int>& indices) const {
  if (FKind != ValueKind::Array) throw ScriptError(QStringLiteral("Array type required"));
  const auto& bounds = FData.a->bounds;
  if (indices.size() != bounds.size())
    throw ScriptError(QStringLiteral("Wrong number of array indices"));
  std::size_t flat = 0;
  for (std::size_t d = 0; d < bounds.size(); ++d) {
    const ArrayBound& b = bounds[d];
    if (indices[d] < b.low || indices[d] > b.high)
      throw ScriptError(QStringLiteral("Array index out of bounds"));
    flat = flat * std::size_t(b.high - b.low + 1) + std::size_t(indices[d] - b.low);
  }
  return flat;
}

ScriptValue ScriptValue::ArrayGet(const std::vector<int>& indices) const {
  const std::size_t flat = flatIndex(indices);  // checks the kind before the block is touched
  return FData.a->items[flat];
}

ScriptValue::ArrayData* ScriptValue::detachedArray() {
  if (FData.a->refs.load() > 1) {
    ArrayData* copy = new ArrayData;
    copy->elementType = FData.a->elementType;
    copy->bounds = FData.a->bounds;
    copy->items = FData.a->items;
    if (FData.a->refs.fetch_sub(1) == 1) delete FData.a;
    FData.a = copy;
  }
  return FData.a;
}

void ScriptValue::ArraySet(const std::vector<int>& indices, const ScriptValue& value) {
  std::size_t flat = flatIndex(indices);
  ScriptValue keep(value);  // value may be an element of this very array
  detachedArray()->items[flat] = std::move(keep);
}

void ScriptValue::ArraySetHigh(int high) {
  if (ArrayDimCount() != 1) throw ScriptError(QStringLiteral("Array type required"));
  ArrayData* a = detachedArray();
  std::int64_t len = std::int64_t(high) - a->bounds[0].low + 1;
  if (len < 0) len = 0;
  if (len > 64 * 1024 * 1024) throw ScriptError(QStringLiteral("Array is too large"));
  a->bounds[0].high = int(a->bounds[0].low + len - 1);
  a->items.resize(std::size_t(len));
}

bool ScriptValue::operator==(const ScriptValue& other) const {
  if (FKind != other.FKind) return false;
  switch (FKind) {
    case ValueKind::Empty:
    case ValueKind::Null:
      return true;
    case ValueKind::Boolean:
      return FData.b == other.FData.b;
    case ValueKind::Integer:
      return FData.i == other.FData.i;
    case ValueKind::Int64:
      return FData.l == other.FData.l;
    case ValueKind::Double:
    case ValueKind::Date:
      return FData.d == other.FData.d;
    case ValueKind::String:
      return str() == other.str();
    case ValueKind::Object:
      return FData.o == other.FData.o;
    case ValueKind::Array:
      if (FData.a == other.FData.a) return true;
      if (FData.a->elementType != other.FData.a->elementType ||
          FData.a->bounds.size() != other.FData.a->bounds.size())
        return false;
      for (std::size_t d = 0; d < FData.a->bounds.size(); ++d)
        if (FData.a->bounds[d].low != other.FData.a->bounds[d].low ||
            FData.a->bounds[d].high != other.FData.a->bounds[d].high)
          return false;
      return FData.a->items == other.FData.a->items;
  }
  return false;
}

bool ScriptValue::SharesStringWith(const ScriptValue& other) const {
  return FKind == ValueKind::String && other.FKind == ValueKind::String && str().isSharedWith(other.str());
}

void ScriptValue::AppendString(const QString& text) {
  if (FKind != ValueKind::String) throw ScriptError(QStringLiteral("Append to a value that is not a string"));
  reinterpret_cast<QString*>(FData.s)->append(text);
}

void ScriptValue::AppendString(const ScriptValue& text) {
  if (!text.IsString()) throw ScriptError(QStringLiteral("Append of a value that is not a string"));
  if (&text == this) {
    const QString copy = text.str();  // appending a text to itself reads what it changes
    AppendString(copy);
    return;
  }
  AppendString(text.str());
}
