// The display format's conversions over the directive reader the script's Format uses too.
//
// This differs from the script's Format (script_engine/modules/format_text.cpp) in: exactly one
// value, so no "n:" index and no "*"; only the conversions d, u, x, f, e, g and n; u refuses a
// negative value; g always writes at most its precision (15 by default) significant digits;
// widths up to 1024 and precisions up to 64, digits 0-9 only; a bad format raises
// TrpFormatMismatch.
#include "report/memo/printf_format.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <optional>
#include <variant>

#include "script_engine/modules/printf_reader.h"

namespace {

struct Conversion {
  bool leftJustify = false;
  int width = 0;
  std::optional<int> precision;
  char type = 0;
};

// Bounds that keep a hostile format from asking for huge buffers.
constexpr TscPrintfRules kRules{1024, 64, false};

// Splits the format into the text before, the one conversion, and the text after ("%%" becomes
// "%" in both texts).
struct Parsed {
  QString before, after;
  Conversion conversion;
};

Conversion conversionOf(const TscPrintfDirective& d) {
  Conversion c;
  c.leftJustify = d.LeftJustify;
  c.width = std::max(d.Width, 0);
  if (d.Precision >= 0) c.precision = d.Precision;
  const char16_t t = d.Type.toLower().unicode();
  if (t > 127) throw TrpFormatMismatch();
  c.type = static_cast<char>(t);
  return c;
}

Parsed parse(const QString& f) {
  Parsed result;
  TscPrintfReader reader(f, kRules);
  if (!reader.ReadText(result.before) || reader.AtEnd()) throw TrpFormatMismatch();
  TscPrintfDirective d;
  if (!reader.ReadDirective(d)) throw TrpFormatMismatch();
  result.conversion = conversionOf(d);
  // A second directive asks for a second value.
  if (!reader.ReadText(result.after) || !reader.AtEnd()) throw TrpFormatMismatch();
  return result;
}

QString pad(const QString& text, const Conversion& c) {
  if (text.size() >= c.width) return text;
  const QString blanks(c.width - text.size(), u' ');
  return c.leftJustify ? text + blanks : blanks + text;
}

QString group(const QString& digits, QChar separator) {
  QString out;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

// The C formatter runs only on a conversion built here from validated numbers.
QString cFormat(const char* conversion, int precision, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, conversion, precision, value);
  return QString::fromLatin1(buffer);
}

QString withDecimal(QString text, QChar decimal) {
  const qsizetype point = text.indexOf(u'.');
  if (point >= 0) text[point] = decimal;
  return text;
}

// "1.5E+000" style exponent: sign always, at least three digits.
QString scientific(double value, int significant, QChar decimal) {
  QString text = cFormat("%.*E", std::max(0, significant - 1), value);
  const qsizetype e = text.indexOf(u'E');
  QString mantissa = text.left(e), exponent = text.mid(e + 2);
  const QChar sign = text[e + 1];
  while (exponent.size() < 3) exponent.prepend(u'0');
  return withDecimal(mantissa, decimal) + u'E' + sign + exponent;
}

QString general(double value, int significant, QChar decimal) {
  QString text = cFormat("%.*G", std::clamp(significant, 1, 18), value);
  const qsizetype e = text.indexOf(u'E');
  if (e >= 0) {  // the same exponent form as %e, trailing zeros of the mantissa dropped
    QString mantissa = text.left(e), exponent = text.mid(e + 2);
    const QChar sign = text[e + 1];
    while (exponent.size() < 3) exponent.prepend(u'0');
    if (exponent.size() > 3 && exponent.startsWith(u'0')) exponent.remove(0, 1);
    return withDecimal(mantissa, decimal) + u'E' + sign + exponent;
  }
  return withDecimal(text, decimal);
}

QString formatFloat(const Conversion& c, double value, const TrpNumberSeparators& sep) {
  if (!std::isfinite(value)) throw TrpFormatMismatch();
  switch (c.type) {
    case 'f': return withDecimal(cFormat("%.*f", c.precision.value_or(2), value), sep.Decimal);
    case 'e': return scientific(value, c.precision.value_or(15), sep.Decimal);
    case 'g': return general(value, c.precision.value_or(15), sep.Decimal);
    case 'n': {
      const QString fixed = cFormat("%.*f", c.precision.value_or(2), std::fabs(value));
      const qsizetype point = fixed.indexOf(u'.');
      QString text = group(point < 0 ? fixed : fixed.left(point), sep.Thousand);
      if (point >= 0) text += sep.Decimal + fixed.mid(point + 1);
      const bool negative = value < 0 && fixed.contains(QRegularExpression(QStringLiteral("[1-9]")));
      return negative ? u'-' + text : text;
    }
    default: throw TrpFormatMismatch();
  }
}

QString formatInteger(const Conversion& c, std::int64_t value) {
  QString digits;
  bool negative = false;
  switch (c.type) {
    case 'd':
      negative = value < 0;
      digits = QString::number(value < 0 ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
      break;
    case 'u':
      if (value < 0) throw TrpFormatMismatch();
      digits = QString::number(static_cast<std::uint64_t>(value));
      break;
    case 'x': digits = QString::number(static_cast<std::uint64_t>(value), 16).toUpper(); break;
    default: throw TrpFormatMismatch();
  }
  if (c.precision && digits.size() < *c.precision) digits.prepend(QString(*c.precision - digits.size(), u'0'));
  return negative ? u'-' + digits : digits;
}

}  // namespace

QString rpFormatPrintfInteger(const QString& format, std::int64_t value, const TrpNumberSeparators&) {
  const Parsed p = parse(format);
  return p.before + pad(formatInteger(p.conversion, value), p.conversion) + p.after;
}

QString rpFormatPrintfFloat(const QString& format, double value, const TrpNumberSeparators& separators) {
  const Parsed p = parse(format);
  return p.before + pad(formatFloat(p.conversion, value, separators), p.conversion) + p.after;
}
