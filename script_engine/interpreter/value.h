#pragma once
// ScriptValue: the one value type of the script engine, shared by the report subsystem for report
// variables, data-set values, aggregates and expression results.
//
// A value is one of: empty (never assigned), Null, Boolean, 32-bit integer, 64-bit integer, double,
// date-time (a double day number, see day_number.h), string, object reference, variant array.
// Numbers, Booleans and object references live inline: copying them never allocates. Strings share
// QString's reference-counted buffer; arrays share one reference-counted block and are copied on
// the first write, so a value behaves like a value everywhere.
//
// An object reference is its own kind. Integers are never turned into objects, so only a value that
// was made from an object pointer is ever used as one. The script constant nil is the integer 0, and
// an object reference compares equal to it exactly when it points nowhere.
//
// Failed conversions and invalid operations raise ScriptError.
#include <QString>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

// The base of every host object that a script value can refer to. Values never own objects.
class ScriptObject {
 public:
  virtual ~ScriptObject();
};

enum class ValueKind : std::uint8_t {
  Empty, Null, Boolean, Integer, Int64, Double, Date, String, Object, Array
};

// Variant type codes as the script functions VarType and VarArrayCreate use them.
namespace VarTypeCode {
constexpr int varEmpty = 0, varNull = 1, varSmallint = 2, varInteger = 3, varSingle = 4,
              varDouble = 5, varCurrency = 6, varDate = 7, varOleStr = 8, varDispatch = 9,
              varError = 10, varBoolean = 11, varVariant = 12, varUnknown = 13, varShortInt = 16,
              varByte = 17, varWord = 18, varLongWord = 19, varInt64 = 20, varStrArg = 72,
              varString = 256, varAny = 257, varTypeMask = 4095, varArray = 8192, varByRef = 16384;
}

struct ArrayBound {
  int low = 0;
  int high = -1;  // high < low: the dimension is empty
};

class ScriptValue {
 public:
  ScriptValue() noexcept : FKind(ValueKind::Empty) { FData.l = 0; }
  // Inline kinds are written and copied as one 8-byte word (see copyBits), so a value read
  // right after it was written comes straight from the store, without a partial-store stall.
  ScriptValue(bool b) noexcept : FKind(ValueKind::Boolean) { FData.l = b ? 1 : 0; }
  ScriptValue(int i) noexcept : FKind(ValueKind::Integer) { FData.l = std::uint32_t(i); }
  ScriptValue(std::int64_t l) noexcept : FKind(ValueKind::Int64) { FData.l = l; }
  ScriptValue(long long l) noexcept : ScriptValue(static_cast<std::int64_t>(l)) {}
  ScriptValue(double d) noexcept : FKind(ValueKind::Double) { FData.d = d; }
  ScriptValue(const QString& s);
  ScriptValue(const char* s);     // UTF-8
  ScriptValue(ScriptObject* o) noexcept : FKind(ValueKind::Object) { FData.o = o; }
  // Any other pointer would silently become a Boolean; refuse it at compile time.
  ScriptValue(const void*) = delete;
  // Copying, moving and destroying are inline for the inline kinds, which is nearly every value
  // an interpreted program handles; only strings and arrays take the out-of-line paths.
  ScriptValue(const ScriptValue& other) : FKind(other.FKind) {
    if (other.OnHeap())
      copyHeap(other);
    else
      FData.l = other.FData.l;
  }
  // Moving relocates the bytes: a QString, like every implicitly shared Qt value, may be moved
  // in memory bit by bit, and the source is left empty.
  ScriptValue(ScriptValue&& other) noexcept : FKind(other.FKind) {
    copyBits(other);
    other.FKind = ValueKind::Empty;
    other.FData.l = 0;
  }
  ScriptValue& operator=(const ScriptValue& other) {
    if (!OnHeap() && !other.OnHeap()) {
      FKind = other.FKind;
      FData.l = other.FData.l;
    } else if (this != &other) {
      assignHeap(other);
    }
    return *this;
  }
  ScriptValue& operator=(ScriptValue&& other) noexcept {
    if (&other == this) return *this;
    if (OnHeap()) {
      // other may live inside the value released here (an element of this array): it is
      // taken out first.
      ScriptValue taken(std::move(other));
      releaseHeap();
      copyBits(taken);
      FKind = taken.FKind;
      taken.FKind = ValueKind::Empty;
      return *this;
    }
    copyBits(other);
    FKind = other.FKind;
    other.FKind = ValueKind::Empty;
    other.FData.l = 0;
    return *this;
  }
  ~ScriptValue() {
    if (OnHeap()) releaseHeap();
  }
  // Moves the value at from into the raw storage at to, bit by bit (every kind may be moved in
  // memory, see the move constructor). Afterwards from is raw storage: it holds no value and is
  // not destroyed.
  static void Relocate(ScriptValue* to, ScriptValue* from) noexcept {
    std::memcpy(static_cast<void*>(to), static_cast<const void*>(from), sizeof(ScriptValue));
  }

