#include "report/memo/printf_format.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <optional>
#include <variant>

namespace {

struct Conversion {
  bool leftJustify = false;
  int width = 0;
  std::optional<int> precision;
  char type = 0;
};

// Bounds that keep a hostile format from asking for huge buffers.
constexpr int kMaxWidth = 1024;
constexpr int kMaxPrecision = 64;

int readNumber(const QString& f, qsizetype& i, int limit) {
  int n = 0;
  while (i < f.size() && f[i].isDigit() && f[i].unicode() < 128) {
    n = n * 10 + (f[i].unicode() - '0');
    if (n > limit) throw TrpFormatMismatch();
    ++i;
  }
  return n;
}

// Splits the format into the text before, the one conversion, and the text after ("%%" becomes
// "%" in both texts).
struct Parsed {
  QString before, after;
  Conversion conversion;
};

Parsed parse(const QString& f) {
  Parsed result;
  bool found = false;
  for (qsizetype i = 0; i < f.size(); ++i) {
    QString& out = found ? result.after : result.before;
    if (f[i] != u'%') {
      out += f[i];
      continue;
    }
    if (++i >= f.size()) throw TrpFormatMismatch();
    if (f[i] == u'%') {
      out += u'%';
      continue;
    }
    if (found) throw TrpFormatMismatch();  // a second value is asked for
    Conversion& c = result.conversion;
    if (f[i] == u'-') c.leftJustify = true, ++i;
    c.width = readNumber(f, i, kMaxWidth);
    if (i < f.size() && f[i] == u'.') {
      ++i;
      c.precision = readNumber(f, i, kMaxPrecision);
    }
    if (i >= f.size()) throw TrpFormatMismatch();
    const char16_t t = QChar(f[i]).toLower().unicode();
    if (t > 127) throw TrpFormatMismatch();
    c.type = static_cast<char>(t);
    found = true;
  }
  if (!found) throw TrpFormatMismatch();
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
