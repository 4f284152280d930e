// Format: "%[index:][-][width][.precision]type" directives over an argument array.
#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"

namespace {

// Widths and precisions beyond this are refused instead of building huge texts.
constexpr int kMaxWidth = 1024 * 1024;
constexpr int kDefaultPrecision = 15;

[[noreturn]] void invalid(const QString& format) {
  throw ScriptError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

struct Directive {
  bool left = false;
  int width = -1, precision = -1;
  QChar type;
};

class FormatReader {
 public:
  FormatReader(const QString& f, const std::vector<ScriptValue>& a, const TscLocaleFormat& l)
      : F(f), A(a), L(l) {}
  QString run();

 private:
  const ScriptValue& next() {
    if (argIndex >= A.size()) invalid(F);
    return A[argIndex++];
  }
  int number(int& i);  // digits or "*"; -1 when absent
  QString convert(const Directive& d, const ScriptValue& v) const;
  QString decimal(double v, int precision, bool groups) const;
  QString scientific(double v, int precision) const;

  const QString& F;
  const std::vector<ScriptValue>& A;
  const TscLocaleFormat& L;
  std::size_t argIndex = 0;
};

int FormatReader::number(int& i) {
  if (i < F.size() && F[i] == QLatin1Char('*')) {
    ++i;
    const int v = next().ToInt32();
    if (v > kMaxWidth) invalid(F);
    return v;
  }
  int v = -1;
  while (i < F.size() && F[i].isDigit()) {
    v = std::max(v, 0) * 10 + F[i].digitValue();
    if (v > kMaxWidth) invalid(F);
    ++i;
  }
  return v;
}

QString FormatReader::decimal(double v, int precision, bool groups) const {
  QString t = QString::number(std::fabs(v), 'f', std::min(precision, 18));
  const int dot = int(t.indexOf(QLatin1Char('.')));
  QString intPart = dot < 0 ? t : t.left(dot), frac = dot < 0 ? QString() : t.mid(dot + 1);
  if (groups && !L.ThousandSeparator.isNull())
    for (int k = int(intPart.size()) - 3; k > 0; k -= 3) intPart.insert(k, L.ThousandSeparator);
  QString out = intPart;
  if (!frac.isEmpty()) out += L.DecimalSeparator + frac;
  bool zero = true;
  for (QChar c : t) zero = zero && (c == QLatin1Char('0') || c == QLatin1Char('.'));
  return (v < 0 && !zero ? QStringLiteral("-") : QString()) + out;
}

// d.dddE+ddd with precision significant digits.
QString FormatReader::scientific(double v, int precision) const {
  const QString e = QString::number(v, 'e', std::clamp(precision, 1, 18) - 1);
  const int ePos = int(e.indexOf(QLatin1Char('e')));
  QString mantissa = e.left(ePos);
  mantissa.replace(QLatin1Char('.'), L.DecimalSeparator);
  const int exponent = e.mid(ePos + 1).toInt();
  return mantissa + QLatin1Char('E') + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
         QString::number(std::abs(exponent)).rightJustified(3, QLatin1Char('0'));
}

QString FormatReader::convert(const Directive& d, const ScriptValue& v) const {
  switch (d.type.toLower().unicode()) {
    case 'd':
    case 'u':
    case 'x': {
      if (!v.IsInteger() && v.Kind() != ValueKind::Boolean) invalid(F);
      std::int64_t n = v.ToInt64();
      const bool hex = d.type.toLower() == QLatin1Char('x');
      if ((d.type.toLower() == QLatin1Char('u') || hex) && n < 0 && n >= INT32_MIN) n += 4294967296LL;
      QString digits = hex ? QString::number(qulonglong(n), 16).toUpper() : QString::number(n < 0 ? -n : n);
      digits = digits.rightJustified(std::max(d.precision, 0), QLatin1Char('0'));
      return (n < 0 ? QStringLiteral("-") : QString()) + digits;
    }
    case 'f': return decimal(v.ToDouble(), d.precision < 0 ? 2 : d.precision, false);
    case 'n': return decimal(v.ToDouble(), d.precision < 0 ? 2 : d.precision, true);
    case 'm': {
      const double x = v.ToDouble();
      const QString t = decimal(std::fabs(x), d.precision < 0 ? L.CurrencyDecimals : d.precision, true);
      return (x < 0 ? QStringLiteral("-") : QString()) + L.CurrencyString + t;
    }
    case 'e': return scientific(v.ToDouble(), d.precision < 0 ? kDefaultPrecision : d.precision);
    case 'g': {
      const double x = v.ToDouble();
      if (d.precision < 0 || d.precision >= kDefaultPrecision) return scFloatToStr(x, L);
      QString t = QString::number(x, 'g', std::max(d.precision, 1));
      t.replace(QLatin1Char('e'), QLatin1Char('E')).replace(QLatin1Char('.'), L.DecimalSeparator);
      return t;
    }
    case 'p': return QString::number(qulonglong(v.ToInt64()) & 0xFFFFFFFFULL, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    case 's': {
      const QString t = v.IsDate() ? scFormatDateTime(QStringLiteral("c"), v.ToDouble(), L)
                        : v.Kind() == ValueKind::Double ? scFloatToStr(v.ToDouble(), L)
                                                        : v.ToText();
      return d.precision >= 0 ? t.left(d.precision) : t;
    }
    default: invalid(F);
  }
}

QString FormatReader::run() {
  QString out;
  for (int i = 0; i < F.size(); ++i) {
    if (F[i] != QLatin1Char('%')) { out += F[i]; continue; }
    if (++i >= F.size()) invalid(F);
    if (F[i] == QLatin1Char('%')) { out += F[i]; continue; }
    Directive d;
    const int start = i;
    const int n = number(i);
    bool flags = i == start;  // nothing read yet: flags and width follow
    if (i < F.size() && F[i] == QLatin1Char(':')) {  // an argument index
      argIndex = std::size_t(std::max(n, 0));
      ++i;
      flags = true;
    }
    if (flags) {
      if (i < F.size() && F[i] == QLatin1Char('-')) { d.left = true; ++i; }
      d.width = number(i);
    } else {
      d.width = n;
    }
    if (i < F.size() && F[i] == QLatin1Char('.')) {
      ++i;
      d.precision = std::max(number(i), 0);
    }
    if (i >= F.size()) invalid(F);
    d.type = F[i];
    QString t = convert(d, next());
    if (d.width > t.size())
      t = d.left ? t.leftJustified(d.width, QLatin1Char(' ')) : t.rightJustified(d.width, QLatin1Char(' '));
    out += t;
  }
  return out;
}

}  // namespace

QString scFormatText(const QString& format, const std::vector<ScriptValue>& args,
                     const TscLocaleFormat& locale) {
  return FormatReader(format, args, locale).run();
}
