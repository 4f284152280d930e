// Conversions of script values between kinds.
#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/value.h"

namespace {

[[noreturn]] void cannotConvert(const ScriptValue& v, const char* target) {
  throw ScriptError(QStringLiteral("Cannot convert a value of type %1 to %2")
                        .arg(v.KindName(), QString::fromLatin1(target)));
}

[[noreturn]] void outOfRange(const char* target) {
  throw ScriptError(QStringLiteral("Value out of range for %1").arg(QString::fromLatin1(target)));
}

// Doubles become integers by rounding half to even, as variant conversion does everywhere.
std::int64_t roundToInt64(double d, const char* target) {
  double r = std::nearbyint(d);
  if (!std::isfinite(r) || r < -9223372036854775808.0 || r >= 9223372036854775808.0)
    outOfRange(target);
  return static_cast<std::int64_t>(r);
}

ScriptValue parsedNumber(const ScriptValue& v, const char* target) {
  ScriptValue n;
  if (!TextToNumber(v.ToString(), n)) cannotConvert(v, target);
  return n;
}

// A date-time as text: the locale's short date, then the time of day as hours, minutes and
// seconds; a whole day number shows only the date, a number below one day only the time.
QString dateTimeText(double days) {
  QDateTime dt = DayNumber::ToDateTime(days);
  if (!dt.isValid()) return FloatToText(days);
  QString date = QLocale::system().toString(dt.date(), QLocale::ShortFormat);
  QString time = dt.time().toString(QStringLiteral("HH:mm:ss"));
  if (std::trunc(days) == days) return date;
  if (std::trunc(days) == 0) return time;
  return date + QLatin1Char(' ') + time;
}

}  // namespace

QString FloatToText(double d) {
  if (std::isnan(d)) return QStringLiteral("NAN");
  if (std::isinf(d)) return d > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (d == 0) return QStringLiteral("0");
  // Every number a report shows passes here. A number whose shortest exact text has at most 15
  // significant digits is that text (no 15-digit rounding can fall between it and the number),
  // laid out as %g does; others are rounded to 15 digits the slow way.
  char scientific[40];
  const char* end = std::to_chars(scientific, scientific + sizeof scientific, d, std::chars_format::scientific).ptr;
  const std::string_view text(scientific, static_cast<size_t>(end - scientific));
  const size_t e = text.find('e');
  const bool negative = text.front() == '-';
  char digits[24];  // the significant digits, without the point
  size_t digitCount = 0;
  for (size_t i = negative ? 1 : 0; i < e; ++i)
    if (text[i] != '.') digits[digitCount++] = text[i];
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  if (digitCount <= 15) {
    // Laid out in a buffer: at most a sign, 15 digits, 4 zeros after "0." or 14 before the point.
    char out[48];
    size_t n = 0;
    if (negative) out[n++] = '-';
    const auto put = [&](const char* from, size_t count) {
      std::memcpy(out + n, from, count);
      n += count;
    };
    if (exponent < -4 || exponent >= 15) {
      out[n++] = digits[0];
      if (digitCount > 1) {
        out[n++] = '.';
        put(digits + 1, digitCount - 1);
      }
      out[n++] = 'E';
      n = static_cast<size_t>(std::to_chars(out + n, out + sizeof out, exponent).ptr - out);
    } else if (exponent < 0) {
      out[n++] = '0';
      out[n++] = '.';
      for (int zero = 0; zero < -exponent - 1; ++zero) out[n++] = '0';
      put(digits, digitCount);
    } else {
      const size_t whole = static_cast<size_t>(exponent) + 1;
      if (digitCount <= whole) {
        put(digits, digitCount);
        for (size_t zero = digitCount; zero < whole; ++zero) out[n++] = '0';
      } else {
        put(digits, whole);
        out[n++] = '.';
        put(digits + whole, digitCount - whole);
      }
    }
    return QString::fromLatin1(out, static_cast<qsizetype>(n));
  }
  QString s = QString::number(d, 'g', 15);
  const qsizetype at = s.indexOf(QLatin1Char('e'));
  if (at < 0) return s;
  // "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7"
  QString mantissa = s.left(at);
  QString power = s.mid(at + 1);
  const bool below = power.startsWith(QLatin1Char('-'));
  if (power.startsWith(QLatin1Char('+')) || below) power.remove(0, 1);
  while (power.size() > 1 && power.startsWith(QLatin1Char('0'))) power.remove(0, 1);
  return mantissa + QLatin1Char('E') + (below ? QStringLiteral("-") : QString()) + power;
}