  static ScriptValue Null();
  static ScriptValue DateTime(double dayNumber);
  static ScriptValue Integer64(std::int64_t v) { return ScriptValue(v); }
  // The narrowest integer kind holding v: Integer when it fits 32 bits, else Int64.
  static ScriptValue FromInteger(std::int64_t v);
  // A variant array with the given bounds, every element empty. elementType is a VarTypeCode.
  static ScriptValue CreateArray(const std::vector<ArrayBound>& bounds,
                                 int elementType = VarTypeCode::varVariant);
  // A one-dimensional array 0..n-1 of the given values.
  static ScriptValue ArrayOf(std::initializer_list<ScriptValue> items);

  // --- kind ---
  ValueKind Kind() const { return FKind; }
  int VarType() const;  // the VarTypeCode of the kind (arrays: varArray | element type)
  QString KindName() const;
  bool IsEmpty() const { return FKind == ValueKind::Empty; }
  bool IsNull() const { return FKind == ValueKind::Null; }
  bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }
  bool IsBoolean() const { return FKind == ValueKind::Boolean; }
  bool IsString() const { return FKind == ValueKind::String; }
  bool IsObject() const { return FKind == ValueKind::Object; }
  bool IsArray() const { return FKind == ValueKind::Array; }
  bool IsDate() const { return FKind == ValueKind::Date; }
  bool IsInteger() const { return FKind == ValueKind::Integer || FKind == ValueKind::Int64; }
  bool IsNumeric() const;  // integer, double or date

  // --- conversions (raise ScriptError when the value has no such form) ---
  // empty: false; strings "True"/"False" or numbers
  bool ToBool() const { return FKind == ValueKind::Boolean ? FData.b : toBoolSlow(); }
  // doubles round half to even; out of range raises
  int ToInt32() const { return FKind == ValueKind::Integer ? FData.i : toInt32Slow(); }
  std::int64_t ToInt64() const;
  double ToDouble() const;        // dates give their day number
  QString ToString() const;       // Null raises; Booleans give "True"/"False"; dates the
                                  // locale's short date and/or HH:mm:ss
  QString ToText() const;         // as ToString, but Null gives the empty text
  ScriptObject* ToObject() const; // only an object reference converts; others raise
  double ToDateTime() const { return ToDouble(); }

  // The same value converted to a kind, as a typed variable's assignment converts it.
  ScriptValue ConvertedTo(ValueKind kind) const;

  // --- arrays ---
  int ArrayDimCount() const;                 // 0 for non-arrays
  ArrayBound ArrayBounds(int dim) const;     // dim is 0-based
  int ArrayElementType() const;
  int ArrayLength() const;                   // element count of the first dimension
  ScriptValue ArrayGet(const std::vector<int>& indices) const;
  void ArraySet(const std::vector<int>& indices, const ScriptValue& value);
  // Changes the high bound of a one-dimensional array, keeping the elements that remain.
  void ArraySetHigh(int high);

  // --- building strings ---
  // Whether both values are strings sharing one text buffer.
  bool SharesStringWith(const ScriptValue& other) const;
  // Appends to this string's own buffer (amortised constant time while the buffer is not
  // shared). Raises ScriptError when this value is not a string.
  void AppendString(const QString& text);
  // The same with a string value's text, read where it is stored (text may be this value).
  void AppendString(const ScriptValue& text);

  // Identity: same kind and same content, with no conversion (Null equals Null; arrays element by
  // element). Used by tests and by containers; the script's "=" is Equals in value_ops.h.
  bool operator==(const ScriptValue& other) const;
  bool operator!=(const ScriptValue& other) const { return !(*this == other); }

 private:
  struct ArrayData;
  friend struct ScriptValueAccess;

  // Strings and arrays hold a reference-counted block; every other kind is plain bytes.
  bool OnHeap() const { return FKind == ValueKind::String || FKind == ValueKind::Array; }
  // The bytes of other's payload: all of them for a string or an array, else the one word.
  void copyBits(const ScriptValue& other) {
    if (other.OnHeap())
      FData = other.FData;
    else
      FData.l = other.FData.l;
  }
  void releaseHeap() noexcept;
  void copyHeap(const ScriptValue& other);
  void assignHeap(const ScriptValue& other);
  bool toBoolSlow() const;
  int toInt32Slow() const;
  ArrayData* detachedArray();
  const QString& str() const { return *reinterpret_cast<const QString*>(FData.s); }
  std::size_t flatIndex(const std::vector<int>& indices) const;

  union {
    bool b;
    std::int32_t i;
    std::int64_t l;
    double d;
    ScriptObject* o;
    ArrayData* a;
    alignas(QString) unsigned char s[sizeof(QString)];
  } FData;
  ValueKind FKind;
};

// Text of a double as the script shows it: up to 15 significant digits, "." as the decimal point,
// exponent form "1E20" for very large and very small numbers.
QString FloatToText(double d);

// Parses a number the way a string operand converts: optional sign, decimal digits, or "$" and
// hexadecimal digits, or a decimal fraction with an optional exponent. Leading and trailing blanks
// are ignored. Integers become Integer or Int64, everything else Double. false if not a number.
bool TextToNumber(const QString& text, ScriptValue& result);