bool TextToNumber(const QString& text, ScriptValue& result) {
  static const QRegularExpression kInteger(QStringLiteral("^[+-]?[0-9]+$"));
  static const QRegularExpression kHex(QStringLiteral("^([+-]?)\\$([0-9A-Fa-f]+)$"));
  static const QRegularExpression kReal(
      QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([Ee][+-]?[0-9]+)?$"));
  QString t = text.trimmed();
  if (kInteger.match(t).hasMatch()) {
    bool ok = false;
    qlonglong v = t.toLongLong(&ok);
    if (ok) {
      result = ScriptValue::FromInteger(v);
      return true;
    }
    // Too long for 64 bits: falls through to a double.
  }
  if (auto m = kHex.match(t); m.hasMatch()) {
    bool ok = false;
    qulonglong v = m.captured(2).toULongLong(&ok, 16);
    if (!ok) return false;
    std::int64_t s = static_cast<std::int64_t>(v);
    result = ScriptValue::FromInteger(m.captured(1) == QLatin1String("-") ? -s : s);
    return true;
  }
  // The locale's decimal separator is accepted as well as ".".
  QString dp = QLocale::system().decimalPoint();
  if (dp != QLatin1String(".")) t.replace(dp, QStringLiteral("."));
  if (!kReal.match(t).hasMatch()) return false;
  bool ok = false;
  double d = t.toDouble(&ok);
  if (!ok || !std::isfinite(d)) return false;
  result = ScriptValue(d);
  return true;
}

bool ScriptValue::toBoolSlow() const {
  switch (FKind) {
    case ValueKind::Empty: return false;
    case ValueKind::Boolean: return FData.b;
    case ValueKind::Integer: return FData.i != 0;
    case ValueKind::Int64: return FData.l != 0;
    case ValueKind::Double:
    case ValueKind::Date: return FData.d != 0;
    case ValueKind::String: {
      QString t = str().trimmed();
      if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
      if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
      return parsedNumber(*this, "Boolean").ToBool();
    }
    default: cannotConvert(*this, "Boolean");
  }
}

std::int64_t ScriptValue::ToInt64() const {
  switch (FKind) {
    case ValueKind::Empty: return 0;
    case ValueKind::Boolean: return FData.b ? -1 : 0;
    case ValueKind::Integer: return FData.i;
    case ValueKind::Int64: return FData.l;
    case ValueKind::Double:
    case ValueKind::Date: return roundToInt64(FData.d, "Int64");
    case ValueKind::String: return parsedNumber(*this, "Int64").ToInt64();
    default: cannotConvert(*this, "Int64");
  }
}

int ScriptValue::toInt32Slow() const {
  std::int64_t v;
  if (FKind == ValueKind::String) {
    v = parsedNumber(*this, "Integer").ToInt64();
  } else if (FKind == ValueKind::Double || FKind == ValueKind::Date) {
    v = roundToInt64(FData.d, "Integer");
  } else if (FKind == ValueKind::Empty || FKind == ValueKind::Boolean || FKind == ValueKind::Int64) {
    v = ToInt64();
  } else {
    cannotConvert(*this, "Integer");
  }
  if (v < INT32_MIN || v > INT32_MAX) outOfRange("Integer");
  return static_cast<int>(v);
}

double ScriptValue::ToDouble() const {
  switch (FKind) {
    case ValueKind::Empty: return 0;
    case ValueKind::Boolean: return FData.b ? -1 : 0;
    case ValueKind::Integer: return FData.i;
    case ValueKind::Int64: return static_cast<double>(FData.l);
    case ValueKind::Double:
    case ValueKind::Date: return FData.d;
    case ValueKind::String: return parsedNumber(*this, "Double").ToDouble();
    default: cannotConvert(*this, "Double");
  }
}

QString ScriptValue::ToString() const {
  switch (FKind) {
    case ValueKind::Empty: return QString();
    case ValueKind::Boolean: return FData.b ? QStringLiteral("True") : QStringLiteral("False");
    case ValueKind::Integer: return QString::number(FData.i);
    case ValueKind::Int64: return QString::number(FData.l);
    case ValueKind::Double: return FloatToText(FData.d);
    case ValueKind::Date: return dateTimeText(FData.d);
    case ValueKind::String: return str();
    default: cannotConvert(*this, "String");
  }
}

QString ScriptValue::ToText() const { return FKind == ValueKind::Null ? QString() : ToString(); }

ScriptObject* ScriptValue::ToObject() const {
  if (FKind != ValueKind::Object) cannotConvert(*this, "Object");
  return FData.o;
}

ScriptValue ScriptValue::ConvertedTo(ValueKind kind) const {
  switch (kind) {
    case ValueKind::Empty: return ScriptValue();
    case ValueKind::Null: return Null();
    case ValueKind::Boolean: return ScriptValue(ToBool());
    case ValueKind::Integer: return ScriptValue(ToInt32());
    case ValueKind::Int64: return ScriptValue(ToInt64());
    case ValueKind::Double: return ScriptValue(ToDouble());
    case ValueKind::Date: return DateTime(ToDouble());
    case ValueKind::String: return ScriptValue(ToString());
    case ValueKind::Object: return ScriptValue(ToObject());
    case ValueKind::Array:
      if (FKind != ValueKind::Array) cannotConvert(*this, "Array");
      return *this;
  }
  return *this;
}
